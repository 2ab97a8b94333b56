#include "feed/RetryBackoff.h"

#include <algorithm>
#include <memory>
#include <random>

namespace plivant {

namespace {

RetryBackoff::Uniform DefaultUniform() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

}  // namespace

RetryBackoff::RetryBackoff(Millis first, Millis ceiling, double spread, Uniform uniform)
    : first_(first),
      ceiling_(std::max(first, ceiling)),
      spread_(spread),
      uniform_(uniform ? std::move(uniform) : DefaultUniform()) {}

RetryBackoff::Millis RetryBackoff::Next() {
    const int step = steps_++;
    if (step == 0) return first_;
    // Doubling stops at the ceiling long before the shift could overflow.
    double base = double(first_.count());
    for (int i = 0; i < step && base < double(ceiling_.count()); ++i) base *= 2;
    base = std::min(base, double(ceiling_.count()));
    double factor = 1.0 + spread_ * (2.0 * uniform_() - 1.0);
    auto wait = Millis(static_cast<Millis::rep>(base * factor));
    return std::clamp(wait, Millis(1), ceiling_);
}

}  // namespace plivant
