#include "music/playlists.h"

#include <algorithm>
#include <random>
#include <span>

#include "clock/banner.h"
#include "config/data_file.h"
#include "config/keys.h"
#include "core/ids.h"
#include "core/images.h"
#include "music/engine.h"
#include "music/play_list.h"
#include "music/player.h"
#include "music/playlist_file.h"
#include "music/playlist_texts.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/colour.h"
#include "rt/dialogs.h"
#include "rt/dragdrop.h"
#include "rt/gadget.h"
#include "rt/gadget_files.h"
#include "rt/menu.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace music {

namespace {

namespace texts = playlist_texts;
namespace keys = config::keys;

constexpr std::string_view number_separator = " - ";
constexpr float radio_full_scale = 100.0f;  // the slider's value for the radio's 1.0
constexpr int file_list_name_width = 300;
constexpr rt::Colour file_list_background = rt::rgb(255, 255, 202);
constexpr rt::Colour view_text = rt::rgb(0, 0, 0);
constexpr rt::Colour view_background = rt::rgb(198, 226, 255);
constexpr int divider_position = 200;  // both splitters

// Where a control sits in the manager's opening layout, below the menu bar,
// and which edges it keeps its distance to when the window is resized.
enum class Anchor { BottomRight, TopRight, Stretch };

struct Place {
    int gadget;
    int x, y, width, height;
    Anchor anchor;
};

constexpr Place manager_places[] = {
    {GadgetManagerClose, 695, 496, 120, 25, Anchor::BottomRight},
    {GadgetLoadList, 5, 496, 120, 25, Anchor::BottomRight},
    {GadgetShowCurrent, 5, 466, 120, 25, Anchor::BottomRight},
    {GadgetNewList, 150, 466, 120, 25, Anchor::BottomRight},
    {GadgetPlayList, 275, 466, 120, 25, Anchor::BottomRight},
    {GadgetManagerStop, 400, 466, 120, 25, Anchor::BottomRight},
    {GadgetSaveList, 525, 466, 120, 25, Anchor::BottomRight},
    {GadgetShuffle, 695, 466, 120, 25, Anchor::BottomRight},
    {GadgetFavouriteLabel, 275, 500, 115, 15, Anchor::BottomRight},
    {GadgetFavouriteChoice, 400, 496, 245, 25, Anchor::BottomRight},
    {GadgetFilter, 435, 5, 65, 20, Anchor::TopRight},
    {GadgetSelectAll, 505, 5, 100, 20, Anchor::TopRight},
    {GadgetSelectNone, 610, 5, 100, 20, Anchor::TopRight},
    {GadgetAddSelected, 715, 5, 100, 20, Anchor::TopRight},
    {GadgetManagerSplitter, 5, 30, 810, 430, Anchor::Stretch},
};

constexpr Place place_of(int gadget) {
    for (const Place& p : manager_places)
        if (p.gadget == gadget) return p;
    return {};
}

// The buttons whose texts follow the language, with their texts.
struct Labelled {
    int gadget;
    const core::Text& text;
};

constexpr Labelled manager_buttons[] = {
    {GadgetManagerClose, texts::close}, {GadgetLoadList, texts::load_list}, {GadgetShowCurrent, texts::show_current},
    {GadgetPlayList, texts::play_list}, {GadgetNewList, texts::new_list},   {GadgetSaveList, texts::save},
    {GadgetShuffle, texts::shuffle},
};

struct PopupLabel {
    int menu, item;
    const core::Text& text;
};

constexpr PopupLabel popup_labels[] = {
    {core::MenuMusicBrowser, core::ItemBrowserPlay, texts::play_file},
    {core::MenuMusicBrowser, core::ItemBrowserAdd, texts::add_to_playlist},
    {core::MenuMusicPlaylist, core::ItemPlaylistPlay, texts::play_file},
    {core::MenuMusicPlaylist, core::ItemPlaylistFromHere, texts::play_from_here},
    {core::MenuMusicPlaylist, core::ItemPlaylistDelete, texts::delete_item},
};

// The editor's rows, favourites 1 to 5.
constexpr int editor_first_row_y = 25, editor_row_step = 35;
constexpr int editor_label_x = 10, editor_label_width = 30, editor_label_height = 25;
constexpr int editor_field_x = 45, editor_field_width = 460, editor_row_height = 20;
constexpr int editor_browse_x = 515, editor_browse_width = 45;
constexpr int editor_ok_x = 460, editor_ok_y = 205, editor_ok_width = 100;

bool manager_open() { return rt::window_exists(core::WindowPlaylist); }

void show_status(const std::string& text) { rt::set_status_text(core::WindowPlaylist, 0, text); }

std::vector<std::string> view_items() {
    std::vector<std::string> items;
    for (int i = 0; i < rt::list_item_count(GadgetPlaylistView); ++i)
        items.push_back(rt::list_item_text(GadgetPlaylistView, i));
    return items;
}

void show_in_view(const std::vector<std::string>& paths) {
    rt::clear_list_items(GadgetPlaylistView);
    for (const std::string& path : paths) rt::add_list_item(GadgetPlaylistView, path);
}

std::string favourite_key(int n) { return std::string(keys::MRUPrefix) + std::to_string(n); }

// The desk menu's item of favourite `n` shows the file's name after `prefix`.
void relabel_favourite_item(const core::State& s, int n, const std::string& prefix) {
    rt::set_menu_item_text(core::MenuDesk, core::ItemPlaylist1 + n - 1,
                           prefix + platform::name_without_extension(s.MRU[std::size_t(n)]));
}

// What opening a playlist file for reading found.
enum class Opened {
    Read,     // the bytes are the file's
    Created,  // there was no file; an empty one was made
    Failed,   // not a regular file, too large, unreadable, or could not be created
};

// Reads the playlist file at `path`; a missing one is created empty. A
// file that may be read but not written loads all the same.
Opened open_playlist(const std::string& path, std::string& bytes) {
    PlaylistFile file = read_playlist_file(path);
    switch (file.status) {
    case PlaylistFileStatus::Read: bytes = std::move(file.bytes); return Opened::Read;
    case PlaylistFileStatus::Missing:
        bytes.clear();
        return !path.empty() && platform::replace_file(path, "") ? Opened::Created : Opened::Failed;
    case PlaylistFileStatus::Refused: break;
    }
    return Opened::Failed;
}

std::mt19937_64& random_source() {
    static std::mt19937_64 generator{std::random_device{}()};
    return generator;
}

// Places the manager's controls for an inner size of `width` x `height` below the menu bar at `top`.
void place_controls(int top, int width, int height) {
    const int dx = width - manager_width, dy = height - manager_height;
    for (const Place& p : manager_places) {
        switch (p.anchor) {
        case Anchor::BottomRight: rt::move_gadget(p.gadget, p.x + dx, top + p.y + dy, p.width, p.height); break;
        case Anchor::TopRight: rt::move_gadget(p.gadget, p.x + dx, top + p.y, p.width, p.height); break;
        case Anchor::Stretch:
            rt::move_gadget(p.gadget, p.x, top + p.y, std::max(0, p.width + dx), std::max(0, p.height + dy));
            break;
        }
    }
}

void create_button(int gadget, std::string_view text) {
    const Place p = place_of(gadget);
    rt::create_button_gadget(gadget, p.x, p.y, p.width, p.height, std::string(text));
}

void build_manager(core::State& s) {
    rt::open_window(core::WindowPlaylist, 0, 0, manager_width, manager_height, std::string(texts::manager_title.fr),
                    rt::WindowFlag::Resizable | rt::WindowFlag::CloseBox | rt::WindowFlag::MinimizeBox |
                        rt::WindowFlag::MaximizeBox | rt::WindowFlag::ScreenCentered);
    if (!manager_open()) return;
    rt::create_menu_bar(core::MenuPlaylistManager, core::WindowPlaylist);
    rt::menu_title(std::string(texts::menu_title));
    rt::menu_item(core::ItemPlaylistNew, std::string(texts::item_new), core::ImagePlaylistNew);
    rt::menu_separator();
    rt::menu_item(core::ItemPlaylistQuit, std::string(texts::item_quit), core::ImagePlaylistQuit);
    rt::create_status_bar(core::WindowPlaylist, {rt::remaining_width});
    rt::set_status_text(core::WindowPlaylist, 0, std::string(texts::ready));
    // The controls' places are given below the menu bar.
    const int top = rt::menu_bar_height(core::WindowPlaylist);
    rt::resize_window(core::WindowPlaylist, manager_width, manager_height + top);

    rt::use_gadget_list(core::WindowPlaylist);
    for (const Labelled& b : manager_buttons) create_button(b.gadget, b.text.fr);
    rt::set_tooltip(GadgetLoadList, std::string(texts::load_list_tooltip));
    create_button(GadgetManagerStop, texts::stop);
    const Place label = place_of(GadgetFavouriteLabel);
    rt::create_text_gadget(GadgetFavouriteLabel, label.x, label.y, label.width, label.height,
                           std::string(texts::favourite_label), rt::TextFlag::Right);
    const Place favourites = place_of(GadgetFavouriteChoice);
    rt::create_combo_gadget(GadgetFavouriteChoice, favourites.x, favourites.y, favourites.width, favourites.height);
    const Place filter = place_of(GadgetFilter);
    rt::create_combo_gadget(GadgetFilter, filter.x, filter.y, filter.width, filter.height);
    rt::set_tooltip(GadgetFilter, std::string(texts::filter_tooltip));
    create_button(GadgetSelectAll, texts::select_all);
    create_button(GadgetSelectNone, texts::select_none);
    create_button(GadgetAddSelected, texts::add_selected);
    // The top row is 20 pixels high: its texts are set smaller to fit it.
    for (int gadget : {GadgetFilter, GadgetSelectAll, GadgetSelectNone, GadgetAddSelected})
        rt::set_gadget_font(gadget, core::FontClockSmall);

    // The browser's and the view's places are their splitters' to set.
    rt::create_folder_tree_gadget(GadgetFolderTree, 0, 0, divider_position, divider_position, s.Music_Dir);
    rt::create_file_list_gadget(GadgetFileList, 0, 0, manager_width, divider_position, s.Music_Dir,
                                std::string(texts::opening_filter));
    rt::set_file_list_column_width(GadgetFileList, 0, file_list_name_width);
    rt::set_gadget_back_colour(GadgetFileList, file_list_background);
    rt::create_list_gadget(GadgetPlaylistView, 0, 0, manager_width, divider_position);
    rt::set_gadget_front_colour(GadgetPlaylistView, view_text);
    rt::set_gadget_back_colour(GadgetPlaylistView, view_background);
    const Place area = place_of(GadgetManagerSplitter);
    rt::create_splitter_gadget(GadgetBrowserSplitter, area.x, area.y, area.width, divider_position, GadgetFolderTree,
                               GadgetFileList);
    rt::create_splitter_gadget(GadgetManagerSplitter, area.x, area.y, area.width, area.height, GadgetBrowserSplitter,
                               GadgetPlaylistView, rt::SplitterFlag::Vertical);
    rt::set_state(GadgetBrowserSplitter, divider_position);
    rt::set_state(GadgetManagerSplitter, divider_position);
    place_controls(top, manager_width, manager_height);

    for (std::string_view pattern : texts::filters) rt::add_gadget_item(GadgetFilter, std::string(pattern));
    const auto opening = std::find(std::begin(texts::filters), std::end(texts::filters), texts::opening_filter);
    rt::set_gadget_selected_item(GadgetFilter, int(opening - std::begin(texts::filters)));
}

}  // namespace

