// Builds the real platform services and runs the program.
#include <cstring>

#include "app/end.h"
#include "app/startup.h"
#include "platform/instances.h"
#include "platform/services.h"
#include "rt/app.h"

int main(int argc, char** argv) {
    rt::init(argc, argv);
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
    const int code = app::start(argc, argv);
    rt::shutdown();
    return code;
}
