#include "config/preferences.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "config/data_file.h"
#include "config/ids.h"
#include "config/ini.h"
#include "config/keys.h"
#include "config/preferences_texts.h"
#include "core/ids.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/gadget_panel.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace config {

namespace {

namespace texts = preferences_texts;
using core::State;
using core::Text;

constexpr int window_width = 600, window_height = 400;
constexpr rt::Colour white = rt::rgb(255, 255, 255);
constexpr rt::Colour black = rt::rgb(0, 0, 0);
// The clock bar's colours, shown by the swatches of the clock colour buttons.
constexpr rt::Colour clock_text_colour = black;
constexpr rt::Colour clock_background_colour = rt::rgb(169, 236, 9);
constexpr int twenty_four_hours = 24;

enum class Kind { Frame, Text, WhiteCentredText, Checkbox, Button, Swatch };

// One control at its place (inside its tab's page) with its label.
struct Control {
    int gadget;
    Kind kind;
    int x, y, width, height;
    Text label;
};

constexpr Control main_tab[] = {
    {GadgetCountryFrame, Kind::Frame, 25, 30, 280, 175, texts::country},
    {GadgetLanguageLabel, Kind::Text, 65, 73, 220, 22, texts::language},
    {GadgetTwentyFourHours, Kind::Checkbox, 65, 140, 210, 25, texts::twenty_four_hours},
    {GadgetSoundsFrame, Kind::Frame, 315, 30, 250, 175, texts::sounds},
    {GadgetTalkingClock, Kind::Checkbox, 355, 65, 205, 25, texts::talking_clock},
    {GadgetVoice, Kind::Button, 385, 105, 120, 25, texts::voice},
    {GadgetVolumes, Kind::Button, 385, 140, 120, 25, texts::volumes},
    {GadgetProgramsFrame, Kind::Frame, 25, 213, 540, 90, texts::programs},
    {GadgetReloadIcons, Kind::Button, 50, 250, 125, 25, texts::reload_icons},
    {GadgetShowSeparators, Kind::Checkbox, 205, 235, 180, 25, texts::show_separators},
    {GadgetConfirmDeletions, Kind::Checkbox, 205, 255, 180, 25, texts::confirm_deletions},
    {GadgetZoom, Kind::Checkbox, 205, 275, 165, 25, texts::zoom},
    {GadgetDeskHeightLabel, Kind::WhiteCentredText, 380, 235, 115, 20, texts::desk_height},
};
// Placed after the table's controls: the language list and the height field.
constexpr int language_x = 65, language_y = 95, language_width = 220, language_height = 25;
constexpr int height_x = 405, height_y = 260, height_width = 60, height_height = 25;

constexpr Control colours_tab[] = {
    {GadgetBorderFrame, Kind::Frame, 40, 15, 485, 63, texts::border},
    {GadgetBackgroundLabel, Kind::Text, 60, 40, 200, 25, texts::background},
    {GadgetBackgroundSwatch, Kind::Swatch, 275, 40, 100, 25, texts::no_label},
    {GadgetBackgroundButton, Kind::Button, 390, 40, 100, 25, texts::choose},
    {GadgetClockColoursFrame, Kind::Frame, 40, 83, 480, 97, texts::clock_and_date},
    {GadgetClockTextColourLabel, Kind::Text, 60, 110, 200, 25, texts::clock_text_colour},
    {GadgetClockTextColourSwatch, Kind::Swatch, 275, 110, 100, 25, texts::no_label},
    {GadgetClockTextColourButton, Kind::Button, 390, 110, 100, 25, texts::choose},
    {GadgetClockBackgroundLabel, Kind::Text, 60, 140, 200, 25, texts::clock_background},
    {GadgetClockBackgroundSwatch, Kind::Swatch, 275, 140, 100, 25, texts::no_label},
    {GadgetClockBackgroundButton, Kind::Button, 390, 140, 100, 25, texts::choose},
    {GadgetPageColoursFrame, Kind::Frame, 40, 185, 480, 113, texts::no_label},
    {GadgetPage1ColourLabel, Kind::Text, 60, 205, 200, 25, texts::page_1},
    {GadgetPage1ColourSwatch, Kind::Swatch, 275, 205, 100, 25, texts::no_label},
    {GadgetPage1ColourButton, Kind::Button, 390, 205, 100, 25, texts::choose},
    {GadgetPage2ColourLabel, Kind::Text, 60, 235, 200, 25, texts::page_2},
    {GadgetPage2ColourSwatch, Kind::Swatch, 275, 235, 100, 25, texts::no_label},
    {GadgetPage2ColourButton, Kind::Button, 390, 235, 100, 25, texts::choose},
    {GadgetPage3ColourLabel, Kind::Text, 60, 265, 200, 25, texts::page_3},
    {GadgetPage3ColourSwatch, Kind::Swatch, 275, 265, 100, 25, texts::no_label},
    {GadgetPage3ColourButton, Kind::Button, 390, 265, 100, 25, texts::choose},
};

constexpr Control about_tab[] = {
    {GadgetAbout, Kind::Button, 195, 105, 210, 25, texts::about},
    {GadgetCheckVersion, Kind::Button, 195, 160, 210, 25, texts::check_version},
};

constexpr int page_swatches[] = {GadgetPage1ColourSwatch, GadgetPage2ColourSwatch, GadgetPage3ColourSwatch};

// A box ticked from the setting it shows.
struct Tick {
    int gadget;
    bool (*ticked)(const State&);
};

constexpr Tick ticks[] = {
    {GadgetTwentyFourHours, [](const State& s) { return s.Clock_Type == twenty_four_hours; }},
    {GadgetTalkingClock, [](const State& s) { return s.Sound_ON == 1; }},
    {GadgetShowSeparators, [](const State& s) { return s.Show_Separators == 1; }},
    {GadgetConfirmDeletions, [](const State& s) { return s.Confirm_Del == 1; }},
};

// The window's own rule: English only for "Us".
std::string label_in(const Text& text, std::string_view lng) {
    return std::string(core::language_of(lng) == core::Language::English ? text.en : text.fr);
}

void create(const Control& c, std::string_view lng) {
    const std::string label = label_in(c.label, lng);
    switch (c.kind) {
    case Kind::Frame: rt::create_frame_gadget(c.gadget, c.x, c.y, c.width, c.height, label); break;
    case Kind::Text: rt::create_text_gadget(c.gadget, c.x, c.y, c.width, c.height, label); break;
    case Kind::WhiteCentredText:
        rt::create_text_gadget(c.gadget, c.x, c.y, c.width, c.height, label, rt::TextFlag::Centre);
        rt::set_gadget_back_colour(c.gadget, white);
        break;
    case Kind::Checkbox: rt::create_checkbox_gadget(c.gadget, c.x, c.y, c.width, c.height, label); break;
    case Kind::Button: rt::create_button_gadget(c.gadget, c.x, c.y, c.width, c.height, label); break;
    case Kind::Swatch:
        rt::open_container_gadget(c.gadget, c.x, c.y, c.width, c.height, true);
        rt::close_container_gadget();
        break;
    }
}

void create_all(std::span<const Control> controls, std::string_view lng) {
    for (const Control& c : controls) create(c, lng);
}

void flip(State& s, int& setting, int gadget, std::string_view key) {
    setting = setting == 1 ? 0 : 1;
    rt::set_state(gadget, setting);
    set_integer_key(s, keys::Global, key, setting);
}

void tell(const State& s, const Text& title, const std::string& text, rt::MessageIcon icon) {
    rt::message_box(title.in(s.Lng), text, rt::MessageButtons::Ok, icon);
}

// Sound settings programs, in the order they are tried.
struct Mixer {
    const char* program;
    std::vector<std::string> args;
};

const std::vector<Mixer>& mixers() {
    static const std::vector<Mixer> list = {
        {"pavucontrol", {}},
        {"pavucontrol-qt", {}},
        {"gnome-control-center", {"sound"}},
        {"systemsettings", {"kcm_pulseaudio"}},
        {"cinnamon-settings", {"sound"}},
        {"mate-volume-control", {}},
    };
    return list;
}

}  // namespace

