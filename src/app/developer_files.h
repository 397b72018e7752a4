// The version files a developer start writes for the maker's web server.
#pragma once

#include "core/state.h"

namespace app {

// Writes "Vimo_Desk_Version.php", "version.txt" and "version_ID.txt" in the
// working folder, and copies the first to the publishing folder named by
// $VIMO_DUZI_PUBLISH_DIR when that is set. A file that cannot be written is
// skipped.
void write_developer_files(const core::State& s);

}  // namespace app