std::string numbered_item(int n, const std::string& path) {
    std::string number = std::to_string(n);
    if (number.size() < std::size_t(item_number_width))
        number.insert(0, std::size_t(item_number_width) - number.size(), ' ');
    else number.resize(std::size_t(item_number_width));
    return number + std::string(number_separator) + path;
}

std::string item_path(const std::string& item) {
    const std::size_t prefix = std::size_t(item_number_width) + number_separator.size();
    if (item.size() < prefix ||
        item.compare(std::size_t(item_number_width), number_separator.size(), number_separator) != 0)
        return item;
    // Spaces, then at least one digit, up to the separator.
    const std::string_view number(item.data(), std::size_t(item_number_width));
    const std::size_t first_digit = number.find_first_not_of(' ');
    const bool numbered = first_digit != std::string_view::npos &&
                          number.substr(first_digit).find_first_not_of("0123456789") == std::string_view::npos;
    return numbered ? item.substr(prefix) : item;
}

std::string user_music_folder() {
    return platform::existing_user_folder(platform::environment(), platform::UserFolder::Music);
}

void open_playlist_manager(core::State& s) {
    rt::set_state(core::GadgetVolume, s.Volume);
    if (s.Music_Dir.empty()) s.Music_Dir = user_music_folder();
    build_manager(s);
    if (!manager_open()) return;
    platform::media_player().warm_up();  // a list chosen here plays soon
    rt::enable_gadget_drop(GadgetPlaylistView, rt::DropKind::Files);

    rt::set_window_title(core::WindowPlaylist, texts::manager_title.in(s.Lng));
    for (const Labelled& b : manager_buttons) rt::set_text(b.gadget, b.text.in(s.Lng));
    for (const PopupLabel& p : popup_labels) rt::set_menu_item_text(p.menu, p.item, p.text.in(s.Lng));
    std::vector<std::string> titles;
    for (const core::Text& title : texts::column_titles) titles.push_back(title.in(s.Lng));
    rt::set_file_list_column_titles(GadgetFileList, titles);

    for (int n = 1; n <= core::mru_count; ++n) rt::add_gadget_item(GadgetFavouriteChoice, s.MRU[std::size_t(n)]);
}

