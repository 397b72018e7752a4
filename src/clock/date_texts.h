// The date texts of the clock bar: day of the week, day and month, day of the
// year and week number, in French or English.
#pragma once

#include <string>

#include "core/state.h"
#include "platform/clock.h"

namespace clocks {

// The week number of `t`: the day of the year divided by 7, plus 1 when the
// year began on Sunday to Thursday; 52 when that gives 0 (1 to 6 January of a
// year that began on Friday or Saturday).
int week_number(const platform::LocalTime& t);

struct DateTexts {
    std::string day_name;     // "Vendredi" / "Friday"
    std::string day_month;    // "7 Décembre" / "December 7"
    std::string day_of_year;  // "Jour 341" / "Day 341"
    std::string week;         // "Sem. 49" / "Week 49"
};
// French when `lng` is "Fr", English for any other value.
DateTexts date_texts(const std::string& lng, const platform::LocalTime& t);

// Writes the date texts of the current day into the clock bar.
void refresh_date_texts(const core::State& s);

}  // namespace clocks
