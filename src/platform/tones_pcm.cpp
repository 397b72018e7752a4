// Tunes generated as PCM and written to the sound server (PulseAudio, or
// PipeWire through it), else to ALSA's default device. Both libraries are
// opened on the first tune; neither is needed to start the program.
#include <alsa/asoundlib.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <future>
#include <memory>
#include <numbers>
#include <thread>

#include "platform/shared_library.h"
#include "platform/tones.h"

namespace platform {

namespace {

constexpr int max_frequency_hz = 20000;
constexpr int max_note_ms = 60000;
constexpr int fade_ms = 5;
// A beeper is loud but not harsh: 30 % of full scale.
constexpr double amplitude = 0.3 * 32767;
// How long past the tune's own length the output may take (connection, drain)
// before the program goes on without waiting for it.
constexpr auto grace = std::chrono::seconds(3);
// ALSA's buffer: half a second, in microseconds.
constexpr unsigned alsa_latency_us = 500000;

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

struct PulseSimple {
    decltype(&pa_simple_new) open;
    decltype(&pa_simple_write) write;
    decltype(&pa_simple_drain) drain;
    decltype(&pa_simple_free) close;
};

struct Alsa {
    decltype(&snd_pcm_open) open;
    decltype(&snd_pcm_set_params) set_params;
    decltype(&snd_pcm_writei) write;
    decltype(&snd_pcm_recover) recover;
    decltype(&snd_pcm_drain) drain;
    decltype(&snd_pcm_close) close;
};

const PulseSimple* pulse() {
    static const PulseSimple* const api = [] {
        static PulseSimple p;
        void* library = open_library({"libpulse-simple.so.0"});
        const bool complete = bind(library, "pa_simple_new", p.open) && bind(library, "pa_simple_write", p.write) &&
                              bind(library, "pa_simple_drain", p.drain) && bind(library, "pa_simple_free", p.close);
        return complete ? &p : nullptr;
    }();
    return api;
}

const Alsa* alsa() {
    static const Alsa* const api = [] {
        static Alsa a;
        void* library = open_library({"libasound.so.2"});
        const bool complete = bind(library, "snd_pcm_open", a.open) &&
                              bind(library, "snd_pcm_set_params", a.set_params) &&
                              bind(library, "snd_pcm_writei", a.write) && bind(library, "snd_pcm_recover", a.recover) &&
                              bind(library, "snd_pcm_drain", a.drain) && bind(library, "snd_pcm_close", a.close);
        return complete ? &a : nullptr;
    }();
    return api;
}

bool play_on_pulse(const std::vector<std::int16_t>& samples) {
    const PulseSimple* p = pulse();
    if (!p) return false;
    const pa_sample_spec spec{PA_SAMPLE_S16LE, std::uint32_t(tone_sample_rate), 1};
    int error = 0;
    pa_simple* stream = p->open(nullptr, "Vimo Duzi", PA_STREAM_PLAYBACK, nullptr, "alarm", &spec, nullptr, nullptr,
                                &error);
    if (!stream) return false;  // no sound server
    p->write(stream, samples.data(), samples.size() * sizeof samples[0], &error);
    p->drain(stream, &error);
    p->close(stream);
    return true;
}

void play_on_alsa(const std::vector<std::int16_t>& samples) {
    const Alsa* a = alsa();
    snd_pcm_t* pcm = nullptr;
    if (!a || a->open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) return;  // no device: silence
    if (a->set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, unsigned(tone_sample_rate), 1,
                      alsa_latency_us) == 0) {
        std::size_t done = 0;
        while (done < samples.size()) {
            snd_pcm_sframes_t n = a->write(pcm, samples.data() + done, samples.size() - done);
            if (n < 0) n = a->recover(pcm, int(n), 1);
            if (n < 0) break;
            done += std::size_t(n);
        }
        a->drain(pcm);
    }
    a->close(pcm);
}

}  // namespace

std::vector<std::int16_t> tune_samples(const std::vector<Tone>& tune) {
    std::int64_t total = 0;
    for (const Tone& t : tune) total += samples_of(t);
    std::vector<std::int16_t> out;
    out.reserve(std::size_t(total));
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
            out.push_back(std::int16_t(std::lround(v)));
        }
    }
    return out;
}

std::string tune_wave_file(const std::vector<Tone>& tune) {
    constexpr std::uint16_t channels = 1, bits = 16, block = channels * bits / 8;
    const std::vector<std::int16_t> samples = tune_samples(tune);
    const auto data_bytes = std::uint32_t(samples.size() * block);

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
    for (const std::int16_t s : samples) put_u16(out, std::uint16_t(s));
    return out;
}

void PcmTones::play(const std::vector<Tone>& tune) {
    auto samples = std::make_shared<const std::vector<std::int16_t>>(tune_samples(tune));
    if (samples->empty()) return;
    const auto length = std::chrono::milliseconds(std::int64_t(samples->size()) * 1000 / tone_sample_rate);
    // The output runs on a thread of its own, so that a sound server that
    // stops answering holds the program no longer than the tune and a grace.
    std::packaged_task<void()> task([samples] {
        if (!play_on_pulse(*samples)) play_on_alsa(*samples);
    });
    std::future<void> done = task.get_future();
    std::thread(std::move(task)).detach();
    done.wait_for(length + grace);
}

}  // namespace platform
