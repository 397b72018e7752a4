#include "app/end.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "config/data_file.h"
#include "core/ids.h"
#include "notes/notes_window.h"
#include "music/player.h"
#include "music/radio.h"
#include "platform/services.h"
#include "rt/app.h"
#include "rt/dialogs.h"
#include "rt/tray.h"

namespace app {

void end_program(int exit_code) {
    rt::remove_tray_icon(core::TrayIcon);
    rt::shutdown();
    throw ProgramEnd{exit_code};
}

void quit(core::State& s) {
    notes::save_open_note(s);
    config::save_all(s);
    music::stop_button(s);
    platform::clock().sleep_ms(500);
    end_program();
}

void quit_by_closing_desk(core::State& s) {
    notes::save_open_note(s);
    config::save_all(s);
    music::stop_button(s);
    end_program();
}

namespace {

// Filled before any fault can happen: a signal handler may not allocate.
char g_program[4096];

const char* describe(int signal) {
    switch (signal) {
    case SIGSEGV: return "Invalid memory access (segmentation fault)";
    case SIGBUS: return "Bus error (misaligned or missing memory)";
    case SIGFPE: return "Arithmetic error (division by zero)";
    case SIGILL: return "Illegal instruction";
    case SIGABRT: return "Program aborted";
    default: return "Run-time error";
    }
}

// The toolkit cannot be used from here: a fresh process of the program shows
// the box while this one waits, then this one ends without saving.
void on_fault(int signal) {
    const pid_t child = fork();
    if (child == 0) {
        char* const argv[] = {g_program, const_cast<char*>(fault_switch), const_cast<char*>(describe(signal)), nullptr};
        execv(g_program, argv);
        _exit(127);
    }
    if (child > 0) waitpid(child, nullptr, 0);
    _exit(1);
}

}  // namespace

void install_fatal_error_handler(const char* program_path) {
    if (!program_path || std::strlen(program_path) >= sizeof g_program) return;
    // /proc/self/exe still names the program if it was started through a relative path.
    const ssize_t n = readlink("/proc/self/exe", g_program, sizeof g_program - 1);
    if (n > 0) g_program[n] = '\0';
    else std::strcpy(g_program, program_path);
    struct sigaction action {};
    action.sa_handler = on_fault;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) sigaction(signal, &action, nullptr);
}

int show_fault(const char* description) {
    rt::message_box("Error", description ? description : "", rt::MessageButtons::Ok, rt::MessageIcon::Error);
    return 0;
}

}  // namespace app
