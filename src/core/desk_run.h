// The desk's run-time state: the page shown, the slot the "Move To" window
// moves, and the icon library while the desk is built. Held in memory only
// (a member of the global state, so a fresh state starts it afresh).
#pragma once

#include <string>

namespace desk {

struct DeskRun {
    int shown_page = 1;                 // 1-3
    bool hidden_pages_pending = false;  // pages 2 and 3 have cells without their buttons yet
    int move_source = 0;                // slot whose menu opened the "Move To" window; 0 when none
    bool library_present = false;       // the icon library was read at start, until every page is built
    std::string library_file;           // its bytes, meanwhile
    bool reload_at_start = false;       // the start asked to reload the original icons
};

}  // namespace desk
