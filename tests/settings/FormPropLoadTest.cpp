#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "SettingsHarness.h"
#include "settings/StoredValues.h"

namespace plivant {
namespace {

using test::AllStored;
using test::FormPropHarness;
using test::ReadBytes;
using test::RegistryText;
using test::With;
using test::Without;
using test::WriteBytes;
using Strings = std::vector<std::string>;

Settings Expected(std::function<void(Settings&)> change) {
    Settings s = DialogDefaults();
    change(s);
    return s;
}

void ExpectSame(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.ShowId, b.ShowId);
    EXPECT_EQ(a.ShowTime, b.ShowTime);
    EXPECT_EQ(a.ShowDate, b.ShowDate);
    EXPECT_EQ(a.ShowFlags, b.ShowFlags);
    EXPECT_EQ(a.ConnectAtStart, b.ConnectAtStart);
    EXPECT_EQ(a.Port, b.Port);
    EXPECT_EQ(a.NewsCount, b.NewsCount);
    EXPECT_EQ(a.NewsLanguage, b.NewsLanguage);
    EXPECT_EQ(a.Servers, b.Servers);
}

TEST(FormPropLoad, FirstRunStoresStartingValuesButKeepsTheDefaults) {
    FormPropHarness h;
    WriteBytes(h.serversPath, "elsewhere.example");  // not read on the first run
    TFormProp& form = h.Create();
    EXPECT_EQ(
        ReadBytes(h.RegistryPath()),
        RegistryText({R"("показывать время"=dword:00000000)", R"("показывать ID"=dword:00000000)",
                      R"("показывать дату"=dword:00000000)", R"("показывать флаги"=dword:00000000)",
                      R"("порт"="2000")", R"("количество новостей"="20")",
                      R"("Подключаться при включении"=dword:00000000)",
                      R"("язык новостей"=dword:00000000)"}));
    ExpectSame(h.settings, Expected([](Settings&) {}));
    EXPECT_EQ(h.settings.Servers, Strings{"127.0.0.1"});
    EXPECT_TRUE(h.settings.ConnectAtStart);
    EXPECT_EQ(h.settings.NewsCount, "100");
    EXPECT_FALSE(form.SettingsChanged());
    EXPECT_TRUE(h.prompter.errors.empty());

    // The next run starts from what the first one stored.
    TFormProp& second = h.Create();
    EXPECT_EQ(h.settings.NewsCount, "20");
    EXPECT_FALSE(h.settings.ConnectAtStart);
    EXPECT_EQ(h.settings.Servers, Strings{"elsewhere.example"});
    EXPECT_TRUE(second.SettingsChanged());  // "20" differs from the field's "100"
}

TEST(FormPropLoad, LoadsStoredValuesUntilOneFails) {
    auto loaded = [](Settings& s) {
        s.ShowId = s.ShowTime = s.ShowDate = s.ShowFlags = true;
        s.ConnectAtStart = false;
        s.Port = "2001";
        s.NewsCount = "50";
        s.NewsLanguage = 1;
        s.Servers = {"a.example", "b.example"};
    };
    const struct {
        const char* name;
        Strings stored;
        std::function<void(Settings&)> expected;
        const char* message;  // nothing when empty
    } cases[] = {
        {"all", AllStored(), loaded, ""},
        {"flags missing", Without(AllStored(), "показывать флаги"),
         [](Settings& s) { s.ShowId = s.ShowTime = s.ShowDate = true; },
         "Failed to get data for 'показывать флаги'"},
        {"time as text", With(AllStored(), "показывать время", R"("1")"),
         [](Settings& s) { s.ShowId = true; }, "Invalid data type for 'показывать время'"},
        {"connect as bytes", With(AllStored(), "Подключаться при включении", "hex:01"),
         [](Settings& s) { s.ShowId = s.ShowTime = s.ShowDate = s.ShowFlags = true; },
         "Invalid data type for 'Подключаться при включении'"},
        {"port missing", Without(AllStored(), "порт"), [&](Settings& s) { loaded(s), s.Port = ""; },
         ""},
        {"language missing", Without(AllStored(), "язык новостей"),
         [&](Settings& s) { loaded(s), s.NewsLanguage = 0; }, ""},
        {"language as text", With(AllStored(), "язык новостей", R"("1")"),
         [&](Settings& s) { loaded(s), s.NewsLanguage = 0; }, ""},
        {"language 5", With(AllStored(), "язык новостей", "dword:00000005"),
         [&](Settings& s) { loaded(s), s.NewsLanguage = -1; }, ""},
        {"language -1", With(AllStored(), "язык новостей", "dword:ffffffff"),
         [&](Settings& s) { loaded(s), s.NewsLanguage = -1; }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FormPropHarness h;
        h.WriteRegistry(RegistryText(c.stored));
        WriteBytes(h.serversPath, "a.example\nb.example\n");
        TFormProp& form = h.Create();
        ExpectSame(h.settings, Expected(c.expected));
        EXPECT_EQ(form.Widgets().cbLanguage->currentIndex(), h.settings.NewsLanguage);
        std::vector<QString> messages;
        if (*c.message) messages.push_back(QString::fromUtf8(c.message));
        EXPECT_EQ(h.prompter.errors, messages);
    }
}

TEST(FormPropLoad, OnlyACountOtherThanTheFieldsRaisesTheChangeFlag) {
    const std::pair<const char*, bool> cases[] = {{"100", false}, {"50", true}, {"", true}};
    for (const auto& [count, changed] : cases) {
        FormPropHarness h;
        h.WriteRegistry(RegistryText(
            With(AllStored(), "количество новостей", std::string("\"") + count + "\"")));
        EXPECT_EQ(h.Create().SettingsChanged(), changed) << count;
    }
}

TEST(FormPropLoad, ABrokenRegistryFileIsReportedAndKept) {
    FormPropHarness h;
    std::string broken = RegistryText(AllStored()) + "[unclosed\r\n";
    h.WriteRegistry(broken);
    h.Create();
    ASSERT_EQ(h.prompter.errors.size(), 1u);
    const QString& message = h.prompter.errors[0];
    EXPECT_TRUE(message.contains(QString::fromStdString(h.RegistryPath())));
    EXPECT_TRUE(message.contains("строка 13: нет закрывающей скобки «]»")) << message.toStdString();
    EXPECT_TRUE(message.contains("настройками по умолчанию")) << message.toStdString();
    ExpectSame(h.settings, DialogDefaults());
    // Closing cannot store into it either, and says why.
    h.form->show();
    h.form->close();
    ASSERT_EQ(h.prompter.questions.size(), 1u);
    EXPECT_TRUE(h.prompter.questions[0].startsWith("Failed to set data for 'показывать время'"));
    EXPECT_TRUE(h.prompter.questions[0].contains("строка 13"));
    EXPECT_EQ(ReadBytes(h.RegistryPath()), broken);
}

}  // namespace
}  // namespace plivant
