// Where the data file lives: in the working folder (portable installation)
// or in the per-user data folder (standard installation).
#pragma once

#include <string>

#include "core/state.h"

namespace config {

// Sets `Install_Mode_Text` and `Data_File_Path` from the first data file that
// opens: the working folder's, then the per-user one; both stay empty when
// neither does. An installed program (platform/program_files.h) is always a
// standard installation and looks at the per-user file only: started from a
// menu, its working folder is the user's home. Nothing is written.
void determine_installation_mode(core::State& state);

// Where a new data file is created when none opens: in the working folder,
// which makes a portable installation, or in the per-user folder for an
// installed program.
std::string new_data_file_path(const core::State& state);

}  // namespace config
