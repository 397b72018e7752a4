// Desk scenarios: a data file with the given slots in a temporary working
// folder, the real start-up, and reading back slot pictures and the library.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "app/app_fixture.h"
#include "config/ini_file.h"
#include "desk/ids.h"
#include "rt/codec.h"
#include "rt/image.h"

namespace test {

// What the fake desktop draws for every file: a plain square of this colour.
inline constexpr std::uint32_t file_icon_colour = 0xFF3366CCu;

struct SlotEntry {
    std::string target;
    std::string title;
    std::string parameters;
    std::string start_folder;
    int elevated = 0;
};

class DeskScenario : public AppScenario {
protected:
    DeskScenario() {
        file_icons.answer_all = true;
        std::filesystem::create_directories(work.path() / "tmp");
        env.folders[platform::UserFolder::Temporary] = (work.path() / "tmp").string();
    }

    // A file of `size` bytes in the working folder; its full path.
    std::string make_file(const std::string& name, std::size_t size = 10) {
        write_file(working_file(name), std::string(size, 'x'));
        return working_file(name);
    }

    // A data file holding `slots`, with `global` lines added to group Global.
    static std::string desk_file(const std::map<int, SlotEntry>& slots, bool separators = true,
                                 const std::string& global = "") {
        std::string text =
            "[Global]\r\nShow_Separators = " + std::string(separators ? "1" : "0") + "\r\nConfirm_Del = 0\r\n" + global;
        int last = 0;
        for (const auto& [n, entry] : slots) last = std::max(last, n);
        const auto group = [&](const char* name, const char* prefix, std::string SlotEntry::*field) {
            text += std::string("[") + name + "]\r\n";
            for (int n = 1; n <= last; ++n) {
                const auto found = slots.find(n);
                text +=
                    prefix + std::to_string(n) + " = " + (found == slots.end() ? "" : found->second.*field) + "\r\n";
            }
        };
        group("Run", "Run", &SlotEntry::target);
        group("ToolTip", "ToolTip", &SlotEntry::title);
        group("Parameters", "Param", &SlotEntry::parameters);
        group("StartDirectory", "Dir", &SlotEntry::start_folder);
        text += "[Separators]\r\nSeparator001 = First\r\nSeparator011 = Eleven\r\nSeparator021 = TwentyOne\r\n";
        text += "[RunAsAdmin]\r\n";
        for (const auto& [n, entry] : slots)
            if (entry.elevated) text += "Run" + std::to_string(n) + " = 1\r\n";
        return text;
    }

    void start_desk(const std::map<int, SlotEntry>& slots, bool separators = true, const std::string& global = "") {
        start_with(desk_file(slots, separators, global));
    }

    // A key of the data file as it is on disk now.
    std::string saved(const std::string& group, const std::string& key) {
        config::IniFile ini;
        EXPECT_TRUE(ini.open(working_file("Vimo_Desk.ini")));
        ini.select_group(group);
        return ini.read_string(key, "<missing>");
    }

    std::string library_path() { return working_file("Vimo_Desk.lib"); }

    // The library on disk, decoded.
    std::optional<rt::Pixels> library() {
        const std::string bytes = read_file(library_path());
        return rt::decode_png({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    }

    static std::uint32_t pixel(const rt::Pixels& p, int x, int y) {
        return p.argb[std::size_t(y) * std::size_t(p.width) + std::size_t(x)];
    }
    // A pixel of slot n's picture as shown now.
    std::uint32_t slot_pixel(int n, int x, int y) {
        const auto p = rt::image_pixels(state.slot_table[std::size_t(n)].picture);
        return p && x < p->width && y < p->height ? pixel(*p, x, y) : 0xDEADBEEFu;
    }
    // A pixel of slot n's cell in the library on disk.
    std::uint32_t library_pixel(int n, int x, int y) {
        const auto p = library();
        return p ? pixel(*p, 32 * n + x, y) : 0xDEADBEEFu;
    }

    void slot_click(int n, rt::EventType type) {
        dispatch(
            {.kind = rt::EventKind::Gadget, .window = core::WindowDesk, .object = desk::slot_gadget(n), .type = type});
    }
    void drop(int n, rt::DropKind kind, const std::string& data) {
        dispatch({.kind = rt::EventKind::GadgetDrop,
                  .window = core::WindowDesk,
                  .object = desk::slot_gadget(n),
                  .drop = {kind, data, {}}});
    }
    void drop_files(int n, const std::vector<std::string>& files) {
        dispatch({.kind = rt::EventKind::GadgetDrop,
                  .window = core::WindowDesk,
                  .object = desk::slot_gadget(n),
                  .drop = {rt::DropKind::Files, {}, files}});
    }
    // Opens slot n's menu, then chooses `item` in it.
    void slot_menu(int n, int item) {
        slot_click(n, rt::EventType::RightClick);
        menu(item);
    }
};

}  // namespace test
