#include "archive/ArchiveLocation.h"

#include "core/AppPaths.h"

namespace plivant {

std::string DefaultArchivePath() {
    return ProgramPaths().DataFilePath("archive.sqlite3").toStdString();
}

}  // namespace plivant
