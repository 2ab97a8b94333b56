// archive_probe: the archive writer in a process of its own, for the tests that kill it or run
// it as another user.
//   archive_probe stream PATH FIRST   archives items FIRST, FIRST+1 ... as fast as the disk takes
//                                     them; prints "committed ID" when every item up to ID is
//                                     written; runs until killed
//   archive_probe open PATH           prints the state and fault the writer reports, then ends
#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "archive/ArchiveWriter.h"

namespace {

using namespace std::chrono_literals;

plivant::ArchiveItem Numbered(long long id) {
    plivant::ArchiveItem item;
    item.Key = {"news1", std::to_string(id), 0};
    item.Time = "12:00:00 ";
    item.Date = "01.02.2026";
    item.Important = id % 5 == 0;
    item.Text = "Курс евро к доллару " + std::to_string(id) + " EUR/USD 1.08";
    return item;
}

int Stream(const std::string& path, long long first) {
    plivant::WriterOptions options;
    options.Path = path;
    options.Gather = 5ms;
    plivant::ArchiveWriter writer(options);
    std::atomic<uint64_t> committed{0};
    writer.OnCommitted = [&](uint64_t sequence) {
        committed = sequence;
        std::printf("committed %lld\n", first + (long long)sequence - 1);
        std::fflush(stdout);
    };
    writer.Start();
    for (uint64_t put = 0;; ++put) {
        while (put > committed + 20000) std::this_thread::sleep_for(1ms);  // keep memory bounded
        writer.Put(Numbered(first + (long long)put));
    }
}

int Open(const std::string& path) {
    plivant::WriterOptions options;
    options.Path = path;
    plivant::ArchiveWriter writer(options);
    std::mutex mutex;
    std::condition_variable reported;
    bool done = false;
    writer.OnStatus = [&](const plivant::ArchiveStatus& status) {
        std::printf("state %d fault %d\n", int(status.State), int(status.Fault));
        std::fflush(stdout);
        std::lock_guard lock(mutex);
        done = true;
        reported.notify_all();
    };
    writer.Start();
    std::unique_lock lock(mutex);
    return reported.wait_for(lock, 10s, [&] { return done; }) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string command = argc > 2 ? argv[1] : "";
    if (command == "stream" && argc == 4) return Stream(argv[2], std::stoll(argv[3]));
    if (command == "open" && argc == 3) return Open(argv[2]);
    std::fprintf(stderr, "usage: archive_probe stream PATH FIRST | open PATH\n");
    return 2;
}
