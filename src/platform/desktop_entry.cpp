// Reading desktop entries and expanding their Exec lines. The quoting is the
// freedesktop.org format's: double quotes with \" \` \$ \\ inside; single
// quotes and backslashes outside quotes are read as a shell would, since real
// files use them although the format reserves them. A field code inside
// double quotes takes a value quoted for the shell that will read the quoted
// argument (see Inner).
#include "platform/desktop_entry.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

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

// How a value put in place of a field code is written. Outside quotes the
// word goes to the program as it is (no shell reads it). Inside a quoted
// argument the text is, as a rule, a script for a shell ("sh -c \"...\""), so
// the value is quoted for the shell context it lands in, and no name, address
// or text can ever become code.
enum class Inner {
    Raw,       // outside the Exec line's quotes: the value as it is
    Unquoted,  // in the script, outside its quotes: one shell-quoted word
    Double,    // in the script, inside "...": \ " $ ` escaped
    Single,    // in the script, inside '...': each ' written '\''
    Refused,   // where no quoting is safe (see inner_context)
};

// The shell context at the end of `script`, the quoted text before a field
// code. Quotes open anew inside $( ); parameter and arithmetic expansions,
// comments, here-documents, backquotes and $'...' give Refused, since what
// a shell does there with a quoted word is not plain quote removal.
Inner inner_context(std::string_view script) {
    enum class Kind { Plain, Substitution, Arithmetic, Brace, Double, Single, Backtick, AnsiC };
    struct Frame {
        Kind kind;
        int depth = 0;  // open parentheses inside a substitution or an arithmetic expansion
    };
    std::vector<Frame> frames{{Kind::Plain}};
    bool word_start = true;  // a '#' here begins a comment
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        const char next = i + 1 < script.size() ? script[i + 1] : '\0';
        const char after_next = i + 2 < script.size() ? script[i + 2] : '\0';
        Frame& frame = frames.back();
        const Kind kind = frame.kind;
        if (kind == Kind::Single) {
            if (c == '\'') frames.pop_back();
            continue;
        }
        if (c == '\\') {
            ++i;
            word_start = false;
            continue;
        }
        if (kind == Kind::AnsiC || kind == Kind::Backtick) {
            if ((kind == Kind::AnsiC && c == '\'') || (kind == Kind::Backtick && c == '`')) frames.pop_back();
            continue;
        }
        const bool plain = kind == Kind::Plain || kind == Kind::Substitution;
        if (c == '$' && next == '(' && after_next == '(') {
            frames.push_back({Kind::Arithmetic});
            i += 2;
        } else if (c == '$' && next == '(') {
            frames.push_back({Kind::Substitution});
            ++i;
        } else if (c == '$' && next == '{') {
            frames.push_back({Kind::Brace});
            ++i;
        } else if (c == '`') {
            frames.push_back({Kind::Backtick});
        } else if (kind == Kind::Arithmetic) {
            if (c == '(') {
                ++frame.depth;
            } else if (c == ')') {
                if (frame.depth > 0) {
                    --frame.depth;
                } else {
                    frames.pop_back();
                    if (next == ')') ++i;
                }
            }
        } else if (kind == Kind::Double) {
            if (c == '"') frames.pop_back();
        } else if (kind == Kind::Brace && c == '}') {
            frames.pop_back();
        } else if (c == '$' && next == '\'') {
            frames.push_back({Kind::AnsiC});
            ++i;
        } else if (c == '\'') {
            frames.push_back({Kind::Single});
        } else if (c == '"') {
            frames.push_back({Kind::Double});
        } else if (c == '#' && word_start && plain) {
            const std::size_t end = script.find('\n', i);
            if (end == std::string_view::npos) return Inner::Refused;
            i = end;
        } else if (c == '<' && next == '<') {
            return Inner::Refused;  // a here-document expands $( ) even in lines that look quoted
        } else if (kind == Kind::Substitution && c == '(') {
            ++frame.depth;
        } else if (kind == Kind::Substitution && c == ')') {
            if (frame.depth > 0) --frame.depth;
            else frames.pop_back();
        }
        if (frames.empty()) frames.push_back({Kind::Plain});
        word_start =
            plain && (c == ' ' || c == '\t' || c == '\n' || c == ';' || c == '&' || c == '|' || c == '(' || c == ')');
    }
    switch (frames.back().kind) {
    case Kind::Plain:
    case Kind::Substitution: return Inner::Unquoted;
    case Kind::Double: return Inner::Double;
    case Kind::Single: return Inner::Single;
    case Kind::Arithmetic:
    case Kind::Brace:
    case Kind::Backtick:
    case Kind::AnsiC: return Inner::Refused;
    }
    return Inner::Refused;
}

