// One running instance per data file: a second start on the same data file
// brings the running desk to the front and ends at once with exit code 0.
#pragma once

#include "core/state.h"

namespace app {

// True when another instance runs on the data file this start would use (it
// has been asked to show its desk): this start must end. Otherwise this
// process is now that file's instance. Needs the platform services only.
bool another_instance_runs(core::State& s);

// From now on, each later start's request shows the desk (when hidden) and
// brings it to the front.
void listen_for_later_starts(core::State& s);

// Shows the desk when it is hidden, and brings it to the front with the keyboard.
void bring_desk_to_front(core::State& s);

}  // namespace app
