// The "sliders" page: horizontal and vertical sliders without tick marks, with marks above or
// left, below or right, on both sides, and disabled.
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

#include "GalleryPages.h"

namespace gallery {
namespace {

struct SliderCase {
    const char* Name;
    QSlider::TickPosition Ticks;
    bool Enabled;
};

constexpr SliderCase kCases[] = {
    {"none", QSlider::NoTicks, true},
    {"above / left", QSlider::TicksAbove, true},
    {"below / right", QSlider::TicksBelow, true},
    {"both", QSlider::TicksBothSides, true},
    {"disabled", QSlider::TicksBothSides, false},
};

QSlider* MakeSlider(Qt::Orientation orientation, const SliderCase& c, int value, QWidget* parent) {
    auto* slider = new QSlider(orientation, parent);
    slider->setRange(0, 10);
    slider->setPageStep(2);
    slider->setTickPosition(c.Ticks);
    slider->setValue(value);
    slider->setEnabled(c.Enabled);
    return slider;
}

}  // namespace

QWidget* MakeSlidersPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    int row = 0;
    for (const SliderCase& c : kCases) {
        grid->addWidget(new QLabel(c.Name, page), row, 0);
        grid->addWidget(MakeSlider(Qt::Horizontal, c, 2 * row, page), row, 1);
        grid->addWidget(MakeSlider(Qt::Vertical, c, 2 * row + 1, page), 0, 2 + row, 5, 1);
        ++row;
    }
    grid->setColumnMinimumWidth(1, 160);
    return page;
}

}  // namespace gallery
