#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>

#include "ProbeSkin.h"
#include "SkinFixture.h"
#include "skin/values/SkinMarks.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/MdiArrange.h"
#include "skin/windows/MdiMenus.h"
#include "skin/windows/TSkinMdiFrame.h"
#include "skin/windows/TSkinWindowVCL.h"

namespace skin::test {
namespace {

using Kind = TSkinMenuBarControlButton::Kind;

TEST(MdiArithmetic, CascadeStepsBy22FromTheTopLeft) {
    const std::vector<QRect> rects = CascadeRects(QSize(500, 300), 3);
    const std::vector<QRect> expected = {QRect(0, 0, 400, 180), QRect(22, 22, 400, 180),
                                         QRect(44, 44, 400, 180)};
    EXPECT_EQ(rects, expected);
}

TEST(MdiArithmetic, TilingInRowsAndColumns) {
    struct TileCase {
        TileRoom Room;
        bool Horizontal;
        std::vector<QRect> Expected;
    };
    const TileCase cases[] = {
        {{QSize(500, 300), 3, 3, false},
         true,
         {QRect(0, 0, 496, 98), QRect(0, 98, 496, 98), QRect(0, 196, 496, 98)}},
        {{QSize(500, 300), 2, 2, false}, false, {QRect(0, 0, 248, 296), QRect(248, 0, 248, 296)}},
        // A minimised child keeps a row of 25 pixels.
        {{QSize(500, 300), 2, 3, true}, true, {QRect(0, 0, 496, 135), QRect(0, 135, 496, 135)}},
        // A single child is 2 pixels smaller.
        {{QSize(500, 300), 1, 1, false}, false, {QRect(0, 0, 496, 296)}},
        {{QSize(500, 300), 1, 1, false}, true, {QRect(0, 0, 496, 296)}},
        {{QSize(500, 300), 0, 1, true}, true, {}},
    };
    for (const TileCase& c : cases) {
        EXPECT_EQ(TileRects(c.Room, c.Horizontal), c.Expected) << c.Room.Count << c.Horizontal;
    }
}

inline constexpr ColorRef kMinimizedTitle = 0x00445566;
inline constexpr QSize kMinimizedSize{120, 24};

// A main form holding an MDI area with three children, the first two with menus of their own,
// and a window menu; skinned with the probe skin (and a minimised title picture).
struct Mdi : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<QMainWindow>();
        form->setWindowTitle("Frame");
        form->resize(600, 400);
        fileMenu = form->menuBar()->addMenu("&File");
        fileMenu->addAction("&New");
        windowMenu = form->menuBar()->addMenu("&Window");
        windowMenu->addAction("&Cascade");
        SetWindowMenu(form.get(), windowMenu);
        area = new QMdiArea;
        form->setCentralWidget(area);
        for (int i = 0; i < 3; ++i) {
            QMdiSubWindow* child = area->addSubWindow(new QLabel(QString("Text %1").arg(i)));
            child->setWindowTitle(QString("Child %1").arg(i));
            child->setGeometry(10 * i, 10 * i, 240, 150);
            children.push_back(child);
            if (i == 2) continue;
            auto* menu = new QMenu(child);
            childMenus.push_back(menu->addMenu(QString("Doc&%1").arg(i)));
            menu->addMenu(windowMenu);
            SetMdiChildMenu(child->widget(), menu);
        }
        children[2]->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
        mainActions = form->menuBar()->actions();
        engine = new TSkinEngine(form.get());
        Bitmap minimized(kMinimizedSize.width(), kMinimizedSize.height());
        minimized.Image().fill(Q(kMinimizedTitle));
        engine->SetSkinData(
            ProbeSkinWith({SkinElement::Bitmap("SKIN2_MINIMIZEDTITLE", minimized.ToBmp())}));
        engine->SetActive(true);
        engine->Loaded();
        ASSERT_TRUE(ShowAndWait(form.get()));
        Activate(0);
    }
    void TearDown() override { form.reset(); }

