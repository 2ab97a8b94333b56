#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "archive/ArchiveItem.h"

namespace plivant {

struct SearchResult;

// The rows of a search: time, date and text of each item found, newest first, with the text
// colour of its flags. Holds one page after another; the view asks for the next one when it
// scrolls to the end of those it has.
class SearchResultsModel : public QAbstractTableModel {
public:
    enum Column { kTime, kDate, kText, kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    // A new search's first page.
    void Reset(const SearchResult& result);
    // The next page of the same search.
    void Append(const SearchResult& result);
    const ArchivedItem& At(int row) const { return items_[size_t(row)]; }
    int64_t Count() const { return count_; }
    // Called for the next page; Append or Reset answers it.
    std::function<void(int64_t before)> MoreWanted;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    std::vector<ArchivedItem> items_;
    int64_t count_ = 0;
    bool asking_ = false;  // a page has been asked for and not come yet
};

}  // namespace plivant
