// The desk's two costs at start and after each picture change: building the
// 297 cells of a full desk from the icon library, and writing the library.
//
//   build/bench/vd_desk_bench --benchmark_min_time=1
#include <QApplication>
#include <clocale>
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "app/desk_window.h"
#include "core/images.h"
#include "desk/desk.h"
#include "desk/icon_library.h"
#include "rt/app.h"
#include "support/fixture.h"

namespace {

// A full desk's state in a temporary data folder, with a library on disk.
struct FullDesk {
    test::TempFolder work;
    platform::FakeClock clock;
    platform::FakeEnvironment env;
    platform::FakeHttp http;  // nothing may leave the machine here
    platform::FakeScreen screen;
    platform::FakeSpeech speech;
    platform::FakeFileIcons file_icons;
    platform::FakeTones tones;
    platform::FakeShell shell;
    platform::FakeMediaPlayer player;

    FullDesk() {
        env.working = work.path().string();
        file_icons.answer_all = true;
        platform::install({&clock, &env, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
        core::load_embedded_images({core::ImageWebShortcut, core::ImageElevationBadge, core::ImagePageTab1,
                                    core::ImagePageTab2, core::ImagePageTab3});
        reset();
        app::build_desk_window(core::g_state);
        desk::build_desk(core::g_state, nullptr);  // no library yet: the desktop's icons, then the library is written
        desk::build_hidden_pages(core::g_state);
    }

    // Three slots in four occupied, the others free; separators shown.
    void reset() {
        core::State& s = core::g_state;
        s = {};
        s.Data_Folder = work.path().string() + "/";
        s.Show_Separators = 1;
        for (int n = 1; n <= core::slot_count_max; ++n)
            if (n % 4 != 0) s.slot_table[std::size_t(n)].target = "/usr/bin/program-" + std::to_string(n);
    }
};

FullDesk& full() {
    static FullDesk desk;
    return desk;
}

void build_desk_from_library(benchmark::State& st) {
    auto& f = full();
    const auto lookups = f.file_icons.lookups.size();
    for (auto _ : st) {
        st.PauseTiming();
        f.reset();
        app::build_desk_window(core::g_state);
        desk::load_icon_library(core::g_state);
        if (!desk::icon_library_present(core::g_state)) st.SkipWithError("no icon library");
        st.ResumeTiming();
        desk::build_desk(core::g_state, nullptr);
        desk::build_hidden_pages(core::g_state);
    }
    if (f.file_icons.lookups.size() != lookups || !f.http.requests().empty())
        st.SkipWithError("the build asked the desktop or the network");
}
BENCHMARK(build_desk_from_library)->Unit(benchmark::kMillisecond);

void write_icon_library(benchmark::State& st) {
    full();
    for (auto _ : st) benchmark::DoNotOptimize(desk::write_icon_library(core::g_state));
}
BENCHMARK(write_icon_library)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    rt::shutdown();
    return 0;
}
