#pragma once

#include <QDateTime>
#include <QString>

#include "feed/FeedHealth.h"

namespace plivant {

// What the lamp's and the tray icon's tooltips say of the feed: since when it is down and why,
// or since when it is live and when the last item came. Times of another day than `now` carry
// their date.
QString HealthText(const FeedHealthReport& report,
                   const QDateTime& now = QDateTime::currentDateTime());

}  // namespace plivant
