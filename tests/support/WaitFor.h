#pragma once

#include <chrono>
#include <functional>

namespace plivant::test {

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds limit = std::chrono::milliseconds(5000));

// Runs the event loop for a while.
void Pump(std::chrono::milliseconds duration);

}  // namespace plivant::test