    TSkinMdiFrame& Frame() const {
        return *static_cast<TSkinWindowVCL*>(engine->FindSkinWindow(form.get()))->MdiFrame();
    }
    void Activate(int i) {
        area->setActiveSubWindow(children[size_t(i)]);
        QCoreApplication::processEvents();
    }
    QList<QAction*> BarActions() const { return form->menuBar()->actions(); }
    QStringList WindowList() const {
        QStringList list;
        for (QAction* item : windowMenu->actions()) {
            list << (item->isSeparator() ? "-" : item->text() + (item->isChecked() ? "*" : ""));
        }
        return list;
    }
    QImage Shot(QWidget* widget) const { return widget->grab().toImage(); }
    static bool Is(const QImage& image, const QPoint& at, ColorRef colour) {
        return image.pixelColor(at) == Q(colour);
    }
    FrameGeometry GeometryOf(const QMdiSubWindow* child) const {
        FrameTraits traits;
        traits.SystemIcon = traits.Close = true;
        traits.Maximize = true;
        traits.Minimize = child->windowFlags() & Qt::WindowMinimizeButtonHint;
        return FrameGeometry(engine->Skin().Metrics(), engine->Skin().Pieces(), child->size(),
                             traits);
    }
    void Click(QWidget* widget, const QPoint& at) {
        QTest::mouseMove(widget, at);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }
    MdiControlButtons* Buttons() const { return Frame().ControlButtons(); }
    bool ButtonShown(Kind kind) const {
        return Buttons() && Buttons()->isVisible() && Buttons()->Button(kind)->isVisible();
    }

    std::unique_ptr<QMainWindow> form;
    TSkinEngine* engine = nullptr;
    QMdiArea* area = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* windowMenu = nullptr;
    std::vector<QMdiSubWindow*> children;
    std::vector<QMenu*> childMenus;
    QList<QAction*> mainActions;
};

TEST_F(Mdi, ChildrenWearTheSkinsTitleAndBorders) {
    QMdiSubWindow* child = children[0];
    const int border = std::max({probe::kBorder, probe::kBottomHeight});
    EXPECT_EQ(child->contentsMargins(), QMargins(border, probe::kTitleHeight, border, border));
    const QImage picture = Shot(child);
    const int w = child->width();
    const int h = child->height();
    EXPECT_TRUE(Is(picture, {w / 2, 10}, probe::kTitle2));
    EXPECT_TRUE(Is(picture, {1, probe::kTitleHeight + 5}, probe::kLeft));
    EXPECT_TRUE(Is(picture, {w - 2, probe::kTitleHeight + 5}, probe::kRight));
    EXPECT_TRUE(Is(picture, {w / 2, h - 1}, probe::kBottom));
    // The gap the wider bottom border leaves at the sides is in the form colour.
    EXPECT_TRUE(Is(picture, {probe::kBorder, probe::kTitleHeight + 5}, probe::kForm));
    const QRect close = GeometryOf(child).Button(caption::kClose);
    EXPECT_TRUE(Is(picture, close.center(), ButtonFrameColour(16)));
}

