#include "feed/FeedHealth.h"

#include <algorithm>

#include "feed/Feed.h"
#include "feed/FeedTexts.h"
#include "feed/MainView.h"

namespace plivant {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

FeedHealth::FeedHealth(Feed& feed, MainView& view, HealthTimings timings, QObject* parent)
    : QObject(parent),
      feed_(feed),
      view_(view),
      backoff_(timings.FirstRetry, timings.LastRetry, timings.Spread, std::move(timings.Uniform)),
      sleep_(timings.SleepThreshold, timings.AsleepSinceBoot
                                         ? std::move(timings.AsleepSinceBoot)
                                         : SleepWatch::Reading(&SleepWatch::AsleepSinceBoot)) {
    feed_.AddObserver(this);
    retry_.setSingleShot(true);
    retry_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire 5 % early
    connect(&retry_, &QTimer::timeout, this, [this] { RetryNow(); });
    tick_.setInterval(timings.Tick);
    connect(&tick_, &QTimer::timeout, this, [this] { Tick(); });
    tick_.start();
}

FeedHealth::~FeedHealth() = default;

void FeedHealth::AddListener(FeedHealthListener* listener) {
    listeners_.push_back(listener);
    listener->HealthChanged(report_);
}

void FeedHealth::Refresh() {
    if (feed_.FeedStarting()) return;
    backoff_.Reset();
    Begin(ClearRows::AtStart);
}

void FeedHealth::StartAtLaunch() {
    if (feed_.FeedStarting()) return;
    Begin(ClearRows::AtStart);
}

void FeedHealth::SettingsClosed(bool feedSettingsChanged) {
    if (!feedSettingsChanged) return;
    if (feed_.FeedStarting()) {
        // The start under way took the old settings; a second feed must not run beside it.
        restartPending_ = true;
        return;
    }
    backoff_.Reset();
    Begin(ClearRows::AtStart);
}

void FeedHealth::WatchdogPass(bool timeServerAnswered) {
    // A feed that is starting, live or waiting for its retry is looked after already.
    if (report_.State != FeedState::Idle || feed_.FeedStarting() || timeServerAnswered) return;
    view_.SetLamp(MainView::kLampRed);
    Begin(ClearRows::WhenConnected);
}

void FeedHealth::Begin(ClearRows clear) {
    retry_.stop();
    restartPending_ = false;
    SetState(FeedState::Starting);
    feed_.StartFeed(clear);  // a start the settings refuse ends within this call
}

void FeedHealth::RetryNow() {
    if (feed_.FeedStarting()) return;
    // The old rows stay until a server answers: a try that reaches nothing takes nothing away.
    Begin(ClearRows::WhenConnected);
}

void FeedHealth::NewsArrived(const std::string&) {
    report_.LastItem = FeedHealthReport::Clock::now();
}

void FeedHealth::LiveReaderStarted() {
    backoff_.Reset();
    report_.Why.reset();
    report_.LiveSince = FeedHealthReport::Clock::now();
    SetState(FeedState::Live);
    if (restartPending_) Begin(ClearRows::AtStart);
}

void FeedHealth::FeedEnded(FeedEnd why) {
    if (!report_.Down()) report_.DownSince = FeedHealthReport::Clock::now();
    report_.Why = why;
    if (restartPending_) {
        backoff_.Reset();
        Begin(ClearRows::AtStart);
        return;
    }
    if (IsSettingsFault(why)) {
        // Trying again cannot help until the settings change or the user refreshes.
        retry_.stop();
        SetState(FeedState::Blocked);
        return;
    }
    auto wait = backoff_.Next();
    retryAt_ = Clock::now() + wait;
    retry_.start(wait);
    report_.State = FeedState::Waiting;
    ShowCountdown(true);
    Publish();
}

void FeedHealth::Tick() {
    if (sleep_.Slept() &&
        (report_.State == FeedState::Live || report_.State == FeedState::Waiting)) {
        // Whatever the connection looked like before the sleep, it is not to be trusted.
        backoff_.Reset();
        Begin(ClearRows::WhenConnected);
        return;
    }
    if (report_.State == FeedState::Waiting) ShowCountdown(false);
    Publish();
}

std::chrono::seconds FeedHealth::RetryIn() const {
    auto left = std::max(retryAt_ - Clock::now(), Clock::duration::zero());
    // Rounded up: "1 с" until the try itself.
    return std::max(std::chrono::ceil<std::chrono::seconds>(left), std::chrono::seconds(1));
}

void FeedHealth::ShowCountdown(bool always) {
    report_.RetryIn = RetryIn();
    const std::string current = view_.StatusText(MainView::kInfoPanel);
    // A details fetch keeps its text; a row's information line under the pointer is left until
    // the pointer leaves, unless the feed has just gone down.
    if (current == texts::Loading()) return;
    if (!always && !current.empty() && !StartsWith(current, texts::NoConnection())) return;
    view_.SetStatusText(MainView::kInfoPanel, texts::RetryIn(int(report_.RetryIn.count())));
    view_.RepaintStatus();
}

void FeedHealth::SetState(FeedState state) {
    report_.State = state;
    if (state != FeedState::Waiting) report_.RetryIn = std::chrono::seconds(0);
    Publish();
}

void FeedHealth::Publish() {
    if (report_ == published_) return;
    published_ = report_;
    for (FeedHealthListener* listener : listeners_) listener->HealthChanged(report_);
}

}  // namespace plivant
