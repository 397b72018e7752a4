#include "clock/events.h"

#include "clock/banner.h"
#include "clock/texts.h"
#include "platform/desktop_bus.h"
#include "platform/services.h"
#include "rt/colour.h"

namespace clocks {

namespace {

constexpr int rounds = 5;
constexpr int note_ms = 200;
constexpr int gap_ms = 100;
constexpr int base_hz = 2000;

constexpr core::Colour event_banner_colour = rt::rgb(255, 255, 0);

}  // namespace

std::vector<platform::Tone> alarm_tune() {
    std::vector<platform::Tone> tune;
    for (int round = 0; round < rounds; ++round) {
        for (int hz : {base_hz, base_hz * 3 / 2, base_hz * 2}) {
            tune.push_back({hz, note_ms});
            tune.push_back({0, gap_ms});
        }
    }
    return tune;
}

void play_alarm_tune() { platform::tones().play(alarm_tune()); }

int take_due_event(core::State& s, std::int64_t now) {
    EventWatch& watch = s.clock.events;
    // A clock set back (by hand, or the hour repeated at the end of summer time)
    // starts the watch again from there; slots already fired stay fired.
    if (!watch.started || now < watch.checked_until) {
        watch.started = true;
        watch.checked_until = now - 1;
    }
    for (int n = 1; n <= event_count; ++n) {
        const std::int64_t when = s.Event_Time[std::size_t(n)];
        if (when == 0 || when <= watch.checked_until || when > now) continue;
        if (watch.fired_for[std::size_t(n)] == when) continue;
        watch.fired_for[std::size_t(n)] = when;
        return n;
    }
    // Nothing left in the window: the next check starts after it.
    watch.checked_until = now;
    return 0;
}

void fire_event(core::State& s, int n) {
    const std::string spoken = std::string(texts::event_done_1) + std::to_string(n) + std::string(texts::event_done_2);
    const std::string& text = s.Event_Text[std::size_t(n)];
    // Also where the banner cannot be placed (Wayland) or is covered: sent
    // first, without waiting, since the banner, speech and tune hold the program.
    platform::desktop_bus().notify(s.identity.program_name, text.empty() ? s.identity.program_name : text);
    show_notice(s, text, spoken, event_banner_colour, 0);
    play_alarm_tune();
}

void check_events(core::State& s, std::int64_t now) {
    if (const int n = take_due_event(s, now)) fire_event(s, n);
}

}  // namespace clocks
