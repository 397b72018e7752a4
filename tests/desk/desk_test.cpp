// The desk as built at start: cells, separators, pages and tabs, free slots,
// the icon library, move mode and moving slots by drag and drop.
#include "desk/desk.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "clock/ids.h"
#include "core/ids.h"
#include "core/images.h"
#include "desk/icon_library.h"
#include "desk/ids.h"
#include "desk/pictures.h"
#include "desk_fixture.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/internal.h"
#include "rt/menu.h"
#include "rt/window.h"

using rt::DropKind;
using rt::EventKind;
using rt::EventType;
using rt::MessageAnswer;

namespace {

class Desk : public test::DeskScenario {};

// Each tab's picture stands at its own place in the desk window: every opaque
// pixel of the picture is on screen where it belongs.
TEST_F(Desk, TabPicturesAtX4_39_74) {
    start_desk({});
    const QImage window = rt::window_widget(core::WindowDesk)->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    struct Row {
        int image, x;
    };
    const Row rows[] = {{core::ImagePageTab1, 4}, {core::ImagePageTab2, 39}, {core::ImagePageTab3, 74}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        const auto picture = rt::image_pixels(row.image);
        ASSERT_TRUE(picture);
        int compared = 0, same = 0;
        for (int y = 0; y < picture->height; ++y) {
            for (int x = 0; x < picture->width; ++x) {
                const std::uint32_t p = picture->argb[std::size_t(y * picture->width + x)];
                if (p >> 24 != 0xFF) continue;
                ++compared;
                same += (window.pixel(row.x + x, 233 + y) & 0xFFFFFFu) == (p & 0xFFFFFFu);
            }
        }
        ASSERT_GT(compared, 0);
        EXPECT_EQ(same, compared);
    }
}

TEST_F(Desk, CellsAndSeparatorsAtTheirPlaces) {
    start_desk({});
    struct Row {
        int gadget, x, y;
    };
    const Row rows[] = {
        {desk::slot_gadget(1), 3, 18},     {desk::slot_gadget(4), 3, 53},      {desk::slot_gadget(10), 3, 141},
        {desk::slot_gadget(101), 3, 18},   {desk::slot_gadget(299), 73, 1318}, {desk::separator_band(1), 0, 0},
        {desk::separator_band(2), 0, 123}, {desk::separator_band(11), 0, 0},   {desk::separator_band(31), 0, 1230},
        {desk::GadgetPage1, 1, 265},       {desk::GadgetPageTab2, 37, 232},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(rt::gadget_exists(row.gadget)) << row.gadget;
        EXPECT_EQ(rt::gadget_x(row.gadget), row.x) << row.gadget;
        EXPECT_EQ(rt::gadget_y(row.gadget), row.y) << row.gadget;
    }
    for (int slot : {100, 200, 300}) {
        EXPECT_FALSE(rt::gadget_exists(desk::slot_gadget(slot))) << slot;
        EXPECT_EQ(state.slot_table[std::size_t(slot)].control, -1) << slot;
    }
    EXPECT_EQ(rt::gadget_width(desk::separator_band(1)), 110);
    EXPECT_EQ(rt::gadget_height(desk::separator_click_area(1)), 18);
    EXPECT_EQ(rt::gadget_text(desk::separator_band(1)), "First");
    // Separator 11 heads page 2 and 21 page 3; the last zones of pages 1 and 2 keep no band.
    EXPECT_EQ(rt::gadget_text(desk::separator_band(11)), "Eleven");
    EXPECT_EQ(state.separators[11].click_area, desk::separator_click_area(11));
    EXPECT_EQ(rt::gadget_y(desk::separator_band(21)), 0);
}

TEST_F(Desk, WithoutSeparatorsRowsFollowEachOther) {
    start_desk({}, false);
    EXPECT_EQ(rt::gadget_y(desk::slot_gadget(1)), 0);
    EXPECT_EQ(rt::gadget_y(desk::slot_gadget(4)), 35);
    EXPECT_FALSE(rt::gadget_exists(desk::separator_band(1)));
    EXPECT_EQ(state.separators[1].click_area, -1);
}

TEST_F(Desk, DeveloperSwitchMakesThirtyCells) {
    audio_library(2000);
    data_file(desk_file({}));
    start({"/x", "/Developpement"});
    EXPECT_EQ(state.Slot_Count, 30);
    EXPECT_TRUE(rt::gadget_exists(desk::slot_gadget(30)));
    EXPECT_FALSE(rt::gadget_exists(desk::slot_gadget(31)));
    EXPECT_FALSE(rt::gadget_exists(desk::slot_gadget(101)));
}

TEST_F(Desk, FreeSlotsShowTheirNumberInGrey) {
    start_desk({});
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(7)), "7 Libre");
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(207)), "207 Libre") << "page 3's cells are made after page 1";
    // Grey ink, and "  7" starts further right than the three digits of "107".
    const auto leftmost_ink = [&](int n) {
        desk::draw_free_slot(state, n);
        const auto picture = rt::image_pixels(state.slot_table[std::size_t(n)].picture);
        int leftmost = 99;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const std::uint32_t p = pixel(*picture, x, y);
                if (p >> 24 == 0) continue;
                // Faint edge pixels lose colour precision; the body of the digits is grey.
                if (p >> 24 >= 100) {
                    for (int shift : {0, 8, 16})
                        EXPECT_NEAR(int(p >> shift & 0xFF), 128, 12) << n << " at " << x << "," << y;
                }
                EXPECT_LE(p >> 24, 200u);
                leftmost = std::min(leftmost, x);
            }
        return leftmost;
    };
    EXPECT_GE(leftmost_ink(107), 9);
    EXPECT_GT(leftmost_ink(7), leftmost_ink(107) + 4);
    state.Lng = "Us";
    desk::draw_free_slot(state, 8);
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(8)), "8 Free");
}

