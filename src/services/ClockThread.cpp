#include "services/ClockThread.h"

#include "feed/MainView.h"
#include "services/FeedPort.h"

namespace plivant {

ClockThread::ClockThread(MainView& view, FeedPort& feed, ClockOptions options)
    : view_(view), feed_(feed), options_(std::move(options)) {
    tcTime_.SetRemoteHost(options_.Server.Host);
    tcTime_.SetRemotePort(options_.Server.Port);
    tcTime_.SetConnectLimit(options_.ConnectLimit);
    tcTime_.SetReadLimit(options_.ReadLimit);
}

ClockThread::~ClockThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    tcTime_.Shutdown();
    ui_.Cancel();
    if (thread_.joinable()) thread_.join();
}

void ClockThread::Start() {
    thread_ = std::thread([this] { Run(); });
}

void ClockThread::Run() {
    do {
        try {
            Pass();
        } catch (...) {
            // A failed pass changes nothing; the next one comes after the interval.
        }
    } while (Sleep());
}

void ClockThread::Pass() {
    std::string reply;
    try {
        tcTime_.SetActive(true);
        tcTime_.Connect();
        reply = tcTime_.ReceiveLine(kCrLf);
    } catch (...) {
        // An error while opening or reading ends the pass without a watchdog action.
        tcTime_.SetActive(false);
        return;
    }
    bool answered = !reply.empty();
    if (!OnUi([&] { Watchdog(answered); })) return;
    std::string greenwich = GreenwichTime(reply);
    tcTime_.SetActive(false);
    if (greenwich.empty()) return;
    // A reply whose hour is not a number shows nothing.
    if (auto moscow = MoscowTime(greenwich)) OnUi([&] { ShowTimes(*moscow, greenwich); });
}

void ClockThread::Watchdog(bool answered) { feed_.WatchdogPass(answered); }

void ClockThread::ShowTimes(const std::string& moscow, const std::string& greenwich) {
    view_.SetStatusText(MainView::kMoscowPanel, "MSK: " + moscow);
    view_.SetStatusText(MainView::kGreenwichPanel, "GMT: " + greenwich);
}

bool ClockThread::OnUi(const std::function<void()>& fn) { return ui_.Run(fn); }

bool ClockThread::Sleep() {
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, options_.Interval, [this] { return stopping_; });
}

}  // namespace plivant
