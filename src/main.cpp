// Builds the real platform services and runs the program.
#include "app/startup.h"
#include "platform/services.h"
#include "rt/app.h"

int main(int argc, char** argv) {
    rt::init(argc, argv);
    platform::SystemClock clock;
    platform::SystemEnvironment environment;
    platform::CurlHttp http;
    platform::SystemScreen screen;
    platform::EspeakSpeech speech;
    platform::install({&clock, &environment, &http, &screen, &speech});
    const int code = app::start(argc, argv);
    rt::shutdown();
    return code;
}
