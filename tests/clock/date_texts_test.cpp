// The clock bar's date texts: the week rule, both languages, and the texts
// written into the bar.
#include "clock/date_texts.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "clock/ids.h"
#include "clock_fixture.h"
#include "core/ids.h"
#include "rt/gadget.h"
#include "rt/internal.h"

namespace {

platform::LocalTime day(int year, int month, int d) {
    return platform::local_time(platform::date_value(year, month, d));
}

TEST(WeekNumber, FirstDaysOfTheYearByItsFirstWeekday) {
    const struct {
        const char* name;
        int year, month, day;
        int week;
    } rows[] = {
        // 2018 began on a Monday.
        {"Monday year, 1 January", 2018, 1, 1, 1},
        {"Monday year, 6 January", 2018, 1, 6, 1},
        {"Monday year, 7 January", 2018, 1, 7, 2},
        {"Monday year, 13 January", 2018, 1, 13, 2},
        {"Monday year, 14 January", 2018, 1, 14, 3},
        {"Monday year, 31 December", 2018, 12, 31, 53},
        // 2021 began on a Friday.
        {"Friday year, 1 January", 2021, 1, 1, 52},
        {"Friday year, 6 January", 2021, 1, 6, 52},
        {"Friday year, 7 January", 2021, 1, 7, 1},
        {"Friday year, 14 January", 2021, 1, 14, 2},
        // Thursday (2015) still counts the first days as week 1; Saturday (2022) as 52.
        {"Thursday year, 1 January", 2015, 1, 1, 1},
        {"Saturday year, 1 January", 2022, 1, 1, 52},
        {"Sunday year, 1 January", 2017, 1, 1, 1},
        {"leap day", 2024, 2, 29, 9},
    };
    for (const auto& row : rows)
        EXPECT_EQ(clocks::week_number(day(row.year, row.month, row.day)), row.week) << row.name;
}

TEST(DateTexts, FrenchAndEnglish) {
    const struct {
        const char* lng;
        int year, month, day;
        clocks::DateTexts texts;
    } rows[] = {
        {"Fr", 2018, 12, 7, {"Vendredi", "7 Décembre", "Jour 341", "Sem. 49"}},
        {"Us", 2018, 12, 7, {"Friday", "December 7", "Day 341", "Week 49"}},
        {"Fr", 2021, 1, 3, {"Dimanche", "3 Janvier", "Jour 3", "Sem. 52"}},
        {"Us", 2021, 1, 3, {"Sunday", "January 3", "Day 3", "Week 52"}},
        {"Fr", 2024, 8, 15, {"Jeudi", "15 Août", "Jour 228", "Sem. 33"}},
        {"Fr", 2024, 2, 26, {"Lundi", "26 Février", "Jour 57", "Sem. 9"}},
        {"Us", 2024, 9, 10, {"Tuesday", "September 10", "Day 254", "Week 37"}},
        {"Fr", 2024, 10, 2, {"Mercredi", "2 Octobre", "Jour 276", "Sem. 40"}},
        {"Us", 2024, 11, 30, {"Saturday", "November 30", "Day 335", "Week 48"}},
        // Any language other than French is English.
        {"De", 2018, 12, 7, {"Friday", "December 7", "Day 341", "Week 49"}},
    };
    for (const auto& row : rows) {
        const auto texts = clocks::date_texts(row.lng, day(row.year, row.month, row.day));
        const std::string when = std::string(row.lng) + " " + std::to_string(row.year) + "-" +
                                 std::to_string(row.month) + "-" + std::to_string(row.day);
        EXPECT_EQ(texts.day_name, row.texts.day_name) << when;
        EXPECT_EQ(texts.day_month, row.texts.day_month) << when;
        EXPECT_EQ(texts.day_of_year, row.texts.day_of_year) << when;
        EXPECT_EQ(texts.week, row.texts.week) << when;
    }
}

class DateTextsOnTheBar : public test::ClockScenario {};

TEST_F(DateTextsOnTheBar, RefreshShowsTodayInTheLanguage) {
    at(2021, 1, 7, 23, 59, 59);
    state.Lng = "Fr";
    clocks::refresh_date_texts(state);
    EXPECT_EQ(rt::gadget_text(core::GadgetDayName), "Jeudi");
    EXPECT_EQ(rt::gadget_text(core::GadgetDate), "7 Janvier");
    EXPECT_EQ(rt::gadget_text(core::GadgetDayOfYear), "Jour 7");
    EXPECT_EQ(rt::gadget_text(core::GadgetWeek), "Sem. 1");

    clock.advance_ms(1000);
    state.Lng = "Us";
    clocks::refresh_date_texts(state);
    EXPECT_EQ(rt::gadget_text(core::GadgetDayName), "Friday");
    EXPECT_EQ(rt::gadget_text(core::GadgetDate), "January 8");
    EXPECT_EQ(rt::gadget_text(core::GadgetDayOfYear), "Day 8");
    EXPECT_EQ(rt::gadget_text(core::GadgetWeek), "Week 1");
}

// The ink of a text gadget as drawn: its left, right and bottom columns and
// row reached, and the width it spans.
struct Ink {
    bool touches_an_edge = false;
    int width = 0;
};

Ink ink_of(int gadget) {
    const QImage picture = rt::gadget_widget(gadget)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = picture.pixel(0, 0);
    int left = picture.width(), right = -1;
    Ink ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qGray(picture.pixel(x, y)) > qGray(background) - 60) continue;  // not ink
            left = std::min(left, x);
            right = std::max(right, x);
            if (x == 0 || x == picture.width() - 1 || y == picture.height() - 1) ink.touches_an_edge = true;
        }
    }
    ink.width = right - left + 1;
    return ink;
}

// Three-digit days and two-digit weeks fit their boxes whole, in both languages.
TEST_F(DateTextsOnTheBar, TheLongestDayAndWeekTextsAreNotCutOff) {
    for (const char* lng : {"Fr", "Us"}) {
        SCOPED_TRACE(lng);
        state.Lng = lng;
        for (const auto& [when, day, week] : {std::tuple{platform::date_value(2024, 12, 7, 12, 0, 0), "342", "49"},
                                              std::tuple{platform::date_value(2020, 12, 31, 12, 0, 0), "366", "53"}}) {
            clock.set_local(when);
            clocks::refresh_date_texts(state);
            ASSERT_NE(rt::gadget_text(core::GadgetDayOfYear).find(day), std::string::npos);
            ASSERT_NE(rt::gadget_text(core::GadgetWeek).find(week), std::string::npos);
            for (int gadget : {core::GadgetDayOfYear, core::GadgetWeek}) {
                const Ink ink = ink_of(gadget);
                EXPECT_FALSE(ink.touches_an_edge) << rt::gadget_text(gadget);
                EXPECT_GT(ink.width, rt::gadget_width(gadget) / 2) << rt::gadget_text(gadget) << ": all of it shows";
            }
        }
    }
}

}  // namespace
