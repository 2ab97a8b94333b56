#include "skin/controls/TSkinControl.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin/controls/ButtonEvents.h"
#include "skin/controls/ControlColours.h"
#include "skin/controls/SkinnerHost.h"
#include "skin/draw/Blit.h"
#include "skin/values/SkinMarks.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

// Held keys repeat: only the first press and the last release change the state.
bool IsPressKey(const QEvent* event) { return !IsAutoRepeat(event) && IsClickKey(event); }

}  // namespace

TSkinControl::TSkinControl(QWidget* control, SkinnerHost& window)
    : control_(control), window_(window), skin_(window.Skin()), look_(control) {}

TSkinControl::~TSkinControl() { Detach(); }

QEvent::Type TSkinControl::RepaintEvent() {
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void TSkinControl::Attach() {
    if (attached_ || !control_) return;
    attached_ = true;
    control_->installEventFilter(this);
    SetSkinnedMark(control_, true);
    Init();
}

void TSkinControl::Detach() {
    if (!attached_) return;
    attached_ = false;
    if (control_) {
        control_->removeEventFilter(this);
        SetSkinnedMark(control_, false);
    }
    look_.Restore();
}

void TSkinControl::Release() { released_ = true; }

QRect TSkinControl::GetRect() const { return control_ ? control_->rect() : QRect(); }

bool TSkinControl::GetEnabled() const { return control_ && control_->isEnabled(); }

void TSkinControl::InheritParentColor() { look_.InheritColor(QPalette::Window); }

bool TSkinControl::BeforeMessage(QEvent*) { return true; }

// Everything goes straight to the control while the engine does not skin or the control carries
// the engine's DisabledTag.
bool TSkinControl::Passes() const { return !skin_.IsSkinning() || skin_.HasDisabledTag(control_); }

// The events the dispatcher answers; the control's handler runs for them inside the filter so
// that the dispatcher sees its result. Others take Qt's ordinary path, so that event filters
// installed on the control before this one still see them.
bool TSkinControl::RunsAfterDefault(QEvent::Type type) const {
    switch (type) {
        case QEvent::Paint:
        case QEvent::EnabledChange:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return type == RepaintEvent();
    }
}

bool TSkinControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_ || Passes()) return false;
    if (!RunsAfterDefault(event->type())) return !BeforeMessage(event);
    if (!BeforeMessage(event)) return true;
    QPointer<TSkinControl> self(this);
    QPointer<QWidget> control(control_);
    // Qt still hands an event the control left unaccepted on to its parent.
    static_cast<QObject*>(control.data())->event(event);
    if (self && control && !released_) AfterMessage(event);
    return true;
}

void TSkinControl::SetState(int flag, bool on) { state_ = on ? (state_ | flag) : (state_ & ~flag); }

void TSkinControl::Repaint() {
    if (control_ && Skin().IsSkinning()) control_->update();
}

void TSkinControl::AfterMessage(QEvent* event) {
    switch (event->type()) {
        case QEvent::Paint:
            if (Skin().IsSkinning()) Paint();
            break;
        case QEvent::Enter:
            SetState(kHot, true);
            Repaint();
            MouseEnter();
            break;
        case QEvent::Leave:
            SetState(kHot | kPressed, false);
            Repaint();
            MouseLeave();
            break;
        case QEvent::MouseButtonPress:
            if (!IsLeftButton(event)) break;
            SetState(kPressed, true);
            Repaint();
            MouseDown();
            break;
        case QEvent::MouseButtonRelease:
            if (!IsLeftButton(event)) break;
            SetState(kPressed, false);
            Repaint();
            MouseUp();
            break;
        case QEvent::KeyPress:
            if (IsPressKey(event)) SetState(kPressed, true);
            Repaint();
            KeyDown(static_cast<QKeyEvent*>(event)->key());
            break;
        case QEvent::KeyRelease:
            if (IsPressKey(event)) SetState(kPressed, false);
            Repaint();
            KeyUp(static_cast<QKeyEvent*>(event)->key());
            break;
        default:
            Repaint();  // enabling and the repaint request
    }
}

void TSkinControl::PaintBitmapText(QPainter& painter, const QImage& picture, const QString& text,
                                   QRect rect, const QFont* font, const QColor& colour) {
    const QRect area = GetRect();
    CopyRect(painter, area, picture, area);
    if (text.isEmpty()) return;
    painter.save();
    if (font) painter.setFont(*font);
    painter.setPen(GetEnabled() ? colour : ToQColor(kDisabledText));
    if (Pressed()) rect.translate(1, 1);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
    painter.restore();
}

void TSkinControl::DrawBitmapAt(QPainter& painter, const Bitmap& bitmap, const QPoint& at) {
    DrawBitmap(painter, at, bitmap);
}

}  // namespace skin
