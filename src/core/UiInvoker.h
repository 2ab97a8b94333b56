#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace plivant {

// The one way from other threads to the UI thread. Work handed over runs there in the order it
// was handed over, whether the sender waits for it (Run) or not (Post). Create it on the UI
// thread, beside what the work acts on; its owner cancels it (or destroys it) before that goes,
// and from then on nothing handed over runs and no sender waits any more.
class UiInvoker {
public:
    // Posts like Post; other threads may keep it longer than the invoker lives.
    using Poster = std::function<void(std::function<void()>)>;

    UiInvoker();
    ~UiInvoker();
    UiInvoker(const UiInvoker&) = delete;
    UiInvoker& operator=(const UiInvoker&) = delete;

    // Runs fn on the UI thread and waits for it. On the UI thread itself fn runs at once.
    // Returns false, without running fn, once Cancel has been called. An exception thrown by fn
    // is rethrown here.
    template <typename F>
    bool Run(F&& fn) {
        if (!OnUiThread()) return RunFromWorker(std::forward<F>(fn));
        if (Cancelled()) return false;
        fn();
        return true;
    }
    // The same for a call that gives a value back: a default value once cancelled.
    template <typename R, typename F>
    R RunFor(F&& fn) {
        R result{};
        Run([&] { result = fn(); });
        return result;
    }

    // Queues fn for the UI thread's event loop and returns at once; any thread, the UI thread
    // included. fn is dropped when Cancel comes first.
    void Post(std::function<void()> fn);
    Poster MakePoster() const;

    // Wakes every waiting sender, drops what is queued and refuses further work. UI thread.
    void Cancel();

private:
    struct State;
    bool OnUiThread() const;
    bool Cancelled() const;
    bool RunFromWorker(std::function<void()> fn);

    class Receiver;
    std::shared_ptr<State> state_;
    std::unique_ptr<Receiver> receiver_;
};

}  // namespace plivant
