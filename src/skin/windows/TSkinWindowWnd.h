#pragma once

#include "skin/windows/TSkinWindow.h"

namespace skin {

// The skin frame on a standard dialog or message box, caught when it is shown: frame and form
// colour only, a close button that cancels the dialog, and it lives as long as the dialog.
class TSkinWindowWnd : public TSkinWindow {
public:
    TSkinWindowWnd(QWidget* dialog, WindowEngine& engine) : TSkinWindow(dialog, true, engine) {}
    ~TSkinWindowWnd() override { Shutdown(); }

    // Cancels the dialog as Escape does.
    void Close() override;

protected:
    void ApplySkinState() override;
};

}  // namespace skin
