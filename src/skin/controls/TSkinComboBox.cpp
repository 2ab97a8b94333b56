#include "skin/controls/TSkinComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>

#include "skin/controls/SkinFieldStyle.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Fills.h"
#include "skin/values/SkinValues.h"

namespace skin {

// Frames a combo box's open list in the control border colour, after the list's own painting.
class ComboPopupFrame : public QObject {
public:
    ComboPopupFrame(QWidget* popup, const SkinValues& skin) : popup_(popup), skin_(skin) {
        popup_->installEventFilter(this);
    }
    ~ComboPopupFrame() override {
        if (popup_) popup_->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != popup_ || event->type() != QEvent::Paint || !skin_.IsSkinning())
            return false;
        static_cast<QObject*>(popup_.data())->event(event);
        QPainter painter(popup_);
        FrameRectColor(painter, popup_->rect(), skin_.GetSkinColor(colors::ControlBorderColor));
        return true;
    }

private:
    QPointer<QWidget> popup_;
    const SkinValues& skin_;
};

TSkinComboBox::TSkinComboBox(QWidget* control, SkinnerHost& window)
    : TSkinStyledControl(control, window) {}

TSkinComboBox::~TSkinComboBox() = default;

std::unique_ptr<QStyle> TSkinComboBox::MakeStyle(QStyle* base) {
    return std::make_unique<SkinFieldStyle>(Skin(), base, true);
}

void TSkinComboBox::Init() {
    TSkinStyledControl::Init();
    auto* combo = qobject_cast<QComboBox*>(Control());
    // The list's window is made on first asking, and kept for the combo box's life.
    if (QWidget* popup = combo ? combo->view()->window() : nullptr;
        popup && popup != combo->window())
        popupFrame_ = std::make_unique<ComboPopupFrame>(popup, Skin());
}

void TSkinComboBox::Release() {
    TSkinStyledControl::Release();
    popupFrame_.reset();
}

}  // namespace skin
