#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/MainWiring.h"
#include "core/TextCodec.h"
#include "feed/NewsStore.h"
#include "feed/Protocol.h"
#include "settings/Settings.h"
#include "support/WaitFor.h"
#include "ui/MainStatusBar.h"
#include "ui/NewsGrid.h"
#include "ui/TMainForm1.h"

namespace plivant::test {

// A shown main window, wired to its feed as in the program, whose program end is recorded
// instead of carried out.
struct UiFixture : ::testing::Test {
    void SetUp() override {
        settings.Servers = {};
        wiring = std::make_unique<MainWiring>(settings, logs.filePath("server.log").toStdString());
        window = &wiring->Window();
        window->EndProgram = [this] { ++ended; };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    // Puts an item into grid row `row` with its record in the row's slot.
    void PutItem(int row, const std::string& text, const std::string& important = "0",
                 const std::string& attachment = "0", const std::string& id = "000001") {
        NewsRecord record;
        record.Id = id;
        record.Time = "12:00:00 ";
        record.Important = important;
        record.Attachment = attachment;
        record.Text = Utf8ToWire(text);
        wiring->Store().StoreRecord(NewsStore::ViewSlot(row), record);
        wiring->Store().SetInfoLine(NewsStore::ViewSlot(row), Utf8ToWire("Info: " + text));
        window->View().SetRowText(row, record.RowText());
    }

    QString Status2() const { return window->Status()->PanelText(MainView::kInfoPanel); }
    NewsGrid& Grid() const { return *window->Grid(); }
    QPoint RowPoint(int row) const {
        return Grid().visualRect(Grid().model()->index(row, 0)).center();
    }

    Settings settings;
    QTemporaryDir logs;
    std::unique_ptr<MainWiring> wiring;  // ends the window and the feed when reset
    TMainForm1* window = nullptr;
    int ended = 0;
};

}  // namespace plivant::test
