// The splash window shown while the data file loads and the desk is built.
#pragma once

#include "core/state.h"

namespace app {

// Progress bar range of the splash window; the desk build advances it.
inline constexpr int splash_progress_max = 96;

void open_splash(const core::State& s);
// The desk build's progress on the splash: slot n of `count`, with its text.
void show_splash_progress(int n, int count);
void close_splash();

}  // namespace app