// `value` written for `inner`.
std::string quoted_for(Inner inner, std::string_view value) {
    std::string out;
    switch (inner) {
    case Inner::Raw:
    case Inner::Refused: return std::string(value);
    case Inner::Unquoted: return shell_quoted(value);
    case Inner::Double:
        for (char c : value) {
            if (c == '\\' || c == '"' || c == '$' || c == '`') out += '\\';
            out += c;
        }
        return out;
    case Inner::Single:
        for (char c : value) {
            if (c == '\'') out += "'\\''";
            else out += c;
        }
        return out;
    }
    return out;
}

// One word of an Exec line: literal text and what takes the place of field codes.
struct Piece {
    enum class Kind { Text, File, Files, Icon } kind;
    std::string text;          // the literal text, or the value of %c and %k
    Inner inner = Inner::Raw;  // how the value is written
};

struct Word {
    std::vector<Piece> pieces;
    bool quoted = false;  // "" stays an (empty) argument

    void add_text(char c) {
        if (pieces.empty() || pieces.back().kind != Piece::Kind::Text || pieces.back().inner != Inner::Raw)
            pieces.push_back({Piece::Kind::Text, {}});
        pieces.back().text += c;
    }
    void add_text(const std::string& s) {
        for (char c : s) add_text(c);
    }
    bool only(Piece::Kind kind) const {
        return pieces.size() == 1 && pieces.front().kind == kind && pieces.front().inner == Inner::Raw;
    }
    // The literal text so far: what a shell reading the word has read before the next piece.
    std::string literal_text() const {
        std::string out;
        for (const Piece& piece : pieces)
            if (piece.kind == Piece::Kind::Text && piece.inner == Inner::Raw) out += piece.text;
        return out;
    }
};

