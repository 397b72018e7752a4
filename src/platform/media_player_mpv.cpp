// Music files through libmpv. One mpv core is started at the first load and
// kept, idle between files. Every call is made on the program's thread and
// returns at once, except load, which waits (a bounded time) for mpv to say
// whether the file opened. mpv's events are taken, without waiting, whenever
// the player is used, the status asked once a second included; nothing is
// polled more often and no callback wakes the program.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/media_player.h"
#include "platform/mpv_library.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// How long a file system may take to say what a path is: a disk that is
// asleep may need longer, and the file is then refused until it is awake.
constexpr int probe_limit_ms = 2000;
// How long mpv may take to open a file that exists: it reads its header.
constexpr auto load_limit = std::chrono::seconds(5);
// Checks that may hang at once on a file system that stopped answering;
// beyond this number a new one is refused at once rather than leave another
// thread stuck.
constexpr int max_stuck_probes = 8;

constexpr int max_volume = 100;

struct Option {
    const char* name;
    const char* value;
    bool required;  // the player is not started without it
};

constexpr Option player_options[] = {
    {"audio-client-name", "Vimo Duzi", false},
    // mpv's volume is cubic; in 16-bit samples low settings would round to silence.
    {"audio-format", "float", true},
    {"volume-max", "100", true},
    {"vid", "no", true},
    {"sid", "no", true},
    {"audio-display", "no", true},  // no picture for the cover art
    {"config", "no", true},
    {"terminal", "no", true},
    {"input-default-bindings", "no", true},
    {"resume-playback", "no", true},
    // Alive between files, so that the next one needs no restart.
    {"idle", "yes", true},
    // A music file is one file: nothing beside it is looked for or opened
    // on its behalf, and a playlist in disguise may not point at other files.
    {"audio-file-auto", "no", true},
    {"sub-auto", "no", true},
    {"load-unsafe-playlists", "no", true},
    {"access-references", "no", true},
    {"load-scripts", "no", true},
    // Optional in libmpv builds; where they exist, none of them runs.
    {"cover-art-auto", "no", false},
    {"ytdl", "no", false},
    {"osc", "no", false},
    {"load-stats-overlay", "no", false},
    {"load-osd-console", "no", false},
    {"load-auto-profiles", "no", false},
};

bool regular_now(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat status {};
    const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    return regular;
}

struct Probe {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool regular = false;
};

std::atomic<int> g_probes_running{0};

// mpv scales the amplitude by the cube of volume / 100.
double mpv_volume(int volume) { return max_volume * std::cbrt(double(volume) / max_volume); }

}  // namespace

bool is_regular_file_within(const std::string& path, int limit_ms) {
    if (path.empty() || g_probes_running.load() >= max_stuck_probes) return false;
    auto probe = std::make_shared<Probe>();
    ++g_probes_running;
    try {
        std::thread([probe, path] {
            const bool regular = regular_now(path);
            {
                std::lock_guard lock(probe->mutex);
                probe->done = true;
                probe->regular = regular;
            }
            probe->answered.notify_all();
            --g_probes_running;
        }).detach();
    } catch (const std::system_error&) {  // no thread to be had
        --g_probes_running;
        return false;
    }
    std::unique_lock lock(probe->mutex);
    probe->answered.wait_for(lock, std::chrono::milliseconds(limit_ms), [&] { return probe->done; });
    return probe->done && probe->regular;
}

struct MpvMediaPlayer::Core {
    const MpvLibrary* api = nullptr;
    mpv_handle* mpv = nullptr;
    // Set by mpv's thread when it queues an event, so that the queue is only
    // looked at when it holds something (even an empty look makes the
    // program's thread wait on a lock of mpv's).
    std::atomic<bool> events_queued{false};
};

namespace {

void note_events(void* flag) { static_cast<std::atomic<bool>*>(flag)->store(true); }

// Ends `mpv` without a callback left pointing at memory about to be freed.
void end_core(const MpvLibrary* api, mpv_handle* mpv) {
    api->set_wakeup_callback(mpv, nullptr, nullptr);
    api->terminate_destroy(mpv);
}

}  // namespace

MpvMediaPlayer::MpvMediaPlayer(std::string audio_outputs) : audio_outputs_(std::move(audio_outputs)) {}

MpvMediaPlayer::~MpvMediaPlayer() {
    if (core_) end_core(core_->api, core_->mpv);
}

void MpvMediaPlayer::add_option(std::string name, std::string value) {
    extra_options_.emplace_back(std::move(name), std::move(value));
}

void MpvMediaPlayer::warm_up() {
    if (!core_) preload_mpv_library();
}

