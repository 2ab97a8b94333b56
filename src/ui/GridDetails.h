#pragma once

#include <functional>
#include <string>

#include "feed/DetailsFetcher.h"

class QWidget;

namespace plivant {

class MainView;
class NewsGrid;
class NewsStore;
class TForm4;
struct Settings;

// The grid's double-click and Enter: the item under the pointer (or the selected one) in the
// details window, its full text fetched from the selected server when it has one. The fetch runs off the UI thread; the
// loading text in status panel 2 marks it and holds further double-clicks and pointer tracking.
class GridDetails {
public:
    GridDetails(NewsGrid& grid, MainView& view, const NewsStore& store, const Settings& settings,
                std::function<std::string()> selectedServer,
                std::chrono::milliseconds limit = DetailsFetcher::kLimit);

    void SetDetailsWindow(TForm4* window) { details_ = window; }
    // Reports an error to the user (a message box in the program).
    std::function<void(const QString&)> ShowError;

    // The row under the pointer.
    void StringGrid1DblClick();
    // The selected row, from the keyboard.
    void OpenSelectedRow();

private:
    void OpenRow(int row);
    void Fetched(const std::string& text, const std::string& error);

    NewsGrid& grid_;
    MainView& view_;
    const NewsStore& store_;
    const Settings& settings_;
    std::function<std::string()> selectedServer_;
    TForm4* details_ = nullptr;
    DetailsFetcher fetcher_;
};

}  // namespace plivant
