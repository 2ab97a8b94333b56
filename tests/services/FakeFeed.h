#pragma once

#include <functional>

#include "services/FeedPort.h"

namespace plivant::test {

// A feed whose state the test sets; it counts the starts it is asked for.
struct FakeFeed : FeedPort {
    void StartFeed() override {
        if (OnStart) OnStart();
        if (!starting) ++starts;
    }
    bool FeedStarting() const override { return starting; }
    bool IsLive() const override { return live; }

    bool live = false;
    bool starting = false;
    int starts = 0;
    std::function<void()> OnStart;
};

}  // namespace plivant::test
