#include "skin/controls/ToolBarButtonLook.h"

#include <QPainter>
#include <QToolButton>

#include "skin/controls/ButtonPainting.h"
#include "skin/controls/ControlColours.h"
#include "skin/controls/ToolButtonParts.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/Text.h"

namespace skin {
namespace {

// Offsets of image and caption from the button's edges, as the tool bar places them.
constexpr int kImageLeft = 5;
constexpr int kImageTop = 3;
constexpr int kCaptionBesideImage = 7;
constexpr int kCaptionBelowImage = 4;

}  // namespace

void ToolBarButtonLook::DrawToolButton(QPainter& painter, const QToolButton& button,
                                       const ToolButtonState& state) const {
    if (state.Hot) {
        DrawLook(painter, button, state.Selected ? Kind::Down : Kind::Hot);
        if (HasDropDownPart(button)) {
            DrawDropDownMark(painter, button.rect(), DropDownPartLeft(button),
                             SkinColour(skin_, colors::ToolBarBorderColor, Qt::black));
        }
    } else if (state.Selected || state.Checked) {
        DrawLook(painter, button, Kind::Hot);
    }
}

void ToolBarButtonLook::DrawLook(QPainter& painter, const QToolButton& button, Kind kind) const {
    const QRect r = button.rect();
    const int fill = kind == Kind::Down ? colors::ToolBarDownColor : colors::ToolBarOnColor;
    const QPalette& palette = button.palette();
    FillRectColor(painter, r, FromQColor(SkinColour(skin_, fill, palette.color(QPalette::Button))));
    FrameRectColor(painter, r,
                   FromQColor(SkinColour(skin_, colors::ToolBarBorderColor, Qt::black)));
    const int faceRight = DropDownPartLeft(button);
    const bool list = ShownStyle(button) == Qt::ToolButtonTextBesideIcon;
    const QSize image = DrawImage(painter, button, faceRight, list);
    DrawCaption(painter, button, kind, faceRight, list, image);
}

QSize ToolBarButtonLook::DrawImage(QPainter& painter, const QToolButton& button, int faceRight,
                                   bool list) const {
    if (!ShowsImage(button)) return {};
    // The tool bar's hot images, which an icon gives as its active mode.
    const QIcon::Mode mode = button.isEnabled() ? QIcon::Active : QIcon::Disabled;
    const QPixmap image = GlyphPixmap(button.icon(), button.iconSize(), mode, IconState(button));
    const QSize size = image.deviceIndependentSize().toSize();
    const QRect r = button.rect();
    const int x = list ? r.x() + kImageLeft : r.x() + (faceRight - r.x() - size.width()) / 2;
    DrawGlyph(painter, QPoint(x, r.y() + kImageTop), image);
    return size;
}

void ToolBarButtonLook::DrawCaption(QPainter& painter, const QToolButton& button, Kind kind,
                                    int faceRight, bool list, const QSize& image) const {
    if (!ShowsCaption(button)) return;
    const QRect r = button.rect();
    const QString caption = button.text();
    const bool down = kind == Kind::Down;
    const bool hasImage = !image.isEmpty();
    QPoint at;
    if (list) {
        at = hasImage ? QPoint(r.x() + image.width() + kCaptionBesideImage,
                               r.y() + (image.height() - 16) / 2 + 4)
                      : QPoint(r.x() + (down ? 8 : 5), r.y() + (down ? 3 : 4));
    } else {
        const int width = button.fontMetrics().horizontalAdvance(StripAmpersands(caption));
        const int y =
            hasImage ? r.y() + image.height() + kCaptionBelowImage : r.y() + (down ? 5 : 4);
        at = QPoint(r.x() + (faceRight - r.x() - width) / 2, y);
    }
    const QPalette::ColorGroup group = button.isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.save();
    painter.setFont(button.font());
    painter.setPen(button.palette().color(group, QPalette::ButtonText));
    painter.drawText(RectLTRB(at.x(), at.y(), RightOf(r), BottomOf(r)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
    painter.restore();
}

}  // namespace skin
