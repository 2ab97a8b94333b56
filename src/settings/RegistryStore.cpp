#include "settings/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/AppPaths.h"
#include "settings/SettingsError.h"

namespace plivant {

namespace {

QString PathText(const std::string& path) { return QString::fromStdString(path); }

}  // namespace

RegistryStore::RegistryStore(std::string path) : path_(std::move(path)) {}

RegDocument RegistryStore::Read() const {
    QFile file(PathText(path_));
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly)) {
        throw SettingsError(
            QString("Файл настроек «%1» не прочитан: %2").arg(file.fileName(), file.errorString()));
    }
    QByteArray bytes = file.readAll();
    try {
        return ParseRegDocument(std::string_view(bytes.constData(), size_t(bytes.size())));
    } catch (const SettingsError& e) {
        throw SettingsError(
            QString("Файл настроек «%1» повреждён: %2").arg(file.fileName(), e.Text()));
    }
}

void RegistryStore::Write(const RegDocument& document) const {
    auto fail = [&](const QString& reason) {
        throw SettingsError(
            QString("Файл настроек «%1» не записан: %2").arg(PathText(path_), reason));
    };
    QString folder = QFileInfo(PathText(path_)).absolutePath();
    if (!QDir().mkpath(folder)) fail(QString("не удалось создать папку «%1»").arg(folder));
    try {
        ReplaceFileAtomically(path_, FormatRegDocument(document), beforeRename_);
    } catch (const FileReplaceError& e) {
        fail(QString::fromLocal8Bit(e.what()));
    }
}

std::string DefaultRegistryPath() {
    return (XdgConfigHome() + "/Brellan/Plivant.reg").toStdString();
}

}  // namespace plivant
