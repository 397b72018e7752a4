// The program's data-file operations against real files in a temporary
// working folder, with scripted dialogs.
#include "config/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "config/ini_file.h"
#include "config/install_mode.h"
#include "config/keys.h"
#include "platform/files.h"
#include "support/fixture.h"
#include "support/unprivileged.h"

using config::LoadResult;
using rt::DialogKind;
using rt::MessageAnswer;
using rt::MessageButtons;
using rt::MessageIcon;
using test::fixture;
using test::read_file;
using test::write_file;

namespace {

const std::string bom_line = "\xEF\xBB\xBF\r\n";

class DataFile : public test::Scenario {
protected:
    // Puts `body` (after the mark) in the working folder as the data file.
    void data_file(const std::string& body) {
        write_file(working_file("Vimo_Desk.ini"), bom_line + body);
        state.Data_File_Path = working_file("Vimo_Desk.ini");
    }
    std::string data_bytes() { return read_file(working_file("Vimo_Desk.ini")); }
};

}  // namespace

TEST_F(DataFile, FirstStartAnsweredYesCreatesTheExactNewFileAndTellsTheUser) {
    dialogs.answer(MessageAnswer::Yes);
    dialogs.answer(MessageAnswer::Ok);
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Install_Mode_Text, "");

    ASSERT_EQ(config::load_data_file(state), LoadResult::Created);

    ASSERT_EQ(dialogs.shown().size(), 2u);
    const auto& question = dialogs.shown()[0];
    EXPECT_EQ(question.title, "Fichier de données non trouvé (DataFile NOT found) ");
    EXPECT_EQ(question.text,
              "Le Fichier: Vimo_Desk.ini n'existe pas.Voulez-vous en Créer un Nouveau? \n\n"
              "File: Vimo_Desk.ini does Not exist. Do you want to Create one New ?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    const auto& told = dialogs.shown()[1];
    EXPECT_EQ(told.title, "Ok");
    EXPECT_EQ(told.icon, MessageIcon::Information);
    EXPECT_EQ(told.text, "File: " + working_file("Vimo_Desk.ini") +
                             " Created with succes.\n\nDrag and Drop an ico on zone.\nOR.\nRight clic on free zone.");

    EXPECT_EQ(data_bytes(), fixture("created.ini"));
    EXPECT_EQ(state.Data_File_Path, working_file("Vimo_Desk.ini"));
    // The start values stay for this run; the new file is read at the next start.
    EXPECT_EQ(state.X_Origin, 0);
    EXPECT_EQ(state.On_Top, 0);
    EXPECT_EQ(state.Page_Colors[1], 16775408u);
    EXPECT_EQ(state.Page_Colors[2], 13499135u);

    // The next start is a portable installation reading the new file.
    core::g_state = {};
    config::determine_installation_mode(state);
    EXPECT_EQ(state.Install_Mode_Text, "Installation Portable");
    ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
    EXPECT_EQ(state.X_Origin, 1);
    EXPECT_EQ(state.Y_Origin, 1);
    EXPECT_EQ(state.On_Top, 1);
    EXPECT_EQ(state.Volume, 50);
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(DataFile, FirstStartAnsweredNoEndsWithoutAFile) {
    dialogs.answer(MessageAnswer::No);
    EXPECT_EQ(config::load_data_file(state), LoadResult::Declined);
    EXPECT_FALSE(std::filesystem::exists(working_file("Vimo_Desk.ini")));
}

// A FIFO the user may read but not write: opened for reading it would wait
// for a writer for ever. It is a file that cannot be read.
TEST_F(DataFile, AFifoInPlaceOfTheFileIsOneThatCannotBeReadAndHoldsNothing) {
    const std::string path = working_file("Vimo_Desk.ini");
    ASSERT_EQ(mkfifo(path.c_str(), 0444), 0);
    state.Data_File_Path = path;
    constexpr unsigned time_limit_seconds = 10;
    const auto held = test::holds_unprivileged(
        work.path(),
        [&] {
            dialogs.answer(MessageAnswer::No);
            return config::load_data_file(state) == LoadResult::Declined && dialogs.shown().size() == 1 &&
                   dialogs.shown()[0].title == "Fichier de données non trouvé (DataFile NOT found) ";
        },
        time_limit_seconds);
    if (!held) GTEST_SKIP() << "cannot run without privileges here";
    EXPECT_TRUE(*held) << "the load asks whether to create a file, at once";
}

// A data file that cannot be read, whatever stands in its way, takes the
// path of a missing one: the user is asked whether to make a new one, at
// once. A file that grows while it is read is read as far as it goes.
TEST_F(DataFile, AFileThatCannotBeReadAsksForANewOneAndAGrowingOneNeverHoldsTheLoad) {
    const std::string path = working_file("Vimo_Desk.ini");
    state.Data_File_Path = path;
    const struct {
        const char* name;
        std::function<void()> make;
    } rows[] = {
        {"no permission (EACCES)",
         [&] {
             write_file(path, bom_line + "[Global]\r\nZoom = 120\r\n");
             chmod(path.c_str(), 0);
         }},
        {"a folder (EISDIR)", [&] { std::filesystem::create_directory(path); }},
        {"a link to itself (ELOOP)", [&] { std::filesystem::create_symlink(path, path); }},
    };
    constexpr unsigned time_limit_seconds = 10;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(path);
        row.make();
        dialogs.answer(MessageAnswer::No);
        const auto held = test::holds_unprivileged(
            work.path(),
            [&] {
                return config::load_data_file(state) == LoadResult::Declined && dialogs.shown().size() == 1 &&
                       dialogs.shown()[0].title == "Fichier de données non trouvé (DataFile NOT found) ";
            },
            time_limit_seconds);
        if (!held) GTEST_SKIP() << "cannot run without privileges here";
        EXPECT_TRUE(*held);
        std::filesystem::remove_all(path);
    }

    // Another process appending to the file all the time the load reads it.
    write_file(path, bom_line + "[Global]\r\nZoom = 120\r\n");
    const auto held = test::holds_unprivileged(
        work.path(),
        [&] {
            std::atomic<bool> stop = false;
            std::thread appender([&] {
                const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
                const std::string more = "[More]\r\nKey = value\r\n";
                while (fd >= 0 && !stop && ::write(fd, more.data(), more.size()) > 0) {}
                if (fd >= 0) ::close(fd);
            });
            const LoadResult result = config::load_data_file(state);
            stop = true;
            appender.join();
            // Read as far as it went, or refused past the largest data file (then asked about).
            return (result == LoadResult::Loaded && state.Zoom == 120) ||
                   (result == LoadResult::Declined && dialogs.shown().size() == 1);
        },
        time_limit_seconds);
    if (!held) GTEST_SKIP() << "cannot run without privileges here";
    EXPECT_TRUE(*held) << "the load ends at once, without a crash";
}

