#pragma once

#include <map>
#include <string>

#include "feed/FeedContext.h"
#include "feed/MainView.h"

namespace plivant {

// The feed's window on a terminal: every news item is printed as its grid row text in UTF-8,
// one a line, flushed at once. Ends the program when the feed is over.
class ConsoleView : public MainView, public NewsPopup, public FeedObserver {
public:
    void SetStatusText(int panel, const std::string& text) override { status_[panel] = text; }
    std::string StatusText(int panel) const override;
    void RepaintStatus() override {}
    void SetLamp(uint32_t) override {}
    bool IsInTray() const override { return false; }
    void SetRowText(int, const std::string&) override {}
    std::string RowText(int) const override { return {}; }
    void ShiftRowsDown() override {}
    void ClearAllRows() override {}
    void RepaintGrid() override {}

    void ClearNews() override {}
    void AddNewsLine(const std::string&) override {}

    void NewsArrived(const std::string& rowText) override;
    void FeedEnded(FeedEnd why) override;

private:
    std::map<int, std::string> status_;
};

}  // namespace plivant
