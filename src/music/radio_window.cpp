#include "music/radio_window.h"

#include "config/data_file.h"
#include "config/ini_file.h"
#include "config/keys.h"
#include "core/ids.h"
#include "core/images.h"
#include "music/ids.h"
#include "music/player.h"
#include "music/radio.h"
#include "music/stations.h"
#include "music/texts.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace music {

namespace {

namespace keys = config::keys;
using core::Text;

constexpr int window_width = 500, window_height = 200;  // also the least size
constexpr int window_max_width = 1200;
constexpr int volume_max = 100;
constexpr int preset_label_max = 5;  // characters

struct Place {
    int x, y, width, height;
};

struct Labelled {
    int gadget;
    Place at;
    Text text;
};

constexpr Text same(std::string_view text) { return Text{text, text}; }

constexpr Labelled labels[] = {
    {GadgetRadioStreamsLabel, {35, 10, 220, 20}, texts::radio_streams},
    {GadgetRadioNameLabel, {10, 60, 170, 15}, texts::radio_station_name},
    {GadgetRadioAddressLabel, {190, 60, 300, 15}, texts::radio_stream_address},
};

constexpr Labelled buttons[] = {
    {GadgetRadioSort, {460, 5, 30, 20}, same(texts::radio_sort)},
    {GadgetRadioFavourite1, {315, 105, 55, 20}, same(texts::radio_favourite_buttons[0])},
    {GadgetRadioFavourite2, {375, 105, 55, 20}, same(texts::radio_favourite_buttons[1])},
    {GadgetRadioFavourite3, {435, 105, 55, 20}, same(texts::radio_favourite_buttons[2])},
    {GadgetRadioNew, {10, 145, 60, 25}, texts::radio_new},
    {GadgetRadioListen, {75, 145, 60, 25}, texts::radio_listen},
    {GadgetRadioStop, {140, 145, 60, 25}, same(texts::radio_stop)},
    {GadgetRadioRemove, {205, 145, 60, 25}, texts::radio_remove},
    {GadgetRadioSave, {270, 145, 60, 25}, texts::radio_save},
    {GadgetRadioClose, {430, 145, 60, 25}, texts::radio_close},
};

constexpr Place picture_place{10, 10, 16, 16};
constexpr Place volume_place{265, 5, 185, 18};
constexpr Place list_place{10, 30, 480, 25};
constexpr Place name_place{10, 75, 170, 20};
constexpr Place address_place{190, 75, 300, 20};
constexpr rt::Colour name_background = rt::rgb(255, 165, 0);

constexpr int preset_assign_buttons[] = {GadgetRadioFavourite1, GadgetRadioFavourite2, GadgetRadioFavourite3};

// How a gadget follows the window's size: its x at the width less
// `x_from_right`, its width the window's less `width_less`, its y at the
// height less `y_from_bottom`; `keep` leaves that one as it is.
constexpr int keep = -1;
struct Anchor {
    int gadget;
    int x_from_right = keep;
    int width_less = keep;
    int y_from_bottom = keep;
};

constexpr int bottom_row = 55;
constexpr Anchor anchors[] = {
    {.gadget = GadgetRadioStations, .width_less = 20},
    {.gadget = GadgetRadioAddress, .width_less = 200},
    {.gadget = GadgetRadioAddressLabel, .width_less = 200},
    {.gadget = GadgetRadioSort, .x_from_right = 40},
    {.gadget = GadgetRadioVolume, .x_from_right = 235},
    {.gadget = GadgetRadioFavourite1, .x_from_right = 185},
    {.gadget = GadgetRadioFavourite2, .x_from_right = 125},
    {.gadget = GadgetRadioFavourite3, .x_from_right = 65},
    {.gadget = GadgetRadioNew, .y_from_bottom = bottom_row},
    {.gadget = GadgetRadioListen, .y_from_bottom = bottom_row},
    {.gadget = GadgetRadioStop, .y_from_bottom = bottom_row},
    {.gadget = GadgetRadioRemove, .y_from_bottom = bottom_row},
    {.gadget = GadgetRadioSave, .y_from_bottom = bottom_row},
    {.gadget = GadgetRadioClose, .x_from_right = 70, .y_from_bottom = bottom_row},
};

bool window_open() { return rt::window_exists(core::WindowRadio); }

void show_status(const std::string& text) { rt::set_status_text(core::WindowRadio, 0, text); }

void show_error(const core::State& s, const Text& text) {
    rt::message_box(texts::radio_error_title.in(s.Lng), text.in(s.Lng), rt::MessageButtons::Ok,
                    rt::MessageIcon::Warning);
}

// The list's lines from `Station_List`, with the line reading `chosen` chosen
// (none when no line reads so).
void show_stations(const core::State& s, const std::string& chosen) {
    rt::clear_gadget_items(GadgetRadioStations);
    int chosen_line = -1;
    for (std::size_t i = 0; i < s.Station_List.size(); ++i) {
        const std::string entry = station_entry(s.Station_List[i], s.Station_Separator);
        rt::add_gadget_item(GadgetRadioStations, entry);
        if (chosen_line < 0 && entry == chosen) chosen_line = int(i);
    }
    rt::set_gadget_selected_item(GadgetRadioStations, chosen_line);
}

// The station of the line chosen in the list; null when none is chosen.
const Station* chosen_station(const core::State& s) {
    const int line = rt::gadget_selected_item(GadgetRadioStations);
    if (line < 0 || std::size_t(line) >= s.Station_List.size()) return nullptr;
    return &s.Station_List[std::size_t(line)];
}

// The fields as a station.
Station station_in_fields() { return {rt::gadget_text(GadgetRadioName), rt::gadget_text(GadgetRadioAddress)}; }

void show_station_in_fields(const Station& station) {
    rt::set_text(GadgetRadioName, station.name);
    rt::set_text(GadgetRadioAddress, station.address);
}

std::string assign_button_text(const core::State& s, int favourite) {
    const std::string& label = s.favourites[std::size_t(favourite - 1)].short_label;
    return label.empty() ? std::string(texts::radio_favourite_buttons[favourite - 1]) : label;
}

}  // namespace

