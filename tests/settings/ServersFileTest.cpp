#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "SettingsFiles.h"
#include "settings/ServersFile.h"
#include "settings/SettingsError.h"

namespace plivant {
namespace {

TEST(ServersFile, LineEndsBecomeCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb", "a\r\nb"},         {"a\n\rb", "a\r\nb"},       {"a\rb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"},       {"a\n\r\nb", "a\r\n\r\nb"}, {"\r\r", "\r\n\r\n"},
        {"a\r\n\rb", "a\r\n\r\nb"}, {"a\n", "a\r\n"},           {"", ""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(AdjustLineBreaks(in), out) << in;
}

TEST(ServersFile, EntriesAreTheTextBetweenLineBreaks) {
    using Entries = std::vector<std::string>;
    const std::pair<std::string, Entries> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},  // a trailing empty line is no entry
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
    };
    for (const auto& [text, entries] : cases) EXPECT_EQ(ServerEntries(text), entries) << text;
}

TEST(ServersFile, SavesTheEditorTextAsItStands) {
    QTemporaryDir dir;
    ServersFile file(ServersFilePath(dir.path()));
    EXPECT_FALSE(file.Exists());
    QString editor = QString::fromUtf8("сервер.ru\n10.0.0.1");
    file.Save(CrLfBytes(editor));
    EXPECT_EQ(test::ReadBytes(file.Path()), Utf8ToWire("сервер.ru\r\n10.0.0.1"));
    EXPECT_EQ(EditorText(file.Load()), editor);
}

TEST(ServersFile, FailuresNameTheFile) {
    ServersFile file("/nonexistent-folder/servers.ini");
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { file.Save("x"); }, R"(Cannot create file "/nonexistent-folder/servers.ini". )"},
        {[&] { file.Load(); }, R"(Cannot open file "/nonexistent-folder/servers.ini". )"},
    };
    for (const auto& [action, start] : cases) {
        try {
            action();
            ADD_FAILURE() << "no error";
        } catch (const SettingsError& e) {
            EXPECT_TRUE(e.Text().startsWith(start)) << e.Text().toStdString();
        }
    }
}

}  // namespace
}  // namespace plivant
