#include "music/music_info.h"

#include "config/data_file.h"
#include "config/keys.h"
#include "core/drag.h"
#include "core/ids.h"
#include "core/images.h"
#include "music/ids.h"
#include "music/play_list.h"
#include "music/player.h"
#include "music/tags.h"
#include "music/texts.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/draw.h"
#include "rt/font.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace music {

namespace {

constexpr core::Colour black = 0;

// The now-playing line, in the desk's client pixels: strictly between these.
constexpr int now_playing_above = 141;
constexpr int now_playing_below = 158;

bool strip_shown() { return rt::window_exists(core::WindowMusicInfo) && rt::window_visible(core::WindowMusicInfo); }

void keep_strip_place(core::State& s) {
    s.X_WinInfo = rt::window_x(core::WindowMusicInfo);
    s.Y_WinInfo = rt::window_y(core::WindowMusicInfo);
}

void write_strip_place(core::State& s) {
    keep_strip_place(s);
    config::set_integer_key(s, config::keys::Global, config::keys::X_WinInfo, s.X_WinInfo);
    config::set_integer_key(s, config::keys::Global, config::keys::Y_WinInfo, s.Y_WinInfo);
}

std::string strip_text(const core::State& s) {
    if (s.Tag_Title.empty()) return texts::no_music_info.in(s.Lng);
    const std::string separator(texts::tag_separator);
    return s.Tag_Artist + separator + s.Tag_Title + separator + s.Tag_Album + separator + s.Tag_Year;
}

void open_strip(core::State& s) {
    const std::string text = strip_text(s);
    rt::open_window(
        core::WindowMusicInfo, s.X_WinInfo, s.Y_WinInfo, strip_full_width, strip_height, "",
        rt::WindowFlag::Borderless | rt::WindowFlag::NoTaskbar | rt::WindowFlag::TopMost | rt::WindowFlag::Invisible,
        core::WindowDesk);
    rt::create_canvas_gadget(GadgetInfoStrip, 0, 0, strip_full_width, strip_height);
    if (rt::start_drawing_gadget(GadgetInfoStrip)) {
        rt::fill_box(0, 0, strip_full_width, strip_height, strip_colour);
        rt::draw_image(core::ImageMusicInfoStrip, strip_buttons_x, strip_buttons_y);
        rt::draw_text(strip_text_x, strip_text_y, text, core::FontMusicInfo, black);
        rt::stop_drawing();
    }
    const int width = rt::text_width(core::FontMusicInfo, text);
    rt::resize_window(core::WindowMusicInfo, width + strip_margin, strip_height);
    rt::show_window(core::WindowMusicInfo);
    rt::set_tooltip(GadgetInfoStrip, texts::strip_tooltip.in(s.Lng));
    s.music.strip_press_x = rt::window_x(core::WindowMusicInfo);
    s.music.strip_press_y = rt::window_y(core::WindowMusicInfo);
}

void close_strip(core::State& s) {
    write_strip_place(s);
    rt::close_window(core::WindowMusicInfo);
}

// The strip's buttons, by the x of a click in the strip (first to last, inclusive).
struct Region {
    int first_x, last_x;
    void (*command)(core::State&);
};

constexpr Region regions[] = {
    {0, 19, close_strip},      {20, 37, show_information}, {38, 53, previous_file},
    {54, 70, pause_or_resume}, {71, 88, stop_player},      {89, 105, next_file},
};

void strip_click(core::State& s, int x) {
    // The left button went up where it went down on the strip, which moved
    // with it: that was a drag, not a press of the button under it.
    if (rt::window_x(core::WindowMusicInfo) != s.music.strip_press_x ||
        rt::window_y(core::WindowMusicInfo) != s.music.strip_press_y)
        return;
    for (const Region& r : regions) {
        if (x >= r.first_x && x <= r.last_x) {
            r.command(s);
            return;
        }
    }
}

}  // namespace

void read_playing_tags(core::State& s, const std::string& path) {
    const TagReading reading = read_tags(path);
    switch (reading.source) {
    case TagSource::Nothing: return;
    case TagSource::Version23:
        s.Tag_Title = reading.tags.title;
        s.Tag_Artist = reading.tags.artist;
        s.Tag_Album = reading.tags.album;
        s.Tag_Year = reading.tags.year;
        s.Tag_Track = reading.tags.track;
        s.Display_Title = s.Tag_Title;
        if (rt::window_exists(core::WindowMusicInfo)) {
            keep_strip_place(s);
            rt::close_window(core::WindowMusicInfo);
            toggle_strip(s);
        }
        return;
    case TagSource::Version1:
        s.Tag_Title = reading.tags.title;
        s.Tag_Artist = reading.tags.artist;
        s.Tag_Album = reading.tags.album;
        s.Tag_Year = reading.tags.year;
        s.Tag_Track.clear();
        return;
    }
}

void toggle_strip(core::State& s) {
    if (strip_shown()) {
        keep_strip_place(s);
        rt::hide_window(core::WindowMusicInfo);
        return;
    }
    // A hidden strip is made again, so that the toggle always shows it with
    // the tags of now.
    if (rt::window_exists(core::WindowMusicInfo)) rt::close_window(core::WindowMusicInfo);
    open_strip(s);
}

void now_playing_click(core::State& s, int y) {
    if (y <= now_playing_above || y >= now_playing_below) return;
    if (is_empty(s.Play_List) || !has_current(s.Play_List) || strip_shown()) return;
    toggle_strip(s);
}

void strip_event(core::State& s, const rt::Event& e) {
    if (e.window != core::WindowMusicInfo || !rt::window_exists(core::WindowMusicInfo)) return;
    switch (e.type) {
    case rt::EventType::LeftButtonDown:
        s.music.strip_press_x = rt::window_x(core::WindowMusicInfo);
        s.music.strip_press_y = rt::window_y(core::WindowMusicInfo);
        core::drag_window(s, e, core::WindowMusicInfo);
        break;
    case rt::EventType::MouseMove: core::drag_window(s, e, core::WindowMusicInfo); break;
    case rt::EventType::LeftButtonUp:
        core::drag_window(s, e, core::WindowMusicInfo);
        write_strip_place(s);
        break;
    case rt::EventType::LeftClick: strip_click(s, e.mouse.gadget_x); break;
    case rt::EventType::RightClick:
    case rt::EventType::LeftDoubleClick:
    case rt::EventType::Change:
    case rt::EventType::DragStart: break;
    }
}

void show_information(core::State& s) {
    if (!platform::media_player().loaded()) return;
    const std::string& lng = s.Lng;
    const std::string position =
        std::to_string(s.Play_List.current + 1) + "/" + std::to_string(s.Play_List.paths.size());
    rt::message_box(std::string(texts::information_title),
                    texts::label_title.in(lng) + s.Tag_Title + texts::label_artist.in(lng) + s.Tag_Artist +
                        texts::label_album.in(lng) + s.Tag_Album + texts::label_track.in(lng) + s.Tag_Track +
                        texts::label_year.in(lng) + s.Tag_Year + texts::label_file.in(lng) + current_path(s.Play_List) +
                        texts::label_position.in(lng) + position);
}

}  // namespace music
