#include "skin/controls/TSkinTrackBar.h"

#include "skin/controls/TrackBarStyle.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/BitmapOps.h"
#include "skin/values/SkinValues.h"

namespace skin {

std::unique_ptr<QStyle> TSkinTrackBar::MakeStyle(QStyle* base) {
    return std::make_unique<TrackBarStyle>(*this, base);
}

void TSkinTrackBar::ApplySkin() {
    channel_ = verticalChannel_ = Bitmap();
    QWidget* slider = Control();
    if (!slider) return;
    const bool skinning = Skin().IsSkinning();
    if (const Bitmap* channel = skinning ? Skin().GetSkinBitmap(bitmaps::TrackBar) : nullptr) {
        channel_ = *channel;
        verticalChannel_ = RotatedLeft(*channel);
    }
    TSkinStyledControl::ApplySkin();
    if (skinning) slider->update();
}

void TSkinTrackBar::Release() {
    channel_ = verticalChannel_ = Bitmap();
    TSkinStyledControl::Release();
}

const Bitmap& TSkinTrackBar::Channel(Qt::Orientation orientation) const {
    return orientation == Qt::Vertical ? verticalChannel_ : channel_;
}

const Bitmap* TSkinTrackBar::Thumb(Qt::Orientation orientation) const {
    return Skin().GetSkinBitmap(orientation == Qt::Vertical ? bitmaps::TrackBarVSlider
                                                            : bitmaps::TrackBarSlider);
}

}  // namespace skin
