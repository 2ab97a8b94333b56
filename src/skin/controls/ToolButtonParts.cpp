#include "skin/controls/ToolButtonParts.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include "skin/draw/Blit.h"
#include "skin/draw/Geometry.h"

namespace skin {

Qt::ToolButtonStyle ShownStyle(const QToolButton& button) {
    if (button.toolButtonStyle() != Qt::ToolButtonFollowStyle) return button.toolButtonStyle();
    return Qt::ToolButtonStyle(
        button.style()->styleHint(QStyle::SH_ToolButtonStyle, nullptr, &button));
}

bool ShowsImage(const QToolButton& button) {
    return !button.icon().isNull() && ShownStyle(button) != Qt::ToolButtonTextOnly;
}

bool ShowsCaption(const QToolButton& button) {
    return !button.text().isEmpty() &&
           (ShownStyle(button) != Qt::ToolButtonIconOnly || button.icon().isNull());
}

QIcon::State IconState(const QToolButton& button) {
    return button.isChecked() ? QIcon::On : QIcon::Off;
}

bool HasDropDownPart(const QToolButton& button) {
    return button.popupMode() == QToolButton::MenuButtonPopup;
}

int DropDownPartLeft(const QToolButton& button) {
    const QRect whole = button.rect();
    if (!HasDropDownPart(button)) return RightOf(whole);
    QStyleOptionToolButton option;
    option.initFrom(&button);
    option.subControls = QStyle::SC_ToolButton | QStyle::SC_ToolButtonMenu;
    option.features = QStyleOptionToolButton::MenuButtonPopup;
    const QRect part = button.style()->subControlRect(QStyle::CC_ToolButton, &option,
                                                      QStyle::SC_ToolButtonMenu, &button);
    return part.isEmpty() ? RightOf(whole) : part.x();
}

void DrawDropDownMark(QPainter& painter, const QRect& button, int partLeft, const QColor& line) {
    ExactPainting exact(painter);
    painter.fillRect(QRect(partLeft, button.y(), 1, button.height()), line);
    const int centre = partLeft + (RightOf(button) - partLeft) / 2;
    const int middle = button.y() + button.height() / 2;
    for (int row = 0; row < 3; ++row) {
        painter.fillRect(QRect(centre - 2 + row, middle + row, 5 - 2 * row, 1), Qt::black);
    }
}

}  // namespace skin
