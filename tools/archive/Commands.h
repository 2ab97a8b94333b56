#pragma once

#include <string>

#include "archive/ArchiveFile.h"
#include "archive/ArchiveReader.h"

// The commands of plivant-archive. Each returns the exit status; a failure of the archive
// throws plivant::ArchiveError, which main reports.
namespace archivetool {

inline constexpr int kBusyMilliseconds = 5000;  // the program may be writing meanwhile

enum class ExportFormat { Csv, Jsonl };

int RunSearch(const std::string& path, const plivant::SearchQuery& query);
int RunStats(const std::string& path);
int RunExport(const std::string& path, const plivant::SearchQuery& query, ExportFormat format);
int RunImport(const std::string& path, const std::string& file);

// A failure of the archive in words, for the terminal.
std::string Describe(const plivant::ArchiveError& error);

}  // namespace archivetool
