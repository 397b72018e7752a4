// Where the program finds its own files: beside itself when it runs from its
// build folder or a portable copy, or under its installation prefix when it
// was installed (`cmake --install`, the Debian package).
#pragma once

#include <string>

#include "platform/environment.h"

namespace platform {

// The folders of an installation, relative to its prefix: "bin",
// "lib/vimo-duzi" and "share/vimo-duzi". The build installs into exactly
// these (CMakeLists.txt names them once for both).
extern const char* const installed_program_folder;
extern const char* const installed_library_folder;
extern const char* const installed_data_folder;

struct ProgramFiles {
    // Started from an installation: the program is <prefix>/bin/vimo-duzi and
    // <prefix>/share/vimo-duzi is a folder.
    bool installed = false;
    std::string library_folder;  // holds libvimo_audio.so; ends with a separator
    std::string help_folder;     // holds the help page folders; ends with a separator
};

// Decides from the program's folder (Environment::program_folder) and one
// look at the disk. Not installed, both folders are the program's own; also
// when the program folder is unknown ("": both stay "").
ProgramFiles program_files(Environment& env);

}  // namespace platform
