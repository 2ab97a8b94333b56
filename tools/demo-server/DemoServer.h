#pragma once

#include <QObject>
#include <QTcpServer>
#include <QTimer>
#include <chrono>
#include <memory>
#include <vector>

#include "NewsCatalog.h"

class QTcpSocket;

namespace plivant::demo {

// A news wire for this machine: greets each client, answers its commands, sends the history it
// asks for and, once it says "STAR", every new item as it is published.
class DemoServer : public QObject {
public:
    DemoServer(NewsCatalog& catalog, std::chrono::milliseconds rate, QObject* parent = nullptr);
    ~DemoServer() override;
    bool Listen(const QHostAddress& address, quint16 port);
    QString ErrorText() const { return server_.errorString(); }

private:
    struct Session;
    void Accept();
    void ReadLines(Session& session);
    void Answer(Session& session, const QByteArray& command);
    void SendDetails(Session& session, const QByteArray& id);
    void PublishOne();
    void Drop(QTcpSocket* socket);

    NewsCatalog& catalog_;
    QTcpServer server_;
    QTimer publisher_;
    std::vector<std::unique_ptr<Session>> sessions_;
};

}  // namespace plivant::demo
