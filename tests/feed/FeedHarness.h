#pragma once

#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "FakeView.h"
#include "feed/Feed.h"
#include "feed/NewsStore.h"
#include "settings/Settings.h"
#include "support/ScriptedServer.h"
#include "support/WaitFor.h"

namespace plivant::test {

// A news line with the usual columns.
inline std::string NewsLine(const std::string& id, const std::string& text, char important = '0',
                            char attachment = '0') {
    return "NEWS" + id + " 12:00:00 01.02.2026 " + important + " " + attachment + " " + text;
}

// A server that greets, waits for the history request, sends `lines`, and then, once it has
// read "STAR", runs `live`.
inline ScriptedServer::Script HistoryScript(std::vector<std::string> lines,
                                            std::function<void(Peer&)> live = {}) {
    return [lines = std::move(lines), live = std::move(live)](Peer& peer) {
        peer.SendLine("greeting");
        while (auto line = peer.ReadLine()) {
            if (line->rfind("HISN ", 0) == 0) break;
        }
        for (const std::string& line : lines) peer.SendLine(line);
        if (!live) return;
        while (auto line = peer.ReadLine()) {
            if (*line == "STAR") break;
        }
        live(peer);
    };
}

// A feed wired to a recording view, a store and a log file of its own.
struct FeedHarness {
    explicit FeedHarness(std::vector<std::string> servers, std::string port,
                         FeedLimits limits = {}) {
        settings.Servers = std::move(servers);
        settings.Port = std::move(port);
        settings.ShowFlags = true;
        feed = std::make_unique<Feed>(FeedContext{view, view, store, settings}, LogPath(), limits);
        feed->AddObserver(&view);
    }

    std::string LogPath() const { return dir.filePath("server.log").toStdString(); }
    std::string LogText() const {
        std::ifstream in(LogPath(), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    bool WaitLive(int readers = 1) {
        return WaitFor([&] { return view.liveStarted >= readers; });
    }
    bool WaitEnded(int readers = 1) {
        return WaitFor([&] { return view.liveEnded >= readers; });
    }
    // Waits for the feed's latest end to be `why`.
    bool WaitEnd(FeedEnd why) {
        return WaitFor([&] { return !view.ends.empty() && view.ends.back() == why; });
    }

    QTemporaryDir dir;
    Settings settings;
    NewsStore store;
    FakeView view;
    std::unique_ptr<Feed> feed;
};

}  // namespace plivant::test