TEST_F(Desk, PageTabsShowPagesAndChooseTheirColour) {
    start_desk({});
    EXPECT_FALSE(rt::gadget_hidden(desk::GadgetPage1));
    EXPECT_TRUE(rt::gadget_hidden(desk::GadgetPage2));
    dispatch({.kind = EventKind::Gadget,
              .window = core::WindowDesk,
              .object = desk::GadgetPageTab2,
              .type = EventType::LeftClick});
    EXPECT_TRUE(rt::gadget_hidden(desk::GadgetPage1));
    EXPECT_FALSE(rt::gadget_hidden(desk::GadgetPage2));
    EXPECT_TRUE(rt::gadget_hidden(desk::GadgetPage3));

    dialogs.answer({.colour = rt::rgb(0x12, 0x34, 0x56)});
    dispatch({.kind = EventKind::Gadget,
              .window = core::WindowDesk,
              .object = desk::GadgetPageTab3,
              .type = EventType::RightClick});
    EXPECT_EQ(state.Page_Colors[2], 0x563412u);
    EXPECT_EQ(saved("Global", "BackGroundColor_P3"), "$563412");

    dialogs.answer(rt::ScriptedAnswer{});  // the colour chooser cancelled
    dispatch({.kind = EventKind::Gadget,
              .window = core::WindowDesk,
              .object = desk::GadgetPageTab1,
              .type = EventType::RightClick});
    EXPECT_EQ(saved("Global", "BackGroundColor_P1"), "<missing>");
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST_F(Desk, WithTheLibraryTheBuildAsksNeitherDesktopNorNetwork) {
    const std::string program = make_file("tool.sh");
    const std::map<int, test::SlotEntry> slots = {
        {5, {program, "Tool"}}, {299, {program, "Last"}}, {12, {"http://site.example/", "Site"}}};
    http.serve("http://site.example/favicon.ico", {404, ""});
    start_desk(slots);
    EXPECT_EQ(file_icons.lookups, (std::vector<std::string>{program, program}));
    EXPECT_EQ(http.requests().size(), 1u);
    ASSERT_TRUE(std::filesystem::exists(library_path())) << "the first start leaves a library";
    const auto strip = library();
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->width, 9600);
    EXPECT_EQ(strip->height, 32);
    EXPECT_EQ(library_pixel(5, 0, 0), test::file_icon_colour);
    EXPECT_EQ(pixel(*strip, 9568, 0), test::file_icon_colour) << "slot 299 is the last cell";
    EXPECT_EQ(pixel(*strip, 9599, 31), test::file_icon_colour);
    EXPECT_EQ(pixel(*strip, 0, 0) >> 24, 0u) << "the cell at x 0 stays empty";

    rt::shutdown();
    file_icons.lookups.clear();
    platform::FakeHttp quiet_http;
    platform::install({&clock, &env, &quiet_http, &screen, &speech, &file_icons, &tones, &shell, &player});
    start_desk(slots);
    EXPECT_TRUE(file_icons.lookups.empty());
    EXPECT_TRUE(quiet_http.requests().empty());
    EXPECT_EQ(slot_pixel(5, 10, 10), test::file_icon_colour);
    EXPECT_EQ(slot_pixel(299, 31, 31), test::file_icon_colour);
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(299)), "Last");
    EXPECT_EQ(rt::gadget_image(desk::slot_gadget(299)), desk::slot_image(299));
    EXPECT_FALSE(desk::icon_library_present(state)) << "released once the desk is built";
    platform::install({&clock, &env, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
}

// A PNG header announcing a width x height RGBA picture, followed by `tail`.
std::string png_header(std::uint32_t width, std::uint32_t height, const std::string& tail) {
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (std::uint32_t v : {width, height})
        for (int shift : {24, 16, 8, 0}) bytes += char(v >> shift & 0xFF);
    bytes += std::string("\x08\x06\0\0\0", 5);
    bytes += std::string(4, '\0');  // a wrong checksum
    return bytes + tail;
}

TEST_F(Desk, BadLibrariesCountAsMissing) {
    const std::string program = make_file("tool.sh");
    std::vector<std::uint8_t> one_pixel = rt::encode_png({1, 1, {0xFF00FF00u}});
    rt::Pixels good{9600, 32, std::vector<std::uint32_t>(9600 * 32, 0xFF0000FFu)};
    const auto good_bytes = rt::encode_png(good);
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"zero bytes", ""},
        {"not a picture", "this is not a picture at all"},
        {"truncated", std::string(good_bytes.begin(), good_bytes.begin() + long(good_bytes.size() / 2))},
        {"one pixel", std::string(one_pixel.begin(), one_pixel.end())},
        {"10000 x 10000", png_header(10000, 10000, std::string(64, '\0'))},
        {"a strip of another size",
         [] {
             const auto bytes = rt::encode_png({64, 32, std::vector<std::uint32_t>(64 * 32, 0xFF0000FFu)});
             return std::string(bytes.begin(), bytes.end());
         }()},
    };
    for (const Row& row : rows) {
        rt::shutdown();
        file_icons.lookups.clear();
        test::write_file(library_path(), row.bytes);
        start_desk({{3, {program, "Tool"}}});
        EXPECT_EQ(file_icons.lookups, std::vector<std::string>{program}) << row.name;
        EXPECT_EQ(slot_pixel(3, 4, 4), test::file_icon_colour) << row.name;
        const auto strip = library();
        ASSERT_TRUE(strip) << row.name << ": a new library replaces the bad one";
        EXPECT_EQ(strip->width, 9600) << row.name;
        EXPECT_EQ(library_pixel(3, 4, 4), test::file_icon_colour) << row.name;
    }
}

