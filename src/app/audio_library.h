// The audio engine library the web radio needs: its presence check at start
// and the offer to download it when it is missing.
#pragma once

#include <string>

#include "core/state.h"
#include "music/engine.h"

namespace app {

// The engine library, looked for in the program's own folder only (a library
// loaded from a writable working folder would run anyone's code).
inline constexpr const char* audio_library_name = music::engine_library_name;
// A smaller file cannot be the library.
inline constexpr long audio_library_min_size = 1000;

std::string audio_library_path();

// Sets `Audio_Available`: 1 when the library is present; otherwise asks
// whether to download it, and downloads it over HTTPS when the user agrees.
void check_audio_library(core::State& s);

}  // namespace app