void open_preferences(const State& s) {
    using F = rt::WindowFlag;
    const std::string_view lng = s.Lng;
    rt::open_window(core::WindowPreferences, 0, 0, window_width, window_height, label_in(texts::title, lng),
                    F::Tool | F::CloseBox | F::ScreenCentered, core::WindowDesk);
    rt::create_status_bar(core::WindowPreferences, {rt::remaining_width});
    rt::set_status_text(core::WindowPreferences, 0, label_in(texts::ready, lng));

    rt::create_panel_gadget(GadgetPreferencesTabs, 5, 5, 590, 335);
    rt::add_panel_tab(GadgetPreferencesTabs, label_in(texts::tab_main, lng));
    create_all(main_tab, lng);
    // The longest label of the tab, in the small font so that it stays on its one line.
    rt::set_gadget_font(GadgetLanguageLabel, core::Font8);
    rt::create_combo_gadget(GadgetLanguage, language_x, language_y, language_width, language_height);
    rt::add_gadget_item(GadgetLanguage, std::string(texts::language_french));
    rt::add_gadget_item(GadgetLanguage, std::string(texts::language_english));
    switch (core::language_of(lng)) {
    case core::Language::French: rt::set_gadget_selected_item(GadgetLanguage, 0); break;
    case core::Language::English: rt::set_gadget_selected_item(GadgetLanguage, 1); break;
    case core::Language::Other: break;
    }
    rt::create_spin_gadget(GadgetDeskHeight, height_x, height_y, height_width, height_height, 0, desk_height_field_max);
    rt::set_gadget_font(GadgetDeskHeight, core::FontDeskHeightField);
    rt::set_state(GadgetDeskHeight, s.Desk_Inner_Height);
    for (const Tick& t : ticks) rt::set_state(t.gadget, t.ticked(s) ? 1 : 0);

    rt::add_panel_tab(GadgetPreferencesTabs, label_in(texts::tab_colours, lng));
    create_all(colours_tab, lng);
    rt::set_gadget_back_colour(GadgetBackgroundSwatch, s.BackGroundColor);
    rt::set_gadget_back_colour(GadgetClockTextColourSwatch, clock_text_colour);
    rt::set_gadget_back_colour(GadgetClockBackgroundSwatch, clock_background_colour);
    show_page_colours(s);

    rt::add_panel_tab(GadgetPreferencesTabs, label_in(texts::tab_about, lng));
    create_all(about_tab, lng);
    rt::close_panel_gadget();

    rt::create_button_gadget(GadgetPreferencesOk, 495, 345, 100, 25, label_in(texts::ok, lng));
}

