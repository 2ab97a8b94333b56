// plivant-tail: prints the news of a wire on the terminal, history first, then live items.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "ConsoleView.h"
#include "core/AppPaths.h"
#include "core/CommandLine.h"
#include "core/TextCodec.h"
#include "feed/DetailsExchange.h"
#include "feed/Endpoint.h"
#include "feed/Feed.h"
#include "feed/KeepAlive.h"
#include "feed/NewsStore.h"
#include "feed/Protocol.h"
#include "feed/TcpClient.h"
#include "settings/Settings.h"

namespace {

constexpr std::chrono::milliseconds kDetailsLimit{15000};

std::string ForTerminal(const std::string& wireText) {
    std::string text = plivant::WireToUtf8(wireText);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

int PrintDetails(const std::string& host, const std::string& port, const std::string& id) {
    plivant::TcpClient client;
    std::string text = plivant::FetchDetails(client, host, port, id, kDetailsLimit);
    std::printf("%s\n", ForTerminal(text).c_str());
    return 0;
}

int Tail(QCoreApplication& app, plivant::Settings& settings) {
    plivant::ConsoleView view;
    plivant::NewsStore store;
    // Where the window program keeps it: beside a portable copy, else in the user's state folder.
    const QString logFile = plivant::AppPaths::ForThisProgram().ServerLogFile();
    plivant::AppPaths::MakeFolderOf(logFile);
    std::string log = logFile.toStdString();
    plivant::Feed feed({view, view, store, settings}, log);
    feed.AddObserver(&view);
    plivant::KeepAlive keepAlive(feed);
    feed.StartFeed();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Prints the news of a news wire, history first, then live.");
    parser.addOption({"port", "Port of the news servers (default 2000).", "PORT", "2000"});
    parser.addOption({"count", "Number of history items (default 100).", "N", "100"});
    parser.addOption({"lang", "News language: rus or eng (default rus).", "LANG", "rus"});
    parser.addOption({"details", "Print the full text of one item and exit.", "ID"});
    parser.addPositionalArgument("HOST", "News servers, tried in order.", "HOST [HOST...]");
    if (auto code = plivant::ParseCommandLine(parser, app.arguments())) return *code;

    const QStringList hosts = parser.positionalArguments();
    const QString lang = parser.value("lang");
    if (hosts.isEmpty()) return plivant::UsageError(parser, "no HOST given");
    if (lang != "rus" && lang != "eng") return plivant::UsageError(parser, "--lang: rus or eng");
    try {
        std::string port = plivant::ToWire(parser.value("port"));
        if (parser.isSet("details")) {
            return PrintDetails(plivant::ToWire(hosts.front()), port,
                                plivant::ToWire(parser.value("details")));
        }
        plivant::ResolvePort(port);  // a bad port ends here, not silently inside the feed
        plivant::Settings settings;
        settings.Port = port;
        settings.NewsCount = plivant::ToWire(parser.value("count"));
        if (!plivant::ParseNewsCount(settings.NewsCount)) {
            std::fprintf(stderr, "--count: not a number\n");
            return 2;
        }
        settings.NewsLanguage = lang == "eng" ? 1 : 0;
        for (const QString& host : hosts) settings.Servers.push_back(plivant::ToWire(host));
        return Tail(app, settings);
    } catch (const plivant::ConversionError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}