void close_playlist_manager(core::State& s) {
    config::set_string_key(s, keys::Global, keys::Music_Dir, s.Music_Dir);
    rt::close_window(core::WindowPlaylist);
}

void lay_out_playlist_manager(core::State&) {
    if (!manager_open()) return;
    const int top = rt::menu_bar_height(core::WindowPlaylist);
    place_controls(top, rt::window_width(core::WindowPlaylist), rt::window_height(core::WindowPlaylist) - top);
}

void load_list(core::State& s) {
    const auto chosen =
        rt::open_file(std::string(texts::load_title), user_music_folder(), std::string(texts::load_filter));
    if (!chosen || chosen->empty()) return;
    std::string bytes;
    if (open_playlist(*chosen, bytes) == Opened::Failed) return;

    clear(s.Play_List);
    int n = 0;
    for (const std::string& entry : playlist_entries(bytes)) {
        append(s.Play_List, entry);
        rt::add_list_item(GadgetPlaylistView, numbered_item(++n, entry));
    }
    show_status(std::string(texts::list_loaded));
    rt::set_text(core::GadgetNowPlaying, std::string(texts::ready_count_before) +
                                             std::to_string(s.Play_List.paths.size()) +
                                             std::string(texts::ready_count_after));
}

void show_current_list(core::State& s) {
    if (is_empty(s.Play_List)) {
        rt::message_box(texts::no_list_title.in(s.Lng), texts::no_list.in(s.Lng), rt::MessageButtons::Ok,
                        rt::MessageIcon::Error);
        return;
    }
    show_in_view(s.Play_List.paths);
    show_status(std::string(texts::list_loaded));
}

