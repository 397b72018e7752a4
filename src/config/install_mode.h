// Where the data file lives: in the working folder (portable installation)
// or in the per-user data folder (standard installation).
#pragma once

#include <string>

#include "core/state.h"

namespace config {

// Sets `Install_Mode_Text` and `Data_File_Path` from the first data file that
// opens: the working folder's, then the per-user one; both stay empty when
// neither does. Nothing is written.
void determine_installation_mode(core::State& state);

}  // namespace config
