// The program's start and end.
#pragma once

#include "core/state.h"

namespace app {

// The program's name on the desktop: window class, application id, menu entry
// (vimo-duzi.desktop) and icon name.
inline constexpr const char* application_id = "vimo-duzi";

// The start-up sequence, from the identity texts to the desk shown. Throws
// ProgramEnd (app/end.h) when the program ends during it.
void start_up(core::State& s, int argc, char** argv);

// Runs the start-up sequence with the installed platform services; returns
// the process's exit code when the program ends.
int start(int argc, char** argv);

}  // namespace app
