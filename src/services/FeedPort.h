#pragma once

namespace plivant {

// What the start-up timer and the clock ask of the feed. UI thread.
class FeedPort {
public:
    virtual ~FeedPort() = default;
    // Does nothing while a start is in progress.
    virtual void StartFeed() = 0;
    virtual bool FeedStarting() const = 0;
    // A live reader is reading an open connection.
    virtual bool IsLive() const = 0;
};

}  // namespace plivant
