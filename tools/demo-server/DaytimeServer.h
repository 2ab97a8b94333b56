#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QTcpServer>

namespace plivant::demo {

// The daytime protocol (RFC 867): each client gets one line with the time of day and the
// connection closes.
class DaytimeServer : public QObject {
public:
    explicit DaytimeServer(QObject* parent = nullptr);
    bool Listen(const QHostAddress& address, quint16 port);
    QString ErrorText() const { return server_.errorString(); }

    // The reply in the shape public time servers use: a line break, then "JJJJJ YY-MM-DD
    // HH:MM:SS TT L H msADV UTC(...) *" and a line break.
    static QByteArray Reply(const QDateTime& utc);

private:
    void Accept();

    QTcpServer server_;
};

}  // namespace plivant::demo
