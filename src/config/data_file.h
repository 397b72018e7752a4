// The program's operations on its data file: the load at start, the creation
// of a new file, the full save, and the single-key writes every subsystem uses
// to store a setting. Each opens the file, does its work and closes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/state.h"

namespace config {

enum class LoadResult {
    Loaded,        // settings and slots read from the file
    Created,       // no file: the user had a new one created; start values stay
    Declined,      // no file and the user declined a new one: the program ends
    CreateFailed,  // the new file could not be created (the user was told): the program ends
};

// Reads every setting, slot, separator, event and favourite station from the
// file at `Data_File_Path`, offering to create the file when it cannot be opened.
// Temporary files a crashed write left beside it are removed first.
[[nodiscard]] LoadResult load_data_file(core::State& state);

// Creates the data file where new_data_file_path (install_mode.h) says, the
// per-user folder first when it is missing, with its comments and group
// Global, makes it `Data_File_Path`, tells the user, and sets the page colours
// in memory. False (after telling the user) when the file cannot be created.
[[nodiscard]] bool create_data_file(core::State& state);

// Writes group Global's saved settings, the four slot groups and the two
// favourite-station groups. While the desk window exists, its place, inner
// height and volume slider are read into the state first. Tells the user and returns false when the file
// cannot be opened or written.
bool save_all(core::State& state);

// Writes one key. When the file cannot be opened or written, tells the user
// in the language `Lng` ("Fr" or "Us"; no message for another value).
bool set_integer_key(const core::State& state, std::string_view group, std::string_view key, std::int64_t value);
bool set_string_key(const core::State& state, std::string_view group, std::string_view key, std::string_view value);

// Reads one integer key as the data file holds it now; nothing (and no
// message) when the file cannot be opened or the key is missing.
std::optional<std::int64_t> read_integer_key(const core::State& state, std::string_view group, std::string_view key);

// The key of separator `n`'s title in group Separators: "Separator" + n in
// three digits ("Separator007").
std::string separator_key(int n);

// Whether the load keeps a slot target that names nothing on disk: web
// addresses and targets on other drives stay, missing local files go.
bool keeps_missing_target(std::string_view target);

}  // namespace config