bool MpvMediaPlayer::start_core() {
    const MpvLibrary* api = mpv_library();
    if (!api) return false;
    mpv_handle* mpv = api->create();
    if (!mpv) return false;  // no memory, or a numeric locale other than "C"
    bool ready = api->set_option_string(mpv, "ao", audio_outputs_.c_str()) >= 0;
    for (const Option& option : player_options)
        if (api->set_option_string(mpv, option.name, option.value) < 0 && option.required) ready = false;
    for (const auto& [name, value] : extra_options_)
        if (api->set_option_string(mpv, name.c_str(), value.c_str()) < 0) ready = false;
    if (!ready || api->initialize(mpv) < 0) {
        api->terminate_destroy(mpv);
        return false;
    }
    core_ = std::make_unique<Core>();
    core_->api = api;
    core_->mpv = mpv;
    api->set_wakeup_callback(mpv, note_events, &core_->events_queued);
    set_volume(volume_);
    return true;
}

// Ends a core that stopped answering without waiting for it.
void MpvMediaPlayer::abandon_core() {
    if (!core_) return;
    core_->api->set_wakeup_callback(core_->mpv, nullptr, nullptr);
    std::thread([api = core_->api, mpv = core_->mpv] { api->terminate_destroy(mpv); }).detach();
    core_.reset();
    loaded_ = false;
}

void MpvMediaPlayer::take_events() {
    if (!core_ || !core_->events_queued.exchange(false)) return;
    while (core_) {
        const mpv_event* event = core_->api->wait_event(core_->mpv, 0);
        switch (event->event_id) {
        case MPV_EVENT_NONE: return;
        case MPV_EVENT_END_FILE: ended_ = true; break;
        case MPV_EVENT_SHUTDOWN: abandon_core(); return;
        default: break;
        }
    }
}

void MpvMediaPlayer::command(std::initializer_list<const char*> words) {
    if (!core_) return;
    std::vector<const char*> argv(words);
    argv.push_back(nullptr);
    core_->api->command(core_->mpv, argv.data());
}

void MpvMediaPlayer::set_pause(bool paused) {
    paused_ = paused;
    if (!core_) return;
    int flag = paused ? 1 : 0;
    core_->api->set_property(core_->mpv, "pause", MPV_FORMAT_FLAG, &flag);
}

bool MpvMediaPlayer::load(const std::string& path) {
    if (loaded_) free();
    take_events();
    // mpv opens the file again by its name: it must be one that cannot hold
    // the program. An absolute path is never read as a protocol or as "-".
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(path, error).string();
    if (error || !is_regular_file_within(absolute, probe_limit_ms)) return false;
    if (!core_ && !start_core()) return false;

    ended_ = false;
    set_pause(true);
    command({"loadfile", absolute.c_str(), "replace"});
    // Events of the file before come first; the file's own start follows,
    // then either its opening or its end (an error, or a playlist that
    // would play other files).
    bool started = false;
    const auto deadline = Clock::now() + load_limit;
    while (core_) {
        const double left = std::chrono::duration<double>(deadline - Clock::now()).count();
        if (left <= 0) {
            abandon_core();  // mpv is stuck on the file
            return false;
        }
        const mpv_event* event = core_->api->wait_event(core_->mpv, left);
        switch (event->event_id) {
        case MPV_EVENT_START_FILE: started = true; break;
        case MPV_EVENT_FILE_LOADED:
            if (started) {
                loaded_ = true;
                return true;
            }
            break;
        case MPV_EVENT_END_FILE:
            if (started) {
                command({"stop"});  // also forgets what a playlist queued
                return false;
            }
            break;
        case MPV_EVENT_SHUTDOWN: abandon_core(); return false;
        default: break;
        }
    }
    return false;
}

void MpvMediaPlayer::play() {
    if (loaded_) set_pause(false);
}

void MpvMediaPlayer::pause() {
    if (loaded_) set_pause(true);
}

void MpvMediaPlayer::resume() {
    if (loaded_) set_pause(false);
}

void MpvMediaPlayer::stop() {
    if (!loaded_ || ended_) return;
    command({"stop"});
    ended_ = true;
}

void MpvMediaPlayer::free() {
    stop();
    loaded_ = false;
}

void MpvMediaPlayer::set_volume(int volume) {
    volume_ = std::clamp(volume, 0, max_volume);
    if (!core_) return;
    double value = mpv_volume(volume_);
    core_->api->set_property(core_->mpv, "volume", MPV_FORMAT_DOUBLE, &value);
}

int MpvMediaPlayer::status() {
    take_events();
    if (!loaded_ || ended_) return media_stopped;
    // Only this player pauses its core: the switch is known without asking it.
    return paused_ ? media_paused : media_playing;
}

}  // namespace platform
