#include "skin/controls/TSkinGroupBox.h"

#include <QGroupBox>

#include "skin/controls/GroupBoxStyle.h"

namespace skin {

TSkinGroupBox::TSkinGroupBox(QGroupBox* box, TSkinWindow& window)
    : ParentColourSkinner(box, window), style_(new GroupBoxStyle(Engine())) {
    style_->setParent(this);
}

void TSkinGroupBox::SkinOn() { Look().SetStyle(style_); }

}  // namespace skin
