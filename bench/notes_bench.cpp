// The text viewer and the notes window on the largest file they open (16 MiB):
// reading, decoding and filling the editor, shown on the screen; and the
// note's save of as much text.
//
//   build/bench/vd_notes_bench --benchmark_min_time=1
// Under a display (Xvfb or a desktop) the editor is also painted; on Qt's
// offscreen platform the paint costs nothing.
#include <QApplication>
#include <clocale>
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "core/ids.h"
#include "notes/ids.h"
#include "notes/note_files.h"
#include "notes/notes_window.h"
#include "notes/text_codec.h"
#include "notes/viewer.h"
#include "rt/app.h"
#include "rt/gadget.h"
#include "rt/window.h"
#include "support/fixture.h"

namespace {

struct Files {
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
    std::string ansi, utf16;

    Files() {
        env.working = work.path().string();
        platform::install({&clock, &env, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
        // Lines of 60 to 80 characters with accents, up to the cap.
        std::string text;
        for (int line = 0; text.size() + 100 < notes::max_text_file_bytes; ++line)
            text += "Ligne " + std::to_string(line) + " : caf\xE9, \xE9t\xE9, na\xEFve " +
                    std::string(std::size_t(30 + line % 20), 'x') + "\r\n";
        ansi = work / "ansi.txt";
        test::write_file(ansi, text);
        std::string wide = "\xFF\xFE";
        for (const char c : text.substr(0, notes::max_text_file_bytes / 2 - 2)) {
            wide += c;
            wide += '\0';
        }
        utf16 = work / "utf16.txt";
        test::write_file(utf16, wide);
        test::write_file(work / "Vimo_Desk.ini", "\xEF\xBB\xBF\r\n[Global]\r\n");
        core::g_state.Data_File_Path = work / "Vimo_Desk.ini";
    }
};

Files& files() {
    static Files f;
    return f;
}

void open_in_viewer(benchmark::State& st, const std::string& path) {
    notes::open_text_viewer(core::g_state, path);  // the first window of the run is built before timing
    for (auto _ : st) {
        notes::open_text_viewer(core::g_state, path);
        // Until the window is on the screen with its text painted.
        rt::paint_window_now(core::WindowTextViewer, 10000);
    }
    st.counters["chars"] = double(rt::gadget_text(notes::GadgetViewerText).size());
}

void viewer_16_mib_ansi(benchmark::State& st) { open_in_viewer(st, files().ansi); }
BENCHMARK(viewer_16_mib_ansi)->Unit(benchmark::kMillisecond);

void viewer_16_mib_utf16(benchmark::State& st) { open_in_viewer(st, files().utf16); }
BENCHMARK(viewer_16_mib_utf16)->Unit(benchmark::kMillisecond);

// The parts of the viewer's opening: reading and decoding, then the editor alone.
void read_and_decode_16_mib(benchmark::State& st) {
    auto& f = files();
    for (auto _ : st) {
        const auto file = notes::read_text_file(f.ansi);
        benchmark::DoNotOptimize(notes::viewer_text(file.bytes));
    }
}
BENCHMARK(read_and_decode_16_mib)->Unit(benchmark::kMillisecond);

void editor_text_16_mib(benchmark::State& st) {
    auto& f = files();
    notes::open_text_viewer(core::g_state, f.ansi);
    const std::string text = rt::gadget_text(notes::GadgetViewerText);
    for (auto _ : st) {
        rt::set_text(notes::GadgetViewerText, "");
        rt::set_text(notes::GadgetViewerText, text);
    }
}
BENCHMARK(editor_text_16_mib)->Unit(benchmark::kMillisecond);

void notes_open_and_save_16_mib(benchmark::State& st) {
    auto& f = files();
    for (auto _ : st) {
        core::g_state.ToDo_FileName = f.ansi;
        notes::toggle_notes(core::g_state);  // opens and loads
        rt::paint_window_now(core::WindowNotes, 10000);
        notes::toggle_notes(core::g_state);  // saves and closes
    }
}
BENCHMARK(notes_open_and_save_16_mib)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    files();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    rt::shutdown();
    return 0;
}
