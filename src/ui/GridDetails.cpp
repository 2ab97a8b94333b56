#include "ui/GridDetails.h"

#include "feed/FeedTexts.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "feed/TextCodec.h"
#include "settings/Settings.h"
#include "ui/NewsGrid.h"
#include "ui/TForm4.h"

namespace plivant {

GridDetails::GridDetails(NewsGrid& grid, MainView& view, const NewsStore& store,
                         const Settings& settings, std::function<std::string()> selectedServer,
                         std::chrono::milliseconds limit)
    : grid_(grid),
      view_(view),
      store_(store),
      settings_(settings),
      selectedServer_(std::move(selectedServer)),
      fetcher_(limit) {}

void GridDetails::StringGrid1DblClick() { OpenRow(grid_.HoverRow()); }

void GridDetails::OpenSelectedRow() { OpenRow(grid_.SelectedRow()); }

void GridDetails::OpenRow(int row) {
    if (view_.StatusText(2) == texts::Loading()) return;
    if (row == -1) return;
    const QString cell = grid_.RowText(row);
    const int slot = NewsStore::ViewSlot(row);
    const std::string& attachment = store_.AttachmentCopies(slot);
    if (!attachment.empty() && attachment.front() == '1') {
        view_.SetStatusText(2, texts::Loading());
        view_.RepaintStatus();
        fetcher_.Fetch(selectedServer_(), settings_.Port, store_.IdCopies(slot),
                       [this](const std::string& text, const std::string& error) {
                           Fetched(text, error);
                       });
        return;
    }
    if (!cell.isEmpty() && details_) details_->ShowText(cell);
}

void GridDetails::Fetched(const std::string& text, const std::string& error) {
    if (!error.empty()) {
        // The fetch never started: free the status panel and say why.
        view_.SetStatusText(2, {});
        if (ShowError) ShowError(FromWire(error));  // it quotes the port as typed
        return;
    }
    if (details_) details_->ShowText(FromWire(text));
    view_.SetStatusText(2, {});
}

}  // namespace plivant
