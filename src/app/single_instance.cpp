#include "app/single_instance.h"

#include "app/desk_window.h"
#include "config/install_mode.h"
#include "core/ids.h"
#include "platform/files.h"
#include "platform/instances.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/events.h"
#include "rt/window.h"

namespace app {

bool another_instance_runs(core::State& s) {
    // The file the load will read, or the one it would create: the same
    // answer the start-up gets a moment later.
    core::State probe;
    probe.identity = s.identity;
    config::determine_installation_mode(probe);
    auto& env = platform::environment();
    const std::string data_file =
        probe.Data_File_Path.empty() ? config::new_data_file_path(probe) : probe.Data_File_Path;
    // Without a session's runtime folder (no login manager set one), starts
    // meet in a private folder of the user's own under the temporary folder.
    std::string runtime_folder = env.variable("XDG_RUNTIME_DIR").value_or("");
    if (runtime_folder.empty())
        runtime_folder = platform::fallback_runtime_folder(env.user_folder(platform::UserFolder::Temporary));
    return platform::instances().claim(platform::real_path(data_file), runtime_folder) ==
           platform::InstanceClaim::Running;
}

void listen_for_later_starts(core::State& s) {
    const int requests = platform::instances().request_descriptor();
    if (requests < 0) return;
    rt::watch_descriptor(requests, [&s] {
        if (platform::instances().take_requests() > 0) bring_desk_to_front(s);
    });
}

void bring_desk_to_front(core::State& s) {
    if (s.Desk_Visible != 1) toggle_desk_visibility(s);
    rt::show_window(core::WindowDesk);
    rt::activate_window(core::WindowDesk);
}

}  // namespace app
