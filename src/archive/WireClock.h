#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plivant {

// Times of items are the wire's own wall clock (the server's local time), counted in seconds
// from 2000-01-01 00:00 as if it were UTC: dates compare and print as the wire wrote them.
namespace wireclock {

// "DD.MM.YYYY" and "HH:MM:SS" (a trailing blank is allowed); nothing for anything else.
std::optional<int64_t> StampOf(std::string_view date, std::string_view time);
// The current time on this machine's wall clock.
int64_t Now();
// The first second of a day given as "YYYY-MM-DD" or "DD.MM.YYYY".
std::optional<int64_t> DayStart(std::string_view day);
inline constexpr int64_t kDay = 86400;
// "YYYY-MM-DD HH:MM:SS".
std::string Format(int64_t stamp);

}  // namespace wireclock

// An item's place in the archive: its time in the high bits, a sequence number among the items
// of the same second in the low ones. It is the row's key, so that newest-first order and date
// ranges are ranges of keys.
namespace order {
inline constexpr int kSequenceBits = 20;
inline constexpr int64_t First(int64_t stamp) { return (stamp < 0 ? 0 : stamp) << kSequenceBits; }
inline constexpr int64_t StampOf(int64_t key) { return key >> kSequenceBits; }
}  // namespace order

}  // namespace plivant
