// Reading desktop entries and expanding their Exec lines. The quoting is the
// freedesktop.org format's: double quotes with \" \` \$ \\ inside; single
// quotes and backslashes outside quotes are read as a shell would, since real
// files use them although the format reserves them.
#include "platform/desktop_entry.h"

#include "platform/shell_words.h"

namespace platform {

namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view entry_group = "Desktop Entry";

std::string_view trim_spaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The string escapes of a value; an unknown escape stays as written.
std::string decode_value(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[i + 1]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default:
            out += value[i];
            out += value[i + 1];
            break;
        }
        ++i;
    }
    return out;
}

// One word of an Exec line: literal text and the field codes that take files.
struct Piece {
    enum class Kind { Text, File, Files, Icon } kind;
    std::string text;
};

struct Word {
    std::vector<Piece> pieces;
    bool quoted = false;  // "" stays an (empty) argument

    void add_text(char c) {
        if (pieces.empty() || pieces.back().kind != Piece::Kind::Text) pieces.push_back({Piece::Kind::Text, {}});
        pieces.back().text += c;
    }
    void add_text(const std::string& s) {
        for (char c : s) add_text(c);
    }
    bool only(Piece::Kind kind) const { return pieces.size() == 1 && pieces.front().kind == kind; }
};

std::optional<std::vector<Word>> split_exec(const std::string& exec, const DesktopEntry& entry,
                                            const std::string& entry_path) {
    const auto shell_words = split_shell_words(exec);
    if (!shell_words) return std::nullopt;

    // The field code `code` of a piece quoted or not; false when it is not allowed there.
    const auto field_code = [&](char code, bool in_quotes, Word& word) {
        switch (code) {
        case '%': word.add_text('%'); return true;
        case 'f':
        case 'u': word.pieces.push_back({Piece::Kind::File, {}}); return true;
        case 'F':
        case 'U':
            if (in_quotes) return false;
            word.pieces.push_back({Piece::Kind::Files, {}});
            return true;
        case 'i':
            if (in_quotes) return false;
            word.pieces.push_back({Piece::Kind::Icon, {}});
            return true;
        case 'c': word.add_text(entry.name); return true;
        case 'k': word.add_text(entry_path); return true;
        case 'd':
        case 'D':
        case 'n':
        case 'N':
        case 'v':
        case 'm': return true;  // deprecated: removed
        default: return false;
        }
    };

    std::vector<Word> words;
    for (const ShellWord& shell_word : *shell_words) {
        Word word;
        for (const WordPiece& piece : shell_word.pieces) {
            const bool quoted = piece.quoting == Quoting::Single || piece.quoting == Quoting::Double;
            word.quoted = word.quoted || quoted;
            // Field codes stand outside quotes and inside double quotes; elsewhere "%" is a plain character.
            if (piece.quoting != Quoting::Plain && piece.quoting != Quoting::Double) {
                word.add_text(piece.text);
                continue;
            }
            for (std::size_t i = 0; i < piece.text.size(); ++i) {
                if (piece.text[i] != '%') {
                    word.add_text(piece.text[i]);
                    continue;
                }
                if (i + 1 == piece.text.size() || !field_code(piece.text[++i], quoted, word)) return std::nullopt;
            }
        }
        if (!word.pieces.empty() || word.quoted) words.push_back(std::move(word));
    }
    return words;
}

}  // namespace

std::optional<DesktopEntry> parse_desktop_entry(std::string_view bytes) {
    if (bytes.substr(0, utf8_mark.size()) == utf8_mark) bytes.remove_prefix(utf8_mark.size());

    DesktopEntry entry;
    bool found = false, inside = false;
    bool seen_type = false, seen_name = false, seen_icon = false, seen_exec = false, seen_path = false,
         seen_url = false, seen_terminal = false;
    std::size_t line_start = 0;
    while (line_start < bytes.size()) {
        std::size_t line_end = bytes.find('\n', line_start);
        if (line_end == std::string_view::npos) line_end = bytes.size();
        std::string_view line = bytes.substr(line_start, line_end - line_start);
        line_start = line_end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trim_spaces(line);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            // Only the first group of that name counts; a repeat is an error of the file.
            inside = !found && line == "[" + std::string(entry_group) + "]";
            found = found || inside;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inside || equals == std::string_view::npos) continue;
        const std::string_view key = trim_spaces(line.substr(0, equals));
        const std::string value = decode_value(trim_spaces(line.substr(equals + 1)));
        // The first value of a key wins; later repeats are errors of the file.
        auto take = [&](std::string_view name, bool& seen, auto&& store) {
            if (key == name && !seen) {
                seen = true;
                store();
            }
        };
        take("Type", seen_type, [&] { entry.type = value; });
        take("Name", seen_name, [&] { entry.name = value; });
        take("Icon", seen_icon, [&] { entry.icon = value; });
        take("Exec", seen_exec, [&] { entry.exec = value; });
        take("Path", seen_path, [&] { entry.path = value; });
        take("URL", seen_url, [&] { entry.url = value; });
        take("Terminal", seen_terminal, [&] { entry.terminal = value == "true" || value == "1"; });
    }
    if (!found) return std::nullopt;
    return entry;
}

std::optional<std::vector<std::vector<std::string>>> exec_command_lines(const DesktopEntry& entry,
                                                                        const std::vector<std::string>& files,
                                                                        const std::string& entry_path) {
    auto words = split_exec(entry.exec, entry, entry_path);
    if (!words || words->empty()) return std::nullopt;

    bool one_file = false, all_files = false;
    for (const Word& word : *words) {
        for (const Piece& piece : word.pieces) {
            if (piece.kind == Piece::Kind::File) one_file = true;
            if (piece.kind == Piece::Kind::Files) {
                if (!word.only(Piece::Kind::Files)) return std::nullopt;
                all_files = true;
            }
        }
    }
    if (one_file && all_files) return std::nullopt;

    // The file each command line gets for %f; "" when none.
    std::vector<std::string> runs;
    if (one_file && files.size() > 1) runs = files;
    else runs.push_back(files.empty() ? std::string() : files.front());

    std::vector<std::vector<std::string>> lines;
    for (const std::string& file : runs) {
        std::vector<std::string> line;
        for (const Word& word : *words) {
            if (word.only(Piece::Kind::Files)) {
                line.insert(line.end(), files.begin(), files.end());
                continue;
            }
            if (word.only(Piece::Kind::Icon)) {
                if (!entry.icon.empty()) {
                    line.push_back("--icon");
                    line.push_back(entry.icon);
                }
                continue;
            }
            if (word.only(Piece::Kind::File) && !word.quoted && file.empty() && files.empty()) continue;
            std::string text;
            for (const Piece& piece : word.pieces) {
                switch (piece.kind) {
                case Piece::Kind::Text: text += piece.text; break;
                case Piece::Kind::File: text += file; break;
                case Piece::Kind::Icon: text += entry.icon; break;
                case Piece::Kind::Files: break;  // refused above
                }
            }
            line.push_back(std::move(text));
        }
        if (!one_file && !all_files) line.insert(line.end(), files.begin(), files.end());
        if (line.empty() || line.front().empty()) return std::nullopt;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace platform
