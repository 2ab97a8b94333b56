#include "skin/controls/GroupBoxStyle.h"

#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include "skin/controls/ControlColours.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"

namespace skin {
namespace {

constexpr int kCaptionLeft = 8;

}  // namespace

void GroupBoxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || !painter) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const int textHeight = box->fontMetrics.height();
    painter->save();
    DrawFrame(*painter, *box, textHeight);
    DrawCaption(*painter, *box, widget, textHeight);
    painter->restore();
}

void GroupBoxStyle::DrawFrame(QPainter& painter, const QStyleOptionGroupBox& box,
                              int textHeight) const {
    const ColorRef border = SkinColourRef(skin_, colors::ControlBorderColor,
                                          FromQColor(box.palette.color(QPalette::Mid)));
    const QRect r = box.rect;
    const int top = r.y() + textHeight / 2 - 1;
    if (box.features & QStyleOptionFrame::Flat) {
        FillRectColor(painter, QRect(r.x(), top, r.width() - 1, 1), border);
    } else {
        FrameRectColor(painter, RectLTRB(r.x(), top, RightOf(r) - 1, BottomOf(r) - 1), border);
    }
}

void GroupBoxStyle::DrawCaption(QPainter& painter, const QStyleOptionGroupBox& box,
                                const QWidget* widget, int textHeight) const {
    const int checkLeft = DrawCheckBox(painter, box, widget);
    if (box.text.isEmpty()) return;
    const int width = box.fontMetrics.size(Qt::TextShowMnemonic, box.text).width();
    const QRect r = box.rect;
    const bool rightToLeft = box.direction == Qt::RightToLeft;
    int x = rightToLeft ? RightOf(r) - 1 - width - kCaptionLeft : r.x() + kCaptionLeft;
    if (checkLeft >= 0) x = checkLeft;
    const QRect caption(x, r.y(), width, textHeight);
    painter.fillRect(caption, box.palette.color(QPalette::Window));
    const QColor text =
        SkinColour(skin_, colors::ControlFontColor, box.palette.color(QPalette::WindowText));
    painter.setPen(text);
    if (widget) painter.setFont(widget->font());
    painter.drawText(caption,
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     box.text);
}

int GroupBoxStyle::DrawCheckBox(QPainter& painter, const QStyleOptionGroupBox& box,
                                const QWidget* widget) const {
    if (!(box.subControls & SC_GroupBoxCheckBox)) return -1;
    QStyleOptionButton check;
    check.QStyleOption::operator=(box);
    check.rect = subControlRect(CC_GroupBox, &box, SC_GroupBoxCheckBox, widget);
    painter.fillRect(check.rect, box.palette.color(QPalette::Window));
    drawPrimitive(PE_IndicatorCheckBox, &check, &painter, widget);
    return subControlRect(CC_GroupBox, &box, SC_GroupBoxLabel, widget).x();
}

}  // namespace skin
