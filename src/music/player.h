// The music player.
#pragma once

#include <string>

#include "core/state.h"

namespace music {

// Plays the music file at `path` at once, in place of what is playing.
void play_one_file(core::State& s, const std::string& path);

}  // namespace music
