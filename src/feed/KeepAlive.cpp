#include "feed/KeepAlive.h"

#include "feed/Feed.h"

namespace plivant {

KeepAlive::KeepAlive(Feed& feed, std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), feed_(feed) {
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, [this] { Timer2Timer(); });
    timer_.start();
}

void KeepAlive::Timer2Timer() { feed_.SendKeepAlive(); }

}  // namespace plivant
