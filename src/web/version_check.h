// The update check the user asks for (desk menu, preferences, About window):
// the request to the maker's web server, the box that tells the outcome, and
// the download page on request.
#pragma once

#include "core/state.h"

namespace web {

// What the caller does after the check.
enum class AfterCheck {
    Continue,
    // The user chose the download page of a newer build and it was opened:
    // the program ends, after saving the data file.
    EndProgram,
};

// Sends the request to the base address ($VIMO_DUZI_WEB_BASE or the built-in
// one) with this build's stamp and version, the user's language name and the
// system version code; waits for the answer (10 s at most) and shows the
// outcome in the language of `Lng`: a newer build (Yes opens the download
// page), up to date, or why the check failed.
[[nodiscard]] AfterCheck check_version(const core::State& s);

}  // namespace web
