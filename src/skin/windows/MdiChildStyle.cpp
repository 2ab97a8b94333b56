#include "skin/windows/MdiChildStyle.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPainter>
#include <algorithm>

#include "skin/draw/Blit.h"
#include "skin/values/SkinValues.h"
#include "skin/windows/MdiMinimizedTitle.h"
#include "skin/windows/TSkinWindow.h"

namespace skin {
namespace {

const QMdiSubWindow* ChildOf(const QWidget* widget) {
    return qobject_cast<const QMdiSubWindow*>(widget);
}

bool IsMinimized(const QStyleOptionTitleBar& option) {
    return option.titleBarState & Qt::WindowMinimized;
}

bool IsMaximized(const QStyleOptionTitleBar& option) {
    return option.titleBarState & Qt::WindowMaximized;
}

FrameTraits TraitsOf(const QStyleOptionTitleBar& option) {
    const Qt::WindowFlags flags = option.titleBarFlags;
    FrameTraits traits;
    traits.SystemIcon = flags & Qt::WindowSystemMenuHint;
    traits.Close = flags & Qt::WindowSystemMenuHint;
    traits.Maximize = flags & Qt::WindowMaximizeButtonHint;
    traits.Minimize = flags & Qt::WindowMinimizeButtonHint;
    traits.Help = flags & Qt::WindowContextHelpButtonHint;
    traits.Resizable = true;
    traits.Maximized = IsMaximized(option);
    return traits;
}

// The caption element a title bar part stands for; the maximise button becomes the restore
// button of a maximised or minimised child.
int ElementOf(QStyle::SubControl part, bool restoring) {
    switch (part) {
        case QStyle::SC_TitleBarSysMenu:
            return caption::kIcon;
        case QStyle::SC_TitleBarCloseButton:
            return caption::kClose;
        case QStyle::SC_TitleBarMaxButton:
            return restoring ? caption::kNone : caption::kMaximize;
        case QStyle::SC_TitleBarNormalButton:
            return restoring ? caption::kMaximize : caption::kNone;
        case QStyle::SC_TitleBarMinButton:
            return caption::kMinimize;
        case QStyle::SC_TitleBarContextHelpButton:
            return caption::kHelp;
        default:
            return caption::kNone;
    }
}

// A child's caption as Qt shows it: "[*]" marks where a modified child shows "*".
QString CaptionOf(const QWidget* widget, const QString& fallback) {
    if (!widget) return fallback;
    QString title = widget->windowTitle();
    return title.replace(QStringLiteral("[*]"),
                         widget->isWindowModified() ? QStringLiteral("*") : QString());
}

}  // namespace

MdiChildStyle::MdiChildStyle(const SkinValues& skin)
    : QProxyStyle(QApplication::style()->name()), skin_(skin), painter_(skin) {}

FrameGeometry MdiChildStyle::GeometryOf(const QStyleOptionTitleBar& option,
                                        const QWidget* widget) const {
    if (IsMinimized(option)) {
        return FrameGeometry::MinimizedTitle(skin_.Metrics(), skin_.Pieces(), option.rect.size(),
                                             TraitsOf(option));
    }
    const QSize window(option.rect.width(), widget ? widget->height() : option.rect.height());
    return FrameGeometry(skin_.Metrics(), skin_.Pieces(), window, TraitsOf(option));
}

TitleState MdiChildStyle::StateOf(const QStyleOptionTitleBar& option, const QWidget* widget) const {
    TitleState state;
    const bool restoring = IsMaximized(option) || IsMinimized(option);
    if (option.state & (State_MouseOver | State_Sunken)) {
        state.Hot = ElementOf(SubControl(int(option.activeSubControls)), restoring);
    }
    state.Pressed = option.state & State_Sunken;
    state.Text = CaptionOf(widget, option.text);
    state.TextColor = option.state & State_Active
                          ? ToQColor(skin_.Metrics().TitleFontColor)
                          : InactiveCaptionColor(widget ? widget->palette() : option.palette);
    state.Icon = option.icon;
    return state;
}

QRect MdiChildStyle::TitleRect(const QStyleOptionTitleBar& option, SubControl part,
                               const QWidget* widget) const {
    const FrameGeometry geometry = GeometryOf(option, widget);
    if (part == SC_TitleBarLabel) return geometry.Label();
    const int element = ElementOf(part, IsMaximized(option) || IsMinimized(option));
    if (element == caption::kIcon) return geometry.Icon();
    return element == caption::kNone ? QRect() : geometry.Button(element);
}

int MdiChildStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    const QMdiSubWindow* child = ChildOf(widget);
    if (!child) return QProxyStyle::pixelMetric(metric, option, widget);
    const SkinMetrics& m = skin_.Metrics();
    switch (metric) {
        case PM_TitleBarHeight:
            if (child->isMaximized()) return 0;
            if (child->isMinimized()) return MdiMinimizedTitleSize(skin_, 0).height();
            return m.TitleHeight;
        case PM_MdiSubWindowFrameWidth:
            if (child->isMaximized()) return 0;
            return std::max({m.LeftBorderWidth, m.RightBorderWidth, m.BottomBorderHeight});
        case PM_MdiSubWindowMinimizedWidth:
            return MdiMinimizedTitleSize(skin_, QProxyStyle::pixelMetric(metric, option, widget))
                .width();
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int MdiChildStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returned) const {
    switch (hint) {
        // A maximised child keeps no title of its own (its height is 0), and Qt leaves the
        // frame's menu bar to the skin.
        case SH_Workspace_FillSpaceOnMaximize:
        case SH_TitleBar_AutoRaise:
            return 1;
        case SH_WindowFrame_Mask: {
            const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
            auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returned);
            if (!title || !mask || !ChildOf(widget) || IsMinimized(*title)) return 0;
            mask->region = painter_.Shape(GeometryOf(*title, widget), StateOf(*title, widget));
            return 1;
        }
        default:
            return QProxyStyle::styleHint(hint, option, widget, returned);
    }
}

QRect MdiChildStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl part, const QWidget* widget) const {
    const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    if (control != CC_TitleBar || !title || !ChildOf(widget)) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    return TitleRect(*title, part, widget);
}

void MdiChildStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
    const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    if (control != CC_TitleBar || !title || !ChildOf(widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (title->rect.height() <= 0) return;
    ExactPainting exact(*painter);
    if (IsMinimized(*title)) {
        painter->drawImage(
            title->rect.topLeft(),
            ComposeMdiMinimizedTitle(skin_, GeometryOf(*title, widget), StateOf(*title, widget)));
        return;
    }
    painter->drawImage(QPoint(0, 0),
                       painter_.Title(GeometryOf(*title, widget), StateOf(*title, widget),
                                      painter->device()->devicePixelRatio()));
}

void MdiChildStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    const QMdiSubWindow* child = ChildOf(widget);
    if (element != PE_FrameWindow || !child) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (child->isMinimized() || child->isMaximized()) return;
    QStyleOptionTitleBar title;
    title.rect = QRect(0, 0, child->width(), skin_.Metrics().TitleHeight);
    title.titleBarFlags = child->windowFlags();
    painter_.PaintBorders(*painter, GeometryOf(title, child));
}

}  // namespace skin
