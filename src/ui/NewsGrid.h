#pragma once

#include <QTableWidget>
#include <functional>

namespace plivant {

class MainView;
class NewsStore;
struct Settings;

// The one-column news grid: 101 rows of 15 pixels and a 1-pixel line, flag colours, pointer
// tracking that shows the information line of the row under the pointer and names the cell in
// the hint. From the keyboard, the arrows, Page Up/Down and Home/End move the selected row, which
// shows its information line the same way, and Enter opens it.
class NewsGrid : public QTableWidget {
public:
    static constexpr int kRows = 101;
    static constexpr int kColumnWidth = 1009;
    static constexpr int kRowHeight = 15;
    static constexpr int kGridLineWidth = 1;  // below each row, so rows are 16 pixels apart

    NewsGrid(MainView& view, const NewsStore& store, const Settings& settings,
             QWidget* parent = nullptr);

    void SetRowText(int row, const QString& text);
    QString RowText(int row) const;
    void ShiftRowsDown();
    void ClearAllRows();
    void RepaintGrid();

    int HoverRow() const { return hoverRow_; }
    int HoverCol() const { return hoverCol_; }
    QString HintText() const { return hint_; }
    bool HintsEnabled() const { return hintsEnabled_; }

    // The selected row, -1 when none is.
    int SelectedRow() const;
    // What a screen reader hears of a row beside its text: what its colour shows.
    QString RowDescription(int row) const;

    // Called for every double-click on the grid (the details fetch listens).
    std::function<void()> OnDoubleClick;
    // Called when Enter is pressed in the grid.
    std::function<void()> OnEnter;

    // The pointer moved to a point of the viewport.
    void StringGrid1MouseMove(const QPoint& point);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool viewportEvent(QEvent* event) override;

private:
    bool Loading() const;
    void ShowInfoLine(int row);

    MainView& view_;
    const NewsStore& store_;
    int hoverRow_ = 0, hoverCol_ = 0;
    int lastHoverRow_ = 0, lastHoverCol_ = 0;
    QString hint_ = "0 0";
    bool hintsEnabled_ = true;
};

}  // namespace plivant
