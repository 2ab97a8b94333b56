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

private:
    const QImage& Background(const FrameGeometry& geometry, const QString& caption);

    const SkinValues& skin_;
    QString shortenedFrom_;
    int shortenedWidth_ = -1;
    QString shortened_;
    QImage background_;
    QSize backgroundSize_;
    QString backgroundCaption_;
};

}  // namespace skin
