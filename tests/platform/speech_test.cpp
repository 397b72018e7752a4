// The speech seam: the rate scale and the real engine on a machine that may
// have no audio device.
#include "platform/speech.h"

#include <thread>
#include <utility>

#include <gtest/gtest.h>

#include "support/private_pulse.h"

namespace {

TEST(Speech, RateScaleToWordsPerMinute) {
    const struct {
        int rate;
        int words_per_minute;
    } rows[] = {
        {0, 175},                                    // the engine's normal speed
        {1, 195},                                    // the banner: slightly faster
        {-1, 157}, {5, 303},  {-5, 101}, {10, 450},  // 525 is past the engine's fastest
        {-10, 80},                                   // 58 is below the engine's slowest
        {40, 450}, {-40, 80},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::words_per_minute(row.rate), row.words_per_minute) << "rate " << row.rate;
}

// Without an audio device (or voice data) every call must come back: the
// program's loop is blocked while it speaks. Volume 0 keeps a machine with
// speakers quiet.
// A phrase reaches the sound output: spoken into a private sound server's
// null sink, it is heard there, in each of the program's two voices.
TEST(EspeakSpeech, PhrasesAreHeard) {
    if (!test::PrivatePulse::installed()) GTEST_SKIP() << "pulseaudio and parec are not installed";
    test::PrivatePulse pulse;
    ASSERT_EQ(pulse.failure(), "");
    ASSERT_TRUE(pulse.sound_comes(-1, 1)) << "the recorder delivers nothing";
    platform::EspeakSpeech speech;
    ASSERT_TRUE(speech.available());
    for (const auto& [text, language] :
         {std::pair{"Il est vingt t une heures", "fr"}, std::pair{"It's a quarter to midnight", "en-us"}}) {
        std::thread speaker([&] { speech.speak(text, language, 0, 100); });
        const bool heard = pulse.sound_comes(0.02, 5);
        speaker.join();
        EXPECT_TRUE(heard) << language;
    }
}

}  // namespace
