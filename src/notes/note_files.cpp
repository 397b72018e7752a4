// Note and viewer files; see note_files.h.
#include "notes/note_files.h"

#include "platform/clock.h"
#include "platform/files.h"

namespace notes {
namespace {

constexpr std::string_view note_prefix = "Note_";
constexpr std::string_view note_date_mask = "%yyyy-%mm-%dd_%hh-%ii-%ss";
constexpr std::string_view note_extension = ".txt";
constexpr std::string_view notes_folder_prefix = "Notes_";
constexpr char separator = '/';

}  // namespace

TextFile read_text_file(const std::string& path, std::size_t cap) {
    platform::ReadResult file = platform::read_regular_file(path, std::int64_t(cap));
    switch (file.status) {
    case platform::ReadStatus::Ok: return {ReadStatus::Ok, std::move(file.bytes)};
    case platform::ReadStatus::Missing: return {ReadStatus::CannotOpen, {}};
    case platform::ReadStatus::NotRegular: return {ReadStatus::NotRegularFile, {}};
    case platform::ReadStatus::TooLarge: return {ReadStatus::TooLarge, {}};
    case platform::ReadStatus::Failed: return {ReadStatus::ReadError, {}};
    }
    return {ReadStatus::ReadError, {}};
}

std::string dropped_notes_folder(std::string_view desktop_folder, std::string_view login_name) {
    std::string folder(desktop_folder);
    if (!folder.empty() && folder.back() != separator) folder += separator;
    folder += notes_folder_prefix;
    folder += login_name;
    return folder;
}

std::string dropped_note_name(std::int64_t date_value) {
    return std::string(note_prefix) + platform::format_date(note_date_mask, date_value) + std::string(note_extension);
}

std::optional<std::string> new_dropped_note_path(std::string_view folder, std::int64_t date_value,
                                                 const std::function<bool(const std::string&)>& taken) {
    std::string stem(folder);
    if (!stem.empty() && stem.back() != separator) stem += separator;
    const std::string name = dropped_note_name(date_value);
    stem.append(name, 0, name.size() - note_extension.size());
    for (int number = 1; number <= max_notes_per_second; ++number) {
        std::string path = stem;
        if (number > 1) path += "_" + std::to_string(number);
        path += note_extension;
        if (!taken(path)) return path;
    }
    return std::nullopt;
}

}  // namespace notes
