#pragma once

namespace plivant {

// What the settings dialog asks of the feed; the program implements it with the feed's health
// owner.
class FeedControl {
public:
    virtual ~FeedControl() = default;
    // The dialog closed. A change of what the feed uses (servers, port, news count, language)
    // restarts it; otherwise the running feed is left alone.
    virtual void FeedSettingsClosed(bool feedSettingsChanged) = 0;
};

}  // namespace plivant
