#include "UiFixture.h"
#include "feed/FeedTexts.h"
#include "ui/NewsGridDelegate.h"

namespace plivant::test {
namespace {

using GridView = UiFixture;

// How many pixels of the row's band have exactly the colour.
int CountColor(const QImage& image, const QRect& band, const QColor& color) {
    int count = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (image.pixelColor(x, y) == color) ++count;
    return count;
}

QImage GrabViewport(NewsGrid& grid) { return grid.viewport()->grab().toImage(); }

TEST_F(GridView, RowsTakeTheColourOfTheirFlags) {
    const QColor orange(255, 107, 36), red(255, 0, 0), green(0, 128, 0), black(0, 0, 0);
    struct Case {
        const char* important;
        const char* attachment;
        QColor color;
    };
    const Case cases[] = {{"1", "1", orange}, {"1", "0", red}, {"0", "1", green}, {"", "", black}};
    for (int row = 0; row < 4; ++row) {
        PutItem(row, "ЖЖЖЖ MMMM WWWW", cases[row].important, cases[row].attachment);
    }
    QImage image = GrabViewport(Grid());
    for (int row = 0; row < 4; ++row) {
        QRect band = Grid().visualRect(Grid().model()->index(row, 0)).intersected(image.rect());
        for (const Case& other : cases) {
            int found = CountColor(image, band, other.color);
            if (other.color == cases[row].color) {
                EXPECT_GT(found, 5) << "row " << row;
            } else {
                EXPECT_EQ(found, 0) << "row " << row << " has " << other.color.name().toStdString();
            }
        }
        // The cell's own background stays the grid's colour.
        EXPECT_EQ(image.pixelColor(band.right() - 2, band.top() + 1), QColor(237, 244, 252));
    }
}

TEST_F(GridView, RowsBeyondTheCountKeepTheGridsOwnDrawing) {
    settings.NewsCount = "2";
    PutItem(2, "WWWW", "1");
    PutItem(3, "WWWW", "1");
    GrabViewport(Grid());
    settings.NewsCount = "2x";  // being typed: the last valid count holds
    QImage image = GrabViewport(Grid());
    auto band = [&](int row) { return Grid().visualRect(Grid().model()->index(row, 0)); };
    const QColor red(255, 0, 0);
    const QColor text = Grid().palette().color(QPalette::WindowText);
    EXPECT_GT(CountColor(image, band(2), red), 5);
    EXPECT_EQ(CountColor(image, band(3), red), 0);
    EXPECT_GT(CountColor(image, band(3), text), 5);
}

TEST_F(GridView, RowsAreFifteenPixelsAndALineApart) {
    QImage image = GrabViewport(Grid());
    const int top = Grid().visualRect(Grid().model()->index(1, 0)).top();
    EXPECT_EQ(top - Grid().visualRect(Grid().model()->index(0, 0)).top(), 16);
    const QColor background(237, 244, 252);
    const int x = 500;  // right of any text
    for (int y = top; y < top + 15; ++y) EXPECT_EQ(image.pixelColor(x, y), background) << y;
    EXPECT_NE(image.pixelColor(x, top + 15), background);  // the grid line
    EXPECT_EQ(image.pixelColor(x, top + 16), background);
}

TEST_F(GridView, SelectedRowKeepsItsFlagColourOnTheSelection) {
    PutItem(1, "WWWW", "0", "1");
    Grid().selectRow(1);
    QImage image = GrabViewport(Grid());
    QRect band = Grid().visualRect(Grid().model()->index(1, 0)).intersected(image.rect());
    const auto group = Grid().isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    EXPECT_EQ(image.pixelColor(band.right() - 2, band.top() + 1),
              Grid().palette().color(group, QPalette::Highlight));
    EXPECT_GT(CountColor(image, band, QColor(0, 128, 0)), 5);
}

TEST_F(GridView, PointerTrackingShowsTheInformationLineAndNamesTheCell) {
    PutItem(5, "X");
    QTest::mouseMove(Grid().viewport(), RowPoint(5));
    EXPECT_EQ(Grid().HoverRow(), 5);
    EXPECT_EQ(Grid().HoverCol(), 0);
    EXPECT_EQ(Status2(), QString::fromUtf8("Info: X"));
    EXPECT_EQ(Grid().HintText(), QString("5 0") + FromWire(Utf8ToWire("12:00:00  X")));

    // Inside the same cell nothing is updated again.
    window->View().SetStatusText(MainView::kInfoPanel, "other");
    QTest::mouseMove(Grid().viewport(), RowPoint(5) + QPoint(3, 1));
    EXPECT_EQ(Status2(), "other");

    // An empty row moves the tracked cell but leaves the panel and the hint alone.
    QTest::mouseMove(Grid().viewport(), RowPoint(8));
    EXPECT_EQ(Grid().HoverRow(), 8);
    EXPECT_EQ(Status2(), "other");
    EXPECT_TRUE(Grid().HintText().startsWith("5 0"));
}

TEST_F(GridView, TrackingStopsWhileDetailsAreLoading) {
    PutItem(2, "X");
    window->View().SetStatusText(MainView::kInfoPanel, texts::Loading());
    QTest::mouseMove(Grid().viewport(), RowPoint(2));
    EXPECT_EQ(Grid().HoverRow(), 0);  // not even the tracked cell changes
    EXPECT_EQ(window->View().StatusText(MainView::kInfoPanel), texts::Loading());
}

TEST(NewsGridDelegate, FlagColours) {
    EXPECT_EQ(NewsGridDelegate::FlagColor("1", "1"), QColor(255, 107, 36));
    EXPECT_EQ(NewsGridDelegate::FlagColor("1", " "), QColor(255, 0, 0));
    EXPECT_EQ(NewsGridDelegate::FlagColor("0", "1"), QColor(0, 128, 0));
    EXPECT_EQ(NewsGridDelegate::FlagColor("", ""), QColor(0, 0, 0));
}

}  // namespace
}  // namespace plivant::test
