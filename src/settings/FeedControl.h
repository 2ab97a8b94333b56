#pragma once

namespace plivant {

// What the settings dialog asks of the feed; the main window implements it with the feed core.
class FeedControl {
public:
    virtual ~FeedControl() = default;
    // Closes the feed connection; nothing happens when it is not open.
    virtual void CloseFeedConnection() = 0;
    // Starts a feed; returns at once, and does nothing while a start is in progress.
    virtual void StartFeed() = 0;
};

}  // namespace plivant
