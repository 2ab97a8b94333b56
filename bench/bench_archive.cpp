// The news archive: write throughput, search time over a million items, bytes per item.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "ArchiveBenchItems.h"
#include "archive/ArchiveFile.h"
#include "archive/ArchiveReader.h"
#include "archive/ArchiveWriter.h"
#include "archive/BatchWriter.h"
#include "archive/Sqlite.h"

namespace {

using namespace plivant;
using Clock = std::chrono::steady_clock;

constexpr int64_t kMillion = 1000000;
constexpr size_t kBatch = 5000;

const bench::DemoItems& Items() {
    static const bench::DemoItems items;
    return items;
}

std::vector<ArchiveItem> Batch(int64_t first, size_t count, bool withFullText = false) {
    std::vector<ArchiveItem> batch;
    batch.reserve(count);
    for (size_t i = 0; i < count; ++i)
        batch.push_back(Items().At(first + int64_t(i), withFullText));
    return batch;
}

std::string Fresh(QTemporaryDir& dir, const char* name) {
    std::string path = dir.filePath(name).toStdString();
    std::filesystem::remove(path);
    return path;
}

// Batched transactions of kBatch items into a growing archive.
void BM_ArchiveWriteBatches(benchmark::State& state) {
    QTemporaryDir dir;
    auto archive = OpenForWriting(Fresh(dir, "write.sqlite3"));
    BatchWriter writer(*archive.Db);
    int64_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto batch = Batch(next, kBatch);
        next += int64_t(kBatch);
        state.ResumeTiming();
        writer.Write(batch);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kBatch));
}
BENCHMARK(BM_ArchiveWriteBatches)->Unit(benchmark::kMillisecond)->Iterations(100);

// The whole path: Put on the caller's thread, the writer thread, until everything is on disk.
void BM_ArchiveWriterPutToDisk(benchmark::State& state) {
    QTemporaryDir dir;
    const int64_t count = 100000;
    auto items = Batch(0, size_t(count));
    for (auto _ : state) {
        state.PauseTiming();
        WriterOptions options;
        options.Path = Fresh(dir, "put.sqlite3");
        ArchiveWriter writer(options);
        writer.Start();
        auto copy = items;
        state.ResumeTiming();
        for (ArchiveItem& item : copy) writer.Put(std::move(item));
        writer.Flush(std::chrono::minutes(5));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ArchiveWriterPutToDisk)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// What one Put costs the feed's thread.
void BM_ArchivePutOnly(benchmark::State& state) {
    QTemporaryDir dir;
    WriterOptions options;
    options.Path = Fresh(dir, "putonly.sqlite3");
    ArchiveWriter writer(options);  // never started: nothing is taken off the queue
    const ArchiveItem item = Items().At(0);
    for (auto _ : state) writer.Put(item);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ArchivePutOnly)->Iterations(200000);

// A million demo items, made once for the search benchmarks.
SqliteDb& MillionItems() {
    static QTemporaryDir dir;
    static std::unique_ptr<SqliteDb> db = [] {
        auto archive = OpenForWriting(dir.filePath("million.sqlite3").toStdString());
        BatchWriter writer(*archive.Db);
        for (int64_t first = 0; first < kMillion; first += int64_t(kBatch)) {
            writer.Write(Batch(first, kBatch, true));
        }
        archive.Db->Exec("PRAGMA wal_checkpoint(TRUNCATE)");
        return std::move(archive.Db);
    }();
    return *db;
}

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double P95(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[size_t(double(times.size() - 1) * 0.95)];
}

// Search pages of 200 with their count, the queries taken in turn; p95 in milliseconds, on the
// wall clock and in the thread's own processor time (the machine is shared).
void SearchBench(benchmark::State& state, const std::vector<std::string>& texts) {
    ArchiveReader reader(MillionItems());
    std::vector<double> wall, cpu;
    int64_t matches = 0;
    size_t turn = 0;
    for (auto _ : state) {
        SearchQuery query;
        query.Text = texts[turn++ % texts.size()];
        const auto start = Clock::now();
        const double startCpu = ThreadCpuMilliseconds();
        SearchResult result = reader.Search(query);
        cpu.push_back(ThreadCpuMilliseconds() - startCpu);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        matches += result.Count;
        benchmark::DoNotOptimize(result);
    }
    state.counters["p95_ms"] = P95(wall);
    state.counters["p95_cpu_ms"] = P95(cpu);
    state.counters["matches"] = double(matches) / double(state.iterations());
}

void BM_ArchiveSearchWord(benchmark::State& state) {
    SearchBench(state, {"ставку", "inflation", "ЕЦБ", "закрепился", "retail", "Золото"});
}
BENCHMARK(BM_ArchiveSearchWord)->Unit(benchmark::kMillisecond)->Iterations(300);

void BM_ArchiveSearchPrefix(benchmark::State& state) {
    SearchBench(state, {"ста", "инф", "дох", "sig", "rat", "зак"});
}
BENCHMARK(BM_ArchiveSearchPrefix)->Unit(benchmark::kMillisecond)->Iterations(300);

// Two letters typed.
void BM_ArchiveSearchTwoLetters(benchmark::State& state) {
    SearchBench(state, {"ст", "ин", "до", "si", "ra", "за"});
}
BENCHMARK(BM_ArchiveSearchTwoLetters)->Unit(benchmark::kMillisecond)->Iterations(100);

// The first letter typed: no prefix index is that short.
void BM_ArchiveSearchFirstLetter(benchmark::State& state) {
    SearchBench(state, {"с", "д", "e", "b"});
}
BENCHMARK(BM_ArchiveSearchFirstLetter)->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_ArchiveSearchPhrase(benchmark::State& state) {
    SearchBench(state, {"\"ЕЦБ повысил\"", "\"bond yields\"", "eur/usd инф"});
}
BENCHMARK(BM_ArchiveSearchPhrase)->Unit(benchmark::kMillisecond)->Iterations(300);

// The size of the file per item: headlines only, as the feed stores them, and with every
// attachment's full text fetched.
void BytesPerItem(benchmark::State& state, bool withFullText) {
    const int64_t count = 100000;
    QTemporaryDir dir;
    double bytes = 0;
    for (auto _ : state) {
        auto archive = OpenForWriting(Fresh(dir, "size.sqlite3"));
        BatchWriter writer(*archive.Db);
        for (int64_t first = 0; first < count; first += int64_t(kBatch)) {
            writer.Write(Batch(first, kBatch, withFullText));
        }
        archive.Db->Exec("PRAGMA wal_checkpoint(TRUNCATE)");
        bytes = double(ArchiveReader(*archive.Db).Stats().Bytes);
    }
    state.counters["bytes_per_item"] = bytes / double(count);
}
void BM_ArchiveBytesPerHeadline(benchmark::State& state) { BytesPerItem(state, false); }
BENCHMARK(BM_ArchiveBytesPerHeadline)->Unit(benchmark::kMillisecond)->Iterations(1);
void BM_ArchiveBytesPerItemWithFullText(benchmark::State& state) { BytesPerItem(state, true); }
BENCHMARK(BM_ArchiveBytesPerItemWithFullText)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
