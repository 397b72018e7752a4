// Date values: calendar arithmetic checked against known dates and against the
// C library's UTC conversions, the system clock's reading of local time, and
// the fake clock's carrying of milliseconds.
#include "platform/clock.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using platform::date_value;
using platform::local_time;

struct KnownDate {
    const char* name;
    int year, month, day, hour, minute, second;
    std::int64_t value;
    int day_of_week;  // 0 = Sunday
    int day_of_year;
};

// Values worked out independently of this code (a calendar and a reference
// UTC conversion).
const KnownDate known_dates[] = {
    {"epoch", 1970, 1, 1, 0, 0, 0, 0, 4, 1},
    {"second before epoch", 1969, 12, 31, 23, 59, 59, -1, 3, 365},
    {"ordinary afternoon", 2018, 9, 14, 9, 28, 10, 1536917290, 5, 257},
    {"leap day", 2024, 2, 29, 0, 0, 0, 1709164800, 4, 60},
    {"last day of leap year", 2024, 12, 31, 0, 0, 0, 1735603200, 2, 366},
    {"a Tuesday in December", 2026, 12, 8, 0, 0, 0, 1796688000, 2, 342},
    {"leap day of a 400th year", 2000, 2, 29, 0, 0, 0, 951782400, 2, 60},
    {"1900 is not leap", 1900, 3, 1, 0, 0, 0, -2203891200, 4, 60},
    {"2100 is not leap", 2100, 3, 1, 12, 0, 0, 4107585600, 1, 60},
    {"far past", 1600, 1, 1, 0, 0, 0, -11676096000, 6, 1},
    {"year one", 1, 1, 1, 0, 0, 0, -62135596800, 1, 1},
    {"far future", 9999, 12, 31, 23, 59, 59, 253402300799, 5, 365},
};

TEST(DateValue, KnownDatesBothWays) {
    for (const auto& row : known_dates) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(date_value(row.year, row.month, row.day, row.hour, row.minute, row.second), row.value);
        const auto t = local_time(row.value);
        EXPECT_EQ(t.year, row.year);
        EXPECT_EQ(t.month, row.month);
        EXPECT_EQ(t.day, row.day);
        EXPECT_EQ(t.hour, row.hour);
        EXPECT_EQ(t.minute, row.minute);
        EXPECT_EQ(t.second, row.second);
        EXPECT_EQ(t.day_of_week, row.day_of_week);
        EXPECT_EQ(t.day_of_year, row.day_of_year);
    }
}

std::tm utc_fields(std::int64_t value) {
    const std::time_t t = static_cast<std::time_t>(value);
    std::tm fields{};
    gmtime_r(&t, &fields);
    return fields;
}

// Every few days from 1601 to 2338 at a varying time of day, against gmtime.
TEST(DateValue, AgreesWithUtcCalendarOverCenturies) {
    constexpr std::int64_t day = 86400;
    for (std::int64_t days = -134774; days < 134774; days += 97) {
        const std::int64_t value = days * day + (days * 7919) % day;
        const auto t = local_time(value);
        const std::tm expected = utc_fields(value);
        ASSERT_EQ(t.year, expected.tm_year + 1900) << value;
        ASSERT_EQ(t.month, expected.tm_mon + 1) << value;
        ASSERT_EQ(t.day, expected.tm_mday) << value;
        ASSERT_EQ(t.hour, expected.tm_hour) << value;
        ASSERT_EQ(t.minute, expected.tm_min) << value;
        ASSERT_EQ(t.second, expected.tm_sec) << value;
        ASSERT_EQ(t.day_of_week, expected.tm_wday) << value;
        ASSERT_EQ(t.day_of_year, expected.tm_yday + 1) << value;
        ASSERT_EQ(date_value(t.year, t.month, t.day, t.hour, t.minute, t.second), value);
    }
}

struct OutOfRange {
    const char* name;
    int year, month, day, hour, minute, second;
};

