// The libmpv side of the engine. Every call here hands mpv a command and
// returns: opening, buffering and playing happen on mpv's threads, and mpv
// cancels a pending connection when the stream is stopped or the player ends.
#include "player.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <optional>

#include <mpv/client.h>

namespace audio_engine {

namespace {

struct Option {
    const char* name;
    const char* value;
    bool required;  // the player is not created without it
};

constexpr Option player_options[] = {
    // Without any sound device the stream plays to silence instead of failing.
    {"ao", "pulse,alsa,null", true},
    {"audio-client-name", "Vimo Duzi", false},
    // mpv's volume is cubic; in 16-bit samples low settings would round to silence.
    {"audio-format", "float", true},
    {"volume-max", "100", true},
    {"vid", "no", true},
    {"config", "no", true},
    {"terminal", "no", true},
    {"input-default-bindings", "no", true},
    // Alive between streams, so that stop and a new play need no restart.
    {"idle", "yes", true},
    // Seconds before a station that stops sending is given up.
    {"network-timeout", "10", true},
    // A live stream needs a little read-ahead and never seeks back; the small
    // back buffer is what carries a station's titles to the moment they play.
    {"cache-secs", "10", true},
    {"demuxer-max-bytes", "1MiB", true},
    {"demuxer-max-back-bytes", "64KiB", true},
    // A playlist that a station answers with may not point at local files.
    {"load-unsafe-playlists", "no", true},
    {"load-scripts", "no", true},
    // Scripting is optional in libmpv builds; where it exists, none of it runs
    // (the video-site helper would start a program for every address).
    {"ytdl", "no", false},
    {"osc", "no", false},
    {"load-stats-overlay", "no", false},
    {"load-osd-console", "no", false},
    {"load-auto-profiles", "no", false},
};

float clamped_loudness(float loudness) {
    if (!(loudness > 0.0f))  // NaN too
        return 0.0f;
    return loudness > 1.0f ? 1.0f : loudness;
}

// mpv scales the amplitude by the cube of volume / 100.
double mpv_volume(float loudness) { return 100.0 * std::cbrt(double(clamped_loudness(loudness))); }

bool has_scheme(std::string_view address, std::string_view scheme) {
    if (address.size() < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        const char c = address[i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != scheme[i]) return false;
    }
    return true;
}

bool is_regular_file(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat status {};
    const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    close(fd);
    return regular;
}

using SteadyClock = std::chrono::steady_clock;

constexpr const char* title_property = "metadata/by-key/icy-title";

bool is_network(std::string_view target) { return has_scheme(target, "http://") || has_scheme(target, "https://"); }

void keep_title(Shared& shared, const mpv_event_property& property) {
    std::string title;
    if (property.format == MPV_FORMAT_STRING && property.data) {
        const char* text = *static_cast<char**>(property.data);
        title.assign(text, strnlen(text, max_title_bytes));
    }
    std::lock_guard lock(shared.mutex);
    shared.title = std::move(title);
}

// A network stream that ended by itself (the station hung up, or the
// connection broke) is asked for again, while reconnections are left: the
// generation it belongs to, or nothing.
std::optional<unsigned> reconnection_after(Shared& shared, const mpv_event_end_file& end) {
    if (end.reason != MPV_END_FILE_REASON_EOF && end.reason != MPV_END_FILE_REASON_ERROR) return std::nullopt;
    std::lock_guard lock(shared.mutex);
    if (shared.playing.empty() || shared.reconnects_left <= 0) {
        shared.title.clear();
        return std::nullopt;
    }
    --shared.reconnects_left;
    return shared.generation;
}

void reconnect(Player& player, unsigned generation) {
    std::string target;
    {
        std::lock_guard lock(player.shared.mutex);
        if (player.shared.generation != generation || player.shared.playing.empty()) return;
        target = player.shared.playing;
    }
    const char* command[] = {"loadfile", target.c_str(), "replace", nullptr};
    mpv_command_async(player.mpv, 0, command);
}

// Handles the player's events until it shuts down: the station's titles,
// reconnections, and emptying the queue, which a long stream would otherwise
// fill. A dropped station shows here as MPV_EVENT_END_FILE.
void handle_events(Player* player) {
    mpv_observe_property(player->mpv, 0, title_property, MPV_FORMAT_STRING);
    bool pending = false;  // a reconnection waits for its time
    unsigned pending_generation = 0;
    SteadyClock::time_point reconnect_at;
    while (!player->closing) {
        double timeout = -1;
        if (pending) timeout = std::max(0.0, std::chrono::duration<double>(reconnect_at - SteadyClock::now()).count());
        const mpv_event* event = mpv_wait_event(player->mpv, timeout);
        switch (event->event_id) {
        case MPV_EVENT_SHUTDOWN: return;
        case MPV_EVENT_NONE:
            if (pending && SteadyClock::now() >= reconnect_at) {
                reconnect(*player, pending_generation);
                pending = false;
            }
            break;
        case MPV_EVENT_PROPERTY_CHANGE:
            keep_title(player->shared, *static_cast<const mpv_event_property*>(event->data));
            break;
        case MPV_EVENT_PLAYBACK_RESTART: {
            std::lock_guard lock(player->shared.mutex);
            player->shared.reconnects_left = max_reconnects;
            break;
        }
        case MPV_EVENT_END_FILE:
            if (auto generation = reconnection_after(player->shared, *static_cast<mpv_event_end_file*>(event->data))) {
                pending = true;
                pending_generation = *generation;
                reconnect_at = SteadyClock::now() + std::chrono::milliseconds(reconnect_delay_ms);
            }
            break;
        default: break;
        }
    }
}

}  // namespace

bool create_player(Player& player) {
    mpv_handle* mpv = mpv_create();
    if (!mpv) return false;
    for (const Option& option : player_options) {
        if (mpv_set_option_string(mpv, option.name, option.value) < 0 && option.required) {
            mpv_terminate_destroy(mpv);
            return false;
        }
    }
    player.mpv = mpv;
    return true;
}

bool start_player(Player& player) {
    if (!player.mpv || player.started || mpv_initialize(player.mpv) < 0) return false;
    player.events = std::thread(handle_events, &player);
    player.started = true;
    return true;
}

void destroy_player(Player& player) {
    if (!player.mpv) return;
    if (player.events.joinable()) {
        player.closing = true;
        mpv_wakeup(player.mpv);
        player.events.join();
    }
    mpv_terminate_destroy(player.mpv);
    player.mpv = nullptr;
    player.started = false;
}

std::string stream_target(std::string_view address) {
    if (address.empty() || address.size() > max_address_bytes) return {};
    for (const char c : address)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)  // would end up in a request line
            return {};
    if (has_scheme(address, "http://") || has_scheme(address, "https://")) return std::string(address);
    if (address.find("://") != std::string_view::npos) return {};
    // A path: a FIFO or a device would stall the player, and an absolute
    // path is never taken for one of mpv's own protocols or for "-".
    const std::string path(address);
    if (!is_regular_file(path)) return {};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? std::string() : absolute.string();
}

