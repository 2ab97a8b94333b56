#pragma once

#include <QImage>
#include <QRegion>
#include <list>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/TitleComposer.h"
#include "skin/windows/TitleState.h"

class QPainter;

namespace skin {

class SkinValues;

// Draws a skinned window's frame from pictures composed off screen. The title bar (in the last
// few states it was drawn in), the bottom border, the stretched side borders and the window's
// shape are kept between paints and rebuilt only when the window's size, the title's state, the
// skin or the device's pixel ratio changes.
//
// The frame is drawn in the device's own pixels: on a screen scaled by a fractional ratio a
// logical pixel covers one or two device pixels, and each part covers the device pixels between
// its rounded edges (DeviceScale), so that the borders lie on the window's outermost pixels. The
// borders are repeated pixel for pixel and stay sharp; the title's pictures are scaled smoothly,
// but for its outline, and its icon and caption are drawn at the device's resolution.
class FramePainter {
public:
    explicit FramePainter(const SkinValues& skin) : skin_(skin), composer_(skin) {}

    // Draws the frame into the window's margins.
    void Paint(QPainter& painter, const FrameGeometry& geometry, const TitleState& state);
    // Draws the side and bottom borders alone.
    void PaintBorders(QPainter& painter, const FrameGeometry& geometry);
    // The window's outline, in logical pixels: the frame's pictures without the skin's
    // transparent pixels. The outline does not follow the mouse: it is cut from the title with no
    // button hot or pressed.
    QRegion Shape(const FrameGeometry& geometry, TitleState state);
    // The caption as drawn: shortened with "..." to fit before the buttons.
    QString Caption(const FrameGeometry& geometry, const QString& text);
    // The title bar as drawn on a device of `ratio` (QPaintDevice::devicePixelRatio), in its
    // pixels and carrying the ratio.
    const QImage& Title(const FrameGeometry& geometry, const TitleState& state, qreal ratio = 1);

private:
    struct TitleKey {
        QSize Window;
        FrameTraits Traits;
        TitleState State;
        bool operator==(const TitleKey& other) const;
    };
    struct KeptTitle {
        TitleKey Key;
        QImage Raw;    // as composed, the skin's transparent pixels still in it; at ratio 1 only
        QImage Shown;  // as drawn
    };
    struct KeptShape {
        TitleKey Key;
        QRegion Region;
    };
    // A border's picture as drawn, and the size it was cut for.
    struct KeptBorder {
        QImage Picture;
        QSize Size;
    };

    void FollowSkin();
    void FollowDevice(qreal ratio);
    const KeptTitle& Kept(const FrameGeometry& geometry, const TitleState& state);
    QImage DeviceTitle(const FrameGeometry& geometry, const TitleState& state);
    void DrawBorders(QPainter& devicePainter, const FrameGeometry& geometry);
    QImage ComposeBottom(int width) const;
    const QImage& RawBottom(int width);
    const QImage& Bottom(int width, const QSize& size);
    const QImage& Side(const QImage& piece, const QSize& size, KeptBorder& kept);
    QImage FilledTransparent(QImage picture, int begin, int end) const;

    static constexpr size_t kKeptTitles = 4;

    const SkinValues& skin_;
    TitleComposer composer_;
    int generation_ = -1;
    qreal ratio_ = 1;              // of the device the kept pictures are for
    std::list<KeptTitle> titles_;  // most recently used first
    std::optional<KeptShape> shape_;
    QImage rawBottom_;
    KeptBorder bottom_;
    KeptBorder left_;
    KeptBorder right_;
};

}  // namespace skin
