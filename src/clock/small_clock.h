// The small clock: an always-on-top strip with the time that stands in for
// the desk, and the clock bar's click zones that open it and the calendar.
#pragma once

#include "core/state.h"
#include "rt/events.h"

namespace clocks {

// A left click on the desk's clock bar at client `y` (pixels): below 50 (the
// time) the small clock opens; strictly between 50 and 90 (the date) the
// calendar opens, or is stored and closed; at 50 exactly, or outside the
// window (-1), nothing.
void clock_bar_click(core::State& s, int y);

// Hides the desk and opens the small clock where the desk's clock bar was:
// `ClockBar_X` = desk x, `ClockBar_Y` = desk y + 36.
void open_small_clock(core::State& s);
// A left click on the small clock: closes it and shows the desk again.
void close_small_clock();
// A right click on the small clock: says how to close it.
void explain_small_clock();
// Mouse events of the grip: pressing, moving and releasing drag the small clock.
void small_clock_grip(core::State& s, const rt::Event& e);

}  // namespace clocks
