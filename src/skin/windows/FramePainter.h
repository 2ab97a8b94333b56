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
// shape are kept between paints and rebuilt only when the window's size, the title's state or
// the skin changes.
class FramePainter {
public:
    explicit FramePainter(const SkinValues& skin) : skin_(skin), composer_(skin) {}

    // Draws the frame into the window's margins.
    void Paint(QPainter& painter, const FrameGeometry& geometry, const TitleState& state);
    // Draws the side and bottom borders alone.
    void PaintBorders(QPainter& painter, const FrameGeometry& geometry);
    // The window's outline: the frame's pictures without the skin's transparent pixels. The
    // outline does not follow the mouse: it is cut from the title with no button hot or pressed.
    QRegion Shape(const FrameGeometry& geometry, TitleState state);
    // The caption as drawn: shortened with "..." to fit before the buttons.
    QString Caption(const FrameGeometry& geometry, const QString& text);
    // The title bar as drawn.
    const QImage& Title(const FrameGeometry& geometry, const TitleState& state);

private:
    struct TitleKey {
        QSize Window;
        FrameTraits Traits;
        TitleState State;
        bool operator==(const TitleKey& other) const;
    };
    struct KeptTitle {
        TitleKey Key;
        QImage Raw;    // as composed, the skin's transparent pixels still in it
        QImage Shown;  // as drawn
    };
    struct KeptShape {
        TitleKey Key;
        QRegion Region;
    };

    void FollowSkin();
    const KeptTitle& Kept(const FrameGeometry& geometry, const TitleState& state);
    QImage RawBottom(int width) const;
    const QImage& Bottom(int width);
    const QImage& Side(const QImage& piece, int height, QImage& kept);
    QImage FilledTransparent(QImage picture, int begin, int end) const;

    static constexpr size_t kKeptTitles = 4;

    const SkinValues& skin_;
    TitleComposer composer_;
    int generation_ = -1;
    std::list<KeptTitle> titles_;  // most recently used first
    std::optional<KeptShape> shape_;
    QImage rawBottom_;
    QImage bottom_;
    QImage left_;
    QImage right_;
};

}  // namespace skin
