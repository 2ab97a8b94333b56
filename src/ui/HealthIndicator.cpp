#include "ui/HealthIndicator.h"

#include "ui/HealthTexts.h"
#include "ui/MainStatusBar.h"
#include "ui/MainTray.h"

namespace plivant {

void HealthIndicator::HealthChanged(const FeedHealthReport& report) {
    const QString text = HealthText(report);
    lamp_.setToolTip(text);
    tray_.ShowFeedHealth(report.State == FeedState::Live, text);
}

}  // namespace plivant
