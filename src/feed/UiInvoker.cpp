#include "feed/UiInvoker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

#include "feed/TsanAnnotations.h"

namespace plivant {

namespace {
const QEvent::Type kRunEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
}

struct UiInvoker::State {
    struct Task {
        std::function<void()> fn;
        bool done = false;
        std::exception_ptr error;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Task>> queue;
    bool cancelled = false;

    // UI thread: runs every queued task in order.
    void Drain() {
        for (;;) {
            std::shared_ptr<Task> task;
            {
                std::lock_guard lock(mutex);
                if (queue.empty() || cancelled) return;
                task = queue.front();
                queue.pop_front();
            }
            try {
                task->fn();
            } catch (...) {
                task->error = std::current_exception();
            }
            {
                std::lock_guard lock(mutex);
                task->done = true;
            }
            changed.notify_all();
        }
    }
};

// Lives on the UI thread; each posted event drains the queue. The event carries no data: the
// tasks travel through the queue under our own mutex.
class UiInvoker::Receiver : public QObject {
public:
    explicit Receiver(std::shared_ptr<State> state) : state_(std::move(state)) {}

    bool event(QEvent* e) override {
        PLIVANT_TSAN_ACQUIRE(e);  // the event was built on a worker; Qt's queue is not instrumented
        if (e->type() != kRunEvent) return QObject::event(e);
        state_->Drain();
        return true;
    }

private:
    std::shared_ptr<State> state_;
};

UiInvoker::UiInvoker()
    : state_(std::make_shared<State>()), receiver_(std::make_unique<Receiver>(state_)) {}

UiInvoker::~UiInvoker() { Cancel(); }

bool UiInvoker::Run(std::function<void()> fn) {
    if (QThread::currentThread() == receiver_->thread()) {
        if (state_->cancelled) return false;
        fn();
        return true;
    }
    auto task = std::make_shared<State::Task>();
    task->fn = std::move(fn);
    std::unique_lock lock(state_->mutex);
    if (state_->cancelled) return false;
    state_->queue.push_back(task);
    // Posted under the lock, so that Cancel cannot slip in and retire the receiver meanwhile.
    auto* event = new QEvent(kRunEvent);
    PLIVANT_TSAN_RELEASE(event);
    QCoreApplication::postEvent(receiver_.get(), event);
    state_->changed.wait(lock, [&] { return task->done || state_->cancelled; });
    if (!task->done) return false;
    if (task->error) std::rethrow_exception(task->error);
    return true;
}

void UiInvoker::Cancel() {
    {
        std::lock_guard lock(state_->mutex);
        state_->cancelled = true;
        state_->queue.clear();
    }
    state_->changed.notify_all();
}

}  // namespace plivant
