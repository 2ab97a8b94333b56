#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "core/UiInvoker.h"
#include "feed/TcpClient.h"

namespace plivant {

// Runs the details exchange on a worker thread, one fetch at a time, over its own connection;
// the result is handed to the UI thread. Create it on the UI thread.
class DetailsFetcher {
public:
    static constexpr std::chrono::milliseconds kLimit{15000};

    // text: the full text (empty when the server could not be reached); error: why the fetch
    // could not even start (a bad port), empty otherwise.
    using Done = std::function<void(const std::string& text, const std::string& error)>;

    explicit DetailsFetcher(std::chrono::milliseconds limit = kLimit) : limit_(limit) {}
    ~DetailsFetcher();
    DetailsFetcher(const DetailsFetcher&) = delete;
    DetailsFetcher& operator=(const DetailsFetcher&) = delete;

    // False, doing nothing, while a fetch runs.
    bool Fetch(std::string host, std::string port, std::string id, Done done);
    bool Busy() const { return busy_; }

private:
    std::chrono::milliseconds limit_;
    TcpClient client_;  // the details connection; keeps its endpoint between fetches
    UiInvoker ui_;
    std::thread worker_;
    std::atomic<bool> busy_{false};
};

}  // namespace plivant
