// The speech seam: the rate scale and the real engine on a machine that may
// have no audio device.
#include "platform/speech.h"

#include <gtest/gtest.h>

namespace {

TEST(Speech, RateScaleToWordsPerMinute) {
    const struct {
        int rate;
        int words_per_minute;
    } rows[] = {
        {0, 175},     // the engine's normal speed
        {1, 195},     // the banner: slightly faster
        {-1, 157},
        {5, 303},
        {-5, 101},
        {10, 450},    // 525 is past the engine's fastest
        {-10, 80},    // 58 is below the engine's slowest
        {40, 450},
        {-40, 80},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::words_per_minute(row.rate), row.words_per_minute) << "rate " << row.rate;
}

// Without an audio device (or voice data) every call must come back: the
// program's loop is blocked while it speaks. Volume 0 keeps a machine with
// speakers quiet.
TEST(EspeakSpeech, ReturnsWithOrWithoutAnAudioDevice) {
    platform::EspeakSpeech speech;
    const bool available = speech.available();
    const struct {
        const char* text;
        const char* language;
        int rate;
    } rows[] = {
        {"Il est vingt t une heures", "fr", 0},
        {"It's a quarter to midnight", "en-us", 0},
        {"évènement 1 terminé", "fr", 1},
        {"Playlist saved", "", 1},
        {"Time is up!", "no-such-language", 1},
        {"", "fr", 0},
    };
    for (const auto& row : rows) speech.speak(row.text, row.language, row.rate, 0);
    EXPECT_EQ(speech.available(), available) << "speaking changed whether a voice is available";
}

}  // namespace
