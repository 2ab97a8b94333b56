#pragma once

#include <QString>

class QWidget;

namespace plivant {

// How the settings tell the user about errors. Tests record instead of showing modal boxes.
class SettingsPrompter {
public:
    virtual ~SettingsPrompter() = default;
    virtual void ShowError(const QString& text) = 0;
    // Shows the error that kept the dialog open and offers to close it without saving.
    // True when the user chose to close.
    virtual bool AskCloseWithoutSaving(const QString& error) = 0;
};

// Message boxes titled with the application's title, over the modal window that is up (the
// settings dialog) or else over `parent`.
class MessageBoxPrompter : public SettingsPrompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void ShowError(const QString& text) override;
    bool AskCloseWithoutSaving(const QString& error) override;

private:
    QWidget* Owner() const;
    QWidget* parent_;
};

}  // namespace plivant