void new_list(core::State& s) {
    clear(s.Play_List);
    rt::clear_list_items(GadgetPlaylistView);
    rt::enable_gadget_drop(GadgetPlaylistView, rt::DropKind::Files);
    show_status(texts::drag_here.in(s.Lng));
}

void drop_on_view(core::State& s, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        rt::add_list_item(GadgetPlaylistView, path);
        append(s.Play_List, path);
    }
}

void add_selected_files(core::State&) {
    const std::string folder = platform::with_trailing_separator(rt::file_list_folder(GadgetFileList));
    for (const std::string& name : rt::file_list_selected_names(GadgetFileList))
        rt::add_list_item(GadgetPlaylistView, folder + name);
}

void delete_item(core::State&) { rt::remove_list_item(GadgetPlaylistView, rt::list_selected_item(GadgetPlaylistView)); }

void shuffle_list(core::State& s) {
    std::vector<std::string>& paths = s.Play_List.paths;
    const std::string current = current_path(s.Play_List);
    // Fisher-Yates: each place takes one of the entries not placed yet, each as likely.
    for (std::size_t i = paths.size(); i > 1; --i) {
        std::uniform_int_distribution<std::size_t> pick(0, i - 1);
        std::swap(paths[i - 1], paths[pick(random_source())]);
    }
    // The current entry stays current, wherever it went.
    if (has_current(s.Play_List))
        s.Play_List.current = int(std::find(paths.begin(), paths.end(), current) - paths.begin());
    if (manager_open()) show_in_view(paths);
}

