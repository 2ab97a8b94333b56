#pragma once

#include <QCoreApplication>
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

// Queues fn for the UI thread's event loop and returns at once; any thread. Whatever fn uses
// must be checked for still being there when it runs.
template <typename F>
void PostToUiThread(F&& fn) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<F>(fn),
                              Qt::QueuedConnection);
}

}  // namespace plivant
