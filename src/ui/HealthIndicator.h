#pragma once

#include "feed/FeedHealth.h"

namespace plivant {

class Lamp;
class MainTray;

// Shows the feed's health where the user looks for it: the lamp's tooltip, and the tray icon,
// which turns grey with a red mark while the feed is not live.
class HealthIndicator : public FeedHealthListener {
public:
    HealthIndicator(Lamp& lamp, MainTray& tray) : lamp_(lamp), tray_(tray) {}
    void HealthChanged(const FeedHealthReport& report) override;

private:
    Lamp& lamp_;
    MainTray& tray_;
};

}  // namespace plivant
