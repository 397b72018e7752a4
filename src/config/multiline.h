// Texts of several lines in one value of the data file, which holds one value
// per line: a line break (CR LF, LF or CR) is written as the two characters
// "\n" and a backslash as "\\". Reading turns them back; a backslash before
// any other character stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace config {

std::string encode_lines(std::string_view text);
std::string decode_lines(std::string_view value);

}  // namespace config
