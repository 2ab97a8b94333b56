// plivant-fault-proxy: a TCP relay that breaks the connection on command, for trying the client
// against a bad network by hand or from end-to-end tests.
//
//   plivant-fault-proxy --listen 2100 --to 127.0.0.1:2000 --control 2101
//   printf 'drop\n' | socat - TCP:127.0.0.1:2101
//
// Commands, one a line on the control port, each answered by one line ("ok", the status, or
// "error: ..."): drop, reset, freeze [both|to-client|to-server], thaw, delay MILLISECONDS, cut,
// refuse, accept, status.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <sstream>
#include <string>

#include "FaultProxy.h"
#include "Loopback.h"

namespace {

using plivant::FaultProxy;

std::string Carry(FaultProxy& proxy, const std::string& line) {
    std::istringstream in(line);
    std::string command, argument;
    in >> command >> argument;
    if (command == "drop")
        proxy.Drop();
    else if (command == "reset")
        proxy.Reset();
    else if (command == "freeze" && (argument.empty() || argument == "both"))
        proxy.Freeze();
    else if (command == "freeze" && argument == "to-client")
        proxy.Freeze(FaultProxy::Direction::ToClient);
    else if (command == "freeze" && argument == "to-server")
        proxy.Freeze(FaultProxy::Direction::ToServer);
    else if (command == "thaw")
        proxy.Thaw();
    else if (command == "delay" && !argument.empty())
        proxy.SetDelay(std::chrono::milliseconds(std::stol(argument)));
    else if (command == "cut")
        proxy.CutMidLine();
    else if (command == "refuse")
        proxy.Refuse();
    else if (command == "accept")
        proxy.Accept();
    else if (command == "status") {
        return "accepted " + std::to_string(proxy.Accepted()) + " open " +
               std::to_string(proxy.Open());
    } else {
        return "error: unknown command '" + line + "'";
    }
    return "ok";
}

// Serves one control connection: a command a line, an answer a line.
void Converse(FaultProxy& proxy, int fd) {
    std::string pending;
    char chunk[512];
    ssize_t n;
    while ((n = ::recv(fd, chunk, sizeof chunk, 0)) > 0) {
        pending.append(chunk, size_t(n));
        size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            std::string answer;
            try {
                answer = Carry(proxy, line) + "\n";
            } catch (const std::exception&) {
                answer = "error: bad argument in '" + line + "'\n";
            }
            ::send(fd, answer.data(), answer.size(), MSG_NOSIGNAL);
        }
    }
}

bool ParsePort(const QString& text, uint16_t& port) {
    bool ok = false;
    unsigned value = text.toUInt(&ok);
    port = uint16_t(value);
    return ok && value <= 65535;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Relays TCP to a server and breaks the connection on command.");
    parser.addHelpOption();
    parser.addOption(
        {"listen", "Port to listen on, on 127.0.0.1 (default: a free one).", "PORT", "0"});
    parser.addOption({"to", "The server, as 127.0.0.1:PORT.", "ADDRESS"});
    parser.addOption({"control", "Port of the command connection, on 127.0.0.1.", "PORT"});
    parser.process(app);

    const QStringList to = parser.value("to").split(':');
    uint16_t listen = 0, server = 0, control = 0;
    if (to.size() != 2 || !ParsePort(to[1], server) || !ParsePort(parser.value("listen"), listen) ||
        !ParsePort(parser.value("control"), control) || control == 0) {
        std::fprintf(stderr, "give --to HOST:PORT and --control PORT (see --help)\n");
        return 2;
    }
    try {
        FaultProxy proxy(to[0].toStdString(), server, listen);
        int fd = plivant::ListenOnLoopback(control);
        if (fd < 0) {
            std::fprintf(stderr, "cannot listen on control port %u\n", unsigned(control));
            return 1;
        }
        std::printf("relaying 127.0.0.1:%u to %s, commands on %u\n", unsigned(proxy.Port()),
                    qPrintable(parser.value("to")), unsigned(control));
        std::fflush(stdout);
        for (;;) {
            int client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) continue;
            Converse(proxy, client);
            ::close(client);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
