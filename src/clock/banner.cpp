// The notice banner window and its announcement.
#include "clock/banner.h"

#include "clock/ids.h"
#include "clock/talking_clock.h"
#include "core/ids.h"
#include "platform/services.h"
#include "rt/events.h"
#include "rt/gadget.h"
#include "rt/timer.h"
#include "rt/window.h"

namespace clocks {

namespace {

constexpr int banner_width = 500;
constexpr int banner_height = 50;
constexpr int banner_y = 5;
constexpr int rate_banner = 1;
constexpr int ms_per_second = 1000;
// How long the banner waits for the window system to show it before going on
// (speaking blocks the loop, so it must be painted first).
constexpr int paint_limit_ms = 500;

struct TextPlace {
    int x, y, width, height;
};
constexpr TextPlace title_place{5, 5, 90, 20};
constexpr TextPlace message_place{105, 15, 390, 30};

// Runs the toolkit once without waiting, so that the banner is painted, and
// drops every event queued before or meanwhile: clicks, menu choices and ticks
// are lost, while handlers bound to a window event run as they come.
void drop_window_events() {
    while (rt::wait_event(0)) {}
}

}  // namespace

void show_notice(const core::State& s, const std::string& message, const std::string& spoken, core::Colour colour,
                 int seconds) {
    const int desktop_width = platform::screen().desktop(0).width;
    const int x = desktop_width / 2 - banner_width / 2;
    rt::open_window(core::WindowBanner, x, banner_y, banner_width, banner_height, "",
                    rt::WindowFlag::Borderless | rt::WindowFlag::NoTaskbar, core::WindowDesk);
    rt::set_window_background(core::WindowBanner, colour);
    rt::create_text_gadget(GadgetBannerTitle, title_place.x, title_place.y, title_place.width, title_place.height,
                           s.identity.program_name);
    rt::set_gadget_font(GadgetBannerTitle, core::FontBannerTitle);
    rt::create_text_gadget(GadgetBannerText, message_place.x, message_place.y, message_place.width,
                           message_place.height, message, rt::TextFlag::Centre);
    rt::set_gadget_font(GadgetBannerText, core::FontBannerText);
    rt::set_gadget_back_colour(GadgetBannerTitle, colour);
    rt::set_gadget_back_colour(GadgetBannerText, colour);
    rt::paint_window_now(core::WindowBanner, paint_limit_ms);
    drop_window_events();

    if (seconds != 0) rt::add_window_timer(core::WindowBanner, core::TimerBanner, seconds * ms_per_second);
    drop_window_events();

    if (!spoken.empty() && s.Sound_ON == 1) speak(s.Lng, spoken, rate_banner);
    drop_window_events();
}

void close_notice() { rt::close_window(core::WindowBanner); }

}  // namespace clocks
