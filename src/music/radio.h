// The web radio.
#pragma once

#include "core/state.h"

namespace music {

// The clock bar's web radio button. Without the audio engine library it says
// the library is missing.
void web_radio_button(core::State& s);

}  // namespace music
