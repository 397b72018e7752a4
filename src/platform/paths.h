// Splitting and joining native file paths. Pure text: nothing here looks at
// the disk.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder separator of this platform, for paths the program builds.
inline constexpr char path_separator = '/';

// `folder` with exactly one trailing separator ("" stays "").
std::string with_trailing_separator(std::string folder);
// `folder` without trailing separators ("/" stays "/").
std::string without_trailing_separator(std::string folder);

// The part after the last separator: the whole path when it has none.
std::string file_name(std::string_view path);
// The part up to and including the last separator; "" when it has none.
std::string folder_of(std::string_view path);
// The file name without its last extension ("firefox" for
// "/usr/bin/firefox.sh"); a name that is only an extension (".profile")
// stays whole.
std::string name_without_extension(std::string_view path);

}  // namespace platform
