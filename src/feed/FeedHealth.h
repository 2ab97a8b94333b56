#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "feed/Feed.h"
#include "feed/FeedContext.h"
#include "feed/RetryBackoff.h"
#include "feed/SleepWatch.h"

namespace plivant {

class MainView;

enum class FeedState {
    Idle,      // no feed was asked for yet
    Starting,  // choosing a server and loading the history
    Live,      // reading news as they come
    Waiting,   // down; the next try is scheduled
    Blocked,   // down for a reason retrying cannot mend (the settings); waits for the user
};

// What the window tells the user about the feed.
struct FeedHealthReport {
    using Clock = std::chrono::system_clock;
    FeedState State = FeedState::Idle;
    std::optional<FeedEnd> Why;  // the last end, while the feed has not been live since
    Clock::time_point LiveSince{};
    Clock::time_point DownSince{};  // when the feed went down, kept over failed tries
    std::optional<Clock::time_point> LastItem;
    std::chrono::seconds RetryIn{0};  // Waiting only

    bool Down() const { return Why.has_value(); }
    bool operator==(const FeedHealthReport&) const = default;
};

class FeedHealthListener {
public:
    virtual ~FeedHealthListener() = default;
    virtual void HealthChanged(const FeedHealthReport& report) = 0;
};

struct HealthTimings {
    using Millis = std::chrono::milliseconds;
    Millis FirstRetry{1000};
    Millis LastRetry{60000};  // the ceiling of the back-off
    double Spread = 0.2;      // ±20 % on every step after the first
    Millis Tick{1000};        // countdown and sleep checks
    Millis SleepThreshold{30000};
    RetryBackoff::Uniform Uniform;        // none: a random engine
    SleepWatch::Reading AsleepSinceBoot;  // none: the system clocks
};

// The one owner of the feed's health: knows whether it is starting, live or down and why, and
// is the only way to (re)start it. A feed that goes down is tried again with back-off until it
// is live; the user's refresh and a change of the settings start at once; the clock's watchdog
// starts only a feed nobody looks after; waking from suspend starts anew. While down, status
// panel 2 counts down to the next try. UI thread.
class FeedHealth : public QObject, public FeedObserver {
public:
    FeedHealth(Feed& feed, MainView& view, HealthTimings timings = {}, QObject* parent = nullptr);
    ~FeedHealth() override;

    // The refresh command: at once, from the first back-off step again. Nothing while a start
    // is in progress.
    void Refresh();
    // The start-up timer's start.
    void StartAtLaunch();
    // The settings dialog closed; `feedSettingsChanged` tells whether it changed what the feed
    // uses. A change during a start restarts once that start is over.
    void SettingsClosed(bool feedSettingsChanged);
    // One pass of the clock's watchdog.
    void WatchdogPass(bool timeServerAnswered);

    FeedState State() const { return report_.State; }
    const FeedHealthReport& Report() const { return report_; }
    void AddListener(FeedHealthListener* listener);

    void NewsArrived(const std::string& rowText) override;
    void LiveReaderStarted() override;
    void FeedEnded(FeedEnd why) override;

private:
    using Clock = std::chrono::steady_clock;
    void Begin(ClearRows clear);
    void RetryNow();
    void Tick();
    void ShowCountdown(bool always);
    std::chrono::seconds RetryIn() const;
    void SetState(FeedState state);
    void Publish();

    Feed& feed_;
    MainView& view_;
    RetryBackoff backoff_;
    SleepWatch sleep_;
    QTimer retry_;
    QTimer tick_;
    Clock::time_point retryAt_{};
    bool restartPending_ = false;
    FeedHealthReport report_;
    FeedHealthReport published_;
    std::vector<FeedHealthListener*> listeners_;
};

}  // namespace plivant
