#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "ArchiveFixture.h"
#include "archive/SearchWorker.h"
#include "support/WaitFor.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

TEST(SearchWorker, WaitsForTheFileThenTheLastQueryWins) {
    ArchiveFixture archive;
    std::vector<ArchiveItem> items;
    for (int n = 0; n < 20000; ++n) {
        items.push_back(Item(std::to_string(n), n % 2 ? "евро растёт" : "доллар падает"));
    }
    archive.Write(items);

    SearchWorker worker(archive.Path(), 100);
    std::mutex mutex;
    std::vector<std::pair<std::string, int64_t>> answers;  // query and count
    auto ask = [&](const std::string& text) {
        worker.Search(Words(text), [&, text](const SearchOutcome& outcome) {
            std::lock_guard lock(mutex);
            answers.emplace_back(text, outcome.Result.Count);
        });
    };
    ask("е");
    std::this_thread::sleep_for(50ms);
    {
        std::lock_guard lock(mutex);
        EXPECT_TRUE(answers.empty());  // not opened yet
    }
    worker.Open();
    for (const char* typed : {"е", "ев", "евр", "евро", "доллар"}) ask(typed);
    std::optional<std::string> fullText = std::string("unanswered");
    worker.FindFullText({"news1", "7", 0}, [&](const std::optional<std::string>& text) {
        std::lock_guard lock(mutex);
        fullText = text;
    });
    ASSERT_TRUE(WaitFor([&] {
        std::lock_guard lock(mutex);
        return !answers.empty() && answers.back().first == "доллар";
    }));
    std::lock_guard lock(mutex);
    EXPECT_EQ(answers.back().second, 10000);
    EXPECT_EQ(fullText, std::nullopt);
}

TEST(SearchWorker, AnUnreadableArchiveIsAnsweredWithItsFault) {
    ArchiveFixture archive;
    SearchWorker worker(archive.Path(), 100);
    worker.Open();
    std::atomic<int> fault{-1};
    worker.Search(Words("x"), [&](const SearchOutcome& outcome) { fault = int(outcome.Fault); });
    ASSERT_TRUE(WaitFor([&] { return fault != -1; }));
    EXPECT_EQ(fault, int(ArchiveFault::Missing));
}

}  // namespace
}  // namespace plivant::test
