#include "ui/HealthTexts.h"

#include "core/TextCodec.h"
#include "feed/FeedTexts.h"

namespace plivant {

namespace {

QString At(FeedHealthReport::Clock::time_point when, const QDateTime& now) {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch());
    QDateTime local = QDateTime::fromMSecsSinceEpoch(ms.count());
    if (local.date() == now.date()) return local.toString("HH:mm:ss");
    return local.toString("dd.MM.yyyy HH:mm:ss");
}

QString Why(FeedEnd why) {
    switch (why) {
        case FeedEnd::NoServer:
            return QString::fromUtf8("ни один сервер не отвечает");
        case FeedEnd::BadCount:
            return FromWire(texts::CountNotNumber());
        case FeedEnd::BadPort:
            return FromWire(texts::PortNotPort());
        case FeedEnd::HistoryCut:
            return QString::fromUtf8("загрузка новостей прервалась");
        case FeedEnd::Dropped:
            return QString::fromUtf8("соединение разорвано");
        case FeedEnd::Silent:
            return QString::fromUtf8("сервер перестал отвечать");
        case FeedEnd::Failed:
            return QString::fromUtf8("ошибка в работе ленты");
    }
    return {};
}

QString LiveText(const FeedHealthReport& r, const QDateTime& now) {
    QString text = QString::fromUtf8("Новости поступают с %1").arg(At(r.LiveSince, now));
    if (!r.LastItem) return text + QString::fromUtf8(". Новостей пока не было");
    return text + QString::fromUtf8(". Последняя новость: %1").arg(At(*r.LastItem, now));
}

QString DownText(const FeedHealthReport& r, const QDateTime& now) {
    QString text =
        QString::fromUtf8("Нет соединения с %1 (%2)").arg(At(r.DownSince, now), Why(*r.Why));
    switch (r.State) {
        case FeedState::Waiting:
            return text + QString::fromUtf8(". Повтор через %1 с").arg(r.RetryIn.count());
        case FeedState::Starting:
            return text + QString::fromUtf8(". Подключение...");
        case FeedState::Blocked:
            return text + QString::fromUtf8(". Проверьте настройки");
        default:
            return text;
    }
}

}  // namespace

QString HealthText(const FeedHealthReport& report, const QDateTime& now) {
    if (report.State == FeedState::Live) return LiveText(report, now);
    if (report.Down()) return DownText(report, now);
    if (report.State == FeedState::Starting) return QString::fromUtf8("Подключение...");
    return QString::fromUtf8("Лента новостей не запущена");
}

}  // namespace plivant
