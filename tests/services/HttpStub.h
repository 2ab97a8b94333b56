#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <map>

namespace plivant::test {

// An HTTP server on loopback in the test's own event loop: each path answers with a canned
// response (status line, header fields and body), any other with 404. That it answers at all
// shows that the client never held up the event loop.
class HttpStub {
public:
    HttpStub() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
    }

    QUrl Url(const QString& path) const {
        return QUrl(QString("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    void Answer(const QByteArray& path, const QByteArray& status, const QByteArray& body,
                const QByteArray& extraFields = {}) {
        answers_[path] = "HTTP/1.1 " + status +
                         "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" +
                         extraFields + "Connection: close\r\n\r\n" + body;
    }
    int Requests() const { return requests_; }

private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                QByteArray& pending = pending_[socket];
                pending += socket->readAll();
                if (!pending.contains("\r\n\r\n")) return;
                ++requests_;
                QByteArray path = pending.split(' ').value(1);
                auto found = answers_.find(path);
                socket->write(found != answers_.end() ? found->second
                                                      : "HTTP/1.1 404 Not Found\r\n"
                                                        "Content-Length: 0\r\n"
                                                        "Connection: close\r\n\r\n");
                pending_.erase(socket);
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer server_;
    std::map<QByteArray, QByteArray> answers_;
    std::map<QTcpSocket*, QByteArray> pending_;
    int requests_ = 0;
};

}  // namespace plivant::test
