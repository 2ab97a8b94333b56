#include "settings/RegistryKey.h"

#include "core/TextCodec.h"
#include "settings/RegistryData.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsError.h"

namespace plivant {

namespace {

QString NotOpen() { return "Ключ реестра не открыт."; }

SettingsError GetFailed(const std::string& name, const QString& why = {}) {
    return SettingsError(QString("Failed to get data for '%1'").arg(FromWire(name)), why);
}

SettingsError WrongType(const std::string& name) {
    return SettingsError(QString("Invalid data type for '%1'").arg(FromWire(name)));
}

SettingsError SetFailed(const std::string& name, const QString& why) {
    return SettingsError(QString("Failed to set data for '%1'").arg(FromWire(name)), why);
}

}  // namespace

RegistryKey::RegistryKey(RegistryStore& store, std::string root)
    : store_(store), root_(std::move(root)), closedReason_(NotOpen()) {}

std::string RegistryKey::FullPath(const std::string& key) const {
    size_t skip = key.starts_with('\\') ? 1 : 0;
    return root_ + "\\" + key.substr(skip);
}

bool RegistryKey::KeyExists(const std::string& key) const {
    return store_.Read().FindSection(FullPath(key)) != nullptr;
}

bool RegistryKey::OpenKey(const std::string& key, bool create) {
    CloseKey();
    std::string path = FullPath(key);
    try {
        RegDocument document = store_.Read();
        if (!document.FindSection(path)) {
            if (!create) return false;
            document.AddSection(path);
            store_.Write(document);
        }
        snapshot_ = std::move(document);
    } catch (const SettingsError& e) {
        closedReason_ = e.Text();
        return false;
    }
    current_ = std::move(path);
    return true;
}

void RegistryKey::CloseKey() {
    current_.reset();
    snapshot_ = {};
    closedReason_ = NotOpen();
}

const RegEntry* RegistryKey::FindValue(const std::string& name) const {
    if (!current_) return nullptr;
    const RegSection* section = snapshot_.FindSection(*current_);
    return section ? section->FindValue(name) : nullptr;
}

bool RegistryKey::ValueExists(const std::string& name) const { return FindValue(name) != nullptr; }

int32_t RegistryKey::ReadInteger(const std::string& name) const {
    if (!current_) throw GetFailed(name, closedReason_);
    const RegEntry* entry = FindValue(name);
    if (!entry) throw GetFailed(name);
    std::optional<uint32_t> value = ParseDwordData(entry->Data);
    if (!value) throw WrongType(name);
    return static_cast<int32_t>(*value);
}

std::string RegistryKey::ReadString(const std::string& name) const {
    const RegEntry* entry = FindValue(name);
    if (!entry) return {};
    std::optional<std::string> text = ParseStringData(entry->Data);
    if (!text) throw WrongType(name);
    return *text;
}

void RegistryKey::WriteInteger(const std::string& name, int32_t value) {
    WriteData(name, DwordData(static_cast<uint32_t>(value)));
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
    WriteData(name, StringData(value));
}

// Read afresh before each write, so that what others changed in the file meanwhile is kept.
void RegistryKey::WriteData(const std::string& name, std::string data) {
    if (!current_) throw SetFailed(name, closedReason_);
    try {
        RegDocument document = store_.Read();
        RegSection* section = document.FindSection(*current_);
        if (!section) section = &document.AddSection(*current_);
        section->SetValue(name, std::move(data));
        store_.Write(document);
        snapshot_ = std::move(document);
    } catch (const SettingsError& e) {
        throw SetFailed(name, e.Text());
    }
}

}  // namespace plivant
