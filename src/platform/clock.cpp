// The system clock and the calendar arithmetic of date values. A date value
// counts local wall-clock seconds as if the local calendar were UTC, so the
// conversions here are plain proleptic-Gregorian arithmetic with no time zone.
#include "platform/clock.h"

#include <cassert>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace platform {

namespace {

constexpr std::int64_t seconds_per_day = 86400;
constexpr std::int64_t seconds_per_hour = 3600;
constexpr std::int64_t seconds_per_minute = 60;
constexpr std::int64_t ms_per_second = 1000;
constexpr std::int64_t weekday_of_epoch = 4;  // 1970-01-01 was a Thursday.

// Division rounding towards minus infinity, so dates before 1970 work.
constexpr std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The remainder that goes with floor_div: 0 to b-1 for positive b.
constexpr std::int64_t floor_mod(std::int64_t a, std::int64_t b) { return a - floor_div(a, b) * b; }

// Days from 1970-01-01 to the given date; month 1-12, any day.
// Eras of 400 years (146097 days) make the calendar periodic.
constexpr std::int64_t days_from_civil(std::int64_t year, int month, std::int64_t day) {
    year -= month <= 2;
    const std::int64_t era = floor_div(year, 400);
    const std::int64_t year_of_era = year - era * 400;       // 0-399
    const std::int64_t month_from_march = (month + 9) % 12;  // March = 0
    const std::int64_t day_of_era_year = (153 * month_from_march + 2) / 5 + day - 1;
    const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_era_year;
    return era * 146097 + day_of_era - 719468;
}

struct Civil {
    std::int64_t year;
    int month, day;
};

constexpr Civil civil_from_days(std::int64_t days) {
    days += 719468;
    const std::int64_t era = floor_div(days, 146097);
    const std::int64_t day_of_era = days - era * 146097;  // 0-146096
    const std::int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t month_from_march = (5 * day_of_year + 2) / 153;
    const int day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
    const int month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
    return {year_of_era + era * 400 + (month <= 2), month, day};
}

}  // namespace

std::int64_t date_value(int year, int month, int day, int hour, int minute, int second) {
    // Carry whole years out of the month first, as timegm does; every other
    // field simply adds its seconds.
    const std::int64_t month_index = static_cast<std::int64_t>(month) - 1;
    const std::int64_t carried_year = year + floor_div(month_index, 12);
    const int month_in_year = static_cast<int>(floor_mod(month_index, 12)) + 1;
    const std::int64_t days = days_from_civil(carried_year, month_in_year, day);
    return days * seconds_per_day + hour * seconds_per_hour + minute * seconds_per_minute + second;
}

LocalTime local_time(std::int64_t value) {
    const std::int64_t days = floor_div(value, seconds_per_day);
    const std::int64_t second_of_day = floor_mod(value, seconds_per_day);
    const Civil civil = civil_from_days(days);
    LocalTime t{};
    t.year = static_cast<int>(civil.year);
    t.month = civil.month;
    t.day = civil.day;
    t.hour = static_cast<int>(second_of_day / seconds_per_hour);
    t.minute = static_cast<int>(second_of_day % seconds_per_hour / seconds_per_minute);
    t.second = static_cast<int>(second_of_day % seconds_per_minute);
    t.day_of_week = static_cast<int>(floor_mod(days + weekday_of_epoch, 7));
    t.day_of_year = static_cast<int>(days - days_from_civil(civil.year, 1, 1)) + 1;
    return t;
}

std::int64_t SystemClock::local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm fields{};
    localtime_r(&now, &fields);
    return date_value(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min,
                      fields.tm_sec);
}

std::int64_t SystemClock::monotonic_ms() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * ms_per_second + ts.tv_nsec / 1'000'000;
}

void SystemClock::sleep_ms(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void FakeClock::advance_ms(std::int64_t ms) {
    assert(ms >= 0 && "The fake clock only moves forward, like the monotonic clock it stands for.");
    mono_ms_ += ms;
    sub_second_ms_ += ms;
    now_ += sub_second_ms_ / ms_per_second;
    sub_second_ms_ %= ms_per_second;
}

}  // namespace platform

namespace platform {

std::string format_date(std::string_view mask, std::int64_t date_value) {
    const LocalTime t = local_time(date_value);
    auto two = [](int v) {
        char b[4];
        std::snprintf(b, sizeof b, "%02d", ((v % 100) + 100) % 100);
        return std::string(b);
    };
    struct Field {
        std::string_view token;
        std::string value;
    };
    const Field fields[] = {{"%yyyy", std::to_string(t.year)},
                            {"%yy", two(t.year)},
                            {"%mm", two(t.month)},
                            {"%dd", two(t.day)},
                            {"%hh", two(t.hour)},
                            {"%ii", two(t.minute)},
                            {"%ss", two(t.second)}};
    std::string out;
    for (std::size_t i = 0; i < mask.size();) {
        const Field* match = nullptr;
        for (const Field& f : fields)
            if (mask.substr(i).starts_with(f.token)) {
                match = &f;
                break;
            }
        if (match) {
            out += match->value;
            i += match->token.size();
        } else {
            out += mask[i++];
        }
    }
    return out;
}

}  // namespace platform
