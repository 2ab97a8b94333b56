#include "skin/windows/MdiMinimizedTitle.h"

#include <QPainter>

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Text.h"
#include "skin/engine/TSkinEngine.h"
#include "skin/windows/TitleComposer.h"

namespace skin {

QSize MdiMinimizedTitleSize(const TSkinEngine& engine, int width) {
    const Bitmap* picture = engine.GetSkinBitmap(bitmaps::MinimizedTitle);
    if (picture && !picture->IsEmpty()) return picture->Size();
    return QSize(width, engine.Metrics().TitleHeight);
}

QImage ComposeMdiMinimizedTitle(const TSkinEngine& engine, const FrameGeometry& geometry,
                                const TitleState& state) {
    QImage title(geometry.Window(), QImage::Format_RGB32);
    if (title.isNull()) return title;
    title.fill(ToQColor(engine.Metrics().FormColor));
    QPainter painter(&title);
    if (const Bitmap* picture = engine.GetSkinBitmap(bitmaps::MinimizedTitle)) {
        StretchBitmap(*picture, painter, title.rect());
    }
    const QString caption =
        EllipsisText(engine.CaptionMetrics(), state.Text, geometry.TextMaxWidth());
    DrawTitleDecorations(painter, engine, geometry, state, caption);
    return title;
}

}  // namespace skin
