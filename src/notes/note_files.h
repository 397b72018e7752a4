// Files of the notes window and the viewer: reading a text file from outside
// safely, and the names of the notes made from dropped text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace notes {

// Largest text file the notes window and the viewer open. Larger files are
// refused whole rather than shown in part: a note cut short would be saved
// back cut short.
inline constexpr std::size_t max_text_file_bytes = 16 * 1024 * 1024;

enum class ReadStatus {
    Ok,
    CannotOpen,      // missing
    NotRegularFile,  // a folder, FIFO, socket or device: never read, so never blocks
    TooLarge,        // more than the cap
    ReadError,       // no permission, or the read itself failed
};

struct TextFile {
    ReadStatus status = ReadStatus::CannotOpen;
    std::string bytes;  // the whole file when Ok, else empty
};

// Reads the file at `path` whole, when it is a regular file of at most `cap`
// bytes. The size is what the reading finds, not what the folder says, so a
// file that grows meanwhile is still capped.
[[nodiscard]] TextFile read_text_file(const std::string& path, std::size_t cap = max_text_file_bytes);

// The folder of the notes made from dropped text: "Notes_" + the login name,
// in the desktop folder.
std::string dropped_notes_folder(std::string_view desktop_folder, std::string_view login_name);

// "Note_" + the date as %yyyy-%mm-%dd_%hh-%ii-%ss + ".txt", for example
// "Note_2024-03-05_09-07-02.txt".
std::string dropped_note_name(std::int64_t date_value);

// Most notes made in one second before the name search gives up.
inline constexpr int max_notes_per_second = 999;

// The path in `folder` of a new note made at `date_value`: its name, or the
// name with "_2", "_3", ... before ".txt", the first one `taken` says is free.
// `taken` may claim the path as it answers (an exclusive create), so two drops
// never get the same file. Empty when all `max_notes_per_second` are taken.
std::optional<std::string> new_dropped_note_path(std::string_view folder, std::int64_t date_value,
                                                 const std::function<bool(const std::string&)>& taken);

}  // namespace notes
