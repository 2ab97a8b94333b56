#include "skin/windows/TSkinWindow.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSizeGrip>
#include <QWhatsThis>

#include "skin/controls/SkinnerRegistry.h"
#include "skin/values/SkinMarks.h"
#include "skin/values/SkinValues.h"
#include "skin/windows/FormActivity.h"
#include "skin/windows/FrameMouse.h"
#include "skin/windows/WindowEngine.h"

namespace skin {
namespace {

template <typename Action>
void Later(QWidget* window, Action action) {
    QMetaObject::invokeMethod(window, action, Qt::QueuedConnection);
}

bool IsMaximizedOrMinimized(const QWidget* window) {
    return window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized);
}

}  // namespace

QColor InactiveCaptionColor(const QPalette& palette) {
    return palette.color(QPalette::Disabled, QPalette::WindowText);
}

TSkinWindow::TSkinWindow(QWidget* window, bool skinnedOnActivation, WindowEngine& engine)
    : engine_(engine),
      skin_(engine.Skin()),
      window_(window),
      look_(window),
      colours_(window),
      controls_(*this, SkinnerRegistry::Instance()),
      painter_(skin_),
      mouse_(std::make_unique<FrameMouse>(*this)),
      skinnedOnActivation_(skinnedOnActivation),
      skinEnabled_(!skin_.HasDisabledTag(window)),
      skinned_(skin_.Active() && skinEnabled_) {}

TSkinWindow::~TSkinWindow() = default;

void TSkinWindow::Start() {
    Attach();
    controls_.SkinChildren(window_);
    SetSkinned(skin_.Active());
}

// Only a window that was initialized ever wore the skin, so only its skin comes off; the skinners
// of any window go.
void TSkinWindow::Shutdown() {
    if (Destroying()) return;
    const bool initialized = stage_ == Lifecycle::Initialized;
    stage_ = Lifecycle::Ending;
    skinned_ = false;
    if (initialized) ApplySkinState();
    controls_.UnskinChildren();
    Detach();
    stage_ = Lifecycle::Detached;
}

void TSkinWindow::Attach() {
    if (!window_ || stage_ != Lifecycle::Created) return;
    stage_ = Lifecycle::Attached;
    window_->installEventFilter(this);
    SetSkinnedMark(window_, true);
    active_ = window_->isActiveWindow();
}

void TSkinWindow::Detach() {
    mouse_->Watch(nullptr);
    if (!window_) return;
    window_->removeEventFilter(this);
    if (!windowGoing_) SetSkinnedMark(window_, false);  // no events to a form being destroyed
}

bool TSkinWindow::LookOn() const {
    return window_ && stage_ == Lifecycle::Initialized && skinned_ && skin_.IsSkinning();
}

bool TSkinWindow::IsFormActive(const QWidget* control) const {
    return skin::IsFormActive(engine_, control);
}

void TSkinWindow::SetSkinned(bool on) {
    skinned_ = on && skinEnabled_;
    if (stage_ == Lifecycle::Initialized) {
        ApplySkinState();
        if (LookOn()) ApplyRegion();
    } else if (stage_ == Lifecycle::Attached && window_ &&
               (window_->isVisible() || InitWhenHidden())) {
        Initialize();
    }
}

void TSkinWindow::Initialize() {
    SaveOriginalFrame();
    stage_ = Lifecycle::Initialized;
    SetSkinned(skinned_);
}

void TSkinWindow::SkinChanged() {
    if (LookOn()) {
        PaintFrame();
        ApplyRegion();
    }
}

int TSkinWindow::EffectiveTitleHeight() const {
    return hasTitle_ && LookOn() ? skin_.Metrics().TitleHeight : 0;
}

void TSkinWindow::SetHasTitle(bool on) {
    if (hasTitle_ == on) return;
    hasTitle_ = on;
    Refit();
}

void TSkinWindow::SetHasBorders(bool on) {
    if (hasBorders_ == on) return;
    hasBorders_ = on;
    Refit();
}

// The frame's size changed: the margins follow.
void TSkinWindow::Refit() {
    if (!look_.IsOn()) return;
    TakeFrameOff();
    PutFrameOn();
}

bool TSkinWindow::IsResizable() const {
    return window_ && window_->minimumSize() != window_->maximumSize();
}

bool TSkinWindow::CloseButtonShown() const { return LookOn() && hasTitle_ && HasCloseButton(); }
bool TSkinWindow::MaxButtonShown() const { return LookOn() && hasTitle_ && HasMaxButton(); }
bool TSkinWindow::MinButtonShown() const { return LookOn() && hasTitle_ && HasMinButton(); }

void TSkinWindow::SetHotButton(int element) {
    if (hotButton_ == element) return;
    hotButton_ = element;
    PaintFrame();
}

void TSkinWindow::SetButtonPressed(bool pressed) {
    if (buttonPressed_ == pressed) return;
    buttonPressed_ = pressed;
    PaintFrame();
}

FrameGeometry TSkinWindow::Geometry() const {
    FrameTraits traits;
    traits.HasTitle = hasTitle_;
    traits.HasBorders = hasBorders_;
    traits.SystemIcon = HasSystemIcon();
    traits.Close = HasCloseButton();
    traits.Maximize = HasMaxButton();
    traits.Minimize = HasMinButton();
    traits.Help = HasHelpButton();
    traits.Resizable = IsResizable();
    traits.Maximized = window_ && window_->isMaximized();
    return FrameGeometry(skin_.Metrics(), skin_.Pieces(), window_ ? window_->size() : QSize(),
                         traits);
}

