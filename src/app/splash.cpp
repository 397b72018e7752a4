#include "app/splash.h"

#include "app/ids.h"
#include "core/ids.h"
#include "core/images.h"
#include "platform/services.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/window.h"

namespace app {

namespace {

constexpr int width = 500, height = 140;
constexpr std::string_view loading_text = "Chargement (Loading) ";
constexpr rt::Colour white = rt::rgb(255, 255, 255);
constexpr rt::Colour black = rt::rgb(0, 0, 0);
constexpr rt::Colour grey = rt::rgb(128, 128, 128);

void draw_banner(const core::State& s) {
    if (!rt::start_drawing_gadget(GadgetSplashBanner)) return;
    rt::fill_box(0, 0, 500, 55, white);
    rt::path_move_to(10, 10);
    rt::path_line_to(55, 10);
    rt::path_line_to(55, 55);
    rt::path_line_to(10, 55);
    rt::path_close();
    rt::fill_path(rt::rgb(169, 236, 9));
    rt::path_add_text(65, -5, s.identity.program_name, core::FontSplashText, 60);
    rt::fill_path(rt::rgb(82, 82, 82));
    if (rt::image_exists(core::ImageLogo)) rt::draw_image(core::ImageLogo, 10, 7);
    // The window's black frame runs behind this surface: carry it across.
    rt::draw_line(1, 0, 1, 54, black);
    rt::draw_line(width - 2, 0, width - 2, 54, black);
    rt::stop_drawing();
}

}  // namespace

void open_splash(const core::State& s) {
    using F = rt::WindowFlag;
    rt::open_window(core::WindowSplash, 0, 0, width, height, "",
                    F::Borderless | F::NoTaskbar | F::ScreenCentered | F::TopMost);
    rt::set_window_background(core::WindowSplash, white);
    rt::create_progress_gadget(GadgetSplashProgress, 3, 117, 494, 20, 0, splash_progress_max);

    const auto text = [](int gadget, int x, int y, int w, int h, const char* t, unsigned flags, int font,
                         rt::Colour colour) {
        rt::create_text_gadget(gadget, x, y, w, h, t, flags);
        if (font >= 0) rt::set_gadget_font(gadget, font);
        rt::set_gadget_front_colour(gadget, colour);
        rt::set_gadget_back_colour(gadget, white);
    };
    text(GadgetSplashStatus, 2, 103, 496, 15, "Chargement", rt::TextFlag::Centre, core::FontSplashText, grey);
    text(GadgetSplashBuild, 260, 2, 235, 20, "Version", rt::TextFlag::Right, core::FontSplashVersion, grey);
    text(GadgetSplashVersion, 10, 85, 480, 15, "", rt::TextFlag::Right, core::FontSplashText, black);
    text(GadgetSplashMaker, 5, 2, 240, 20, s.identity.maker_name.c_str(), 0, -1, grey);
    rt::create_canvas_gadget(GadgetSplashBanner, 0, 25, 500, 55);
    draw_banner(s);

    // The frames and the rule are drawn on the window itself.
    rt::create_canvas_gadget(GadgetSplashFrame, 0, 0, width, height);
    rt::lower_gadget(GadgetSplashFrame);
    if (rt::start_drawing_gadget(GadgetSplashFrame)) {
        rt::fill_box(0, 0, width, height, white);
        rt::outline_box(0, 0, width, height, white);
        rt::outline_box(1, 1, width - 2, height - 2, black);
        rt::draw_line(10, 83, 490, 83, black);
        rt::stop_drawing();
    }
    rt::show_window(core::WindowSplash);
    rt::paint_window_now(core::WindowSplash, 500);
}

// The splash repaints at once on each change, since no events run during the
// build: changing it for every slot would cost more than the build itself, so
// it changes at most once a frame, and at the last slot.
void show_splash_progress(int n, int count) {
    constexpr std::int64_t frame_ms = 16;
    static std::int64_t last_ms = -frame_ms;
    const std::int64_t now = platform::clock().monotonic_ms();
    if (n < count && now - last_ms < frame_ms && now >= last_ms) return;
    last_ms = now;
    rt::set_state(GadgetSplashProgress, count > 0 ? n * splash_progress_max / count : 0);
    rt::set_text(GadgetSplashStatus, std::string(loading_text) + std::to_string(n) + "/" + std::to_string(count));
}

void close_splash() { rt::close_window(core::WindowSplash); }

}  // namespace app
