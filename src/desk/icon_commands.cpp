#include "desk/icon_commands.h"

#include <filesystem>

#include "core/ids.h"
#include "desk/icon_library.h"
#include "desk/ids.h"
#include "desk/layout.h"
#include "desk/pictures.h"
#include "desk/texts.h"
#include "desk/web_icons.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/app.h"
#include "rt/dialogs.h"
#include "rt/draw.h"
#include "rt/gadget.h"
#include "rt/image.h"
#include "rt/window.h"

namespace desk {

namespace {

constexpr const char* old_icon_folder = "Vimo_Desk_ico";
constexpr int reload_width = 500, reload_height = 60;
// The progress window is painted every few slots while the reload blocks the loop.
constexpr int repaint_every = 10;

core::Slot* selected(core::State& s) {
    if (s.Selected_Slot < 1 || s.Selected_Slot > core::slot_count_max) return nullptr;
    core::Slot& slot = s.slot_table[std::size_t(s.Selected_Slot)];
    slot.number = s.Selected_Slot;
    return &slot;
}

bool ask_reload(const core::State& s) {
    const auto answer = rt::message_box(std::string(texts::reload_title), texts::reload_question.in(s.Lng),
                                        rt::MessageButtons::YesNo, rt::MessageIcon::Question);
    return answer == rt::MessageAnswer::Yes;
}

// Offers to delete the old icon folder and its own files (not its subfolders).
void offer_old_icon_cleanup(const core::State& s) {
    const std::filesystem::path folder = s.Data_Folder + old_icon_folder;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return;
    const auto answer = rt::message_box(std::string(texts::old_icons_title), std::string(texts::old_icons_question),
                                        rt::MessageButtons::YesNo, rt::MessageIcon::Question);
    if (answer != rt::MessageAnswer::Yes) return;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file(error) || entry.is_symlink(error)) std::filesystem::remove(entry.path(), error);
    std::filesystem::remove(folder, error);  // stays when it holds folders of its own
}

void delete_library(const core::State& s) {
    std::error_code error;
    std::filesystem::remove(icon_library_path(s), error);
}

void open_progress_window(int count) {
    using F = rt::WindowFlag;
    rt::open_window(core::WindowIconReload, 0, 0, reload_width, reload_height, "",
                    F::Borderless | F::NoTaskbar | F::ScreenCentered | F::TopMost, core::WindowDesk);
    rt::set_window_background(core::WindowIconReload, rt::rgb(255, 255, 255));
    rt::create_canvas_gadget(GadgetReloadFrame, 0, 0, reload_width, reload_height);
    if (rt::start_drawing_gadget(GadgetReloadFrame)) {
        rt::fill_box(0, 0, reload_width, reload_height, rt::rgb(255, 255, 255));
        rt::outline_box(0, 0, reload_width, reload_height, rt::rgb(0, 0, 0));
        rt::stop_drawing();
    }
    rt::create_progress_gadget(GadgetReloadProgress, 10, 10, reload_width - 20, 20, 0, count);
    rt::create_text_gadget(GadgetReloadText, 10, 35, reload_width - 20, 18, "", rt::TextFlag::Centre);
    rt::set_gadget_font(GadgetReloadText, core::FontSmallLabel);
    rt::set_gadget_back_colour(GadgetReloadText, rt::rgb(255, 255, 255));
    rt::show_window(core::WindowIconReload);
    rt::paint_window_now(core::WindowIconReload, 500);
}

}  // namespace

void change_icon(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot || slot->target.empty()) return;
    // Pictures are looked for where the user keeps them, not beside the target.
    const auto chosen =
        rt::open_file(std::string(texts::change_icon_title) + slot->target,
                      platform::existing_user_folder(platform::environment(), platform::UserFolder::Pictures),
                      std::string(texts::change_icon_filter));
    if (!chosen) return;
    if (!rt::load_image(ImageFileIcon, *chosen)) {
        rt::message_box(texts::error.in(s.Lng), texts::not_a_picture.in(s.Lng) + *chosen, rt::MessageButtons::Ok,
                        rt::MessageIcon::Warning);
        return;
    }
    // Every picture is made 32 x 32, an .ico too: a cell shows no more, and the
    // icon library keeps only 32-pixel-high pictures, so any other would be
    // lost at the next start.
    if (rt::image_width(ImageFileIcon) != icon_size || rt::image_height(ImageFileIcon) != icon_size)
        rt::resize_image(ImageFileIcon, icon_size, icon_size);
    slot->picture = slot_image(slot->number);
    rt::copy_image(ImageFileIcon, slot->picture);
    rt::free_image(ImageFileIcon);
    show_slot_picture(*slot);
    write_icon_library(s);
}

void original_icon(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot || slot->target.empty()) return;
    if (is_web_target(slot->target)) {
        make_web_picture(*slot);
        show_slot_picture(*slot);
        write_icon_library(s);
        return;
    }
    slot->title = platform::name_without_extension(slot->target);
    if (!load_file_icon(slot->target)) return;
    new_slot_picture(*slot);
    draw_file_icon(*slot, false);
    show_slot_picture(*slot);
    write_icon_library(s);
}

void reload_original_icons(core::State& s) {
    if (!ask_reload(s)) return;
    const int count = std::min(s.Slot_Count, core::slot_count_max);
    open_progress_window(count);
    delete_library(s);
    offer_old_icon_cleanup(s);
    std::vector<int> sites;
    for (int n = 1; n <= count; ++n) {
        rt::set_state(GadgetReloadProgress, n);
        rt::set_text(GadgetReloadText, std::to_string(n) + " / " + std::to_string(count));
        if (n % repaint_every == 0) rt::process_events_for(0);
        core::Slot& slot = s.slot_table[std::size_t(n)];
        slot.number = n;
        if (slot.target.empty() || slot.control < 0) continue;
        if (is_web_target(slot.target)) {
            sites.push_back(n);
        } else if (load_file_icon(slot.target)) {
            new_slot_picture(slot);
            draw_file_icon(slot, slot.elevated == 1);
            show_slot_picture(slot);
        }
    }
    fetch_site_icons(s, sites, start_site_icons_budget_ms);
    write_icon_library(s);
    rt::close_window(core::WindowIconReload);
}

void ask_icon_reload_at_start(core::State& s) { s.desk.reload_at_start = ask_reload(s); }

void load_icon_store(core::State& s) {
    if (s.desk.reload_at_start) {
        release_icon_library(s);
        delete_library(s);
        offer_old_icon_cleanup(s);
        return;
    }
    load_icon_library(s);
}

bool take_reload_request(core::State& s) {
    const bool requested = s.desk.reload_at_start;
    s.desk.reload_at_start = false;
    return requested;
}

}  // namespace desk
