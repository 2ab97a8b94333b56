#include "skin/controls/TSkinGrid.h"

#include <QHeaderView>
#include <QTableView>

#include "skin/values/SkinValues.h"

namespace skin {

// The headers are the table's own fixed cells, not controls of their own.
void TSkinGrid::MarkHeaders(bool on) {
    if (auto* table = qobject_cast<QTableView*>(Control())) {
        MarkAsPart(table->horizontalHeader(), on);
        MarkAsPart(table->verticalHeader(), on);
    }
}

void TSkinGrid::Init() {
    TSkinScrollWinControl::Init();
    MarkHeaders(true);
}

void TSkinGrid::Release() {
    TSkinScrollWinControl::Release();
    MarkHeaders(false);
}

void TSkinGrid::ApplySkin() {
    TSkinScrollWinControl::ApplySkin();
    if (Skin().IsSkinning()) {
        Look().SetColor(QPalette::Button, ToQColor(Skin().Metrics().FormColor));
    } else {
        Look().Restore();
    }
}

}  // namespace skin
