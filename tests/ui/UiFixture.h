#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "core/TextCodec.h"
#include "feed/NewsStore.h"
#include "feed/Protocol.h"
#include "settings/Settings.h"
#include "support/WaitFor.h"
#include "ui/MainStatusBar.h"
#include "ui/NewsGrid.h"
#include "ui/TMainForm1.h"

namespace plivant::test {

// A shown main window whose program end is recorded instead of carried out.
struct UiFixture : ::testing::Test {
    void SetUp() override {
        settings.Servers = {};
        window = std::make_unique<TMainForm1>(settings);
        window->EndProgram = [this] { ++ended; };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
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
        window->Store().StoreRecord(NewsStore::ViewSlot(row), record);
        window->Store().SetInfoLine(NewsStore::ViewSlot(row), Utf8ToWire("Info: " + text));
        window->View().SetRowText(row, record.RowText());
    }

    QString Status2() const { return window->Status()->PanelText(2); }
    NewsGrid& Grid() const { return *window->Grid(); }
    QPoint RowPoint(int row) const {
        return Grid().visualRect(Grid().model()->index(row, 0)).center();
    }

    Settings settings;
    std::unique_ptr<TMainForm1> window;
    int ended = 0;
};

}  // namespace plivant::test
