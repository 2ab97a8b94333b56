#pragma once

#include <chrono>
#include <functional>

namespace plivant {

// How long a feed that went down waits before its next try: the first step exactly, then
// doubling with a random spread (so that many clients of one server do not come back in step)
// up to a ceiling, for ever.
class RetryBackoff {
public:
    using Millis = std::chrono::milliseconds;
    // A number in [0, 1).
    using Uniform = std::function<double()>;

    RetryBackoff(Millis first, Millis ceiling, double spread, Uniform uniform = {});

    Millis Next();
    // The next wait is the first step again.
    void Reset() { steps_ = 0; }
    int Steps() const { return steps_; }

private:
    Millis first_;
    Millis ceiling_;
    double spread_;
    Uniform uniform_;
    int steps_ = 0;
};

}  // namespace plivant
