#include "skin/controls/TSkinScrollWinControl.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollBar>

#include "skin/controls/SkinScrollBarStyle.h"
#include "skin/draw/Fills.h"
#include "skin/draw/Geometry.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

std::unique_ptr<StyledWidget> SkinnedBar(QScrollBar* bar, const SkinValues& skin) {
    auto style = std::make_unique<SkinScrollBarStyle>(skin, NewBaseStyle(bar));
    return std::make_unique<StyledWidget>(bar, std::move(style), true);
}

void Follow(std::unique_ptr<StyledWidget>& skinned, QScrollBar* bar, const SkinValues& skin) {
    if (skinned && skinned->Widget() == bar) return;
    skinned = bar ? SkinnedBar(bar, skin) : nullptr;
}

QRect GeometryIn(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

}  // namespace

QAbstractScrollArea* TSkinScrollWinControl::Area() const {
    return qobject_cast<QAbstractScrollArea*>(Control());
}

QScrollBar* TSkinScrollWinControl::VBar() const {
    return vBar_ ? static_cast<QScrollBar*>(vBar_->Widget()) : nullptr;
}

QScrollBar* TSkinScrollWinControl::HBar() const {
    return hBar_ ? static_cast<QScrollBar*>(hBar_->Widget()) : nullptr;
}

void TSkinScrollWinControl::Init() { UpdateBars(); }

void TSkinScrollWinControl::Release() {
    TSkinBorderWinControl::Release();
    vBar_.reset();
    hBar_.reset();
}

void TSkinScrollWinControl::UpdateBars() {
    QAbstractScrollArea* area = Area();
    if (!area) return;
    Follow(vBar_, area->verticalScrollBar(), Skin());
    Follow(hBar_, area->horizontalScrollBar(), Skin());
}

void TSkinScrollWinControl::WearBars() {
    UpdateBars();
    const bool skinning = Skin().IsSkinning();
    for (const auto& bar : {vBar_.get(), hBar_.get()}) {
        if (bar) bar->Wear(skinning);
    }
}

void TSkinScrollWinControl::ApplySkin() { WearBars(); }

void TSkinScrollWinControl::Paint() {
    if (!Control()) return;
    QAbstractScrollArea* area = Area();
    if (area && (area->verticalScrollBar() != VBar() || area->horizontalScrollBar() != HBar()))
        WearBars();
    QPainter painter(Control());
    PaintCorner(painter);
    PaintBorder(painter);
}

// The square between two shown bars, in the form's colour.
void TSkinScrollWinControl::PaintCorner(QPainter& painter) {
    QAbstractScrollArea* area = Area();
    QScrollBar* v = VBar();
    QScrollBar* h = HBar();
    if (!area || !v || !h || !Skin().DrawScrollBar()) return;
    if (!v->isVisibleTo(area) || !h->isVisibleTo(area)) return;
    const QRect vertical = GeometryIn(v, area);
    const QRect horizontal = GeometryIn(h, area);
    FillRectColor(
        painter,
        RectLTRB(vertical.left(), horizontal.top(), RightOf(vertical), BottomOf(horizontal)),
        Skin().Metrics().FormColor);
}

}  // namespace skin
