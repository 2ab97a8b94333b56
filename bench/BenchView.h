#pragma once

#include <QCoreApplication>
#include <array>
#include <functional>
#include <string>

#include "feed/FeedContext.h"
#include "feed/MainView.h"

namespace plivant::bench {

// A main window that keeps only what the benchmarks look at: the rows, the status texts, the
// lamp and how many items arrived.
class BenchView : public MainView, public NewsPopup, public FeedObserver {
public:
    void SetStatusText(int panel, const std::string& text) override {
        status[size_t(panel)] = text;
    }
    std::string StatusText(int panel) const override { return status[size_t(panel)]; }
    void RepaintStatus() override {}
    void SetLamp(uint32_t colour) override { lamp = colour; }
    bool IsInTray() const override { return false; }
    void SetRowText(int row, const std::string& text) override { rows[size_t(row)] = text; }
    std::string RowText(int row) const override { return rows[size_t(row)]; }
    void ShiftRowsDown() override {
        for (int r = kRows - 1; r > 0; --r) rows[size_t(r)] = std::move(rows[size_t(r - 1)]);
        rows[0].clear();
    }
    void ClearAllRows() override { rows.fill({}); }
    void RepaintGrid() override {}
    void ClearNews() override {}
    void AddNewsLine(const std::string&) override {}
    void NewsArrived(const std::string&) override { ++arrived; }
    void LiveReaderStarted() override { live = true; }

    std::array<std::string, kRows> rows;
    std::array<std::string, 4> status;
    uint32_t lamp = 0;
    long arrived = 0;
    bool live = false;
};

// Runs the event loop until `done`, without sleeping: the time to the answer is what counts.
inline void SpinUntil(const std::function<bool()>& done) {
    while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

}  // namespace plivant::bench
