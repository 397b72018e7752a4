// The web radio as the running program offers it: the real start-up with an
// engine library beside the program (a stand-in that logs its calls, or the
// real one), the radio window driven through the dispatch, and what group
// Radio of the data file holds.
#pragma once

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "config/ini_file.h"
#include "music/engine.h"
#include "music/ids.h"
#include "music/radio.h"
#include "music_fixture.h"
#include "rt/events.h"
#include "rt/window_bars.h"

namespace test {

class RadioScenario : public MusicScenario {
protected:
    void SetUp() override {}
    // Whatever a test left playing ends with it, as quitting ends it.
    void TearDown() override { music::stop_radio_stream(state); }

    // Starts the program with `library` beside it as its engine library and
    // `body` as its data file. The volume is 0 unless `body` says otherwise,
    // so that a real station stays silent.
    void start_radio(const std::string& body, const std::string& library = VD_ENGINE_STUB_FULL) {
        env.program = (work.path() / "program").string();
        std::filesystem::create_directories(env.program);
        std::filesystem::create_symlink(library, env.program + "/libvimo_audio.so");
        data_file(body.find("Volume") == std::string::npos ? "[Global]\r\nVolume = 0\r\n" + body : body);
        start();
    }

    // Quits (the radio stops) and starts again on the same files.
    void restart() {
        music::radio_stop(state);
        rt::shutdown();
        state = {};
        start();
    }

    // Opens the radio window; the engine's log starts afresh.
    void open_radio() {
        if (!rt::window_exists(core::WindowRadio)) click(core::GadgetWebRadio);
        engine_log();
    }
    void radio_click(int gadget) { click(gadget, rt::EventType::LeftClick, core::WindowRadio); }
    // The user chooses line `line` (0 for the first) of the station list.
    void choose(int line) {
        rt::set_gadget_selected_item(music::GadgetRadioStations, line);
        click(music::GadgetRadioStations, rt::EventType::Change, core::WindowRadio);
    }
    void fields(const std::string& name, const std::string& address) {
        rt::set_text(music::GadgetRadioName, name);
        rt::set_text(music::GadgetRadioAddress, address);
    }
    std::string name_field() { return rt::gadget_text(music::GadgetRadioName); }
    std::string address_field() { return rt::gadget_text(music::GadgetRadioAddress); }
    std::string status() { return rt::status_text(core::WindowRadio, 0); }

    // The lines of the station list as it shows them.
    std::vector<std::string> list_lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < rt::gadget_item_count(music::GadgetRadioStations); ++i)
            lines.push_back(rt::gadget_item_text(music::GadgetRadioStations, i));
        return lines;
    }

    // The keys and values of `group` in the data file on disk, in file order.
    std::vector<std::pair<std::string, std::string>> group_on_disk(const std::string& group = "Radio") {
        std::vector<std::pair<std::string, std::string>> keys;
        config::IniFile ini;
        EXPECT_TRUE(ini.open(working_file("Vimo_Desk.ini")));
        if (!ini.select_group(group)) return keys;
        ini.examine_keys();
        while (ini.next_key()) keys.emplace_back(ini.key_name(), ini.key_value());
        return keys;
    }
};

}  // namespace test
