#include "desk/editing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "config/data_file.h"
#include "config/keys.h"
#include "desk/icon_commands.h"
#include "desk/icon_library.h"
#include "desk/ids.h"
#include "desk/launch.h"
#include "desk/layout.h"
#include "desk/pictures.h"
#include "desk/texts.h"
#include "desk/web_icons.h"
#include "platform/paths.h"
#include "rt/clipboard.h"
#include "rt/dialogs.h"
#include "rt/gadget.h"
#include "rt/image.h"

namespace desk {

namespace {

core::Slot* selected(core::State& s) {
    if (s.Selected_Slot < 1 || s.Selected_Slot > core::slot_count_max) return nullptr;
    core::Slot& slot = s.slot_table[std::size_t(s.Selected_Slot)];
    slot.number = s.Selected_Slot;
    return &slot;
}

void write_elevation(const core::State& s, int n, int value) {
    config::set_integer_key(s, config::keys::RunAsAdmin, std::string(config::keys::RunPrefix) + std::to_string(n),
                            value);
}

std::string first_line(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!line.empty() && blank(line.back())) line.pop_back();
    const auto start = std::find_if_not(line.begin(), line.end(), blank);
    return std::string(start, line.end());
}

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string percent_decoded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex_value(text[i + 1]) >= 0 && hex_value(text[i + 2]) >= 0) {
            out += char(hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// An existing folder, or a file of at least one byte.
bool names_something(const std::string& path) {
    std::error_code error;
    if (path.empty()) return false;
    if (std::filesystem::is_directory(path, error)) return true;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

// The slot takes `path` as its target, with the desktop's icon and `title`.
void fill_slot(core::Slot& slot, const std::string& path, const std::string& title) {
    slot.target = path;
    slot.title = title;
    make_icon_picture(slot, false);
    show_slot_picture(slot);
}

}  // namespace

std::string pasted_title(const std::string& path) {
    std::string title = platform::name_without_extension(path);
    if (title.empty()) return title;
    const auto first = static_cast<unsigned char>(title[0]);
    if (first < 0x80) {
        title[0] = char(std::toupper(first));
    } else if (first == 0xC3 && title.size() > 1) {
        // Latin-1 letters à-þ (except ÷) have their capital 0x20 lower.
        const auto second = static_cast<unsigned char>(title[1]);
        if (second >= 0xA0 && second <= 0xBE && second != 0xB7) title[1] = char(second - 0x20);
    }
    return title;
}

std::string clipboard_path(const std::string& text) {
    std::string path = first_line(text);
    std::erase(path, '"');
    if (path.starts_with("file://")) path = percent_decoded(path.substr(7));
    return path;
}

std::string move_list_line(const core::Slot& slot, int n) {
    std::string number = std::to_string(n);
    if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
    return number + " - " + slot.title + " - " + slot.target;
}

void toggle_elevation(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot || slot->target.empty()) return;
    const int n = slot->number;
    if (slot->elevated == 1) {
        slot->elevated = 0;
        original_icon(s);
        write_elevation(s, n, 0);
        return;
    }
    slot->elevated = 1;
    if (load_file_icon(slot->target)) {
        new_slot_picture(*slot);
        draw_file_icon(*slot, true);
    } else if (slot->picture >= 0 && rt::image_exists(slot->picture)) {
        // No icon of its own (a web address): the badge goes over the picture it has.
        draw_file_icon(*slot, true);
    }
    show_slot_picture(*slot);
    write_elevation(s, n, 1);
    write_icon_library(s);
}

void add_or_change(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot) return;
    const auto chosen = rt::open_file(texts::add_title.in(s.Lng), slot->target, texts::add_filter.in(s.Lng));
    if (!chosen) return;
    std::error_code error;
    // A path typed into the chooser that names nothing (or a folder) changes nothing.
    if (!std::filesystem::exists(*chosen, error) || std::filesystem::is_directory(*chosen, error)) return;
    fill_slot(*slot, *chosen, platform::name_without_extension(*chosen));
    original_icon(s);
    config::save_all(s);
    write_icon_library(s);
}

void paste_file_name(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot) return;
    const std::string path = clipboard_path(rt::clipboard_text());
    if (!names_something(path)) {
        rt::message_box(std::string(texts::error.fr), std::string(texts::paste_invalid), rt::MessageButtons::Ok,
                        rt::MessageIcon::Error);
        return;
    }
    // The elevation is switched off in the file too, or the next start would restore it.
    if (slot->elevated == 1) write_elevation(s, slot->number, 0);
    slot->elevated = 0;
    slot->start_folder.clear();
    slot->parameters.clear();
    fill_slot(*slot, path, pasted_title(path));
    config::save_all(s);
    write_icon_library(s);
}

