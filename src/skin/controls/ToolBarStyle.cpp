#include "skin/controls/ToolBarStyle.h"

#include <QPainter>
#include <QStyleOption>

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Fills.h"
#include "skin/values/SkinValues.h"

namespace skin {

const QImage& ToolBarStyle::Stretched(const QImage& picture, const QSize& size) const {
    const int generation = skin_.SkinGeneration();
    if (kept_.Generation != generation || kept_.Picture != picture.cacheKey() ||
        kept_.Size != size) {
        kept_ = {generation, picture.cacheKey(), size, StretchedImage(picture, size)};
    }
    return kept_.Image;
}

bool ToolBarStyle::DrawToolBarBackground(QPainter& painter, const QRect& rect) const {
    if (const Bitmap* picture = skin_.GetSkinBitmap(bitmaps::ToolBar);
        picture && !picture->IsEmpty()) {
        if (rect.width() > 0 && rect.height() > 0) {
            ExactPainting exact(painter);
            painter.drawImage(rect.topLeft(), Stretched(picture->Image(), rect.size()));
        }
        return true;
    }
    const ColorRef start = skin_.GetSkinColor(colors::ToolBarStartColor);
    const ColorRef end = skin_.GetSkinColor(colors::ToolBarEndColor);
    if (start < 0) return false;
    if (end >= 0 && start != end) {
        FillGradient(painter, rect, start, end);
    } else {
        FillRectColor(painter, rect, start);
    }
    return true;
}

void ToolBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == CE_ToolBar && option && painter &&
        DrawToolBarBackground(*painter, option->rect)) {
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ToolBarStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelToolBar && option && painter &&
        DrawToolBarBackground(*painter, option->rect)) {
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace skin
