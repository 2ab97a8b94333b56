#include "feed/FeedWorker.h"

#include "feed/Connection.h"
#include "feed/FeedShared.h"
#include "feed/FeedTexts.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "settings/Settings.h"

namespace plivant {

namespace {

// Reads up to `most` lines: the first may wait up to the limit, the rest only if they are
// already there. `status` tells whether the connection is still open (Line), closed (Closed:
// every further read is empty) or fell silent for the limit (TimedOut: it has been dropped).
// Bytes left without their line end when the connection ends are a line cut short, not news.
std::vector<std::string> ReadBatch(Connection& connection, size_t most,
                                   std::chrono::milliseconds limit, ReadStatus& status) {
    std::vector<std::string> lines;
    ReadResult first = connection.ReceiveLine(kCrLf, limit);
    status = first.Status;
    const bool ended = status != ReadStatus::Line;
    if (!ended) lines.push_back(std::move(first.Text));
    while (!ended && lines.size() < most) {
        auto line = connection.TryReceiveLine(kCrLf);
        if (!line) break;
        lines.push_back(std::move(*line));
    }
    return lines;
}

}  // namespace

FeedWorker::FeedWorker(FeedShared& shared, uint64_t generation, FeedJob job)
    : shared_(shared), generation_(generation), job_(std::move(job)) {}

bool FeedWorker::Stale() const { return shared_.Generation.load() != generation_; }

bool FeedWorker::OnUi(const std::function<void()>& fn) {
    if (Stale()) return false;
    bool ran = shared_.Ui.Run([&] {
        if (!Stale()) fn();
    });
    return ran && !Stale();
}

void FeedWorker::SetStatus(const std::string& text) {
    shared_.Context.View.SetStatusText(MainView::kInfoPanel, text);
    shared_.Context.View.RepaintStatus();
}

void FeedWorker::Run() {
    try {
        if (!SelectServer()) return;
        auto connection = shared_.Client.CurrentConnection();
        if (!connection) connection = std::make_shared<Connection>();  // closed meanwhile
        switch (LoadHistory(*connection)) {
            case Outcome::Done:
                ReadLive(connection);
                break;
            case Outcome::Ended:
                End(FeedEnd::HistoryCut);
                break;
            case Outcome::Stale:
                break;
        }
    } catch (...) {
        // A load that stops on an error must not leave the feed blocked for good.
        End(FeedEnd::Failed);
    }
}

void FeedWorker::End(FeedEnd why) {
    OnUi([&] {
        MainView& view = shared_.Context.View;
        shared_.Starting = false;
        view.SetLamp(MainView::kLampRed);
        // A details fetch in progress keeps its text: it guards against a second fetch.
        if (view.StatusText(MainView::kInfoPanel) != texts::Loading()) {
            SetStatus(texts::NoConnection());
        }
        shared_.Notify([why](FeedObserver& o) { o.FeedEnded(why); });
    });
}

bool FeedWorker::SelectServer() {
    shared_.Log.BeginPhase();
    if (!OnUi([&] { shared_.Context.View.SetLamp(MainView::kLampRed); })) return false;
    TcpClient& client = shared_.Client;
    client.SetConnectLimit(shared_.Limits.ConnectLimit);
    client.SetActive(true);  // tries the endpoint the connection held before
    for (const std::string& server : job_.Servers) {
        if (TrimControls(server).empty()) continue;  // a blank line names no server
        if (!OnUi([&] { SetStatus(texts::CheckingServer() + server); })) return false;
        client.SetRemoteHost(server);
        client.SetRemotePort(job_.Port);
        // Twice on purpose: a server is passed over only when a second attempt fails as well;
        // after a first one that connected, the second returns at once.
        client.Connect();
        if (!client.Connect()) continue;
        return OnUi([&] {
            MainView& view = shared_.Context.View;
            if (job_.ClearWhenConnected) view.ClearAllRows();
            shared_.SelectedServer = server;
            view.SetStatusText(MainView::kInfoPanel, texts::ServerSelected() + server);
            view.SetLamp(MainView::kLampGreen);
            view.RepaintStatus();
        });
    }
    End(FeedEnd::NoServer);
    return false;
}

std::vector<FeedWorker::Item> FeedWorker::Digest(const std::vector<std::string>& lines) {
    std::vector<Item> items;
    items.reserve(lines.size());
    for (const std::string& line : lines) {
        Item item{ClassifyLine(line), {}};
        if (item.Kind == LineKind::ServiceLine) shared_.Log.Append(line);
        if (item.Kind == LineKind::NewsLine) item.Record = ParseNewsLine(line);
        items.push_back(std::move(item));
    }
    return items;
}

FeedWorker::Outcome FeedWorker::LoadHistory(Connection& connection) {
    connection.SendLine(commands::kUser, kCrLf);
    if (auto language = commands::Language(job_.NewsLanguage))
        connection.SendLine(*language, kCrLf);
    connection.SendLine(commands::History(job_.NewsCount), kCrLf);
    const auto limit = shared_.Limits.HistoryLineLimit;
    connection.ReceiveLine(kCrLf, limit);  // the greeting line is dropped

    // The items and four lines more, whether or not a language was asked for: the history is
    // read by this count, not up to its closing line.
    const long total = long(job_.NewsCount) + 4;
    long read = 0;
    int row = 0;
    ReadStatus status = ReadStatus::Line;
    while (read < total && status == ReadStatus::Line) {
        auto lines = ReadBatch(connection, size_t(total - read), limit, status);
        read += long(lines.size());
        auto items = Digest(lines);
        bool current = OnUi([&] {
            FeedContext& c = shared_.Context;
            for (const Item& item : items) {
                if (item.Kind != LineKind::NewsLine) continue;
                // Stored where the grid row is read from, whatever lines came before it.
                int slot = NewsStore::ViewSlot(row);
                c.Store.StoreRecord(slot, item.Record);
                c.Store.SetInfoLine(slot, BuildInfoLine(item.Record, c.Options));
                std::string rowText = item.Record.RowText();
                if (row < MainView::kRows) c.View.SetRowText(row, rowText);
                if (c.View.IsInTray()) FeedPopup(c.Popup, rowText);
                shared_.Notify([&](FeedObserver& o) {
                    o.NewsArrived(rowText);
                    o.RecordStored(item.Record, shared_.SelectedServer, job_.NewsLanguage);
                });
                ++row;
            }
        });
        if (!current) return Outcome::Stale;
    }
    // Without its closing line the history is cut short: the connection is gone or silent.
    if (read < total) return Outcome::Ended;
    connection.SendLine(commands::kStart, kCrLf);
    return Outcome::Done;
}

void FeedWorker::ShowLiveItem(const std::string& liveLine) {
    FeedContext& c = shared_.Context;
    c.View.SetRowText(0, liveLine);
    if (c.View.IsInTray()) FeedPopup(c.Popup, liveLine);
    shared_.Notify([&](FeedObserver& o) { o.NewsArrived(liveLine); });
}

void FeedWorker::ReadLive(const std::shared_ptr<Connection>& connection) {
    shared_.Log.BeginPhase();
    {
        std::lock_guard lock(shared_.LiveMutex);
        shared_.LiveConnection = connection;
    }
    bool current = OnUi([&] {
        shared_.Starting = false;
        shared_.Notify([](FeedObserver& o) { o.LiveReaderStarted(); });
    });
    ReadStatus status = ReadStatus::Line;
    while (current && status == ReadStatus::Line) {
        auto lines =
            ReadBatch(*connection, shared_.Limits.BatchLines, shared_.Limits.LiveLineLimit, status);
        auto items = Digest(lines);
        current = OnUi([&] {
            FeedContext& c = shared_.Context;
            for (const Item& item : items) {
                if (item.Kind != LineKind::NewsLine) continue;
                c.View.ShiftRowsDown();
                c.Store.ShiftRowsDown();
                int slot = NewsStore::ViewSlot(0);
                c.Store.StoreRecord(slot, item.Record);
                c.Store.SetInfoLine(slot, BuildInfoLine(item.Record, c.Options));
                ShowLiveItem(item.Record.RowText());
                shared_.Notify([&](FeedObserver& o) {
                    o.RecordStored(item.Record, shared_.SelectedServer, job_.NewsLanguage);
                });
            }
        });
    }
    {
        std::lock_guard lock(shared_.LiveMutex);
        shared_.LiveConnection.reset();
    }
    if (current) End(status == ReadStatus::TimedOut ? FeedEnd::Silent : FeedEnd::Dropped);
}

}  // namespace plivant
