#pragma once

#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QSize>
#include <QWidget>
#include <optional>
#include <vector>

class QSizeGrip;

namespace skin {

// What putting a skin frame around a top-level widget changes, saved first and put back
// exactly: the window flags (frameless while the frame is on), the contents margins the frame is
// painted in, the positions of children placed by hand (moved by the frame's offset; those a
// layout places move by themselves), the size (the window grows by the frame, its client part
// keeps its size), the size limits, the mask, mouse tracking and the window's own size grips.
class WindowLook {
public:
    explicit WindowLook(QWidget* window) : window_(window) {}

    bool IsOn() const { return saved_.has_value(); }
    // `frameless` is false for windows that have no frame of their own to take away.
    void PutOn(const QMargins& frame, bool frameless);
    void TakeOff();
    QMargins Frame() const { return frame_; }
    // A lower limit on the window's size while the frame is on; the window's own comes back.
    void SetMinimumSize(const QSize& size);
    // Hides the size grips the window shows of its own (a dialog's, a file dialog's) while the
    // frame is on: they would sit over the frame's bottom-right border, which resizes the window
    // itself. A status bar's grip is a part of the bar and stays. Also for grips come since.
    void HideSizeGrips();

    // Window flags of a shown window change without hiding it: hiding a dialog would end its
    // modal loop.
    static void ChangeFlags(QWidget* window, Qt::WindowFlags flags);

private:
    struct Saved {
        Qt::WindowFlags Flags;
        QMargins Margins;
        std::optional<QSize> MinimumSize;  // set when the frame changed them
        std::optional<QSize> MaximumSize;
        QRegion Mask;
        bool MouseTracking;
    };
    struct MovedChild {
        QPointer<QWidget> Child;
        QPoint Offset;
    };

    void MoveHandPlacedChildren(const QPoint& offset);
    void GrowLimits(const QSize& grow);
    void ShowSizeGrips();

    QPointer<QWidget> window_;
    std::optional<Saved> saved_;
    std::vector<MovedChild> moved_;
    std::vector<QPointer<QSizeGrip>> hiddenGrips_;
    QMargins frame_;
};

// Whether a layout of the widget places the child (directly or through nested layouts), or the
// main window places it (central widget, menu bar, status bar, tool bars, docks).
bool IsPlacedByLayout(const QWidget* parent, const QWidget* child);

}  // namespace skin
