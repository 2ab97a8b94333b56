#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/FormPropWidgets.h"
#include "settings/ServersFile.h"

namespace plivant {

class FeedControl;
class RegistryKey;
class RegistryStore;
class SettingsPrompter;
struct Settings;

// What the settings dialog works on. All of it lives on the UI thread, longer than the dialog.
struct SettingsDialogContext {
    Settings& Options;  // edited in place as the user types
    RegistryStore& Store;
    ServersFile Servers;
    FeedControl& Feed;
    SettingsPrompter& Prompter;
};

// The settings dialog. Created once at start-up, which loads the settings; shown modally with
// exec() whenever the user asks; every close stores what it shows. There is no cancel. When
// storing fails, the dialog stays open and offers to close without saving; the edits then stay
// in force for this run. In the program:
//
//   RegistryStore store(DefaultRegistryPath());
//   MessageBoxPrompter prompter(mainWindow);
//   ServersFile servers(ServersFilePath(QCoreApplication::applicationDirPath()));
//   TFormProp formProp({settings, store, servers, feedControl, prompter}, mainWindow);
//   ...
//   formProp.exec();  // menu entry "Настройки"
class TFormProp : public QDialog {
    Q_OBJECT

public:
    explicit TFormProp(SettingsDialogContext context, QWidget* parent = nullptr);
    ~TFormProp() override;

    // The news count or the language was edited since the last successful close.
    bool SettingsChanged() const { return settingsChanged_; }
    // Besides those, the servers or the port differ from what the last close left.
    bool FeedSettingsChanged() const;
    const FormPropWidgets& Widgets() const { return ui_; }

    // Escape and the close box come here; the button too.
    void reject() override;

private:
    void ShowDefaults();
    void Bind();
    void LoadSettings();
    void ReadStoredValues();
    void SelectLanguage(int index);
    // Gives the error that keeps the dialog open, or nothing when all was stored.
    std::optional<QString> ApplySettings();
    void RestartWhenChanged();
    void TryClose();
    void KeepFeedBaseline();

    SettingsDialogContext c_;
    FormPropWidgets ui_;
    std::unique_ptr<RegistryKey> registry_;
    bool settingsChanged_ = false;
    // The servers and port as the feed was last told about them.
    std::vector<std::string> baseServers_;
    std::string basePort_;
};

}  // namespace plivant
