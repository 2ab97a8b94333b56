#include "archive/ArchiveLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace plivant {

namespace {
constexpr const char* kFileName = "archive.sqlite3";
}

std::string DefaultArchivePath() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(programFolder.filePath("servers.ini"))) {
        return programFolder.filePath(kFileName).toStdString();
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data + "/plivant").filePath(kFileName).toStdString();
}

}  // namespace plivant
