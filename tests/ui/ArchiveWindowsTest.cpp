#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <thread>

#include "UiFixture.h"
#include "archive/Archive.h"
#include "archive/ArchiveFile.h"
#include "archive/BatchWriter.h"
#include "archive/Sqlite.h"
#include "feed/Feed.h"
#include "feed/FeedTexts.h"
#include "support/ScriptedServer.h"
#include "ui/ArchiveNotices.h"
#include "ui/GridDetails.h"
#include "ui/SearchResultsModel.h"
#include "ui/TForm4.h"
#include "ui/TfmSearch.h"

namespace plivant::test {
namespace {

ArchiveItem Stored(const std::string& id, const std::string& text, const std::string& date,
                   bool important, bool attachment, std::optional<std::string> fullText = {}) {
    ArchiveItem item;
    item.Key = {"127.0.0.1", id, 0};
    item.Time = "12:00:00 ";
    item.Date = date;
    item.Important = important;
    item.Attachment = attachment;
    item.Text = text;
    item.FullText = std::move(fullText);
    return item;
}

// An archive in a temporary folder holding `items`, opened as the program opens it.
struct OpenArchive {
    explicit OpenArchive(const std::vector<ArchiveItem>& items) {
        const std::string path = dir.filePath("archive.sqlite3").toStdString();
        {
            auto file = OpenForWriting(path);
            BatchWriter(*file.Db).Write(items);
        }
        WriterOptions options;
        options.Path = path;
        options.Gather = std::chrono::milliseconds(0);
        archive = std::make_unique<Archive>(options);
        archive->Open();
        EXPECT_TRUE(WaitFor([&] { return archive->Status().State == ArchiveState::Ready; }));
    }
    std::optional<std::string> FullText(const ItemKey& key) {
        std::optional<std::optional<std::string>> answer;
        archive->FindFullText(key, [&](const std::optional<std::string>& text) { answer = text; });
        EXPECT_TRUE(WaitFor([&] { return answer.has_value(); }));
        return answer.value_or(std::nullopt);
    }
    QTemporaryDir dir;
    std::unique_ptr<Archive> archive;
};

// Serves the details exchange with `text` as the full text of every item, `delay` after the
// request.
ScriptedServer::Script DetailsWith(std::string text,
                                   std::chrono::milliseconds delay = std::chrono::milliseconds(0)) {
    return [text, delay](Peer& peer) {
        while (auto line = peer.ReadLine()) {
            if (line->rfind("HISN", 0) == 0) {
                peer.Send("first\r\nOK\r\nOK\r\nOK\r\n.\r\n");
                return;
            }
            if (line->rfind("GET", 0) == 0) {
                std::this_thread::sleep_for(delay);
                for (int i = 0; i < 6; ++i) peer.SendLine("header");
                peer.SendLine(Utf8ToWire(text));
                return;
            }
        }
    };
}

struct SearchWindow : ::testing::Test {
    void SetUp() override {
        search = std::make_unique<TfmSearch>(*open.archive, settings, &details);
        search->ShowSearch();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(search.get()));
    }
    // Waits until the window shows these items, newest first, and their count.
    bool Finds(const std::vector<std::string>& ids) {
        const QString count = QString::fromUtf8("Найдено: %1").arg(ids.size());
        return WaitFor([&] { return Ids() == ids && search->FoundLabel()->text() == count; });
    }
    std::vector<std::string> Ids() const {
        std::vector<std::string> ids;
        for (int row = 0; row < search->Model().rowCount(); ++row) {
            ids.push_back(search->Model().At(row).Item.Key.Id);
        }
        return ids;
    }

    OpenArchive open{{
        Stored("1", "Евро вырос", "01.02.2026", true, false),
        Stored("2", "Евро снизился", "02.02.2026", false, true, "Полный текст второй"),
        Stored("3", "Доллар стабилен", "03.02.2026", true, true),
        Stored("4", "Нефть подорожала", "04.02.2026", false, false),
    }};
    Settings settings;
    TForm4 details;
    std::unique_ptr<TfmSearch> search;
};

TEST_F(SearchWindow, TypingFiltersAndCounts) {
    ASSERT_TRUE(Finds({"4", "3", "2", "1"}));
    // Each keystroke asks anew; only the last answer stays.
    for (const char* typed : {"е", "ев", "евр", "ЕВРО"}) {
        search->QueryField()->setText(QString::fromUtf8(typed));
    }
    ASSERT_TRUE(Finds({"2", "1"}));
    const QModelIndex text = search->Model().index(1, SearchResultsModel::kText);
    EXPECT_EQ(text.data().toString(), QString::fromUtf8("Евро вырос"));
    EXPECT_EQ(search->Model().index(1, SearchResultsModel::kTime).data().toString(), "12:00:00");
    EXPECT_EQ(search->Model().index(1, SearchResultsModel::kDate).data().toString(), "01.02.2026");
    EXPECT_EQ(text.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));  // important

    search->QueryField()->clear();
    search->ImportantOnly()->setChecked(true);
    ASSERT_TRUE(Finds({"3", "1"}));
    search->FullTextOnly()->setChecked(true);
    ASSERT_TRUE(Finds({}));
    search->ImportantOnly()->setChecked(false);
    ASSERT_TRUE(Finds({"2"}));

    search->FullTextOnly()->setChecked(false);
    search->FromDate()->setDate(QDate(2026, 2, 2));
    search->ToDate()->setDate(QDate(2026, 2, 3));
    search->FromDay()->setChecked(true);
    search->ToDay()->setChecked(true);
    ASSERT_TRUE(Finds({"3", "2"}));
}

