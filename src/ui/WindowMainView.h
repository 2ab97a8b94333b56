#pragma once

#include <functional>

#include "core/UiInvoker.h"
#include "feed/MainView.h"

namespace plivant {

class MainStatusBar;
class NewsGrid;

// MainView on the real widgets. Callable from any thread: a call from a worker is carried out
// on the UI thread, which the worker waits for. Create it on the UI thread.
class WindowMainView : public MainView {
public:
    WindowMainView(MainStatusBar& status, std::function<bool()> isInTray);
    void SetGrid(NewsGrid* grid) { grid_ = grid; }

    void SetStatusText(int panel, const std::string& text) override;
    std::string StatusText(int panel) const override;
    void RepaintStatus() override;
    void SetLamp(uint32_t colour) override;
    bool IsInTray() const override;
    void SetRowText(int row, const std::string& text) override;
    std::string RowText(int row) const override;
    void ShiftRowsDown() override;
    void ClearAllRows() override;
    void RepaintGrid() override;

private:
    // Mutable: a worker's const query is handed over as well.
    mutable UiInvoker ui_;
    NewsGrid* grid_ = nullptr;
    MainStatusBar& status_;
    std::function<bool()> isInTray_;
};

}  // namespace plivant