void open_radio_window(core::State& s) {
    using F = rt::WindowFlag;
    core::load_embedded_image(core::ImageRadio);
    rt::open_window(core::WindowRadio, 0, 0, window_width, window_height,
                    s.identity.program_name + std::string(texts::radio_title_after_name),
                    F::CloseBox | F::MinimizeBox | F::Resizable | F::ScreenCentered, core::WindowDesk);
    rt::create_status_bar(core::WindowRadio, {rt::remaining_width});
    show_status(texts::radio_select_stream.in(s.Lng));

    rt::create_image_gadget(GadgetRadioPicture, picture_place.x, picture_place.y, picture_place.width,
                            picture_place.height, core::ImageRadio);
    for (const Labelled& l : labels)
        rt::create_text_gadget(l.gadget, l.at.x, l.at.y, l.at.width, l.at.height, l.text.in(s.Lng));
    rt::create_slider_gadget(GadgetRadioVolume, volume_place.x, volume_place.y, volume_place.width, volume_place.height,
                             0, volume_max);
    rt::set_tooltip(GadgetRadioVolume, std::string(texts::radio_volume));
    rt::create_combo_gadget(GadgetRadioStations, list_place.x, list_place.y, list_place.width, list_place.height);
    rt::create_string_gadget(GadgetRadioName, name_place.x, name_place.y, name_place.width, name_place.height, "");
    rt::set_gadget_back_colour(GadgetRadioName, name_background);
    rt::create_string_gadget(GadgetRadioAddress, address_place.x, address_place.y, address_place.width,
                             address_place.height, "");
    for (const Labelled& b : buttons)
        rt::create_button_gadget(b.gadget, b.at.x, b.at.y, b.at.width, b.at.height, b.text.in(s.Lng));

    rt::set_state(GadgetRadioVolume, s.Volume);
    rt::set_window_size_limits(core::WindowRadio, window_width, window_height, window_max_width, window_height);
    refill_station_list(s);
    show_stations(s, s.Selected_Station);
    for (int i = 1; i <= core::favourite_station_count; ++i)
        rt::set_text(preset_assign_buttons[i - 1], assign_button_text(s, i));
}

void close_radio_window(core::State&) {
    rt::close_window(core::WindowRadio);
    rt::disable_gadget(core::GadgetVolume, false);
}

void lay_out_radio_window() {
    if (!window_open()) return;
    const int width = rt::window_width(core::WindowRadio);
    const int height = rt::window_height(core::WindowRadio);
    auto from = [](int size, int less) { return less == keep ? keep : size - less; };
    for (const Anchor& a : anchors)
        rt::move_gadget(a.gadget, from(width, a.x_from_right), from(height, a.y_from_bottom),
                        from(width, a.width_less));
}

