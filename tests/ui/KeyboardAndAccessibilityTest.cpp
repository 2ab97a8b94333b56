#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPlainTextEdit>

#include "UiFixture.h"
#include "feed/FeedTexts.h"
#include "ui/LinkLabel.h"
#include "ui/TfmPopup.h"
#include "ui/TunePlayer.h"

namespace plivant::test {
namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Offscreen, Qt sends no accessibility events (there is no bridge to send them to); the AT-SPI
// end-to-end test hears them. These tests ask the interfaces a screen reader would ask.
using Keyboard = UiFixture;

TEST_F(Keyboard, GridTakesTheFocusOnActivationAndClickButNotByTab) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_TRUE(Grid().hasFocus());
    EXPECT_FALSE(Grid().focusPolicy() & Qt::TabFocus);

    window->setFocus();  // the focus elsewhere; a click brings it back
    ASSERT_FALSE(Grid().hasFocus());
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, RowPoint(3));
    EXPECT_TRUE(Grid().hasFocus());
}

TEST_F(Keyboard, KeysMoveTheSelectionAndPanelTwoFollows) {
    for (int row : {0, 1, 2, 100}) PutItem(row, "item " + std::to_string(row));
    Grid().setFocus();
    struct Step {
        Qt::Key key;
        int row;
        const char* panel;
    };
    const Step steps[] = {
        {Qt::Key_Down, 0, "Info: item 0"},  // the first step selects the newest row
        {Qt::Key_Down, 1, "Info: item 1"},    {Qt::Key_Up, 0, "Info: item 0"},
        {Qt::Key_End, 100, "Info: item 100"}, {Qt::Key_Home, 0, "Info: item 0"},
    };
    for (const Step& step : steps) {
        QTest::keyClick(&Grid(), step.key);
        EXPECT_EQ(Grid().SelectedRow(), step.row) << step.key;
        EXPECT_EQ(Status2(), QString::fromUtf8(step.panel)) << step.key;
    }
    // A page down lands on an empty row, which leaves the panel alone.
    QTest::keyClick(&Grid(), Qt::Key_PageDown);
    EXPECT_GT(Grid().SelectedRow(), 2);
    EXPECT_EQ(Status2(), QString::fromUtf8("Info: item 0"));

    // While a details fetch runs, the selection moves but the panel keeps its text.
    window->View().SetStatusText(MainView::kInfoPanel, texts::Loading());
    QTest::keyClick(&Grid(), Qt::Key_Home);
    EXPECT_EQ(Grid().SelectedRow(), 0);
    EXPECT_EQ(window->View().StatusText(MainView::kInfoPanel), texts::Loading());
}

TEST_F(Keyboard, RowsDescribeWhatTheirColourShows) {
    struct Case {
        const char* important;
        const char* attachment;
        const char* description;
    };
    const Case cases[] = {{"1", "1", "важная, есть полный текст"},
                          {"1", "0", "важная"},
                          {"0", "1", "есть полный текст"},
                          {"0", "0", ""}};
    for (int row = 0; row < 4; ++row) {
        PutItem(row, "item", cases[row].important, cases[row].attachment);
    }
    QAccessibleTableInterface* table = Accessible(&Grid())->tableInterface();
    ASSERT_NE(table, nullptr);
    auto description = [&](int row) {
        return table->cellAt(row, 0)->text(QAccessible::Description);
    };
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(table->cellAt(row, 0)->text(QAccessible::Name), Grid().RowText(row));
        EXPECT_EQ(description(row), QString::fromUtf8(cases[row].description));
    }
    EXPECT_EQ(description(50), "");  // an empty row

    // A live item moves the rows down: the description goes with the item's flags.
    wiring->Store().ShiftRowsDown();
    window->View().ShiftRowsDown();
    PutItem(0, "new");
    auto data = [&](int row) {
        return Grid().model()->index(row, 0).data(Qt::AccessibleDescriptionRole).toString();
    };
    EXPECT_EQ(data(0), "");
    EXPECT_EQ(data(1), QString::fromUtf8("важная, есть полный текст"));
}

TEST_F(Keyboard, LampLogoAndBannerHaveNames) {
    Lamp* lamp = window->Status()->ConnectionLamp();
    const QString down = QString::fromUtf8("Статус: нет соединения");
    const QString live = QString::fromUtf8("Статус: подключено");
    EXPECT_EQ(Accessible(lamp)->text(QAccessible::Name), down);
    window->View().SetLamp(MainView::kLampGreen);
    EXPECT_EQ(Accessible(lamp)->text(QAccessible::Name), live);
    window->View().SetLamp(MainView::kLampRed);
    EXPECT_EQ(Accessible(lamp)->text(QAccessible::Name), down);

    QAccessibleInterface* logo = Accessible(window->findChild<QWidget*>("Image1"));
    EXPECT_EQ(logo->role(), QAccessible::Link);
    EXPECT_EQ(logo->text(QAccessible::Name), QString::fromUtf8("Логотип Vetrasol"));

    int clicks = 0;
    window->BannerClick = [&] { ++clicks; };
    window->Banner()->setText(QString::fromUtf8("Евро растёт"));
    QAccessibleInterface* banner = Accessible(window->Banner());
    EXPECT_EQ(banner->role(), QAccessible::Link);
    EXPECT_EQ(banner->text(QAccessible::Name), QString::fromUtf8("Евро растёт"));
    // A screen reader's user follows the link by its action.
    ASSERT_NE(banner->actionInterface(), nullptr);
    EXPECT_EQ(banner->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST(PopupAccessible, IsANotificationThatReadsItsNews) {
    TfmPopup popup(nullptr);
    popup.SetTunePlayer(nullptr);
    popup.IsInTray = [] { return true; };
    FeedPopup(popup, Utf8ToWire("EUR/USD 1.0850"));
    ASSERT_TRUE(popup.isVisible());
    EXPECT_EQ(Accessible(&popup)->role(), QAccessible::Notification);
    EXPECT_EQ(Accessible(&popup)->text(QAccessible::Name), "EUR/USD 1.0850");
}

}  // namespace
}  // namespace plivant::test
