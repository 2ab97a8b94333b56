#pragma once

#include "archive/ArchiveWriter.h"

namespace plivant {

class RegistryStore;

namespace stored {
// Optional DWORD: how many days the archive keeps items; absent or 0 keeps everything. Never
// written by the program.
inline constexpr const char* kArchiveDays = "срок хранения архива";
}  // namespace stored

// The program's archive: its file where the program keeps its files, and the age limit from
// the registry (an unreadable store or a value of another type counts as none).
WriterOptions ProgramArchiveOptions(RegistryStore& store);

}  // namespace plivant
