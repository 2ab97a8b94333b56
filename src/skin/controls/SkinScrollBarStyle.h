#pragma once

#include <QProxyStyle>

namespace skin {

class SkinValues;

// The style a scroll bar wears while skinned: painted from the skin's scroll bar resource while
// the engine skins and draws scroll bars, the style's own look otherwise. Every sub-control's
// place is the base style's, so clicking the arrows and the track and dragging the thumb work
// exactly as before.
class SkinScrollBarStyle : public QProxyStyle {
public:
    // `engine` outlives the style.
    SkinScrollBarStyle(const SkinValues& skin, QStyle* base);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

private:
    const SkinValues& skin_;
};

}  // namespace skin
