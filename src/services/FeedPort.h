#pragma once

namespace plivant {

class Feed;

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

// The program's feed behind that port.
class FeedPortOf : public FeedPort {
public:
    explicit FeedPortOf(Feed& feed) : feed_(feed) {}
    void StartFeed() override;
    bool FeedStarting() const override;
    bool IsLive() const override;

private:
    Feed& feed_;
};

}  // namespace plivant
