#include "ui/NewsGrid.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "core/TextCodec.h"
#include "feed/FeedTexts.h"
#include "feed/MainView.h"
#include "feed/NewsStore.h"
#include "ui/AccessibleTexts.h"
#include "ui/Colors.h"
#include "ui/NewsGridDelegate.h"

namespace plivant {

namespace {

// A row's cell; its accessible description follows the item's flags in the store.
class NewsRowItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    QVariant data(int role) const override {
        if (role == Qt::AccessibleDescriptionRole && tableWidget()) {
            return static_cast<const NewsGrid*>(tableWidget())->RowDescription(row());
        }
        return QTableWidgetItem::data(role);
    }
};

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The keys that step from the selected row to another.
bool Steps(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

}  // namespace

NewsGrid::NewsGrid(MainView& view, const NewsStore& store, const Settings& settings,
                   QWidget* parent)
    : QTableWidget(kRows, 1, parent), view_(view), store_(store) {
    setObjectName("StringGrid1");
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    // The grid line is drawn inside the section, at its bottom.
    verticalHeader()->setDefaultSectionSize(kRowHeight + kGridLineWidth);
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
        setItem(row, 0, new NewsRowItem(text));
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

int NewsGrid::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString NewsGrid::RowDescription(int row) const {
    if (RowText(row).isEmpty()) return {};
    const int slot = NewsStore::ViewSlot(row);
    return plivant::RowDescription(store_.ImportantCopies(slot), store_.AttachmentCopies(slot));
}

// While a details fetch runs, status panel 2 shows the loading text and nothing else writes it.
bool NewsGrid::Loading() const {
    return view_.StatusText(MainView::kInfoPanel) == texts::Loading();
}

void NewsGrid::ShowInfoLine(int row) {
    const std::string& info = store_.InfoLines(NewsStore::ViewSlot(row));
    if (!info.empty()) view_.SetStatusText(MainView::kInfoPanel, info);
}

void NewsGrid::StringGrid1MouseMove(const QPoint& point) {
    if (Loading()) return;
    QModelIndex cell = indexAt(point);
    hoverRow_ = cell.isValid() ? cell.row() : -1;
    hoverCol_ = cell.isValid() ? cell.column() : -1;
    if (hoverRow_ == lastHoverRow_ && hoverCol_ == lastHoverCol_) return;
    lastHoverRow_ = hoverRow_;
    lastHoverCol_ = hoverCol_;
    const QString text = hoverCol_ != -1 ? RowText(hoverRow_) : QString();
    if (hoverCol_ != -1 && text.isEmpty()) return;
    ShowInfoLine(hoverRow_);
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

void NewsGrid::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event->key())) {
        event->accept();
        if (OnEnter) OnEnter();
        return;
    }
    const int before = SelectedRow();
    if (before == -1 && Steps(event->key())) {
        // With nothing selected yet, the first step selects the row the keyboard stands on
        // (the newest at first) rather than passing over it.
        event->accept();
        selectRow(std::max(currentRow(), 0));
    } else {
        QTableWidget::keyPressEvent(event);
    }
    const int after = SelectedRow();
    if (after != before && after != -1 && !Loading() && !RowText(after).isEmpty()) {
        ShowInfoLine(after);
    }
}

// The keys move between rows: Home and End go to the first and the last row.
QModelIndex NewsGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveHome) return model()->index(0, 0);
    if (action == MoveEnd) return model()->index(kRows - 1, 0);
    return QTableWidget::moveCursor(action, modifiers);
}

bool NewsGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (hintsEnabled_ && !hint_.isEmpty())
            QToolTip::showText(help->globalPos(), hint_, viewport());
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

}  // namespace plivant
