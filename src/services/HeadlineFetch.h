#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>

namespace plivant {

// One GET of the headline file, off the UI thread's back: redirects are followed, the transfer
// gives up after a time limit, and the answer comes as a callback on the UI thread.
class HeadlineFetch : public QObject {
public:
    static constexpr std::chrono::milliseconds kTransferLimit{60000};
    // The body; nothing when the site is unreachable, answers with an error or runs out of time.
    using Done = std::function<void(std::optional<QByteArray> body)>;

    explicit HeadlineFetch(QObject* parent = nullptr);

    void Get(const QUrl& address, Done done);

private:
    QNetworkAccessManager manager_;
};

}  // namespace plivant
