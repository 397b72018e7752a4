// Window timers. Each tick queues a Timer event (window, timer number); while
// one is still queued, further ticks of that timer are dropped, so a handler
// that blocks loses the ticks meanwhile instead of getting a burst after.
#pragma once

namespace rt {

// Starts (or restarts) timer `timer` of window `window`, ticking every `ms`
// milliseconds (>= 1). It stops when the window closes. Nothing when the window is not open.
void add_window_timer(int window, int timer, int ms);
// Stops the timer and takes its queued tick off the queue.
void remove_window_timer(int window, int timer);
// The period of a running timer in milliseconds; 0 when it is not running.
int window_timer_period(int window, int timer);

}  // namespace rt
