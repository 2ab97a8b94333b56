#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/VendorInfo.h"
#include "ui/LinkLabel.h"
#include "ui/TfmAbout.h"

namespace plivant {
namespace {

// Records what the desktop was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        for (const char* scheme : {"http", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"http", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened << url.toString(); }
};

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

TEST(About, VersionLineIsCentred) {
    TfmAbout about;
    QLabel* version = about.VersionLabel();
    EXPECT_EQ(version->text(), "Version: 1.0 beta");
    EXPECT_EQ(version->x(), (about.width() - version->width()) / 2);
    EXPECT_EQ(version->y(), 69);
    EXPECT_EQ(about.size(), QSize(257, 309));
}

TEST(About, LinksOpenTheSiteShownAndTheMailAddresses) {
    UrlRecorder recorder;
    TfmAbout about;
    about.show();
    for (const char* name : {"Image1", "StaticText2", "StaticText7", "StaticText8"}) {
        Click(about.findChild<QWidget*>(name));
    }
    Click(about.findChild<QWidget*>("StaticText4"));
    Click(about.findChild<QWidget*>("StaticText6"));
    Click(about.findChild<QWidget*>("StaticText3"));
    const QString site = about.SiteLabel()->text();
    EXPECT_EQ(recorder.opened,
              (QStringList{site, site, site, site, QString("mailto:") + vendor::kMailInfo,
                           QString("mailto:") + vendor::kMailSoftware,
                           QString(vendor::kIcqPagePrefix) + vendor::kIcqNumber}));
    Click(about.findChild<QPushButton*>("BitBtn1"));
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace plivant

#include "AboutTest.moc"
