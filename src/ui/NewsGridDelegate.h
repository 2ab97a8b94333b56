#pragma once

#include <QStyledItemDelegate>
#include <optional>

namespace plivant {

class NewsStore;
struct Settings;

// Draws a cell the grid's way: selection or background fill, the text 2 pixels in from the
// top-left corner, in `flagColor` when given, else in the palette's text colour.
void PaintNewsCell(QPainter* painter, const QStyleOptionViewItem& option, const QString& text,
                   std::optional<QColor> flagColor);

// Draws a grid cell: the grid's own look (selection or background fill, text 2 pixels in from
// the top-left corner), with the text coloured by the item's flags for rows within the news
// count.
class NewsGridDelegate : public QStyledItemDelegate {
public:
    NewsGridDelegate(const NewsStore& store, const Settings& settings, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The text colour of a row from its flag copies: both, important, attachment, neither.
    static QColor FlagColor(const std::string& important, const std::string& attachment);

private:
    int NewsCount() const;

    const NewsStore& store_;
    const Settings& settings_;
    mutable int lastValidCount_ = 100;  // a count being typed that is not a number keeps this
};

}  // namespace plivant
