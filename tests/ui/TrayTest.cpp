#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>

#include "UiFixture.h"
#include "ui/MainTray.h"

namespace plivant::test {
namespace {

// A main window with its tray; a notification area is stood in for unless a test says not.
struct TrayFixture : UiFixture {
    void SetUp() override {
        UiFixture::SetUp();
        tray = std::make_unique<MainTray>(*window);
        tray->TrayAvailable = [this] { return available; };
        tray->ShowError = [this](const QString& text) { errors.push_back(text); };
    }
    bool InTrayNow() {
        return WaitFor([&] { return tray->IsInTray(); }) && window->isHidden();
    }

    std::unique_ptr<MainTray> tray;
    bool available = true;
    std::vector<QString> errors;
};

TEST_F(TrayFixture, MinimiseAndCtrlTHideTheWindowBehindTheIcon) {
    EXPECT_FALSE(tray->IsInTray());
    EXPECT_FALSE(window->View().IsInTray());
    window->showMinimized();
    ASSERT_TRUE(InTrayNow());
    EXPECT_TRUE(window->View().IsInTray());
    EXPECT_EQ(tray->tiMain().toolTip(), "Vetrasol Plivant");
    EXPECT_FALSE(tray->tiMain().icon().isNull());

    tray->RestoreFromTray();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(tray->IsInTray());

    QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(InTrayNow());
    EXPECT_TRUE(errors.empty());
}

TEST_F(TrayFixture, ClickOnTheIconRestoresOnItsFirstClick) {
    window->showMinimized();
    ASSERT_TRUE(InTrayNow());
    emit tray->tiMain().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(tray->IsInTray());
    // The second click of a double-click changes nothing more.
    emit tray->tiMain().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(tray->IsInTray());
}

TEST_F(TrayFixture, MenuShowsTheWindowOrEndsTheProgram) {
    QList<QAction*> items = tray->PopupMenu1().actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QString::fromUtf8("Показать"));
    EXPECT_FALSE(items[0]->icon().isNull());
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), QString::fromUtf8("Выход"));
    EXPECT_EQ(tray->tiMain().contextMenu(), &tray->PopupMenu1());

    window->showMinimized();
    ASSERT_TRUE(InTrayNow());
    items[0]->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(tray->IsInTray());

    window->showMinimized();
    ASSERT_TRUE(InTrayNow());
    items[2]->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(window->isHidden());  // ended without showing the window first
}

TEST_F(TrayFixture, AnOpenDialogComesBackOnTopAndActive) {
    for (bool modal : {true, false}) {
        QMessageBox box(QMessageBox::Critical, "Vetrasol Plivant", "text", QMessageBox::Ok, window);
        box.setModal(modal);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        window->showMinimized();
        box.showMinimized();  // as a window manager minimises a window's dialogs with it
        ASSERT_TRUE(InTrayNow());
        tray->RestoreFromTray();
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(box.isVisible()) << modal;
        EXPECT_FALSE(box.isMinimized()) << modal;
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box)) << modal;
        EXPECT_EQ(QApplication::activeWindow(), &box) << modal;
    }
}

TEST_F(TrayFixture, WithoutANotificationAreaTheWindowStaysOnScreen) {
    available = false;
    window->showMinimized();
    ASSERT_TRUE(WaitFor([&] { return !errors.empty(); }));
    EXPECT_EQ(errors, std::vector<QString>{"Cannot create shell notification icon"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(tray->IsInTray());
}

}  // namespace
}  // namespace plivant::test
