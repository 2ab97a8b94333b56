#pragma once

#include <cstdint>
#include <string>

namespace plivant {

// What the feed and the services do to the main window. Texts are Windows-1251 bytes. The feed
// calls these on the UI thread only.
class MainView {
public:
    static constexpr int kRows = 101;          // grid rows 0..100
    static constexpr uint32_t kLampRed = 255;  // 0x00BBGGRR
    static constexpr uint32_t kLampGreen = 0x8000;
    // The status bar's panels, left to right: Moscow and Greenwich time; the feed's state, the
    // wait texts and the information line of the item under the pointer; "Status:", with the
    // connection lamp at its right end.
    static constexpr int kMoscowPanel = 0;
    static constexpr int kGreenwichPanel = 1;
    static constexpr int kInfoPanel = 2;
    static constexpr int kLampPanel = 3;

    virtual ~MainView() = default;
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    virtual std::string StatusText(int panel) const = 0;
    virtual void RepaintStatus() = 0;
    virtual void SetLamp(uint32_t colour) = 0;
    virtual bool IsInTray() const = 0;
    virtual void SetRowText(int row, const std::string& text) = 0;
    virtual std::string RowText(int row) const = 0;
    // Every row moves down one; row 100 drops out, row 0 is left empty.
    virtual void ShiftRowsDown() = 0;
    virtual void ClearAllRows() = 0;
    virtual void RepaintGrid() = 0;
};

// The popup's text box as the feed sees it.
class NewsPopup {
public:
    virtual ~NewsPopup() = default;
    virtual void ClearNews() = 0;
    virtual void AddNewsLine(const std::string& line) = 0;
};

// While the window is in the tray, an item's row text goes to the popup; a text longer than
// five characters after trimming replaces what the popup held.
void FeedPopup(NewsPopup& popup, const std::string& rowText);

}  // namespace plivant
