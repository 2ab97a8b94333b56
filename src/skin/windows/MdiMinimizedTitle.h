#pragma once

#include <QImage>
#include <QRect>
#include <array>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/TitleState.h"

namespace skin {

class TSkinEngine;

// The title of a minimised MDI child, which is all of it: the skin's minimised title picture
// stretched over the window, the icon, the caption buttons packed at the right and the caption
// near the top, shortened to fit.
class MdiMinimizedTitle {
public:
    MdiMinimizedTitle(const TSkinEngine& engine, const QSize& window, const FrameTraits& traits);

    // The size of a minimised child: the skin's minimised title picture, or the title height
    // and the given width when the skin has none.
    static QSize Size(const TSkinEngine& engine, int width);

    QRect Icon() const { return icon_; }
    QRect Button(int element) const { return buttons_[size_t(element)]; }
    QRect Label() const;

    QImage Compose(const TitleState& state) const;

private:
    const TSkinEngine& engine_;
    QSize window_;
    FrameTraits traits_;
    QRect icon_;
    std::array<QRect, 5> buttons_;
    int textX_ = 0;
    int textMaxWidth_ = 0;
};

}  // namespace skin
