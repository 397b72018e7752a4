#include "platform/mpv_library.h"

#include <mutex>
#include <thread>

#include "platform/shared_library.h"

namespace platform {

namespace {

MpvLibrary* load() {
    static MpvLibrary api;
    void* library = open_library({"libmpv.so.2", "libmpv.so.1", "libmpv.so"});
    const bool complete =
        bind(library, "mpv_create", api.create) && bind(library, "mpv_initialize", api.initialize) &&
        bind(library, "mpv_terminate_destroy", api.terminate_destroy) &&
        bind(library, "mpv_set_option_string", api.set_option_string) &&
        bind(library, "mpv_set_property", api.set_property) &&
        bind(library, "mpv_set_property_string", api.set_property_string) &&
        bind(library, "mpv_get_property", api.get_property) &&
        bind(library, "mpv_get_property_string", api.get_property_string) &&
        bind(library, "mpv_observe_property", api.observe_property) && bind(library, "mpv_command", api.command) &&
        bind(library, "mpv_command_async", api.command_async) && bind(library, "mpv_wait_event", api.wait_event) &&
        bind(library, "mpv_wakeup", api.wakeup) && bind(library, "mpv_set_wakeup_callback", api.set_wakeup_callback) &&
        bind(library, "mpv_free", api.free) && bind(library, "mpv_error_string", api.error_string);
    return complete ? &api : nullptr;
}

}  // namespace

const MpvLibrary* mpv_library() {
    static const MpvLibrary* const api = load();
    return api;
}

void preload_mpv_library() {
    static std::once_flag started;
    std::call_once(started, [] { std::thread([] { mpv_library(); }).detach(); });
}

}  // namespace platform
