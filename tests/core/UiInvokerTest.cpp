#include "core/UiInvoker.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/WaitFor.h"

namespace plivant {
namespace {

using test::Pump;
using test::WaitFor;
using namespace std::chrono_literals;

bool Ready(const std::future<void>& f) { return f.wait_for(0s) == std::future_status::ready; }

// What ran, in order, and whether all of it ran on the UI thread. UI thread only.
struct Journal {
    std::function<void()> Note(std::string what) {
        return [this, what] {
            onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
            entries.push_back(what);
        };
    }
    std::vector<std::string> entries;
    bool onUiThread = true;
};

TEST(UiInvoker, WorkOfAWorkerRunsOnTheUiThreadInTheOrderItWasHandedOver) {
    UiInvoker ui;
    Journal journal;
    std::atomic<bool> ran{false};
    auto worker = std::async(std::launch::async, [&] {
        ui.Post(journal.Note("posted first"));
        ran = ui.Run(journal.Note("waited for"));
        ui.MakePoster()(journal.Note("posted after"));
    });
    ASSERT_TRUE(WaitFor([&] { return Ready(worker) && journal.entries.size() == 3; }));
    EXPECT_TRUE(ran);
    EXPECT_EQ(journal.entries,
              (std::vector<std::string>{"posted first", "waited for", "posted after"}));
    EXPECT_TRUE(journal.onUiThread);
}

TEST(UiInvoker, OnTheUiThreadRunIsAtOnceAndPostWaitsForTheEventLoop) {
    UiInvoker ui;
    Journal journal;
    ui.Post(journal.Note("posted"));
    EXPECT_TRUE(ui.Run(journal.Note("run")));
    EXPECT_EQ(ui.RunFor<int>([] { return 7; }), 7);
    EXPECT_EQ(journal.entries, std::vector<std::string>{"run"});
    ASSERT_TRUE(WaitFor([&] { return journal.entries.size() == 2; }));
    EXPECT_EQ(journal.entries.back(), "posted");
}

// The owner of a worker cancels while the worker waits for a UI thread that is busy with that
// very owner: the worker must wake, and nothing it handed over may run afterwards.
TEST(UiInvoker, CancelWakesAWaitingWorkerAndDropsWhatIsQueued) {
    UiInvoker ui;
    Journal journal;
    std::atomic<bool> asking{false};
    std::atomic<int> answers{-1};
    auto worker = std::async(std::launch::async, [&] {
        ui.Post(journal.Note("posted"));
        asking = true;
        answers = ui.RunFor<int>([] { return 1; }) + int(ui.Run([] {}));
    });
    while (!asking) std::this_thread::yield();
    std::this_thread::sleep_for(20ms);  // most likely waiting now; refused at once otherwise
    ui.Cancel();
    worker.wait();
    EXPECT_EQ(answers, 0);
    ui.Post(journal.Note("posted after the cancel"));
    EXPECT_FALSE(ui.Run(journal.Note("run after the cancel")));
    Pump(50ms);
    EXPECT_TRUE(journal.entries.empty());
}

TEST(UiInvoker, APosterKeptLongerThanItsInvokerDropsWhatItIsGiven) {
    Journal journal;
    UiInvoker::Poster post;
    {
        UiInvoker ui;
        post = ui.MakePoster();
        post(journal.Note("queued before the end"));
    }
    std::async(std::launch::async, [&] { post(journal.Note("from a worker")); }).wait();
    post(journal.Note("from the UI thread"));
    Pump(50ms);
    EXPECT_TRUE(journal.entries.empty());
}

TEST(UiInvoker, AnExceptionOnTheUiThreadReachesTheWaitingWorker) {
    UiInvoker ui;
    auto worker = std::async(std::launch::async,
                             [&] { ui.Run([] { throw std::runtime_error("refused"); }); });
    ASSERT_TRUE(WaitFor([&] { return Ready(worker); }));
    EXPECT_THROW(worker.get(), std::runtime_error);
}

}  // namespace
}  // namespace plivant