TEST_F(Mdi, CaptionButtonsLightUpAndActWhereTheSkinDrawsThem) {
    QMdiSubWindow* child = children[1];
    Activate(1);
    const QRect close = GeometryOf(child).Button(caption::kClose);
    QTest::mouseMove(child, close.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(close.center()),
                     child->mapToGlobal(QPointF(close.center())), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(child, &move);
    EXPECT_TRUE(Is(Shot(child), close.center(), ButtonFrameColour(17)));
    const QRect maximize = GeometryOf(child).Button(caption::kMaximize);
    Click(child, maximize.center());
    EXPECT_TRUE(child->isMaximized());
    EXPECT_EQ(child->contentsMargins(), QMargins());
}

TEST_F(Mdi, AMaximisedChildLeavesItsButtonsOnTheMenuRow) {
    struct HintCase {
        int Child;
        bool Minimize;
    };
    for (const HintCase& c : {HintCase{0, true}, HintCase{2, false}}) {
        QMdiSubWindow* child = children[size_t(c.Child)];
        Activate(c.Child);
        child->showMaximized();
        QCoreApplication::processEvents();
        ASSERT_TRUE(Buttons());
        EXPECT_EQ(form->menuBar()->cornerWidget(Qt::TopRightCorner), Buttons());
        EXPECT_TRUE(ButtonShown(Kind::Close));
        EXPECT_TRUE(ButtonShown(Kind::Restore));
        EXPECT_EQ(ButtonShown(Kind::Minimize), c.Minimize);
        // At the row's right end, inside the bar.
        const QRect row = form->menuBar()->rect();
        const QRect buttons = Buttons()->geometry();
        EXPECT_TRUE(row.contains(buttons)) << buttons.x() << "," << buttons.y();
        EXPECT_GE(buttons.right(), row.right() - TSkinMenuBarControlButton::kSize);
        // Restoring the child takes them away; so does the restore button.
        child->showNormal();
        QCoreApplication::processEvents();
        EXPECT_FALSE(Buttons()->isVisible());
        EXPECT_EQ(form->menuBar()->cornerWidget(Qt::TopRightCorner), nullptr);
    }
}

TEST_F(Mdi, TheControlButtonsActOnTheActiveChild) {
    QMdiSubWindow* child = children[0];
    child->showMaximized();
    QCoreApplication::processEvents();
    TSkinMenuBarControlButton* restore = Buttons()->Button(Kind::Restore);
    Click(restore, QPoint(9, 9));
    EXPECT_FALSE(child->isMaximized());
    child->showMaximized();
    QCoreApplication::processEvents();
    Click(Buttons()->Button(Kind::Minimize), QPoint(9, 9));
    EXPECT_TRUE(child->isMinimized());
    Activate(1);
    children[1]->showMaximized();
    QCoreApplication::processEvents();
    Click(Buttons()->Button(Kind::Close), QPoint(9, 9));
    EXPECT_FALSE(children[1]->isVisible());
}

TEST_F(Mdi, TheActiveChildsMenuShowsOnTheFramesMenuBar) {
    EXPECT_EQ(BarActions(),
              QList<QAction*>({childMenus[0]->menuAction(), windowMenu->menuAction()}));
    Activate(1);
    EXPECT_EQ(BarActions().first(), childMenus[1]->menuAction());
    Activate(2);  // a child without a menu
    EXPECT_EQ(BarActions(), mainActions);
    Activate(0);
    area->hide();  // an MDI area out of sight has no active child for the frame's menu
    QCoreApplication::processEvents();
    EXPECT_EQ(BarActions(), mainActions);
}

TEST_F(Mdi, TheWindowMenuListsTheChildren) {
    Activate(2);
    // In stacking order from the bottom: 0 was activated after 1, then 2.
    EXPECT_EQ(WindowList(), QStringList({"&Cascade", "-", "Child 1", "Child 0", "Child 2*"}));
    children[1]->setWindowTitle("Renamed");
    children[0]->hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(WindowList(), QStringList({"&Cascade", "-", "Renamed", "Child 2*"}));
    EXPECT_EQ(windowMenu->actions().size(), 4);
}

TEST_F(Mdi, AWindowMenuItemRestoresAndActivatesItsChild) {
    children[1]->showMinimized();
    Activate(2);
    QAction* item = nullptr;
    for (QAction* each : windowMenu->actions()) {
        if (each->text() == "Child 1") item = each;
    }
    ASSERT_TRUE(item);
    item->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(children[1]->isMinimized());
    EXPECT_EQ(area->activeSubWindow(), children[1]);
    EXPECT_EQ(WindowList().last(), "Child 1*");
}

TEST_F(Mdi, AMinimisedChildShowsTheSkinsMinimisedTitle) {
    children[0]->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(children[0]->size(), kMinimizedSize);
    EXPECT_TRUE(Is(Shot(children[0]), {kMinimizedSize.width() / 2, kMinimizedSize.height() - 2},
                   kMinimizedTitle));
}

TEST_F(Mdi, CascadeAndTileFollowTheSkinsArithmetic) {
    const QSize client = area->viewport()->size();
    CascadeChildren(area);
    const std::vector<QRect> cascade = CascadeRects(client, 3);
    const QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(stack[i]->geometry(), cascade[size_t(i)]);
    TileChildren(area, false);
    const std::vector<QRect> tiles = TileRects(RoomOf(area), false);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(stack[i]->geometry(), tiles[size_t(i)]);
}

TEST_F(Mdi, SwitchingTheSkinOffPutsTheFrameBackAndOnAgainReapplies) {
    children[0]->showMaximized();
    QCoreApplication::processEvents();
    engine->SetActive(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(BarActions(), mainActions);
    EXPECT_EQ(WindowList(), QStringList({"&Cascade"}));
    // Qt may show buttons of its own there; the skin's are gone for good.
    EXPECT_NE(form->menuBar()->cornerWidget(Qt::TopRightCorner), Buttons());
    children[0]->showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Buttons()->isVisible());
    children[0]->showMaximized();
    for (QMdiSubWindow* child : children) {
        EXPECT_FALSE(child->testAttribute(Qt::WA_SetStyle));
        EXPECT_FALSE(child->testAttribute(Qt::WA_SetPalette));
    }
    EXPECT_FALSE(IsArrangedBySkin(area));
    engine->SetActive(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(BarActions().first(), childMenus[0]->menuAction());
    EXPECT_EQ(WindowList().size(), 5);
    EXPECT_TRUE(children[1]->testAttribute(Qt::WA_SetStyle));
    EXPECT_TRUE(ButtonShown(Kind::Close));
}

TEST_F(Mdi, AChildAddedLaterIsSkinnedAndListed) {
    QMdiSubWindow* late = area->addSubWindow(new QLabel("Late"));
    late->setWindowTitle("Late");
    late->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(late->testAttribute(Qt::WA_SetStyle));
    EXPECT_TRUE(WindowList().contains("Late*"));
    delete late;
    QCoreApplication::processEvents();
    EXPECT_FALSE(WindowList().join(",").contains("Late"));
}

}  // namespace
}  // namespace skin::test
