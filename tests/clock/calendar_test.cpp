// The calendar window speaks the program's language, whatever the system's.
#include "clock/calendar.h"

#include <QCalendarWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include "clock/ids.h"
#include "clock_fixture.h"
#include "rt/internal.h"

namespace {

class Calendar : public test::ClockScenario {
protected:
    // The month name the month calendar shows, and its first day of the week.
    std::pair<std::string, Qt::DayOfWeek> shown_month() {
        auto* calendar = qobject_cast<QCalendarWidget*>(rt::gadget_widget(clocks::GadgetMonthCalendar));
        if (!calendar) return {};
        auto* month = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        return {month ? month->text().toStdString() : std::string(), calendar->firstDayOfWeek()};
    }
};

// The suite also runs under a French system locale: each row then differs
// from the system's language once.
TEST_F(Calendar, TheMonthCalendarShowsTheProgramsLanguage) {
    struct Row {
        const char* lng;
        std::string month;
        Qt::DayOfWeek first_day;
    };
    const Row rows[] = {
        {"Fr", "mars", Qt::Monday},
        {"Us", "March", Qt::Sunday},
    };
    at(2024, 3, 7, 9, 5, 30);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lng);
        state.Lng = row.lng;
        clocks::open_calendar(state);
        EXPECT_EQ(shown_month(), std::make_pair(row.month, row.first_day));
        clocks::toggle_calendar_dropping_edits(state);
    }
}

}  // namespace
