// The music player: the files of `Play_List`, one at a time, through the
// platform's media player, with the clock bar's now-playing line, player
// buttons, volume slider and mute switch. The volume, mute and pause
// commands act on the web radio's stream too.
#pragma once

#include <string>

#include "core/state.h"

namespace music {

// The now-playing line's backgrounds (0xBBGGRR).
inline constexpr core::Colour paused_colour = 0xFFBF00;         // RGB(0, 191, 255)
inline constexpr core::Colour muted_colour = 0x00FFFF;          // RGB(255, 255, 0)
inline constexpr core::Colour radio_playing_colour = 0x00A5FF;  // RGB(255, 165, 0)
inline constexpr core::Colour radio_idle_colour = 0x09ECBE;     // RGB(190, 236, 9)

// The longest title the now-playing line shows whole, in characters.
inline constexpr int short_title_length = 15;
// How long starting a file holds the program, so that it is heard before anything else happens.
inline constexpr int start_pause_ms = 1000;

// Starts `path`, the file of the current entry: loads it (a file that does
// not load is skipped without a word), reads its tags when its extension is
// exactly "mp3", shows its title on the now-playing line, plays it at the
// slider's volume (silent while muted) and waits start_pause_ms.
void play_file(core::State& s, const std::string& path);

// Makes `path` the only entry of `Play_List` and plays it. An empty path asks
// for the file first; nothing happens when none is chosen.
void play_one_file(core::State& s, const std::string& path);

// Plays the first entry; nothing when the list is empty.
void play_from_start(core::State& s);

// Pauses the playing file, or resumes it when the player is paused, and
// silences the radio in either case.
void pause_or_resume(core::State& s);

// Closes the information strip, stops and frees the file, moves the list
// before its first entry and empties the now-playing line.
void stop_player(core::State& s);

// The clock bar's stop button: the player's stop, then the radio's.
void stop_button(core::State& s);

// Plays the next entry; on the last one, the first.
void next_file(core::State& s);

// Plays the entry before; on the first one, the first again.
void previous_file(core::State& s);

// Once a second: when the file has played to its end, plays the next entry,
// or the first one at the end of the list when the loop is on.
void end_of_track_step(core::State& s);

// Flips `Loop_PlayList` and says so in the loop button's tooltip.
void toggle_loop(core::State& s);

// Mutes the music and the radio, or gives them back their volume.
void toggle_mute(core::State& s);

// The clock bar's volume slider, or the radio window's, moved.
void volume_changed(core::State& s);

// `text` cut to short_title_length characters, with "..." when it was longer.
std::string short_title(const std::string& text);

}  // namespace music
