#include <gtest/gtest.h>

#include "ArchiveFixture.h"
#include "archive/QueryParser.h"
#include "archive/WireClock.h"

namespace plivant::test {
namespace {

class ArchiveQuery : public ::testing::Test {
protected:
    void SetUp() override {
        ArchiveItem fullText =
            Flagged(Item("2", "Евро снизился после заявлений ФРС", "02.02.2026"), false, true);
        fullText.FullText = "Полный текст про Европейский центральный банк";
        ArchiveItem english = Flagged(Item("3", "EUR/USD tests 1.0900 ahead of the ECB decision",
                                           "03.02.2026", "09:00:00 ", 1),
                                      true, true);
        english.FullText = "Dealers see support around 1.0850";
        archive_.Write({
            Flagged(Item("1", "ЕВРО вырос до 1.0850 на фоне данных по инфляции", "01.02.2026"),
                    true, false),
            fullText,
            english,
            Item("4", "Ёлка: объём торгов вырос", "04.02.2026"),
            Item("5", "Банк Японии сохранил ставку без изменений", "05.02.2026"),
            Item("6", "Café naïve résumé", "06.02.2026"),
            Item("7", "Нефть Brent подорожала", "07.02.2026"),
        });
    }
    ArchiveFixture archive_;
};

using Ids = std::vector<std::string>;

int64_t Day(const char* day) { return *wireclock::DayStart(day); }

TEST_F(ArchiveQuery, WordsPhrasesFoldingDatesAndFlags) {
    const Ids all{"7", "6", "5", "4", "3", "2", "1"};
    struct Case {
        const char* Text;
        Ids Expected;
        SearchFlags Flags = {};
        std::optional<int64_t> From = {}, To = {};
    };
    const Case cases[] = {
        {"евро", {"2", "1"}},  // prefix: "Европейский" in a full text too
        {"евр", {"2", "1"}},
        {"ЕВРО", {"2", "1"}},  // Cyrillic case folding
        {"еВрО", {"2", "1"}},
        {"Евро вырос", {"1"}},      // every word
        {"\"евро вырос\"", {"1"}},  // a phrase
        {"\"вырос евро\"", {}},     // in its order
        {"\"евр\"", {}},            // a quoted word is exact
        {"\"евро\"", {"2", "1"}},
        {"eur/usd", {"3"}},
        {"USD", {"3"}},
        {"1.08", {"3", "1"}},  // numbers split where the index splits them
        {"\"1 0850\"", {"3", "1"}},
        {"елка", {"4"}},  // "ё" and "е" are one letter to the search
        {"ёлка", {"4"}},
        {"объем", {"4"}},
        {"cafe resume", {"6"}},  // diacritics ignored
        {"европейский", {"2"}},  // full texts are searched
        {"нефть brent", {"7"}},
        {"", all},
        {"", {"3", "1"}, {true, false}},
        {"", {"3", "2"}, {false, true}},
        {"", {"3"}, {true, true}},
        {"евро", {"1"}, {true, false}},
        {"", {"5", "4", "3"}, {}, Day("03.02.2026"), Day("05.02.2026") + wireclock::kDay - 1},
        {"вырос", {"1"}, {}, {}, Day("2026-02-01") + wireclock::kDay - 1},
        {"вырос", {"4"}, {}, Day("2026-02-02")},
        // What the user types is never the index's syntax.
        {"\"", all},
        {"*", all},
        {"^евро", {"2", "1"}},
        {"евро\" OR \"нефть", {}},
        {"NEAR(евро нефть)", {}},
        {"{text} : евро", {}},
        {"'; DROP TABLE items; --", {}},
        {"евро-", {"2", "1"}},
        {"\xff\xfe евро \xc3", {"2", "1"}},  // bad UTF-8 separates words
    };
    for (const Case& c : cases) {
        SearchQuery query = Words(c.Text);
        query.From = c.From;
        query.To = c.To;
        query.Flags = c.Flags;
        SCOPED_TRACE(std::string("query: ") + c.Text);
        EXPECT_EQ(archive_.Ids(query), c.Expected);
        EXPECT_EQ(archive_.Reader().Search(query).Count, int64_t(c.Expected.size()));
    }
    EXPECT_EQ(archive_.Reader().Stats().Items, 7);  // the table is still there
}

TEST(QueryParser, TermsAndTheExpression) {
    auto terms = ParseQuery("Нью-Йорк \"евро вырос\" ёж \"незакрытая фра");
    ASSERT_EQ(terms.size(), 4u);
    EXPECT_EQ(terms[0].Tokens, (std::vector<std::string>{"Нью", "Йорк"}));
    EXPECT_TRUE(terms[0].Prefix);
    EXPECT_FALSE(terms[1].Prefix);
    EXPECT_EQ(terms[2].Tokens, std::vector<std::string>{"еж"});
    EXPECT_TRUE(terms[3].Prefix);  // still being typed
    EXPECT_EQ(MatchExpression(terms, {true, true}),
              "{text full_text} : (\"Нью Йорк\" * \"евро вырос\" \"еж\" * \"незакрытая фра\" *)"
              " AND marks : i AND marks : f");
    EXPECT_EQ(MatchExpression(ParseQuery(" \t\"\" ; "), {}), "marks : a");
}

}  // namespace
}  // namespace plivant::test
