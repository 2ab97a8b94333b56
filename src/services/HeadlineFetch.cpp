#include "services/HeadlineFetch.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace plivant {

HeadlineFetch::HeadlineFetch(QObject* parent) : QObject(parent) {
    // Plain HTTP and no proxy, as the site expects.
    manager_.setProxy(QNetworkProxy::NoProxy);
}

void HeadlineFetch::Get(const QUrl& address, Done done) {
    QNetworkRequest request(address);
    // Every redirect a plain HTTP address can get is followed; only HTTPS to HTTP is refused.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(int(kTransferLimit.count()));
    QNetworkReply* reply = manager_.get(request);
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            done(std::nullopt);
            return;
        }
        done(reply->readAll());
    });
}

}  // namespace plivant
