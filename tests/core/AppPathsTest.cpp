#include "core/AppPaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace plivant {
namespace {

void Touch(const QString& path) {
    ASSERT_TRUE(AppPaths::MakeFolderOf(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// A home of its own with every XDG variable pointing into it, put back afterwards.
struct AppPathsTest : ::testing::Test {
    void SetUp() override {
        for (const char* name : kVariables) saved.append(qgetenv(name));
        Set("HOME", root.filePath("home"));
        Set("XDG_CONFIG_HOME", root.filePath("config"));
        Set("XDG_STATE_HOME", root.filePath("state"));
        Set("XDG_DATA_HOME", root.filePath("data"));
        Set("XDG_DATA_DIRS", root.filePath("usr/share"));
        QDir().mkpath(Program());
    }
    void TearDown() override {
        for (int i = 0; i < saved.size(); ++i) {
            if (saved[i].isNull())
                qunsetenv(kVariables[i]);
            else
                qputenv(kVariables[i], saved[i]);
        }
    }
    static void Set(const char* name, const QString& value) { qputenv(name, value.toUtf8()); }
    QString Program() const { return root.filePath("opt/bin"); }
    QString At(const QString& relative) const { return root.filePath(relative); }

    static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME",
                                                 "XDG_DATA_HOME", "XDG_DATA_DIRS"};
    QTemporaryDir root;
    QList<QByteArray> saved;
};

TEST_F(AppPathsTest, WritableFilesByLayout) {
    struct Case {
        const char* name;
        bool portable;
        QString configFolder;
        QString registry, servers, log, archive;
    };
    const QString cfg = At("account2");
    const std::vector<Case> cases = {
        {"installed",
         false,
         {},
         At("config/Brellan/Plivant.reg"),
         At("config/Brellan/servers.ini"),
         At("state/plivant/server.log"),
         At("data/plivant/archive.sqlite3")},
        {"portable",
         true,
         {},
         At("config/Brellan/Plivant.reg"),
         Program() + "/servers.ini",
         Program() + "/server.log",
         Program() + "/archive.sqlite3"},
        {"config folder", false, cfg, cfg + "/Plivant.reg", cfg + "/servers.ini",
         cfg + "/server.log", cfg + "/archive.sqlite3"},
        {"config folder wins over portable", true, cfg, cfg + "/Plivant.reg", cfg + "/servers.ini",
         cfg + "/server.log", cfg + "/archive.sqlite3"},
    };
    for (const Case& c : cases) {
        QFile::remove(Program() + "/servers.ini");
        if (c.portable) Touch(Program() + "/servers.ini");
        AppPaths paths(Program(), c.configFolder);
        EXPECT_EQ(paths.Portable(), c.portable) << c.name;
        EXPECT_EQ(paths.RegistryFile(), c.registry) << c.name;
        EXPECT_EQ(paths.ServersFile(), c.servers) << c.name;
        EXPECT_EQ(paths.ServerLogFile(), c.log) << c.name;
        EXPECT_EQ(paths.DataFilePath("archive.sqlite3"), c.archive) << c.name;
    }
}

TEST_F(AppPathsTest, UnsetOrRelativeXdgVariablesFallBackToTheHomeFolder) {
    for (const char* value : {"", "relative/state"}) {
        Set("XDG_CONFIG_HOME", value);
        Set("XDG_STATE_HOME", value);
        Set("XDG_DATA_HOME", value);
        AppPaths paths(Program());
        EXPECT_EQ(paths.RegistryFile(), At("home/.config/Brellan/Plivant.reg")) << value;
        EXPECT_EQ(paths.ServerLogFile(), At("home/.local/state/plivant/server.log")) << value;
        EXPECT_EQ(paths.DataFilePath("a"), At("home/.local/share/plivant/a")) << value;
    }
}

TEST_F(AppPathsTest, ARelativeConfigFolderIsTakenFromTheWorkingFolder) {
    EXPECT_EQ(AppPaths(Program(), "acc").RegistryFile(),
              QDir::current().filePath("acc/Plivant.reg"));
}

TEST_F(AppPathsTest, TuneFromTheFirstFolderThatHoldsIt) {
    AppPaths paths(Program());
    EXPECT_EQ(paths.TuneFile(), "") << "none anywhere";
    // Each folder wins over those before it: the install prefix's data folder, the system's,
    // the user's, the program's own.
    const QStringList inOrder = {At("opt/share/plivant/message.mid"),
                                 At("usr/share/plivant/message.mid"),
                                 At("data/plivant/message.mid"), Program() + "/message.mid"};
    for (const QString& tune : inOrder) {
        Touch(tune);
        EXPECT_EQ(paths.TuneFile(), tune);
    }
}

TEST_F(AppPathsTest, SkinFoldersProgramFirstThenUserThenSystemThenPrefix) {
    EXPECT_EQ(AppPaths(Program()).SkinFolders(),
              QStringList({Program(), At("data/plivant/skins"), At("usr/share/plivant/skins"),
                           At("opt/share/plivant/skins")}));
}

TEST_F(AppPathsTest, MakeFolderOfFailsWhereNothingCanBeMade) {
    Touch(At("file"));
    EXPECT_FALSE(AppPaths::MakeFolderOf(At("file/sub/x.log")));
    EXPECT_TRUE(AppPaths::MakeFolderOf(At("a/b/x.log")));
    EXPECT_TRUE(QDir(At("a/b")).exists());
}

}  // namespace
}  // namespace plivant
