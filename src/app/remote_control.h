// The desktop's media controls (panels, media keys, phones, playerctl) over
// the session bus: they drive the player and the radio as the clock bar's
// buttons do, and see what plays. Without a session bus nothing changes.
#pragma once

#include "core/state.h"

namespace app {

// Publishes the player on the desktop bus. Each request becomes a menu item
// (core::ItemRemote...) queued like a click, so it runs from the event loop
// in order with the user's own clicks, never inside a dialog; a volume set
// from outside moves slider 21 (and the radio window's) and queues its change.
void publish_player(core::State& s);

// Tells the desktop what plays now, when it changed; after every event.
void show_playing(const core::State& s);

// The requests, each by the command of the button of the same meaning:
// Play resumes a paused file (the Pause button) or plays the list from its
// start (the Play button), and does nothing while something plays.
void remote_play(core::State& s);
// Pause stops the radio when it plays (it cannot be resumed), and pauses a
// playing file with the Pause button's command, pressed again when the first
// press only resumed (its flag still said paused after a stop).
void remote_pause(core::State& s);
// Pause while something plays, else Play.
void remote_play_pause(core::State& s);

}  // namespace app
