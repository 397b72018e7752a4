// Builds the real platform services and runs the program.
#include <cstring>
#include <memory>

#include "app/end.h"
#include "app/startup.h"
#include "platform/desktop_bus.h"
#include "platform/instances.h"
#include "platform/services.h"
#include "rt/app.h"

int main(int argc, char** argv) {
    rt::init(argc, argv);
    rt::set_application_id(app::application_id);
    // A faulting instance starts this one to show its error box.
    if (argc == 3 && std::strcmp(argv[1], app::fault_switch) == 0) return app::show_fault(argv[2]);
    platform::SystemClock clock;
    platform::SystemEnvironment environment;
    platform::CurlHttp http;
    platform::SystemScreen screen;
    platform::EspeakSpeech speech;
    platform::ThemeFileIcons file_icons;
    platform::PcmTones tones;
    platform::LinuxShell shell;
    platform::MpvMediaPlayer player;
    platform::install({&clock, &environment, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
    platform::LocalSocketInstances instances;
    platform::install_instances(&instances);
    // The bus connection ends before the toolkit it runs on.
    auto desktop_bus = std::make_unique<platform::SessionBus>(app::application_id);
    platform::install_desktop_bus(desktop_bus.get());
    const int code = app::start(argc, argv);
    platform::install_desktop_bus(nullptr);
    desktop_bus.reset();
    rt::shutdown();
    return code;
}
