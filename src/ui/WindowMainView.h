#pragma once

#include <QObject>
#include <functional>

#include "feed/MainView.h"

namespace plivant {

class MainStatusBar;
class NewsGrid;

// MainView on the real widgets. Callable from any thread: a call from a worker is carried out
// on the UI thread, which the worker waits for.
class WindowMainView : public MainView {
public:
    WindowMainView(QObject* uiContext, MainStatusBar& status, std::function<bool()> isInTray);
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
    QObject* ui_;
    NewsGrid* grid_ = nullptr;
    MainStatusBar& status_;
    std::function<bool()> isInTray_;
};

}  // namespace plivant
