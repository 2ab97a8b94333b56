#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace skin {

struct FramePieces;
struct SkinMetrics;

// The caption elements a skin window tracks under the mouse.
namespace caption {
inline constexpr int kNone = -1;
inline constexpr int kIcon = 0;
inline constexpr int kClose = 1;
inline constexpr int kMaximize = 2;
inline constexpr int kMinimize = 3;
inline constexpr int kHelp = 4;
}  // namespace caption

// What a window's frame shows.
struct FrameTraits {
    bool HasTitle = true;
    bool HasBorders = true;
    bool SystemIcon = false;
    bool Close = true;
    bool Maximize = false;
    bool Minimize = false;
    bool Help = false;
    bool Resizable = false;
    bool Maximized = false;
};

// Where a point of the window lies, for the mouse.
struct FrameHit {
    enum Zone { Client, Caption, CaptionElement, Border };
    Zone Where = Client;
    int Element = caption::kNone;  // for CaptionElement
    Qt::Edges Edges;               // resize edges; none on a border that does not resize
};

// The places of the frame's parts in a window of a given size, all in window coordinates.
class FrameGeometry {
public:
    FrameGeometry(const SkinMetrics& metrics, const FramePieces& pieces, const QSize& window,
                  const FrameTraits& traits);
    // The title of a minimised MDI child, which is all of it: no borders, the buttons packed at
    // the right at the icon's height, the caption near the top, always the plain maximise button.
    static FrameGeometry MinimizedTitle(const SkinMetrics& metrics, const FramePieces& pieces,
                                        const QSize& window, FrameTraits traits);

    const QSize& Window() const { return window_; }
    const FrameTraits& Traits() const { return traits_; }
    QMargins Margins() const { return margins_; }
    int TitleHeight() const { return margins_.top(); }
    // 16 x 16, where the icon is drawn and clicked; empty without a system icon.
    QRect Icon() const { return icon_; }
    // The drawn rectangle of a caption button (caption::kClose ... kHelp); empty when absent.
    QRect Button(int element) const { return buttons_[size_t(element)]; }
    // The room kept free for the buttons at the right.
    int ButtonsWidth() const { return buttonsWidth_; }
    // Where the caption starts, and the width it is shortened to.
    int TextX() const { return textX_; }
    int TextMaxWidth() const { return textMaxWidth_; }
    // The caption's baseline stands this far below the top plus the font's ascent.
    int TextTop() const { return textTop_; }
    // Where the caption is shown, the title's full height.
    QRect Label() const;

    // The caption element under the point; the last match wins, as they are drawn.
    int ElementAt(const QPoint& point) const;
    FrameHit HitTest(const QPoint& point) const;

    // With one-pixel borders the resize zone reaches this far into the window, and corners
    // reach this far along the edges.
    static constexpr int kResizeGrace = 4;
    static constexpr int kCornerGrace = 12;

private:
    // Where the caption's parts go, in pixels from the window's top and right.
    struct CaptionPlacement {
        int IconTop;
        int ButtonTop;
        int ButtonsRight;     // between the last button and the window's right edge
        int ExtraButtonRoom;  // kept free beside the buttons' own room
        int TextTop;
    };

    FrameGeometry(const SkinMetrics& metrics, const FramePieces& pieces, const QSize& window,
                  const FrameTraits& traits, const QMargins& margins,
                  const CaptionPlacement& placement);
    Qt::Edges ResizeEdges(const QPoint& point) const;

    QSize window_;
    FrameTraits traits_;
    QMargins margins_;
    QRect icon_;
    std::array<QRect, 5> buttons_;
    int buttonsWidth_ = 0;
    int textX_ = 0;
    int textMaxWidth_ = 0;
    int textTop_ = 0;
};

}  // namespace skin
