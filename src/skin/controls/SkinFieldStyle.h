#pragma once

#include <QProxyStyle>

class QStyleOptionComboBox;
class QStyleOptionSpinBox;

namespace skin {

class SkinValues;

// The style combo boxes, spin boxes and date and time editors wear while skinned: over the
// base style's painting, the skin's flat frame, the skinned drop button of a combo box (or of
// an editor with a calendar popup) and the skinned spin buttons, each where the base style puts
// the part, so the parts answer the mouse where they are drawn.
class SkinFieldStyle : public QProxyStyle {
public:
    // `engine` outlives the style. Without `skinSpinButtons` spin buttons keep the base look.
    SkinFieldStyle(const SkinValues& skin, QStyle* base, bool skinSpinButtons);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    void PaintCombo(QPainter& painter, const QStyleOptionComboBox& combo,
                    const QWidget* widget) const;
    void PaintSpin(QPainter& painter, const QStyleOptionSpinBox& spin, const QWidget* widget) const;
    // The part's rectangle, kept inside the field's frame.
    QRect Inside(ComplexControl control, const QStyleOptionComplex& option, SubControl part,
                 bool frame, const QWidget* widget) const;

    const SkinValues& skin_;
    bool skinSpinButtons_;
};

}  // namespace skin
