#include "feed/Feed.h"

#include <algorithm>

#include "feed/Endpoint.h"
#include "feed/FeedShared.h"
#include "feed/FeedTexts.h"
#include "feed/FeedWorker.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "settings/Settings.h"

namespace plivant {

Feed::Feed(FeedContext context, std::string serverLogPath, FeedLimits limits)
    : shared_(std::make_unique<FeedShared>(context, std::move(serverLogPath), limits)) {
    shared_->Client.SetKeepAliveProbes(KeepAliveProbes{});
}

Feed::~Feed() {
    // Stop every worker where it stands: no more UI effects, every wait on the network woken.
    ++shared_->Generation;
    shared_->Ui.Cancel();
    shared_->Client.Shutdown();
    for (Worker& worker : workers_) worker.Thread.join();
}

void Feed::StartFeed(ClearRows clear) {
    if (shared_->Starting) return;
    shared_->Starting = true;
    FeedContext& c = shared_->Context;
    if (clear == ClearRows::AtStart) c.View.ClearAllRows();
    uint64_t generation = ++shared_->Generation;
    shared_->Client.SetActive(false);
    if (SettingsRefused()) return;

    // Nothing may be stored past the last slot.
    FeedJob job{c.Options.Servers, c.Options.Port,
                std::min(*ParseNewsCount(c.Options.NewsCount), NewsStore::kMaxNewsCount),
                c.Options.NewsLanguage, clear == ClearRows::WhenConnected};

    JoinFinishedWorkers();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    FeedShared& shared = *shared_;
    workers_.push_back({std::thread([&shared, generation, job = std::move(job), finished] {
                            FeedWorker(shared, generation, job).Run();
                            *finished = true;
                        }),
                        finished});
}

bool Feed::SettingsRefused() {
    const Settings& options = shared_->Context.Options;
    if (!ParseNewsCount(options.NewsCount)) {
        RefuseStart(texts::CountNotNumber(), FeedEnd::BadCount);
        return true;
    }
    try {
        ResolvePort(options.Port);
    } catch (const ConversionError&) {
        RefuseStart(texts::PortNotPort(), FeedEnd::BadPort);
        return true;
    }
    return false;
}

void Feed::RefuseStart(const std::string& status, FeedEnd why) {
    MainView& view = shared_->Context.View;
    view.SetStatusText(MainView::kInfoPanel, status);
    view.SetLamp(MainView::kLampRed);
    view.RepaintStatus();
    shared_->Starting = false;
    shared_->Notify([why](FeedObserver& o) { o.FeedEnded(why); });
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

void Feed::SendKeepAlive() {
    // Inside the history exchange a "HELLO" would shift the lines the start counts on.
    if (shared_->Starting) return;
    shared_->Client.SendLine(commands::kHello);
}

bool Feed::IsLive() const {
    std::lock_guard lock(shared_->LiveMutex);
    auto connection = shared_->LiveConnection.lock();
    return connection && connection->Connected() && !connection->Ended() &&
           connection == shared_->Client.CurrentConnection();
}

TcpClient& Feed::Client() { return shared_->Client; }

void Feed::AddObserver(FeedObserver* observer) { shared_->Observers.push_back(observer); }

}  // namespace plivant
