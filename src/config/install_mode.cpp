#include "config/install_mode.h"

#include "config/ini_file.h"
#include "config/texts.h"
#include "platform/program_files.h"
#include "platform/services.h"

namespace config {

namespace {

bool opens_as_data_file(const std::string& path) {
    IniFile file;
    return file.open(path);  // closed again at once, unchanged
}

}  // namespace

void determine_installation_mode(core::State& state) {
    auto& env = platform::environment();
    const std::string& name = state.identity.data_file_name;
    const std::string portable = platform::with_trailing_separator(env.working_folder()) + name;
    const std::string standard = platform::per_user_data_folder(env) + name;

    state.Install_Mode_Text.clear();
    state.Data_File_Path.clear();
    if (!platform::program_files(env).installed && opens_as_data_file(portable)) {
        state.Install_Mode_Text = texts::portable;
        state.Data_File_Path = portable;
    } else if (opens_as_data_file(standard)) {
        state.Install_Mode_Text = texts::standard;
        state.Data_File_Path = standard;
    }
}

std::string new_data_file_path(const core::State& state) {
    auto& env = platform::environment();
    const std::string& name = state.identity.data_file_name;
    if (platform::program_files(env).installed) return platform::per_user_data_folder(env) + name;
    return platform::with_trailing_separator(env.working_folder()) + name;
}

}  // namespace config
