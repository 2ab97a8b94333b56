#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <filesystem>

#include "ArchiveFixture.h"
#include "archive/ArchiveSchema.h"

namespace plivant::test {
namespace {

namespace fs = std::filesystem;

QByteArray Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteBytes(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The files in the folder besides the archive and its journal companions.
std::vector<std::string> Aside(const ArchiveFixture& archive) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(archive.FolderPath())) {
        std::string name = entry.path().filename().string();
        if (name.rfind("archive.sqlite3.", 0) == 0) names.push_back(name);
    }
    return names;
}

TEST(ArchiveFile, MigratesTheFirstSchemaWithItsItems) {
    ArchiveFixture archive;
    {
        SqliteDb first(archive.Path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        schema::Migrate(first, 0, 1);
        first.Exec(
            "INSERT INTO servers(id, name) VALUES(1, 'news1');"
            "INSERT INTO items VALUES(100 << 20, 1, '104233', 0, '12:00:00 ', '01.02.2026',"
            " 1, 1, 'ЁЛКА ЕЦБ повысил ставку')");
    }
    SqliteDb& db = archive.Db();
    EXPECT_EQ(db.QueryInt("PRAGMA user_version"), schema::kCurrentVersion);
    EXPECT_EQ(db.QueryInt("PRAGMA application_id"), schema::kApplicationId);
    SearchQuery important = Words("елка ставку");
    important.Flags.ImportantOnly = true;
    ASSERT_EQ(archive.Ids(important), std::vector<std::string>{"104233"});
    // The new schema's full texts work on the migrated item.
    ArchiveItem item = Item("104233", "ЁЛКА ЕЦБ повысил ставку");
    item.FullText = "решение совета директоров";
    EXPECT_EQ(archive.Write({item}).Updated, 1u);
    SearchQuery withFullText = Words("совета");
    withFullText.Flags.FullTextOnly = true;
    EXPECT_EQ(archive.Ids(withFullText), std::vector<std::string>{"104233"});
}

TEST(ArchiveFile, FailedMigrationLeavesTheFirstSchema) {
    ArchiveFixture archive;
    {
        SqliteDb first(archive.Path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        schema::Migrate(first, 0, 1);
        // A table in the way of the next step makes it fail halfway.
        first.Exec("CREATE TABLE news_index(x)");
    }
    EXPECT_THROW(OpenForWriting(archive.Path()), ArchiveError);
    SqliteDb after(archive.Path(), SQLITE_OPEN_READWRITE);
    EXPECT_EQ(after.QueryInt("PRAGMA user_version"), 1);
    EXPECT_EQ(after.QueryInt("SELECT count(*) FROM pragma_table_info('items')"
                             " WHERE name = 'full_text'"),
              0);
}

TEST(ArchiveFile, DamagedOrForeignFileIsMovedAsideAndANewOneStarted) {
    const QByteArray garbage = QByteArray("SQLite format 3") + QByteArray(4096, '\x5a');
    for (const char* kind : {"garbage", "foreign"}) {
        SCOPED_TRACE(kind);
        ArchiveFixture archive;
        if (std::string(kind) == "garbage") {
            WriteBytes(archive.Path(), garbage);
        } else {
            SqliteDb other(archive.Path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            other.Exec("CREATE TABLE accounts(name TEXT); INSERT INTO accounts VALUES('x')");
        }
        const QByteArray before = Bytes(archive.Path());
        WritableArchive opened = OpenForWriting(archive.Path());
        EXPECT_EQ(opened.Notice,
                  std::string(kind) == "garbage" ? ArchiveFault::Damaged : ArchiveFault::Foreign);
        ASSERT_EQ(Aside(archive).size(), 1u);
        EXPECT_EQ(opened.MovedTo, archive.FolderPath() + "/" + Aside(archive)[0]);
        EXPECT_EQ(Bytes(opened.MovedTo), before);  // kept as it was
        BatchWriter(*opened.Db).Write({Item("1", "новый архив")});
        EXPECT_EQ(ArchiveReader(*opened.Db).Stats().Items, 1);
    }
}

TEST(ArchiveFile, NewerSchemaIsLeftUntouched) {
    ArchiveFixture archive;
    archive.Write({Item("1", "x")});
    archive.Db().Exec("PRAGMA user_version = 99; PRAGMA wal_checkpoint(TRUNCATE)");
    archive.Close();
    const QByteArray before = Bytes(archive.Path());
    try {
        OpenForWriting(archive.Path());
        FAIL() << "opened";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.Fault(), ArchiveFault::Newer);
    }
    EXPECT_EQ(Bytes(archive.Path()), before);
    EXPECT_TRUE(Aside(archive).empty());
    try {
        OpenForReading(archive.Path(), 100);
        FAIL() << "opened";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.Fault(), ArchiveFault::Newer);
    }
}

TEST(ArchiveFile, ReadingNeverChangesOrCreatesAFile) {
    ArchiveFixture archive;
    auto faultOf = [&](const std::string& path) {
        try {
            OpenForReading(path, 100);
        } catch (const ArchiveError& e) {
            return e.Fault();
        }
        return ArchiveFault::None;
    };
    EXPECT_EQ(faultOf(archive.Path()), ArchiveFault::Missing);
    EXPECT_FALSE(fs::exists(archive.Path()));
    WriteBytes(archive.Path(), QByteArray(5000, '\x01'));
    EXPECT_EQ(faultOf(archive.Path()), ArchiveFault::Damaged);
    EXPECT_TRUE(Aside(archive).empty());
    fs::remove(archive.Path());
    {
        SqliteDb first(archive.Path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        schema::Migrate(first, 0, 1);
    }
    EXPECT_EQ(faultOf(archive.Path()), ArchiveFault::Older);
}

}  // namespace
}  // namespace plivant::test
