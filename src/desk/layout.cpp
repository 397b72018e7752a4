#include "desk/layout.h"

#include <algorithm>

namespace desk {

namespace {

constexpr int slots_per_page = 100;
constexpr int slots_per_zone = 9;
constexpr int separators_per_page = 10;  // the separator counter jumps to 10 and 20 at pages 2 and 3
constexpr int last_column_x = 96;        // a column position past this starts a new row

constexpr int last_separated_index = 90;  // the page's eleventh and last zone starts after it

// The slots after which the build places a separator: the first slot of the
// page, then every ninth up to the 90th (9, 18, ... 90 on page 1).
bool separator_follows(int slot) {
    const int index = (slot - 1) % slots_per_page + 1;  // 1-99 within the page
    return index == 1 || (index % slots_per_zone == 0 && index <= last_separated_index);
}

}  // namespace

int page_of(int slot) {
    if (slot < 1 || slot > 3 * slots_per_page) return 0;
    return (slot - 1) / slots_per_page + 1;
}

bool has_cell(int slot) { return slot >= 1 && slot < 3 * slots_per_page && slot % slots_per_page != 0; }

std::vector<LayoutStep> desk_layout(bool show_separators, int slot_count) {
    std::vector<LayoutStep> steps;
    const int last = std::min(slot_count, 3 * slots_per_page);
    int x = column_x[0], y = 0, separator = 0;
    for (int n = 1; n <= last; ++n) {
        if (!has_cell(n)) {
            y = 0;  // slots 100 and 200 end their page
            continue;
        }
        const int page = page_of(n);
        CellPlace cell{n, page, x, y};
        if (n % slots_per_page == 1) cell.y = show_separators ? separator_height : 0;
        x += row_pitch;
        if (x > last_column_x) {
            x = column_x[0];
            y += row_pitch;
        }
        steps.push_back({LayoutStep::Cell, cell, {}});
        if (show_separators && separator_follows(n)) {
            if (n % slots_per_page == 1) separator = separators_per_page * (page - 1);
            ++separator;
            steps.push_back({LayoutStep::Separator, {}, {separator, page, y}});
            y += separator_height;
        }
    }
    return steps;
}

bool is_web_target(const std::string& target) {
    if (target.size() < 4) return false;
    std::string head = target.substr(0, 4);
    std::ranges::transform(head, head.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return head == "http";
}

}  // namespace desk