TitleState TSkinWindow::CurrentTitleState() const {
    TitleState state;
    state.Hot = hotButton_;
    state.Pressed = buttonPressed_;
    if (!window_) return state;
    state.Text = window_->windowTitle().remove(QStringLiteral("[*]"));
    state.TextColor = active_ ? ToQColor(skin_.Metrics().TitleFontColor)
                              : InactiveCaptionColor(window_->palette());
    state.Icon = window_->windowIcon();
    return state;
}

void TSkinWindow::PaintFrame() {
    if (!LookOn()) return;
    window_->update(QRegion(window_->rect()) - window_->contentsRect());
}

// A hidden window gets its shape when it is shown. A skin without a shape gives the window its
// rectangle, which on a scaled screen matters: a window manager may make the window a device pixel
// larger than Qt paints it, and that pixel is left out rather than shown unpainted.
void TSkinWindow::ApplyRegion() {
    if (!LookOn() || !NeedsRegion() || !window_->isVisible()) return;
    const FramePieces& pieces = skin_.Pieces();
    const bool shaped = pieces.TitleNeedsRegion || pieces.BottomNeedsRegion;
    if (!shaped && window_->devicePixelRatio() == 1) {
        window_->clearMask();
        return;
    }
    const QRegion shape =
        shaped ? painter_.Shape(Geometry(), CurrentTitleState()) : QRegion(window_->rect());
    if (window_->mask() != shape) window_->setMask(shape);
}

void TSkinWindow::PutFrameOn() {
    if (!window_) return;
    const bool frameless = hasTitle_ || hasBorders_;
    look_.PutOn(Geometry().Margins(), frameless);
    colours_.SetColor(QPalette::Window, ToQColor(skin_.Metrics().FormColor));
    mouse_->Watch(window_->windowHandle());
    if (hasTitle_ && !menuKey_) {
        menuKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window_);
        connect(menuKey_, &QShortcut::activated, this, [this] { ShowSystemMenu(); });
    }
    window_->update();
}

void TSkinWindow::TakeFrameOff() {
    mouse_->Reset();
    delete menuKey_;
    hotButton_ = caption::kNone;
    buttonPressed_ = false;
    colours_.Restore();
    look_.TakeOff();
    if (window_) window_->update();
}

void TSkinWindow::Close() {
    if (QWidget* w = window_) Later(w, [w] { w->close(); });
}

void TSkinWindow::Minimize() {
    if (QWidget* w = window_) Later(w, [w] { w->showMinimized(); });
}

void TSkinWindow::MaximizeOrRestore() {
    QWidget* w = window_;
    if (!w) return;
    if (IsMaximizedOrMinimized(w)) {
        Later(w, [w] { w->showNormal(); });
    } else if (MaxButtonShown()) {
        Later(w, [w] { w->showMaximized(); });
    }
}

void TSkinWindow::Help() { QWhatsThis::enterWhatsThisMode(); }

void TSkinWindow::ShowSystemMenu() {
    if (!window_) return;
    const QMargins margins = Geometry().Margins();
    QPoint at = window_->mapToGlobal(QPoint(margins.left(), margins.top()));
    at.setX(std::max(at.x(), 0));
    ShowSystemMenuAt(at);
}

void TSkinWindow::ShowSystemMenuAt(const QPoint& global) {
    engine_.SetSysMenuOwner(this);
    if (QMenu* menu = engine_.SystemMenu()) menu->popup(global);
}

bool TSkinWindow::BeforeDefault(QEvent*) { return true; }

void TSkinWindow::AfterDefault(QEvent*) {}

bool TSkinWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    const QEvent::Type type = event->type();
    if (stage_ == Lifecycle::Attached && !InitWhenHidden() &&
        (type == QEvent::Paint || type == QEvent::Show)) {
        Initialize();
    }
    if (!LookOn()) return false;
    if (!BeforeDefault(event)) return true;
    switch (type) {
        case QEvent::Paint:
            return PaintAfterDefault(event);
        case QEvent::ActivationChange:
            active_ = window_->isActiveWindow();
            PaintFrame();
            break;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
            PaintFrame();
            ApplyRegion();
            break;
        case QEvent::Resize:
            ApplyRegion();
            break;
        case QEvent::ScreenChangeInternal:
            // The window system got the shape in the old screen's pixels: it gets it anew.
            window_->clearMask();
            ApplyRegion();
            break;
        case QEvent::WindowStateChange:
            PaintFrame();
            break;
        case QEvent::Show:
            mouse_->Watch(window_->windowHandle());
            ApplyRegion();
            look_.HideSizeGrips();
            break;
        case QEvent::ChildPolished:
            // A grip is polished before it is shown: it is hidden once it is.
            if (qobject_cast<QSizeGrip*>(static_cast<QChildEvent*>(event)->child())) {
                QMetaObject::invokeMethod(
                    this, [this] { look_.HideSizeGrips(); }, Qt::QueuedConnection);
            }
            break;
        default:
            break;
    }
    AfterDefault(event);
    return false;
}

// The window paints itself first; the frame goes on top, in the margins.
bool TSkinWindow::PaintAfterDefault(QEvent* event) {
    QPointer<TSkinWindow> self(this);
    QPointer<QWidget> window(window_);
    static_cast<QObject*>(window.data())->event(event);
    if (!self || !window || !LookOn()) return true;
    QPainter painter(window);
    painter_.Paint(painter, Geometry(), CurrentTitleState());
    return true;
}

}  // namespace skin
