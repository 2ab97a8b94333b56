#include "support/WaitFor.h"

#include <QCoreApplication>
#include <QThread>

namespace plivant::test {

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(500);
    }
    return true;
}

void Pump(std::chrono::milliseconds duration) {
    WaitFor([] { return false; }, duration);
}

}  // namespace plivant::test
