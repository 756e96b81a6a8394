#include "core/engine/wall_clock.h"

#include <ctime>
#include <utility>

namespace zuzazizo {

LocalTime SystemWallClock::now() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);  // the C runtime of Windows has the same call with its arguments turned
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

namespace {

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar, and back (the civil
// calendar algorithms of H. Hinnant, which need no time zone and no library support).
std::int64_t days_from_civil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(std::int64_t z, LocalTime& t) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
}

}  // namespace

LocalTime RunningWallClock::now() const {
    constexpr std::int64_t day_s = 24 * 60 * 60;
    const std::int64_t start_s = days_from_civil(start_.year, start_.month, start_.day) * day_s +
                                 start_.hour * 3600 + start_.minute * 60 + start_.second;
    const std::int64_t elapsed = elapsed_ms_();
    const std::int64_t s = start_s + (elapsed >= 0 ? elapsed / 1000 : 0);
    const std::int64_t days = s / day_s;
    const std::int64_t in_day = s % day_s;
    LocalTime t;
    civil_from_days(days, t);
    t.hour = static_cast<int>(in_day / 3600);
    t.minute = static_cast<int>(in_day / 60 % 60);
    t.second = static_cast<int>(in_day % 60);
    return t;
}

}  // namespace zuzazizo
