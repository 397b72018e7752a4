// Start and end of the runtime layer.
#include "rt/app.h"

#include <fontconfig/fontconfig.h>

#include <clocale>
#include <cstdlib>
#include <thread>

#include "rt/internal.h"

namespace rt {

void init(int& argc, char** argv) {
    State& s = state();
    if (!QApplication::instance()) {
        // Under Wayland the program's windows go through X, which lets a
        // window place itself. Only the toolkit's start sees the setting: the
        // programs started from the desk inherit the environment, and get
        // the user's own.
        const bool choose_x = !std::getenv("QT_QPA_PLATFORM") && std::getenv("WAYLAND_DISPLAY") && std::getenv("DISPLAY");
        if (choose_x) setenv("QT_QPA_PLATFORM", "xcb", 1);
        {
            // The font configuration is read on another core while the toolkit
            // starts: the first text drawn would otherwise wait for it.
            const std::jthread fonts([] { FcInit(); });
            s.own_application = std::make_unique<QApplication>(argc, argv);
        }
        // Only once the font thread has ended: it reads the environment too.
        if (choose_x) unsetenv("QT_QPA_PLATFORM");
    }
    // Windows are hidden and closed by the program, never by the toolkit's own rule.
    QApplication::setQuitOnLastWindowClosed(false);
    std::setlocale(LC_NUMERIC, "C");
}

void set_application_id(const char* id) {
    // The window class is the application's name; the id names the desktop entry.
    QCoreApplication::setApplicationName(QString::fromUtf8(id));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(id));
}

void release_all() {
    State& s = state();
    if (s.drawing) s.drawing->painter.end();
    s.drawing.reset();
    s.tray_icons.clear();
    s.descriptor_watches.clear();
    s.menus.clear();
    s.shortcut_filter.reset();
    // Child windows go with their parent, so each pointer is checked as it comes.
    for (auto& [number, window] : s.windows) delete window.data();
    s.windows.clear();
}

void shutdown() {
    release_all();
    std::unique_ptr<QApplication> application = std::move(state().own_application);
    state() = State{};
    application.reset();
}

void process_events_for(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms < 0 ? 0 : ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace rt
