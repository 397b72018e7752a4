// Splitting a command text into words the way a POSIX shell splits them, and
// doing nothing else: no variable, command or file-name expansion ever
// happens, so `$`, backticks, `;`, `|`, `&`, `<`, `>`, `*`, `~` and `#` are
// plain characters. Slot parameters and the Exec lines of desktop entries are
// both split here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// How a piece of a word was written.
enum class Quoting {
    Plain,    // outside quotes
    Escaped,  // one character after a backslash, outside or inside double quotes
    Single,   // inside '...': everything literally
    Double,   // inside "...": everything but \" \\ \$ \` (Escaped pieces)
};

struct WordPiece {
    Quoting quoting;
    std::string text;
};

struct ShellWord {
    // In the order written; each quoted part is a piece of its own, so "" and
    // '' are empty pieces.
    std::vector<WordPiece> pieces;
    // The word's text, its pieces joined.
    std::string text() const;
};

// Blanks (space, tab, line feed) outside quotes separate words; quotes join
// with the text around them ("--name="a b" is one word); a backslash-newline
// is dropped, outside quotes and inside double quotes. Nothing when a quote is
// left open or the text ends with a lone backslash.
std::optional<std::vector<ShellWord>> split_shell_words(std::string_view text);

// The words' texts: the argument vector a parameter text gives.
std::optional<std::vector<std::string>> split_shell_arguments(std::string_view text);

// `text` as one word a shell reads back unchanged: inside single quotes, each
// single quote written as '\''.
std::string shell_quoted(std::string_view text);

}  // namespace platform
