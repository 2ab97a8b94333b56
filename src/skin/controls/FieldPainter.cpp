#include "skin/controls/FieldPainter.h"

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Arrows.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

void PaintHalf(QPainter& painter, const SkinValues& skin, const QRect& half, bool held) {
    FillRectColor(painter, half,
                  held ? skin.GetSkinColor(colors::ToolBarDownColor) : skin.Metrics().FormColor);
    FrameRectColor(painter, half, skin.GetSkinColor(colors::ToolBarBorderColor));
}

}  // namespace

void PaintFieldFrame(QPainter& painter, const SkinValues& skin, const QRect& rect,
                     const QColor& face) {
    FrameRectColor(painter, rect, skin.GetSkinColor(colors::ControlBorderColor));
    FrameRectColor(painter, rect.adjusted(1, 1, -1, -1), FromQColor(face));
}

void PaintComboButton(QPainter& painter, const SkinValues& skin, const QRect& button, bool enabled,
                      bool rightToLeft) {
    if (button.isEmpty()) return;
    FillRectColor(painter, button, skin.GetSkinColor(colors::ControlColor));
    const int x = rightToLeft ? RightOf(button) - 1 : button.left();
    FillRectColor(painter, RectLTRB(x, button.top() - 1, x + 1, BottomOf(button) + 1),
                  skin.GetSkinColor(colors::ControlBorderColor));
    DrawArrowDown(painter, button.left() + button.width() / 2 - 3,
                  button.top() + button.height() / 2 - 2, enabled);
}

void PaintUpDown(QPainter& painter, const SkinValues& skin, const QRect& first, const QRect& second,
                 bool vertical, HeldPart held, bool enabled) {
    const bool firstHeld = held == HeldPart::First;
    const bool secondHeld = held == HeldPart::Second;
    PaintHalf(painter, skin, first, firstHeld);
    PaintHalf(painter, skin, second, secondHeld);
    const int a = firstHeld ? 1 : 0;
    const int b = secondHeld ? 1 : 0;
    if (vertical) {
        DrawArrowUp(painter, first.left() + (first.width() - 6) / 2 + 3 + a,
                    first.top() + (first.height() - 6) / 2 + 1 + a, enabled);
        DrawArrowDown(painter, second.left() + (second.width() - 6) / 2 + b,
                      second.top() + (second.height() - 6) / 2 + 1 + b, enabled);
    } else {
        DrawArrowLeft(painter, first.left() + (first.width() - 3) / 2 + a,
                      first.top() + first.height() / 2 + a, enabled);
        DrawArrowRight(painter, second.left() + (second.width() - 3) / 2 + b,
                       second.top() + (second.height() - 6) / 2 + b, enabled);
    }
}

}  // namespace skin
