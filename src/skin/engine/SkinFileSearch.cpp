#include "skin/engine/SkinFileSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace skin {

namespace {
QStringList& HostFolders() {
    static QStringList folders;
    return folders;
}
}  // namespace

void SetSkinSearchFolders(const QStringList& folders) { HostFolders() = folders; }

QStringList SkinSearchFolders() {
    if (!HostFolders().isEmpty()) return HostFolders();
    QStringList folders;
    if (QCoreApplication::instance()) folders << QCoreApplication::applicationDirPath();
    folders << QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    folders << QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    folders.removeDuplicates();
    return folders;
}

QString FindSkinFile(const QString& fileName) {
    if (fileName.isEmpty()) return {};
    if (QFileInfo(fileName).isFile()) return fileName;
    const QString name = QFileInfo(fileName).fileName();
    for (const QString& folder : SkinSearchFolders()) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    return {};
}

}  // namespace skin
