#include "platform/shell_words.h"

namespace platform {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The characters a backslash escapes inside double quotes.
bool escapes_in_double_quotes(char c) { return c == '"' || c == '\\' || c == '$' || c == '`'; }

class Splitter {
public:
    void add(Quoting quoting, char c) {
        started_ = true;
        if (word_.pieces.empty() || word_.pieces.back().quoting != quoting || quoting == Quoting::Escaped)
            word_.pieces.push_back({quoting, {}});
        word_.pieces.back().text += c;
    }
    // An opening quote starts a word even when nothing follows before the closing one.
    void open_quote(Quoting quoting) {
        started_ = true;
        word_.pieces.push_back({quoting, {}});
    }
    void finish() {
        if (started_) words_.push_back(std::move(word_));
        word_ = {};
        started_ = false;
    }
    std::vector<ShellWord> take() { return std::move(words_); }

private:
    std::vector<ShellWord> words_;
    ShellWord word_;
    bool started_ = false;
};

}  // namespace

std::string ShellWord::text() const {
    std::string out;
    for (const WordPiece& piece : pieces) out += piece.text;
    return out;
}

std::optional<std::vector<ShellWord>> split_shell_words(std::string_view text) {
    Splitter words;
    enum class Quote { None, Single, Double } quote = Quote::None;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool has_next = i + 1 < text.size();
        switch (quote) {
        case Quote::Single:
            if (c == '\'') quote = Quote::None;
            else words.add(Quoting::Single, c);
            break;
        case Quote::Double:
            if (c == '"') {
                quote = Quote::None;
            } else if (c == '\\' && has_next && text[i + 1] == '\n') {
                ++i;  // a line continuation
            } else if (c == '\\' && has_next && escapes_in_double_quotes(text[i + 1])) {
                words.add(Quoting::Escaped, text[++i]);
            } else {
                words.add(Quoting::Double, c);
            }
            break;
        case Quote::None:
            if (is_blank(c)) {
                words.finish();
            } else if (c == '\'' || c == '"') {
                quote = c == '\'' ? Quote::Single : Quote::Double;
                words.open_quote(c == '\'' ? Quoting::Single : Quoting::Double);
            } else if (c == '\\') {
                if (!has_next) return std::nullopt;
                if (text[++i] != '\n') words.add(Quoting::Escaped, text[i]);
            } else {
                words.add(Quoting::Plain, c);
            }
            break;
        }
    }
    if (quote != Quote::None) return std::nullopt;
    words.finish();
    return words.take();
}

std::optional<std::vector<std::string>> split_shell_arguments(std::string_view text) {
    auto words = split_shell_words(text);
    if (!words) return std::nullopt;
    std::vector<std::string> arguments;
    arguments.reserve(words->size());
    for (const ShellWord& word : *words) arguments.push_back(word.text());
    return arguments;
}

std::string shell_quoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

}  // namespace platform
