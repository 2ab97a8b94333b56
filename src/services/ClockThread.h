#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "core/UiInvoker.h"
#include "feed/TcpClient.h"
#include "services/ClockTexts.h"

namespace plivant {

class FeedPort;
class MainView;

struct ClockOptions {
    using Millis = std::chrono::milliseconds;
    TimeServer Server;
    Millis Interval{20000};  // between passes, whether the server answered or not
    Millis ConnectLimit{10000};
    Millis ReadLimit{10000};
};

// Every pass asks the daytime server for the time, shows Moscow and Greenwich time in status
// panels 0 and 1, and is a watchdog pass of the feed: whether the time server answered is
// handed to the feed's health owner, which starts a feed that nothing else looks after. Its
// effects are carried out on the UI thread.
//
// The program lets it run until the process ends; destroying it (on the UI thread) stops and
// joins it, whatever it waits for.
class ClockThread {
public:
    // UI thread.
    ClockThread(MainView& view, FeedPort& feed, ClockOptions options);
    ~ClockThread();
    ClockThread(const ClockThread&) = delete;
    ClockThread& operator=(const ClockThread&) = delete;

    void Start();

private:
    void Run();
    void Pass();
    // Runs on the UI thread with the pass's answer.
    void Watchdog(bool answered);
    void ShowTimes(const std::string& moscow, const std::string& greenwich);
    bool OnUi(const std::function<void()>& fn);
    // Waits one interval; false once the clock is stopping.
    bool Sleep();

    MainView& view_;
    FeedPort& feed_;
    const ClockOptions options_;
    TcpClient tcTime_;
    UiInvoker ui_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace plivant
