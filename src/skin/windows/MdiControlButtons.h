#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

class QMdiSubWindow;

namespace skin {

// One of the buttons a maximised MDI child leaves on its frame's menu row: 18 x 18 in the menu
// bar's colour, a black frame while the mouse is over it, its glyph at (1, 1).
class TSkinMenuBarControlButton : public QWidget {
public:
    // The buttons' tags.
    enum Kind { Close = -1381, Restore = -1382, Minimize = -1383 };
    static constexpr int kSize = 18;

    TSkinMenuBarControlButton(Kind kind, QWidget* parent);

    Kind ButtonKind() const { return kind_; }
    bool Hot() const { return hot_; }
    void SetColours(const QColor& face, const QColor& glyph);
    std::function<void(Kind)> Clicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    QColor face_;
    QImage glyph_;
    bool hot_ = false;
    bool pressed_ = false;
};

// The three buttons side by side (minimise, restore, close from the left), each shown only when
// the child has the matching button hint: the system menu for close, maximise for restore,
// minimise for minimise. Made to stand in a menu bar's top right corner.
class MdiControlButtons : public QWidget {
public:
    explicit MdiControlButtons(QWidget* parent = nullptr);

    void ShowFor(const QMdiSubWindow& child, const QColor& face, const QColor& glyph);
    TSkinMenuBarControlButton* Button(TSkinMenuBarControlButton::Kind kind) const;
    std::function<void(TSkinMenuBarControlButton::Kind)> Clicked;
    // What a menu bar places its corner widget by.
    QSize sizeHint() const override { return size(); }

private:
    std::array<TSkinMenuBarControlButton*, 3> buttons_{};
};

}  // namespace skin
