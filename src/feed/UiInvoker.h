#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace plivant {

// Hands work from worker threads to the UI thread and waits until it has run there, so that
// the effects of a worker land on the UI thread in the order of its steps. Create it on the UI
// thread; its owner cancels it and lets its workers finish before destroying it.
class UiInvoker {
public:
    UiInvoker();
    ~UiInvoker();
    UiInvoker(const UiInvoker&) = delete;
    UiInvoker& operator=(const UiInvoker&) = delete;

    // Runs fn on the UI thread and waits for it. On the UI thread itself fn runs at once.
    // Returns false, without running fn, once Cancel has been called. An exception thrown by fn
    // is rethrown here.
    bool Run(std::function<void()> fn);

    // Wakes every waiting worker and refuses further work. UI thread.
    void Cancel();

private:
    struct State;
    class Receiver;
    std::shared_ptr<State> state_;
    std::unique_ptr<Receiver> receiver_;
};

}  // namespace plivant
