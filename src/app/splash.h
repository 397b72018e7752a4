// The splash window shown while the data file loads and the desk is built.
#pragma once

#include "app/state.h"

namespace app {

// Progress bar range of the splash window; the desk build advances it.
inline constexpr int splash_progress_max = 96;

void open_splash(const State& s);
void close_splash();

}  // namespace app
