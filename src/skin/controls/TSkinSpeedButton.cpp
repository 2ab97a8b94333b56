#include "skin/controls/TSkinSpeedButton.h"

#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include "skin/controls/BitmapButtonLayout.h"
#include "skin/controls/ButtonEvents.h"
#include "skin/controls/ButtonPainting.h"
#include "skin/controls/ControlColours.h"
#include "skin/controls/ToolBarButtonLook.h"
#include "skin/controls/ToolButtonParts.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/values/SkinMarks.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

ToolButtonState StateOf(const QToolButton& button, bool hot) {
    return {hot && button.isEnabled(), button.isDown(), button.isChecked()};
}

}  // namespace

TSkinSpeedButton::TSkinSpeedButton(QToolButton* button, SkinnerHost& window)
    : TSkinControl(button, window) {}

QToolButton* TSkinSpeedButton::Button() const { return static_cast<QToolButton*>(Control()); }

bool TSkinSpeedButton::KeepsOwnPainting() const { return TagOf(Control()) == kOwnPaintingTag; }

bool TSkinSpeedButton::OnSkinnedToolBar() const {
    const QWidget* control = Control();
    return control && qobject_cast<const QToolBar*>(control->parentWidget()) &&
           IsSkinned(control->parentWidget());
}

bool TSkinSpeedButton::PaintsWhole() const {
    if (KeepsOwnPainting()) return false;
    if (!OnSkinnedToolBar()) return true;
    return ToolBarButtonLook::Draws(StateOf(*Button(), Hot()));
}

bool TSkinSpeedButton::BeforeMessage(QEvent* event) {
    switch (event->type()) {
        case QEvent::Paint:
            if (!PaintsWhole()) return true;
            Paint();
            return false;
        case QEvent::MouseButtonDblClick:
            if (IsLeftButton(event) && !Released()) {
                QMouseEvent press = PressOf(*static_cast<QMouseEvent*>(event));
                AfterMessage(&press);
            }
            return true;
        case QEvent::MouseMove:
            FollowHeldMouse(*this, *static_cast<QMouseEvent*>(event));
            return true;
        default:
            return true;
    }
}

void TSkinSpeedButton::Paint() {
    QToolButton* button = Button();
    if (!button || !button->isVisible()) return;
    QPainter painter(button);
    if (KeepsOwnPainting()) {
        const ColorRef face = FromQColor(button->palette().color(QPalette::Button));
        DrawFlatFrame(painter, button->size(), face,
                      SkinColourRef(Skin(), colors::ControlBorderColor, kDisabledText));
    } else if (!OnSkinnedToolBar()) {
        PaintAlone(painter, *button);
    } else if (const ToolButtonState state = StateOf(*button, Hot());
               ToolBarButtonLook::Draws(state)) {
        ToolBarButtonLook(Skin()).DrawToolButton(painter, *button, state);
    }
}

void TSkinSpeedButton::PaintAlone(QPainter& painter, const QToolButton& button) const {
    const QRect r = button.rect();
    const bool enabled = button.isEnabled();
    const ColorRef border = SkinColourRef(Skin(), colors::ToolBarBorderColor, 0);
    if ((Pressed() && enabled) || button.isChecked()) {
        FillRectColor(painter, r, SkinColourRef(Skin(), colors::ToolBarDownColor, kDisabledText));
        FrameRectColor(painter, r, border);
    } else if (Hot() && enabled) {
        FillRectColor(painter, r, SkinColourRef(Skin(), colors::ToolBarOnColor, 0x00FFFFFF));
        FrameRectColor(painter, r, border);
    } else {
        FillRectColor(painter, r, FromQColor(FormColour(Skin(), &button)));
    }
    const int faceRight = DropDownPartLeft(button);
    PaintGlyphAndCaption(painter, button, faceRight);
    if (HasDropDownPart(button)) DrawDropDownMark(painter, r, faceRight, ToQColor(border));
}

void TSkinSpeedButton::PaintGlyphAndCaption(QPainter& painter, const QToolButton& button,
                                            int faceRight) const {
    const bool showGlyph = ShowsImage(button);
    const QString caption = ShowsCaption(button) ? button.text() : QString();
    ButtonLayoutInput input;
    input.Client = RectLTRB(0, 0, faceRight, button.height());
    input.Glyph = showGlyph ? GlyphSize(button.icon(), button.iconSize()) : QSize();
    input.Text = CaptionSize(button.fontMetrics(), caption);
    input.Layout =
        ShownStyle(button) == Qt::ToolButtonTextUnderIcon ? GlyphLayout::Top : GlyphLayout::Left;
    input.RightToLeft = button.layoutDirection() == Qt::RightToLeft;
    const ButtonLayout layout = LayOutBitmapButton(input);
    const QPoint shift = Pressed() ? QPoint(1, 1) : QPoint();
    if (showGlyph) {
        DrawGlyph(painter, layout.GlyphAt + shift,
                  GlyphPixmap(button.icon(), button.iconSize(), GlyphMode(button.isEnabled()),
                              IconState(button)));
    }
    if (caption.isEmpty()) return;
    painter.save();
    painter.setFont(button.font());
    painter.setPen(button.isEnabled()
                       ? button.palette().color(QPalette::Active, QPalette::ButtonText)
                       : ToQColor(kDisabledText));
    painter.drawText(layout.TextRect.translated(shift),
                     Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
    painter.restore();
}

}  // namespace skin
