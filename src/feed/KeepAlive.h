#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

#include "feed/FeedContext.h"

namespace plivant {

class Feed;

// Sends "HELLO" on the feed connection at a fixed interval, whether a feed runs or not (the
// feed itself holds it back while a start exchanges its history).
class KeepAlive : public QObject {
public:
    static constexpr std::chrono::milliseconds kInterval = kKeepAliveInterval;

    explicit KeepAlive(Feed& feed, std::chrono::milliseconds interval = kInterval,
                       QObject* parent = nullptr);

private:
    void Timer2Timer();

    Feed& feed_;
    QTimer timer_;
};

}  // namespace plivant
