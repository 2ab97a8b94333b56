#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <mutex>
#include <thread>

#include "ArchiveFixture.h"
#include "FullDiskVfs.h"
#include "archive/ArchiveWriter.h"
#include "archive/WireClock.h"
#include "support/WaitFor.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

// The statuses a writer reported, in order.
class Reports {
public:
    void Attach(ArchiveWriter& writer) {
        writer.OnStatus = [this](const ArchiveStatus& status) {
            std::lock_guard lock(mutex_);
            all_.push_back(status);
        };
    }
    std::vector<ArchiveStatus> All() const {
        std::lock_guard lock(mutex_);
        return all_;
    }
    int CountOf(ArchiveState state) const {
        int count = 0;
        for (const ArchiveStatus& s : All()) count += s.State == state;
        return count;
    }
    bool WaitFor(ArchiveState state, std::chrono::milliseconds limit = 5000ms) const {
        return test::WaitFor([&] { return CountOf(state) > 0; }, limit);
    }

private:
    mutable std::mutex mutex_;
    std::vector<ArchiveStatus> all_;
};

WriterOptions Quick(const std::string& path) {
    WriterOptions options;
    options.Path = path;
    options.Gather = 0ms;
    options.BusyMilliseconds = 10;
    options.BusyRetry = 10ms;
    return options;
}

ArchiveItem Numbered(int n, const std::string& date = "01.02.2026") {
    return Item(std::to_string(n), "новость " + std::to_string(n), date);
}

TEST(ArchiveWriter, WritesInBatchesAndAcknowledgesWhatIsOnDisk) {
    ArchiveFixture archive;
    Reports reports;
    ArchiveWriter writer(Quick(archive.Path()));
    reports.Attach(writer);
    std::atomic<uint64_t> acknowledged{0};
    writer.OnCommitted = [&](uint64_t sequence) { acknowledged = sequence; };
    writer.Start();
    for (int n = 1; n <= 3000; ++n) EXPECT_EQ(writer.Put(Numbered(n)), uint64_t(n));
    ASSERT_TRUE(writer.Flush(10s));
    EXPECT_EQ(acknowledged.load(), 3000u);
    EXPECT_EQ(archive.Reader().Stats().Items, 3000);
    EXPECT_EQ(writer.Status().State, ArchiveState::Ready);
    EXPECT_EQ(reports.All().at(0).Fault, ArchiveFault::None);
}

