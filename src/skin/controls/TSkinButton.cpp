#include "skin/controls/TSkinButton.h"

#include <QPainter>
#include <QPushButton>

#include "skin/controls/BitmapButtonLayout.h"
#include "skin/controls/ButtonEvents.h"
#include "skin/controls/ButtonPainting.h"
#include "skin/controls/ControlColours.h"
#include "skin/controls/SkinnerHost.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/CornerStretched.h"
#include "skin/draw/FocusRect.h"
#include "skin/values/ElementFrames.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

constexpr int kFocusInset = 5;

bool IsInput(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::KeyPress || type == QEvent::KeyRelease;
}

}  // namespace

TSkinButton::TSkinButton(QPushButton* button, SkinnerHost& window) : TSkinControl(button, window) {}

QPushButton* TSkinButton::Button() const { return static_cast<QPushButton*>(Control()); }

void TSkinButton::Init() {
    mouseDownArmed_ = false;
    keyDownArmed_ = false;
}

void TSkinButton::ApplySkin() {
    if (!Skin().IsSkinning()) {
        Look().Restore();
        return;
    }
    const ColorRef font = Skin().GetSkinColor(colors::ButtonFontColor);
    if (font >= 0) Look().SetColor(QPalette::ButtonText, ToQColor(font));
}

bool TSkinButton::BeforeMessage(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return BeforeMouse(event);
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return BeforeKey(event);
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            Repaint();  // the focus rectangle; the button's own handling keeps dialog defaults
            return true;
        case QEvent::Paint:
            Paint();
            return false;
        default:
            return true;
    }
}

bool TSkinButton::BeforeMouse(QEvent* event) {
    if (!GetEnabled()) return true;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseMove) {
        FollowHeldMouse(*this, *mouse);
        return true;
    }
    if (!IsLeftButton(event)) return true;
    if (event->type() == QEvent::MouseButtonDblClick) {
        QMouseEvent press = PressOf(*mouse);
        return Dispatch(&press);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        releaseInside_ = Control()->rect().contains(mouse->position().toPoint());
    }
    return Dispatch(event);
}

bool TSkinButton::BeforeKey(QEvent* event) {
    if (!GetEnabled() || !IsClickKey(event)) return true;
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && IsAutoRepeat(event)) return false;  // the key is still held
    if (press && IsEnterKey(event)) {
        keyDownArmed_ = true;
        Repaint();
        Click();
        return false;
    }
    return Dispatch(event);
}

bool TSkinButton::Dispatch(QEvent* event) {
    if (!Released()) AfterMessage(event);
    return false;
}

// A disabled button takes no input, as the window system sends a disabled control none.
void TSkinButton::AfterMessage(QEvent* event) {
    if (!GetEnabled() && IsInput(event->type())) return;
    TSkinControl::AfterMessage(event);
}

void TSkinButton::MouseDown() {
    QPushButton* button = Button();
    if (!button || !Window().IsFormActive(button)) return;
    if ((button->focusPolicy() & Qt::ClickFocus) && button->isEnabled() && button->isVisible()) {
        button->setFocus(Qt::MouseFocusReason);
    }
    mouseDownArmed_ = true;
}

void TSkinButton::MouseUp() {
    const bool click = mouseDownArmed_ && releaseInside_;
    mouseDownArmed_ = false;
    if (click) Click();
}

void TSkinButton::KeyDown(int) { keyDownArmed_ = true; }

void TSkinButton::KeyUp(int key) {
    const QPushButton* button = Button();
    const bool click = key == Qt::Key_Space && keyDownArmed_ && button && button->hasFocus() &&
                       button->isEnabled() && Skin().IsSkinning();
    keyDownArmed_ = false;
    if (!click) return;
    Repaint();
    Click();
}

void TSkinButton::Click() {
    if (QPushButton* button = Button()) button->click();
}

void TSkinButton::Paint() {
    QPushButton* button = Button();
    if (!button) return;
    QRect textRect;
    const QImage face = Face(*button, textRect);
    const QColor fallback = button->palette().color(QPalette::Active, QPalette::ButtonText);
    const QColor colour = SkinColour(Skin(), colors::ButtonFontColor, fallback);
    const QFont font = button->font();
    QPainter painter(button);
    PaintBitmapText(painter, face, button->text(), textRect, &font, colour);
}

QImage TSkinButton::Face(const QPushButton& button, QRect& textRect) {
    const QRect client = button.rect();
    QImage face(client.size(), QImage::Format_RGB32);
    face.fill(FormColour(Skin(), &button));
    const int frameIndex = Pressed() ? 3 : Hot() ? 2 : 1;
    const Bitmap& frame = Skin().Frames().Frame(bitmaps::Button, 3, frameIndex);
    if (!frame.IsEmpty()) {
        QPainter painter(&face);
        DrawCornerStretched(frame, painter, client, Skin().Metrics().TransColor,
                            Skin().GetSkinBool(flags::ButtonTrans) != 0);
    }
    if (button.hasFocus()) {
        QRect focus = client.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        if (Pressed()) focus.translate(1, 1);
        DrawFocusRect(face, focus);
    }
    QPainter painter(&face);
    textRect = DrawIcon(painter, button);
    return face;
}

// A button with an icon lays icon and caption out side by side; the caption's place comes back.
QRect TSkinButton::DrawIcon(QPainter& painter, const QPushButton& button) const {
    if (button.icon().isNull()) return button.rect();
    ButtonLayoutInput input;
    input.Client = button.rect();
    input.Glyph = GlyphSize(button.icon(), button.iconSize());
    input.Text = CaptionSize(button.fontMetrics(), button.text());
    input.RightToLeft = button.layoutDirection() == Qt::RightToLeft;
    const ButtonLayout layout = LayOutBitmapButton(input);
    const QPoint shift = Pressed() ? QPoint(1, 1) : QPoint();
    DrawGlyph(painter, layout.GlyphAt + shift,
              GlyphPixmap(button.icon(), button.iconSize(), GlyphMode(button.isEnabled())));
    return layout.TextRect;
}

}  // namespace skin