void play_from_browser(core::State& s) {
    const std::string name = rt::file_list_current_name(GadgetFileList);
    if (name.empty()) return;
    play_one_file(s, platform::with_trailing_separator(rt::file_list_folder(GadgetFileList)) + name);
}

void play_from_view(core::State& s) {
    const int selected = rt::list_selected_item(GadgetPlaylistView);
    if (selected < 0) return;
    play_one_file(s, item_path(rt::list_item_text(GadgetPlaylistView, selected)));
}

void play_from_here(core::State&) { rt::message_box(std::string(texts::sorry_title), std::string(texts::sorry)); }

void save_list(core::State& s) {
    if (rt::list_item_count(GadgetPlaylistView) == 0) {
        rt::message_box(std::string(texts::empty_view_title), std::string(texts::empty_view), rt::MessageButtons::Ok,
                        rt::MessageIcon::Warning);
        return;
    }
    const auto chosen = rt::save_file("", user_music_folder(), std::string(texts::save_filter));
    if (!chosen || chosen->empty()) return;
    std::vector<std::string> paths;
    for (const std::string& item : view_items()) paths.push_back(item_path(item));
    // A failed save says nothing; the old file, if any, stays whole.
    if (!platform::replace_file(*chosen, playlist_bytes(paths))) return;
    show_status(std::string(texts::saved_status));
    const std::string notice = texts::saved.in(s.Lng);
    clocks::show_notice(s, notice, notice, playlist_notice_colour, 0);
}

void folder_chosen(core::State& s) {
    const std::string folder = rt::folder_tree_folder(GadgetFolderTree);
    if (folder.empty()) return;
    rt::set_file_list_folder(GadgetFileList, folder);
    s.Music_Dir = folder;
}

void filter_chosen(core::State&) { rt::set_file_list_pattern(GadgetFileList, rt::gadget_text(GadgetFilter)); }

void select_all_files(core::State&) { rt::select_all_file_list(GadgetFileList, true); }

void select_no_files(core::State&) { rt::select_all_file_list(GadgetFileList, false); }

void file_list_event(core::State& s, const rt::Event& e) {
    switch (e.type) {
    case rt::EventType::LeftDoubleClick: play_from_browser(s); break;
    case rt::EventType::RightClick: rt::display_popup_menu(core::MenuMusicBrowser, core::WindowPlaylist); break;
    case rt::EventType::DragStart: {
        const std::string folder = platform::with_trailing_separator(rt::file_list_folder(GadgetFileList));
        std::vector<std::string> paths;
        for (const std::string& name : rt::file_list_selected_names(GadgetFileList)) paths.push_back(folder + name);
        if (!paths.empty()) rt::drag_files(paths);
        break;
    }
    default: break;
    }
}