bool play(Player& player, const std::string& target, bool paused) {
    if (!player.started || target.empty()) return false;
    {
        std::lock_guard lock(player.shared.mutex);
        player.shared.playing = is_network(target) ? target : std::string();
        ++player.shared.generation;
        player.shared.reconnects_left = max_reconnects;
        player.shared.title.clear();
    }
    int pause = paused ? 1 : 0;
    double volume = mpv_volume(player.volume);
    const char* command[] = {"loadfile", target.c_str(), "replace", nullptr};
    return mpv_set_property(player.mpv, "pause", MPV_FORMAT_FLAG, &pause) >= 0 &&
           mpv_set_property(player.mpv, "volume", MPV_FORMAT_DOUBLE, &volume) >= 0 &&
           mpv_command(player.mpv, command) >= 0;
}

bool set_volume(Player& player, float loudness) {
    player.volume = clamped_loudness(loudness);
    if (!player.started) return true;
    double volume = mpv_volume(player.volume);
    return mpv_set_property(player.mpv, "volume", MPV_FORMAT_DOUBLE, &volume) >= 0;
}

bool stop(Player& player) {
    {
        std::lock_guard lock(player.shared.mutex);
        player.shared.playing.clear();
        ++player.shared.generation;
        player.shared.title.clear();
    }
    const char* command[] = {"stop", nullptr};
    return player.started && mpv_command(player.mpv, command) >= 0;
}

std::string stream_title(Player& player) {
    std::lock_guard lock(player.shared.mutex);
    return player.shared.title;
}

}  // namespace audio_engine
