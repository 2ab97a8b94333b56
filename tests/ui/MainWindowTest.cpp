#include <QAction>
#include <QMenuBar>
#include <future>
#include <thread>

#include <QLabel>
#include <QLayout>
#include "UiFixture.h"
#include "feed/Feed.h"
#include "feed/FeedHealth.h"
#include "ui/LinkLabel.h"
#include "ui/NewsGrid.h"

namespace plivant::test {
namespace {

using MainWindow = UiFixture;

TEST_F(MainWindow, CaptionSizesAndPanels) {
    EXPECT_EQ(window->windowTitle(), "Vetrasol Plivant 1.0 beta");
    // The skin's taller title may raise the height to what the window's layout needs.
    EXPECT_EQ(window->minimumWidth(), 735);
    EXPECT_GE(window->minimumHeight(), 200);
    EXPECT_GE(window->minimumHeight(), window->layout()->totalMinimumSize().height());
    window->resize(100, 50);
    EXPECT_GE(window->width(), 735);
    EXPECT_GE(window->height(), 200);
    const char* texts[] = {"MSK:", "GMT:", "NewsInfo:", "Status:"};
    const int lefts[] = {0, 100, 200, 650};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window->Status()->PanelText(i), texts[i]);
        EXPECT_EQ(window->Status()->Panel(i)->x(), lefts[i]);
        EXPECT_EQ(window->Status()->Panel(i)->width(), MainStatusBar::kWidths[size_t(i)]);
    }
    // The lamp sits at the right end of the last panel and starts red.
    QRect lamp = window->Status()->ConnectionLamp()->geometry();
    EXPECT_EQ(lamp, QRect(695, 5, 10, 10));
    EXPECT_EQ(window->Status()->ConnectionLamp()->Color(), QColor(Qt::red));
    EXPECT_EQ(Grid().rowCount(), 101);
    EXPECT_EQ(Grid().columnWidth(0), 1009);
    EXPECT_EQ(Grid().rowHeight(0), 16);  // 15 pixels and the grid line
    EXPECT_TRUE(window->Banner()->isHidden());
}

// The bar's own layout would put the panels lower than the bar and cut off their lower edge and
// the lamp's: each lies wholly inside the bar, and the bar inside the window's frame.
TEST_F(MainWindow, PanelsAndLampLieWhollyInsideTheStatusBar) {
    MainStatusBar* bar = window->Status();
    EXPECT_EQ(bar->height(), 19);
    const QRect inside = window->contentsRect();
    EXPECT_TRUE(inside.contains(QRect(bar->mapTo(window, QPoint()), bar->size())));
    std::vector<QWidget*> parts{bar->ConnectionLamp()};
    for (int i = 0; i < MainStatusBar::kPanels; ++i) parts.push_back(bar->Panel(i));
    for (QWidget* part : parts) {
        const std::string name = part->objectName().toStdString();
        EXPECT_TRUE(part->parentWidget()->rect().contains(part->geometry())) << name;
        EXPECT_TRUE(bar->rect().contains(QRect(part->mapTo(bar, QPoint()), part->size()))) << name;
    }
    EXPECT_EQ(bar->ConnectionLamp()->mapTo(bar, QPoint()), QPoint(695, 5));
    EXPECT_EQ(bar->Panel(0)->height(), 19);
}

TEST_F(MainWindow, MenuItemsAndShortcuts) {
    struct Item {
        const char* name;
        const char* text;
        QKeySequence key;
    };
    const Item items[] = {
        {"mnRefresh", "Обновить новости", QKeySequence(Qt::Key_F5)},
        {"mnSearch", "Поиск в архиве...", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"mnToTray", "Убрать в трей", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"mnProperties", "Настройки", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnExit", "Выход", QKeySequence(Qt::CTRL | Qt::Key_F4)},
        {"mnAbout", "О программе", QKeySequence(Qt::Key_F1)},
    };
    for (const Item& item : items) {
        QAction* action = window->Action(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.text));
        EXPECT_EQ(action->shortcut(), item.key);
    }
    int settingsShown = 0, aboutShown = 0, searchShown = 0;
    window->ShowSettings = [&] { ++settingsShown; };
    window->ShowAbout = [&] { ++aboutShown; };
    window->ShowSearch = [&] { ++searchShown; };
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_F1);
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(settingsShown, 1);
    EXPECT_EQ(aboutShown, 1);
    EXPECT_EQ(searchShown, 1);
}

TEST_F(MainWindow, ExitAndCloseEndTheProgram) {
    window->Action("mnExit")->trigger();
    EXPECT_EQ(ended, 1);
    window->close();
    EXPECT_EQ(ended, 2);
}

TEST_F(MainWindow, RefreshStartsAFeedThroughItsHealthOwner) {
    QTest::keyClick(window, Qt::Key_F5);
    EXPECT_TRUE(WaitFor(
        [&] { return Status2().startsWith(QString::fromUtf8("Нет соединения. Повтор через")); }));
    EXPECT_FALSE(wiring->NewsFeed().FeedStarting());
    EXPECT_EQ(wiring->Health().State(), FeedState::Waiting);
}

TEST_F(MainWindow, ViewCallsFromAWorkerLandOnTheUiThread) {
    auto worker = std::async(std::launch::async, [&] {
        window->View().SetStatusText(MainView::kInfoPanel, "from a worker");
        window->View().SetRowText(3, "row three");
        return window->View().RowText(3);
    });
    ASSERT_TRUE(WaitFor(
        [&] { return worker.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_EQ(worker.get(), "row three");
    EXPECT_EQ(Status2(), "from a worker");
}

TEST_F(MainWindow, ShiftMovesRowsAndTheSelectionDown) {
    for (int r = 0; r < NewsGrid::kRows; ++r)
        window->View().SetRowText(r, "row " + std::to_string(r));
    Grid().selectRow(7);
    window->View().ShiftRowsDown();
    EXPECT_EQ(window->View().RowText(0), "");
    EXPECT_EQ(window->View().RowText(8), "row 7");
    EXPECT_EQ(window->View().RowText(100), "row 99");
    EXPECT_EQ(Grid().rowCount(), 101);
    EXPECT_EQ(Grid().rowHeight(0), 16);
    ASSERT_EQ(Grid().selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(Grid().selectionModel()->selectedRows().front().row(), 8);
    window->View().ClearAllRows();
    EXPECT_EQ(window->View().RowText(8), "");
}

}  // namespace
}  // namespace plivant::test
