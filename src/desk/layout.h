// Where every slot cell and separator of the desk lies: pure geometry, no
// gadgets. Slots 1-99 are on page 1, 101-199 on page 2 and 201-299 on page 3;
// slots 100, 200 and 300 have no cell. Positions are pixels inside the page.
#pragma once

#include <string>
#include <vector>

namespace desk {

inline constexpr int page_count = 3;
// The page shown at start; the others are built once the desk is on screen.
inline constexpr int first_page = 1;
// The slot count of a start with the developer switch as second argument.
inline constexpr int developer_slot_count = 30;

inline constexpr int icon_size = 32;
inline constexpr int column_x[] = {3, 38, 73};
inline constexpr int row_pitch = 35;
inline constexpr int separator_height = 18;
inline constexpr int separator_text_height = 15;
inline constexpr int desk_width = 110;

// The page area inside the desk window.
inline constexpr int page_left = 1, page_top = 265, page_width = 108, page_height = 2000;
// The page tabs: drawing surfaces at x 1, 37, 73 and y 232; their pictures
// at x 4, 39, 74 and y 233 in the desk window.
inline constexpr int tab_x[] = {1, 37, 73};
inline constexpr int tab_y = 232, tab_width = 36, tab_height = 38;
inline constexpr int tab_picture_x[] = {4, 39, 74};
inline constexpr int tab_picture_y = 233;

struct CellPlace {
    int slot;  // 1-299
    int page;  // 1-3
    int x, y;
    bool operator==(const CellPlace&) const = default;
};

struct SeparatorPlace {
    int separator;  // 1-31; 11 and 21 come twice, on two pages
    int page;       // 1-3
    int y;
    bool operator==(const SeparatorPlace&) const = default;
};

// One step of building the desk, in the order the build makes it.
struct LayoutStep {
    enum Kind { Cell, Separator } kind;
    CellPlace cell{};            // for Cell
    SeparatorPlace separator{};  // for Separator
};

// The cells of slots 1 to `slot_count` (at most 300) that have one, and the
// separators when `show_separators`, in build order. A separator made for a
// number already made replaces the earlier one (11 and 21).
std::vector<LayoutStep> desk_layout(bool show_separators, int slot_count);

// 1-3 for slots 1-300 (100 is page 1's, 200 page 2's, 300 page 3's); 0 otherwise.
int page_of(int slot);
// True for slots 1-299 except 100 and 200.
bool has_cell(int slot);

// True when `target` is a web address: it starts with "http" in any letter case.
bool is_web_target(const std::string& target);

}  // namespace desk
