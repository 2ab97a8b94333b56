#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <utility>

namespace plivant {

// Runs fn on the thread that owns `context` and waits for it; runs it at once when called there.
template <typename F>
void RunOnUiThread(QObject* context, F&& fn) {
    if (QThread::currentThread() == context->thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(context, std::forward<F>(fn), Qt::BlockingQueuedConnection);
}

// The same for a call that gives a value back.
template <typename R, typename F>
R RunOnUiThreadFor(QObject* context, F&& fn) {
    R result{};
    RunOnUiThread(context, [&] { result = fn(); });
    return result;
}

}  // namespace plivant
