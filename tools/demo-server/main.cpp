// plivant-demo-server: a news wire on this machine with made-up forex news.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <cstdio>

#include "DemoServer.h"
#include "NewsCatalog.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("A demo news wire serving made-up forex news.");
    parser.addHelpOption();
    parser.addOption({"port", "News port (default 2000).", "PORT", "2000"});
    parser.addOption({"rate", "Seconds between live items (default 4; 0: none).", "SECONDS", "4"});
    parser.addOption({"bind", "Address to listen on (default 127.0.0.1).", "ADDRESS", "127.0.0.1"});
    parser.process(app);

    bool portOk = false, rateOk = false;
    uint port = parser.value("port").toUInt(&portOk);
    double rate = parser.value("rate").toDouble(&rateOk);
    QHostAddress address(parser.value("bind"));
    if (!portOk || port > 65535 || !rateOk || rate < 0 || address.isNull()) parser.showHelp(2);

    plivant::demo::NewsCatalog catalog;
    plivant::demo::DemoServer server(catalog, std::chrono::milliseconds(qint64(rate * 1000)));
    if (!server.Listen(address, quint16(port))) {
        std::fprintf(stderr, "plivant-demo-server: cannot listen on %s:%u: %s\n",
                     qPrintable(address.toString()), port, qPrintable(server.ErrorText()));
        return 1;
    }
    std::printf("plivant-demo-server: news wire on %s:%u\n", qPrintable(address.toString()), port);
    std::fflush(stdout);
    return app.exec();
}
