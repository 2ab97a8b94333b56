// The news client's pictures: the program icon, the service's logo and the menu images.
// They are embedded in the program (":/images/..."); a QGuiApplication must exist.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace plivant::images {

// Indices of the menu images.
enum MenuImageIndex : int {
    kPowerImage = 0,          // red power symbol
    kInfoImage = 1,           // white letter i in a blue speech bubble
    kGearImage = 2,           // orange gear
    kStopImage = 3,           // red stop sign
    kArrowDownLeftImage = 4,  // grey arrow pointing down and to the left
    kArrowUpLeftImage = 5,    // grey arrow pointing up and to the left
    kGlobeRefreshImage = 6,   // globe with a green circular arrow
    kMenuImageCount = 7,
};

// The program's icon with every size drawn (16, 32, 48, 64, 128 and 256 pixels).
QIcon ProgramIcon();

// The same at 16 and 32 pixels, what a title bar and a task bar show; a tenth of the reading.
QIcon SmallProgramIcon();

// The program's icon for a feed that is down: greyed, with a red mark, at the same sizes.
QIcon ProgramIconDown();

// The logo, 194 x 53 on a transparent background, for a screen of pixel ratio `ratio`: above 1 it
// has the device pixels the ratio asks for, drawn from the picture at twice the size.
QPixmap Logo(qreal ratio = 1);

// Menu image `index`, 16 x 16 with alpha; a null pixmap for an index outside 0..6.
QPixmap MenuImage(int index);

}  // namespace plivant::images