TEST_F(DataFile, NewFileThatCannotBeCreatedIsReported) {
    env.working = working_file("missing-folder");
    dialogs.answer(MessageAnswer::Yes);
    EXPECT_EQ(config::load_data_file(state), LoadResult::CreateFailed);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].title, "Error");
    EXPECT_EQ(dialogs.shown()[1].text, "Can't create INI file\nErreur: ne peut créer le fichier INI");
    EXPECT_EQ(dialogs.shown()[1].icon, MessageIcon::Warning);
}

TEST_F(DataFile, SaveAllWritesTheExactLayoutAndTwiceIsByteForByteTheSame) {
    write_file(working_file("Vimo_Desk.ini"), fixture("created.ini"));
    state.Data_File_Path = working_file("Vimo_Desk.ini");
    ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);

    state.X_Origin = 10;
    state.Y_Origin = 20;
    state.Desk_Height = 650;
    state.Volume = 70;
    state.Lng = "Us";
    state.slot_table[1] = {.target = "http://example.org/", .title = "Example"};
    state.slot_table[2] = {
        .target = "/usr/bin/env", .parameters = "-i A=1", .start_folder = "/tmp", .title = "Environment"};
    state.slot_table[300] = {.target = "https://last.example/", .title = "Last"};
    state.favourites[0] = {"Jazz Radio", "Jazz", "http://jazz.example/stream"};

    ASSERT_TRUE(config::save_all(state));
    EXPECT_EQ(data_bytes(), fixture("saved.ini"));
    ASSERT_TRUE(config::save_all(state));
    EXPECT_EQ(data_bytes(), fixture("saved.ini"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DataFile, SaveAllKeepsWhatItDoesNotOwnAndMovesFavouritesToTheEnd) {
    data_file(
        "; mine\r\n[Radio_Fav]\r\nOld = http://old\r\n[Global]\r\nBackGroundColor = $FF\r\n"
        "Custom = 1\r\n[Separators]\r\nSeparator001 = Jeux\r\n[Calendar]\r\nEvent_1 = 12.6\r\n");
    ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
    ASSERT_TRUE(config::save_all(state));
    const std::string bytes = data_bytes();
    EXPECT_TRUE(
        bytes.starts_with(bom_line + "; mine\r\n[Global]\r\nBackGroundColor = $FF\r\nCustom = 1\r\nX_Origin = 0\r\n"));
    EXPECT_NE(bytes.find("[Separators]\r\nSeparator001 = Jeux\r\n[Calendar]\r\nEvent_1 = 12.6\r\n[Run]\r\n"),
              std::string::npos);
    EXPECT_TRUE(bytes.ends_with("[Radio_Fav]\r\nOld = http://old\r\n = \r\n[Radio_ShortName]\r\nOld = \r\n = \r\n"));
    EXPECT_EQ(bytes.find("Old = http://old"), bytes.rfind("Old = http://old")) << "one Radio_Fav group only";
}

// Another instance's single-key writes between this one's load and its
// save-all: the save-all reads the file again under its lock and changes
// only the keys it saves, so every other key keeps the other's value. The
// three settings that are both written at once and saved by a save-all take
// this instance's value: the last one to save them wins.
TEST_F(DataFile, ASaveAllKeepsEveryKeyAnotherInstanceWroteSinceTheLoad) {
    data_file("[Global]\r\nLng = Fr\r\nShow_Separators = 1\r\nConfirm_Del = 1\r\nZoom = 100\r\n");
    ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
    core::State other;
    other.Data_File_Path = state.Data_File_Path;
    const struct {
        std::string_view group;
        std::string key;
        std::string written;  // by the other instance
        std::string after;    // after this instance's save-all
    } rows[] = {
        {config::keys::Global, "ToDo_FileName", "/home/ana/note.txt", "/home/ana/note.txt"},
        {config::keys::Global, "ToDo_BG_Color", "255", "255"},
        {config::keys::Global, "ToDo_Font_Name", "Serif", "Serif"},
        {config::keys::Global, "Zoom", "150", "150"},
        {config::keys::Global, "BackGroundColor_P2", "$FF00FF", "$FF00FF"},
        {config::keys::Global, "BackGroundColor", "$123456", "$123456"},
        {config::keys::Global, "X_WinInfo", "333", "333"},
        {config::keys::Separators, "Separator004", "Jeux", "Jeux"},
        {config::keys::RunAsAdmin, "Run7", "1", "1"},
        {config::keys::Global, "Lng", "Us", "Fr"},
        {config::keys::Global, "Show_Separators", "0", "1"},
        {config::keys::Global, "Confirm_Del", "0", "1"},
    };
    for (const auto& row : rows) ASSERT_TRUE(config::set_string_key(other, row.group, row.key, row.written));

    ASSERT_TRUE(config::save_all(state));
    config::IniFile ini;
    ASSERT_TRUE(ini.open(state.Data_File_Path));
    for (const auto& row : rows) {
        ini.select_group(row.group);
        EXPECT_EQ(ini.read_string(row.key, "(missing)"), row.after) << row.key;
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DataFile, SaveAllWithoutTheFileTellsTheUserAndWritesNothing) {
    state.Data_File_Path = working_file("Vimo_Desk.ini");
    EXPECT_FALSE(config::save_all(state));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Erreur (Error)");
    EXPECT_EQ(dialogs.shown()[0].text, "Fichier INI inexistant, impossible de sauvegarder. (INI File does not exist)");
    EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(std::filesystem::exists(working_file("Vimo_Desk.ini")));
}

TEST_F(DataFile, LoadReadsGlobalWithDefaultsAndNotations) {
    data_file(
        "[global]\r\nBACKGROUNDCOLOR = $ff\r\nBackGroundColor_P2=255\r\nTextColor = 3.6\r\n"
        "Clock_Type = 12\r\nLng = Us\r\nVolume = loud\r\nNeedle_Clock_BG_Color = 4278190080\r\n"
        "Needle_Clock_FG_Color = -16711936\r\nToDo_BG_Color = $00FF00\r\n");
    state.Desk_Height = 640;  // a start value: the default of its key
    ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
    EXPECT_EQ(state.BackGroundColor, 255u);
    EXPECT_EQ(state.Page_Colors[0], 14474460u);
    EXPECT_EQ(state.Page_Colors[1], 255u);
    EXPECT_EQ(state.Page_Colors[2], 13499135u);
    EXPECT_EQ(state.TextColor, 4);
    EXPECT_EQ(state.Clock_Type, 12);
    EXPECT_EQ(state.Lng, "Us");
    EXPECT_EQ(state.Volume, 0);
    EXPECT_EQ(state.Desk_Height, 640);
    EXPECT_EQ(state.ClockBar_X, 800);
    EXPECT_EQ(state.On_Top, 1);
    EXPECT_EQ(state.Confirm_Del, 1);
    EXPECT_EQ(state.Show_Separators, 1);
    EXPECT_EQ(state.Needle_Clock_ON, 0);
    EXPECT_EQ(state.Needle_Clock_BG_Color, 0xFF000000u);
    EXPECT_EQ(state.Needle_Clock_FG_Color, 0xFF00FF00u);
    EXPECT_EQ(state.ToDo_BG_Color, 0x00FF00u);
    EXPECT_EQ(state.ToDo_Font_Name, "Verdana");
    EXPECT_EQ(state.Zoom, 100);
}

// Values that would stop the clock bar or hide the needles are read as the
// nearest sound setting.
TEST_F(DataFile, HourFormatAndNeedleColoursThatCannotBeUsedAreMended) {
    struct Row {
        const char* stored;  // the same text for the three keys
        int clock_type;
        std::uint32_t background, needles;
    };
    const Row rows[] = {
        {"12", 12, 0xFF00000Cu, 0xFF00000Cu},         {"24", 24, 0xFF000018u, 0xFF000018u},
        {"0", 24, 0xFF000000u, 0xFF000000u},          {"13", 24, 0xFF00000Du, 0xFF00000Du},
        {"-12", 24, 0xFFFFFFF4u, 0xFFFFFFF4u},        {"abc", 24, 0xFF000000u, 0xFF00FF00u},
        {"$FF0000FF", 24, 0xFF000000u, 0xFF00FF00u},  {"", 24, 0xFF000000u, 0xFF00FF00u},
        {"255", 24, 0xFF0000FFu, 0xFF0000FFu},        {" -16711936", 24, 0xFF00FF00u, 0xFF00FF00u},
        {"2164195328", 24, 0x80FF0000u, 0x80FF0000u},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        core::g_state = {};
        const std::string value = row.stored;
        data_file("[Global]\r\nClock_Type = " + value + "\r\nNeedle_Clock_BG_Color = " + value +
                  "\r\nNeedle_Clock_FG_Color = " + value + "\r\n");
        ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
        EXPECT_EQ(state.Clock_Type, row.clock_type);
        EXPECT_EQ(state.Needle_Clock_BG_Color, row.background);
        EXPECT_EQ(state.Needle_Clock_FG_Color, row.needles);
    }
}

TEST_F(DataFile, LoadFillsSlotsByKeyOrderAndAppliesTheMissingTargetRule) {
    const std::string missing = working_file("gone/app");
    write_file(working_file("present.sh"), "#!/bin/sh\n");
    data_file(
        "[Run]\r\nRun1 = " + working_file("present.sh") + "\r\nRun7 = " + missing +
        "\r\nWhatever = C:\\Program Files\\gone.exe\r\nRun4 = c:\\lower\\gone.exe\r\n"
        "Run5 = D:\\Apps\\gone.exe\r\nRun6 = http://example.org/\r\nRun8 = /media/stick/app\r\n"
        "Run9 = firefox\r\n[ToolTip]\r\nX = first\r\nY = second\r\n"
        "[Parameters]\r\nParam2 = -two\r\nParam1 = -one\r\nParam9 = unread\r\n"
        "[StartDirectory]\r\nDir1 = /tmp\r\n[RunAsAdmin]\r\nRun12 = 1\r\nRunRun3 = 1\r\nRun999 = 1\r\nRun0 = 1\r\n");
    ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
    const std::string expected_targets[] = {"",
                                            working_file("present.sh"),
                                            "",
                                            "",
                                            "c:\\lower\\gone.exe",
                                            "D:\\Apps\\gone.exe",
                                            "http://example.org/",
                                            "/media/stick/app",
                                            "firefox"};
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(state.slot_table[std::size_t(n)].target, expected_targets[n]) << "slot " << n;
    EXPECT_EQ(state.slot_table[1].title, "first");
    EXPECT_EQ(state.slot_table[2].title, "second");
    EXPECT_EQ(state.slot_table[1].parameters, "-one");
    EXPECT_EQ(state.slot_table[2].parameters, "-two");
    EXPECT_EQ(state.slot_table[3].parameters, "") << "only as many Param keys are read as the group holds";
    EXPECT_EQ(state.slot_table[1].start_folder, "/tmp");
    EXPECT_EQ(state.slot_table[12].elevated, 1);
    EXPECT_EQ(state.slot_table[3].elevated, 1) << "every \"Run\" is removed from the key";
}

TEST_F(DataFile, LoadReadsSeparatorsMruCalendarAndFavourites) {
    data_file(
        "[MRU]\r\nMRU1 = /a.m3u\r\nx = /b.m3u\r\nc = 3\r\nd = 4\r\ne = 5\r\nf = 6\r\n"
        "[Separators]\r\nSeparator007 = Sept\r\nseparator008 = lower\r\nSeparator9 = short\r\n"
        "Separator030 = Last\r\nSeparator031 = beyond\r\n"
        "[Calendar]\r\nEvent_1 = 1536917290.5\r\nEvt_1_Text = Coffee\r\nEvent_3 = words\r\n"
        "[Radio_Fav]\r\nJazz = http://jazz\r\nRock = http://rock\r\nPop = http://pop\r\nFourth = x\r\n"
        "[Radio_ShortName]\r\nJazz = Jz\r\n");
    ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
    EXPECT_EQ(state.MRU[1], "/a.m3u");
    EXPECT_EQ(state.MRU[2], "/b.m3u");
    EXPECT_EQ(state.MRU[5], "5");
    EXPECT_EQ(state.separators[7].title, "Sept");
    EXPECT_EQ(state.separators[8].title, "");
    EXPECT_EQ(state.separators[9].title, "");
    EXPECT_EQ(state.separators[30].title, "Last");
    EXPECT_EQ(state.separators[31].title, "");
    EXPECT_EQ(state.Event_Time[1], 1536917291);
    EXPECT_EQ(state.Event_Text[1], "Coffee");
    EXPECT_EQ(state.Event_Time[3], 0);
    EXPECT_EQ(state.favourites[0].name, "Jazz");
    EXPECT_EQ(state.favourites[0].address, "http://jazz");
    EXPECT_EQ(state.favourites[0].short_label, "Jz");
    EXPECT_EQ(state.favourites[2].name, "Pop");
    EXPECT_EQ(state.favourites[1].short_label, "");
}

TEST_F(DataFile, SingleKeyWritesAndTheirLanguageDependentFailures) {
    data_file("[Global]\r\nZoom = 100\r\n");
    EXPECT_TRUE(config::set_integer_key(state, "Global", "Zoom", 120));
    EXPECT_TRUE(config::set_string_key(state, "MRU", "MRU1", "/x.m3u"));
    EXPECT_EQ(data_bytes(), bom_line + "[Global]\r\nZoom = 120\r\n[MRU]\r\nMRU1 = /x.m3u\r\n");

    state.Data_File_Path = working_file("missing.ini");
    struct Row {
        std::string lng;
        std::string title, text;
    };
    const Row rows[] = {{"Fr", "Erreur", "Fichier INI inexistant, impossible de sauvegarder."},
                        {"Us", "Error", "INI File not found."},
                        {"De", "", ""}};
    for (const Row& row : rows) {
        rt::DialogScript script;
        state.Lng = row.lng;
        EXPECT_FALSE(config::set_string_key(state, "Global", "Lng", "Fr"));
        if (row.title.empty()) {
            EXPECT_TRUE(script.shown().empty()) << row.lng;
            continue;
        }
        ASSERT_EQ(script.shown().size(), 1u) << row.lng;
        EXPECT_EQ(script.shown()[0].title, row.title);
        EXPECT_EQ(script.shown()[0].text, row.text);
        EXPECT_EQ(script.shown()[0].icon, MessageIcon::Warning);
    }
}

TEST_F(DataFile, AWriteThatFailsAtAnyStepIsReportedAndLeavesTheFileWhole) {
    data_file("[Global]\r\nZoom = 100\r\n");
    const std::string before = data_bytes();
    const std::string path = working_file("Vimo_Desk.ini");
    const std::string reported =
        "Impossible d'écrire le fichier INI: " + path + "\n(Can't write INI file: " + path + ")";
    for (const auto step : {platform::WriteStep::Open, platform::WriteStep::Write, platform::WriteStep::Flush,
                            platform::WriteStep::Rename}) {
        platform::set_write_fault(platform::WriteFault{step, ENOSPC});
        rt::DialogScript script;
        const bool key_written = config::set_integer_key(state, "Global", "Zoom", 120);
        const bool saved = config::save_all(state);
        platform::set_write_fault(std::nullopt);
        EXPECT_FALSE(key_written) << int(step);
        EXPECT_FALSE(saved) << int(step);
        ASSERT_EQ(script.shown().size(), 2u) << int(step);
        for (const auto& box : script.shown()) {
            EXPECT_EQ(box.title, "Erreur (Error)");
            EXPECT_EQ(box.text, reported);
        }
        EXPECT_EQ(data_bytes(), before) << int(step);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()), {}), 1) << int(step);
    }
    EXPECT_TRUE(config::set_integer_key(state, "Global", "Zoom", 120)) << "the program goes on";
}

