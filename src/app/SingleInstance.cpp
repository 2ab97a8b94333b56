#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>

namespace plivant {

namespace {

constexpr const char* kShowRequest = "show\n";
constexpr const char* kShowAnswer = "ok\n";

}  // namespace

QString InstanceKey(const QString& registryFile, const QString& serversFile) {
    // Wayland first: under XWayland both variables are set and name the same session.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
    const QString key = display + "\n" + registryFile + "\n" + serversFile;
    return QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
}

SingleInstance::SingleInstance(const QString& folder, const QString& key)
    : socketPath_(folder + "/plivant-" + key + ".socket"),
      lock_(folder + "/plivant-" + key + ".lock") {
    // A live client's lock never goes stale by age; a dead one's is taken over by its process id.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) Answer(socket);
    });
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::Claim(std::chrono::milliseconds patience) {
    QDeadlineTimer deadline(patience);
    for (;;) {
        if (lock_.tryLock(0)) {
            Listen();
            return Role::First;
        }
        // The holder may still be starting, or be ending: ask again until the time is up.
        if (HandOver(std::chrono::milliseconds(deadline.remainingTime()))) return Role::Handed;
        if (deadline.hasExpired()) return Role::NoAnswer;
        QThread::msleep(50);
    }
}

void SingleInstance::Listen() {
    // A socket file left by a killed client would make listen() fail.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_)) {
        std::fprintf(stderr, "plivant: %s: %s\n", qPrintable(socketPath_),
                     qPrintable(server_.errorString()));
    }
}

bool SingleInstance::HandOver(std::chrono::milliseconds limit) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    const int ms = int(std::max<long long>(limit.count(), 1));
    if (!socket.waitForConnected(ms)) return false;
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(ms)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(ms)) return false;
    }
    return socket.readLine() == kShowAnswer;
}

void SingleInstance::Answer(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) return;
        if (socket->readLine() == kShowRequest) {
            if (ShowRequested) ShowRequested();
            socket->write(kShowAnswer);
        }
        socket->disconnectFromServer();
    });
}

}  // namespace plivant