TEST(DateValue, OutOfRangeFieldsCarryLikeTimegm) {
    const OutOfRange rows[] = {
        {"month 13", 2023, 13, 1, 0, 0, 0},
        {"month 0", 2023, 0, 15, 0, 0, 0},
        {"month -11", 2023, -11, 1, 0, 0, 0},
        {"month 25", 2023, 25, 1, 0, 0, 0},
        {"day 0 of March in a leap year", 2024, 3, 0, 0, 0, 0},
        {"day 32", 2023, 1, 32, 0, 0, 0},
        {"negative day", 2023, 3, -1, 0, 0, 0},
        {"hour 24", 2023, 12, 31, 24, 0, 0},
        {"second 60", 2023, 6, 30, 23, 59, 60},
        {"negative second", 1970, 1, 1, 0, 0, -1},
        {"minute 1440", 2023, 1, 1, 0, 1440, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::tm fields{};
        fields.tm_year = row.year - 1900;
        fields.tm_mon = row.month - 1;
        fields.tm_mday = row.day;
        fields.tm_hour = row.hour;
        fields.tm_min = row.minute;
        fields.tm_sec = row.second;
        const std::int64_t expected = timegm(&fields);
        EXPECT_EQ(date_value(row.year, row.month, row.day, row.hour, row.minute, row.second), expected);
    }
}

// Sets TZ for one test and puts back what was there.
class TimeZoneOverride {
public:
    explicit TimeZoneOverride(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZoneOverride() {
        if (saved_) setenv("TZ", saved_->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

// Reads the clock and time(nullptr) within one second so they can be compared.
template <typename Check>
void with_steady_second(Check check) {
    platform::SystemClock clock;
    for (;;) {
        const std::time_t before = std::time(nullptr);
        const std::int64_t now = clock.local_now();
        if (std::time(nullptr) == before) {
            check(now, before);
            return;
        }
    }
}

TEST(SystemClock, LocalNowIsWallClockReadAsUtc) {
    // POSIX zone strings need no time-zone database; "-" means east of UTC.
    const struct {
        const char* zone;
        std::int64_t offset_seconds;
    } rows[] = {
        {"UTC0", 0},
        {"NPT-5:45", 5 * 3600 + 45 * 60},
        {"HST10", -10 * 3600},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.zone);
        TimeZoneOverride zone(row.zone);
        with_steady_second([&](std::int64_t now, std::time_t utc) {
            EXPECT_EQ(now - static_cast<std::int64_t>(utc), row.offset_seconds);
        });
    }
}

TEST(SystemClock, LocalNowMatchesLocaltimeFields) {
    with_steady_second([](std::int64_t now, std::time_t utc) {
        std::tm fields{};
        localtime_r(&utc, &fields);
        const auto t = local_time(now);
        EXPECT_EQ(t.year, fields.tm_year + 1900);
        EXPECT_EQ(t.month, fields.tm_mon + 1);
        EXPECT_EQ(t.day, fields.tm_mday);
        EXPECT_EQ(t.hour, fields.tm_hour);
        EXPECT_EQ(t.minute, fields.tm_min);
        EXPECT_EQ(t.second, fields.tm_sec);
        EXPECT_EQ(t.day_of_week, fields.tm_wday);
    });
}

TEST(FakeClock, MillisecondsCarryIntoWholeSeconds) {
    const struct {
        const char* name;
        std::vector<std::int64_t> steps_ms;
        std::int64_t local_seconds;  // after the steps, from a start of 1000
        std::int64_t monotonic_ms;
    } rows[] = {
        {"nothing", {}, 1000, 0},
        {"under a second", {999}, 1000, 999},
        {"exactly a second", {1000}, 1001, 1000},
        {"parts adding up", {400, 400, 400}, 1001, 1200},
        {"parts reaching two seconds", {700, 700, 600}, 1002, 2000},
        {"a long step", {90'500}, 1090, 90'500},
        {"zero steps", {0, 0}, 1000, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform::FakeClock clock;
        clock.set_local(1000);
        for (auto step : row.steps_ms) clock.advance_ms(step);
        EXPECT_EQ(clock.local_now(), row.local_seconds);
        EXPECT_EQ(clock.monotonic_ms(), row.monotonic_ms);
    }
}

TEST(FakeClock, SleepAdvancesInsteadOfBlocking) {
    platform::FakeClock clock;
    clock.set_local(date_value(2026, 12, 31, 23, 59, 59));
    clock.sleep_ms(1500);
    EXPECT_EQ(clock.local_now(), date_value(2027, 1, 1, 0, 0, 0));
    EXPECT_EQ(clock.monotonic_ms(), 1500);
}

}  // namespace