TEST_F(DataFile, HostileFilesLoadWithDefaults) {
    std::string long_value(1 << 20, 'x');
    std::string many = "[Run]\r\n";
    for (int i = 0; i < 100000; ++i) many += "Run" + std::to_string(i) + " = http://e/" + std::to_string(i) + "\r\n";
    const std::string bodies[] = {
        std::string(4096, '\0'),
        "[Global\r\nLng = Us\r\n[[[]]]\r\n]]]\r\n",
        "[Global]\r\nDesk_Height = 99999999999999999999\r\nLng = \xFF\xFE\r\nToDo_Font_Name = " + long_value,
        "[RunAsAdmin]\r\nRun-5 = 1\r\nRun99999999999 = 1\r\n = 1\r\n",
        many,
    };
    for (const std::string& body : bodies) {
        core::g_state = {};
        data_file(body);
        ASSERT_EQ(config::load_data_file(state), LoadResult::Loaded);
        EXPECT_EQ(state.Clock_Type, 24);
        EXPECT_TRUE(config::save_all(state));
    }
    EXPECT_EQ(state.slot_table[300].target, "http://e/299");
}

TEST_F(DataFile, AnInstalledProgramCreatesTheNewFileInThePerUserFolderNeverInTheWorkingFolder) {
    std::filesystem::create_directories(working_file("prefix/share/vimo-duzi"));
    env.program = working_file("prefix/bin");
    env.variables.erase("APPDATA");
    env.working = working_file("home");  // started from a menu: the home folder
    dialogs.answer(MessageAnswer::Yes);
    dialogs.answer(MessageAnswer::Ok);
    config::determine_installation_mode(state);

    ASSERT_EQ(config::load_data_file(state), LoadResult::Created);

    const std::string per_user = working_file("home/.config/Vimo_Desk/Vimo_Desk.ini");
    EXPECT_EQ(state.Data_File_Path, per_user);
    EXPECT_EQ(read_file(per_user), fixture("created.ini"));
    EXPECT_FALSE(std::filesystem::exists(working_file("home/Vimo_Desk.ini")));
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_NE(dialogs.shown()[1].text.find(per_user), std::string::npos);
}

TEST_F(DataFile, APerUserFolderThatCannotBeMadeIsReportedAsAFileThatCannotBeCreated) {
    std::filesystem::create_directories(working_file("prefix/share/vimo-duzi"));
    env.program = working_file("prefix/bin");
    write_file(working_file("appdata"), "a file where the folder should be");
    dialogs.answer(MessageAnswer::Yes);
    dialogs.answer(MessageAnswer::Ok);
    config::determine_installation_mode(state);

    EXPECT_EQ(config::load_data_file(state), LoadResult::CreateFailed);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].icon, MessageIcon::Warning);
}
