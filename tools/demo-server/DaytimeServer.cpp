#include "DaytimeServer.h"

#include <QTcpSocket>

namespace plivant::demo {

namespace {
constexpr qint64 kModifiedJulianOffset = 2400001;  // Julian day of 1858-11-17, plus one
}

DaytimeServer::DaytimeServer(QObject* parent) : QObject(parent) {
    connect(&server_, &QTcpServer::newConnection, this, [this] { Accept(); });
}

bool DaytimeServer::Listen(const QHostAddress& address, quint16 port) {
    return server_.listen(address, port);
}

QByteArray DaytimeServer::Reply(const QDateTime& utc) {
    qint64 mjd = utc.date().toJulianDay() - kModifiedJulianOffset;
    QString stamp = utc.toString("yy-MM-dd hh:mm:ss");
    return QString("\n%1 %2 00 0 0 150.0 UTC(DEMO) *\n")
        .arg(mjd, 5, 10, QChar('0'))
        .arg(stamp)
        .toLatin1();
}

void DaytimeServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->write(Reply(QDateTime::currentDateTimeUtc()));
        socket->disconnectFromHost();  // after the reply has gone out
    }
}

}  // namespace plivant::demo
