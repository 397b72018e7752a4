// The music subsystem's run-time state that has no name of its own in the
// global state: the playlist's type, the radio engine's entry points once
// bound, and what the now-playing line and the information strip remember.
// Held in memory only (a member of the global state, so a fresh state starts
// it afresh).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The radio engine's opaque handles, as the engine library declares them.
struct FMOD_SYSTEM;
struct FMOD_SOUND;
struct FMOD_CHANNEL;

namespace music {

// The current playlist: file paths in play order and the current position.
struct PlayList {
    std::vector<std::string> paths;
    int current = -1;  // index of the current entry; -1 before the first entry
};

// A station of the web radio: its name (the key in group Radio) and its
// stream address (the key's value). List 44 shows it as the name, the
// station separator and the address.
struct Station {
    std::string name;
    std::string address;
};

// The engine library's entry points, each null until bound (or when the
// library does not export it).
struct EngineEntries {
    int (*system_create)(FMOD_SYSTEM** system) = nullptr;
    int (*system_init)(FMOD_SYSTEM* system, int max_channels, unsigned flags, void* extra_driver_data) = nullptr;
    int (*system_create_stream)(FMOD_SYSTEM* system, const char* name_or_address, unsigned mode, void* extra_info,
                                FMOD_SOUND** sound) = nullptr;
    int (*system_play_sound)(FMOD_SYSTEM* system, int channel_index, FMOD_SOUND* sound, int paused,
                             FMOD_CHANNEL** channel) = nullptr;
    int (*channel_set_volume)(FMOD_CHANNEL* channel, float volume) = nullptr;
    int (*channel_stop)(FMOD_CHANNEL* channel) = nullptr;
    int (*system_release)(FMOD_SYSTEM* system) = nullptr;
    // Beyond the seven: the title the station gives what it plays now.
    int (*channel_get_title)(FMOD_CHANNEL* channel, char* title, int size) = nullptr;
};

struct MusicRun {
    // The engine library was looked for (once per run, at the first radio command).
    bool engine_bind_tried = false;
    EngineEntries engine;

    // What the playing station says it plays now, as the now-playing line's
    // tooltip shows it; "" when it says nothing or no station plays.
    std::string station_title;

    // The now-playing line's background as Pause and as Mute found it (0xBBGGRR).
    std::uint32_t paused_background = 0;
    std::uint32_t muted_background = 0;

    // Where the information strip was when the left button went down on it: a
    // press that ends somewhere else was a drag, not a click.
    int strip_press_x = 0, strip_press_y = 0;

};

}  // namespace music
