// Geometry of the desk and the small text rules of slots and web shortcuts.
#include "desk/layout.h"

#include <map>

#include <gtest/gtest.h>

#include "core/state.h"
#include "desk/editing.h"
#include "desk/pictures.h"
#include "desk/web_icons.h"
#include "platform/paths.h"

namespace {

using desk::LayoutStep;

std::map<int, desk::CellPlace> cells_of(const std::vector<LayoutStep>& steps) {
    std::map<int, desk::CellPlace> cells;
    for (const auto& step : steps)
        if (step.kind == LayoutStep::Cell) cells[step.cell.slot] = step.cell;
    return cells;
}

TEST(DeskLayout, CellsSitAtTheirRowsAndColumns) {
    struct Row {
        bool separators;
        int slot, page, x, y;
    };
    const Row rows[] = {
        {true, 1, 1, 3, 18},       {true, 2, 1, 38, 18},   {true, 3, 1, 73, 18},     {true, 4, 1, 3, 53},
        {true, 9, 1, 73, 88},      {true, 10, 1, 3, 141},  {true, 19, 1, 3, 264},    {true, 99, 1, 73, 1318},
        {true, 101, 2, 3, 18},     {true, 110, 2, 3, 141}, {true, 201, 3, 3, 18},    {true, 299, 3, 73, 1318},
        {false, 1, 1, 3, 0},       {false, 4, 1, 3, 35},   {false, 99, 1, 73, 1120}, {false, 101, 2, 3, 0},
        {false, 299, 3, 73, 1120},
    };
    const auto with = cells_of(desk::desk_layout(true, 300));
    const auto without = cells_of(desk::desk_layout(false, 300));
    for (const Row& row : rows) {
        const auto& cells = row.separators ? with : without;
        ASSERT_TRUE(cells.contains(row.slot)) << row.slot;
        const auto& cell = cells.at(row.slot);
        EXPECT_EQ(cell.page, row.page) << row.slot;
        EXPECT_EQ(cell.x, row.x) << row.slot << (row.separators ? " with" : " without") << " separators";
        EXPECT_EQ(cell.y, row.y) << row.slot << (row.separators ? " with" : " without") << " separators";
    }
}

TEST(DeskLayout, EveryCellFollowsTheZoneRule) {
    // Zone z (from 0) of a page has its band at 123z and its rows at +18, +53, +88.
    const auto cells = cells_of(desk::desk_layout(true, 300));
    for (const auto& [slot, cell] : cells) {
        const int index = (slot - 1) % 100;  // 0-98 within the page
        const int zone = index / 9, row = index % 9 / 3, column = index % 3;
        EXPECT_EQ(cell.y, 123 * zone + 18 + 35 * row) << slot;
        EXPECT_EQ(cell.x, 3 + 35 * column) << slot;
    }
}

TEST(DeskLayout, SlotsWithoutCells) {
    const auto full = cells_of(desk::desk_layout(true, 300));
    EXPECT_EQ(full.size(), 297u);
    for (int slot : {100, 200, 300}) {
        EXPECT_FALSE(full.contains(slot)) << slot;
        EXPECT_FALSE(desk::has_cell(slot)) << slot;
    }
    EXPECT_FALSE(desk::has_cell(0));
    EXPECT_TRUE(desk::has_cell(299));

    const auto developer = cells_of(desk::desk_layout(false, desk::developer_slot_count));
    EXPECT_EQ(developer.size(), 30u);
    EXPECT_EQ(developer.rbegin()->first, 30);
    EXPECT_TRUE(cells_of(desk::desk_layout(true, 0)).empty());
}

TEST(DeskLayout, SeparatorNumbersOverlapOnPageChanges) {
    std::vector<desk::SeparatorPlace> expected;
    for (int page = 1; page <= 3; ++page)
        for (int zone = 0; zone < 11; ++zone) expected.push_back({10 * (page - 1) + zone + 1, page, 123 * zone});
    std::vector<desk::SeparatorPlace> made;
    for (const auto& step : desk::desk_layout(true, 300))
        if (step.kind == LayoutStep::Separator) made.push_back(step.separator);
    EXPECT_EQ(made, expected);
    // 11 is made on page 1 then again on page 2, 21 on page 2 then on page 3.
    EXPECT_EQ(made[10], (desk::SeparatorPlace{11, 1, 1230}));
    EXPECT_EQ(made[11], (desk::SeparatorPlace{11, 2, 0}));
    EXPECT_EQ(made[22], (desk::SeparatorPlace{21, 3, 0}));

    for (const auto& step : desk::desk_layout(false, 300)) EXPECT_EQ(step.kind, LayoutStep::Cell);
}

TEST(SlotTexts, NamesTitlesAndLabels) {
    struct Row {
        const char* path;
        const char* name;
        const char* pasted;
    };
    const Row rows[] = {
        {"/usr/bin/firefox.exe", "firefox", "Firefox"}, {"/home/me/archive.tar.gz", "archive.tar", "Archive.tar"},
        {"/home/me/.bashrc", ".bashrc", ".bashrc"},     {"/home/me/été.txt", "été", "Été"},
        {"/home/me/Dossier", "Dossier", "Dossier"},     {"relative", "relative", "Relative"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(platform::name_without_extension(row.path), row.name) << row.path;
        EXPECT_EQ(desk::pasted_title(row.path), row.pasted) << row.path;
    }
    EXPECT_EQ(desk::free_slot_label(7), "  7");
    EXPECT_EQ(desk::free_slot_label(42), " 42");
    EXPECT_EQ(desk::free_slot_label(299), "299");

    core::Slot slot;
    slot.title = "Vim";
    slot.target = "/usr/bin/vim";
    EXPECT_EQ(desk::move_list_line(slot, 5), "  5 - Vim - /usr/bin/vim");
    EXPECT_EQ(desk::move_list_line(core::Slot{}, 300), "300 -  - ");
}

TEST(SlotTexts, ClipboardPaths) {
    struct Row {
        const char* clipboard;
        const char* path;
    };
    const Row rows[] = {
        {"\"/usr/bin/vim\"", "/usr/bin/vim"},
        {"  /usr/bin/vim\n", "/usr/bin/vim"},
        {"/a \"quoted\" name", "/a quoted name"},
        {"file:///home/me/My%20Files/a.txt\r\n", "/home/me/My Files/a.txt"},
        {"/first\n/second", "/first"},
        {"", ""},
    };
    for (const Row& row : rows) EXPECT_EQ(desk::clipboard_path(row.clipboard), row.path) << row.clipboard;
}

TEST(WebShortcuts, SitesAndIconAddresses) {
    struct Row {
        const char* target;
        const char* site;
        const char* icon;
    };
    const Row rows[] = {
        {"http://www.example.org/page", "www.example.org", "http://www.example.org/favicon.ico"},
        {"https://user:pw@example.org/x", "example.org", "http://example.org/favicon.ico"},
        {"http://example.org:8080/", "example.org", "http://example.org:8080/favicon.ico"},
        {"HTTP://EXAMPLE.ORG", "EXAMPLE.ORG", "http://EXAMPLE.ORG/favicon.ico"},
        {"http://example.org?q=1", "example.org?q=1", "http://example.org/favicon.ico"},
        {"http://site/a@b", "site", "http://site/favicon.ico"},
        {"httpexample.org", "", ""},
        {"http://", "", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(desk::site_of(row.target), row.site) << row.target;
        EXPECT_EQ(desk::site_icon_address(row.target), row.icon) << row.target;
    }
    for (const char* web : {"http://a", "HTTP://a", "Http", "https://x"}) EXPECT_TRUE(desk::is_web_target(web)) << web;
    for (const char* local : {"", "htt", "/http", "ftp://a"}) EXPECT_FALSE(desk::is_web_target(local)) << local;
}

}  // namespace
