#pragma once

#include <QImage>

#include "skin/controls/TSkinControl.h"

namespace skin {

class TSkinProgressBarRes;

// What a progress bar shows.
struct ProgressState {
    QSize Size;
    Qt::Orientation Orientation = Qt::Horizontal;
    int Minimum = 0;
    int Maximum = 100;
    int Value = 0;
};

// The picture of a progress bar from the skin's four pieces: the start cap, the filled part as
// far as the value reaches, the empty part and the end cap, each stretched along the bar with
// 2-pixel ends kept. A vertical bar fills upwards from its start cap at the bottom.
QImage ComposeProgressBar(const TSkinProgressBarRes& pieces, const QColor& formColour,
                          const ProgressState& state);

// Paints a progress bar (QProgressBar) from the skin in place of its own painting.
class TSkinProgressBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    bool BeforeMessage(QEvent* event) override;
    void Paint() override;
};

}  // namespace skin
