#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

namespace plivant::demo {

// A small HTTP/1.1 responder for the headline file: GET (or HEAD) /fxnews.txt answers two CR LF
// lines, a headline in Windows-1251 and an address. One request per connection.
class HeadlineServer : public QObject {
public:
    explicit HeadlineServer(QObject* parent = nullptr);
    bool Listen(const QHostAddress& address, quint16 port);
    QString ErrorText() const { return server_.errorString(); }

    // The whole response to one request head (request line and header fields).
    static QByteArray Respond(const QByteArray& head);
    static QByteArray HeadlineFile();

private:
    void Accept();
    void Read(QTcpSocket* socket);

    QTcpServer server_;
};

}  // namespace plivant::demo