TEST_F(Desk, MoveModeTogglesWithItsButton) {
    const std::string program = make_file("tool.sh");
    start_desk({{2, {program, "Tool"}}});
    const rt::Event move_button{.kind = EventKind::Gadget, .window = core::WindowDesk, .object = core::GadgetMoveIcons};
    dispatch(move_button);
    EXPECT_TRUE(state.Move_Icons_Mode);
    ASSERT_TRUE(rt::window_exists(core::WindowBanner));
    EXPECT_EQ(rt::gadget_text(clocks::GadgetBannerText), "Vous pouvez maintenant déplacer les icônes sur le desk");

    // In move mode a click starts nothing.
    slot_click(2, EventType::LeftClick);
    EXPECT_TRUE(shell.requests.empty());

    dispatch(move_button);
    EXPECT_FALSE(state.Move_Icons_Mode);
    slot_click(2, EventType::LeftClick);
    EXPECT_EQ(shell.requests.size(), 1u);
}

TEST_F(Desk, DraggedPictureMovesToAFreeSlotOnly) {
    const std::string a = make_file("a.sh"), b = make_file("b.sh");
    start_desk({{1, {a, "A", "-x", "/tmp"}}, {2, {b, "B"}}});
    dispatch({.kind = EventKind::Gadget, .window = core::WindowDesk, .object = core::GadgetMoveIcons});

    // Onto an occupied slot: refused, nothing moves.
    state.Drag_Source_Slot = 1;
    drop(2, DropKind::Image, "");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Désolé");
    EXPECT_EQ(dialogs.shown()[0].text, "Cet emplacement est déjà occupé.");
    EXPECT_EQ(state.slot_table[1].target, a);

    state.Drag_Source_Slot = 1;
    drop(7, DropKind::Image, "");
    EXPECT_EQ(state.slot_table[7].target, a);
    EXPECT_EQ(state.slot_table[7].title, "A");
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(7)), "A");
    EXPECT_EQ(slot_pixel(7, 5, 5), test::file_icon_colour);
    EXPECT_TRUE(state.slot_table[1].target.empty());
    EXPECT_EQ(state.slot_table[1].parameters, "-x") << "parameters stay with the place";
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(1)), "1 Libre");
    EXPECT_EQ(saved("Run", "Run7"), a);
    EXPECT_EQ(saved("Run", "Run1"), "");
    EXPECT_EQ(library_pixel(7, 5, 5), test::file_icon_colour);
    EXPECT_NE(library_pixel(1, 5, 5), test::file_icon_colour);
    EXPECT_EQ(state.Drag_Source_Slot, 0);

    // A picture from elsewhere, with no slot dragged, moves nothing.
    drop(8, DropKind::Image, "");
    EXPECT_TRUE(state.slot_table[8].target.empty());
}

