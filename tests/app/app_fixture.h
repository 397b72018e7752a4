// Scenario tests of the whole program: the real start-up in a temporary
// working folder with fake services, then events pushed through the dispatch.
#pragma once

#include <string>
#include <vector>

#include "app/end.h"
#include "app/loop.h"
#include "app/startup.h"
#include "core/ids.h"
#include "rt/app.h"
#include "support/fixture.h"

namespace test {

class AppScenario : public Scenario {
protected:
    ~AppScenario() override { rt::shutdown(); }

    // A data file in the working folder holding `body` after the mark.
    void data_file(const std::string& body) { write_file(working_file("Vimo_Desk.ini"), "\xEF\xBB\xBF\r\n" + body); }
    // The audio engine library beside the program, `size` bytes long.
    void audio_library(std::size_t size) { write_file(working_file("libvimo_audio.so"), std::string(size, 'x')); }

    // Runs the start-up with `args` after the program name.
    void start(std::vector<std::string> args = {}) {
        args.insert(args.begin(), "vimo-duzi");
        argv_storage = args;
        argv.clear();
        for (auto& a : argv_storage) argv.push_back(a.data());
        argv.push_back(nullptr);
        app::start_up(state, int(args.size()), argv.data());
    }

    // A complete ordinary start: library present, data file present.
    void start_with(const std::string& body, std::vector<std::string> args = {}) {
        audio_library(2000);
        data_file(body);
        start(std::move(args));
    }

    void dispatch(rt::Event e) { app::dispatch(state, e); }
    void menu(int item) { dispatch({.kind = rt::EventKind::Menu, .window = core::WindowDesk, .object = item}); }
    std::string data_bytes() { return read_file(working_file("Vimo_Desk.ini")); }

    std::vector<std::string> argv_storage;
    std::vector<char*> argv;
};

}  // namespace test
