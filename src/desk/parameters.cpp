// Shell-style word splitting without any of the shell's expansions.
#include "desk/parameters.h"

namespace desk {

std::optional<std::vector<std::string>> split_parameters(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;  // a word has begun, even an empty quoted one
    enum class Quote { None, Single, Double } quote = Quote::None;

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (quote) {
        case Quote::Single:
            if (c == '\'')
                quote = Quote::None;
            else
                word += c;
            break;
        case Quote::Double:
            if (c == '"') {
                quote = Quote::None;
            } else if (c == '\\' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;  // a line continuation
            } else if (c == '\\' && i + 1 < text.size() && std::string_view("\"\\$`").find(text[i + 1]) != std::string_view::npos) {
                word += text[++i];
            } else {
                word += c;
            }
            break;
        case Quote::None:
            if (c == ' ' || c == '\t' || c == '\n') {
                if (in_word)
                    words.push_back(std::move(word));
                word.clear();
                in_word = false;
            } else if (c == '\'' || c == '"') {
                quote = c == '\'' ? Quote::Single : Quote::Double;
                in_word = true;
            } else if (c == '\\') {
                if (i + 1 == text.size())
                    return std::nullopt;
                if (text[++i] != '\n') {
                    word += text[i];
                    in_word = true;
                }
            } else {
                word += c;
                in_word = true;
            }
            break;
        }
    }
    if (quote != Quote::None)
        return std::nullopt;
    if (in_word)
        words.push_back(std::move(word));
    return words;
}

}  // namespace desk
