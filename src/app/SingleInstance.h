#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

namespace plivant {

// One running client per user, session and configuration: the first start holds a lock file and
// listens on a local socket in the runtime folder; a later start hands its request over through
// that socket and ends. A lock or socket left by a killed client is taken over.
class SingleInstance : public QObject {
public:
    enum class Role {
        First,    // no other client runs: this one goes on
        Handed,   // the running client took the request
        NoAnswer  // another client holds the lock but does not answer
    };

    // `key` tells instances apart (session and configuration); `folder` holds the lock and the
    // socket.
    SingleInstance(const QString& folder, const QString& key);
    ~SingleInstance() override;

    Role Claim(std::chrono::milliseconds patience = std::chrono::seconds(5));
    const QString& SocketPath() const { return socketPath_; }

    // Runs on the UI thread for each later start.
    std::function<void()> ShowRequested;

private:
    void Listen();
    bool HandOver(std::chrono::milliseconds limit) const;
    void Answer(class QLocalSocket* socket);

    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
};

// The key of this session (the display) and configuration (its files).
QString InstanceKey(const QString& registryFile, const QString& serversFile);

}  // namespace plivant
