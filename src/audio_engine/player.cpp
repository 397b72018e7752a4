// The libmpv side of the engine. Every call here hands mpv a command and
// returns: opening, buffering and playing happen on mpv's threads, and mpv
// cancels a pending connection when the stream is stopped or the player ends.
#include "player.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

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
    // A live stream needs a little read-ahead and never seeks back.
    {"cache-secs", "10", true},
    {"demuxer-max-bytes", "1MiB", true},
    {"demuxer-max-back-bytes", "0", true},
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

// Empties the player's event queue, which a long stream would otherwise fill.
// A dropped station shows here as MPV_EVENT_END_FILE.
void drain_events(Player* player) {
    while (!player->closing)
        if (mpv_wait_event(player->mpv, -1)->event_id == MPV_EVENT_SHUTDOWN) return;
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
    player.events = std::thread(drain_events, &player);
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
    const char* command[] = {"stop", nullptr};
    return player.started && mpv_command(player.mpv, command) >= 0;
}

}  // namespace audio_engine
