// The countdown settings window: hours, minutes, seconds and a message, with
// "Reset", "Définir" and "Démarrer".
#pragma once

#include "core/state.h"

namespace clocks {

// Button 10: opens the window centred on the screen (replacing one already
// open), the fields at 0 and the message as last set.
void open_countdown_window(const core::State& s);
// "Reset": the countdown display reads "00:00:00", the fields 0 and the message empty.
void reset_countdown_fields();
// "Définir": sets the duration without starting it, then closes the window.
void define_countdown(core::State& s);
// "Démarrer": sets the duration and starts it when it is valid, then closes the window.
void start_countdown_from_window(core::State& s);

}  // namespace clocks
