#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <random>
#include <thread>

#include "archive/ArchiveStatus.h"
#include "archive/Sqlite.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kProbe = PLIVANT_ARCHIVE_PROBE;

// The last id of a whole "committed ID" line in what the probe printed; -1 when none.
long long LastCommitted(const QByteArray& output) {
    long long last = -1;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("committed ") && output.contains(line + '\n')) {
            last = line.mid(10).toLongLong();
        }
    }
    return last;
}

std::string Single(SqliteDb& db, const char* sql) {
    SqliteStatement statement(db, sql);
    return statement.Step() ? statement.Text(0) : std::string();
}

TEST(ArchiveCrash, KilledAtRandomMomentsTheArchiveStaysSoundAndKeepsWhatWasCommitted) {
    QTemporaryDir dir;
    const QString path = dir.filePath("archive.sqlite3");
    std::mt19937 random(20260210);
    long long first = 1;
    int withCommits = 0;
    for (int run = 0; run < 12; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        QProcess probe;
        probe.start(kProbe, {"stream", path, QString::number(first)});
        ASSERT_TRUE(probe.waitForStarted());
        // Anywhere from the open and migration to the middle of a flood of batches.
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 600));
        probe.kill();  // SIGKILL
        ASSERT_TRUE(probe.waitForFinished());
        const long long committed = LastCommitted(probe.readAllStandardOutput());

        SqliteDb db(path.toStdString(), SQLITE_OPEN_READWRITE);
        EXPECT_EQ(Single(db, "PRAGMA integrity_check"), "ok");
        db.Exec("INSERT INTO news_index(news_index) VALUES('integrity-check')");
        if (committed >= first) {
            ++withCommits;
            SqliteStatement kept(db,
                                 "SELECT count(*) FROM items WHERE CAST(news_id AS INTEGER)"
                                 " BETWEEN ?1 AND ?2");
            kept.Bind(1, int64_t(first)).Bind(2, int64_t(committed)).Step();
            EXPECT_EQ(kept.Int(0), committed - first + 1);
            first = committed + 1000000;
        }
    }
    EXPECT_GE(withCommits, 6);  // most runs were killed amid writing, not before it
}

TEST(ArchiveFolder, ReadOnlyFolderTurnsArchivingOff) {
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    QString program = kProbe;
    QStringList arguments{"open", dir.filePath("plivant/archive.sqlite3")};
    if (geteuid() == 0) {
        // The superuser writes anywhere: the probe runs as nobody then.
        arguments =
            QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments;
        program = "setpriv";
    }
    QProcess probe;
    probe.start(program, arguments);
    ASSERT_TRUE(probe.waitForFinished(20000));
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    const std::string off = "state " + std::to_string(int(ArchiveState::Off)) + " fault " +
                            std::to_string(int(ArchiveFault::Unwritable));
    EXPECT_EQ(probe.readAllStandardOutput().trimmed().toStdString(), off);
    EXPECT_FALSE(QDir(dir.filePath("plivant")).exists());
}

}  // namespace
}  // namespace plivant::test