void rename_slot(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot) return;
    const std::string shown = slot->title == texts::untitled ? std::string() : slot->title;
    const auto answer = rt::input_box(std::string(texts::rename_title), std::string(texts::rename_prompt), shown);
    if (!answer || *answer == slot->title) return;
    slot->title = *answer;
    if (slot->control >= 0) rt::set_tooltip(slot->control, slot->title);
    config::save_all(s);
}

void rename_separator(core::State& s, int n) {
    auto& separator = s.separators[std::size_t(n)];
    const auto answer = rt::input_box(std::string(texts::separator_rename_title),
                                      std::string(texts::separator_rename_prompt_1) + std::to_string(n) +
                                          std::string(texts::separator_rename_prompt_2),
                                      separator.title);
    if (!answer || answer->empty()) return;
    separator.title = *answer;
    if (separator.title_band >= 0) rt::set_text(separator.title_band, separator.title);
    config::set_string_key(s, config::keys::Separators, config::separator_key(n), separator.title);
}

void change_parameters(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot) return;
    const auto answer =
        rt::input_box(std::string(texts::parameters_title), std::string(texts::parameters_prompt), slot->parameters);
    if (!answer || *answer == slot->parameters) return;
    slot->parameters = *answer;
    config::save_all(s);
}

void change_start_folder(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot) return;
    const auto answer = rt::choose_folder(std::string(texts::start_folder_title), slot->start_folder);
    if (!answer || *answer == slot->start_folder) return;
    slot->start_folder = *answer;
    config::save_all(s);
}

void remove_slot(core::State& s) {
    core::Slot* slot = selected(s);
    if (!slot) return;
    if (slot->target.empty()) {
        rt::message_box(texts::error.in(s.Lng), texts::remove_free.in(s.Lng), rt::MessageButtons::Ok,
                        rt::MessageIcon::Warning);
        return;
    }
    if (s.Confirm_Del == 1) {
        const std::string question = texts::remove_question.in(s.Lng) + slot->title + " ?";
        const auto answer = rt::message_box(texts::remove_title.in(s.Lng), question, rt::MessageButtons::YesNo,
                                            rt::MessageIcon::Question);
        if (answer != rt::MessageAnswer::Yes) return;
    }
    slot->target.clear();
    slot->parameters.clear();
    slot->start_folder.clear();
    slot->title.clear();
    if (slot->elevated == 1) write_elevation(s, slot->number, 0);
    slot->elevated = 0;
    draw_free_slot(s, slot->number);
    write_icon_library(s);
    config::save_all(s);
}

void files_dropped(core::State& s, int n, const std::vector<std::string>& files) {
    core::Slot& slot = s.slot_table[std::size_t(n)];
    slot.number = n;
    if (!slot.target.empty()) {
        launch_with_dropped_files(s, n, files);
        return;
    }
    // A target is one path: of several files, a free slot takes the first.
    if (files.empty() || files.front().empty()) return;
    const std::string& path = files.front();
    fill_slot(slot, path, platform::name_without_extension(path));
    write_icon_library(s);
    config::save_all(s);
}

void text_dropped(core::State& s, int n, const std::string& text) {
    core::Slot& slot = s.slot_table[std::size_t(n)];
    const std::string address = first_line(text);
    if (!is_web_target(address)) {
        launch_on_dropped_text(s, n);
        return;
    }
    if (slot.target.empty()) {
        make_web_shortcut(s, n, address);
        return;
    }
    rt::message_box(texts::error.in(s.Lng), texts::text_on_occupied.in(s.Lng), rt::MessageButtons::Ok,
                    rt::MessageIcon::Error);
}

void move_slot_without_library(core::State& s, int source, int target) {
    core::Slot& from = s.slot_table[std::size_t(source)];
    core::Slot& to = s.slot_table[std::size_t(target)];
    from.number = source;
    to.number = target;
    to.target = from.target;
    to.picture = slot_image(target);
    if (!rt::copy_image(from.picture, to.picture)) new_slot_picture(to);
    to.title = from.title;
    show_slot_picture(to);
    from.target.clear();
    from.title.clear();
    draw_free_slot(s, source);
    config::save_all(s);
}

}  // namespace desk
