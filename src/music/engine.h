// The web radio's audio engine: a library beside the program, bound by name
// at the first radio command, and the engine operations the radio and the
// player call. Every call is made only when its entry point was resolved and
// the handles it takes are there; the engine's results are not looked at.
#pragma once

#include <cstddef>
#include <string>

#include "core/state.h"

namespace music {

// The engine library's file, looked for in the program's own folder only (a
// library loaded from a writable working folder would run anyone's code).
inline constexpr const char* engine_library_name = "libvimo_audio.so";

// The engine's channel count, channel index and stream mode as the radio passes them.
inline constexpr int engine_channels = 32;
inline constexpr int engine_channel_index = 1;
inline constexpr unsigned engine_stream_mode = 128;  // open a network or file stream

// Loads the library and resolves its entry points, the first time only:
// `Audio_Library` is its handle, or null when it does not load (then nothing
// is resolved); a name it does not export leaves that entry point null.
void bind_audio_engine(core::State& s);

// Whether the radio may play: the library was there at start
// (`Audio_Available`) and loads, bound now if it was not yet.
bool radio_engine_usable(core::State& s);

// Plays `address` (UTF-8) as the one stream at `volume` (0.0-1.0): a running
// engine instance is stopped and released first, then a new one is created,
// initialised, given the stream and played.
void start_radio_stream(core::State& s, const std::string& address, float volume);

// Stops the channel and releases the engine instance; the handles become null.
void stop_radio_stream(core::State& s);

// Longest station title read, in bytes.
inline constexpr std::size_t max_station_title_bytes = 1024;

// What the playing station says it plays now, as UTF-8 text on one line; ""
// when it says nothing, no station plays, or the library cannot tell.
std::string radio_stream_title(const core::State& s);

// The stream's loudness, 0.0-1.0; nothing when no stream ever played.
void set_radio_volume(core::State& s, float volume);

}  // namespace music
