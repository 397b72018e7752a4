// The ways the program ends.
#pragma once

#include "core/state.h"

namespace app {

// Thrown by end_program() once everything is released; the start-up catches
// it and returns its exit code from main.
struct ProgramEnd {
    int exit_code = 0;
};

// Releases what the process holds, the tray icon first, and ends the program.
[[noreturn]] void end_program(int exit_code = 0);

// Both save the open note first, as closing the notes window does, and stop
// the music and the radio.
// Saves all, waits 500 ms, ends the program (the Quit commands and the desk's close box).
[[noreturn]] void quit(core::State& s);

// Saves all, stops the music and the radio, ends the program (the desk
// window's close event).
[[noreturn]] void quit_by_closing_desk(core::State& s);

// While installed, a run-time fault shows a box titled "Error" with the
// fault's description and ends the program without saving.
void install_fatal_error_handler(const char* program_path);

// The box of the fatal-error handler, shown by a fresh process of the program
// started with `fault_switch` and the description.
inline constexpr const char* fault_switch = "--show-fault";
int show_fault(const char* description);

}  // namespace app
