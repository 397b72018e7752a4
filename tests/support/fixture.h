// Scenario test support: a fresh temporary working folder, fake platform
// services pointing at it, scripted dialogs and a fresh global state.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/state.h"
#include "platform/services.h"
#include "rt/dialogs.h"

namespace test {

inline std::string read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void write_file(const std::filesystem::path& p, std::string_view bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string fixture(const std::string& name) { return read_file(std::string(VD_FIXTURES) + "/" + name); }

// A temporary folder removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vd-test-XXXXXX").string();
        path_ = std::filesystem::canonical(mkdtemp(pattern.data()));  // as the program sees it
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Base of scenario tests: everything the program would touch is fake or temporary.
class Scenario : public ::testing::Test {
protected:
    Scenario() {
        env.working = work.path().string();
        env.program = work.path().string();
        env.variables["HOME"] = (work.path() / "home").string();
        env.variables["APPDATA"] = (work.path() / "appdata").string();
        previous_ = platform::install({&clock, &env, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
        core::g_state = {};
    }
    ~Scenario() override { platform::install(previous_); }

    std::string working_file(const std::string& name) const { return work / name; }

    TempFolder work;
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
    core::State& state = core::g_state;

private:
    platform::Services previous_;
};

}  // namespace test
