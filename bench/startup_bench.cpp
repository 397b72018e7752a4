// Start-up to the desk shown, with a full data file, beside a bare toolkit
// program that shows one frameless 110 x 700 window with 300 labels holding
// 32 x 32 pictures. Each start runs in a fresh process; run it on a display:
//
//   tools/xvfb.sh build/bench/vd_startup_bench [runs]
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "app/end.h"
#include "app/startup.h"
#include "core/ids.h"
#include "core/state.h"
#include "platform/services.h"
#include "platform/speech.h"
#include "rt/app.h"
#include "rt/window.h"

namespace {

// Runs `child` in a fresh process and returns its wall time in milliseconds.
double timed_process(const std::function<int()>& child) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) _exit(child());
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "a start failed (%d)\n", status);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Until the window has been put on the screen and painted.
void wait_until_shown(QWidget* w) {
    while (!w->isVisible() || !w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
}

int bare_program() {
    int argc = 1;
    char name[] = "bare";
    char* argv[] = {name, nullptr};
    QApplication qt(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(110, 700);
    QPixmap picture(32, 32);
    picture.fill(Qt::darkCyan);
    for (int i = 0; i < 300; ++i) {
        auto* label = new QLabel(&window);
        label->setPixmap(picture);
        label->setGeometry(2 + (i % 3) * 36, 40 + (i / 3) % 100 * 6, 32, 32);
    }
    window.show();
    wait_until_shown(&window);
    return 0;
}

int vimo_duzi(const std::string& folder) {
    chdir(folder.c_str());
    int argc = 1;
    char name[] = "vimo-duzi";
    char* argv[] = {name, nullptr};
    rt::init(argc, argv);
    platform::SystemClock clock;
    platform::SystemEnvironment environment;
    platform::FakeHttp http;  // a start makes no request; nothing may leave the machine here
    platform::SystemScreen screen;
    platform::FakeSpeech speech;
    platform::ThemeFileIcons file_icons;
    platform::FakeTones tones;  // a start plays nothing
    platform::LinuxShell shell;  // a start launches nothing
    platform::install({&clock, &environment, &http, &screen, &speech, &file_icons, &tones, &shell});
    try {
        app::start_up(core::g_state, argc, argv);
    } catch (const app::ProgramEnd&) {
        return 1;
    }
    while (!rt::window_visible(core::WindowDesk)) QCoreApplication::processEvents();
    rt::paint_window_now(core::WindowDesk, 2000);
    return 0;
}

// A working folder with a full data file and the audio library beside the program.
std::string prepare_folder(const std::string& program_folder) {
    const auto folder = std::filesystem::temp_directory_path() / "vd-startup-bench";
    std::filesystem::create_directories(folder);
    std::ofstream ini(folder / "Vimo_Desk.ini", std::ios::binary);
    ini << "\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 10\r\nY_Origin = 10\r\nLng = Fr\r\n";
    for (const char* group : {"Run", "ToolTip", "Parameters", "StartDirectory"}) {
        ini << "[" << group << "]\r\n";
        const std::string prefix = group == std::string("Parameters") ? "Param"
                                   : group == std::string("StartDirectory") ? "Dir"
                                                                              : group;
        for (int n = 1; n <= 300; ++n)
            ini << prefix << n << " = " << (group == std::string("Run") ? "https://example.org/" + std::to_string(n) : "value")
                << "\r\n";
    }
    ini << "[Separators]\r\n";
    for (int n = 1; n <= 30; ++n) ini << "Separator" << (n < 10 ? "00" : "0") << n << " = Zone " << n << "\r\n";
    std::ofstream(program_folder + "/libvimo_audio.so") << std::string(2000, 'x');
    return folder.string();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const std::string program_folder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    const std::string folder = prepare_folder(program_folder);
    std::vector<double> bare, ours;
    for (int i = 0; i < runs; ++i) {  // interleaved, so both see the same machine
        bare.push_back(timed_process(bare_program));
        ours.push_back(timed_process([&] { return vimo_duzi(folder); }));
    }
    std::filesystem::remove(program_folder + "/libvimo_audio.so");
    std::printf("runs: %d\nbare toolkit window: %.1f ms (median)\nvimo duzi desk:      %.1f ms (median)\nratio: %.2f\n",
                runs, median(bare), median(ours), median(ours) / median(bare));
    return 0;
}
