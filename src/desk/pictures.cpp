#include "desk/pictures.h"

#include <cstdio>

#include "core/ids.h"
#include "core/images.h"
#include "desk/ids.h"
#include "desk/layout.h"
#include "desk/texts.h"
#include "platform/services.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/image.h"

namespace desk {

namespace {

constexpr rt::Colour number_grey = rt::rgb(128, 128, 128);
constexpr int number_alpha = 200;
constexpr int number_x = 9, number_y = 9;
constexpr int badge_x = 16, badge_y = 16;
constexpr int transparent = 0;

void show_free_slot(const core::State& s, const core::Slot& slot) {
    if (slot.control < 0) return;
    rt::set_gadget_image(slot.control, slot.picture);
    rt::set_tooltip(slot.control, std::to_string(slot.number) + texts::free_tooltip.in(s.Lng));
}

}  // namespace

void new_slot_picture(core::Slot& slot) {
    slot.picture = slot_image(slot.number);
    rt::create_image(slot.picture, icon_size, icon_size, 0, transparent);
}

bool load_file_icon(const std::string& path) {
    const auto icon = platform::file_icons().large_icon(path, icon_size);
    if (!icon || !rt::set_image_pixels(ImageFileIcon, {icon->width, icon->height, icon->argb})) {
        rt::free_image(ImageFileIcon);
        return false;
    }
    return true;
}

void draw_file_icon(core::Slot& slot, bool badge) {
    if (!rt::start_drawing_image(slot.picture)) return;
    if (rt::image_exists(ImageFileIcon)) rt::draw_image(ImageFileIcon, 0, 0, icon_size, icon_size);
    if (badge && rt::image_exists(core::ImageElevationBadge))
        rt::draw_image(core::ImageElevationBadge, badge_x, badge_y);
    rt::stop_drawing();
}

bool make_icon_picture(core::Slot& slot, bool badge) {
    const bool found = load_file_icon(slot.target);
    new_slot_picture(slot);
    draw_file_icon(slot, badge);
    return found;
}

void make_web_picture(core::Slot& slot) {
    new_slot_picture(slot);
    if (rt::image_exists(core::ImageWebShortcut) && rt::start_drawing_image(slot.picture)) {
        rt::draw_image(core::ImageWebShortcut, 0, 0);
        rt::stop_drawing();
    }
}

void show_slot_picture(const core::Slot& slot) {
    if (slot.control < 0) return;
    rt::set_gadget_image(slot.control, slot.picture);
    rt::set_tooltip(slot.control, slot.title);
}

std::string free_slot_label(int n) {
    char label[16];
    std::snprintf(label, sizeof label, "%3d", n);
    return label;
}

void draw_free_slot(core::State& s, int n) {
    core::Slot& slot = s.slot_table[std::size_t(n)];
    slot.number = n;
    new_slot_picture(slot);
    if (rt::start_drawing_image(slot.picture)) {
        rt::path_add_text(number_x, number_y, free_slot_label(n), core::FontTiny);
        rt::fill_path(number_grey, number_alpha);
        rt::stop_drawing();
    }
    show_free_slot(s, slot);
}

void show_slot_cell(const core::State& s, int n) {
    const core::Slot& slot = s.slot_table[std::size_t(n)];
    if (slot.target.empty()) show_free_slot(s, slot);
    else show_slot_picture(slot);
}

}  // namespace desk