// A free slot holds nothing to move: neither its drag nor its drop changes
// anything, and the target keeps its own number.
TEST_F(Desk, AFreeSlotDraggedInMoveModeMovesNothing) {
    start_desk({});
    dispatch({.kind = EventKind::Gadget, .window = core::WindowDesk, .object = core::GadgetMoveIcons});
    const auto before = rt::image_pixels(state.slot_table[8].picture);
    slot_click(7, EventType::DragStart);
    EXPECT_EQ(state.Drag_Source_Slot, 0) << "no drag begins";

    state.Drag_Source_Slot = 7;  // as if a drag had begun anyway
    drop(8, DropKind::Image, "");
    EXPECT_EQ(rt::image_pixels(state.slot_table[8].picture), before) << "slot 8 still shows 8";
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(8)), "8 Libre");
    EXPECT_EQ(rt::gadget_tooltip(desk::slot_gadget(7)), "7 Libre");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Desk, RightClickLabelsTheSlotMenu) {
    const std::string program = make_file("tool.sh");
    start_desk({{4, {program, ""}}, {5, {program, "Named"}}});
    struct Row {
        int slot;
        const char* label;
    };
    const Row rows[] = {{4, "4 - Information (Info Prog.)"}, {5, "5 - Named (Info Prog.)"}, {6, "Libre"}};
    for (const Row& row : rows) {
        slot_click(row.slot, EventType::RightClick);
        EXPECT_EQ(state.Selected_Slot, row.slot);
        EXPECT_EQ(rt::menu_item_text(core::MenuSlot, core::ItemSlotInfo), row.label);
    }
    EXPECT_EQ(state.slot_table[4].title, "Information");
}

}  // namespace
