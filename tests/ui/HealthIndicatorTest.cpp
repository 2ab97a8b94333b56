#include "UiFixture.h"
#include "feed/FeedHealth.h"
#include "ui/HealthIndicator.h"
#include "ui/HealthTexts.h"
#include "ui/MainStatusBar.h"
#include "ui/MainTray.h"

namespace plivant::test {
namespace {

using Clock = FeedHealthReport::Clock;

Clock::time_point At(const QDateTime& when) {
    return Clock::time_point(std::chrono::milliseconds(when.toMSecsSinceEpoch()));
}

TEST(HealthTexts, SayWhatTheFeedDoesAndSinceWhen) {
    const QDateTime now(QDate(2026, 12, 10), QTime(10, 20, 30));
    const auto earlier = At(QDateTime(QDate(2026, 12, 10), QTime(9, 55, 11)));
    const auto yesterday = At(QDateTime(QDate(2026, 12, 9), QTime(23, 1, 2)));
    auto report = [](FeedState state, std::optional<FeedEnd> why = {}) {
        FeedHealthReport r;
        r.State = state;
        r.Why = why;
        return r;
    };
    struct Case {
        FeedHealthReport report;
        const char* text;
    };
    FeedHealthReport live = report(FeedState::Live);
    live.LiveSince = earlier;
    FeedHealthReport liveWithItem = live;
    liveWithItem.LastItem = At(QDateTime(QDate(2026, 12, 10), QTime(10, 20, 1)));
    FeedHealthReport waiting = report(FeedState::Waiting, FeedEnd::Dropped);
    waiting.DownSince = earlier;
    waiting.RetryIn = std::chrono::seconds(8);
    FeedHealthReport longDown = report(FeedState::Starting, FeedEnd::NoServer);
    longDown.DownSince = yesterday;
    FeedHealthReport blocked = report(FeedState::Blocked, FeedEnd::BadPort);
    blocked.DownSince = earlier;
    const Case cases[] = {
        {report(FeedState::Idle), "Лента новостей не запущена"},
        {report(FeedState::Starting), "Подключение..."},
        {live, "Новости поступают с 09:55:11. Новостей пока не было"},
        {liveWithItem, "Новости поступают с 09:55:11. Последняя новость: 10:20:01"},
        {waiting, "Нет соединения с 09:55:11 (соединение разорвано). Повтор через 8 с"},
        {longDown,
         "Нет соединения с 09.12.2026 23:01:02 (ни один сервер не отвечает). Подключение..."},
        {blocked,
         "Нет соединения с 09:55:11 (Порт в настройках не является номером порта). Проверьте "
         "настройки"},
    };
    for (const Case& c : cases) EXPECT_EQ(HealthText(c.report, now), QString::fromUtf8(c.text));
}

struct Indicator : UiFixture {
    void SetUp() override {
        UiFixture::SetUp();
        tray = std::make_unique<MainTray>(*window);
        tray->TrayAvailable = [] { return true; };
        indicator = std::make_unique<HealthIndicator>(*window->Status()->ConnectionLamp(), *tray);
    }
    QImage TrayPicture() { return tray->tiMain().icon().pixmap(32, 32).toImage(); }
    std::unique_ptr<MainTray> tray;
    std::unique_ptr<HealthIndicator> indicator;
};

TEST_F(Indicator, TheTrayIconGreysWhileTheFeedIsDownAndComesBackWhenLive) {
    tray->HideToTray();
    FeedHealthReport live;
    live.State = FeedState::Live;
    live.LiveSince = Clock::now();
    indicator->HealthChanged(live);
    EXPECT_FALSE(tray->ShowsFeedDown());
    const QImage up = TrayPicture();
    EXPECT_EQ(window->Status()->ConnectionLamp()->toolTip(), HealthText(live));
    EXPECT_EQ(tray->tiMain().toolTip(), "Vetrasol Plivant\n" + HealthText(live));

    FeedHealthReport down;
    down.State = FeedState::Waiting;
    down.Why = FeedEnd::Silent;
    down.DownSince = Clock::now();
    down.RetryIn = std::chrono::seconds(4);
    indicator->HealthChanged(down);
    EXPECT_TRUE(tray->ShowsFeedDown());
    const QImage grey = TrayPicture();
    EXPECT_NE(grey, up);
    // Grey except the red mark in the lower right.
    const QColor corner = grey.pixelColor(4, 4), mark = grey.pixelColor(23, 28);
    EXPECT_EQ(corner.red(), corner.green());
    EXPECT_GT(mark.red(), 180);
    EXPECT_LT(mark.green(), 60);
    EXPECT_TRUE(tray->tiMain().toolTip().contains(QString::fromUtf8("Повтор через 4 с")));

    indicator->HealthChanged(live);
    EXPECT_FALSE(tray->ShowsFeedDown());
    EXPECT_EQ(TrayPicture(), up);

    // A feed that goes down while the window is shown greys the icon the tray then shows.
    tray->RestoreFromTray();
    indicator->HealthChanged(down);
    tray->HideToTray();
    EXPECT_EQ(TrayPicture(), grey);
}

}  // namespace
}  // namespace plivant::test
