// A file browser and lists of texts (gadget_files.cpp): a folder tree and a
// file list over the toolkit's file-system model, a list box of texts, and
// splitters that hold two gadgets.
//
// Events:
//   folder tree   Change, when the user chooses a folder
//   file list     LeftClick, LeftDoubleClick, RightClick, DragStart (left
//                 button held on a selected file and moved past the drag
//                 distance; drag_files() of rt/dragdrop.h then drags)
//   list box      LeftClick, LeftDoubleClick, RightClick
// The file system is read in the background by the toolkit: a folder's files
// appear in the list some time after it is shown (wait_for_file_list()).
#pragma once

#include <string>
#include <vector>

namespace rt {

// A tree of the folders of the file system, `folder` chosen and shown.
void create_folder_tree_gadget(int number, int x, int y, int width, int height, const std::string& folder);
// The chosen folder, without a trailing separator; "" when none.
std::string folder_tree_folder(int number);
void set_folder_tree_folder(int number, const std::string& folder);

// The files (not the folders) of `folder` whose names match `pattern` (a
// shell pattern such as "*.mp3", matched without regard to letter case), in
// columns: name, size, type, date. Several may be selected.
void create_file_list_gadget(int number, int x, int y, int width, int height, const std::string& folder,
                             const std::string& pattern);
void set_file_list_folder(int number, const std::string& folder);
// The folder shown, without a trailing separator; "" when not a file list.
std::string file_list_folder(int number);
void set_file_list_pattern(int number, const std::string& pattern);
// The names shown, in the order shown.
std::vector<std::string> file_list_names(int number);
// The names of the selected files, in the order shown.
std::vector<std::string> file_list_selected_names(int number);
// The item the user last clicked (the current one), when it is a selected
// file; else the first selected file; "" when none is selected.
std::string file_list_current_name(int number);
void select_all_file_list(int number, bool selected);
void set_file_list_column_width(int number, int column, int width);
// The columns' titles, from the first; the toolkit's own for those not given.
void set_file_list_column_titles(int number, const std::vector<std::string>& titles);
// Runs the toolkit until the file list has read its folder, for at most
// `limit_ms`. True when it has.
bool wait_for_file_list(int number, int limit_ms);

// A list of one-line texts, one selected at most.
void create_list_gadget(int number, int x, int y, int width, int height);
void add_list_item(int number, const std::string& text);
void remove_list_item(int number, int index);
void clear_list_items(int number);
int list_item_count(int number);
// "" for an item that does not exist.
std::string list_item_text(int number, int index);
// -1 when none is selected.
int list_selected_item(int number);
// -1 selects none.
void set_list_selected_item(int number, int index);

struct SplitterFlag {
    enum : unsigned {
        Vertical = 1u << 0,  // one above the other; side by side when not set
    };
};

// A splitter at the given place that takes gadgets `first` (left or top)
// and `second` (right or bottom) from their lists and holds them, with a
// divider the user can move. Its state (rt/gadget.h) is the divider's
// position: the size of the first gadget along the split, in pixels.
void create_splitter_gadget(int number, int x, int y, int width, int height, int first, int second, unsigned flags = 0);

}  // namespace rt
