// One libmpv player behind an engine instance: the options it runs with, the
// stream addresses it accepts, and play, volume and stop on its one channel.
// Nothing here knows about handles; the exported functions look those up.
#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

struct mpv_handle;

namespace audio_engine {

// Longest stream address accepted, in bytes.
inline constexpr std::size_t max_address_bytes = 8192;
// Longest title kept of what a station says it plays, in bytes.
inline constexpr std::size_t max_title_bytes = 1024;
// A station that drops is asked again this many times in a row, this long
// after it dropped, before the engine falls silent. Hearing it again starts
// the count afresh.
inline constexpr int max_reconnects = 3;
inline constexpr int reconnect_delay_ms = 1000;

// What the player's event thread and the callers share.
struct Shared {
    std::mutex mutex;
    std::string playing;      // the network address asked for; "" when stopped or a file
    unsigned generation = 0;  // counts plays and stops, so a late reconnect never restarts another stream
    int reconnects_left = 0;
    std::string title;  // the station's title of what it plays now; "" when it gives none
};

struct Player {
    mpv_handle* mpv = nullptr;  // null until create_player succeeded
    bool started = false;       // start_player succeeded: the player takes commands
    float volume = 1.0f;        // the channel's loudness, 0.0-1.0, kept across plays
    std::thread events;         // handles the player's events while it is started
    std::atomic<bool> closing{false};
    Shared shared;
};

// Creates the player with its options, not yet started. False (and `player`
// left empty) when libmpv refuses, as it does unless LC_NUMERIC is "C".
[[nodiscard]] bool create_player(Player& player);

// Starts a created player. False when it cannot start or already runs.
[[nodiscard]] bool start_player(Player& player);

// Stops and frees the player, whatever its state; returns without waiting
// for a station that does not answer.
void destroy_player(Player& player);

// The form of `address` the player is given, or "" when it is not one the
// engine opens: an http or https address as it stands, or the absolute path
// of a regular file.
[[nodiscard]] std::string stream_target(std::string_view address);

// Starts `target` (from stream_target) on a started player in place of what
// played, at the kept volume, paused or not; connecting happens afterwards.
[[nodiscard]] bool play(Player& player, const std::string& target, bool paused);

// Keeps `loudness` (clamped to 0.0-1.0, NaN as 0.0) and applies it when the
// player runs.
[[nodiscard]] bool set_volume(Player& player, float loudness);

// Ends the playing stream and its connection; the player stays started.
[[nodiscard]] bool stop(Player& player);

// The title the station gives what it plays now (its ICY StreamTitle), as
// the station sent it; "" when it gives none or nothing plays.
std::string stream_title(Player& player);

}  // namespace audio_engine
