#pragma once

#include <QWidget>
#include <cstdint>

#include "archive/ArchiveReader.h"
#include "core/UiInvoker.h"
#include "ui/FullTextFinder.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace plivant {

class Archive;
class SearchResultsModel;
class TForm4;
struct SearchOutcome;
struct Settings;

// The archive's search window: a query field, two dates and two flags; the items found as rows
// in the grid's look, newest first, with their count. Results follow the typing; queries run
// off the UI thread and only the last one's answer is shown. A double-click opens the item in
// the details window as the main grid does.
class TfmSearch : public QWidget {
public:
    TfmSearch(Archive& archive, const Settings& settings, TForm4* details,
              QWidget* parent = nullptr);
    ~TfmSearch() override;

    // Shows the window in front with the query field focused.
    void ShowSearch();

    QLineEdit* QueryField() const { return query_; }
    QLabel* FoundLabel() const { return found_; }
    QTableView* Results() const { return results_; }
    SearchResultsModel& Model() const { return *model_; }
    QCheckBox* ImportantOnly() const { return important_; }
    QCheckBox* FullTextOnly() const { return fullText_; }
    QCheckBox* FromDay() const { return fromOn_; }
    QCheckBox* ToDay() const { return toOn_; }
    QDateEdit* FromDate() const { return from_; }
    QDateEdit* ToDate() const { return to_; }
    // Opens row `row` in the details window.
    void OpenRow(int row);

private:
    QWidget* BuildFilters();
    void BuildResults();
    SearchQuery CurrentQuery() const;
    void Submit();
    void AskPage(int64_t before);
    void Ask(SearchQuery query, uint64_t serial, bool page);
    void Answered(uint64_t serial, bool page, const SearchOutcome& outcome);

    Archive& archive_;
    const Settings& settings_;
    TForm4* details_;
    FullTextFinder finder_;
    QLineEdit* query_ = nullptr;
    QCheckBox *fromOn_ = nullptr, *toOn_ = nullptr, *important_ = nullptr, *fullText_ = nullptr;
    QDateEdit *from_ = nullptr, *to_ = nullptr;
    QLabel* found_ = nullptr;
    QTableView* results_ = nullptr;
    SearchResultsModel* model_ = nullptr;
    QTimer* typing_ = nullptr;
    uint64_t serial_ = 0;  // the query whose answers are shown
    UiInvoker ui_;         // the archive's answers; none arrives once the window is gone
};

}  // namespace plivant
