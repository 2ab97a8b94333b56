#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/VendorInfo.h"
#include "feed/NewsStore.h"
#include "settings/Settings.h"
#include "skin/engine/TSkinEngine.h"
#include "support/WaitFor.h"
#include "ui/LinkLabel.h"
#include "ui/TMainForm1.h"
#include "ui/TfmAbout.h"

namespace plivant {
namespace {

// Records what the desktop was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        for (const char* scheme : {"http", "mailto"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
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

// The skin frames the window itself: the outer width is the skinned window's, and the line
// is placed from the client area's left edge inside the skin's left border.
TEST(About, VersionLineIsCentredOnTheOuterWidthWithTheSkinOnAndOff) {
    Settings settings;
    NewsStore store;
    TMainForm1 main(settings, store);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    TfmAbout about(&main);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QLabel* version = about.VersionLabel();
    auto expected = [&] {
        const bool skinned = about.windowFlags() & Qt::FramelessWindowHint;
        const int outer = skinned ? about.width() : about.frameGeometry().width();
        return about.contentsMargins().left() + (outer - version->width()) / 2;
    };
    const int border = about.contentsMargins().left() + about.contentsMargins().right();
    ASSERT_GT(border, 1) << "the About window is not skinned";
    EXPECT_TRUE(test::WaitFor([&] { return version->x() == expected(); })) << version->x();
    // The skin moved the hand-placed controls by its left border: the bevel, designed at 8.
    EXPECT_EQ(about.findChild<QWidget*>("Bevel1")->x(), about.contentsMargins().left() + 8);

    main.SkinEngine1->SetActive(false);
    ASSERT_TRUE(test::WaitFor([&] { return about.contentsMargins().left() == 0; }));
    EXPECT_EQ(about.width(), 257);
    EXPECT_TRUE(test::WaitFor([&] { return version->x() == expected(); })) << version->x();
    EXPECT_EQ(version->y(), 69);
}

TEST(Links, AnAddressIsReadAsAUserWouldTypeIt) {
    UrlRecorder recorder;
    for (const char* address :
         {"www.example.ru", "http://vetrasol.example/news?a=1", "mailto:info@vetrasol.example"}) {
        OpenAddress(address);
    }
    EXPECT_EQ(recorder.opened,
              (QStringList{"http://www.example.ru", "http://vetrasol.example/news?a=1",
                           "mailto:info@vetrasol.example"}));
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
