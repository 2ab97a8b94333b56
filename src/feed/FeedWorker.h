#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "feed/FeedContext.h"
#include "feed/Protocol.h"

namespace plivant {

struct FeedShared;
class Connection;

// What a feed start needs to know, taken on the UI thread when the start begins.
struct FeedJob {
    std::vector<std::string> Servers;
    std::string Port;
    int NewsCount = 0;
    int NewsLanguage = 0;
    bool ClearWhenConnected = false;  // the grid keeps its rows until a server accepts
};

// One feed start on its own thread: server selection and history, then the live reader.
class FeedWorker {
public:
    FeedWorker(FeedShared& shared, uint64_t generation, FeedJob job);
    void Run();

private:
    struct Item {
        LineKind Kind;
        NewsRecord Record;  // news lines only
    };

    bool Stale() const;
    // Runs fn on the UI thread unless a newer feed has started; false once this one is stale.
    bool OnUi(const std::function<void()>& fn);
    void SetStatus(const std::string& text);

    enum class Outcome { Done, Ended, Stale };

    bool SelectServer();
    Outcome LoadHistory(Connection& connection);
    void ReadLive(const std::shared_ptr<Connection>& connection);
    // The feed stopped: nothing reads the wire any more.
    void End(FeedEnd why);
    // Classifies lines, logs service lines and parses news lines.
    std::vector<Item> Digest(const std::vector<std::string>& lines);
    void ShowLiveItem(const std::string& liveLine);

    FeedShared& shared_;
    const uint64_t generation_;
    const FeedJob job_;
};

}  // namespace plivant
