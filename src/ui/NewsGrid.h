#pragma once

#include <QTableWidget>
#include <functional>

namespace plivant {

class MainView;
class NewsStore;
struct Settings;

// The one-column news grid: 101 rows of 15 pixels, flag colours, pointer tracking that shows
// the information line of the row under the pointer and names the cell in the hint.
class NewsGrid : public QTableWidget {
public:
    static constexpr int kRows = 101;
    static constexpr int kColumnWidth = 1009;
    static constexpr int kRowHeight = 15;

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

    // Called for every double-click on the grid (the details fetch listens).
    std::function<void()> OnDoubleClick;

    // The pointer moved to a point of the viewport.
    void StringGrid1MouseMove(const QPoint& point);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    MainView& view_;
    const NewsStore& store_;
    int hoverRow_ = 0, hoverCol_ = 0;
    int lastHoverRow_ = 0, lastHoverCol_ = 0;
    QString hint_ = "0 0";
    bool hintsEnabled_ = true;
};

}  // namespace plivant
