#include "ui/WindowMainView.h"

#include "core/TextCodec.h"
#include "ui/Colors.h"
#include "ui/MainStatusBar.h"
#include "ui/NewsGrid.h"

namespace plivant {

WindowMainView::WindowMainView(MainStatusBar& status, std::function<bool()> isInTray)
    : status_(status), isInTray_(std::move(isInTray)) {}

void WindowMainView::SetStatusText(int panel, const std::string& text) {
    ui_.Run([&] { status_.SetPanelText(panel, FromWire(text)); });
}

std::string WindowMainView::StatusText(int panel) const {
    return ui_.RunFor<std::string>([&] { return ToWire(status_.PanelText(panel)); });
}

void WindowMainView::RepaintStatus() {
    ui_.Run([&] { status_.repaint(); });
}

void WindowMainView::SetLamp(uint32_t colour) {
    ui_.Run([&] { status_.ConnectionLamp()->SetColor(FromColorRef(colour)); });
}

bool WindowMainView::IsInTray() const {
    return ui_.RunFor<bool>([&] { return isInTray_ && isInTray_(); });
}

void WindowMainView::SetRowText(int row, const std::string& text) {
    ui_.Run([&] { grid_->SetRowText(row, FromWire(text)); });
}

std::string WindowMainView::RowText(int row) const {
    return ui_.RunFor<std::string>([&] { return ToWire(grid_->RowText(row)); });
}

void WindowMainView::ShiftRowsDown() {
    ui_.Run([&] { grid_->ShiftRowsDown(); });
}

void WindowMainView::ClearAllRows() {
    ui_.Run([&] { grid_->ClearAllRows(); });
}

void WindowMainView::RepaintGrid() {
    ui_.Run([&] { grid_->RepaintGrid(); });
}

}  // namespace plivant
