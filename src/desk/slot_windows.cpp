// The slot information window (24) and the "Move To" window (16).
#include <algorithm>

#include "core/ids.h"
#include "core/text.h"
#include "desk/desk.h"
#include "desk/editing.h"
#include "desk/ids.h"
#include "desk/layout.h"
#include "desk/texts.h"
#include "platform/services.h"
#include "rt/clipboard.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/window.h"

namespace desk {

namespace {

// The slot the open "Move To" window moves: the one whose menu opened it,
// even when another slot's menu was opened since.
int g_move_source = 0;

constexpr int move_width = 450, move_height = 36;
constexpr int move_right_of_desk = 105, move_left_of_desk = 455;
constexpr int move_right_room = 555;  // screen width a window right of the desk needs
constexpr int move_below_desk_top = 233;

void tell_move_refused(const core::State& s, const std::string& text) {
    rt::message_box(texts::sorry.in(s.Lng), text, rt::MessageButtons::Ok, rt::MessageIcon::Warning);
}

}  // namespace

void show_slot_info(core::State& s) {
    if (s.Selected_Slot < 1 || s.Selected_Slot > core::slot_count_max) return;
    const core::Slot& slot = s.slot_table[std::size_t(s.Selected_Slot)];
    using F = rt::WindowFlag;
    rt::open_window(core::WindowSlotInfo, 0, 0, 500, 115, std::string(texts::info_window_title),
                    F::Tool | F::CloseBox | F::ScreenCentered, core::WindowDesk);
    rt::create_text_gadget(GadgetInfoTitle, 75, 10, 415, 20, slot.title);
    rt::set_gadget_font(GadgetInfoTitle, core::FontInfoTitle);
    rt::create_text_gadget(GadgetInfoTarget, 75, 40, 415, 25, slot.target);
    rt::set_gadget_font(GadgetInfoTarget, core::FontDialog);
    // The button is labelled in French unless the language is English.
    const bool english = core::language_of(s.Lng) == core::Language::English;
    rt::create_button_gadget(GadgetInfoCopy, 205, 80, 285, 25,
                             std::string(english ? texts::info_copy.en : texts::info_copy.fr));
    rt::set_tooltip(GadgetInfoCopy, std::string(texts::info_copy_tooltip));
    rt::create_image_gadget(GadgetInfoPicture, 15, 15, 32, 32, slot.picture);
}

void copy_slot_info(core::State&) {
    rt::set_clipboard_text(rt::gadget_text(GadgetInfoTarget));
    rt::close_window(core::WindowSlotInfo);
}

void open_move_dialog(core::State& s) {
    if (s.Selected_Slot < 1 || s.Selected_Slot > core::slot_count_max) return;
    if (s.slot_table[std::size_t(s.Selected_Slot)].target.empty()) return;
    g_move_source = s.Selected_Slot;

    const int desk_x = rt::window_x(core::WindowDesk);
    const int screen_width = platform::screen().desktop(0).width;
    const int x = desk_x <= screen_width - move_right_room ? desk_x + move_right_of_desk : desk_x - move_left_of_desk;
    const int y = rt::window_y(core::WindowDesk) + move_below_desk_top;
    using F = rt::WindowFlag;
    rt::open_window(core::WindowSlotMove, x, y, move_width, move_height, texts::move_title.in(s.Lng),
                    F::Tool | F::CloseBox | F::Resizable, core::WindowDesk);
    rt::create_combo_gadget(GadgetMoveList, 6, 6, 379, 25);
    rt::set_gadget_font(GadgetMoveList, core::FontDialog);
    for (int n = 1; n <= core::slot_count_max; ++n)
        rt::add_gadget_item(GadgetMoveList, move_list_line(s.slot_table[std::size_t(n)], n));
    rt::create_button_gadget(GadgetMoveOk, 390, 6, 54, 25, "OK");
    rt::set_gadget_font(GadgetMoveOk, core::FontDialog);
}

void move_dialog_ok(core::State& s) {
    const int source = g_move_source;
    const int chosen = rt::gadget_selected_item(GadgetMoveList);
    if (chosen < 0) {
        tell_move_refused(s, texts::move_none.in(s.Lng));
        return;
    }
    const int target = chosen + 1;
    // Slots 100, 200 and 300 (and those past a short desk) have no cell to show a moved slot.
    if (!has_cell(target) || s.slot_table[std::size_t(target)].control < 0) {
        const std::string n = std::to_string(target);
        tell_move_refused(s, texts::move_no_cell_1.in(s.Lng) + n + texts::move_no_cell_2.in(s.Lng));
        return;
    }
    rt::close_window(core::WindowSlotMove);
    g_move_source = 0;
    if (source < 1 || source > core::slot_count_max || s.slot_table[std::size_t(source)].target.empty()) return;
    if (!s.slot_table[std::size_t(target)].target.empty()) {
        rt::message_box(texts::sorry.in(s.Lng), texts::occupied.in(s.Lng), rt::MessageButtons::Ok,
                        rt::MessageIcon::Error);
        return;
    }
    // The library follows the move too: the next start would otherwise show
    // the moved slot with a free cell's picture.
    move_slot_content(s, source, target);
}

}  // namespace desk
