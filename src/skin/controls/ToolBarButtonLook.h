#pragma once

#include <QSize>

class QPainter;
class QToolButton;

namespace skin {

class SkinValues;

// The state of a tool bar button as the tool bar draws it.
struct ToolButtonState {
    bool Hot = false;       // under the mouse and enabled
    bool Selected = false;  // held down
    bool Checked = false;
};

// How a skinned tool bar draws its buttons. A hot button gets the skin's hot colour, or its
// pressed colour while held, framed in the tool bar border colour, and a drop-down button its
// mark; a button held or checked but not hot gets the hot look without the mark. Image and
// caption stand where the tool bar puts them: side by side in a list tool bar, the caption
// centred under the image otherwise. Any other button draws itself.
class ToolBarButtonLook {
public:
    explicit ToolBarButtonLook(const SkinValues& skin) : skin_(skin) {}

    static bool Draws(const ToolButtonState& state) {
        return state.Hot || state.Selected || state.Checked;
    }
    void DrawToolButton(QPainter& painter, const QToolButton& button,
                        const ToolButtonState& state) const;

private:
    enum class Kind { Hot, Down };
    void DrawLook(QPainter& painter, const QToolButton& button, Kind kind) const;
    // The image's size, empty when none was drawn.
    QSize DrawImage(QPainter& painter, const QToolButton& button, int faceRight, bool list) const;
    void DrawCaption(QPainter& painter, const QToolButton& button, Kind kind, int faceRight,
                     bool list, const QSize& image) const;

    const SkinValues& skin_;
};

}  // namespace skin
