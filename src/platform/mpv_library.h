// libmpv, opened on first use: the entry points the program calls, with
// libmpv's own types and contracts (mpv/client.h).
#pragma once

#include <mpv/client.h>

namespace platform {

struct MpvLibrary {
    decltype(&mpv_create) create;
    decltype(&mpv_initialize) initialize;
    decltype(&mpv_terminate_destroy) terminate_destroy;
    decltype(&mpv_set_option_string) set_option_string;
    decltype(&mpv_set_property) set_property;
    decltype(&mpv_set_property_string) set_property_string;
    decltype(&mpv_get_property) get_property;
    decltype(&mpv_get_property_string) get_property_string;
    decltype(&mpv_observe_property) observe_property;
    decltype(&mpv_command) command;
    decltype(&mpv_command_async) command_async;
    decltype(&mpv_wait_event) wait_event;
    decltype(&mpv_wakeup) wakeup;
    decltype(&mpv_set_wakeup_callback) set_wakeup_callback;
    decltype(&mpv_free) free;
    decltype(&mpv_error_string) error_string;
};

// Loads libmpv on the first call (about a quarter of a second, cold) and
// returns its entry points; null when it is not installed or lacks one of
// them. Later calls return at once. Safe to call from any thread.
const MpvLibrary* mpv_library();

// Starts loading libmpv on a thread of its own, so that a sound the user is
// about to ask for does not wait for it; nothing when it is loaded already.
void preload_mpv_library();

}  // namespace platform
