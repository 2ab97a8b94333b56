#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace plivant {

namespace {

constexpr const char* kServersFile = "servers.ini";
constexpr const char* kProgramData = "plivant";

QString XdgHome(const char* variable, const char* fallback) {
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/" + fallback;
    return QDir::cleanPath(base);
}

std::optional<AppPaths>& Current() {
    static std::optional<AppPaths> paths;
    return paths;
}

QString FirstExisting(const QStringList& candidates) {
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace

QString XdgConfigHome() { return XdgHome("XDG_CONFIG_HOME", ".config"); }
QString XdgStateHome() { return XdgHome("XDG_STATE_HOME", ".local/state"); }
QString XdgDataHome() { return XdgHome("XDG_DATA_HOME", ".local/share"); }

AppPaths::AppPaths(QString programFolder, QString configFolder)
    : programFolder_(std::move(programFolder)),
      configFolder_(configFolder.isEmpty() ? QString() : QDir(configFolder).absolutePath()),
      portable_(QFileInfo(QDir(programFolder_).filePath(kServersFile)).isFile()) {}

AppPaths AppPaths::ForThisProgram(const QString& configFolder) {
    return AppPaths(QCoreApplication::applicationDirPath(), configFolder);
}

QString AppPaths::ConfigFolder() const {
    return configFolder_.isEmpty() ? XdgConfigHome() + "/Brellan" : configFolder_;
}

QString AppPaths::RegistryFile() const { return ConfigFolder() + "/Plivant.reg"; }

QString AppPaths::ServersFile() const {
    if (portable_ && configFolder_.isEmpty()) return QDir(programFolder_).filePath(kServersFile);
    return ConfigFolder() + "/" + kServersFile;
}

QString AppPaths::ServerLogFile() const {
    return WritableFile(XdgStateHome() + "/" + kProgramData, "server.log");
}

QString AppPaths::DataFilePath(const QString& name) const {
    return WritableFile(XdgDataHome() + "/" + kProgramData, name);
}

QString AppPaths::WritableFile(const QString& xdgFolder, const QString& name) const {
    if (!configFolder_.isEmpty()) return configFolder_ + "/" + name;
    if (portable_) return QDir(programFolder_).filePath(name);
    return xdgFolder + "/" + name;
}

QStringList AppPaths::InstalledDataFolders() const {
    QStringList folders;
    for (const QString& base :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << QDir(base).filePath(kProgramData);
    }
    folders << QDir::cleanPath(programFolder_ + "/../share/" + kProgramData);
    folders.removeDuplicates();
    return folders;
}

QString AppPaths::TuneFile() const {
    QStringList candidates{QDir(programFolder_).filePath("message.mid")};
    for (const QString& folder : InstalledDataFolders()) candidates << folder + "/message.mid";
    return FirstExisting(candidates);
}

QStringList AppPaths::SkinFolders() const {
    QStringList folders{programFolder_};
    for (const QString& folder : InstalledDataFolders()) folders << folder + "/skins";
    folders.removeDuplicates();
    return folders;
}

const AppPaths& ProgramPaths() {
    if (!Current()) Current() = AppPaths::ForThisProgram();
    return *Current();
}

void SetProgramPaths(const AppPaths& paths) { Current() = paths; }

bool AppPaths::MakeFolderOf(const QString& filePath) {
    return QDir().mkpath(QFileInfo(filePath).absolutePath());
}

}  // namespace plivant
