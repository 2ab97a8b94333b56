#include "ui/SearchResultsModel.h"

#include <QColor>

#include "archive/ArchiveReader.h"
#include "ui/NewsGridDelegate.h"

namespace plivant {

void SearchResultsModel::Reset(const SearchResult& result) {
    beginResetModel();
    items_ = result.Items;
    count_ = result.Count;
    asking_ = false;
    endResetModel();
}

void SearchResultsModel::Append(const SearchResult& result) {
    asking_ = false;
    if (result.Items.empty()) return;
    const int first = int(items_.size());
    beginInsertRows({}, first, first + int(result.Items.size()) - 1);
    items_.insert(items_.end(), result.Items.begin(), result.Items.end());
    endInsertRows();
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(items_.size());
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= items_.size()) return {};
    const ArchiveItem& item = items_[size_t(index.row())].Item;
    if (role == Qt::ForegroundRole) {
        return NewsGridDelegate::FlagColor(item.Important ? "1" : "0", item.Attachment ? "1" : "0");
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case kTime:
            return QString::fromStdString(item.Time).trimmed();
        case kDate:
            return QString::fromStdString(item.Date);
        default:
            return QString::fromStdString(item.Text);
    }
}

bool SearchResultsModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !asking_ && int64_t(items_.size()) < count_ && !items_.empty();
}

void SearchResultsModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent) || !MoreWanted) return;
    asking_ = true;
    MoreWanted(items_.back().Order);
}

}  // namespace plivant
