// How long the first sound of each kind takes to be heard, in a fresh process
// as at its first trigger: the first music file cold (libmpv not loaded yet)
// and warm (loaded while the file dialog was open, as the program does), the
// first alarm tone (the sound server's library opened then) and the first
// phrase of the talking clock (espeak-ng opened and its voice loaded then).
// Each start runs in a child process; the parent times it from the child's
// word "go" to the first sound on the null sink of a private PulseAudio
// daemon (20 ms steps, plus the recorder's latency), and the child reports
// how long the call held it (a tune and a phrase hold it until they end).
//
//   build/bench/vd_first_sound [--runs N] [--lead MS]
//
// 5 of each by default, interleaved. With --lead, a fifth kind: the music
// file played MS milliseconds after libmpv began loading, as when Ctrl goes
// down on the desk that long before the digit of Ctrl+1 to Ctrl+5.
//
// Needs pulseaudio, parec and lame.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/media_player.h"
#include "platform/mpv_library.h"
#include "platform/speech.h"
#include "platform/tones.h"
#include "support/private_pulse.h"
#include "support/sound_files.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr double heard = 0.02;
constexpr double probe_seconds = 0.02;
constexpr double give_up_seconds = 10;

// Says "go", runs `trigger`, reports how long it held the caller.
template <typename Trigger>
int timed_child(Trigger trigger) {
    std::printf("go\n");
    std::fflush(stdout);
    const auto start = Clock::now();
    const bool done = trigger();
    std::printf("%s %.1f\n", done ? "call" : "failed", Milliseconds(Clock::now() - start).count());
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(30));  // the parent ends it
    return 0;
}

// The child: waits as the user does in the dialog (warm: libmpv loads
// meanwhile), says "go", loads and plays, reports the time that took. The
// tone and the phrase are the alarm's first note and the talking clock's hour.
int child(const std::string& mode, const std::string& file) {
    if (mode == "tone") {
        platform::PcmTones tones;
        return timed_child([&] {
            tones.play({{880, 300}});
            return true;
        });
    }
    if (mode == "phrase") {
        platform::EspeakSpeech speech;
        return timed_child([&] {
            speech.speak("Il est quinze heures", "fr", 0, 100);
            return true;
        });
    }
    if (mode != "cold") {
        platform::preload_mpv_library();
        // The dialog is open (warm), or the rest of a shortcut is being typed ("lead" + ms).
        const int lead_ms = mode == "warm" ? 1000 : std::atoi(mode.c_str() + std::strlen("lead"));
        std::this_thread::sleep_for(std::chrono::milliseconds(lead_ms));
    }
    platform::MpvMediaPlayer player("pulse");
    return timed_child([&] {
        const bool loaded = player.load(file);
        player.play();
        return loaded;
    });
}

struct Start {
    double heard_ms = -1;  // -1: not heard
    double call_ms = -1;
};

Start measure(test::PrivatePulse& pulse, const char* self, const std::string& mode, const std::string& file) {
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(self, self, "--child", mode.c_str(), file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    FILE* from_child = fdopen(out[0], "r");
    char line[128] = {};
    Start result;
    if (std::fgets(line, sizeof line, from_child) && std::strncmp(line, "go", 2) == 0) {
        const auto go = Clock::now();
        for (double waited = 0; waited < give_up_seconds; waited += probe_seconds) {
            const auto level = pulse.level(0, probe_seconds);
            if (!level) break;
            if (*level > heard) {
                result.heard_ms = Milliseconds(Clock::now() - go).count();
                break;
            }
        }
        char word[16] = {};
        double ms = -1;
        if (std::fgets(line, sizeof line, from_child) && std::sscanf(line, "%15s %lf", word, &ms) == 2 &&
            std::strcmp(word, "call") == 0)
            result.call_ms = ms;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::fclose(from_child);
    pulse.level(0.5, 0.1);  // the sink quiet again
    return result;
}

double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) return child(argv[2], argv[3]);
    int runs = 5;
    std::string lead;  // "lead" + milliseconds: the child's mode
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--lead") == 0) lead = "lead" + std::to_string(std::max(0, std::atoi(argv[i + 1])));
    }

    test::PrivatePulse pulse;
    if (!pulse.failure().empty()) {
        std::fprintf(stderr, "%s\n", pulse.failure().c_str());
        return 1;
    }
    const std::string folder = std::filesystem::temp_directory_path() / ("vd-first-sound-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/tone.mp3";
    if (!test::write_tone_mp3(file, 10)) {
        std::fprintf(stderr, "lame failed\n");
        return 1;
    }
    std::vector<std::string> modes = {"cold", "warm", "tone", "phrase"};
    if (!lead.empty()) modes.push_back(lead);
    const std::size_t mode_count = modes.size();
    std::vector<std::vector<double>> heard_ms(mode_count), call_ms(mode_count);
    for (int run = 0; run < runs; ++run) {
        for (std::size_t m = 0; m < mode_count; ++m) {
            const Start s = measure(pulse, argv[0], modes[m], file);
            std::printf("%s: heard after %.0f ms, the call held it %.1f ms\n", modes[m].c_str(), s.heard_ms, s.call_ms);
            if (s.heard_ms >= 0) heard_ms[m].push_back(s.heard_ms);
            if (s.call_ms >= 0) call_ms[m].push_back(s.call_ms);
        }
    }
    for (std::size_t m = 0; m < mode_count; ++m)
        std::printf("median %s: heard after %.0f ms, the call held the caller %.1f ms (%zu runs)\n", modes[m].c_str(),
                    median(heard_ms[m]), median(call_ms[m]), heard_ms[m].size());
    std::filesystem::remove_all(folder);
    return 0;
}
