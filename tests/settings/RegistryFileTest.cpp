#include <gtest/gtest.h>

#include "SettingsFiles.h"
#include "settings/RegistryData.h"
#include "settings/RegistryFile.h"
#include "settings/SettingsError.h"

namespace plivant {
namespace {

using test::CrLf;

TEST(RegistryFile, KeepsWhatItDoesNotKnowAcrossARewrite) {
    // Hex data over continued lines is joined; comments, other keys and types stay.
    std::string input =
        CrLf({"REGEDIT4", "; made by hand", "", R"([HKEY_CURRENT_USER\Other])", R"(@="default")",
              R"("list"=hex(7):61,00,\)", "  62,00,00", "",
              R"([HKEY_LOCAL_MACHINE\Software\Brellan\Plivant])", "; a note", R"("порт"="2000")",
              R"("binary"=hex:)", R"("gone"=-)", R"("показывать ID"=DWORD:0000002A)"});
    std::string expected =
        CrLf({"REGEDIT4", "", "; made by hand", "", R"([HKEY_CURRENT_USER\Other])",
              R"(@="default")", R"("list"=hex(7):61,00,62,00,00)", "",
              R"([HKEY_LOCAL_MACHINE\Software\Brellan\Plivant])", "; a note", R"("порт"="2000")",
              R"("binary"=hex:)", R"("gone"=-)", R"("показывать ID"=DWORD:0000002A)", ""});
    std::string once = FormatRegDocument(ParseRegDocument(input));
    EXPECT_EQ(once, expected);
    EXPECT_EQ(FormatRegDocument(ParseRegDocument(once)), once);
}

TEST(RegistryFile, NamesTheLineAndTheProblemOfABrokenFile) {
    const struct {
        std::vector<std::string> lines;
        const char* problem;
    } cases[] = {
        {{"REGEDIT5"}, "строка 1: файл не начинается строкой «REGEDIT4»"},
        {{}, "строка 1: файл не начинается"},
        {{"REGEDIT4", R"("a"="b")"}, "строка 2: значение вне раздела"},
        {{"REGEDIT4", "[HKEY_X", R"("a"="b")"}, "строка 2: нет закрывающей скобки"},
        {{"REGEDIT4", "[]"}, "строка 2: раздел без имени"},
        {{"REGEDIT4", "[K]", "", "[k]"}, "строка 4: раздел «k» встречается дважды"},
        {{"REGEDIT4", "[K]", R"("a="b")"}, "строка 3: нет знака «=»"},
        {{"REGEDIT4", "[K]", R"("a)"}, "строка 3: имя значения не закрыто"},
        {{"REGEDIT4", "[K]", "a=1"}, "строка 3: непонятная строка"},
        {{"REGEDIT4", "[K]", R"("a" = "b")"}, "строка 3: нет знака «=»"},
        {{"REGEDIT4", "[K]", R"("a"="b)"}, "строка 3: непонятные данные значения «a»"},
        {{"REGEDIT4", "[K]", R"("a"="b\n")"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("a"="b" x)"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("a"=dword:123456789)"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("a"=dword:)"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("a"=hex:1,02)"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("a"=hex:01,)"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("a"=hex:01,\)"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("a"=2000)"}, "строка 3: непонятные данные"},
        {{"REGEDIT4", "[K]", R"("Порт"="1")", R"("пОРТ"="2")"},
         "строка 4: значение «пОРТ» встречается дважды"},
    };
    for (const auto& c : cases) {
        try {
            ParseRegDocument(CrLf(c.lines));
            ADD_FAILURE() << "parsed: " << c.problem;
        } catch (const SettingsError& e) {
            EXPECT_TRUE(e.Text().startsWith(QString::fromUtf8(c.problem)))
                << e.Text().toStdString();
        }
    }
}

TEST(RegistryFile, AcceptsLfLineEndsAndTrailingBlanks) {
    RegDocument document = ParseRegDocument("REGEDIT4 \n\n[K]\t\n\"a\"=dword:1  \n");
    ASSERT_EQ(document.Sections.size(), 1u);
    EXPECT_EQ(ParseDwordData(document.Sections[0].FindValue("A")->Data), 1u);
}

TEST(RegistryData, TextsRoundTripThroughValueData) {
    const struct {
        std::string text;
        std::string data;
    } cases[] = {
        {"", R"("")"},
        {"2000", R"("2000")"},
        {R"(C:\path\)", R"("C:\\path\\")"},
        {R"(say "hi")", R"("say \"hi\"")"},
        {Utf8ToWire("язык"), "\"" + Utf8ToWire("язык") + "\""},
        // Line breaks and NUL cannot stand between quotes.
        {"a\r\nb", "hex(1):61,0d,0a,62,00"},
        {std::string("a\0b", 3), "hex(1):61,00,62,00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StringData(c.text), c.data);
        std::string expectedBack = c.text.substr(0, c.text.find('\0'));  // a text ends at NUL
        EXPECT_EQ(ParseStringData(c.data), expectedBack) << c.data;
        EXPECT_FALSE(ParseDwordData(c.data)) << c.data;
    }
}

TEST(RegistryData, DwordsAreEightLowerCaseHexDigits) {
    EXPECT_EQ(DwordData(0), "dword:00000000");
    EXPECT_EQ(DwordData(0xFFFFFFFFu), "dword:ffffffff");
    EXPECT_EQ(ParseDwordData("dword:ffffffff"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseDwordData("dword:2A"), 42u);
    EXPECT_FALSE(ParseStringData("dword:00000001"));
}

TEST(RegistryData, NamesCompareWithoutLetterCase) {
    EXPECT_TRUE(SameRegName(Utf8ToWire("Подключаться"), Utf8ToWire("пОДКЛЮЧАТЬСЯ")));
    EXPECT_TRUE(SameRegName("Software", "SOFTWARE"));
    EXPECT_FALSE(SameRegName(Utf8ToWire("порт"), Utf8ToWire("порты")));
}

}  // namespace
}  // namespace plivant
