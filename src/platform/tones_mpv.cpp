// Tunes generated as PCM and played through libmpv. The WAV bytes live in an
// anonymous memory file, so nothing is left on disk whatever happens.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>

#include <mpv/client.h>

#include "platform/files.h"
#include "platform/tones.h"

namespace platform {

namespace {

constexpr int max_frequency_hz = 20000;
constexpr int max_note_ms = 60000;
constexpr int fade_ms = 5;
// A beeper is loud but not harsh: 30 % of full scale.
constexpr double amplitude = 0.3 * 32767;
// How long past the tune's own length the player may take (start-up, drain).
constexpr double grace_seconds = 3.0;

void put_u16(std::string& out, std::uint16_t v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char(v >> 8 & 0xFF));
}

void put_u32(std::string& out, std::uint32_t v) {
    put_u16(out, std::uint16_t(v & 0xFFFF));
    put_u16(out, std::uint16_t(v >> 16));
}

std::int64_t samples_of(const Tone& t) {
    return std::int64_t(std::clamp(t.duration_ms, 0, max_note_ms)) * tone_sample_rate / 1000;
}

// An owned file descriptor.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

}  // namespace

std::string tune_wave_file(const std::vector<Tone>& tune) {
    constexpr std::uint16_t channels = 1, bits = 16, block = channels * bits / 8;
    std::int64_t total = 0;
    for (const Tone& t : tune) total += samples_of(t);
    const auto data_bytes = std::uint32_t(total * block);

    std::string out;
    out.reserve(44 + data_bytes);
    out += "RIFF";
    put_u32(out, 36 + data_bytes);
    out += "WAVEfmt ";
    put_u32(out, 16);  // size of the format chunk
    put_u16(out, 1);   // PCM
    put_u16(out, channels);
    put_u32(out, tone_sample_rate);
    put_u32(out, tone_sample_rate * block);  // bytes per second
    put_u16(out, block);
    put_u16(out, bits);
    out += "data";
    put_u32(out, data_bytes);

    const std::int64_t fade = std::int64_t(fade_ms) * tone_sample_rate / 1000;
    for (const Tone& t : tune) {
        const std::int64_t n = samples_of(t);
        const bool sounds = t.frequency_hz > 0 && t.frequency_hz <= max_frequency_hz;
        for (std::int64_t i = 0; i < n; ++i) {
            double v = 0;
            if (sounds) {
                const double edge = double(std::min({fade, i, n - 1 - i}));
                const double gain = fade > 0 ? std::min(1.0, edge / double(fade)) : 1.0;
                v = amplitude * gain * std::sin(2 * std::numbers::pi * t.frequency_hz * double(i) / tone_sample_rate);
            }
            put_u16(out, std::uint16_t(std::int16_t(std::lround(v))));
        }
    }
    return out;
}

void MpvTones::play(const std::vector<Tone>& tune) {
    double seconds = 0;
    for (const Tone& t : tune) seconds += double(samples_of(t)) / tone_sample_rate;
    if (seconds <= 0) return;

    Descriptor file{memfd_create("vimo-duzi-tune", MFD_CLOEXEC)};
    if (file.fd < 0 || !write_all(file.fd, tune_wave_file(tune))) return;
    const std::string path = "/proc/self/fd/" + std::to_string(file.fd);

    // Null when the numeric locale is not "C" (the runtime layer sets it): silence then.
    mpv_handle* player = mpv_create();
    if (!player) return;
    // No "null" output: without a device the file ends at once instead of playing silence.
    for (auto [name, value] : {std::pair{"ao", "pulse,alsa"},
                               {"vid", "no"},
                               {"ytdl", "no"},
                               {"config", "no"},
                               {"terminal", "no"},
                               {"audio-display", "no"},
                               {"idle", "no"}})
        mpv_set_option_string(player, name, value);
    if (mpv_initialize(player) < 0) {
        mpv_terminate_destroy(player);
        return;
    }
    const char* command[] = {"loadfile", path.c_str(), nullptr};
    if (mpv_command(player, command) >= 0) {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds + grace_seconds);
        for (;;) {
            const double left = std::chrono::duration<double>(deadline - Clock::now()).count();
            if (left <= 0) break;
            const mpv_event* e = mpv_wait_event(player, left);
            if (e->event_id == MPV_EVENT_END_FILE || e->event_id == MPV_EVENT_SHUTDOWN) break;
        }
    }
    mpv_terminate_destroy(player);
}

}  // namespace platform
