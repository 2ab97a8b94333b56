#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace plivant {

class MainView;
class NewsPopup;
class NewsStore;
struct NewsRecord;
struct Settings;

// What the feed acts on. All of it belongs to the UI thread.
struct FeedContext {
    MainView& View;
    NewsPopup& Popup;
    NewsStore& Store;
    const Settings& Options;
};

struct FeedLimits {
    using Millis = std::chrono::milliseconds;
    Millis ConnectLimit{10000};
    Millis HistoryLineLimit{15000};  // a server that stalls mid-history gives up the connection
    Millis LiveLineLimit{0};         // none: news may be quiet for hours
    size_t BatchLines = 256;         // lines handed to the UI thread in one go at most
};

// Notices about the feed's progress, on the UI thread.
class FeedObserver {
public:
    virtual ~FeedObserver() = default;
    virtual void NoServerReached() {}
    // Every news item as it is put into the grid (history rows past the grid's end included).
    virtual void NewsArrived(const std::string& rowText) {}
    // Every record as it is stored, history and live, with the server it came from and the
    // language asked for (the setting's index). Texts are the wire's bytes.
    virtual void RecordStored(const NewsRecord& record, const std::string& server, int language) {}
    virtual void LiveReaderStarted() {}
    virtual void LiveReaderEnded() {}
};

}  // namespace plivant
