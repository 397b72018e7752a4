// How long the first music file takes to be heard, in a fresh process as at
// the program's first Play, cold (libmpv not loaded yet) and warm (loaded
// while the file dialog was open, as the program does). Each start runs in a
// child process; the parent times it from the child's word "go" to the first
// sound on the null sink of a private PulseAudio daemon (20 ms steps, plus
// the recorder's latency), and the child reports how long load + play held it.
//
//   build/bench/vd_first_sound [--runs N]      (5 of each by default, interleaved)
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
#include "support/private_pulse.h"
#include "support/sound_files.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr double heard = 0.02;
constexpr double probe_seconds = 0.02;
constexpr double give_up_seconds = 10;

// The child: waits as the user does in the dialog (warm: libmpv loads
// meanwhile), says "go", loads and plays, reports the time that took.
int child(const std::string& mode, const std::string& file) {
    if (mode == "warm") {
        platform::preload_mpv_library();
        std::this_thread::sleep_for(std::chrono::seconds(1));  // the dialog is open
    }
    platform::MpvMediaPlayer player("pulse");
    std::printf("go\n");
    std::fflush(stdout);
    const auto start = Clock::now();
    const bool loaded = player.load(file);
    player.play();
    std::printf("%s %.1f\n", loaded ? "call" : "failed", Milliseconds(Clock::now() - start).count());
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(30));  // the parent ends it
    return 0;
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
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0) runs = std::max(1, std::atoi(argv[2]));

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
    std::vector<double> heard_ms[2], call_ms[2];
    const char* modes[2] = {"cold", "warm"};
    for (int run = 0; run < runs; ++run) {
        for (int m = 0; m < 2; ++m) {
            const Start s = measure(pulse, argv[0], modes[m], file);
            std::printf("%s: heard after %.0f ms, load + play %.1f ms\n", modes[m], s.heard_ms, s.call_ms);
            if (s.heard_ms >= 0) heard_ms[m].push_back(s.heard_ms);
            if (s.call_ms >= 0) call_ms[m].push_back(s.call_ms);
        }
    }
    for (int m = 0; m < 2; ++m)
        std::printf("median %s: heard after %.0f ms, load + play held the caller %.1f ms (%zu runs)\n", modes[m],
                    median(heard_ms[m]), median(call_ms[m]), heard_ms[m].size());
    std::filesystem::remove_all(folder);
    return 0;
}
