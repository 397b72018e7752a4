#include "app/developer_files.h"

#include <filesystem>
#include <fstream>

#include "platform/services.h"

namespace app {

namespace {

void write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;  // a file that cannot be written is skipped
}

}  // namespace

void write_developer_files(const core::State& s) {
    auto& env = platform::environment();
    const std::string folder = platform::with_trailing_separator(env.working_folder());
    const std::string php = folder + "Vimo_Desk_Version.php";
    write(php, s.identity.version_line() +
                   "\r\n<?php\r\nini_set(\"display_errors\",0);error_reporting(0);\r\n"
                   "require \"stats.php\";\r\n?>\r\n");
    if (const auto publish = env.variable("VIMO_DUZI_PUBLISH_DIR"); publish && !publish->empty()) {
        std::error_code error;
        std::filesystem::copy_file(php, platform::with_trailing_separator(*publish) + "Vimo_Desk_Version.php",
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
    write(folder + "version.txt", platform::format_date("%yyyy.%mm.%dd %hh:%ii", platform::clock().local_now()));
    write(folder + "version_ID.txt", s.identity.version);
}

}  // namespace app
