// Desktop entry files (".desktop", the freedesktop.org format of application
// launchers): reading the [Desktop Entry] group and turning its Exec line
// into argument vectors. Pure functions over bytes; nothing is run here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Larger files are not desktop entries (real ones, with all their
// translations, stay well under this).
inline constexpr std::size_t desktop_entry_max_bytes = 1024 * 1024;

// The keys of the [Desktop Entry] group the launcher uses, their string
// escapes (\s \n \t \r \\) decoded.
struct DesktopEntry {
    std::string type;  // "Application", "Link", "Directory"; "" when absent
    std::string name;  // translated for the locale given to the parse, when the file has it
    std::string icon;
    std::string exec;       // the command line, still in Exec quoting
    std::string path;       // working folder; "" when absent
    std::string url;        // the address of a "Link" entry
    bool terminal = false;  // run inside a terminal emulator
};

// The [Desktop Entry] group of `bytes`; nothing when there is no such group.
// `locale` is the user's locale for messages (see messages_locale()); the
// name is the best of Name[lang_COUNTRY@MODIFIER], Name[lang_COUNTRY],
// Name[lang@MODIFIER], Name[lang] the file holds, else Name.
std::optional<DesktopEntry> parse_desktop_entry(std::string_view bytes, std::string_view locale = {});

// The argument vectors (program first) that run `entry` with `files`:
// %f and %u take one file (one command line per file when several are given),
// %F and %U take them all, %i becomes "--icon" and the icon, %c the name, %k
// `entry_path`, %% a "%"; deprecated codes vanish. Files given to a line
// without a file code are added at its end.
// Outside quotes a code's value is an argument as it is. Inside a quoted
// argument (a script, as in sh -c "prog \"%u\"") it is quoted for the place
// it takes in the script: a shell-quoted word outside the script's own
// quotes, escaped inside its double quotes, '\'' for a quote inside its
// single quotes; %F and %U give their files so quoted, separated by blanks.
// Nothing when the line is empty, has an unbalanced quote, an unknown field
// code, %F or %U inside an unquoted word, or a code inside quotes where no
// quoting is safe (a comment, a here-document, backquotes, $'...').
std::optional<std::vector<std::vector<std::string>>> exec_command_lines(const DesktopEntry& entry,
                                                                        const std::vector<std::string>& files,
                                                                        const std::string& entry_path);

}  // namespace platform
