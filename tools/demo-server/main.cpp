// plivant-demo-server: a news wire on this machine with made-up forex news.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <cstdio>

#include "DaytimeServer.h"
#include "DemoServer.h"
#include "HeadlineServer.h"
#include "NewsCatalog.h"
#include "core/CommandLine.h"

namespace {

// Starts one of the side services when its port is given; false when it cannot listen.
template <typename Server>
bool ListenIfAsked(Server& server, const QHostAddress& address, uint port, const char* what) {
    if (port == 0) return true;
    if (!server.Listen(address, quint16(port))) {
        std::fprintf(stderr, "plivant-demo-server: cannot listen for %s on %s:%u: %s\n", what,
                     qPrintable(address.toString()), port, qPrintable(server.ErrorText()));
        return false;
    }
    std::printf("plivant-demo-server: %s on %s:%u\n", what, qPrintable(address.toString()), port);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("A demo news wire serving made-up forex news.");
    parser.addOption({"port", "News port (default 2000).", "PORT", "2000"});
    parser.addOption({"rate", "Seconds between live items (default 4; 0: none).", "SECONDS", "4"});
    parser.addOption({"bind", "Address to listen on (default 127.0.0.1).", "ADDRESS", "127.0.0.1"});
    parser.addOption(
        {"daytime-port", "Also serve the daytime protocol (RFC 867) on PORT.", "PORT", "0"});
    parser.addOption(
        {"http-port", "Also serve the headline file /fxnews.txt over HTTP on PORT.", "PORT", "0"});
    if (auto code = plivant::ParseCommandLine(parser, app.arguments())) return *code;

    bool portOk = false, rateOk = false, daytimeOk = false, httpOk = false;
    uint port = parser.value("port").toUInt(&portOk);
    uint daytimePort = parser.value("daytime-port").toUInt(&daytimeOk);
    uint httpPort = parser.value("http-port").toUInt(&httpOk);
    double rate = parser.value("rate").toDouble(&rateOk);
    QHostAddress address(parser.value("bind"));
    if (!portOk || port > 65535 || !daytimeOk || daytimePort > 65535 || !httpOk ||
        httpPort > 65535 || !rateOk || rate < 0 || address.isNull()) {
        return plivant::UsageError(parser, "a port, rate or address out of range");
    }

    plivant::demo::NewsCatalog catalog;
    plivant::demo::DemoServer server(catalog, std::chrono::milliseconds(qint64(rate * 1000)));
    if (!server.Listen(address, quint16(port))) {
        std::fprintf(stderr, "plivant-demo-server: cannot listen on %s:%u: %s\n",
                     qPrintable(address.toString()), port, qPrintable(server.ErrorText()));
        return 1;
    }
    std::printf("plivant-demo-server: news wire on %s:%u\n", qPrintable(address.toString()), port);
    plivant::demo::DaytimeServer daytime;
    plivant::demo::HeadlineServer headlines;
    if (!ListenIfAsked(daytime, address, daytimePort, "daytime") ||
        !ListenIfAsked(headlines, address, httpPort, "headline file over HTTP")) {
        return 1;
    }
    std::fflush(stdout);
    return app.exec();
}
