#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "SettingsFiles.h"
#include "settings/FeedControl.h"
#include "settings/RegistryStore.h"
#include "settings/Settings.h"
#include "settings/SettingsPrompter.h"
#include "settings/TFormProp.h"

namespace plivant::test {

// Counts the closes it is told of, and among them those that change what the feed uses.
struct FakeFeed : FeedControl {
    void FeedSettingsClosed(bool feedSettingsChanged) override {
        ++closes;
        starts += feedSettingsChanged;
    }
    int closes = 0;
    int starts = 0;
};

struct RecordingPrompter : SettingsPrompter {
    void ShowError(const QString& text) override { errors.push_back(text); }
    bool AskCloseWithoutSaving(const QString& error) override {
        questions.push_back(error);
        return closeWithoutSaving;
    }
    std::vector<QString> errors;
    std::vector<QString> questions;
    bool closeWithoutSaving = false;
};

// A temporary config folder and executable folder, and the dialog over them.
struct FormPropHarness {
    FormPropHarness() : store(RegistryPath()) {}

    std::string RegistryPath() const {
        return dir.filePath("config/Brellan/Plivant.reg").toStdString();
    }
    std::string ServersPath() const { return dir.filePath("servers.ini").toStdString(); }
    void WriteRegistry(const std::string& bytes) {
        store.Write({});  // creates the folder
        WriteBytes(RegistryPath(), bytes);
    }

    TFormProp& Create() {
        form.reset();
        form = std::make_unique<TFormProp>(
            SettingsDialogContext{settings, store, ServersFile(serversPath), feed, prompter});
        return *form;
    }

    QTemporaryDir dir;
    RegistryStore store;
    std::string serversPath = ServersPath();
    Settings settings;
    FakeFeed feed;
    RecordingPrompter prompter;
    std::unique_ptr<TFormProp> form;
};

}  // namespace plivant::test
