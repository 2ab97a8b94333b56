#include "ui/TfmPopup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "core/TextCodec.h"
#include "core/VendorInfo.h"
#include "ui/Accessibility.h"
#include "ui/Colors.h"
#include "ui/TunePlayer.h"

namespace plivant {

namespace {

// Xwayland names its outputs XWAYLAND0, XWAYLAND1 ...
bool ThroughXWayland() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && QGuiApplication::platformName() == "xcb" &&
           screen->name().startsWith("XWAYLAND");
}

// The window manager of a Wayland compositor places a managed window itself (near the top-left
// corner): the popup goes unmanaged there, which keeps it where it is put and above the others.
Qt::WindowFlags PopupFlags() {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    if (ThroughXWayland()) flags |= Qt::X11BypassWindowManagerHint;
    return flags;
}

// The top-left corner that puts a window of `size` against the right and bottom edges of `area`
// on `screen`. On a screen scaled by a fractional ratio Qt rounds the screen's logical size up,
// and the window's device pixels round on their own (from the screen's origin): it moves left and
// up until its last device pixel is on the screen.
QPoint CornerOf(const QRect& area, const QSize& size, const QScreen& screen) {
    const qreal ratio = screen.devicePixelRatio();
    auto place = [ratio](int origin, int end, int length) {
        const int deviceEnd = int(std::floor((end - origin) * ratio + 1e-6));
        int start = end - length - origin;
        while (qRound(start * ratio) + qRound(length * ratio) > deviceEnd) --start;
        return origin + start;
    };
    const QPoint origin = screen.geometry().topLeft();
    return {place(origin.x(), area.x() + area.width(), size.width()),
            place(origin.y(), area.y() + area.height(), size.height())};
}

// A notification whose name is the news it shows, so that a screen reader reads them out.
QAccessibleInterface* PopupAccessible(TfmPopup* popup) {
    return new RoleAccessible(popup, QAccessible::Notification,
                              [popup] { return popup->mNews()->toPlainText(); });
}

}  // namespace

TfmPopup::TfmPopup(QWidget* parent, Millis showTime, Millis fadeTime)
    : QWidget(parent, PopupFlags()),
      fade_(this, "windowOpacity"),
      tuneFile_(QCoreApplication::applicationDirPath() + "/message.mid"),
      player_(std::make_unique<TunePlayer>()) {
    InstallAccessible(&PopupAccessible);
    setObjectName("fmPopup");
    setWindowTitle(vendor::kTitle);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QFont("Tahoma", 8));
    setFixedSize(177, 167);
    SetNewsBackground(this);
    news_ = new QPlainTextEdit(this);
    news_->setObjectName("mNews");
    news_->setReadOnly(true);
    news_->setFrameShape(QFrame::NoFrame);
    news_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    news_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    news_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetNewsBackground(news_);
    news_->viewport()->installEventFilter(this);
    connect(news_, &QPlainTextEdit::textChanged, this, [this] { ShowPopup(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(news_);

    // Enabled from creation, so that it also ticks once after start-up.
    timer1_.setInterval(showTime);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    timer1_.start();

    fade_.setDuration(int(fadeTime.count()));
    fade_.setStartValue(1.0);
    fade_.setEndValue(0.0);
    connect(&fade_, &QPropertyAnimation::finished, this, [this] {
        hide();
        setWindowOpacity(1.0);
    });
}

TfmPopup::~TfmPopup() = default;

void TfmPopup::SetTunePlayer(std::unique_ptr<TunePlayer> player) { player_ = std::move(player); }

void TfmPopup::ClearNews() { news_->clear(); }

void TfmPopup::AddNewsLine(const std::string& line) { news_->appendPlainText(FromWire(line)); }

void TfmPopup::ShowPopup() {
    // A popup on its way out counts as gone: the new text gets a popup of its own.
    if (!IsInTray || !IsInTray() || (isVisible() && !Fading())) return;
    StopFade();
    PlayTune();
    PlaceInCorner();
    show();
    raise();
    Announce();
    // A timer already counting keeps its count.
    if (!timer1_.isActive()) timer1_.start();
}

// Showing the window tells assistive technology it appeared; the alert asks it to read it out.
void TfmPopup::Announce() {
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TfmPopup::PlayTune() {
    if (!player_ || !QFileInfo::exists(tuneFile_)) return;
    try {
        player_->Play(tuneFile_.toStdString());
    } catch (const MediaError& e) {
        // The popup shows all the same; the user hears once why there is no tune.
        if (mediaErrorReported_) return;
        mediaErrorReported_ = true;
        if (ReportMediaError) ReportMediaError(QString::fromUtf8(e.what()));
    }
}

void TfmPopup::PlaceInCorner() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    if (windowFlags() & Qt::X11BypassWindowManagerHint) {
        // Nothing keeps an unmanaged window off the compositor's panels: the work area, which is
        // the screen when the window manager gives none.
        move(CornerOf(screen->availableGeometry(), size(), *screen));
        return;
    }
    // The full screen, not the work area: the popup may cover a panel at the bottom.
    move(CornerOf(screen->geometry().adjusted(0, 0, 0, -kBottomGap), size(), *screen));
}

void TfmPopup::Timer1Timer() {
    if (isVisible()) FormClose();
    timer1_.stop();
}

void TfmPopup::mNewsDblClick() {
    FormClose();
    timer1_.stop();
    if (ShowMainWindow) ShowMainWindow();
}

void TfmPopup::FormClose() {
    if (!isVisible() || Fading()) return;
    fade_.start();
}

void TfmPopup::StopFade() {
    if (!Fading()) return;
    fade_.stop();
    setWindowOpacity(1.0);
}

void TfmPopup::closeEvent(QCloseEvent* event) {
    // Every close fades out first.
    event->ignore();
    FormClose();
}

bool TfmPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == news_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        mNewsDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace plivant
