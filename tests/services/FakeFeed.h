#pragma once

#include <functional>
#include <vector>

#include "services/FeedPort.h"

namespace plivant::test {

// A feed whose state the test sets; it counts the starts it is asked for and records every
// watchdog pass.
struct FakeFeed : FeedPort {
    void StartFeed() override {
        if (OnStart) OnStart();
        if (!starting) ++starts;
    }
    bool FeedStarting() const override { return starting; }
    void WatchdogPass(bool timeServerAnswered) override { passes.push_back(timeServerAnswered); }

    int Passes(bool answered) const {
        int n = 0;
        for (bool pass : passes) n += pass == answered;
        return n;
    }

    bool starting = false;
    int starts = 0;
    std::vector<bool> passes;
    std::function<void()> OnStart;
};

}  // namespace plivant::test
