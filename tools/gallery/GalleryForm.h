#pragma once

#include <QMainWindow>

class QComboBox;
class QStackedWidget;

namespace skin {
class TSkinEngine;
}

namespace gallery {

// The gallery's main form: a main menu with images, shortcuts, a checked item, a disabled item
// and a submenu, the pages, and buttons for the dialog and the message box. It carries the skin
// engine, as the program's main window does.
class GalleryForm : public QMainWindow {
public:
    // `skinFile` empty: the built-in skin. Throws the skin's error for an unreadable file.
    GalleryForm(const QString& skinFile, bool skinned);

    skin::TSkinEngine* Engine() const { return engine_; }
    // The program's own modal dialog and message box, caught by the engine as any dialog is.
    void ShowDialog();
    void ShowMessage();
    // Brings the page of that name to the front; false when there is none.
    bool ShowPage(const QString& name);

private:
    void BuildMenu();
    QWidget* BuildPages();

    skin::TSkinEngine* engine_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QComboBox* pageChooser_ = nullptr;
};

}  // namespace gallery
