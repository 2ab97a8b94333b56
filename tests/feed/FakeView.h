#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <array>
#include <string>
#include <vector>

#include "core/TextCodec.h"
#include "feed/FeedContext.h"
#include "feed/MainView.h"
#include "feed/Protocol.h"

namespace plivant::test {

// A main window, popup and observer that record what the feed does to them, and check that
// it happens on the UI thread.
class FakeView : public MainView, public NewsPopup, public FeedObserver {
public:
    void SetStatusText(int panel, const std::string& text) override {
        OnUiThread();
        status[size_t(panel)] = text;
        if (panel == MainView::kInfoPanel) statusLog.push_back(WireToUtf8(text));
    }
    std::string StatusText(int panel) const override { return status[size_t(panel)]; }
    void RepaintStatus() override { ++statusRepaints; }
    void SetLamp(uint32_t colour) override {
        OnUiThread();
        lamp = colour;
    }
    bool IsInTray() const override { return inTray; }
    void SetRowText(int row, const std::string& text) override {
        OnUiThread();
        ASSERT_GE(row, 0);
        ASSERT_LT(row, kRows);
        rows[size_t(row)] = text;
    }
    std::string RowText(int row) const override { return rows[size_t(row)]; }
    void ShiftRowsDown() override {
        OnUiThread();
        for (int r = kRows - 1; r > 0; --r) rows[size_t(r)] = rows[size_t(r - 1)];
        rows[0].clear();
    }
    void ClearAllRows() override {
        OnUiThread();
        rows.fill({});
    }
    void RepaintGrid() override {}

    void ClearNews() override {
        OnUiThread();
        popup.clear();
        ++popupClears;
    }
    void AddNewsLine(const std::string& line) override {
        OnUiThread();
        popup.push_back(line);
    }

    void NewsArrived(const std::string& rowText) override { arrived.push_back(rowText); }
    void RecordStored(const NewsRecord& record, const std::string& server, int language) override {
        stored.push_back(record.Id + " " + server + " " + std::to_string(language));
    }
    void LiveReaderStarted() override { ++liveStarted; }
    void FeedEnded(FeedEnd why) override {
        ends.push_back(why);
        if (why == FeedEnd::NoServer) ++noServer;
        if (why == FeedEnd::Dropped || why == FeedEnd::Silent) ++liveEnded;
    }

    std::string Status2() const { return WireToUtf8(status[MainView::kInfoPanel]); }

    std::array<std::string, 4> status;
    std::vector<std::string> statusLog;  // every text of the info panel, in UTF-8
    int statusRepaints = 0;
    uint32_t lamp = 0xFFFFFFFF;
    std::array<std::string, kRows> rows;
    bool inTray = false;
    std::vector<std::string> popup;
    int popupClears = 0;
    int noServer = 0, liveStarted = 0, liveEnded = 0;
    std::vector<FeedEnd> ends;
    std::vector<std::string> arrived;
    std::vector<std::string> stored;  // "id server language" of every record stored

private:
    static void OnUiThread() {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    }
};

}  // namespace plivant::test
