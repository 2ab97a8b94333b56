#include "HeadlineServer.h"

#include <QDateTime>
#include <QLocale>
#include <QStringEncoder>
#include <QTcpSocket>
#include <QTimer>

namespace plivant::demo {

namespace {

constexpr qsizetype kMaxHead = 8192;
constexpr int kIdleLimitMs = 10000;
const char* kPath = "/fxnews.txt";

QByteArray Response(const char* status, const QByteArray& body, bool withBody,
                    const QByteArray& extra = {}) {
    QByteArray date = QLocale::c()
                          .toString(QDateTime::currentDateTimeUtc(), "ddd, dd MMM yyyy hh:mm:ss")
                          .toLatin1();
    QByteArray out = QByteArray("HTTP/1.1 ") + status + "\r\n";
    out += "Date: " + date + " GMT\r\n";
    out += "Content-Type: text/plain; charset=windows-1251\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += extra;
    out += "Connection: close\r\n\r\n";
    if (withBody) out += body;
    return out;
}

}  // namespace

HeadlineServer::HeadlineServer(QObject* parent) : QObject(parent) {
    connect(&server_, &QTcpServer::newConnection, this, [this] { Accept(); });
}

bool HeadlineServer::Listen(const QHostAddress& address, quint16 port) {
    return server_.listen(address, port);
}

QByteArray HeadlineServer::HeadlineFile() {
    QStringEncoder encoder("windows-1251");
    QByteArray headline = encoder(QString::fromUtf8(
        "Демо-лента Vetrasol Plivant: новости валютного рынка в реальном времени"));
    return headline + "\r\nhttp://vetrasol.example/\r\n";
}

QByteArray HeadlineServer::Respond(const QByteArray& head) {
    QList<QByteArray> request = head.left(head.indexOf("\r\n")).split(' ');
    if (request.size() != 3 || !request[2].startsWith("HTTP/1.")) {
        return Response("400 Bad Request", "Bad request\r\n", true);
    }
    const QByteArray& method = request[0];
    QByteArray path = request[1];
    if (qsizetype query = path.indexOf('?'); query >= 0) path.truncate(query);
    bool headOnly = method == "HEAD";
    if (method != "GET" && !headOnly) {
        return Response("405 Method Not Allowed", "Method not allowed\r\n", true,
                        "Allow: GET, HEAD\r\n");
    }
    if (path != kPath) return Response("404 Not Found", "Not found\r\n", !headOnly);
    return Response("200 OK", HeadlineFile(), !headOnly);
}

void HeadlineServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
        // A client that never finishes its request is let go.
        QTimer::singleShot(kIdleLimitMs, socket, [socket] { socket->abort(); });
    }
}

void HeadlineServer::Read(QTcpSocket* socket) {
    QByteArray pending = socket->property("pending").toByteArray() + socket->readAll();
    qsizetype end = pending.indexOf("\r\n\r\n");
    if (end < 0 && pending.size() <= kMaxHead) {
        socket->setProperty("pending", pending);
        return;
    }
    socket->disconnect(this);  // one request per connection
    socket->write(end < 0 ? Response("431 Request Header Fields Too Large", "Too large\r\n", true)
                          : Respond(pending.left(end + 2)));
    socket->disconnectFromHost();
}

}  // namespace plivant::demo
