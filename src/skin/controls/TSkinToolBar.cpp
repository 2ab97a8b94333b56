#include "skin/controls/TSkinToolBar.h"

#include <QToolBar>

#include "skin/controls/ToolBarStyle.h"

namespace skin {

TSkinToolBar::TSkinToolBar(QToolBar* bar, TSkinWindow& window)
    : ParentColourSkinner(bar, window), style_(new ToolBarStyle(Engine())) {
    style_->setParent(this);
}

void TSkinToolBar::SkinOn() { Look().SetStyle(style_); }

}  // namespace skin
