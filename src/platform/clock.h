// The clock seam: every reading of "now" in the program comes from here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Whole seconds since 1970-01-01 00:00:00 counted in local wall-clock time,
    // without time-zone conversion (the program's "date value").
    virtual std::int64_t local_now() = 0;
    // Milliseconds from an arbitrary origin; never goes back.
    virtual std::int64_t monotonic_ms() = 0;
    // Blocks the thread for `ms` milliseconds (the fake only advances its time).
    virtual void sleep_ms(int ms) = 0;
};

class SystemClock final : public Clock {
public:
    std::int64_t local_now() override;
    std::int64_t monotonic_ms() override;
    void sleep_ms(int ms) override;
};

// A clock that stands still until a test moves it.
class FakeClock final : public Clock {
public:
    std::int64_t local_now() override { return now_; }
    std::int64_t monotonic_ms() override { return mono_ms_; }
    void sleep_ms(int ms) override { advance_ms(ms); }

    void set_local(std::int64_t date_value) { now_ = date_value; }
    // Moves both clocks forward (ms >= 0); whole seconds of wall time follow
    // the monotonic count.
    void advance_ms(std::int64_t ms);

private:
    std::int64_t now_ = 0;
    std::int64_t mono_ms_ = 0;
    std::int64_t sub_second_ms_ = 0;
};

// The date value of a local calendar time (month 1-12, day 1-31). Fields out
// of range carry over as timegm does (month 13 is January of the next year,
// day 0 the last day of the month before); any year works, also before 1970.
std::int64_t date_value(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The calendar fields of a date value.
struct LocalTime {
    int year, month, day, hour, minute, second;
    int day_of_week;  // 0 = Sunday .. 6 = Saturday
    int day_of_year;  // 1 = 1 January
};
LocalTime local_time(std::int64_t date_value);

}  // namespace platform

namespace platform {

// `mask` with %yyyy, %yy, %mm, %dd, %hh, %ii and %ss replaced by the year,
// two-digit year, month, day, hour, minute and second of `date_value`, each
// zero-padded; everything else is copied.
std::string format_date(std::string_view mask, std::int64_t date_value);

}  // namespace platform
