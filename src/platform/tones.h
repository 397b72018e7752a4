// The tones seam: the beeper's tunes, generated and played through the audio
// output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One note of a tune: `frequency_hz` above 0 sounds, 0 is silence, for
// `duration_ms` milliseconds (>= 0).
struct Tone {
    int frequency_hz = 0;
    int duration_ms = 0;
    bool operator==(const Tone&) const = default;
};

class Tones {
public:
    virtual ~Tones() = default;
    // Plays `tune` note after note and returns when it has been played. With
    // no audio output nothing is heard and the call returns at once.
    virtual void play(const std::vector<Tone>& tune) = 0;
};

// Written as PCM to the sound server (PulseAudio, PipeWire through it), else
// to ALSA's default device; never blocks much longer than the tune lasts.
class PcmTones final : public Tones {
public:
    void play(const std::vector<Tone>& tune) override;
};

// Keeps every note instead of playing it.
class FakeTones final : public Tones {
public:
    std::vector<Tone> played;
    void play(const std::vector<Tone>& tune) override { played.insert(played.end(), tune.begin(), tune.end()); }
};

// The samples per second of generated tunes.
inline constexpr int tone_sample_rate = 44100;

// `tune` as 16-bit signed mono samples at tone_sample_rate, each sounding
// note a sine wave with its ends faded over a few milliseconds so that it
// does not click. Frequencies above 20000 Hz play as silence; a note lasts at
// most a minute.
std::vector<std::int16_t> tune_samples(const std::vector<Tone>& tune);

// `tune` as the bytes of a WAV file holding those samples.
std::string tune_wave_file(const std::vector<Tone>& tune);

}  // namespace platform
