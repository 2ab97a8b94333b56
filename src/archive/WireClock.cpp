#include "archive/WireClock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace plivant::wireclock {

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = year{2000} / January / 1;

// Exactly `width` decimal digits at `from`.
std::optional<int> Digits(std::string_view text, size_t from, size_t width) {
    if (from + width > text.size()) return std::nullopt;
    int value = 0;
    for (char c : text.substr(from, width)) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int64_t> DaysOf(int y, int m, int d) {
    year_month_day day{year{y}, month{unsigned(m)}, std::chrono::day{unsigned(d)}};
    if (!day.ok()) return std::nullopt;
    return (sys_days(day) - kEpoch).count();
}

// "DD.MM.YYYY".
std::optional<int64_t> WireDay(std::string_view date) {
    if (date.size() != 10 || date[2] != '.' || date[5] != '.') return std::nullopt;
    auto d = Digits(date, 0, 2), m = Digits(date, 3, 2), y = Digits(date, 6, 4);
    if (!d || !m || !y) return std::nullopt;
    return DaysOf(*y, *m, *d);
}

// "YYYY-MM-DD".
std::optional<int64_t> IsoDay(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
    auto y = Digits(date, 0, 4), m = Digits(date, 5, 2), d = Digits(date, 8, 2);
    if (!d || !m || !y) return std::nullopt;
    return DaysOf(*y, *m, *d);
}

}  // namespace

std::optional<int64_t> StampOf(std::string_view date, std::string_view time) {
    auto days = WireDay(date);
    if (!days) return std::nullopt;
    if (time.size() == 9 && time.back() == ' ') time.remove_suffix(1);
    if (time.size() != 8 || time[2] != ':' || time[5] != ':') return std::nullopt;
    auto h = Digits(time, 0, 2), m = Digits(time, 3, 2), s = Digits(time, 6, 2);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
    return *days * kDay + *h * 3600 + *m * 60 + *s;
}

int64_t Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return (*DaysOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)) * kDay +
           local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

std::optional<int64_t> DayStart(std::string_view day) {
    auto days = day.size() == 10 && day[4] == '-' ? IsoDay(day) : WireDay(day);
    if (!days) return std::nullopt;
    return *days * kDay;
}

std::string Format(int64_t stamp) {
    const int64_t days = stamp >= 0 ? stamp / kDay : (stamp - kDay + 1) / kDay;
    const int64_t second = stamp - days * kDay;
    year_month_day ymd{kEpoch + std::chrono::days(days)};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(ymd.year()),
                  unsigned(ymd.month()), unsigned(ymd.day()), int(second / 3600),
                  int(second / 60 % 60), int(second % 60));
    return text;
}

}  // namespace plivant::wireclock
