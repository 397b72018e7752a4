// Texts shown to the user in French and in English, and the choice between
// them by the language setting `Lng`. Every subsystem keeps its texts as
// `Text` pairs in its own texts header and picks them here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// The language `Lng` names: "Fr" French, "Us" English; any other value
// (a hand-edited data file) is neither.
enum class Language { French, English, Other };
Language language_of(std::string_view lng);

struct Text {
    std::string_view fr;
    std::string_view en;

    // French for "Fr", English for any other value: the rule of most texts.
    std::string in(std::string_view lng) const;
    // French for "Fr", English for "Us", nothing for any other value: the
    // rule of the texts that are not shown at all in an unknown language.
    std::optional<std::string> strictly_in(std::string_view lng) const;
};

}  // namespace core
