#include <gtest/gtest.h>

#include "core/TextCodec.h"
#include "feed/NewsStore.h"
#include "settings/Settings.h"

namespace plivant {
namespace {

NewsRecord Record(const std::string& id, const std::string& important = "0",
                  const std::string& attachment = "0") {
    NewsRecord r;
    r.Id = id;
    r.Time = "12:00:00 ";
    r.Date = "01.02.2026";
    r.Important = important;
    r.Attachment = attachment;
    r.Text = "text " + id;
    return r;
}

TEST(BuildInfoLine, PiecesAndSeparators) {
    Settings none;
    EXPECT_EQ(BuildInfoLine(Record("1"), none), "Info:" + std::string(10, ' '));

    Settings flags;
    flags.ShowFlags = true;
    EXPECT_EQ(WireToUtf8(BuildInfoLine(Record("1", "1", "0"), flags)),
              "Info:  Важно: Да      Вложение: Нет  ");
    EXPECT_EQ(WireToUtf8(BuildInfoLine(Record("1", "", ""), flags)),
              "Info:  Важно: Нет      Вложение: Нет  ");

    Settings all = flags;
    all.ShowDate = all.ShowTime = all.ShowId = true;
    EXPECT_EQ(
        WireToUtf8(BuildInfoLine(Record("104233", "0", "1"), all)),
        "Info:  Важно: Нет  Дата: 01.02.2026  Время: 12:00:00   Вложение: Есть  ID:   104233");
}

TEST(NewsStore, StoresFieldsAndCopies) {
    NewsStore store;
    store.StoreRecord(NewsStore::ViewSlot(0), Record("000007", "1", "1"));
    EXPECT_EQ(NewsStore::ViewSlot(0), 3);
    EXPECT_EQ(NewsStore::ViewSlot(-1), 2);
    EXPECT_EQ(store.Ids(3), "000007");
    EXPECT_EQ(store.IdCopies(3), "000007");
    EXPECT_EQ(store.ImportantCopies(3), "1");
    EXPECT_EQ(store.AttachmentCopies(3), "1");
    EXPECT_EQ(store.Texts(3), "text 000007");
    EXPECT_EQ(store.InfoLines(2), "");
    // Slots outside the tables are neither written nor read.
    store.StoreRecord(1001, Record("x"));
    store.StoreRecord(-1, Record("x"));
    EXPECT_EQ(store.Ids(1001), "");
}

TEST(NewsStore, ShiftMovesRowSlotsWithTheirInfoLinesAndDropsTheLast) {
    NewsStore store;
    store.StoreRecord(1, Record("below"));
    for (int slot = 3; slot <= 1000; ++slot) {
        store.StoreRecord(slot, Record(std::to_string(slot)));
        store.SetInfoLine(slot, "info " + std::to_string(slot));
    }
    store.ShiftRowsDown();
    EXPECT_EQ(store.Ids(3), "");
    EXPECT_EQ(store.InfoLines(3), "");
    EXPECT_EQ(store.Ids(4), "3");
    EXPECT_EQ(store.InfoLines(4), "info 3");
    EXPECT_EQ(store.IdCopies(1000), "999");
    EXPECT_EQ(store.Ids(1), "below");  // slots in front of the rows stay put

    for (int i = 0; i < 2000; ++i) store.ShiftRowsDown();
    EXPECT_EQ(store.Ids(500), "");
}

}  // namespace
}  // namespace plivant
