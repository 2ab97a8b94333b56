#pragma once

namespace plivant {

// What the start-up timer and the clock ask of the feed. UI thread.
class FeedPort {
public:
    virtual ~FeedPort() = default;
    // The start at launch; does nothing while a start is in progress.
    virtual void StartFeed() = 0;
    virtual bool FeedStarting() const = 0;
    // One pass of the clock's watchdog: starts the feed only when nothing else looks after it
    // and the time server gave no answer.
    virtual void WatchdogPass(bool timeServerAnswered) = 0;
};

}  // namespace plivant
