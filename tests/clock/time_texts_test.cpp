// The time texts of the clock bar in both clock types.
#include <gtest/gtest.h>

#include "clock/tick.h"

TEST(TimeTexts, TwelveAndTwentyFourHourForms) {
    struct Row {
        int type, hour, minute;
        const char* time;
        const char* marker;
    };
    const Row rows[] = {
        {24, 0, 15, "00:15", "-"},   {24, 13, 5, "13:05", "-"}, {12, 0, 15, "00:15", "AM"},  {12, 9, 5, "09:05", "AM"},
        {12, 12, 30, "12:30", "PM"}, {12, 13, 5, "1:05", "PM"}, {12, 23, 59, "11:59", "PM"},
    };
    for (const Row& r : rows) {
        clocks::TimeTexts t;
        ASSERT_TRUE(clocks::time_texts(r.type, r.hour, r.minute, t));
        EXPECT_EQ(t.time, r.time) << r.type << " " << r.hour << ":" << r.minute;
        EXPECT_EQ(t.marker, r.marker);
    }
    clocks::TimeTexts untouched{"x", "y"};
    EXPECT_FALSE(clocks::time_texts(13, 10, 0, untouched));
    EXPECT_EQ(untouched.time, "x");
}
