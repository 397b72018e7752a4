// The notes window; see notes_window.h.
#include "notes/notes_window.h"

#include <filesystem>

#include "config/data_file.h"
#include "config/keys.h"
#include "core/ids.h"
#include "core/images.h"
#include "notes/ids.h"
#include "notes/line_breaks.h"
#include "notes/note_files.h"
#include "notes/text_codec.h"
#include "notes/texts.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/colour.h"
#include "rt/dialogs.h"
#include "rt/font.h"
#include "rt/gadget.h"
#include "rt/menu.h"
#include "rt/window.h"
#include "rt/window_bars.h"

namespace notes {
namespace {

namespace keys = config::keys;

constexpr int notes_width = 600;
constexpr int notes_height = 400;
// The editor's colours before the stored ones are applied.
constexpr rt::Colour start_text_colour = rt::rgb(0, 64, 128);
constexpr rt::Colour start_background = rt::rgb(255, 255, 221);
// The font dialog opens at this size.
constexpr int font_dialog_size = 10;

constexpr std::string_view note_extension = ".txt";

struct MenuRow {
    int item;  // -1 for a separator
    std::string_view text;
    int image;
};

constexpr MenuRow menu_rows[] = {
    {core::ItemNotesNew, texts::item_new, core::ImageNotesNew},
    {core::ItemNotesOpen, texts::item_open, core::ImageNotesOpen},
    {core::ItemNotesSave, texts::item_save, core::ImageNotesSave},
    {core::ItemNotesSaveAs, texts::item_save_as, core::ImageNotesSaveAs},
    {-1, {}, -1},
    {core::ItemNotesBackground, texts::item_background, core::ImageNotesBackground},
    {core::ItemNotesTextColour, texts::item_text_colour, core::ImageNotesTextColour},
    {core::ItemNotesFont, texts::item_font, core::ImageNotesFont},
    {-1, {}, -1},
    {core::ItemNotesClose, texts::item_close, core::ImageNotesClose},
};

bool notes_open() { return rt::window_exists(core::WindowNotes); }

void show_status(const std::string& text) { rt::set_status_text(core::WindowNotes, 0, text); }

void grey_save(bool grey) { rt::disable_menu_item(core::MenuNotes, core::ItemNotesSave, grey); }

// `name`, with ".txt" added when its file part has no extension.
std::string with_note_extension(const std::string& name) {
    if (platform::file_name(name).find('.') != std::string::npos) return name;
    return name + std::string(note_extension);
}

// The file a note name stands for: a relative name is in the working folder.
std::string note_file(const std::string& name) {
    if (!name.empty() && name.front() == platform::path_separator) return name;
    return platform::with_trailing_separator(platform::environment().working_folder()) + name;
}

void store_file_name(core::State& s) { config::set_string_key(s, keys::Global, keys::ToDo_FileName, s.ToDo_FileName); }

void apply_font(const core::State& s) {
    if (s.ToDo_Font_Name.empty() || s.ToDo_Font_Size <= 0) return;
    rt::load_font(core::FontNotes, s.ToDo_Font_Name, s.ToDo_Font_Size);
    rt::set_gadget_font(GadgetNoteText, core::FontNotes);
}

void tell_unreadable(const core::State& s, const std::string& path, ReadStatus status) {
    const core::Text& reason = status == ReadStatus::TooLarge         ? texts::read_failed_too_large
                               : status == ReadStatus::NotRegularFile ? texts::read_failed_not_regular
                                                                      : texts::read_failed_other;
    rt::message_box(texts::read_failed_title.in(s.Lng),
                    texts::read_failed_before.in(s.Lng) + path + "\n\n" + reason.in(s.Lng), rt::MessageButtons::Ok,
                    rt::MessageIcon::Error);
}

static_assert(max_text_file_bytes == 16 * 1024 * 1024, "the refusal's text names 16 MB");

// What reading a note found.
enum class NoteRead {
    Loaded,      // the editor shows the note
    Nothing,     // no such file: the editor is as it was
    Unreadable,  // the user was told; the editor is as it was
};

// Reads the note at `path` into the editor: each line followed by CR LF,
// the last one too, in the encoding its mark announces.
NoteRead load_note(const core::State& s, const std::string& path) {
    // What a save cut short by a crash left beside the note.
    platform::remove_stale_temporaries(note_file(path));
    const TextFile file = read_text_file(note_file(path));
    switch (file.status) {
    case ReadStatus::Ok: break;
    case ReadStatus::CannotOpen: return NoteRead::Nothing;
    case ReadStatus::NotRegularFile:
    case ReadStatus::TooLarge:
    case ReadStatus::ReadError: tell_unreadable(s, path, file.status); return NoteRead::Unreadable;
    }
    rt::set_text(GadgetNoteText, lf_line_breaks(note_text(file.bytes)));
    return NoteRead::Loaded;
}

// Saves the editor's text under the current name, or under a name the user
// chooses first. True when the note is on disk.
bool save(core::State& s, bool ask_for_name) {
    if (!notes_open()) return false;
    std::string name = s.ToDo_FileName;
    if (ask_for_name) {
        const auto chosen =
            rt::save_file(std::string(texts::save_title), s.ToDo_FileName, std::string(texts::save_filter), false);
        // Cancelling changes nothing, the current name included.
        if (!chosen || chosen->empty()) return false;
        name = with_note_extension(*chosen);
        std::error_code ignored;
        if (std::filesystem::exists(std::filesystem::symlink_status(note_file(name), ignored))) {
            const auto answer = rt::message_box(texts::replace_title.in(s.Lng),
                                                texts::replace_before.in(s.Lng) + name + texts::replace_after.in(s.Lng),
                                                rt::MessageButtons::YesNo, rt::MessageIcon::Question);
            if (answer != rt::MessageAnswer::Yes) return false;
        }
    }
    name = with_note_extension(name);

    platform::FileReplacement file(note_file(name));
    if (!file.open()) {
        rt::message_box(std::string(texts::create_failed_title), std::string(texts::create_failed),
                        rt::MessageButtons::Ok, rt::MessageIcon::Error);
        return false;
    }
    const EncodedText encoded = encode_text(crlf_line_breaks(rt::gadget_text(GadgetNoteText)), TextEncoding::Ansi);
    const bool written = file.write(encoded.bytes) && file.commit();
    show_status((written ? texts::saved_as : texts::save_failed_for).in(s.Lng) + name);
    s.ToDo_FileName = name;
    store_file_name(s);
    if (written)
        show_status((encoded.encoding == TextEncoding::Ansi ? texts::saved_ok : texts::saved_ok_in_utf8).in(s.Lng));
    grey_save(true);
    s.notes.new_note = false;
    return written;
}

void open_notes_window(core::State& s) {
    rt::open_window(core::WindowNotes, 0, 0, notes_width, notes_height, std::string(texts::notes_title),
                    rt::WindowFlag::Resizable | rt::WindowFlag::CloseBox | rt::WindowFlag::MinimizeBox |
                        rt::WindowFlag::MaximizeBox | rt::WindowFlag::ScreenCentered);
    if (!notes_open()) return;
    rt::create_menu_bar(core::MenuNotes, core::WindowNotes);
    rt::menu_title(std::string(texts::notes_menu_title));
    for (const MenuRow& row : menu_rows) {
        if (row.item < 0) rt::menu_separator();
        else rt::menu_item(row.item, std::string(row.text), row.image);
    }
    rt::create_status_bar(core::WindowNotes, {rt::remaining_width});

    rt::use_gadget_list(core::WindowNotes);
    rt::create_editor_gadget(GadgetNoteText, 0, 0, notes_width, notes_height);
    rt::set_gadget_front_colour(GadgetNoteText, start_text_colour);
    rt::set_gadget_back_colour(GadgetNoteText, start_background);
    rt::set_gadget_font(GadgetNoteText, core::FontNotesStart);
    lay_out_notes(s);

    rt::set_gadget_back_colour(GadgetNoteText, s.ToDo_BG_Color);
    rt::set_gadget_front_colour(GadgetNoteText, s.ToDo_Txt_Color);
    apply_font(s);
}

}  // namespace

void toggle_notes(core::State& s) {
    if (notes_open()) {
        close_notes(s);
        return;
    }
    open_notes_window(s);
    if (!notes_open() || s.ToDo_FileName.empty()) return;
    switch (load_note(s, s.ToDo_FileName)) {
    case NoteRead::Loaded: store_file_name(s); break;
    case NoteRead::Nothing: break;
    case NoteRead::Unreadable:
        // A note that cannot be shown is never written over: the window
        // starts as a new note.
        s.ToDo_FileName.clear();
        s.notes.new_note = true;
        grey_save(true);
        break;
    }
}

void new_note(core::State& s) {
    if (!notes_open()) return;
    rt::set_text(GadgetNoteText, "");
    s.ToDo_FileName.clear();
    s.notes.new_note = true;
    grey_save(true);
}

void open_note(core::State& s) {
    if (!notes_open()) return;
    const auto chosen = rt::open_file(std::string(texts::open_title), s.ToDo_FileName, std::string(texts::open_filter));
    // Cancelling changes nothing, the current name included.
    if (!chosen || chosen->empty()) return;
    switch (load_note(s, *chosen)) {
    case NoteRead::Loaded:
        s.ToDo_FileName = *chosen;
        store_file_name(s);
        break;
    case NoteRead::Nothing: s.ToDo_FileName = *chosen; break;
    case NoteRead::Unreadable: break;
    }
}

void save_note(core::State& s) { save(s, false); }

void save_note_as(core::State& s) { save(s, true); }

void choose_notes_background(core::State& s) {
    if (!notes_open()) return;
    const auto chosen = rt::choose_colour(s.ToDo_BG_Color);
    if (!chosen) return;
    s.ToDo_BG_Color = *chosen;
    rt::set_gadget_back_colour(GadgetNoteText, s.ToDo_BG_Color);
    config::set_integer_key(s, keys::Global, keys::ToDo_BG_Color, s.ToDo_BG_Color);
}

void choose_notes_text_colour(core::State& s) {
    if (!notes_open()) return;
    const auto chosen = rt::choose_colour(s.ToDo_Txt_Color);
    if (!chosen) return;
    s.ToDo_Txt_Color = *chosen;
    rt::set_gadget_front_colour(GadgetNoteText, s.ToDo_Txt_Color);
    config::set_integer_key(s, keys::Global, keys::ToDo_Txt_Color, s.ToDo_Txt_Color);
}

void choose_notes_font(core::State& s) {
    if (!notes_open()) return;
    const auto chosen = rt::choose_font({s.ToDo_Font_Name, font_dialog_size});
    if (!chosen || chosen->face.empty() || chosen->size <= 0) return;
    s.ToDo_Font_Name = chosen->face;
    s.ToDo_Font_Size = chosen->size;
    config::set_string_key(s, keys::Global, keys::ToDo_Font_Name, s.ToDo_Font_Name);
    config::set_integer_key(s, keys::Global, keys::ToDo_Font_Size, s.ToDo_Font_Size);
    apply_font(s);
}

void close_notes(core::State& s) {
    if (!notes_open()) return;
    if (save(s, false)) rt::close_window(core::WindowNotes);
}

void lay_out_notes(core::State&) {
    if (!notes_open()) return;
    const int top = rt::menu_bar_height(core::WindowNotes);
    const int height = rt::window_height(core::WindowNotes) - top - rt::status_bar_height(core::WindowNotes);
    rt::move_gadget(GadgetNoteText, 0, top, rt::window_width(core::WindowNotes), std::max(height, 0));
}

void save_open_note(core::State& s) { save(s, false); }

}  // namespace notes