void refill_station_list(core::State& s) {
    s.Station_List.clear();
    rt::clear_gadget_items(GadgetRadioStations);
    config::IniFile ini;
    if (!ini.open(s.Data_File_Path)) return;
    if (ini.select_group(keys::Radio)) {
        ini.examine_keys();
        while (ini.next_key()) s.Station_List.push_back({ini.key_name(), ini.key_value()});
    }
    ini.close();
    show_stations(s, "");
}

void choose_station(core::State& s) {
    const Station* station = chosen_station(s);
    if (!station) return;
    s.Station_Name = station->name;
    s.Station_Address = station->address;
    show_station_in_fields(*station);
}

void listen(core::State& s) {
    if (rt::window_exists(core::WindowMusicInfo)) rt::close_window(core::WindowMusicInfo);
    radio_stop(s);
    s.Selected_Station = rt::gadget_text(GadgetRadioStations);
    const Station* station = chosen_station(s);
    if (s.Selected_Station.empty() || !station) {
        show_error(s, texts::radio_select_first);
        return;
    }
    // The list's own station, not its line cut at a separator: a name may hold one.
    s.Station_Name = station->name;
    s.Station_Address = station->address;
    rt::set_gadget_back_colour(core::GadgetNowPlaying, radio_playing_colour);
    start_station(s, s.Station_Address);
    show_station_in_fields(*station);
    show_status(s.Station_Name);
    rt::set_text(core::GadgetNowPlaying, s.Station_Name);
}

void new_station() { show_station_in_fields({}); }

void save_station(core::State& s) {
    const Station station = station_in_fields();
    if (check_station(station) != StationCheck::Storable) {
        show_error(s, texts::radio_invalid_name);
        return;
    }
    // A station that did not reach the file is not said to be added (the user was told why).
    if (!config::set_string_key(s, keys::Radio, station.name, station.address)) return;
    show_status(std::string(texts::radio_station_before) + station.name + texts::radio_added.in(s.Lng));
    refill_station_list(s);
    show_stations(s, station_entry(station, s.Station_Separator));
}

void remove_station(core::State& s) {
    const Station station = station_in_fields();
    const auto answer =
        rt::message_box(std::string(texts::radio_remove_title),
                        std::string(texts::radio_remove_question) + station.name + "\n" + station.address,
                        rt::MessageButtons::YesNoCancel, rt::MessageIcon::Information);
    if (answer != rt::MessageAnswer::Yes) return;
    config::IniFile ini;
    if (ini.open(s.Data_File_Path)) {
        ini.select_group(keys::Radio);
        ini.remove_key(station.name);
        if (ini.close())
            show_status(std::string(texts::radio_station_before) + station.name + texts::radio_removed.in(s.Lng));
    }
    new_station();
    refill_station_list(s);
}

void sort_station_list(core::State& s) {
    const std::string chosen = rt::gadget_text(GadgetRadioStations);
    sort_stations(s.Station_List, s.Station_Separator);
    show_stations(s, chosen);
}

void assign_favourite(core::State& s, int favourite) {
    if (favourite < 1 || favourite > core::favourite_station_count) return;
    const Station station = station_in_fields();
    if (station.address.empty()) {
        rt::message_box(std::string(texts::favourite_error_title), std::string(texts::favourite_needs_station),
                        rt::MessageButtons::Ok, rt::MessageIcon::Warning);
        return;
    }
    // The presets are stored under their station's name too.
    if (check_station(station) != StationCheck::Storable) {
        show_error(s, texts::radio_invalid_name);
        return;
    }
    const auto label = rt::input_box(std::string(texts::favourite_title), std::string(texts::favourite_prompt), "");
    if (!label || label->empty()) return;
    if (character_count(*label) > std::size_t(preset_label_max) || label->find_first_of("\r\n") != std::string::npos) {
        rt::message_box(std::string(texts::favourite_error_title), std::string(texts::favourite_too_long),
                        rt::MessageButtons::Ok, rt::MessageIcon::Warning);
        return;
    }
    s.favourites[std::size_t(favourite - 1)] = {station.name, *label, station.address};
    rt::set_text(preset_assign_buttons[favourite - 1], *label);
    show_station_button(s, favourite);
    config::save_all(s);
}

}  // namespace music
