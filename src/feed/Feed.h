#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "feed/FeedContext.h"

namespace plivant {

struct FeedShared;
class TcpClient;

// When a start empties the grid.
enum class ClearRows {
    AtStart,        // at once, as the user's own refresh does
    WhenConnected,  // once a server accepted: a retry that reaches nothing keeps the old rows
};

// Starts feeds: picks the first server that accepts, loads the history into the grid and the
// store, then reads live items until the connection closes, falls silent or a newer feed
// replaces it. The blocking work runs on a worker thread; its effects land on the UI thread in
// order.
class Feed {
public:
    Feed(FeedContext context, std::string serverLogPath, FeedLimits limits = {});
    ~Feed();
    Feed(const Feed&) = delete;
    Feed& operator=(const Feed&) = delete;

    // UI thread. Does nothing while a start is in progress; returns at once.
    void StartFeed(ClearRows clear = ClearRows::AtStart);
    bool FeedStarting() const;
    void CloseFeedConnection();
    // The server the feed connection last connected to. UI thread.
    std::string SelectedServer() const;
    // Sends "HELLO" on the feed connection, unless a start is exchanging its history there.
    // UI thread; never blocks.
    void SendKeepAlive();
    // A live reader is reading an open connection.
    bool IsLive() const;

    TcpClient& Client();
    // Observers are told in the order they were added. UI thread.
    void AddObserver(FeedObserver* observer);

private:
    struct Worker {
        std::thread Thread;
        std::shared_ptr<std::atomic<bool>> Finished;
    };
    // A start that cannot succeed with these settings ends here, with its reason.
    bool SettingsRefused();
    void RefuseStart(const std::string& status, FeedEnd why);
    void JoinFinishedWorkers();

    std::unique_ptr<FeedShared> shared_;
    std::vector<Worker> workers_;
};

}  // namespace plivant
