#include "web/help.h"

#include <filesystem>
#include <vector>

#include "desk/launch.h"
#include "platform/paths.h"
#include "platform/program_files.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "web/texts.h"

namespace web {

namespace {

constexpr std::string_view compiled_help_extension = ".chm";

bool is_file(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string_view suffix_of(core::Language language) {
    return language == core::Language::French ? help_folder_suffix_fr : help_folder_suffix_us;
}

// The folders the help page folders are looked for in: the program's own
// folder, where the build and a portable copy put them, or an installation's
// data folder.
std::vector<std::string> help_roots() { return {platform::program_files(platform::environment()).help_folder}; }

}  // namespace

std::optional<std::string> installed_help_page(const core::State& s, core::Language language, std::string_view page) {
    if (language == core::Language::Other) return std::nullopt;
    const std::string folder = s.identity.base_name + std::string(suffix_of(language));
    for (const std::string& root : help_roots()) {
        const std::string path = root + folder + "/" + std::string(page);
        if (is_file(path)) return path;
    }
    return std::nullopt;
}

void show_help(const core::State& s) {
    const core::Language language = core::language_of(s.Lng);
    if (language == core::Language::Other) return;

    const std::string compiled = platform::with_trailing_separator(platform::environment().working_folder()) +
                                 s.identity.base_name + std::string(suffix_of(language)) +
                                 std::string(compiled_help_extension);
    if (is_file(compiled)) {
        desk::open_with_desktop(s, compiled);
        return;
    }
    if (const auto page = installed_help_page(s, language, help_start_page)) {
        desk::open_with_desktop(s, *page);
        return;
    }
    rt::message_box(*texts::help_missing_title.strictly_in(s.Lng), *texts::help_missing.strictly_in(s.Lng),
                    rt::MessageButtons::Ok, rt::MessageIcon::Warning);
}

}  // namespace web