void close_preferences() { rt::close_window(core::WindowPreferences); }

std::optional<core::Language> chosen_language() {
    switch (rt::gadget_selected_item(GadgetLanguage)) {
    case 0: return core::Language::French;
    case 1: return core::Language::English;
    default: return std::nullopt;
    }
}

void toggle_show_separators(State& s) { flip(s, s.Show_Separators, GadgetShowSeparators, keys::Show_Separators); }

void toggle_confirm_deletions(State& s) { flip(s, s.Confirm_Del, GadgetConfirmDeletions, keys::Confirm_Del); }

void show_zoom_choice(bool large) { rt::set_state(GadgetZoom, large ? 1 : 0); }

void apply_desk_height(const State& s) {
    if (!rt::gadget_exists(GadgetDeskHeight)) return;
    const int wanted = rt::gadget_state(GadgetDeskHeight);
    const int height = std::clamp(wanted, s.Desk_Min_Height, core::desk_max_height);
    rt::resize_window(core::WindowDesk, rt::window_width(core::WindowDesk), height);
}

void choose_background_colour(State& s) {
    const auto chosen = rt::choose_colour(black);
    if (!chosen) return;
    s.BackGroundColor = *chosen;
    rt::set_window_background(core::WindowDesk, s.BackGroundColor);
    rt::set_gadget_back_colour(GadgetBackgroundSwatch, s.BackGroundColor);
    set_string_key(s, keys::Global, keys::BackGroundColor, format_colour(s.BackGroundColor));
}

void show_page_colours(const State& s) {
    for (std::size_t page = 0; page < std::size(page_swatches); ++page)
        rt::set_gadget_back_colour(page_swatches[page], s.Page_Colors[page]);
}

void clock_colour_not_ready(const State& s) {
    tell(s, texts::not_ready_title, texts::not_ready.in(s.Lng), rt::MessageIcon::None);
}

void open_volume_settings(const State& s) {
    auto& shell = platform::shell();
    for (const Mixer& mixer : mixers()) {
        const auto path = shell.find_program(mixer.program);
        if (!path) continue;
        if (!shell.start(*path, mixer.args, "")) {
            tell(s, texts::mixer_title, texts::mixer_failed.in(s.Lng) + mixer.program, rt::MessageIcon::Error);
        }
        return;
    }
    tell(s, texts::mixer_title, texts::no_mixer.in(s.Lng), rt::MessageIcon::Warning);
}

}  // namespace config
