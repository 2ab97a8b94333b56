#pragma once

#include <QImage>
#include <QScrollBar>

#include "ProbePixels.h"
#include "SkinFixture.h"
#include "skin/controls/TSkinControl.h"

// The probe skin with the scroll bar pictures and the control colours, each of a colour of its
// own, and a form to put controls on.
namespace skin::test::scrolling {

inline constexpr ColorRef kTrack = 0x00203040;
// The arrow buttons' three frames: normal, hot, pressed.
inline constexpr ColorRef kUp[3] = {0x00004000, 0x00004400, 0x00004800};
inline constexpr ColorRef kDown[3] = {0x00400000, 0x00440000, 0x00480000};
// Thumb pieces: leading cap, leading filler, grip, trailing filler, trailing cap.
inline constexpr ColorRef kLeadCap = 0x00000050;
inline constexpr ColorRef kLeadFill = 0x00000060;
inline constexpr ColorRef kGrip = 0x00000070;
inline constexpr ColorRef kTrailFill = 0x00000080;
inline constexpr ColorRef kTrailCap = 0x00000090;
inline constexpr ColorRef kBorder = 0x00102030;
inline constexpr ColorRef kControl = 0x00A0B0C0;
inline constexpr ColorRef kControlFont = 0x00900090;
inline constexpr ColorRef kToolBorder = 0x00305070;
inline constexpr ColorRef kToolDown = 0x0070A0D0;
inline constexpr int kButtonSize = 16;
// The thumb picture: 27 rows cut into caps of 3 and pieces of 7 rows; the grip is 7 long.
inline constexpr int kThumbHeight = 27;
inline constexpr int kGripLength = 7;

QByteArray ScrollingSkin();
// A skin whose thumb is drawn whole: its colour above its middle row, `kGrip` below.
QByteArray WholeThumbSkin();
inline constexpr ColorRef kWholeTop = 0x00B23901;

// A main form with the scrolling probe skin; controls go on `central` at fixed places.
struct ScrollingFixture : SkinFixture {
    QByteArray SkinData() const override;
    void SetUp() override;

    template <typename W>
    W* Add(W* widget, const QRect& geometry) {
        widget->setParent(central);
        widget->setGeometry(geometry);
        return widget;
    }
    // Gives the controls their skinners and shows the form.
    void SkinAndShow();

    QWidget* central = nullptr;
};

QColor At(const QImage& image, const QPoint& point);
// The rectangle of a scroll bar part, in the bar's coordinates.
QRect BarPart(const QScrollBar* bar, QStyle::SubControl part);

}  // namespace skin::test::scrolling