TEST_F(SearchWindow, ArchivedFullTextOpensWithoutTheServer) {
    settings.Port = std::to_string(ScriptedServer::RefusingPort());
    ASSERT_TRUE(Finds({"4", "3", "2", "1"}));
    search->OpenRow(2);  // item 2, its full text archived
    ASSERT_TRUE(WaitFor([&] { return details.isVisible(); }));
    EXPECT_EQ(details.Memo1()->toPlainText(), QString::fromUtf8("Полный текст второй"));
    search->OpenRow(0);  // item 4: no attachment, its row text
    EXPECT_EQ(details.Memo1()->toPlainText(), QString::fromUtf8("12:00:00  Нефть подорожала"));
}

TEST_F(SearchWindow, FetchedFullTextIsShownAndKept) {
    ScriptedServer server(DetailsWith("Текст с сервера\\r\\nвторая строка"));
    settings.Port = server.PortText();
    ASSERT_TRUE(Finds({"4", "3", "2", "1"}));
    search->OpenRow(1);  // item 3: attachment, nothing archived yet
    ASSERT_TRUE(WaitFor([&] { return details.isVisible(); }));
    EXPECT_EQ(details.Memo1()->toPlainText(), QString::fromUtf8("Текст с сервера\nвторая строка"));
    EXPECT_TRUE(server.WaitForLine("GET 00013"));
    EXPECT_TRUE(WaitFor([&] {
        return open.FullText({"127.0.0.1", "3", 0}) == "Текст с сервера\r\nвторая строка";
    }));
}

struct GridWithArchive : UiFixture {
    void SetUp() override {
        UiFixture::SetUp();
        details = std::make_unique<TForm4>();
        window->SetDetailsWindow(details.get());
        window->Details().SetArchive(open.archive.get());
    }
    void TearDown() override {
        wiring.reset();
        details.reset();
    }
    // The feed selects the server; item 104233, with an attachment, is double-clicked in `row`
    // (a row of its own in each test: the pointer must move to it) and shown.
    void OpenItem(const ScriptedServer& server, int row) {
        settings.Port = server.PortText();
        settings.Servers = {"127.0.0.1"};
        settings.NewsCount = "0";
        wiring->NewsFeed().StartFeed();
        ASSERT_TRUE(WaitFor([&] { return wiring->NewsFeed().SelectedServer() == "127.0.0.1"; }));
        PutItem(row, "Старое", "0", "1", "104233");
        QTest::mouseMove(Grid().viewport(), RowPoint(row));
        window->Details().StringGrid1DblClick();
        ASSERT_TRUE(WaitFor([&] { return details->isVisible(); }));
    }
    OpenArchive open{{Stored("104233", "Старое", "01.02.2026", false, true, "Текст из архива")}};
    std::unique_ptr<TForm4> details;
};

TEST_F(GridWithArchive, ArchivedTextAtOnceThenTheServersInTheBackground) {
    ScriptedServer server(DetailsWith("Новый текст", std::chrono::milliseconds(300)));
    ASSERT_NO_FATAL_FAILURE(OpenItem(server, 1));
    EXPECT_EQ(details->Memo1()->toPlainText(), QString::fromUtf8("Текст из архива"));
    EXPECT_EQ(Status2(), "");  // the user waits for nothing
    ASSERT_TRUE(WaitFor(
        [&] { return details->Memo1()->toPlainText() == QString::fromUtf8("Новый текст"); }));
    EXPECT_TRUE(WaitFor([&] {
        return open.FullText({"127.0.0.1", "104233", 0}) == "Новый текст";
    }));
}

TEST_F(GridWithArchive, AnArchiveThatDoesNotAnswerIsNotWaitedFor) {
    WriterOptions options;
    options.Path = open.dir.filePath("never.sqlite3").toStdString();
    Archive unopened(options);  // its readers wait for an opening that never comes
    window->Details().SetArchive(&unopened);
    ScriptedServer server(DetailsWith("С сервера"));
    ASSERT_NO_FATAL_FAILURE(OpenItem(server, 2));
    EXPECT_EQ(details->Memo1()->toPlainText(), QString::fromUtf8("С сервера"));
    wiring.reset();  // before the archive it knows
}

TEST(ArchiveNotices, TooltipAlwaysAndEachFaultOnce) {
    QWidget holder;
    std::vector<QString> messages;
    ArchiveNotices notices(&holder, [&](const QString& text) { messages.push_back(text); });
    ArchiveStatus status;
    status.Path = "/data/archive.sqlite3";
    status.State = ArchiveState::Ready;
    notices.Show(status);
    EXPECT_EQ(holder.toolTip(), QString::fromUtf8("Архив новостей: /data/archive.sqlite3"));
    EXPECT_TRUE(messages.empty());

    status.Fault = ArchiveFault::Damaged;
    status.MovedTo = "/data/archive.sqlite3.damaged-20260210-120000";
    notices.Show(status);
    notices.Show(status);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("archive.sqlite3.damaged-20260210-120000"));

    status.State = ArchiveState::Behind;
    status.Waiting = 60000;
    notices.Show(status);
    EXPECT_TRUE(holder.toolTip().contains("60000"));
    EXPECT_EQ(messages.size(), 1u);  // the tooltip only

    status.State = ArchiveState::Off;
    status.Fault = ArchiveFault::DiskFull;
    notices.Show(status);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].startsWith(QString::fromUtf8("Диск заполнен")));
    EXPECT_EQ(holder.toolTip(), messages[1]);
}

}  // namespace
}  // namespace plivant::test
