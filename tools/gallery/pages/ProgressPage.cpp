// The "progress" page: horizontal and vertical progress bars at 0 %, 50 % and 100 %, and one
// whose minimum equals its maximum.
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include "GalleryPages.h"

namespace gallery {
namespace {

struct ProgressCase {
    const char* Name;
    int Minimum;
    int Maximum;
    int Value;
};

constexpr ProgressCase kCases[] = {
    {"0 %", 0, 100, 0},
    {"50 %", 0, 100, 50},
    {"100 %", 0, 100, 100},
    {"min = max", 5, 5, 5},
};

QProgressBar* MakeBar(Qt::Orientation orientation, const ProgressCase& c, QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setOrientation(orientation);
    bar->setRange(c.Minimum, c.Maximum);
    bar->setValue(c.Value);
    return bar;
}

}  // namespace

QWidget* MakeProgressPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    int row = 0;
    for (const ProgressCase& c : kCases) {
        grid->addWidget(new QLabel(c.Name, page), row, 0);
        grid->addWidget(MakeBar(Qt::Horizontal, c, page), row, 1);
        grid->addWidget(MakeBar(Qt::Vertical, c, page), 0, 2 + row, int(std::size(kCases)), 1);
        ++row;
    }
    return page;
}

}  // namespace gallery
