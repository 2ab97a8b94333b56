#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/UiInvoker.h"
#include "feed/FeedContext.h"
#include "feed/ServiceLog.h"
#include "feed/TcpClient.h"

namespace plivant {

// State shared by the feed and its worker threads.
struct FeedShared {
    FeedShared(FeedContext context, std::string logPath, FeedLimits limits)
        : Context(context), Limits(limits), Log(std::move(logPath)) {}

    FeedContext Context;
    FeedLimits Limits;
    TcpClient Client;  // the feed connection
    UiInvoker Ui;
    ServiceLog Log;
    std::vector<FeedObserver*> Observers;  // UI thread

    std::atomic<uint64_t> Generation{0};  // bumped by every start; older workers stop
    std::atomic<bool> Starting{false};
    std::string SelectedServer;  // UI thread

    std::mutex LiveMutex;
    std::weak_ptr<Connection> LiveConnection;  // the one a live reader is reading

    // UI thread.
    template <typename F>
    void Notify(F&& tell) {
        for (FeedObserver* observer : Observers) tell(*observer);
    }
};

}  // namespace plivant
