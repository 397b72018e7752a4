// A PulseAudio daemon of the test's own, with one null sink whose monitor is
// recorded, so that a test can measure what a player in this process sends to
// the sound output on a machine without any sound device. The daemon, its
// socket, cookie and state live in a temporary folder; the user's own sound
// server is never touched.
//
// Everything it starts ends when it is destroyed, also when the test fails;
// the daemon and the recorder are killed by the kernel if the test process
// itself dies.
#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace test {

class PrivatePulse {
public:
    // The null sink's name; its monitor is what gets recorded.
    static constexpr const char* sink_name = "vd_null";
    // Recorded as signed 16-bit mono at this rate.
    static constexpr int sample_rate = 22050;

    // Starts the daemon and the recorder, and points the PulseAudio clients
    // of this process (PULSE_SERVER, PULSE_COOKIE) at the daemon.
    PrivatePulse();
    // Ends the recorder and the daemon, puts the environment back and
    // removes the folder.
    ~PrivatePulse();
    PrivatePulse(const PrivatePulse&) = delete;
    PrivatePulse& operator=(const PrivatePulse&) = delete;

    // Whether the daemon and the recorder are installed at all.
    static bool installed();
    // Empty when everything runs; otherwise why not, with the daemon's log.
    const std::string& failure() const { return failure_; }

    // Root mean square of the next `seconds` of sound reaching the sink,
    // after `skip_seconds` of it, as a fraction of full scale (a sine at full
    // scale gives 0.707). Nothing when the recorder stopped delivering.
    std::optional<double> level(double skip_seconds, double seconds);
    // Whether a tenth of a second louder than `threshold` comes within the
    // next `max_seconds` of sound.
    bool sound_comes(double threshold, double max_seconds);

private:
    void start();
    void record();

    std::filesystem::path folder_;
    std::string server_;  // "unix:" + the socket
    std::string failure_;
    pid_t daemon_ = -1;
    pid_t recorder_ = -1;
    int recording_ = -1;  // read end of the recorder's output
    std::thread reader_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_environment_;

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::int16_t> samples_;
    bool ended_ = false;  // the recorder's output closed
};

}  // namespace test
