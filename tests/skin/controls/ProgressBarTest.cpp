#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProgressBar>
#include <climits>

#include "TabFamilySkin.h"

namespace skin::test {
namespace {

using namespace tabprobe;

struct ProgressCase {
    Qt::Orientation Orientation;
    int Minimum, Maximum, Value;
    int FilledPercent;  // of the room between the caps
};

// The piece drawn at each pixel along the bar, from its start (the bottom of a vertical bar).
std::vector<int> PiecesAlong(const QImage& picture, Qt::Orientation orientation) {
    std::vector<int> pieces;
    const bool vertical = orientation == Qt::Vertical;
    const int length = vertical ? picture.height() : picture.width();
    for (int i = 0; i < length; ++i) {
        const QPoint at = vertical ? QPoint(picture.width() / 2, picture.height() - 1 - i)
                                   : QPoint(i, picture.height() / 2);
        int piece = 0;
        for (int p = 0; p < 4; ++p) {
            if (HasColour(picture, at, kProgress[p])) piece = p + 1;
        }
        pieces.push_back(piece);
    }
    return pieces;
}

std::vector<int> Expected(int length, int filledPercent) {
    const int start = kProgressWidth[0];
    const int end = length - kProgressWidth[3];
    const int filled = start + (end - start) * filledPercent / 100;
    std::vector<int> pieces;
    for (int i = 0; i < length; ++i) {
        pieces.push_back(i < start ? 1 : i < filled ? 2 : i < end ? 3 : 4);
    }
    return pieces;
}

struct ProgressPicture : TabFamilyFixture, ::testing::WithParamInterface<ProgressCase> {};

TEST_P(ProgressPicture, CapsFilledAndEmptyPartsFollowTheValue) {
    const ProgressCase& c = GetParam();
    auto* bar = new QProgressBar;
    bar->setOrientation(c.Orientation);
    bar->setRange(c.Minimum, c.Maximum);
    bar->setValue(c.Value);
    bar->setFixedSize(c.Orientation == Qt::Horizontal ? QSize(203, 20) : QSize(20, 203));
    Add(bar);
    const int length = 203;
    EXPECT_EQ(PiecesAlong(Grab(bar), c.Orientation), Expected(length, c.FilledPercent));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProgressPicture,
    ::testing::Values(
        ProgressCase{Qt::Horizontal, 0, 100, 0, 0}, ProgressCase{Qt::Horizontal, 0, 100, 50, 50},
        ProgressCase{Qt::Horizontal, 0, 100, 100, 100}, ProgressCase{Qt::Horizontal, 5, 5, 5, 0},
        ProgressCase{Qt::Vertical, 0, 100, 0, 0}, ProgressCase{Qt::Vertical, 0, 100, 50, 50},
        ProgressCase{Qt::Vertical, 0, 100, 100, 100}, ProgressCase{Qt::Vertical, 5, 5, 5, 0},
        // A reset bar stands below its minimum; a range as wide as int.
        ProgressCase{Qt::Horizontal, 10, 20, 9, 0},
        ProgressCase{Qt::Horizontal, 0, INT_MAX, INT_MAX / 2 + 1, 50},
        ProgressCase{Qt::Horizontal, INT_MIN, INT_MAX, INT_MAX, 100}));

TEST_F(TabFamilyFixture, AProgressBarWithoutTheSkinPaintsItself) {
    auto* bar = Add(new QProgressBar);
    bar->setValue(50);
    bar->setFixedSize(200, 20);
    QCoreApplication::processEvents();
    const QPoint filled(50, 10);
    EXPECT_TRUE(HasColour(Grab(bar), filled, kProgress[1]));
    engine->SetActive(false);
    EXPECT_FALSE(HasColour(Grab(bar), filled, kProgress[1]));
    engine->SetActive(true);
    EXPECT_TRUE(HasColour(Grab(bar), filled, kProgress[1]));
}

}  // namespace
}  // namespace skin::test
