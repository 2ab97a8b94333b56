#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "archive/ArchiveStatus.h"

namespace plivant::archivetexts {

// The archive's state for the status bar's tooltip.
QString StatusTip(const ArchiveStatus& status);
// The one message a fault deserves; nothing for the states that need none.
std::optional<QString> Notice(const ArchiveStatus& status);
// Why a search could not be made.
QString Unreadable(ArchiveFault fault, const std::string& detail);
// "Найдено: N".
QString Found(int64_t count);

}  // namespace plivant::archivetexts
