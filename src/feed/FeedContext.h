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

// "HELLO" goes out this often; the server's answer is a line like any other.
inline constexpr std::chrono::milliseconds kKeepAliveInterval{30000};

// A live connection that brought no line at all for two keep-alive periods and this grace is
// taken as dead: cable pulled, a router's state lost, a laptop lid closed.
inline constexpr std::chrono::milliseconds kSilenceGrace{15000};
constexpr std::chrono::milliseconds SilenceLimit(std::chrono::milliseconds keepAlive) {
    return 2 * keepAlive + kSilenceGrace;
}

struct FeedLimits {
    using Millis = std::chrono::milliseconds;
    Millis ConnectLimit{10000};
    Millis HistoryLineLimit{15000};  // a server that stalls mid-history gives up the connection
    Millis LiveLineLimit = SilenceLimit(kKeepAliveInterval);  // zero waits without end
    size_t BatchLines = 256;  // lines handed to the UI thread in one go at most
};

// Why a feed stopped. Retrying helps for all but the settings faults.
enum class FeedEnd {
    NoServer,    // no server of the list accepted a connection
    BadCount,    // the news count is not a number: nothing was tried
    BadPort,     // the port is neither a service name nor a number: nothing was tried
    HistoryCut,  // the history ended before its closing line: closed, reset or timed out
    Dropped,     // the live connection ended: closed by the peer, reset, a failed read or write
    Silent,      // the live connection brought nothing for the silence limit
    Failed,      // an error inside the feed stopped it
};

constexpr bool IsSettingsFault(FeedEnd why) {
    return why == FeedEnd::BadCount || why == FeedEnd::BadPort;
}

// Notices about the feed's progress, on the UI thread.
class FeedObserver {
public:
    virtual ~FeedObserver() = default;
    // Every news item as it is put into the grid (history rows past the grid's end included).
    virtual void NewsArrived(const std::string& rowText) {}
    // Every record as it is stored, history and live, with the server it came from and the
    // language asked for (the setting's index). Texts are the wire's bytes.
    virtual void RecordStored(const NewsRecord& record, const std::string& server, int language) {}
    virtual void LiveReaderStarted() {}
    // The feed stopped and nothing reads the wire any more. Not told of a feed that a newer
    // start replaced.
    virtual void FeedEnded(FeedEnd why) {}
};

}  // namespace plivant
