#include "feed/Feed.h"

#include <algorithm>

#include "feed/FeedShared.h"
#include "feed/FeedTexts.h"
#include "feed/FeedWorker.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "settings/Settings.h"

namespace plivant {

Feed::Feed(FeedContext context, std::string serverLogPath, FeedLimits limits)
    : shared_(std::make_unique<FeedShared>(context, std::move(serverLogPath), limits)) {}

Feed::~Feed() {
    // Stop every worker where it stands: no more UI effects, every wait on the network woken.
    ++shared_->Generation;
    shared_->Ui.Cancel();
    shared_->Client.Shutdown();
    for (Worker& worker : workers_) worker.Thread.join();
}

void Feed::StartFeed() {
    if (shared_->Starting) return;
    shared_->Starting = true;
    FeedContext& c = shared_->Context;
    c.View.ClearAllRows();
    uint64_t generation = ++shared_->Generation;
    shared_->Client.SetActive(false);

    std::optional<int> count = ParseNewsCount(c.Options.NewsCount);
    if (!count) {
        c.View.SetStatusText(2, texts::CountNotNumber());
        c.View.RepaintStatus();
        shared_->Starting = false;
        return;
    }
    // Nothing may be stored past the last slot.
    FeedJob job{c.Options.Servers, c.Options.Port, std::min(*count, NewsStore::kMaxNewsCount),
                c.Options.NewsLanguage};

    JoinFinishedWorkers();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    FeedShared& shared = *shared_;
    workers_.push_back({std::thread([&shared, generation, job = std::move(job), finished] {
                            FeedWorker(shared, generation, job).Run();
                            *finished = true;
                        }),
                        finished});
}

void Feed::JoinFinishedWorkers() {
    auto done = [](Worker& w) { return w.Finished->load(); };
    for (Worker& worker : workers_) {
        if (done(worker)) worker.Thread.join();
    }
    std::erase_if(workers_, [](const Worker& w) { return !w.Thread.joinable(); });
}

bool Feed::FeedStarting() const { return shared_->Starting; }

void Feed::CloseFeedConnection() { shared_->Client.Disconnect(); }

std::string Feed::SelectedServer() const { return shared_->SelectedServer; }

void Feed::SendKeepAlive() { shared_->Client.SendLine(commands::kHello); }

bool Feed::IsLive() const {
    std::lock_guard lock(shared_->LiveMutex);
    auto connection = shared_->LiveConnection.lock();
    return connection && connection->Connected() && !connection->Ended() &&
           connection == shared_->Client.CurrentConnection();
}

TcpClient& Feed::Client() { return shared_->Client; }

void Feed::SetObserver(FeedObserver* observer) { shared_->Observer = observer; }

}  // namespace plivant
