#include "ui/NewsGrid.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include "core/TextCodec.h"
#include "feed/FeedTexts.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "ui/Colors.h"
#include "ui/NewsGridDelegate.h"

namespace plivant {

NewsGrid::NewsGrid(MainView& view, const NewsStore& store, const Settings& settings,
                   QWidget* parent)
    : QTableWidget(kRows, 1, parent), view_(view), store_(store) {
    setObjectName("StringGrid1");
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    setColumnWidth(0, kColumnWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    SetNewsBackground(this);
    setItemDelegate(new NewsGridDelegate(store, settings, this));
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { RepaintGrid(); });
}

void NewsGrid::SetRowText(int row, const QString& text) {
    if (row < 0 || row >= kRows) return;
    if (QTableWidgetItem* cell = item(row, 0)) {
        cell->setText(text);
    } else {
        setItem(row, 0, new QTableWidgetItem(text));
    }
}

QString NewsGrid::RowText(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell ? cell->text() : QString();
}

void NewsGrid::ShiftRowsDown() {
    // Inserting on top moves every item, and the selection with its item, down one row.
    insertRow(0);
    removeRow(kRows);
}

void NewsGrid::ClearAllRows() { clearContents(); }

void NewsGrid::RepaintGrid() { viewport()->update(); }

void NewsGrid::StringGrid1MouseMove(const QPoint& point) {
    if (view_.StatusText(MainView::kInfoPanel) == texts::Loading()) return;
    QModelIndex cell = indexAt(point);
    hoverRow_ = cell.isValid() ? cell.row() : -1;
    hoverCol_ = cell.isValid() ? cell.column() : -1;
    if (hoverRow_ == lastHoverRow_ && hoverCol_ == lastHoverCol_) return;
    lastHoverRow_ = hoverRow_;
    lastHoverCol_ = hoverCol_;
    const QString text = hoverCol_ != -1 ? RowText(hoverRow_) : QString();
    if (hoverCol_ != -1 && text.isEmpty()) return;
    const std::string& info = store_.InfoLines(NewsStore::ViewSlot(hoverRow_));
    if (!info.empty()) view_.SetStatusText(MainView::kInfoPanel, info);
    QToolTip::hideText();
    if (hoverCol_ != -1) hint_ = QString("%1 %2").arg(hoverRow_).arg(hoverCol_) + text;
    hintsEnabled_ = true;
}

void NewsGrid::mouseMoveEvent(QMouseEvent* event) {
    StringGrid1MouseMove(event->position().toPoint());
    QTableWidget::mouseMoveEvent(event);
}

void NewsGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (OnDoubleClick) OnDoubleClick();
}

bool NewsGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (hintsEnabled_ && !hint_.isEmpty()) QToolTip::showText(help->globalPos(), hint_, viewport());
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

}  // namespace plivant
