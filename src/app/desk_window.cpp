#include "app/desk_window.h"

#include <cstdint>

#include "app/ids.h"
#include "app/texts.h"
#include "config/data_file.h"
#include "core/ids.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/menu.h"
#include "rt/tray.h"
#include "rt/window.h"

namespace app {

namespace {

constexpr rt::Colour grip_grey = rt::rgb(128, 128, 128);

}  // namespace

void build_desk_window(const core::State& s) {
    using F = rt::WindowFlag;
    rt::open_window(core::WindowOwner, 0, -100, 0, 0, "", F::Borderless | F::NoTaskbar | F::Invisible);
    rt::open_window(core::WindowDesk, s.X_Origin, s.Y_Origin, s.Desk_Width, s.Desk_Height, "Dock",
                    F::Borderless | F::NoTaskbar | F::Invisible | F::Resizable, core::WindowOwner);
    rt::create_canvas_gadget(GadgetGrip, 0, 0, s.Desk_Width, grip_height);
    rt::set_tooltip(GadgetGrip, "Clic Droit = Menu (Right click for Menu)");
}

void keep_desk_within_reach(core::State& s) {
    auto& screen = platform::screen();
    const std::int64_t left = s.X_Origin, top = s.Y_Origin;
    const std::int64_t right = left + s.Desk_Width, bottom = top + grip_height;
    for (int i = 0; i < screen.desktop_count(); ++i) {
        const platform::Desktop d = screen.desktop(i);
        if (left < std::int64_t(d.x) + d.width && right > d.x && top < std::int64_t(d.y) + d.height && bottom > d.y)
            return;
    }
    const platform::Desktop primary = screen.desktop(0);
    s.X_Origin = primary.x;
    s.Y_Origin = primary.y;
}

void draw_grip_bar() {
    if (!rt::start_drawing_gadget(GadgetGrip)) return;
    constexpr int cross_top = grip_box_y + 2, cross_bottom = cross_top + grip_cross_right - grip_cross_left;
    constexpr int lines_left = 15, lines_right = 94;
    rt::fill_box(0, 0, grip_width, grip_height, rt::rgb(255, 255, 255));
    rt::outline_box(0, 0, grip_width, grip_height, grip_grey);
    rt::outline_box(grip_menu_box_x, grip_box_y, grip_box_size, grip_box_size, grip_grey);
    rt::outline_box(grip_close_box_x, grip_box_y, grip_box_size, grip_box_size, grip_grey);
    rt::draw_line(grip_cross_left, cross_top, grip_cross_right, cross_bottom, grip_grey);
    rt::draw_line(grip_cross_right, cross_top, grip_cross_left, cross_bottom, grip_grey);
    for (int y : {3, 6, 9, 12}) rt::draw_line(lines_left, y, lines_right, y, grip_grey);
    rt::stop_drawing();
}

void toggle_desk_visibility(core::State& s) {
    if (s.Desk_Visible == 1) {
        s.Desk_Visible = 0;
        rt::hide_window(core::WindowDesk);
        // Without a tray (GNOME has none by default) nothing on screen could bring the desk back.
        if (!rt::tray_available() && !s.Hidden_Desk_Told) {
            s.Hidden_Desk_Told = true;
            rt::message_box(texts::hidden_title.in(s.Lng), texts::hidden_without_tray.in(s.Lng), rt::MessageButtons::Ok,
                            rt::MessageIcon::Information);
        }
    } else {
        s.Desk_Visible = 1;
        rt::show_window(core::WindowDesk);
        rt::activate_window(core::WindowDesk);
        rt::set_menu_item_checked(core::MenuTray, core::ItemTrayShowHide, true);
    }
}

void toggle_on_top(core::State& s) {
    s.On_Top = s.On_Top == 1 ? 0 : 1;
    rt::set_top_most(core::WindowDesk, s.On_Top == 1);
    rt::set_menu_item_checked(core::MenuTray, core::ItemTrayOnTop, s.On_Top == 1);
    config::save_all(s);
}

void desk_to_left(core::State& s) {
    rt::move_window(core::WindowDesk, 0, 0);
    config::save_all(s);
}

void desk_to_right(core::State& s) {
    const auto primary = platform::screen().desktop(0);
    rt::move_window(core::WindowDesk, primary.width - rt::window_width(core::WindowDesk), 0);
    config::save_all(s);
}

void toggle_talking_clock(core::State& s) {
    s.Sound_ON = s.Sound_ON == 1 ? 0 : 1;
    rt::set_menu_item_checked(core::MenuTray, core::ItemTrayTalkingClock, s.Sound_ON == 1);
    config::save_all(s);
}

void open_desk_height_dialog(const core::State&) {
    using F = rt::WindowFlag;
    rt::open_window(core::WindowDeskHeight, 0, 0, 215, 105, "Hauteur (Height)",
                    F::Tool | F::CloseBox | F::ScreenCentered, core::WindowDesk);
    rt::create_spin_gadget(GadgetHeightZones, 75, 40, 60, 25, 0, 11);
    rt::set_gadget_font(GadgetHeightZones, core::FontHeightSpin);
    rt::create_text_gadget(GadgetHeightLabel, 10, 10, 195, 25, "Nb Zones (3x3)", rt::TextFlag::Centre);
    rt::set_gadget_font(GadgetHeightLabel, core::FontSmallLabel);
    rt::create_text_gadget(GadgetHeightRange, 15, 45, 55, 20, "1 - 11", rt::TextFlag::Right);
    rt::set_gadget_font(GadgetHeightRange, core::FontHeightRange);
    rt::create_button_gadget(GadgetHeightTest, 10, 75, 195, 25, "Test");
}

int desk_height_for_zones(int zones) {
    // Eleven zones (1622 pixels) would pass the desk's height limit.
    return zones >= 1 && zones <= 10 ? 123 * zones + 269 : 0;
}

void test_desk_height() {
    const int height = desk_height_for_zones(rt::gadget_state(GadgetHeightZones));
    if (height > 0) rt::resize_window(core::WindowDesk, rt::window_width(core::WindowDesk), height);
}

}  // namespace app
