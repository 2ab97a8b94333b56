#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRegion>
#include <QString>
#include <optional>

#include "skin/windows/FrameGeometry.h"

class QPainter;

namespace skin {

class TSkinEngine;

// What the title bar shows besides the skin's pictures.
struct TitleState {
    int Hot = caption::kNone;
    bool Pressed = false;
    QString Text;
    QColor TextColor;
    QIcon Icon;

    bool operator==(const TitleState& other) const {
        return Hot == other.Hot && Pressed == other.Pressed && Text == other.Text &&
               TextColor == other.TextColor && Icon.cacheKey() == other.Icon.cacheKey();
    }
};

// Composes a skinned window's frame off screen and draws it. The title bar, the bottom border
// and the stretched side borders are kept between paints and rebuilt only when the window's
// size, the title's state or the skin changes.
class FramePainter {
public:
    explicit FramePainter(const TSkinEngine& engine) : engine_(engine) {}

    // The skin changed: every kept picture goes.
    void Reset();

    // Draws the frame into the window's margins.
    void Paint(QPainter& painter, const FrameGeometry& geometry, const TitleState& state);
    // The window's outline: the frame's pictures without the skin's transparent pixels.
    QRegion Shape(const FrameGeometry& geometry, const TitleState& state);
    // The caption as drawn: shortened with "..." to fit before the buttons.
    QString Caption(const FrameGeometry& geometry, const QString& text) const;

    // The title bar as drawn, and as composed with the skin's transparent pixels still in it.
    const QImage& Title(const FrameGeometry& geometry, const TitleState& state);
    QImage RawTitle(const FrameGeometry& geometry, const TitleState& state);
    QImage RawBottom(int width) const;

private:
    struct TitleKey {
        QSize Window;
        FrameTraits Traits;
        TitleState State;
        bool operator==(const TitleKey& other) const;
    };

    const QImage& Background(const FrameGeometry& geometry, const QString& caption);
    void DrawDecorations(QImage& title, const FrameGeometry& geometry, const TitleState& state,
                         const QString& caption) const;
    const QImage& Bottom(int width);
    const QImage& Side(const QImage& piece, int height, QImage& kept);
    QImage FilledTransparent(QImage picture) const;

    const TSkinEngine& engine_;
    QImage background_;
    QSize backgroundSize_;
    QString backgroundCaption_;
    QImage title_;
    std::optional<TitleKey> titleKey_;
    QImage bottom_;
    QImage left_;
    QImage right_;
};

}  // namespace skin
