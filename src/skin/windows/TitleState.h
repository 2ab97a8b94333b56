#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

#include "skin/windows/FrameGeometry.h"

namespace skin {

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

}  // namespace skin
