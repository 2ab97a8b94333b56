#include "ui/TfmAbout.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <algorithm>

#include "core/VendorInfo.h"
#include "ui/AccessibleTexts.h"
#include "ui/Colors.h"
#include "ui/LinkLabel.h"
#include "ui/LogoPicture.h"

namespace plivant {

namespace {
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
}  // namespace

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("fmAbout");
    setWindowTitle(QString::fromUtf8("О программе"));
    setFont(QFont("Tahoma", 8));
    setFixedSize(257, 309);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 8, 241, 263);

    auto* logo = AddLink(this, {}, {32, 16, 194, 53}, {}, false, [this] { OpenSite(); });
    logo->setObjectName("Image1");
    logo->setAccessibleName(LogoName());
    ShowLogo(*logo);

    stVersion_ = new QLabel("Version:", this);
    stVersion_->setObjectName("stVersion");
    SetTextColor(stVersion_, Qt::red);
    stVersion_->move(0, 69);

    auto* contacts = new QGroupBox(QString::fromUtf8("Контакты"), this);
    contacts->setObjectName("GroupBox1");
    contacts->setGeometry(32, 85, 193, 81);
    staticText2_ =
        AddLink(contacts, vendor::kWebSite, {14, 18, 155, 17}, kBlue, true, [this] { OpenSite(); });
    staticText2_->setObjectName("StaticText2");
    AddLink(contacts, QString("icq: ") + vendor::kIcqNumber, {54, 38, 68, 17}, {}, true, [] {
        OpenAddress(QString(vendor::kIcqPagePrefix) + vendor::kIcqNumber);
    })->setObjectName("StaticText3");
    AddLink(contacts, vendor::kMailInfo, {30, 61, 126, 17}, kGreen, true, [] {
        OpenAddress(QString("mailto:") + vendor::kMailInfo);
    })->setObjectName("StaticText4");

    AddText(QString::fromUtf8("с предложениями по работе"), {54, 178})
        ->setObjectName("StaticText5");
    AddText(QString::fromUtf8("программы обращайтесь по адресу:"), {32, 194})
        ->setObjectName("StaticText1");
    AddLink(this, vendor::kMailSoftware, {62, 211, 132, 17}, kGreen, true, [] {
        OpenAddress(QString("mailto:") + vendor::kMailSoftware);
    })->setObjectName("StaticText6");
    AddLink(this, QString::fromUtf8("Forex на Vetrasol: обучение,"), {46, 234, 159, 17}, kBlue,
            false, [this] { OpenSite(); })
        ->setObjectName("StaticText7");
    AddLink(this, QString::fromUtf8("стратегии, доверительное управление"), {32, 250, 205, 17},
            kBlue, false, [this] { OpenSite(); })
        ->setObjectName("StaticText8");

    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("BitBtn1");
    ok->setGeometry(86, 277, 73, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

void TfmAbout::FormCreate() {
    stVersion_->setText(stVersion_->text() + " " + vendor::kVersionText);
    stVersion_->adjustSize();
    CentreVersion();
}

// Centred on the window's outer width, frame included, and placed from the left edge of the
// client area, which a skin's frame moves in by its left border. A skinned window draws its
// frame itself, inside its own width; otherwise the window manager's frame counts, known once
// it has framed the window.
void TfmAbout::CentreVersion() {
    const bool ownFrame = windowFlags() & Qt::FramelessWindowHint;
    const int outer = ownFrame ? width() : frameGeometry().width();
    const int left = (outer - stVersion_->width()) / 2;
    stVersion_->move(contentsMargins().left() + left, stVersion_->y());
}

bool TfmAbout::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ContentsRectChange:
            // After the change is complete: a skin moves the controls after its margins.
            if (!centring_) {
                centring_ = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        centring_ = false;
                        CentreVersion();
                    },
                    Qt::QueuedConnection);
            }
            break;
        default:
            break;
    }
    return handled;
}

// Every site link opens the address as the site label shows it.
void TfmAbout::OpenSite() { OpenAddress(staticText2_->text()); }

LinkLabel* TfmAbout::AddLink(QWidget* parent, const QString& text, QRect place, QColor color,
                             bool bold, std::function<void()> onClick) {
    auto* link = new LinkLabel(text, parent, std::move(onClick));
    if (color.isValid()) SetTextColor(link, color);
    if (bold) {
        QFont f = link->font();
        f.setBold(true);
        link->setFont(f);
    }
    // Texts size themselves to what they hold, from their designed place.
    link->setGeometry(place);
    if (!text.isEmpty())
        link->resize(std::max(place.width(), link->sizeHint().width()), place.height());
    return link;
}

QLabel* TfmAbout::AddText(const QString& text, QPoint place) {
    auto* label = new QLabel(text, this);
    label->move(place);
    label->adjustSize();
    return label;
}

}  // namespace plivant