void view_event(core::State& s, const rt::Event& e) {
    if (e.type == rt::EventType::LeftDoubleClick) play_from_view(s);
    else if (e.type == rt::EventType::RightClick) rt::display_popup_menu(core::MenuMusicPlaylist, core::WindowPlaylist);
}

void load_favourite(core::State& s, const std::string& path) {
    stop_button(s);
    std::string bytes;
    if (open_playlist(path, bytes) == Opened::Failed) {
        clocks::show_notice(s, std::string(texts::cannot_open) + path, std::string(texts::cannot_open_spoken),
                            playlist_notice_colour, 0);
        return;
    }
    clear(s.Play_List);
    for (const std::string& entry : favourite_entries(bytes)) append(s.Play_List, entry);
    rt::set_text(core::GadgetNowPlaying, std::string(texts::click_play));
    s.Volume = rt::gadget_state(core::GadgetVolume);
    if (s.Audio_Available == 1) set_radio_volume(s, float(s.Volume) / radio_full_scale);
    play_from_start(s);
}

void favourite_chosen(core::State& s) { load_favourite(s, rt::gadget_text(GadgetFavouriteChoice)); }

void play_favourite_list(core::State& s, int n) {
    if (n < 1 || n > core::mru_count) return;
    load_favourite(s, s.MRU[std::size_t(n)]);
}

void open_favourites_editor(core::State& s) {
    rt::open_window(core::WindowPlaylistEditor, 0, 0, editor_width, editor_height, std::string(texts::editor_title),
                    rt::WindowFlag::CloseBox | rt::WindowFlag::ScreenCentered);
    if (!rt::window_exists(core::WindowPlaylistEditor)) return;
    rt::create_status_bar(core::WindowPlaylistEditor, {rt::remaining_width});
    rt::set_status_text(core::WindowPlaylistEditor, 0, std::string(texts::editor_status));
    rt::use_gadget_list(core::WindowPlaylistEditor);
    for (int n = 1; n <= core::mru_count; ++n) {
        const int y = editor_first_row_y + (n - 1) * editor_row_step;
        rt::create_text_gadget(GadgetEditorLabel1 + n - 1, editor_label_x, y, editor_label_width, editor_label_height,
                               std::to_string(n) + ".", rt::TextFlag::Right);
        rt::create_string_gadget(GadgetEditorField1 + n - 1, editor_field_x, y, editor_field_width, editor_row_height,
                                 s.MRU[std::size_t(n)]);
        rt::create_button_gadget(GadgetEditorBrowse1 + n - 1, editor_browse_x, y, editor_browse_width,
                                 editor_row_height, std::string(texts::browse));
    }
    rt::create_button_gadget(GadgetEditorOk, editor_ok_x, editor_ok_y, editor_ok_width, editor_row_height,
                             std::string(texts::ok));
}

void browse_favourite(core::State& s, int n) {
    if (n < 1 || n > core::mru_count) return;
    std::string& favourite = s.MRU[std::size_t(n)];
    // An empty row looks where lists are loaded from.
    const auto chosen =
        rt::open_file(std::string(texts::browse_title), favourite.empty() ? user_music_folder() : favourite,
                      std::string(texts::browse_filter));
    if (!chosen || chosen->empty() || *chosen == favourite) return;
    favourite = *chosen;
    rt::set_text(GadgetEditorField1 + n - 1, favourite);
    relabel_favourite_item(s, n, std::to_string(n) + ".");
    config::set_string_key(s, keys::MRU, favourite_key(n), favourite);
}

void favourites_editor_ok(core::State& s) {
    for (int n = 1; n <= core::mru_count; ++n) {
        s.MRU[std::size_t(n)] = rt::gadget_text(GadgetEditorField1 + n - 1);
        relabel_favourite_item(s, n, std::to_string(n) + ". ");
    }
    for (int n = 1; n <= core::mru_count; ++n)
        config::set_string_key(s, keys::MRU, favourite_key(n), s.MRU[std::size_t(n)]);
    rt::close_window(core::WindowPlaylistEditor);
}

}  // namespace music
