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

// The grid's double-click: the item under the pointer in the details window, its full text
// from the archive or fetched from the selected server when it has one. The fetch runs off the
// UI thread; the loading text in status panel 2 marks it and holds further double-clicks and
// pointer tracking.
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

    void StringGrid1DblClick();

private:
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
