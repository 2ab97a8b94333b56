#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <memory>

#include "core/TextCodec.h"
#include "feed/MainView.h"
#include "support/WaitFor.h"
#include "ui/TfmPopup.h"
#include "ui/TunePlayer.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

// Counts the tunes asked for instead of playing them; fails like a missing sound device when
// told to.
struct CountingPlayer : TunePlayer {
    void Play(const std::string&) override {
        ++plays;
        if (fail) throw MediaError("Failed to open the \"default\" audio device");
    }
    int plays = 0;
    bool fail = false;
};

struct PopupFixture : ::testing::Test {
    void SetUp() override { Make(400ms); }
    void Make(std::chrono::milliseconds showTime) {
        popup = std::make_unique<TfmPopup>(nullptr, showTime, 150ms);
        auto owned = std::make_unique<CountingPlayer>();
        player = owned.get();
        popup->SetTunePlayer(std::move(owned));
        popup->SetTuneFile(QCoreApplication::applicationFilePath());  // any file that exists
        popup->IsInTray = [this] { return inTray; };
        popup->ShowMainWindow = [this] { ++mainShown; };
        popup->ReportMediaError = [this](const QString& text) { errors.push_back(text); };
    }
    void Item(const char* text) { FeedPopup(*popup, Utf8ToWire(text)); }
    bool GoneAfterFade() {
        return WaitFor([&] { return popup->isHidden(); }) && popup->windowOpacity() == 1.0;
    }
    QPoint Corner() const {
        QRect screen = QGuiApplication::primaryScreen()->geometry();
        return {screen.right() + 1 - 177, screen.bottom() + 1 - 167 - 30};
    }

    std::unique_ptr<TfmPopup> popup;
    CountingPlayer* player = nullptr;
    bool inTray = true;
    int mainShown = 0;
    std::vector<QString> errors;
};

TEST_F(PopupFixture, NothingWhileTheWindowIsShown) {
    inTray = false;
    Item("12:00:00  EUR/USD tests 1.1000");
    EXPECT_TRUE(popup->isHidden());
    EXPECT_EQ(player->plays, 0);
}

TEST_F(PopupFixture, ShownInTheCornerWithOneTune) {
    EXPECT_EQ(popup->size(), QSize(177, 167));
    EXPECT_TRUE(popup->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(popup->windowFlags() & Qt::WindowStaysOnTopHint);
    Make(20s);
    Item("12:00:00  first item");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->pos(), Corner());
    EXPECT_EQ(player->plays, 1);
    EXPECT_TRUE(popup->Timer1().isActive());

    // A second item while it is up: new text, same place, no second tune.
    popup->move(0, 0);
    Item("12:00:05  second item");
    EXPECT_EQ(popup->mNews()->toPlainText(), "12:00:05  second item");
    EXPECT_EQ(popup->pos(), QPoint(0, 0));
    EXPECT_EQ(player->plays, 1);
}

TEST_F(PopupFixture, TheTimerTicksOnceAfterCreationAndThenPerPopup) {
    ASSERT_TRUE(popup->Timer1().isActive());
    int before = 0;
    ASSERT_TRUE(WaitFor([&] { return (before = popup->Timer1().remainingTime()) < 300; }));
    Item("12:00:00  shown late in the first interval");
    // Enabling a running timer does not restart its count.
    EXPECT_LE(popup->Timer1().remainingTime(), before);
    EXPECT_TRUE(WaitFor([&] { return popup->Fading(); }));
    EXPECT_TRUE(GoneAfterFade());
    EXPECT_FALSE(popup->Timer1().isActive());

    Item("12:01:00  next");
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(popup->Timer1().isActive());
    EXPECT_TRUE(GoneAfterFade());
    EXPECT_EQ(player->plays, 2);
}

TEST_F(PopupFixture, DoubleClickFadesOutAndCallsTheMainWindow) {
    Make(20s);
    Item("12:00:00  item");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup.get()));
    QTest::mouseDClick(popup->mNews()->viewport(), Qt::LeftButton);
    // The fade runs on while the UI thread goes on.
    EXPECT_TRUE(popup->Fading());
    EXPECT_FALSE(popup->Timer1().isActive());
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(inTray);
    EXPECT_TRUE(GoneAfterFade());
}

TEST_F(PopupFixture, AnItemDuringTheFadeGetsAPopupOfItsOwn) {
    Make(20s);
    Item("12:00:00  first");
    QTest::mouseDClick(popup->mNews()->viewport(), Qt::LeftButton);
    ASSERT_TRUE(popup->Fading());
    Item("12:00:01  second");
    EXPECT_FALSE(popup->Fading());
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->windowOpacity(), 1.0);
    EXPECT_TRUE(popup->Timer1().isActive());
    EXPECT_EQ(player->plays, 2);
}

TEST_F(PopupFixture, ABrokenSoundDeviceIsReportedOnceAndThePopupStillShows) {
    Make(20s);
    player->fail = true;
    for (int i = 0; i < 2; ++i) {
        Item("12:00:00  item");
        EXPECT_TRUE(popup->isVisible());
        QTest::mouseDClick(popup->mNews()->viewport(), Qt::LeftButton);
        ASSERT_TRUE(GoneAfterFade());
    }
    EXPECT_EQ(player->plays, 2);
    EXPECT_EQ(errors, std::vector<QString>{"Failed to open the \"default\" audio device"});
}

TEST_F(PopupFixture, NoTuneFileNoTune) {
    popup->SetTuneFile("/nonexistent/message.mid");
    Item("12:00:00  item");
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(player->plays, 0);
}

}  // namespace
}  // namespace plivant::test
