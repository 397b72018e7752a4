// What the player or the radio plays, as the desktop's media controls show it
// (platform/desktop_bus.h): read from the player, the tags and the radio.
#pragma once

#include "core/state.h"
#include "platform/desktop_bus.h"

namespace music {

// The radio's stream is playing (from its start to the radio's stop).
bool radio_plays(const core::State& s);

// The radio while it plays: what the station announces as the title and the
// station (the now-playing line's text) as the album, or the station as the
// title when it announces nothing; playing. Otherwise the player: the loaded file
// with its tags (title, else the shown title; artist; album; the track
// number's leading digits), playing, paused or stopped as the player says.
// The volume is the slider's (0 while muted).
platform::NowPlaying now_playing(const core::State& s);

}  // namespace music