std::optional<std::vector<Word>> split_exec(const std::string& exec, const DesktopEntry& entry,
                                            const std::string& entry_path) {
    const auto shell_words = split_shell_words(exec);
    if (!shell_words) return std::nullopt;

    // The field code `code` of a piece; false when it is not allowed there.
    const auto field_code = [&](char code, bool in_quotes, Word& word) {
        if (code == '%') {
            word.add_text('%');
            return true;
        }
        const Inner inner = in_quotes ? inner_context(word.literal_text()) : Inner::Raw;
        if (inner == Inner::Refused) return false;
        switch (code) {
        case 'f':
        case 'u': word.pieces.push_back({Piece::Kind::File, {}, inner}); return true;
        case 'F':
        case 'U': word.pieces.push_back({Piece::Kind::Files, {}, inner}); return true;
        case 'i': word.pieces.push_back({Piece::Kind::Icon, {}, inner}); return true;
        case 'c':
            if (inner == Inner::Raw) word.add_text(entry.name);
            else word.pieces.push_back({Piece::Kind::Text, entry.name, inner});
            return true;
        case 'k':
            if (inner == Inner::Raw) word.add_text(entry_path);
            else word.pieces.push_back({Piece::Kind::Text, entry_path, inner});
            return true;
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

// The locale suffixes that match `locale` (a POSIX locale name such as
// "fr_FR.UTF-8@euro"), best first: lang_COUNTRY@MODIFIER, lang_COUNTRY,
// lang@MODIFIER, lang. None for "", "C" and "POSIX".
std::vector<std::string> locale_candidates(std::string_view locale) {
    if (locale.empty() || locale == "C" || locale == "POSIX") return {};
    std::string_view modifier;
    if (const auto at = locale.find('@'); at != std::string_view::npos) {
        modifier = locale.substr(at + 1);
        locale = locale.substr(0, at);
    }
    if (const auto dot = locale.find('.'); dot != std::string_view::npos) locale = locale.substr(0, dot);
    std::string_view lang = locale, country;
    if (const auto underscore = locale.find('_'); underscore != std::string_view::npos) {
        lang = locale.substr(0, underscore);
        country = locale.substr(underscore + 1);
    }
    if (lang.empty()) return {};
    const std::string base(lang);
    std::vector<std::string> candidates;
    if (!country.empty() && !modifier.empty())
        candidates.push_back(base + "_" + std::string(country) + "@" + std::string(modifier));
    if (!country.empty()) candidates.push_back(base + "_" + std::string(country));
    if (!modifier.empty()) candidates.push_back(base + "@" + std::string(modifier));
    candidates.push_back(base);
    return candidates;
}

}  // namespace

std::optional<DesktopEntry> parse_desktop_entry(std::string_view bytes, std::string_view locale) {
    if (bytes.substr(0, utf8_mark.size()) == utf8_mark) bytes.remove_prefix(utf8_mark.size());

    DesktopEntry entry;
    bool found = false, inside = false;
    bool seen_type = false, seen_name = false, seen_icon = false, seen_exec = false, seen_path = false,
         seen_url = false, seen_terminal = false;
    constexpr std::string_view name_key = "Name";
    std::vector<std::pair<std::string, std::string>> translated_names;  // locale suffix, value
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
        // Name[fr_FR] and the like: the first value for each locale.
        if (key.size() > name_key.size() + 2 && key.starts_with(name_key) && key[name_key.size()] == '[' &&
            key.back() == ']') {
            std::string suffix(key.substr(name_key.size() + 1, key.size() - name_key.size() - 2));
            bool seen = false;
            for (const auto& known : translated_names) seen = seen || known.first == suffix;
            if (!seen) translated_names.emplace_back(std::move(suffix), value);
        }
        take("Icon", seen_icon, [&] { entry.icon = value; });
        take("Exec", seen_exec, [&] { entry.exec = value; });
        take("Path", seen_path, [&] { entry.path = value; });
        take("URL", seen_url, [&] { entry.url = value; });
        take("Terminal", seen_terminal, [&] { entry.terminal = value == "true" || value == "1"; });
    }
    if (!found) return std::nullopt;
    for (const std::string& candidate : locale_candidates(locale)) {
        const auto match = std::find_if(translated_names.begin(), translated_names.end(),
                                        [&](const auto& known) { return known.first == candidate; });
        if (match != translated_names.end()) {
            entry.name = match->second;
            break;
        }
    }
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
                // Outside quotes the files are words of their own: the code must be the whole word.
                if (piece.inner == Inner::Raw && !word.only(Piece::Kind::Files)) return std::nullopt;
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
                case Piece::Kind::Text: text += quoted_for(piece.inner, piece.text); break;
                case Piece::Kind::File:
                    // Quoted, a missing file is an empty word of the script.
                    if (piece.inner == Inner::Raw || !file.empty()) text += quoted_for(piece.inner, file);
                    break;
                case Piece::Kind::Files:
                    for (std::size_t i = 0; i < files.size(); ++i) {
                        if (i > 0) text += ' ';
                        text += quoted_for(piece.inner, files[i]);
                    }
                    break;
                case Piece::Kind::Icon:
                    if (piece.inner == Inner::Raw) text += entry.icon;
                    else if (!entry.icon.empty()) text += "--icon " + quoted_for(piece.inner, entry.icon);
                    break;
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
