#include <gtest/gtest.h>

#include <QProgressBar>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "TabFamilySkin.h"
#include "skin/controls/SkinnerRegistry.h"
#include "skin/controls/TabPainter.h"
#include "skin/draw/BitmapOps.h"
#include "skin/draw/Geometry.h"

namespace skin::test {
namespace {

using namespace tabprobe;

TEST(TabFamilyRegistry, EachControlGetsItsSkinner) {
    QTabWidget tabs;
    QTabBar bar;
    QSlider slider;
    QProgressBar progress;
    const SkinnerRegistry& registry = SkinnerRegistry::Instance();
    EXPECT_EQ(registry.FindSkinnerClass(&tabs), "TSkinTabControl");
    EXPECT_EQ(registry.FindSkinnerClass(&bar), "TSkinTabControl");
    EXPECT_EQ(registry.FindSkinnerClass(&slider), "TSkinTrackBar");
    EXPECT_EQ(registry.FindSkinnerClass(&progress), "TSkinProgressBar");
}

struct SideCase {
    QTabWidget::TabPosition Position;
    const char* Name;
};

// A point `depth` pixels in from the outer edge of a tab (the edge away from the page), a few
// pixels from the tab's start.
QPoint InFromOuterEdge(const QRect& tab, QTabWidget::TabPosition position, int depth) {
    switch (position) {
        case QTabWidget::North:
            return {tab.left() + 3, tab.top() + depth};
        case QTabWidget::South:
            return {tab.left() + 3, tab.bottom() - depth};
        case QTabWidget::West:
            return {tab.left() + depth, tab.top() + 3};
        case QTabWidget::East:
            return {tab.right() - depth, tab.top() + 3};
    }
    return {};
}

struct TabWidgetPicture : TabFamilyFixture, ::testing::WithParamInterface<SideCase> {
    void SetUp() override {
        TabFamilyFixture::SetUp();
        tabs = new QTabWidget;
        tabs->setTabPosition(GetParam().Position);
        tabs->addTab(new QWidget, "Alpha");
        tabs->addTab(new QWidget, "Beta");
        tabs->setMinimumSize(240, 200);
        Add(tabs);
    }
    QRect TabRect(int index) const {
        return tabs->tabBar()->tabRect(index).translated(tabs->tabBar()->pos());
    }
    // The page frame: the pages' area grown by 2.
    QRect Page() const {
        return tabs->findChild<QStackedWidget*>()->geometry().adjusted(-2, -2, 2, 2);
    }
    QTabWidget* tabs = nullptr;
};

TEST_P(TabWidgetPicture, TabsAreTheSkinsFramesTurnedAwayFromThePage) {
    const auto position = GetParam().Position;
    const QImage picture = Grab(tabs);
    EXPECT_TRUE(HasColour(picture, InFromOuterEdge(TabRect(0), position, 0), kSelectedEdge));
    EXPECT_TRUE(HasColour(picture, InFromOuterEdge(TabRect(0), position, 3), kSelectedTab));
    EXPECT_TRUE(HasColour(picture, InFromOuterEdge(TabRect(1), position, 0), kOtherEdge));
    EXPECT_TRUE(HasColour(picture, InFromOuterEdge(TabRect(1), position, 3), kOtherTab));
}

// The tab line lies along the page frame's edge on the tabs' side, its first row outermost; the
// frame's other edges are in the control border colour.
TEST_P(TabWidgetPicture, TheTabLineTurnsWithTheSideAndTheFrameHasTheBorderColour) {
    const QImage picture = Grab(tabs);
    const QRect r = Page();
    const QPoint c = r.center();
    QPoint outer, inner, far;
    switch (GetParam().Position) {
        case QTabWidget::North:
            outer = {c.x(), r.top() - 1}, inner = {c.x(), r.top()}, far = {c.x(), r.bottom()};
            break;
        case QTabWidget::South:
            outer = {c.x(), r.bottom() + 1}, inner = {c.x(), r.bottom()}, far = {c.x(), r.top()};
            break;
        case QTabWidget::West:
            outer = {r.left() - 1, c.y()}, inner = {r.left(), c.y()}, far = {r.right(), c.y()};
            break;
        case QTabWidget::East:
            outer = {r.right() + 1, c.y()}, inner = {r.right(), c.y()}, far = {r.left(), c.y()};
            break;
    }
    EXPECT_TRUE(HasColour(picture, outer, kLineOuter)) << GetParam().Name;
    EXPECT_TRUE(HasColour(picture, inner, kLineInner)) << GetParam().Name;
    EXPECT_TRUE(HasColour(picture, far, kBorder)) << GetParam().Name;
    EXPECT_TRUE(HasColour(picture, c, probe::kForm)) << GetParam().Name;
}

TEST_P(TabWidgetPicture, SwitchingTheSkinOffAndOnLeavesNothingBehind) {
    const QPoint body = InFromOuterEdge(TabRect(0), GetParam().Position, 3);
    engine->SetActive(false);
    EXPECT_FALSE(HasColour(Grab(tabs), body, kSelectedTab));
    EXPECT_FALSE(tabs->testAttribute(Qt::WA_SetStyle));
    EXPECT_FALSE(tabs->testAttribute(Qt::WA_SetPalette));
    engine->SetActive(true);
    EXPECT_TRUE(HasColour(Grab(tabs), body, kSelectedTab));
}

INSTANTIATE_TEST_SUITE_P(Sides, TabWidgetPicture,
                         ::testing::Values(SideCase{QTabWidget::North, "top"},
                                           SideCase{QTabWidget::South, "bottom"},
                                           SideCase{QTabWidget::West, "left"},
                                           SideCase{QTabWidget::East, "right"}),
                         [](const auto& info) { return std::string(info.param.Name); });

// The caption's pixels, cut to where they are.
QImage CaptionMask(const QImage& tab) {
    QImage mask(tab.size(), QImage::Format_Mono);
    mask.fill(0);
    QRect bounds;
    for (int y = 0; y < tab.height(); ++y) {
        for (int x = 0; x < tab.width(); ++x) {
            const QRgb pixel = tab.pixel(x, y);
            if (SameColour(pixel, Q(kSelectedTab).rgb()) ||
                SameColour(pixel, Q(kSelectedEdge).rgb()))
                continue;
            mask.setPixel(x, y, 1);
            bounds |= QRect(x, y, 1, 1);
        }
    }
    return mask.copy(bounds).convertToFormat(QImage::Format_RGB32);
}

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// A bottom tab keeps its caption upright; tabs at the sides turn theirs with the tab.
TEST_F(TabFamilyFixture, CaptionsStayUprightAtTheBottomAndTurnAtTheSides) {
    const TabPainter painter(engine->Skin());
    const QFont font;
    const TabItem across{QRect(0, 0, 70, 24), "Alpha", {}, true, true};
    TabItem upright = across;
    upright.Rect = QRect(0, 0, 24, 70);
    const QImage top = CaptionMask(painter.PaintTab(across, TabSide::Top, font, {}));
    ASSERT_FALSE(top.isNull());
    EXPECT_EQ(CaptionMask(painter.PaintTab(across, TabSide::Bottom, font, {})), top);
    EXPECT_EQ(CaptionMask(painter.PaintTab(upright, TabSide::Left, font, {})),
              Rgb32(RotatedLeft(Bitmap(top)).Image()));
    EXPECT_EQ(CaptionMask(painter.PaintTab(upright, TabSide::Right, font, {})),
              Rgb32(RotatedRight(Bitmap(top)).Image()));
}

TEST_F(TabFamilyFixture, ABareTabBarDrawsItsLineAlongItsBase) {
    auto* bar = new QTabBar;
    bar->addTab("Alpha");
    bar->addTab("Beta");
    bar->setExpanding(false);
    bar->setMinimumWidth(300);
    Add(bar);
    const QImage picture = Grab(bar);
    const QRect last = bar->tabRect(1);
    EXPECT_TRUE(HasColour(picture, {last.right() + 10, bar->height() - 1}, kLineOuter));
    EXPECT_TRUE(HasColour(picture, {last.left() + 3, 3}, kOtherTab));
    EXPECT_TRUE(HasColour(picture, {last.right() + 10, 3}, probe::kForm));
}

struct TabSwitching : TabFamilyFixture {
    void SetUp() override {
        TabFamilyFixture::SetUp();
        tabs = new QTabWidget;
        for (const char* name : {"Alpha", "Beta", "Gamma"}) tabs->addTab(new QWidget, name);
        Add(tabs);
    }
    QTabWidget* tabs = nullptr;
};

TEST_F(TabSwitching, AClickOnATabShowsItsPageAndPaintsItSelected) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(tabs->currentIndex(), 2);
    const QRect tab = bar->tabRect(2).translated(bar->pos());
    EXPECT_TRUE(HasColour(Grab(tabs), tab.topLeft() + QPoint(3, 3), kSelectedTab));
}

TEST_F(TabSwitching, KeysSwitchTabs) {
    struct KeyCase {
        bool OnBar;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int From, To;
    };
    const KeyCase cases[] = {
        {false, Qt::Key_Tab, Qt::ControlModifier, 0, 1},
        {false, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0, 2},
        {true, Qt::Key_Right, {}, 1, 2},
        {true, Qt::Key_Left, {}, 1, 0},
    };
    for (const KeyCase& c : cases) {
        tabs->setCurrentIndex(c.From);
        QWidget* target = c.OnBar ? static_cast<QWidget*>(tabs->tabBar()) : tabs;
        QTest::keyClick(target, c.Key, c.Modifiers);
        EXPECT_EQ(tabs->currentIndex(), c.To) << c.Key;
    }
}

}  // namespace
}  // namespace skin::test
