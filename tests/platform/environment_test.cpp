// The per-user data folder's precedence, separators, and the XDG user folders
// read from a temporary home.
#include "platform/environment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::UserFolder;

TEST(Environment, WithTrailingSeparator) {
    const std::pair<const char*, const char*> rows[] = {
        {"", ""},
        {"/", "/"},
        {"//", "/"},
        {"/home/ana", "/home/ana/"},
        {"/home/ana/", "/home/ana/"},
        {"/home/ana///", "/home/ana/"},
        {"relative", "relative/"},
    };
    for (const auto& [input, expected] : rows)
        EXPECT_EQ(platform::with_trailing_separator(input), expected) << "input: " << input;
}

TEST(Environment, PerUserDataFolderPrecedence) {
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> variables;
        const char* expected;
    } rows[] = {
        {"APPDATA first",
         {{"APPDATA", "/data/app"}, {"XDG_CONFIG_HOME", "/xdg"}, {"HOME", "/home/ana"}},
         "/data/app/Vimo_Desk/"},
        {"APPDATA with separator", {{"APPDATA", "/data/app/"}}, "/data/app/Vimo_Desk/"},
        {"empty APPDATA is unset", {{"APPDATA", ""}, {"XDG_CONFIG_HOME", "/xdg"}}, "/xdg/Vimo_Desk/"},
        {"XDG_CONFIG_HOME next", {{"XDG_CONFIG_HOME", "/xdg/"}, {"HOME", "/home/ana"}}, "/xdg/Vimo_Desk/"},
        {"empty XDG_CONFIG_HOME is unset",
         {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/ana"}},
         "/home/ana/.config/Vimo_Desk/"},
        {"HOME last", {{"HOME", "/home/ana/"}}, "/home/ana/.config/Vimo_Desk/"},
        {"no variables: the home folder", {}, "/nonexistent/home/.config/Vimo_Desk/"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform::FakeEnvironment env;
        for (const auto& [name, value] : row.variables) env.variables[name] = value;
        EXPECT_EQ(platform::per_user_data_folder(env), row.expected);
    }
}

TEST(FakeEnvironment, UnsetFoldersPointNowhere) {
    platform::FakeEnvironment env;
    env.folders[UserFolder::Music] = "/music";
    EXPECT_EQ(env.user_folder(UserFolder::Music), "/music");
    EXPECT_EQ(env.user_folder(UserFolder::Desktop), "/nonexistent/desktop");
    EXPECT_FALSE(env.variable("HOME"));
}

// Sets process variables for one test (nullptr unsets) and puts back the old
// values afterwards.
class VariablesOverride {
public:
    VariablesOverride(std::initializer_list<std::pair<const char*, const char*>> settings) {
        for (const auto& [name, value] : settings) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            if (value) setenv(name, value, 1);
            else unsetenv(name);
        }
    }
    ~VariablesOverride() {
        for (const auto& [name, value] : saved_) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

using test::TempFolder;
using test::write_file;

TEST(SystemEnvironment, UserFoldersFromUserDirsFile) {
    TempFolder home;
    const std::string config = home.path().string() + "/cfg";
    VariablesOverride vars{{"HOME", home.path().c_str()}, {"XDG_CONFIG_HOME", config.c_str()}};
    write_file(config + "/user-dirs.dirs",
               "# Written by xdg-user-dirs-update\n"
               "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
               "  XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n"
               "XDG_MUSIC_DIR=relative-and-unquoted\n"
               "#XDG_MUSIC_DIR=\"$HOME/Commented\"\n"
               "XDG_PICTURES_DIR=\"$HOME/Images\"\n");
    platform::SystemEnvironment env;
    EXPECT_EQ(env.user_folder(UserFolder::Desktop), home.path().string() + "/Bureau");
    EXPECT_EQ(env.user_folder(UserFolder::Documents), "/srv/docs");
    EXPECT_EQ(env.user_folder(UserFolder::Music), home.path().string() + "/Music");
    EXPECT_EQ(env.user_folder(UserFolder::Pictures), home.path().string() + "/Images");
    EXPECT_EQ(env.user_folder(UserFolder::Home), home.path().string());
    EXPECT_EQ(env.user_folder(UserFolder::Config), config);
}

TEST(SystemEnvironment, UserDirsEntriesParsedOneByOne) {
    const struct {
        const char* name;
        const char* line;
        const char* expected_under_home;  // nullptr: the value is taken as written
        const char* expected_absolute;
    } rows[] = {
        {"home relative", "XDG_MUSIC_DIR=\"$HOME/Musique\"", "/Musique", nullptr},
        {"home itself", "XDG_MUSIC_DIR=\"$HOME/\"", "", nullptr},
        {"escaped quote and space", "XDG_MUSIC_DIR=\"$HOME/My \\\"Songs\\\"\"", "/My \"Songs\"", nullptr},
        {"absolute", "XDG_MUSIC_DIR=\"/mnt/music\"", nullptr, "/mnt/music"},
        {"unterminated quote falls back", "XDG_MUSIC_DIR=\"$HOME/Broken", "/Music", nullptr},
        {"other variable falls back", "XDG_MUSIC_DIR=\"$HOMEWORK/x\"", "/Music", nullptr},
        {"similar key ignored", "XDG_MUSIC_DIRS=\"/mnt/other\"", "/Music", nullptr},
        {"later line wins", "XDG_MUSIC_DIR=\"/first\"\nXDG_MUSIC_DIR=\"/second\"", nullptr, "/second"},
        {"CR LF line end", "XDG_MUSIC_DIR=\"/mnt/crlf\"\r\n", nullptr, "/mnt/crlf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder home;
        VariablesOverride vars{{"HOME", home.path().c_str()}, {"XDG_CONFIG_HOME", nullptr}};
        write_file(home.path().string() + "/.config/user-dirs.dirs", std::string(row.line) + "\n");
        platform::SystemEnvironment env;
        const std::string expected =
            row.expected_absolute ? std::string(row.expected_absolute) : home.path().string() + row.expected_under_home;
        EXPECT_EQ(env.user_folder(UserFolder::Music), expected);
    }
}

TEST(SystemEnvironment, FallbacksWithoutUserDirsFile) {
    TempFolder home;
    VariablesOverride vars{
        {"HOME", home.path().c_str()}, {"XDG_CONFIG_HOME", nullptr}, {"TMPDIR", nullptr}, {"APPDATA", nullptr}};
    platform::SystemEnvironment env;
    EXPECT_EQ(env.user_folder(UserFolder::Desktop), home.path().string() + "/Desktop");
    EXPECT_EQ(env.user_folder(UserFolder::Music), home.path().string() + "/Music");
    EXPECT_EQ(env.user_folder(UserFolder::Documents), home.path().string() + "/Documents");
    EXPECT_EQ(env.user_folder(UserFolder::Config), home.path().string() + "/.config");
    EXPECT_EQ(env.user_folder(UserFolder::Temporary), "/tmp");
    EXPECT_EQ(platform::per_user_data_folder(env), home.path().string() + "/.config/Vimo_Desk/");
}

TEST(SystemEnvironment, TemporaryFolderFromTmpdir) {
    VariablesOverride vars{{"TMPDIR", "/var/tmp/mine/"}};
    platform::SystemEnvironment env;
    EXPECT_EQ(env.user_folder(UserFolder::Temporary), "/var/tmp/mine");
}

TEST(SystemEnvironment, LoginNameFromUserVariable) {
    {
        VariablesOverride vars{{"USER", "ana"}};
        EXPECT_EQ(platform::SystemEnvironment().login_name(), "ana");
    }
    VariablesOverride vars{{"USER", nullptr}};
    // Without $USER the account database answers; a test runner always has an account.
    EXPECT_FALSE(platform::SystemEnvironment().login_name().empty());
}

TEST(SystemEnvironment, VariablesAndFolders) {
    VariablesOverride vars{{"VD_TEST_SET", "value"}, {"VD_TEST_EMPTY", ""}, {"VD_TEST_UNSET", nullptr}};
    platform::SystemEnvironment env;
    EXPECT_EQ(env.variable("VD_TEST_SET"), "value");
    EXPECT_EQ(env.variable("VD_TEST_EMPTY"), "");
    EXPECT_EQ(env.variable("VD_TEST_UNSET"), std::nullopt);

    TempFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    const std::string working = env.working_folder();
    fs::current_path(previous);
    EXPECT_EQ(fs::canonical(working), fs::canonical(folder.path()));

    const std::string program = env.program_folder();
    EXPECT_EQ(program.front(), '/');
    EXPECT_NE(program.back(), '/');
    EXPECT_TRUE(fs::exists(fs::path(program) / "vd_platform_tests")) << program;
}

}  // namespace
