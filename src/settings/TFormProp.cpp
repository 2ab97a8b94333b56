#include "settings/TFormProp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/TextCodec.h"
#include "settings/FeedControl.h"
#include "settings/RegistryKey.h"
#include "settings/SettingsError.h"
#include "settings/SettingsPrompter.h"
#include "settings/SettingsTexts.h"
#include "settings/StoredValues.h"

namespace plivant {

using stored::Wire;

TFormProp::TFormProp(SettingsDialogContext context, QWidget* parent)
    : QDialog(parent), c_(std::move(context)), ui_(BuildFormPropWidgets(*this)) {
    Bind();
    ShowDefaults();
    LoadSettings();
    KeepFeedBaseline();
}

TFormProp::~TFormProp() = default;

// Each control writes its value into the record as it changes, so readers see edits at once.
void TFormProp::Bind() {
    Settings& s = c_.Options;
    auto bindCheck = [](QCheckBox* box, bool& field) {
        QObject::connect(box, &QCheckBox::toggled, [&field](bool on) { field = on; });
    };
    bindCheck(ui_.CheckBox1, s.ShowId);
    bindCheck(ui_.CheckBox2, s.ShowTime);
    bindCheck(ui_.CheckBox3, s.ShowDate);
    bindCheck(ui_.CheckBox4, s.ShowFlags);
    bindCheck(ui_.CheckBox5, s.ConnectAtStart);
    connect(ui_.ComboBox2, &QComboBox::editTextChanged,
            [&s](const QString& text) { s.Port = ToWire(text); });
    connect(ui_.Edit1, &QLineEdit::textChanged, [this, &s](const QString& text) {
        s.NewsCount = ToWire(text);
        settingsChanged_ = true;  // loading included
    });
    connect(ui_.mServers, &QPlainTextEdit::textChanged,
            [this, &s] { s.Servers = ServerEntries(CrLfBytes(ui_.mServers->toPlainText())); });
    connect(ui_.cbLanguage, &QComboBox::currentIndexChanged,
            [&s](int index) { s.NewsLanguage = index; });
    // Only the user's choice counts as a change, not a selection made by loading.
    connect(ui_.cbLanguage, &QComboBox::activated, [this] { settingsChanged_ = true; });
    connect(ui_.Button1, &QPushButton::clicked, this, &TFormProp::TryClose);
}

void TFormProp::ShowDefaults() {
    const Settings d = DialogDefaults();
    ui_.CheckBox1->setChecked(d.ShowId);
    ui_.CheckBox2->setChecked(d.ShowTime);
    ui_.CheckBox3->setChecked(d.ShowDate);
    ui_.CheckBox4->setChecked(d.ShowFlags);
    ui_.CheckBox5->setChecked(d.ConnectAtStart);
    ui_.ComboBox2->setEditText(FromWire(d.Port));
    ui_.Edit1->setText(FromWire(d.NewsCount));
    ui_.mServers->setPlainText(FromWire(d.Servers.front()));
    ui_.cbLanguage->setCurrentIndex(d.NewsLanguage);
    // Controls that already showed the default sent no change; the record takes them all.
    c_.Options = d;
}

void TFormProp::LoadSettings() {
    settingsChanged_ = false;
    registry_ = std::make_unique<RegistryKey>(c_.Store);
    const std::string key = Wire(stored::kKey);
    bool exists = false;
    try {
        exists = registry_->KeyExists(key);
    } catch (const SettingsError& e) {
        // Unreadable store: keep the defaults; writes will fail until the file is mended.
        c_.Prompter.ShowError(e.FullText() + "\n\n" + texts::DefaultsInUse());
        return;
    }
    try {
        registry_->OpenKey(key, true);
        if (exists) {
            ReadStoredValues();
        } else {
            // First run: store starting values, but this run keeps the dialog's defaults.
            WriteValues(*registry_, FirstRunValues());
        }
    } catch (const SettingsError& e) {
        c_.Prompter.ShowError(e.FullText());
    }
}

// A failure ends the load at that value; what follows keeps the defaults.
void TFormProp::ReadStoredValues() {
    auto flag = [this](const char* name) { return registry_->ReadInteger(Wire(name)) != 0; };
    auto text = [this](const char* name) { return FromWire(registry_->ReadString(Wire(name))); };
    ui_.CheckBox1->setChecked(flag(stored::kShowId));
    ui_.CheckBox2->setChecked(flag(stored::kShowTime));
    ui_.CheckBox3->setChecked(flag(stored::kShowDate));
    ui_.CheckBox4->setChecked(flag(stored::kShowFlags));
    ui_.CheckBox5->setChecked(flag(stored::kConnectAtStart));
    ui_.Edit1->setText(text(stored::kNewsCount));
    ui_.ComboBox2->setEditText(text(stored::kPort));
    if (c_.Servers.Exists()) ui_.mServers->setPlainText(EditorText(c_.Servers.Load()));
    try {
        SelectLanguage(registry_->ReadInteger(Wire(stored::kNewsLanguage)));
    } catch (const SettingsError&) {
        // The language alone fails silently.
    }
}

void TFormProp::SelectLanguage(int index) {
    ui_.cbLanguage->setCurrentIndex(index >= 0 && index < ui_.cbLanguage->count() ? index : -1);
}

std::optional<QString> TFormProp::ApplySettings() {
    try {
        registry_->OpenKey(Wire(stored::kKey), true);
        WriteValues(*registry_, ValuesOf(c_.Options));
    } catch (const SettingsError& e) {
        return e.FullText();  // servers.ini is not saved and the feed not restarted
    }
    std::optional<QString> error;
    try {
        c_.Servers.Save(CrLfBytes(ui_.mServers->toPlainText()));
    } catch (const SettingsError& e) {
        error = e.FullText();
    }
    RestartWhenChanged();
    return error;
}

bool TFormProp::FeedSettingsChanged() const {
    return settingsChanged_ || c_.Options.Servers != baseServers_ || c_.Options.Port != basePort_;
}

void TFormProp::KeepFeedBaseline() {
    baseServers_ = c_.Options.Servers;
    basePort_ = c_.Options.Port;
}

// A close that changed nothing the feed uses leaves the running feed and its connection alone.
void TFormProp::RestartWhenChanged() {
    c_.Feed.FeedSettingsClosed(FeedSettingsChanged());
    settingsChanged_ = false;
    KeepFeedBaseline();
}

void TFormProp::TryClose() {
    std::optional<QString> error = ApplySettings();
    if (error) {
        if (!c_.Prompter.AskCloseWithoutSaving(*error)) return;
        // Closed without saving: the edits stay in force for this run, so a changed count or
        // language still gets its new feed.
        RestartWhenChanged();
    }
    QDialog::done(QDialog::Accepted);
}

void TFormProp::reject() { TryClose(); }

}  // namespace plivant
