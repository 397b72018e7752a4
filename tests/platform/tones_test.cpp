// Generated tunes: the WAV bytes the audio output gets, and the player's
// return without a sound device.
#include "platform/tones.h"

#include <cstdint>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include "support/private_pulse.h"

namespace {

using platform::Tone;

std::uint32_t u32_at(const std::string& b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

std::uint16_t u16_at(const std::string& b, std::size_t at) {
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

constexpr std::size_t header_size = 44;

// Sample i of the data (16-bit signed mono).
int sample(const std::string& wave, std::int64_t i) {
    return std::int16_t(u16_at(wave, header_size + std::size_t(i) * 2));
}

// Sign changes among samples [from, to).
int crossings(const std::string& wave, std::int64_t from, std::int64_t to) {
    int n = 0;
    for (std::int64_t i = from + 1; i < to; ++i)
        if ((sample(wave, i - 1) < 0) != (sample(wave, i) < 0)) ++n;
    return n;
}

TEST(TuneWave, HeaderDescribesSixteenBitMonoPcm) {
    const std::string wave = platform::tune_wave_file({{2000, 200}, {0, 100}});
    ASSERT_GE(wave.size(), header_size);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16_at(wave, 20), 1) << "PCM";
    EXPECT_EQ(u16_at(wave, 22), 1) << "channels";
    EXPECT_EQ(u32_at(wave, 24), 44100u) << "sample rate";
    EXPECT_EQ(u32_at(wave, 28), 88200u) << "bytes per second";
    EXPECT_EQ(u16_at(wave, 34), 16) << "bits";
    EXPECT_EQ(wave.substr(36, 4), "data");
    // 300 ms at 44100 samples of 2 bytes.
    EXPECT_EQ(u32_at(wave, 40), 26460u);
    EXPECT_EQ(u32_at(wave, 4), 36u + 26460u);
    EXPECT_EQ(wave.size(), header_size + 26460u);
}

// Each note sounds its own pitch for its own length, and silences are silent.
TEST(TuneWave, NotesInOrderAtTheirPitch) {
    const std::vector<Tone> tune = {{2000, 200}, {0, 100}, {3000, 200}, {0, 100}, {4000, 200}};
    const std::string wave = platform::tune_wave_file(tune);
    const struct {
        std::int64_t from, to;  // samples
        int hz;
    } parts[] = {{0, 8820, 2000}, {8820, 13230, 0}, {13230, 22050, 3000}, {22050, 26460, 0}, {26460, 35280, 4000}};
    ASSERT_EQ(wave.size(), header_size + 35280u * 2);
    for (const auto& part : parts) {
        const int expected_crossings = part.hz * 2 / 5;  // two per period over 200 ms
        if (part.hz == 0) {
            for (std::int64_t i = part.from; i < part.to; ++i) ASSERT_EQ(sample(wave, i), 0) << "sample " << i;
        } else {
            EXPECT_NEAR(crossings(wave, part.from, part.to), expected_crossings, 3) << part.hz << " Hz";
        }
    }
}

TEST(TuneWave, LoudButNotFullScaleAndNoClickAtTheEdges) {
    const std::string wave = platform::tune_wave_file({{1000, 100}});
    int peak = 0;
    for (std::int64_t i = 0; i < 4410; ++i) peak = std::max(peak, std::abs(sample(wave, i)));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 12000);
    EXPECT_EQ(sample(wave, 0), 0);
    EXPECT_LT(std::abs(sample(wave, 4409)), 200) << "the note must fade out";
}

TEST(TuneWave, OutOfRangeNotes) {
    const struct {
        const char* name;
        Tone tone;
        std::size_t data_bytes;
        bool silent;
    } rows[] = {
        {"inaudible pitch", {25000, 10}, 882, true},
        {"negative length", {2000, -5}, 0, true},
        {"a note over a minute lasts a minute", {0, 90000}, 60 * 44100 * 2, true},
        {"nothing", {0, 0}, 0, true},
    };
    for (const auto& row : rows) {
        const std::string wave = platform::tune_wave_file({row.tone});
        EXPECT_EQ(wave.size() - header_size, row.data_bytes) << row.name;
        bool all_zero = true;
        for (std::size_t i = header_size; i < wave.size(); ++i) all_zero = all_zero && wave[i] == 0;
        EXPECT_EQ(all_zero, row.silent) << row.name;
    }
}

// This machine has no sound device: the tune is silent and the call comes
// back (a hang would fail the test by its time-out).
// The tune reaches the sound output: played into a private sound server's
// null sink, it is heard there.
TEST(PcmTones, TheTuneIsHeard) {
    if (!test::PrivatePulse::installed()) GTEST_SKIP() << "pulseaudio and parec are not installed";
    test::PrivatePulse pulse;
    ASSERT_EQ(pulse.failure(), "");
    ASSERT_TRUE(pulse.sound_comes(-1, 1)) << "the recorder delivers nothing";
    platform::PcmTones tones;
    std::thread player([&] { tones.play({{2000, 400}, {0, 100}, {3000, 400}}); });
    const bool heard = pulse.sound_comes(0.05, 5);
    player.join();
    EXPECT_TRUE(heard);
}

}  // namespace
