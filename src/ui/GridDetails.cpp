#include "ui/GridDetails.h"

#include "archive/FeedArchiver.h"
#include "core/TextCodec.h"
#include "feed/FeedTexts.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
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
      finder_(nullptr, limit) {}

void GridDetails::StringGrid1DblClick() { OpenRow(grid_.HoverRow()); }

void GridDetails::OpenSelectedRow() { OpenRow(grid_.SelectedRow()); }

void GridDetails::OpenRow(int row) {
    if (view_.StatusText(MainView::kInfoPanel) == texts::Loading()) return;
    if (row == -1) return;
    const QString cell = grid_.RowText(row);
    const int slot = NewsStore::ViewSlot(row);
    const std::string& attachment = store_.AttachmentCopies(slot);
    if (!attachment.empty() && attachment.front() == '1') {
        view_.SetStatusText(MainView::kInfoPanel, texts::Loading());
        view_.RepaintStatus();
        finder_.Find(
            RequestFor(slot), [this](const QString& text) { Shown(text); },
            [this](const std::string& error) { Failed(error); },
            [this](const QString& text) {
                if (details_ && details_->isVisible()) details_->ReplaceText(text);
            });
        return;
    }
    if (cell.isEmpty() || !details_) return;
    finder_.ShownElsewhere();
    details_->ShowText(cell);
}

FullTextFinder::Request GridDetails::RequestFor(int slot) const {
    NewsRecord record;
    record.Id = store_.Ids(slot);
    record.Time = store_.Times(slot);
    record.Date = store_.Dates(slot);
    record.Important = store_.ImportantFlags(slot);
    record.Attachment = store_.AttachmentFlags(slot);
    record.Text = store_.Texts(slot);
    const std::string server = selectedServer_();
    return {ArchiveItemOf(record, server, settings_.NewsLanguage), server, settings_.Port,
            store_.IdCopies(slot)};
}

void GridDetails::Shown(const QString& text) {
    if (details_) details_->ShowText(text);
    view_.SetStatusText(MainView::kInfoPanel, {});
}

void GridDetails::Failed(const std::string& error) {
    // The fetch never started: free the status panel and say why.
    view_.SetStatusText(MainView::kInfoPanel, {});
    if (ShowError) ShowError(FromWire(error));  // it quotes the port as typed
}

}  // namespace plivant