TEST(ArchiveWriter, ItemsWaitInMemoryWhileTheFileIsBusyAndAreAllWritten) {
    ArchiveFixture archive;
    archive.Db();  // made, so that the writer opens it without waiting
    SqliteDb other(archive.Path(), SQLITE_OPEN_READWRITE);
    other.Exec("BEGIN IMMEDIATE");  // another program holds the write lock

    WriterOptions options = Quick(archive.Path());
    options.QueueLimit = 100;
    Reports reports;
    ArchiveWriter writer(options);
    reports.Attach(writer);
    writer.Start();
    ASSERT_TRUE(reports.WaitFor(ArchiveState::Ready));
    int put = 0;
    while (put < 5000 && !reports.CountOf(ArchiveState::Behind)) {
        for (int i = 0; i < 100; ++i) writer.Put(Numbered(++put));
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_EQ(reports.CountOf(ArchiveState::Behind), 1);
    for (int i = 0; i < 300; ++i) writer.Put(Numbered(++put));
    EXPECT_FALSE(writer.Flush(100ms));
    other.Exec("COMMIT");

    ASSERT_TRUE(writer.Flush(10s));
    EXPECT_EQ(archive.Reader().Stats().Items, put);
    EXPECT_EQ(reports.CountOf(ArchiveState::Behind), 1);  // told once
    EXPECT_GE(reports.All().at(1).Waiting, 100u);
    EXPECT_TRUE(test::WaitFor([&] { return writer.Status().State == ArchiveState::Ready; }));
}

TEST(ArchiveWriter, PrunesItemsPastTheirAgeAtStartAndEveryInterval) {
    ArchiveFixture archive;
    const std::string today = "01.01.2100";  // newer than the clock: never old
    std::vector<ArchiveItem> items;
    for (int n = 0; n < 3000; ++n) items.push_back(Numbered(n, n % 3 ? "01.02.2001" : today));
    archive.Write(items);

    WriterOptions options = Quick(archive.Path());
    options.RetentionDays = 30;
    options.PruneInterval = 200ms;
    ArchiveWriter writer(options);
    writer.Start();
    ASSERT_TRUE(test::WaitFor([&] { return archive.Reader().Stats().Items == 1000; }));
    writer.Put(Numbered(5000, "02.02.2001"));
    writer.Put(Numbered(5001, today));
    ASSERT_TRUE(writer.Flush(5s));
    ASSERT_TRUE(test::WaitFor([&] { return archive.Reader().Stats().Items == 1001; }));
    EXPECT_EQ(archive.Ids(Words("5001")), std::vector<std::string>{"5001"});
}

TEST(ArchiveWriter, FullDiskStopsArchivingWithOneReport) {
    ArchiveFixture archive;
    archive.Db();
    archive.Close();
    {
        FullDiskVfs disk(200 * 1024);
        Reports reports;
        ArchiveWriter writer(Quick(archive.Path()));
        reports.Attach(writer);
        writer.Start();
        for (int n = 0; n < 200 && writer.Status().State != ArchiveState::Off; ++n) {
            for (int i = 0; i < 100; ++i) writer.Put(Numbered(n * 100 + i));
            writer.Flush(1s);
        }
        ASSERT_TRUE(reports.WaitFor(ArchiveState::Off));
        EXPECT_EQ(reports.CountOf(ArchiveState::Off), 1);
        EXPECT_EQ(reports.All().back().Fault, ArchiveFault::DiskFull);
        EXPECT_EQ(writer.Put(Numbered(1)), 0u);  // refused at once: nothing piles up
        EXPECT_TRUE(writer.Flush(10ms));
        FullDiskVfs::SetRoomLeft(int64_t(1) << 40);
    }
    // What was committed before is sound.
    SqliteDb db(archive.Path(), SQLITE_OPEN_READWRITE);
    SqliteStatement check(db, "PRAGMA integrity_check");
    ASSERT_TRUE(check.Step());
    EXPECT_EQ(check.Text(0), "ok");
    EXPECT_GT(ArchiveReader(db).Stats().Items, 0);
}

TEST(ArchiveWriter, NewerSchemaTurnsArchivingOffAndTheFileStays) {
    ArchiveFixture archive;
    archive.Db().Exec("PRAGMA user_version = 7");
    archive.Close();
    Reports reports;
    ArchiveWriter writer(Quick(archive.Path()));
    reports.Attach(writer);
    writer.Start();
    ASSERT_TRUE(reports.WaitFor(ArchiveState::Off));
    EXPECT_EQ(reports.All().size(), 1u);
    EXPECT_EQ(reports.All()[0].Fault, ArchiveFault::Newer);
    EXPECT_EQ(writer.Put(Numbered(1)), 0u);
    SqliteDb db(archive.Path(), SQLITE_OPEN_READONLY);
    EXPECT_EQ(db.QueryInt("PRAGMA user_version"), 7);
}

TEST(ArchiveWriter, DamagedFileIsReportedOnceAndWritingGoesOn) {
    ArchiveFixture archive;
    {
        QFile file(QString::fromStdString(archive.Path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x33'));
    }
    Reports reports;
    ArchiveWriter writer(Quick(archive.Path()));
    reports.Attach(writer);
    writer.Start();
    writer.Put(Numbered(1));
    ASSERT_TRUE(writer.Flush(5s));
    auto all = reports.All();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].State, ArchiveState::Ready);
    EXPECT_EQ(all[0].Fault, ArchiveFault::Damaged);
    EXPECT_NE(all[0].MovedTo.find("archive.sqlite3.damaged-"), std::string::npos);
    EXPECT_EQ(archive.Reader().Stats().Items, 1);
}

}  // namespace
}  // namespace plivant::test
