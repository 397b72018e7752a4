#include "platform/program_files.h"

#include <sys/stat.h>

namespace platform {

const char* const installed_program_folder = VD_INSTALLED_PROGRAM_FOLDER;
const char* const installed_library_folder = VD_INSTALLED_LIBRARY_FOLDER;
const char* const installed_data_folder = VD_INSTALLED_DATA_FOLDER;

namespace {

bool is_folder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

ProgramFiles program_files(Environment& env) {
    const std::string folder = without_trailing_separator(env.program_folder());
    ProgramFiles files;
    if (folder.empty()) return files;
    const std::string own = with_trailing_separator(folder);
    files.library_folder = own;
    files.help_folder = own;

    if (file_name(folder) != installed_program_folder) return files;
    const std::string prefix = folder_of(folder);  // with its separator
    if (prefix.empty() || !is_folder(prefix + installed_data_folder)) return files;
    files.installed = true;
    files.library_folder = with_trailing_separator(prefix + installed_library_folder);
    files.help_folder = with_trailing_separator(prefix + installed_data_folder);
    return files;
}

}  // namespace platform
