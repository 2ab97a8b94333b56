#pragma once

#include <QProxyStyle>

class QStyleOptionHeader;

namespace skin {

class SkinValues;

// The style the column header of a list view wears while skinned: flat sections in the form's
// colour with separators and a bottom line in the control border colour, captions in the menu
// font and the control font colour, cut with an ellipsis where they do not fit.
class SkinHeaderStyle : public QProxyStyle {
public:
    // `engine` outlives the style.
    SkinHeaderStyle(const SkinValues& skin, QStyle* base);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    void PaintSection(QPainter& painter, const QRect& rect, bool separator) const;
    void PaintLabel(QPainter& painter, const QStyleOptionHeader& header) const;

    const SkinValues& skin_;
};

}  // namespace skin
