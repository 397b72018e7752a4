// Texts the music player and the web radio show the user, French and English side by side.
#pragma once

#include <string_view>

#include "core/text.h"

namespace music::texts {

using core::Text;

// The web radio without its audio engine library.
inline constexpr Text missing_engine_title{"Erreur", "Error"};
inline constexpr Text missing_engine{"La DLL fmodex(64).dll n'est pas présente dans le répertoire",
                                     "Needed DLL fmodex(64).dll not found in directory"};

}  // namespace music::texts
