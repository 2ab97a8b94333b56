#include "skin/controls/TSkinListView.h"

#include <QHeaderView>
#include <QTreeView>

#include "skin/controls/SkinHeaderStyle.h"
#include "skin/values/SkinValues.h"

namespace skin {

void TSkinListView::Init() {
    TSkinScrollWinControl::Init();
    auto* view = qobject_cast<QTreeView*>(Control());
    if (!view || !view->header()) return;
    QHeaderView* header = view->header();
    header_ = std::make_unique<StyledWidget>(
        header, std::make_unique<SkinHeaderStyle>(Skin(), NewBaseStyle(header)), true);
}

void TSkinListView::Release() {
    TSkinScrollWinControl::Release();
    header_.reset();
}

void TSkinListView::ApplySkin() {
    TSkinScrollWinControl::ApplySkin();
    if (header_) header_->Wear(Skin().IsSkinning());
}

}  // namespace skin
