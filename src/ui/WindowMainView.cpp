#include "ui/WindowMainView.h"

#include "core/TextCodec.h"
#include "ui/Colors.h"
#include "ui/MainStatusBar.h"
#include "ui/NewsGrid.h"
#include "ui/UiThread.h"

namespace plivant {

WindowMainView::WindowMainView(QObject* uiContext, MainStatusBar& status,
                               std::function<bool()> isInTray)
    : ui_(uiContext), status_(status), isInTray_(std::move(isInTray)) {}

void WindowMainView::SetStatusText(int panel, const std::string& text) {
    RunOnUiThread(ui_, [&] { status_.SetPanelText(panel, FromWire(text)); });
}

std::string WindowMainView::StatusText(int panel) const {
    return RunOnUiThreadFor<std::string>(ui_, [&] { return ToWire(status_.PanelText(panel)); });
}

void WindowMainView::RepaintStatus() {
    RunOnUiThread(ui_, [&] { status_.repaint(); });
}

void WindowMainView::SetLamp(uint32_t colour) {
    RunOnUiThread(ui_, [&] { status_.ConnectionLamp()->SetColor(FromColorRef(colour)); });
}

bool WindowMainView::IsInTray() const {
    return RunOnUiThreadFor<bool>(ui_, [&] { return isInTray_ && isInTray_(); });
}

void WindowMainView::SetRowText(int row, const std::string& text) {
    RunOnUiThread(ui_, [&] { grid_->SetRowText(row, FromWire(text)); });
}

std::string WindowMainView::RowText(int row) const {
    return RunOnUiThreadFor<std::string>(ui_, [&] { return ToWire(grid_->RowText(row)); });
}

void WindowMainView::ShiftRowsDown() {
    RunOnUiThread(ui_, [&] { grid_->ShiftRowsDown(); });
}

void WindowMainView::ClearAllRows() {
    RunOnUiThread(ui_, [&] { grid_->ClearAllRows(); });
}

void WindowMainView::RepaintGrid() {
    RunOnUiThread(ui_, [&] { grid_->RepaintGrid(); });
}

}  // namespace plivant
