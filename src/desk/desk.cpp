#include "desk/desk.h"

#include <string>

#include "clock/banner.h"
#include "config/data_file.h"
#include "config/ini.h"
#include "config/keys.h"
#include "core/ids.h"
#include "core/images.h"
#include "desk/editing.h"
#include "desk/icon_commands.h"
#include "desk/icon_library.h"
#include "desk/ids.h"
#include "desk/launch.h"
#include "desk/layout.h"
#include "desk/pictures.h"
#include "desk/texts.h"
#include "desk/web_icons.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/dragdrop.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/menu.h"
#include "rt/window.h"

namespace desk {

namespace {

constexpr rt::Colour white = rt::rgb(255, 255, 255);
constexpr rt::Colour black = rt::rgb(0, 0, 0);
constexpr rt::Colour red = rt::rgb(255, 0, 0);
constexpr core::Colour move_notice_colour = rt::rgb(0, 128, 128);
constexpr int move_notice_seconds = 3;
// Move mode colours separators 1-30 and stops at the first without a band;
// leaving it whitens 1-32, so that 31 (red never) is included.
constexpr int red_separators_last = 30;
constexpr int white_separators_last = 32;

constexpr int page_gadget[] = {GadgetPage1, GadgetPage2, GadgetPage3};
constexpr int tab_gadget[] = {GadgetPageTab1, GadgetPageTab2, GadgetPageTab3};
constexpr int tab_image[] = {core::ImagePageTab1, core::ImagePageTab2, core::ImagePageTab3};

void draw_tab(const core::State& s, int page) {
    const int gadget = tab_gadget[page - 1];
    if (!rt::start_drawing_gadget(gadget)) return;
    // The shown page's tab takes its page's colour; the others the desk's.
    const bool shown = page == s.desk.shown_page;
    rt::fill_box(0, 0, tab_width, tab_height, shown ? s.Page_Colors[std::size_t(page - 1)] : s.BackGroundColor);
    if (rt::image_exists(tab_image[page - 1]))
        rt::draw_image(tab_image[page - 1], tab_picture_x[page - 1] - tab_x[page - 1], tab_picture_y - tab_y);
    if (shown) rt::outline_box(0, 0, tab_width, tab_height - 3, rt::rgb(128, 128, 128));
    rt::stop_drawing();
}

void create_separator(core::State& s, int number, int y) {
    auto& separator = s.separators[std::size_t(number)];
    separator.title_band = separator_band(number);
    separator.click_area = separator_click_area(number);
    rt::create_text_gadget(separator.title_band, 0, y, desk_width, separator_text_height, separator.title,
                           rt::TextFlag::Centre);
    rt::set_gadget_font(separator.title_band, core::FontSeparator);
    rt::set_gadget_back_colour(separator.title_band, white);
    rt::set_gadget_front_colour(separator.title_band, black);
    // A transparent surface over the band takes its clicks.
    rt::create_image_gadget(separator.click_area, 0, y, desk_width, separator_height, -1);
}

// The slot's picture read from its cell of the icon library; an empty one
// when the library gave none.
void picture_from_library(const core::State& s, core::Slot& slot) {
    slot.picture = slot_image(slot.number);
    if (!has_library_picture(s, slot.number)) new_slot_picture(slot);
}

// The picture a slot gets while the desk is built. A web slot without the
// library shows the web picture and joins `sites`, whose icons are fetched
// all at once after the build.
void picture_at_start(core::State& s, int n, std::vector<int>& sites) {
    core::Slot& slot = s.slot_table[std::size_t(n)];
    if (slot.target.empty()) {
        draw_free_slot(s, n);
        return;
    }
    if (is_web_target(slot.target)) {
        if (icon_library_present(s)) {
            picture_from_library(s, slot);
            if (slot.title.empty()) slot.title = texts::web_title;
        } else {
            make_web_picture(slot);
            sites.push_back(n);
        }
    } else if (icon_library_present(s)) {
        picture_from_library(s, slot);
    } else {
        make_icon_picture(slot, slot.elevated == 1);
    }
    show_slot_picture(slot);
}

// The separators and slot buttons of the layout's steps on `page`, inside its
// container. A slot button shows nothing until its picture is shown on it.
void create_page_gadgets(core::State& s, const std::vector<LayoutStep>& steps, int page) {
    if (!rt::reopen_container_gadget(page_gadget[page - 1])) return;
    for (const LayoutStep& step : steps) {
        if (step.kind == LayoutStep::Separator) {
            if (step.separator.page == page) create_separator(s, step.separator.separator, step.separator.y);
            continue;
        }
        const CellPlace& cell = step.cell;
        if (cell.page != page) continue;
        core::Slot& slot = s.slot_table[std::size_t(cell.slot)];
        slot.control = slot_gadget(cell.slot);
        // A cell is its picture on the page's colour.
        rt::create_image_button_gadget(slot.control, cell.x, cell.y, icon_size, icon_size, -1, rt::ButtonFlag::Flat);
        rt::enable_gadget_drop(slot.control, rt::DropKind::Files | rt::DropKind::Text | rt::DropKind::Image);
    }
    rt::use_gadget_list(core::WindowDesk);
}

void colour_separators(const core::State& s, int last, rt::Colour back, rt::Colour front) {
    for (int i = 1; i <= last && i < int(s.separators.size()); ++i) {
        const int band = s.separators[std::size_t(i)].title_band;
        if (band < 0 || !rt::gadget_exists(band)) break;
        rt::set_gadget_back_colour(band, back);
        rt::set_gadget_front_colour(band, front);
    }
}

void tell_occupied(const core::State& s) {
    rt::message_box(texts::sorry.in(s.Lng), texts::occupied.in(s.Lng), rt::MessageButtons::Ok, rt::MessageIcon::Error);
}

}  // namespace

void build_desk(core::State& s, BuildProgress progress) {
    const int count = std::min(s.Slot_Count, core::slot_count_max);
    s.desk.shown_page = first_page;

    rt::use_gadget_list(core::WindowDesk);
    for (int page = 1; page <= page_count; ++page) {
        rt::create_canvas_gadget(tab_gadget[page - 1], tab_x[page - 1], tab_y, tab_width, tab_height);
        rt::set_tooltip(tab_gadget[page - 1], "Page " + std::to_string(page));
    }
    // Pages without any cell (the 30-slot developer desk) still exist.
    for (int page = 1; page <= page_count; ++page) {
        rt::open_container_gadget(page_gadget[page - 1], page_left, page_top, page_width, page_height);
        rt::set_gadget_back_colour(page_gadget[page - 1], s.Page_Colors[std::size_t(page - 1)]);
        rt::close_container_gadget();
    }

    const auto steps = desk_layout(s.Show_Separators == 1, count);
    create_page_gadgets(s, steps, first_page);
    std::vector<int> sites;
    for (const LayoutStep& step : steps) {
        if (step.kind != LayoutStep::Cell) continue;
        const CellPlace& cell = step.cell;
        core::Slot& slot = s.slot_table[std::size_t(cell.slot)];
        slot.number = cell.slot;
        slot.x = cell.x;
        slot.y = cell.y;
        // The library's pictures of the hidden pages are read once the desk is on screen.
        if (cell.page == first_page || !icon_library_present(s)) picture_at_start(s, cell.slot, sites);
        if (progress) progress(cell.slot, count);
    }
    s.desk.hidden_pages_pending = true;
    fetch_site_icons(s, sites, start_site_icons_budget_ms);

    // A start without a library (or with a reload asked) writes the one it
    // made, so the next start needs neither the desktop nor the network.
    if (take_reload_request(s) || !icon_library_present(s)) write_icon_library(s);
    show_page(s, first_page);
}

void build_hidden_pages(core::State& s) {
    if (!s.desk.hidden_pages_pending) return;
    s.desk.hidden_pages_pending = false;
    const auto steps = desk_layout(s.Show_Separators == 1, std::min(s.Slot_Count, core::slot_count_max));
    const bool pictures_pending = icon_library_present(s);
    load_hidden_page_pictures(s);
    std::vector<int> sites;  // stays empty: with the library, no site is asked for its icon
    for (int page = 1; page <= page_count; ++page) {
        if (page == first_page) continue;
        create_page_gadgets(s, steps, page);
        for (const LayoutStep& step : steps) {
            if (step.kind != LayoutStep::Cell || step.cell.page != page) continue;
            if (pictures_pending) picture_at_start(s, step.cell.slot, sites);
            else show_slot_cell(s, step.cell.slot);
        }
    }
    release_icon_library(s);
}

void show_page(core::State& s, int page) {
    if (page < 1 || page > page_count) return;
    s.desk.shown_page = page;
    for (int p = 1; p <= page_count; ++p) rt::hide_gadget(page_gadget[p - 1], p != page);
    for (int p = 1; p <= page_count; ++p) draw_tab(s, p);
}

void choose_page_colour(core::State& s, int page) {
    if (page < 1 || page > page_count) return;
    auto& colour = s.Page_Colors[std::size_t(page - 1)];
    const auto chosen = rt::choose_colour(colour);
    if (!chosen) return;
    colour = *chosen;
    rt::set_gadget_back_colour(page_gadget[page - 1], colour);
    draw_tab(s, page);
    config::set_string_key(s, config::keys::Global, config::keys::page_colour_keys[page - 1],
                           config::format_colour(colour));
}

void page_tab_event(core::State& s, const rt::Event& e) {
    int page = 0;
    for (int p = 1; p <= page_count; ++p)
        if (tab_gadget[p - 1] == e.object) page = p;
    if (e.type == rt::EventType::LeftClick) show_page(s, page);
    else if (e.type == rt::EventType::RightClick) choose_page_colour(s, page);
}

void toggle_move_mode(core::State& s) {
    if (!s.Move_Icons_Mode) {
        s.Move_Icons_Mode = true;
        clocks::show_notice(s, texts::move_mode.in(s.Lng), "", move_notice_colour, move_notice_seconds);
        rt::activate_window(core::WindowDesk);
        if (s.Show_Separators == 1) colour_separators(s, red_separators_last, red, white);
    } else {
        s.Move_Icons_Mode = false;
        s.Drag_Source_Slot = 0;
        if (s.Show_Separators == 1) colour_separators(s, white_separators_last, white, black);
    }
}

void move_slot_content(core::State& s, int source, int target) {
    move_slot_without_library(s, source, target);
    write_icon_library(s);
}

int slot_of_gadget(const core::State& s, int gadget) {
    const int n = gadget - GadgetSlotBase;
    if (n < 1 || n > core::slot_count_max || s.slot_table[std::size_t(n)].control != gadget) return 0;
    return n;
}

void label_slot_menu(core::State& s, int n) {
    core::Slot& slot = s.slot_table[std::size_t(n)];
    std::string label;
    if (slot.target.empty()) {
        label = texts::free_item.in(s.Lng);
    } else {
        if (slot.title.empty()) slot.title = texts::untitled;
        label = std::to_string(n) + " - " + slot.title + std::string(texts::info_item_suffix);
    }
    rt::set_menu_item_text(core::MenuSlot, core::ItemSlotInfo, label);
}

bool slot_event(core::State& s, int slot, const rt::Event& e) {
    switch (e.type) {
    case rt::EventType::LeftClick:
        if (s.Move_Icons_Mode) return false;
        launch_slot(s, slot);
        return true;
    case rt::EventType::RightClick:
        s.Selected_Slot = slot;
        label_slot_menu(s, slot);
        rt::display_popup_menu(core::MenuSlot, core::WindowDesk);
        return false;
    case rt::EventType::DragStart: {
        if (!s.Move_Icons_Mode) return false;
        // A free slot holds nothing to move: its numbered picture stays where it is.
        if (s.slot_table[std::size_t(slot)].target.empty()) return false;
        s.Drag_Source_Slot = slot;
        const int picture = s.slot_table[std::size_t(slot)].picture;
        // Dropped outside the desk, the drag leaves no source behind.
        if (picture < 0 || !rt::image_exists(picture) || !rt::drag_image(picture)) s.Drag_Source_Slot = 0;
        return false;
    }
    case rt::EventType::LeftDoubleClick:
    case rt::EventType::Change:
    case rt::EventType::LeftButtonDown:
    case rt::EventType::MouseMove:
    case rt::EventType::LeftButtonUp: return false;
    }
    return false;
}

bool drop_on_slot(core::State& s, const rt::Event& e) {
    const int n = slot_of_gadget(s, e.object);
    if (n == 0) return false;
    switch (e.drop.kind) {
    case rt::DropKind::Image: {
        // Only a slot picture dragged in move mode moves anything.
        const int source = s.Drag_Source_Slot;
        s.Drag_Source_Slot = 0;
        if (!s.Move_Icons_Mode || source < 1 || source > core::slot_count_max || source == n) break;
        if (s.slot_table[std::size_t(source)].target.empty()) break;
        if (!s.slot_table[std::size_t(n)].target.empty()) {
            tell_occupied(s);
            break;
        }
        move_slot_content(s, source, n);
        break;
    }
    case rt::DropKind::Files: files_dropped(s, n, e.drop.files); break;
    case rt::DropKind::Text: text_dropped(s, n, e.drop.data); break;
    case rt::DropKind::None: break;
    }
    return true;
}

}  // namespace desk
