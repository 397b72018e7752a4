// The talking clock's phrases and the speaking of them at a set time.
#include "clock/talking_clock.h"

#include <gtest/gtest.h>

#include "support/fixture.h"

namespace {

TEST(TalkingClock, Phrases) {
    const struct {
        const char* lng;
        int clock_type;
        int hour, minute;
        const char* phrase;
    } rows[] = {
        {"Fr", 24, 21, 0, "Il est vingt t une heures"},
        {"Fr", 12, 21, 0, "Il est 9 heures"},
        {"Fr", 24, 21, 15, "Il est 21 heures 15 minutes"},
        {"Fr", 12, 21, 15, "Il est 9 heures 15 minutes"},
        {"Fr", 24, 9, 45, "Il est 9 heures 45 minutes"},
        {"Fr", 24, 14, 30, "Il est 14 heures 30 minutes"},
        {"Fr", 24, 14, 0, "Il est 14 heures"},
        {"Fr", 12, 14, 0, "Il est 2 heures"},
        {"Fr", 24, 0, 0, "Il est 0 heures"},
        {"Fr", 12, 0, 0, "Il est 0 heures"},
        {"Fr", 24, 12, 0, "Il est 12 heures"},
        {"Fr", 12, 12, 0, "Il est 12 heures"},
        {"Fr", 24, 10, 7, ""},
        {"Fr", 24, 10, 1, ""},
        {"Fr", 24, 10, 59, ""},

        {"Us", 12, 12, 0, "It's noon"},
        {"Us", 24, 12, 0, "It's noon"},
        {"Us", 12, 0, 0, "It's midnight"},
        {"Us", 24, 0, 0, "It's midnight"},
        {"Us", 12, 13, 0, "It is 1 o'clock"},
        {"Us", 24, 13, 0, "It is 13 o'clock"},
        {"Us", 24, 9, 0, "It is 9 o'clock"},
        {"Us", 24, 0, 15, "It's a quarter past 0"},
        {"Us", 12, 15, 15, "It's a quarter past 3"},
        {"Us", 24, 15, 30, "It's half past 15"},
        {"Us", 12, 12, 30, "It's half past 12"},
        {"Us", 12, 10, 45, "It's a quarter to 11"},
        {"Us", 24, 10, 45, "It's a quarter to 11"},
        {"Us", 12, 22, 45, "It's a quarter to 11"},
        {"Us", 12, 0, 45, "It's a quarter to 1"},
        {"Us", 12, 11, 45, "It's a quarter to noon"},
        {"Us", 24, 11, 45, "It's a quarter to noon"},
        {"Us", 12, 23, 45, "It's a quarter to midnight"},
        {"Us", 24, 23, 45, "It's a quarter to midnight"},
        {"Us", 12, 12, 45, "It's a quarter to 1"},
        {"Us", 24, 12, 45, "It's a quarter to 13"},
        {"Us", 24, 22, 45, "It's a quarter to 23"},
        {"Us", 24, 10, 7, ""},
        {"Us", 12, 23, 59, ""},

        {"De", 24, 12, 0, ""},
        {"fr", 24, 21, 0, ""},
        {"", 24, 21, 0, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(clocks::time_phrase(row.lng, row.clock_type, row.hour, row.minute), row.phrase)
            << row.lng << " " << row.clock_type << "-hour clock at " << row.hour << ":" << row.minute;
}

class SpeakTheTime : public test::Scenario {};

TEST_F(SpeakTheTime, SpeaksAtRateZeroFullVolumeThenPauses) {
    using Spoken = std::vector<platform::FakeSpeech::Spoken>;
    const struct {
        const char* name;
        const char* lng;
        int clock_type;
        int hour, minute;
        bool voice_available;
        Spoken spoken;
        int pause_ms;
    } rows[] = {
        {"french nine pm", "Fr", 24, 21, 0, true, {{"Il est vingt t une heures", "fr", 0, 100}}, 500},
        {"english one pm", "Us", 12, 13, 0, true, {{"It is 1 o'clock", "en-us", 0, 100}}, 500},
        {"no phrase still pauses", "Fr", 24, 10, 7, true, {}, 500},
        {"no voice still pauses", "Us", 24, 12, 0, false, {}, 500},
        {"other language neither speaks nor pauses", "De", 24, 21, 0, true, {}, 0},
    };
    for (const auto& row : rows) {
        speech = {};
        speech.is_available = row.voice_available;
        state.Lng = row.lng;
        state.Clock_Type = row.clock_type;
        clock.set_local(platform::date_value(2024, 3, 1, row.hour, row.minute, 0));
        const auto before_ms = clock.monotonic_ms();

        clocks::speak_the_time(state);

        EXPECT_EQ(speech.spoken, row.spoken) << row.name;
        EXPECT_EQ(clock.monotonic_ms() - before_ms, row.pause_ms) << row.name;
    }
}

}  // namespace
