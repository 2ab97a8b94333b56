#include <QPlainTextEdit>

#include "UiFixture.h"
#include "feed/Feed.h"
#include "feed/FeedTexts.h"
#include "support/ScriptedServer.h"
#include "ui/GridDetails.h"
#include "ui/TForm4.h"

namespace plivant::test {
namespace {

struct Details : UiFixture {
    void SetUp() override {
        UiFixture::SetUp();
        details = std::make_unique<TForm4>();
        window->SetDetailsWindow(details.get());
    }
    void TearDown() override {
        wiring.reset();
        details.reset();
    }
    void DoubleClickRow(int row) {
        QTest::mouseMove(Grid().viewport(), RowPoint(row));
        window->Details().StringGrid1DblClick();
    }
    std::unique_ptr<TForm4> details;
};

// One wire for both connections: the feed (which selects the server) and the details.
void FeedAndDetails(Peer& peer) {
    while (auto line = peer.ReadLine()) {
        if (line->rfind("HISN", 0) == 0) {
            peer.Send("first\r\nOK\r\nOK\r\nOK\r\n.\r\n");
            return;
        }
        if (line->rfind("GET", 0) == 0) {
            for (int i = 0; i < 6; ++i) peer.SendLine("header");
            peer.SendLine(Utf8ToWire("Первая строка\\r\\nВторая"));
            return;
        }
    }
}

TEST_F(Details, FullTextIsFetchedForAnItemWithAttachment) {
    ScriptedServer server(FeedAndDetails);
    settings.Port = server.PortText();
    settings.Servers = {"127.0.0.1"};
    settings.NewsCount = "0";
    wiring->NewsFeed().StartFeed();
    ASSERT_TRUE(WaitFor([&] { return wiring->NewsFeed().SelectedServer() == "127.0.0.1"; }));
    PutItem(1, "with text", "0", "1", "104233");
    DoubleClickRow(1);
    EXPECT_EQ(window->View().StatusText(MainView::kInfoPanel), texts::Loading());
    ASSERT_TRUE(WaitFor([&] { return details->isVisible(); }));
    EXPECT_EQ(details->Memo1()->toPlainText(), QString::fromUtf8("Первая строка\nВторая"));
    EXPECT_EQ(Status2(), "");
    EXPECT_TRUE(server.WaitForLine("QUIT"));
    EXPECT_TRUE(server.WaitForLine("GET 0001104233"));
    EXPECT_TRUE(server.WaitForLine("OPT language=rus", 2));
}

TEST_F(Details, ItemsWithoutAttachmentShowTheirRowText) {
    PutItem(2, "plain");
    DoubleClickRow(2);
    EXPECT_TRUE(details->isVisible());
    EXPECT_EQ(details->Memo1()->toPlainText(), FromWire(Utf8ToWire("12:00:00  plain")));
}

TEST_F(Details, NothingHappensOnEmptyRowsAndWhileLoading) {
    DoubleClickRow(4);
    EXPECT_FALSE(details->isVisible());
    PutItem(3, "plain");
    QTest::mouseMove(Grid().viewport(), RowPoint(3));
    window->View().SetStatusText(MainView::kInfoPanel, texts::Loading());
    window->Details().StringGrid1DblClick();
    EXPECT_FALSE(details->isVisible());
}

TEST_F(Details, EnterOpensTheSelectedRowAndTheDoubleClickTheRowUnderThePointer) {
    PutItem(2, "selected");
    PutItem(5, "pointed at");
    QTest::mouseMove(Grid().viewport(), RowPoint(5));
    Grid().setFocus();
    QTest::keyClick(&Grid(), Qt::Key_Return);  // nothing selected yet: nothing to open
    EXPECT_FALSE(details->isVisible());
    Grid().selectRow(2);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(details->Memo1()->toPlainText(), FromWire(Utf8ToWire("12:00:00  selected")));
    DoubleClickRow(5);
    EXPECT_EQ(details->Memo1()->toPlainText(), FromWire(Utf8ToWire("12:00:00  pointed at")));
    QTest::keyClick(&Grid(), Qt::Key_Enter);  // the keypad's Enter too
    EXPECT_EQ(details->Memo1()->toPlainText(), FromWire(Utf8ToWire("12:00:00  selected")));
}

TEST_F(Details, APortThatIsNoPortIsReportedInItsOwnLettersAndFreesThePanel) {
    std::vector<QString> errors;
    window->Details().ShowError = [&](const QString& text) { errors.push_back(text); };
    settings.Port = Utf8ToWire("порт");
    PutItem(1, "with text", "0", "1", "104233");
    DoubleClickRow(1);
    ASSERT_TRUE(WaitFor([&] { return !errors.empty(); }));
    EXPECT_TRUE(errors[0].contains(QString::fromUtf8("'порт'"))) << errors[0].toStdString();
    EXPECT_EQ(Status2(), "");
    EXPECT_FALSE(details->isVisible());
}

}  // namespace
}  // namespace plivant::test
