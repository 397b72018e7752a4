#include "app/developer_files.h"

#include "platform/files.h"
#include "platform/services.h"
#include "web/update_check.h"

namespace app {

namespace {

// A file that cannot be written is skipped: these are for the web site, not for the user.
void write(const std::string& path, const std::string& bytes) {
    static_cast<void>(platform::replace_file(path, bytes));
}

}  // namespace

void write_developer_files(const core::State& s) {
    auto& env = platform::environment();
    const std::string folder = platform::with_trailing_separator(env.working_folder());
    const std::string php = folder + "Vimo_Desk_Version.php";
    const std::string php_bytes =
        web::developer_version_file({s.identity.base_name, s.identity.build_stamp, s.identity.version});
    write(php, php_bytes);
    if (const auto publish = env.variable("VIMO_DUZI_PUBLISH_DIR"); publish && !publish->empty())
        write(platform::with_trailing_separator(*publish) + "Vimo_Desk_Version.php", php_bytes);
    write(folder + "version.txt", platform::format_date("%yyyy.%mm.%dd %hh:%ii", platform::clock().local_now()));
    write(folder + "version_ID.txt", s.identity.version);
}

}  // namespace app
