#include "music/radio.h"

#include "core/ids.h"
#include "core/images.h"
#include "music/engine.h"
#include "music/player.h"
#include "music/radio_window.h"
#include "music/texts.h"
#include "rt/dialogs.h"
#include "rt/draw.h"
#include "rt/font.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace music {

namespace {

constexpr int preset_buttons[] = {core::GadgetFavourite1, core::GadgetFavourite2, core::GadgetFavourite3};
constexpr int label_image_base = core::ImageStationLabel1 - 1;  // favourite i shows image base + i
constexpr int label_width = 36, label_height = 14;
constexpr rt::Colour label_colours[] = {rt::rgb(240, 248, 255), rt::rgb(135, 206, 250), rt::rgb(173, 216, 230)};
constexpr rt::Colour label_text_colour = rt::rgb(0, 0, 0);
constexpr int label_text_alpha = 150;
constexpr float slider_full_scale = 100.0f;  // the slider's value for the stream's 1.0

bool is_favourite(int favourite) { return favourite >= 1 && favourite <= core::favourite_station_count; }

const core::FavouriteStation& favourite_of(const core::State& s, int favourite) {
    return s.favourites[std::size_t(favourite - 1)];
}

}  // namespace

void web_radio_button(core::State& s) {
    if (!radio_engine_usable(s)) {
        rt::message_box(texts::missing_engine_title.in(s.Lng), texts::missing_engine.in(s.Lng), rt::MessageButtons::Ok,
                        rt::MessageIcon::Error);
        return;
    }
    if (rt::window_exists(core::WindowRadio)) close_radio_window(s);
    else open_radio_window(s);
}

void start_station(core::State& s, const std::string& address) {
    start_radio_stream(s, address, float(rt::gadget_state(core::GadgetVolume)) / slider_full_scale);
}

void play_station_preset(core::State& s, int favourite) {
    if (!is_favourite(favourite) || !radio_engine_usable(s)) return;
    radio_stop(s);
    const core::FavouriteStation& station = favourite_of(s, favourite);
    rt::set_gadget_back_colour(core::GadgetNowPlaying, radio_playing_colour);
    rt::set_text(core::GadgetNowPlaying, station.name);
    if (s.Music_Muted) {
        rt::set_text(core::GadgetNowPlaying, std::string(texts::sound_is_off));
        return;
    }
    start_station(s, station.address);
}

void radio_stop(core::State& s) {
    if (s.Audio_Available != 1) return;
    stop_radio_stream(s);
    rt::set_gadget_back_colour(core::GadgetNowPlaying, radio_idle_colour);
    if (!rt::window_exists(core::WindowRadio)) return;
    s.Station_Name.clear();
    rt::set_status_text(core::WindowRadio, 0, "");
    rt::set_text(core::GadgetNowPlaying, "");
}

void station_title_step(core::State& s) {
    std::string title = radio_stream_title(s);
    if (title == s.music.station_title) return;
    s.music.station_title = std::move(title);
    rt::set_tooltip(core::GadgetNowPlaying, s.music.station_title);
}

void draw_station_label(const core::State& s, int favourite) {
    if (!is_favourite(favourite)) return;
    const int image = label_image_base + favourite;
    const std::string& label = favourite_of(s, favourite).short_label;
    rt::create_image(image, label_width, label_height, label_colours[favourite - 1]);
    if (!rt::start_drawing_image(image)) return;
    // Centred, the odd pixel to the left; a label wider than the picture starts left of it.
    rt::path_add_text((label_width - rt::text_width(core::Font8, label)) / 2, 0, label, core::Font8);
    rt::fill_path(label_text_colour, label_text_alpha);
    rt::stop_drawing();
}

void show_station_button(const core::State& s, int favourite) {
    if (!is_favourite(favourite)) return;
    const int button = preset_buttons[favourite - 1];
    rt::set_tooltip(button, favourite_of(s, favourite).name);
    draw_station_label(s, favourite);
    rt::set_gadget_image(button, label_image_base + favourite);
}

}  // namespace music
