#include "clock/date_texts.h"

#include <array>
#include <string_view>

#include "clock/ids.h"
#include "core/ids.h"
#include "core/text.h"
#include "platform/services.h"
#include "rt/gadget.h"

namespace clocks {

namespace {

constexpr std::array<std::string_view, 7> french_days = {"Dimanche", "Lundi",    "Mardi", "Mercredi",
                                                         "Jeudi",    "Vendredi", "Samedi"};
constexpr std::array<std::string_view, 12> french_months = {"Janvier",   "Février", "Mars",     "Avril",
                                                            "Mai",       "Juin",    "Juillet",  "Août",
                                                            "Septembre", "Octobre", "Novembre", "Décembre"};
constexpr std::array<std::string_view, 7> english_days = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                          "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> english_months = {"January",   "February", "March",    "April",
                                                             "May",       "June",     "July",     "August",
                                                             "September", "October",  "November", "December"};

constexpr int days_per_week = 7;
constexpr int last_week_of_the_year_before = 52;
constexpr int thursday = 4;

}  // namespace

int week_number(const platform::LocalTime& t) {
    const int first_day = platform::local_time(platform::date_value(t.year, 1, 1)).day_of_week;
    int week = t.day_of_year / days_per_week;
    if (first_day <= thursday) ++week;
    if (week < 1) week = last_week_of_the_year_before;
    return week;
}

DateTexts date_texts(const std::string& lng, const platform::LocalTime& t) {
    const auto day = std::size_t(t.day_of_week);
    const auto month = std::size_t(t.month - 1);
    const std::string week = std::to_string(week_number(t));
    if (core::language_of(lng) == core::Language::French)
        return {std::string(french_days[day]), std::to_string(t.day) + " " + std::string(french_months[month]),
                "Jour " + std::to_string(t.day_of_year), "Sem. " + week};
    return {std::string(english_days[day]), std::string(english_months[month]) + " " + std::to_string(t.day),
            "Day " + std::to_string(t.day_of_year), "Week " + week};
}

void refresh_date_texts(const core::State& s) {
    const DateTexts texts = date_texts(s.Lng, platform::local_time(platform::clock().local_now()));
    rt::set_text(core::GadgetDayName, texts.day_name);
    rt::set_text(core::GadgetDate, texts.day_month);
    rt::set_text(core::GadgetDayOfYear, texts.day_of_year);
    rt::set_text(core::GadgetWeek, texts.week);
}

}  // namespace clocks
