#include "skin/controls/TSkinTrackBar.h"

#include "skin/controls/TrackBarStyle.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/BitmapOps.h"
#include "skin/engine/TSkinEngine.h"

namespace skin {

TSkinTrackBar::TSkinTrackBar(QWidget* control, TSkinWindow& window)
    : TSkinControl(control, window), style_(std::make_unique<TrackBarStyle>(*this)) {}

// The slider gets its own style back before this one goes.
TSkinTrackBar::~TSkinTrackBar() { Detach(); }

void TSkinTrackBar::ApplySkin() {
    channel_ = verticalChannel_ = Bitmap();
    QWidget* slider = Control();
    if (!slider) return;
    if (!Engine().IsSkinning()) {
        Look().Restore();
        return;
    }
    if (const Bitmap* channel = Engine().GetSkinBitmap(bitmaps::TrackBar)) {
        channel_ = *channel;
        verticalChannel_ = RotatedLeft(*channel);
    }
    if (slider->style() != style_.get()) Look().SetStyle(style_.get());
    slider->update();
}

void TSkinTrackBar::Release() {
    channel_ = verticalChannel_ = Bitmap();
    TSkinControl::Release();
}

const Bitmap& TSkinTrackBar::Channel(Qt::Orientation orientation) const {
    return orientation == Qt::Vertical ? verticalChannel_ : channel_;
}

const Bitmap* TSkinTrackBar::Thumb(Qt::Orientation orientation) const {
    return Engine().GetSkinBitmap(orientation == Qt::Vertical ? bitmaps::TrackBarVSlider
                                                              : bitmaps::TrackBarSlider);
}

}  // namespace skin
