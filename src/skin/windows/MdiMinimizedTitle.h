#pragma once

#include <QImage>
#include <QSize>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/TitleState.h"

namespace skin {

class SkinValues;

// The size of a minimised MDI child: the skin's minimised title picture, or the title height and
// the given width when the skin has none.
QSize MdiMinimizedTitleSize(const SkinValues& skin, int width);

// The title of a minimised MDI child, which is all of it: the skin's minimised title picture
// stretched over the window, then the icon, the caption buttons and the caption, shortened to
// fit, where the geometry (FrameGeometry::MinimizedTitle) puts them.
QImage ComposeMdiMinimizedTitle(const SkinValues& skin, const FrameGeometry& geometry,
                                const TitleState& state);

}  // namespace skin
