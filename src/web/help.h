// Show help: the help of the interface language, from the compiled help file
// in the working folder when there is one, else from the help pages installed
// with the program, opened in the browser.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/state.h"
#include "core/text.h"

namespace web {

// The installed help of each language is a folder of HTML pages named
// Base_Name + this suffix: "Vimo_Desk_Help_Fr", "Vimo_Desk_Help_Us".
inline constexpr std::string_view help_folder_suffix_fr = "_Help_Fr";
inline constexpr std::string_view help_folder_suffix_us = "_Help_Us";
inline constexpr std::string_view help_start_page = "Presentation.htm";
inline constexpr std::string_view licences_page = "Licences.htm";

// For "Fr" and "Us" only: opens Base_Name + "_Help_Fr.chm" (or "_Us.chm") of
// the working folder with the desktop's opener when it is a file there; else
// the installed Presentation.htm of that language; else warns that the help
// file is missing. The other language's help is never used instead. Any other
// `Lng` does nothing.
void show_help(const core::State& s);

// The installed page `page` of `language`'s help (French or English) when it
// is a file; nothing otherwise.
std::optional<std::string> installed_help_page(const core::State& s, core::Language language, std::string_view page);

}  // namespace web
