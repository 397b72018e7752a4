// A slot's parameter text as the argument vector of the program it starts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace desk {

// Splits `text` into arguments the way a POSIX shell splits words, and does
// nothing else: blanks (space, tab, line feed) separate arguments; '...'
// keeps everything literally; "..." keeps everything but \" \\ \$ \` and
// drops a backslash-newline; outside quotes a backslash keeps the next
// character. "" and '' give an empty argument. $, `, ;, |, &, <, >, *, ~ and
// # are plain characters: nothing is expanded, substituted or run. Nothing
// when a quote is left open or the text ends with a lone backslash.
std::optional<std::vector<std::string>> split_parameters(std::string_view text);

}  // namespace desk
