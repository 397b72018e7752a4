#include "core/text.h"

namespace core {

Language language_of(std::string_view lng) {
    if (lng == "Fr") return Language::French;
    if (lng == "Us") return Language::English;
    return Language::Other;
}

std::string Text::in(std::string_view lng) const { return std::string(language_of(lng) == Language::French ? fr : en); }

std::optional<std::string> Text::strictly_in(std::string_view lng) const {
    switch (language_of(lng)) {
    case Language::French: return std::string(fr);
    case Language::English: return std::string(en);
    case Language::Other: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace core
