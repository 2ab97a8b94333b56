#include "ui/NewsGridDelegate.h"

#include <QPainter>

#include "feed/NewsStore.h"
#include "feed/Protocol.h"
#include "settings/Settings.h"
#include "ui/Colors.h"

namespace plivant {

NewsGridDelegate::NewsGridDelegate(const NewsStore& store, const Settings& settings,
                                   QObject* parent)
    : QStyledItemDelegate(parent), store_(store), settings_(settings) {}

QColor NewsGridDelegate::FlagColor(const std::string& important, const std::string& attachment) {
    bool isImportant = important == "1";
    bool hasAttachment = attachment == "1";
    if (isImportant && hasAttachment) return FromColorRef(2386943);
    if (isImportant) return FromColorRef(255);
    if (hasAttachment) return FromColorRef(32768);
    return FromColorRef(0);
}

int NewsGridDelegate::NewsCount() const {
    if (auto count = ParseNewsCount(settings_.NewsCount)) lastValidCount_ = *count;
    return lastValidCount_;
}

void PaintNewsCell(QPainter* painter, const QStyleOptionViewItem& option, const QString& text,
                   std::optional<QColor> flagColor) {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(
        option.rect, selected ? palette.color(QPalette::Highlight) : FromColorRef(kNewsBackground));
    QColor color =
        selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::WindowText);
    painter->setFont(option.font);
    painter->setPen(flagColor.value_or(color));
    const int baseline = option.rect.top() + 2 + QFontMetrics(option.font).ascent();
    painter->drawText(QPoint(option.rect.left() + 2, baseline), text);
    painter->restore();
}

void NewsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    std::optional<QColor> color;
    const int row = index.row();
    if (row <= NewsCount() && !text.isEmpty()) {
        int slot = NewsStore::ViewSlot(row);
        color = FlagColor(store_.ImportantCopies(slot), store_.AttachmentCopies(slot));
    }
    PaintNewsCell(painter, option, text, color);
}

}  // namespace plivant
