#pragma once

#include <string>

#include "archive/ArchiveItem.h"

namespace archivetool {

// Comma-separated values, one item a record; a field with a comma, a quote or a line break is
// quoted, its quotes doubled.
std::string CsvHeader();
std::string CsvLine(const plivant::ArchiveItem& item);

}  // namespace archivetool
