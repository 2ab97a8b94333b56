#include "core/UiInvoker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

#include "core/TsanAnnotations.h"

namespace plivant {

namespace {
const QEvent::Type kRunEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
}

struct UiInvoker::State {
    struct Task {
        std::function<void()> fn;
        bool waited = false;  // a sender waits for it in Run
        bool done = false;
        std::exception_ptr error;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Task>> queue;
    QObject* receiver = nullptr;  // only touched under the mutex while not cancelled
    bool cancelled = false;

    // Any thread; false once cancelled. Posted under the lock, so that Cancel cannot slip in
    // and retire the receiver meanwhile.
    bool Queue(const std::shared_ptr<Task>& task) {
        if (cancelled) return false;
        queue.push_back(task);
        auto* event = new QEvent(kRunEvent);
        PLIVANT_TSAN_RELEASE(event);
        QCoreApplication::postEvent(receiver, event);
        return true;
    }

    // UI thread: runs every queued task in order. An exception of a task nobody waits for goes
    // on to the event loop, like any handler's.
    void Drain() {
        for (;;) {
            std::shared_ptr<Task> task;
            {
                std::lock_guard lock(mutex);
                if (queue.empty() || cancelled) return;
                task = queue.front();
                queue.pop_front();
            }
            if (!task->waited) {
                task->fn();
                continue;
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
    : state_(std::make_shared<State>()), receiver_(std::make_unique<Receiver>(state_)) {
    state_->receiver = receiver_.get();
}

UiInvoker::~UiInvoker() { Cancel(); }

bool UiInvoker::OnUiThread() const { return QThread::currentThread() == receiver_->thread(); }

// Read on the UI thread only, which alone writes it.
bool UiInvoker::Cancelled() const { return state_->cancelled; }

bool UiInvoker::RunFromWorker(std::function<void()> fn) {
    auto task = std::make_shared<State::Task>();
    task->fn = std::move(fn);
    task->waited = true;
    std::unique_lock lock(state_->mutex);
    if (!state_->Queue(task)) return false;
    state_->changed.wait(lock, [&] { return task->done || state_->cancelled; });
    if (!task->done) return false;
    if (task->error) std::rethrow_exception(task->error);
    return true;
}

void UiInvoker::Post(std::function<void()> fn) { MakePoster()(std::move(fn)); }

UiInvoker::Poster UiInvoker::MakePoster() const {
    return [state = state_](std::function<void()> fn) {
        auto task = std::make_shared<State::Task>();
        task->fn = std::move(fn);
        std::lock_guard lock(state->mutex);
        state->Queue(task);
    };
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
