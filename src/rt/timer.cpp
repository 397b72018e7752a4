// Window timers.
#include "rt/timer.h"

#include <algorithm>

#include "rt/internal.h"

namespace rt {

void add_window_timer(int window, int timer, int ms) {
    WindowWidget* w = window_widget(window);
    if (!w) return;
    remove_window_timer(window, timer);
    auto* ticker = new QTimer(w);
    QObject::connect(ticker, &QTimer::timeout, ticker, [window, timer] {
        if (is_queued(EventKind::Timer, window, timer)) return;
        Event e;
        e.kind = EventKind::Timer;
        e.window = window;
        e.object = timer;
        // No mouse position: asking the display server for it every tick
        // costs a round trip and wakes the process twice more for nothing.
        queue_event(std::move(e));
    });
    ticker->start(std::max(ms, 1));
    state().timers[{window, timer}] = ticker;
}

void remove_window_timer(int window, int timer) {
    // A tick already queued would reach a handler that thinks the timer stopped.
    std::erase_if(state().queue, [&](const Event& e) {
        return e.kind == EventKind::Timer && e.window == window && e.object == timer;
    });
    auto& timers = state().timers;
    const auto found = timers.find({window, timer});
    if (found == timers.end()) return;
    delete found->second.data();
    timers.erase(found);
}

int window_timer_period(int window, int timer) {
    const auto& timers = state().timers;
    const auto found = timers.find({window, timer});
    return found == timers.end() || found->second.isNull() ? 0 : found->second->interval();
}

}  // namespace rt
