// What reaches the sound output: a station plays audibly, its loudness
// follows the channel volume linearly, stop silences it, and a volume set
// while stopped applies to the next play. Measured on the null sink of a
// private PulseAudio daemon.
#include "engine_fixture.h"
#include "platform/loopback_server.h"
#include "support/private_pulse.h"

namespace engine_test {
namespace {

using namespace std::chrono_literals;

// The tone fixture is a sine at half of full scale: 0.354 root mean square,
// a little less with the quiet frame edges of its loop.
constexpr double audible = 0.1;
constexpr double silent = 0.001;
// Clearly sound, and below the tone at a quarter of the volume.
constexpr double first_sound = 0.02;
// How much sound to wait through for the station to start.
constexpr double start_limit_seconds = 15;
// Sound already buffered on its way to the sink when the volume changes.
constexpr double settle_seconds = 1.0;
constexpr double measure_seconds = 1.0;

TEST(AudioEngineLevel, LoudnessFollowsTheChannelVolume) {
    ASSERT_TRUE(audio_library().complete());
    if (!test::PrivatePulse::installed())
        GTEST_SKIP() << "pulseaudio and parec are not installed (tools/install-deps.sh installs them)";
    test::PrivatePulse pulse;
    ASSERT_EQ(pulse.failure(), "");
    ASSERT_TRUE(pulse.sound_comes(-1, 1)) << "the recorder delivers nothing";
    const std::optional<double> before = pulse.level(0, measure_seconds);
    ASSERT_TRUE(before);
    EXPECT_LT(*before, silent) << "the sink is not quiet before anything plays";

    test_support::LoopbackServer server({{"/station", station_head, station_body()}}, 120s);
    const AudioLibrary& engine = audio_library();
    RadioStart radio(server.url("/station"), 1.0f);
    ASSERT_TRUE(radio.all_ok());
    ASSERT_TRUE(pulse.sound_comes(audible, start_limit_seconds)) << "the station is not heard";
    const std::optional<double> full = pulse.level(settle_seconds, measure_seconds);
    ASSERT_TRUE(full);
    EXPECT_GT(*full, audible);

    // Linear loudness: a quarter of the volume, a quarter of the amplitude
    // (mpv's own volume scale would give 1/64 here).
    ASSERT_EQ(engine.channel_set_volume(radio.channel, 0.25f), VIMO_AUDIO_OK);
    const std::optional<double> quarter = pulse.level(settle_seconds, measure_seconds);
    ASSERT_TRUE(quarter);
    EXPECT_NEAR(*quarter / *full, 0.25, 0.05) << "full " << *full << ", quarter " << *quarter;

    ASSERT_EQ(engine.channel_stop(radio.channel), VIMO_AUDIO_OK);
    const std::optional<double> stopped = pulse.level(settle_seconds, measure_seconds);
    ASSERT_TRUE(stopped);
    EXPECT_LT(*stopped, silent);

    // Set while stopped, the volume is there from the first sound of the next play.
    ASSERT_EQ(engine.channel_set_volume(radio.channel, 1.0f), VIMO_AUDIO_OK);
    ASSERT_EQ(engine.system_play_sound(radio.system, radio_channel_index, radio.sound, 0, nullptr), VIMO_AUDIO_OK);
    ASSERT_TRUE(pulse.sound_comes(first_sound, start_limit_seconds)) << "the station is not heard again";
    const std::optional<double> again = pulse.level(0, measure_seconds);
    ASSERT_TRUE(again);
    EXPECT_NEAR(*again / *full, 1.0, 0.1) << "full " << *full << ", again " << *again;

    EXPECT_EQ(radio.release(), VIMO_AUDIO_OK);
    const std::optional<double> released = pulse.level(settle_seconds, measure_seconds);
    ASSERT_TRUE(released);
    EXPECT_LT(*released, silent);
    std::printf("[ level    ] before %.4f, full %.4f, quarter %.4f, stopped %.4f, again %.4f, released %.4f\n", *before,
                *full, *quarter, *stopped, *again, *released);
}

}  // namespace
}  // namespace engine_test
