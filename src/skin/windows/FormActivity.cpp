#include "skin/windows/FormActivity.h"

#include <QApplication>
#include <QWidget>

#include "skin/windows/TSkinWindow.h"
#include "skin/windows/WindowEngine.h"

namespace skin {

bool IsFormActive(const WindowEngine& engine, const QWidget* control) {
    if (!control || control->isWindow()) return false;
    const QWidget* form = control->window();
    if (const TSkinWindow* skin = engine.FindSkinWindow(form); skin && skin->LookOn()) {
        return skin->Active();
    }
    if (!engine.Form()) return form->isActiveWindow();
    if (!QApplication::activeWindow()) return false;
    return form == engine.Form() || form->isActiveWindow();
}

}  // namespace skin
