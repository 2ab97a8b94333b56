#pragma once

#include <QProxyStyle>

class QStyleOptionGroupBox;

namespace skin {

class SkinValues;

// The style a skinned group box wears: a 1-pixel frame in the skin's control border colour from
// half the caption's height down, and the caption at 8 pixels from the left (right, for right to
// left) on the box's own colour, hiding the frame line behind it, in the skin's control font
// colour. A checkable box keeps its check box, drawn by the base style where it takes clicks.
class GroupBoxStyle : public QProxyStyle {
public:
    explicit GroupBoxStyle(const SkinValues& skin) : skin_(skin) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    void DrawFrame(QPainter& painter, const QStyleOptionGroupBox& box, int textHeight) const;
    void DrawCaption(QPainter& painter, const QStyleOptionGroupBox& box, const QWidget* widget,
                     int textHeight) const;
    // The check box of a checkable group box; where its caption may begin.
    int DrawCheckBox(QPainter& painter, const QStyleOptionGroupBox& box,
                     const QWidget* widget) const;

    const SkinValues& skin_;
};

}  // namespace skin
