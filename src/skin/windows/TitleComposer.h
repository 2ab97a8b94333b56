#pragma once

#include <QImage>
#include <QString>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/TitleState.h"

class QPainter;

namespace skin {

class SkinValues;

// Draws the icon, the caption buttons in their frames and the (already shortened) caption over a
// title's background, where the geometry puts them.
void DrawTitleDecorations(QPainter& painter, const SkinValues& skin, const FrameGeometry& geometry,
                          const TitleState& state, const QString& caption);

// Composes a title bar off screen: the skin's title pieces side by side as wide as the window,
// then the icon, the caption buttons in their frames and the caption. The pieces alone are kept
// between compositions, as only the window's width changes them (and the caption, for a
// five-part title).
class TitleComposer {
public:
    explicit TitleComposer(const SkinValues& skin) : skin_(skin) {}

    // The skin changed.
    void Reset();
    // The caption as drawn: shortened with "..." to fit before the buttons.
    QString Caption(const FrameGeometry& geometry, const QString& text);
    // The title bar with the skin's transparent pixels still in it.
    QImage Compose(const FrameGeometry& geometry, const TitleState& state);
    // The title's pictures alone: the skin's pieces and the caption buttons, transparent pixels
    // in, to be scaled for a device of another ratio; DrawLabel adds the rest there.
    QImage ComposePictures(const FrameGeometry& geometry, const TitleState& state);
    // The icon, at the size the device asks for, and the caption.
    void DrawLabel(QPainter& painter, const FrameGeometry& geometry, const TitleState& state);

private:
    const QImage& Background(const FrameGeometry& geometry, const QString& caption);

    const SkinValues& skin_;
    QString shortenedFrom_;
    int shortenedWidth_ = -1;
    QString shortened_;
    // What the kept background was composed for: the title's size, the room of the buttons
    // (which decides whether a narrow title squeezes its first piece) and, for a five-part
    // title, the caption.
    struct BackgroundKey {
        QSize Size;
        int ButtonsWidth = -1;
        QString Caption;
        bool operator==(const BackgroundKey&) const = default;
    };

    QImage background_;
    BackgroundKey backgroundKey_;
};

}  // namespace skin
