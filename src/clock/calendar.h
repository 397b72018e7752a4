// The calendar window: this month, and the three scheduled events with their
// dates and texts, stored to group `Calendar` of the data file.
#pragma once

#include "core/state.h"
#include "rt/events.h"

namespace clocks {

// Opens the calendar centred on the screen (again from the stored events
// when it is open): today's month, and each event's date and text, or an
// empty date when the slot holds none.
void open_calendar(const core::State& s);

// Takes the three events from the window (an unticked date empties the
// slot's text too), closes it and writes them to the data file. A data file
// that cannot be opened is not written, without a word; the events in memory
// keep the new values.
void store_events_and_close(core::State& s);

// The clock bar's date area: stores and closes an open calendar, else opens it.
void toggle_calendar_keeping_edits(core::State& s);
// The clock bar's calendar button: closes an open calendar without storing
// its edits, else opens it.
void toggle_calendar_dropping_edits(core::State& s);

// Sees every event of the calendar window before the dispatch: a "Now"
// button puts the current time into its event's date.
void calendar_filter(core::State& s, const rt::Event& e);

// Writes the events in memory to group `Calendar`; false when the data file
// cannot be opened or written.
bool write_events(const core::State& s);

}  // namespace clocks
