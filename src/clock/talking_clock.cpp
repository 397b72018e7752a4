// Phrases of the talking clock and the speaking of them.
#include "clock/talking_clock.h"

#include "clock/texts.h"
#include "core/text.h"
#include "platform/services.h"
#include "rt/dialogs.h"

namespace clocks {

namespace {

constexpr int pause_after_time_ms = 500;
constexpr int rate_talking_clock = 0;
constexpr int full_volume = 100;

constexpr int noon = 12;
constexpr int hours_per_half_day = 12;
constexpr int twelve_hour_clock = 12;
constexpr int quarter_past = 15;
constexpr int half_past = 30;
constexpr int quarter_to = 45;

// The hour as spoken: afternoon and evening hours lose 12 on a 12-hour clock
// (noon stays 12, midnight 0).
int spoken_hour(int clock_type, int hour) {
    return clock_type == twelve_hour_clock && hour > noon ? hour - hours_per_half_day : hour;
}

std::string french_phrase(int h, int minute) {
    constexpr int nine_pm = 21;
    if (minute == 0 && h == nine_pm) return "Il est vingt t une heures";
    if (minute == 0) return "Il est " + std::to_string(h) + " heures";
    if (minute == quarter_past || minute == half_past || minute == quarter_to)
        return "Il est " + std::to_string(h) + " heures" + " " + std::to_string(minute) + " minutes";
    return "";
}

std::string english_phrase(int clock_type, int hour, int h, int minute) {
    constexpr int eleven = 11;
    constexpr int eleven_pm = 23;
    if (hour == noon && minute == 0) return "It's noon";
    if (hour == 0 && minute == 0) return "It's midnight";
    if (minute == 0) return "It is " + std::to_string(h) + " o'clock";
    if (minute == quarter_past) return "It's a quarter past " + std::to_string(h);
    if (minute == half_past) return "It's half past " + std::to_string(h);
    if (minute != quarter_to) return "";
    if (h + 1 < hours_per_half_day) return "It's a quarter to " + std::to_string(h + 1);
    if (hour == eleven) return "It's a quarter to noon";
    if (hour == eleven_pm) return "It's a quarter to midnight";
    // Only 12:45 (12-hour) and 12:45-22:45 (24-hour) get here: a 12-hour face reads on to 1.
    const int next = clock_type == twelve_hour_clock ? 1 : h + 1;
    return "It's a quarter to " + std::to_string(next);
}

// The voice language for the program's language; "" leaves the engine's default.
std::string voice_language(const std::string& lng) {
    switch (core::language_of(lng)) {
    case core::Language::French: return "fr";
    case core::Language::English: return "en-us";
    case core::Language::Other: return "";
    }
    return "";
}

}  // namespace

std::string time_phrase(const std::string& lng, int clock_type, int hour, int minute) {
    const int h = spoken_hour(clock_type, hour);
    switch (core::language_of(lng)) {
    case core::Language::French: return french_phrase(h, minute);
    case core::Language::English: return english_phrase(clock_type, hour, h, minute);
    case core::Language::Other: return "";
    }
    return "";
}

void speak(const std::string& lng, const std::string& text, int rate) {
    platform::Speech& voice = platform::speech();
    if (text.empty() || !voice.available()) return;
    voice.speak(text, voice_language(lng), rate, full_volume);
}

void speak_the_time(const core::State& state) {
    if (core::language_of(state.Lng) == core::Language::Other) return;
    const platform::LocalTime now = platform::local_time(platform::clock().local_now());
    speak(state.Lng, time_phrase(state.Lng, state.Clock_Type, now.hour, now.minute), rate_talking_clock);
    platform::clock().sleep_ms(pause_after_time_ms);
}

void explain_voice(const core::State& state) {
    const std::string& lng = state.Lng;
    std::string text = texts::voice_intro.in(lng) + texts::voice_french.in(lng) + voice_language("Fr") + "\n" +
                       texts::voice_english.in(lng) + voice_language("Us") + "\n" + texts::voice_follows.in(lng);
    if (!platform::speech().available()) text += texts::voice_missing.in(lng);
    rt::message_box(texts::voice_title.in(lng), text, rt::MessageButtons::Ok, rt::MessageIcon::Information);
}

}  // namespace clocks
