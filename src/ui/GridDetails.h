#pragma once

#include <functional>
#include <string>

#include "ui/FullTextFinder.h"

class QWidget;

namespace plivant {

class Archive;
class MainView;
class NewsGrid;
class NewsStore;
class TForm4;
struct Settings;

// The grid's double-click and Enter: the item under the pointer (or the selected one) in the
// details window, its full text from the archive or fetched from the selected server when it has
// one. The fetch runs off the UI thread; the loading text in status panel 2 marks it and holds
// further double-clicks and pointer tracking.
class GridDetails {
public:
    GridDetails(NewsGrid& grid, MainView& view, const NewsStore& store, const Settings& settings,
                std::function<std::string()> selectedServer,
                std::chrono::milliseconds limit = DetailsFetcher::kLimit);

    void SetDetailsWindow(TForm4* window) { details_ = window; }
    // Full texts are kept in and served from the archive from now on.
    void SetArchive(Archive* archive) { finder_.SetArchive(archive); }
    // Reports an error to the user (a message box in the program).
    std::function<void(const QString&)> ShowError;

    // The row under the pointer.
    void StringGrid1DblClick();
    // The selected row, from the keyboard.
    void OpenSelectedRow();

private:
    void OpenRow(int row);
    FullTextFinder::Request RequestFor(int slot) const;
    void Shown(const QString& text);
    void Failed(const std::string& error);

    NewsGrid& grid_;
    MainView& view_;
    const NewsStore& store_;
    const Settings& settings_;
    std::function<std::string()> selectedServer_;
    TForm4* details_ = nullptr;
    FullTextFinder finder_;
};

}  // namespace plivant
