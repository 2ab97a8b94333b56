#include "DemoServer.h"

#include <QTcpSocket>
#include <algorithm>

namespace plivant::demo {

namespace {
constexpr qint64 kMaxCommand = 4096;
}

struct DemoServer::Session {
    QTcpSocket* Socket = nullptr;
    Language Lang = Language::Russian;
    bool Live = false;
    QByteArray Pending;

    void Send(const QByteArray& line) { Socket->write(line + "\r\n"); }
    void Send(const std::string& line) { Send(QByteArray::fromStdString(line)); }
};

DemoServer::DemoServer(NewsCatalog& catalog, std::chrono::milliseconds rate, QObject* parent)
    : QObject(parent), catalog_(catalog) {
    connect(&server_, &QTcpServer::newConnection, this, [this] { Accept(); });
    publisher_.setInterval(rate);
    connect(&publisher_, &QTimer::timeout, this, [this] { PublishOne(); });
    if (rate.count() > 0) publisher_.start();
}

DemoServer::~DemoServer() = default;

bool DemoServer::Listen(const QHostAddress& address, quint16 port) {
    return server_.listen(address, port);
}

void DemoServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto session = std::make_unique<Session>();
        session->Socket = socket;
        Session& s = *session;
        sessions_.push_back(std::move(session));
        connect(socket, &QTcpSocket::readyRead, this, [this, &s] { ReadLines(s); });
        // Queued: a session may end while one of its commands is being answered.
        connect(
            socket, &QTcpSocket::disconnected, this, [this, socket] { Drop(socket); },
            Qt::QueuedConnection);
    }
}

void DemoServer::Drop(QTcpSocket* socket) {
    socket->disconnect(this);
    std::erase_if(sessions_, [socket](const auto& s) { return s->Socket == socket; });
    socket->deleteLater();
}

void DemoServer::ReadLines(Session& session) {
    session.Pending += session.Socket->readAll();
    for (;;) {
        qsizetype end = session.Pending.indexOf("\r\n");
        if (end < 0) break;
        QByteArray command = session.Pending.left(end);
        session.Pending.remove(0, end + 2);
        Answer(session, command);
        if (session.Socket->state() != QAbstractSocket::ConnectedState) return;
    }
    if (session.Pending.size() > kMaxCommand) session.Socket->disconnectFromHost();
}

// USER and OPT are taken silently; the history and the details come in fixed shapes: a first
// line, three acknowledgements, the items and a closing line; seven lines for the details.
void DemoServer::Answer(Session& session, const QByteArray& command) {
    if (command.startsWith("OPT language=")) {
        session.Lang = command.endsWith("eng") ? Language::English : Language::Russian;
    } else if (command.startsWith("HISN ")) {
        int count = std::clamp(command.mid(5).toInt(), 0, 1000);
        session.Send(QByteArray("Vetrasol demo news wire: history"));
        for (int i = 0; i < 3; ++i) session.Send(QByteArray("OK"));
        for (const DemoItem* item : catalog_.Newest(session.Lang, count)) {
            session.Send(NewsCatalog::NewsLine(*item));
        }
        session.Send(QByteArray("."));
    } else if (command == "STAR") {
        session.Live = true;
    } else if (command == "HELLO") {
        session.Send(QByteArray("OK"));
    } else if (command.startsWith("GET 0001")) {
        SendDetails(session, command.mid(8));
    } else if (command == "QUIT") {
        session.Socket->disconnectFromHost();
    }
}

void DemoServer::SendDetails(Session& session, const QByteArray& id) {
    const DemoItem* item = catalog_.Find(id.toInt());
    session.Send(QByteArray("OK"));
    session.Send("ID " + id);
    if (!item) {
        for (int i = 0; i < 5; ++i) session.Send(QByteArray("-"));
        return;
    }
    session.Send(item->Published.toString("dd.MM.yyyy HH:mm:ss").toLatin1());
    session.Send(QByteArray(item->Important ? "IMPORTANT 1" : "IMPORTANT 0"));
    session.Send("LENGTH " + QByteArray::number(qsizetype(item->FullText.size())));
    session.Send(QByteArray("TEXT"));
    session.Send(NewsCatalog::EscapedFullText(*item));
}

void DemoServer::PublishOne() {
    for (Language language : {Language::Russian, Language::English}) {
        const DemoItem& item = catalog_.Publish(language);
        std::string line = NewsCatalog::NewsLine(item);
        for (auto& session : sessions_) {
            if (session->Live && session->Lang == language) session->Send(line);
        }
    }
}

}  // namespace plivant::demo
