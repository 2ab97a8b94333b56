#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>

#include "SettingsFiles.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsError.h"

namespace plivant {
namespace {

using test::ReadBytes;
using test::RegistryText;
using test::WriteBytes;

constexpr const char* kKey = "Software\\Brellan\\Plivant";

struct StoreFixture : ::testing::Test {
    std::string Path() const { return dir.filePath("Plivant.reg").toStdString(); }
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    QString ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const SettingsError& e) {
            return e.Text();
        }
        return "no error";
    }

    QTemporaryDir dir;
    RegistryStore store{Path()};
    RegistryKey key{store};
};

TEST_F(StoreFixture, TypedReadsGiveTheStoredValueOrTheMessage) {
    WriteBytes(Path(), RegistryText({R"("text"="abc")", R"("number"=dword:0000002a)",
                                     R"("all"=dword:ffffffff)", R"("bytes"=hex:01)"}));
    ASSERT_TRUE(key.OpenKey(kKey, false));
    EXPECT_EQ(key.ReadInteger("number"), 42);
    EXPECT_EQ(key.ReadInteger("NUMBER"), 42);
    EXPECT_EQ(key.ReadInteger("all"), -1);
    EXPECT_EQ(key.ReadString("text"), "abc");
    EXPECT_EQ(key.ReadString("missing"), "");
    EXPECT_TRUE(key.ValueExists("text"));
    EXPECT_FALSE(key.ValueExists("missing"));
    const std::pair<std::function<void()>, const char*> failures[] = {
        {[&] { key.ReadInteger("missing"); }, "Failed to get data for 'missing'"},
        {[&] { key.ReadInteger("text"); }, "Invalid data type for 'text'"},
        {[&] { key.ReadInteger("bytes"); }, "Invalid data type for 'bytes'"},
        {[&] { key.ReadString("number"); }, "Invalid data type for 'number'"},
    };
    for (const auto& [action, message] : failures) EXPECT_EQ(ErrorOf(action), message);
}

TEST_F(StoreFixture, OpeningCreatesTheKeyOnlyWhenAsked) {
    EXPECT_FALSE(key.KeyExists(kKey));
    EXPECT_FALSE(key.OpenKey(kKey, false));
    EXPECT_FALSE(std::filesystem::exists(Path()));
    EXPECT_EQ(ErrorOf([&] { key.WriteInteger("x", 1); }), "Failed to set data for 'x'");
    EXPECT_TRUE(key.OpenKey(kKey, true));
    EXPECT_TRUE(key.KeyExists(kKey));
    EXPECT_TRUE(key.KeyExists("\\SOFTWARE\\Brellan\\Plivant"));
    EXPECT_EQ(ReadBytes(Path()), RegistryText({}));
}

TEST_F(StoreFixture, WritesKeepOtherKeysValuesAndCommentsOfTheFile) {
    std::string other = test::CrLf({"[HKEY_CURRENT_USER\\Other]", R"("x"=hex(2):41,00)", ""});
    WriteBytes(Path(), RegistryText({"; mine", R"("unknown"=hex:01,02)", R"("Порт"="1")"}) + other);
    ASSERT_TRUE(key.OpenKey(kKey, true));
    // Someone else changes the file after the key was opened; a write keeps that too.
    WriteBytes(Path(), ReadBytes(Path()) + test::CrLf({"[HKEY_LOCAL_MACHINE\\Later]", ""}));
    key.WriteString(Utf8ToWire("порт"), R"(a\"b)");
    key.WriteInteger("new", -1);
    EXPECT_EQ(ReadBytes(Path()), RegistryText({"; mine", R"("unknown"=hex:01,02)",
                                               R"("Порт"="a\\\"b")", R"("new"=dword:ffffffff)"}) +
                                     other + test::CrLf({"[HKEY_LOCAL_MACHINE\\Later]", ""}));
    RegistryKey again(store);
    ASSERT_TRUE(again.OpenKey(kKey, false));
    EXPECT_EQ(again.ReadString(Utf8ToWire("ПОРТ")), R"(a\"b)");
}

TEST_F(StoreFixture, ABrokenFileIsReportedAndNeverOverwritten) {
    std::string broken = RegistryText({R"("a"=dword:1)", "garbage"});
    WriteBytes(Path(), broken);
    QString text = ErrorOf([&] { key.KeyExists(kKey); });
    EXPECT_TRUE(text.contains(QString::fromStdString(Path()))) << text.toStdString();
    EXPECT_TRUE(text.contains("строка 5: непонятная строка")) << text.toStdString();
    EXPECT_FALSE(key.OpenKey(kKey, true));
    try {
        key.WriteInteger("a", 2);
        ADD_FAILURE() << "written";
    } catch (const SettingsError& e) {
        EXPECT_EQ(e.Text(), "Failed to set data for 'a'");
        EXPECT_EQ(e.Detail(), text);
    }
    EXPECT_EQ(ReadBytes(Path()), broken);
}

TEST_F(StoreFixture, ACrashBeforeTheRenameLeavesTheOldFile) {
    struct Crash {};
    ASSERT_TRUE(key.OpenKey(kKey, true));
    key.WriteInteger("a", 1);
    const std::string before = ReadBytes(Path());
    std::string tempSeen;
    store.SetBeforeRename([&](const std::string& temp) {
        tempSeen = temp;
        EXPECT_EQ(ReadBytes(temp), RegistryText({R"("a"=dword:00000002)"}));  // synced whole
        throw Crash{};
    });
    EXPECT_THROW(key.WriteInteger("a", 2), Crash);
    EXPECT_EQ(ReadBytes(Path()), before);
    EXPECT_FALSE(std::filesystem::exists(tempSeen));
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"Plivant.reg"});

    // A temporary file left by a real crash is never read.
    WriteBytes(Path() + ".tmp-12345", "half a fi");
    store.SetBeforeRename({});
    RegistryKey reader(store);
    ASSERT_TRUE(reader.OpenKey(kKey, false));
    EXPECT_EQ(reader.ReadInteger("a"), 1);
}

TEST_F(StoreFixture, AFailedReplaceIsAFailedWrite) {
    ASSERT_TRUE(key.OpenKey(kKey, true));
    store.SetBeforeRename([](const std::string&) { throw FileReplaceError("No space left"); });
    try {
        key.WriteString("a", "b");
        ADD_FAILURE() << "written";
    } catch (const SettingsError& e) {
        EXPECT_EQ(e.Text(), "Failed to set data for 'a'");
        EXPECT_TRUE(e.Detail().endsWith("не записан: No space left")) << e.Detail().toStdString();
    }
    EXPECT_EQ(ReadBytes(Path()), RegistryText({}));
}

TEST(RegistryPath, FollowsXdgConfigHome) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const std::string home = QDir::homePath().toStdString();
    const std::pair<const char*, std::string> cases[] = {
        {"/cfg", "/cfg/Brellan/Plivant.reg"},
        {"", home + "/.config/Brellan/Plivant.reg"},
        {"relative", home + "/.config/Brellan/Plivant.reg"},
    };
    for (const auto& [value, path] : cases) {
        qputenv("XDG_CONFIG_HOME", value);
        EXPECT_EQ(DefaultRegistryPath(), path) << value;
    }
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultRegistryPath(), home + "/.config/Brellan/Plivant.reg");
    if (!saved.isNull()) qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
}  // namespace plivant
