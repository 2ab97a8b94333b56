#include <gtest/gtest.h>

#include "ArchiveFixture.h"

namespace plivant::test {
namespace {

std::vector<ArchiveItem> History(int first, int count) {
    std::vector<ArchiveItem> items;
    for (int id = first + count - 1; id >= first; --id) {  // newest first, as the wire sends
        items.push_back(Item(std::to_string(id), "Евро растёт " + std::to_string(id), "01.02.2026",
                             "12:" + std::to_string(10 + id % 50) + ":00 "));
    }
    return items;
}

TEST(ArchiveStore, RepeatedHistoryIsStoredOnce) {
    ArchiveFixture archive;
    BatchOutcome first = archive.Write(History(100, 20));
    EXPECT_EQ(first.Added, 20u);
    // A reload repeats the newest items and brings a few new ones.
    BatchOutcome second = archive.Write(History(110, 15));
    EXPECT_EQ(second.Added, 5u);
    EXPECT_EQ(second.Repeated, 10u);
    // Repeats within one batch too.
    auto twice = History(200, 3), again = History(200, 3);
    twice.insert(twice.end(), again.begin(), again.end());
    EXPECT_EQ(archive.Write(twice).Added, 3u);
    EXPECT_EQ(archive.Reader().Stats().Items, 28);
    EXPECT_EQ(archive.Reader().Search({}).Count, 28);
}

TEST(ArchiveStore, KeyIsServerIdAndLanguage) {
    ArchiveFixture archive;
    ArchiveItem russian = Item("104233", "ЕЦБ повысил ставку");
    ArchiveItem english = Item("104233", "ECB raises rates", "01.02.2026", "12:00:00 ", 1);
    ArchiveItem otherServer = russian;
    otherServer.Key.Server = "news2";
    EXPECT_EQ(archive.Write({russian, english, otherServer}).Added, 3u);

    auto found = archive.Reader().Search(Words("ставку"));
    ASSERT_EQ(found.Count, 2);
    EXPECT_EQ(archive.Ids(Words("rates")), std::vector<std::string>{"104233"});
    auto rates = archive.Reader().Search(Words("rates")).Items.at(0).Item;
    EXPECT_EQ(rates.Key.Language, 1);
    EXPECT_EQ(rates.Key.Server, "news1");
    EXPECT_EQ(rates.Text, "ECB raises rates");
    EXPECT_EQ(rates.Time, "12:00:00 ");
    EXPECT_EQ(rates.Date, "01.02.2026");
}

TEST(ArchiveStore, FullTextIsStoredServedAndReplaced) {
    ArchiveFixture archive;
    ArchiveItem item = Flagged(Item("7", "Заголовок"), false, true);
    archive.Write({item});
    EXPECT_EQ(archive.Reader().FullText(item.Key), std::nullopt);
    EXPECT_FALSE(archive.Reader().Search({}).Items.at(0).HasFullText);

    ArchiveItem fetched = item;
    fetched.FullText = "Полный текст\r\nвторая строка";
    EXPECT_EQ(archive.Write({fetched}).Updated, 1u);
    EXPECT_EQ(archive.Reader().FullText(item.Key), "Полный текст\r\nвторая строка");
    EXPECT_TRUE(archive.Reader().Search({}).Items.at(0).HasFullText);
    // Words of the full text are found; seeing the item again without it keeps it.
    EXPECT_EQ(archive.Ids(Words("вторая")), std::vector<std::string>{"7"});
    EXPECT_EQ(archive.Write({item}).Repeated, 1u);
    EXPECT_EQ(archive.Write({fetched}).Repeated, 1u);

    fetched.FullText = "Исправленный текст";
    EXPECT_EQ(archive.Write({fetched}).Updated, 1u);
    EXPECT_EQ(archive.Reader().FullText(item.Key), "Исправленный текст");
    EXPECT_TRUE(archive.Ids(Words("вторая")).empty());  // the old words left the index
    EXPECT_EQ(archive.Ids(Words("исправленный")), std::vector<std::string>{"7"});

    // A full text may come for an item the archive has not seen yet.
    ArchiveItem unseen = Flagged(Item("8", "Новое"), false, true);
    unseen.FullText = "Текст восьмой";
    EXPECT_EQ(archive.Write({unseen}).Added, 1u);
    EXPECT_EQ(archive.Reader().FullText(unseen.Key), "Текст восьмой");
}

TEST(ArchiveStore, NewestFirstAndPaged) {
    ArchiveFixture archive;
    archive.Write({Item("1", "a", "01.02.2001", "10:00:00 "), Item("2", "a", "31.01.2001"),
                   Item("3", "a", "01.02.2001", "11:00:00 "), Item("4", "a", "бред", "бред")});
    // An item whose date cannot be read is filed at the time it came: now, the newest.
    EXPECT_EQ(archive.Ids({}), (std::vector<std::string>{"4", "3", "1", "2"}));

    SearchQuery page;
    page.Limit = 2;
    SearchResult first = archive.Reader().Search(page);
    EXPECT_EQ(first.Count, 4);
    page.Before = first.Items.back().Order;
    EXPECT_EQ(archive.Ids(page), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(archive.Reader().Search(page).Count, 4);  // the count is of every match
}

TEST(ArchiveStore, ItemsOfOneSecondKeepTheirOrder) {
    ArchiveFixture archive;
    std::vector<ArchiveItem> items;
    for (int id = 0; id < 50; ++id) items.push_back(Item(std::to_string(id), "x"));
    archive.Write(items);
    auto ids = archive.Ids({});
    ASSERT_EQ(ids.size(), 50u);
    EXPECT_EQ(ids.front(), "49");  // the last to come is the newest
    EXPECT_EQ(ids.back(), "0");
}

TEST(ArchiveStore, FailedBatchLeavesNothingBehind) {
    ArchiveFixture archive;
    archive.Write({Item("1", "before")});
    archive.Db().Exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON items WHEN new.news_id = 'bad'"
        " BEGIN SELECT RAISE(ABORT, 'refused'); END");
    ArchiveItem fresh = Item("2", "fresh");
    fresh.Key.Server = "news9";  // a server first seen in the failed batch
    EXPECT_THROW(archive.Write({fresh, Item("bad", "x")}), SqliteError);
    EXPECT_EQ(archive.Reader().Stats().Items, 1);
    archive.Db().Exec("DROP TRIGGER refuse");
    EXPECT_EQ(archive.Write({fresh}).Added, 1u);  // its server is made again
    EXPECT_EQ(archive.Reader().Search(Words("fresh")).Items.at(0).Item.Key.Server, "news9");
}

}  // namespace
}  // namespace plivant::test
