// Data-file operations on a full file: 300 slots in each slot group, 30
// separators, the calendar and the radio groups.
//
//   build/bench/vd_bench --benchmark_min_time=1
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "config/data_file.h"
#include "config/ini_file.h"
#include "platform/speech.h"
#include "support/fixture.h"

namespace {

// A working folder holding a full data file, with fake services around it.
struct FullDataFile {
    test::TempFolder work;
    platform::FakeClock clock;
    platform::FakeEnvironment env;
    platform::FakeHttp http;
    platform::FakeScreen screen;
    platform::FakeSpeech speech;
    platform::FakeFileIcons file_icons;
    platform::FakeTones tones;
    platform::FakeShell shell;
    platform::FakeMediaPlayer player;
    rt::DialogScript dialogs;

    FullDataFile() {
        env.working = work.path().string();
        platform::install({&clock, &env, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
        core::State& s = core::g_state;
        s = {};
        s.Data_File_Path = work / "Vimo_Desk.ini";
        dialogs.answer(rt::MessageAnswer::Yes);
        dialogs.answer(rt::MessageAnswer::Ok);
        (void)config::load_data_file(s);
        for (int n = 1; n <= core::slot_count_max; ++n) {
            auto& slot = s.slot_table[std::size_t(n)];
            slot.target = "/usr/share/applications/program-number-" + std::to_string(n) + ".desktop";
            slot.title = "Program number " + std::to_string(n);
            slot.parameters = "--option=" + std::to_string(n) + " \"a file.txt\"";
            slot.start_folder = "/home/user/projects/" + std::to_string(n);
        }
        for (int i = 0; i < 3; ++i)
            s.favourites[std::size_t(i)] = {"Station " + std::to_string(i), "St" + std::to_string(i),
                                            "http://radio.example/" + std::to_string(i)};
        (void)config::save_all(s);
        config::IniFile ini;
        (void)ini.open(s.Data_File_Path);
        ini.select_group("Separators");
        for (int n = 1; n <= 30; ++n)
            ini.write_string("Separator" + std::string(n < 10 ? "00" : "0") + std::to_string(n),
                             "Zone " + std::to_string(n));
        ini.select_group("Calendar");
        for (int n = 1; n <= 3; ++n) {
            ini.write_real("Event_" + std::to_string(n), 1.8e9 + n);
            ini.write_string("Evt_" + std::to_string(n) + "_Text", "Event text");
        }
        ini.select_group("Radio");
        for (int n = 1; n <= 40; ++n)
            ini.write_string("Station " + std::to_string(n), "http://radio.example/" + std::to_string(n));
        ini.close();
    }
};

FullDataFile& full() {
    static FullDataFile f;
    return f;
}

void load_at_start(benchmark::State& st) {
    auto& f = full();
    for (auto _ : st) {
        core::State s;
        s.Data_File_Path = f.work / "Vimo_Desk.ini";
        benchmark::DoNotOptimize(config::load_data_file(s));
    }
}
BENCHMARK(load_at_start)->Unit(benchmark::kMillisecond);

void save_all(benchmark::State& st) {
    full();
    int n = 0;
    for (auto _ : st) {
        // A different position each time, so the file is really rewritten.
        core::g_state.X_Origin = ++n % 2;
        benchmark::DoNotOptimize(config::save_all(core::g_state));
    }
}
BENCHMARK(save_all)->Unit(benchmark::kMillisecond);

void single_key_write(benchmark::State& st) {
    full();
    int n = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(config::set_integer_key(core::g_state, "Global", "Zoom", 100 + (++n % 2) * 20));
}
BENCHMARK(single_key_write)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
