#include "skin/controls/SkinFieldStyle.h"

#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

#include "skin/controls/FieldPainter.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

constexpr int kFrameWidth = 2;

HeldPart Held(const QStyleOptionSpinBox& spin) {
    if (!(spin.state & QStyle::State_Sunken)) return HeldPart::None;
    if (spin.activeSubControls & QStyle::SC_SpinBoxUp) return HeldPart::First;
    if (spin.activeSubControls & QStyle::SC_SpinBoxDown) return HeldPart::Second;
    return HeldPart::None;
}

}  // namespace

SkinFieldStyle::SkinFieldStyle(const SkinValues& skin, QStyle* base, bool skinSpinButtons)
    : QProxyStyle(base), skin_(skin), skinSpinButtons_(skinSpinButtons) {}

void SkinFieldStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (!skin_.IsSkinning()) return;
    if (control == CC_ComboBox) {
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option))
            PaintCombo(*painter, *combo, widget);
    } else if (control == CC_SpinBox) {
        if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option))
            PaintSpin(*painter, *spin, widget);
    }
}

QRect SkinFieldStyle::Inside(ComplexControl control, const QStyleOptionComplex& option,
                             SubControl part, bool frame, const QWidget* widget) const {
    const QRect rect = subControlRect(control, &option, part, widget);
    if (!frame) return rect;
    const int f = kFrameWidth;
    return rect & option.rect.adjusted(f, f, -f, -f);
}

void SkinFieldStyle::PaintCombo(QPainter& painter, const QStyleOptionComboBox& combo,
                                const QWidget* widget) const {
    if (combo.frame)
        PaintFieldFrame(painter, skin_, combo.rect, combo.palette.color(QPalette::Base));
    if (!(combo.subControls & SC_ComboBoxArrow)) return;
    PaintComboButton(painter, skin_,
                     Inside(CC_ComboBox, combo, SC_ComboBoxArrow, combo.frame, widget),
                     combo.state & State_Enabled, combo.direction == Qt::RightToLeft);
}

void SkinFieldStyle::PaintSpin(QPainter& painter, const QStyleOptionSpinBox& spin,
                               const QWidget* widget) const {
    if (spin.frame) PaintFieldFrame(painter, skin_, spin.rect, spin.palette.color(QPalette::Base));
    if (!skinSpinButtons_ || !(spin.subControls & SC_SpinBoxUp)) return;
    const QRect up = Inside(CC_SpinBox, spin, SC_SpinBoxUp, spin.frame, widget);
    const QRect down = Inside(CC_SpinBox, spin, SC_SpinBoxDown, spin.frame, widget);
    const bool vertical = down.top() >= up.bottom();
    PaintUpDown(painter, skin_, up, down, vertical, Held(spin), spin.state & State_Enabled);
}

}  // namespace skin
