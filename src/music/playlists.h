// Playlists: the playlist manager window (a file browser above the view of
// a playlist, with buttons to load, save, shuffle, play and stop), the five
// favourite playlists with their editor, and the desk menu's favourite items.
//
// The view and `Play_List` are changed by different commands, as each says;
// they are not kept equal. An item that Load list added shows its number
// before the path ("    1 - /music/a.mp3"); every other item is the bare path.
#pragma once

#include <string>
#include <vector>

#include "core/state.h"
#include "music/ids.h"
#include "rt/events.h"

namespace music {

// The manager's size when it opens, below its menu bar.
inline constexpr int manager_width = 820;
inline constexpr int manager_height = 575;
// The favourites editor's size.
inline constexpr int editor_width = 570;
inline constexpr int editor_height = 260;

// The notice of a saved playlist and of a favourite that cannot be opened (0xBBGGRR).
inline constexpr core::Colour playlist_notice_colour = 0x2FFFAD;  // RGB(173, 255, 47)

// The width of the number before the path of a loaded item.
inline constexpr int item_number_width = 5;

// The view's item for entry `n` of a load: n right-aligned in
// item_number_width characters (its first ones when longer), " - ", the path.
std::string numbered_item(int n, const std::string& path);
// The path an item of the view stands for: without its number and " - " when it has them.
std::string item_path(const std::string& item);

// The folder the manager shows when none was stored: the user's music folder
// when it exists, else the home folder.
std::string user_music_folder();

// Clock-bar icon 28: opens the manager (replacing an open one) on `Music_Dir`.
void open_playlist_manager(core::State& s);
// Button 94, the close box and menu item 68: stores `Music_Dir`, closes the manager.
void close_playlist_manager(core::State& s);
// The manager was resized: the button rows keep their distance to the
// right and bottom edges, the top row to the right edge; the browser and the
// view take the rest.
void lay_out_playlist_manager(core::State& s);

// Button 95: asks for a playlist file and adds its entries to the view,
// numbered from 1, and makes them `Play_List`.
void load_list(core::State& s);
// Button 96: the view shows `Play_List`, or a message says there is none.
void show_current_list(core::State& s);
// Button 98: empties `Play_List` and the view, which waits for dropped files.
void new_list(core::State& s);
// Files dropped on the view: each is added to the view and to `Play_List`.
void drop_on_view(core::State& s, const std::vector<std::string>& paths);
// Button 107, popup item 87: the selected files of the file list go to the view.
void add_selected_files(core::State& s);
// Popup item 90: removes the selected item from the view.
void delete_item(core::State& s);
// Button 104: `Play_List` in a random order, every order equally likely, and the view shows it.
void shuffle_list(core::State& s);
// Double click in the file list, popup item 85: plays the file alone.
void play_from_browser(core::State& s);
// Double click in the view, popup item 88: plays the item's file alone.
void play_from_view(core::State& s);
// Popup item 89: not there yet, says so.
void play_from_here(core::State& s);
// Button 99: writes the view's paths to a file the user names.
void save_list(core::State& s);

// The browser: a folder chosen in the tree, a pattern chosen, all or no files selected.
void folder_chosen(core::State& s);
void filter_chosen(core::State& s);
void select_all_files(core::State& s);
void select_no_files(core::State& s);
// The file list's and the view's mouse: double clicks, popup menus, dragging files out.
void file_list_event(core::State& s, const rt::Event& e);
void view_event(core::State& s, const rt::Event& e);

// Stops the player and the radio, reads the file at `path` whole as the
// playlist (a missing file is created empty) and plays it from the start. A
// file that cannot be opened or created is announced on a notice.
void load_favourite(core::State& s, const std::string& path);
// List 100: the chosen favourite.
void favourite_chosen(core::State& s);
// Desk menu items 28 to 32 and Ctrl+1 to Ctrl+5: favourite `n` (1-5).
void play_favourite_list(core::State& s, int n);

// Desk menu item 48: the favourites editor.
void open_favourites_editor(core::State& s);
// Button "..." of row `n`: a chosen file becomes favourite `n`, stored at once.
void browse_favourite(core::State& s, int n);
// Button OK: the five fields become the favourites, stored; the editor closes.
void favourites_editor_ok(core::State& s);

}  // namespace music
