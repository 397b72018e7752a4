#include "clock/countdown_window.h"

#include "clock/ids.h"
#include "clock/stopwatch.h"
#include "core/ids.h"
#include "core/images.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace clocks {

namespace {

constexpr int hours_max = 24;
constexpr int minutes_max = 59;
constexpr int seconds_max = 59;

struct Place {
    int x, y, width, height;
};

struct Label {
    int gadget;
    Place at;
    const char* text;
};

constexpr Label labels[] = {
    {GadgetCountdownHoursLabel, {130, 25, 35, 15}, "Hrs."},
    {GadgetCountdownMinutesLabel, {180, 25, 35, 15}, "Min."},
    {GadgetCountdownSecondsLabel, {230, 25, 35, 15}, "Sec."},
    {GadgetCountdownMessageLabel, {10, 75, 100, 15}, "Message"},
};

struct Spin {
    int gadget;
    Place at;
    int maximum;
};

constexpr Spin spins[] = {
    {GadgetCountdownHours, {120, 40, 50, 20}, hours_max},
    {GadgetCountdownMinutes, {180, 40, 40, 20}, minutes_max},
    {GadgetCountdownSeconds, {230, 40, 40, 20}, seconds_max},
};

struct Button {
    int gadget;
    Place at;
    const char* text;
};

constexpr Button buttons[] = {
    {GadgetCountdownReset, {10, 120, 50, 25}, "Reset"},
    {GadgetCountdownDefine, {65, 120, 50, 25}, "Définir"},
    {GadgetCountdownStart, {150, 120, 130, 25}, "Démarrer"},
};

void zero_fields() {
    for (const Spin& spin : spins) rt::set_state(spin.gadget, 0);
}

// The fields as the user typed them: the check is the program's, not the fields'.
bool apply_fields(core::State& s) {
    return apply_countdown(s, rt::gadget_text(GadgetCountdownHours), rt::gadget_text(GadgetCountdownMinutes),
                           rt::gadget_text(GadgetCountdownSeconds), rt::gadget_text(GadgetCountdownMessage));
}

}  // namespace

void open_countdown_window(const core::State& s) {
    using F = rt::WindowFlag;
    rt::open_window(core::WindowCountdown, 0, 0, 290, 150, "Compte à rebours",
                    F::Tool | F::CloseBox | F::ScreenCentered, core::WindowDesk);
    // The frame first: the fields drawn inside it come after, over it.
    rt::create_frame_gadget(GadgetCountdownFrame, 10, 5, 270, 65, "Réglages");
    rt::create_image_gadget(GadgetCountdownPicture, 95, 40, 16, 16, core::ImageCountdownClock);
    for (const Label& l : labels) rt::create_text_gadget(l.gadget, l.at.x, l.at.y, l.at.width, l.at.height, l.text);
    for (const Spin& spin : spins)
        rt::create_typed_spin_gadget(spin.gadget, spin.at.x, spin.at.y, spin.at.width, spin.at.height, 0, spin.maximum);
    rt::create_string_gadget(GadgetCountdownMessage, 10, 90, 270, 25, "");
    for (const Button& b : buttons) rt::create_button_gadget(b.gadget, b.at.x, b.at.y, b.at.width, b.at.height, b.text);
    zero_fields();
    rt::set_text(GadgetCountdownMessage, s.clock.countdown.message);
}

void reset_countdown_fields() {
    rt::set_text(core::GadgetCountdown, "00:00:00");
    zero_fields();
    rt::set_text(GadgetCountdownMessage, "");
}

void define_countdown(core::State& s) {
    apply_fields(s);
    // Nothing counts down until a start; the start button then starts it afresh.
    s.clock.countdown.running = false;
    s.clock.countdown.started = false;
    rt::close_window(core::WindowCountdown);
}

void start_countdown_from_window(core::State& s) {
    // A refused entry starts nothing, not even a countdown set before.
    if (apply_fields(s)) {
        start_countdown(s);
        s.clock.countdown.started = true;
    }
    rt::close_window(core::WindowCountdown);
}

}  // namespace clocks
