#include "skin/windows/MdiMinimizedTitle.h"

#include <QPainter>

#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Blit.h"
#include "skin/draw/Text.h"
#include "skin/values/SkinValues.h"
#include "skin/windows/TitleComposer.h"

namespace skin {

QSize MdiMinimizedTitleSize(const SkinValues& skin, int width) {
    const Bitmap* picture = skin.GetSkinBitmap(bitmaps::MinimizedTitle);
    if (picture && !picture->IsEmpty()) return picture->Size();
    return QSize(width, skin.Metrics().TitleHeight);
}

QImage ComposeMdiMinimizedTitle(const SkinValues& skin, const FrameGeometry& geometry,
                                const TitleState& state) {
    QImage title(geometry.Window(), QImage::Format_RGB32);
    if (title.isNull()) return title;
    title.fill(ToQColor(skin.Metrics().FormColor));
    QPainter painter(&title);
    if (const Bitmap* picture = skin.GetSkinBitmap(bitmaps::MinimizedTitle)) {
        StretchBitmap(*picture, painter, title.rect());
    }
    const QString caption =
        EllipsisText(skin.CaptionMetrics(), state.Text, geometry.TextMaxWidth());
    DrawTitleDecorations(painter, skin, geometry, state, caption);
    return title;
}

}  // namespace skin
