// Show help: the compiled help file of the language in the working folder
// first, then the installed pages of that language, never the other
// language's, else the missing-help warning.
#include "web/help.h"

#include <gtest/gtest.h>

#include "support/fixture.h"
#include "support/shell_requests.h"

namespace {

using platform::FakeShell;

class Help : public test::Scenario {
protected:
    Help() { env.program = (work.path() / "program").string(); }

    void compiled(const std::string& name) { test::write_file(working_file(name), "ITSF"); }
    std::string installed(const std::string& folder, const std::string& page = "Presentation.htm") {
        const std::string path = env.program + "/" + folder + "/" + page;
        test::write_file(path, "<!DOCTYPE html>\n");
        return path;
    }
    std::vector<std::string> opened() const {
        std::vector<std::string> targets;
        for (const auto& r : shell.requests) {
            EXPECT_EQ(r.verb, FakeShell::Verb::Open);
            targets.push_back(r.program);
        }
        return targets;
    }
};

TEST_F(Help, CompiledHelpOfTheLanguageComesFirst) {
    compiled("Vimo_Desk_Help_Fr.chm");
    compiled("Vimo_Desk_Help_Us.chm");
    installed("Vimo_Desk_Help_Fr");
    installed("Vimo_Desk_Help_Us");
    for (const auto& [lng, file] : {std::pair{"Fr", "Vimo_Desk_Help_Fr.chm"}, {"Us", "Vimo_Desk_Help_Us.chm"}}) {
        shell.requests.clear();
        state.Lng = lng;
        web::show_help(state);
        EXPECT_EQ(opened(), std::vector<std::string>{working_file(file)}) << lng;
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Help, InstalledPagesOfTheLanguageWithoutACompiledFile) {
    const std::string french = installed("Vimo_Desk_Help_Fr");
    const std::string english = installed("Vimo_Desk_Help_Us");
    compiled("Vimo_Desk_Help_Us.chm");  // another language's file changes nothing
    state.Lng = "Fr";
    web::show_help(state);
    EXPECT_EQ(opened(), std::vector<std::string>{french});

    shell.requests.clear();
    std::filesystem::remove(working_file("Vimo_Desk_Help_Us.chm"));
    state.Lng = "Us";
    web::show_help(state);
    EXPECT_EQ(opened(), std::vector<std::string>{english});
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Help, MissingHelpIsToldInItsLanguageAndNeverReplacedByTheOther) {
    struct Row {
        std::string lng;
        const char* other_language_file;  // present, and not to be used
        const char* title;
        const char* text;
    };
    const Row rows[] = {
        {"Fr", "Vimo_Desk_Help_Us", "Erreur", "Fichier d'aide Absent. Téléchargez-le depuis le site."},
        {"Us", "Vimo_Desk_Help_Fr", "Error", "HelpFile not Found. Download it from site."},
    };
    for (const Row& row : rows) {
        compiled(std::string(row.other_language_file) + ".chm");
        installed(row.other_language_file);
        const std::size_t before = dialogs.shown().size();
        state.Lng = row.lng;
        web::show_help(state);
        EXPECT_TRUE(shell.requests.empty()) << row.lng;
        ASSERT_EQ(dialogs.shown().size(), before + 1) << row.lng;
        const rt::ShownDialog& box = dialogs.shown().back();
        EXPECT_EQ(box.title, row.title);
        EXPECT_EQ(box.text, row.text);
        EXPECT_EQ(box.icon, rt::MessageIcon::Warning);
        std::filesystem::remove(working_file(std::string(row.other_language_file) + ".chm"));
        std::filesystem::remove_all(env.program);
    }
}

TEST_F(Help, AnotherLanguageSettingDoesNothing) {
    compiled("Vimo_Desk_Help_Fr.chm");
    compiled("Vimo_Desk_Help_Us.chm");
    for (const char* lng : {"", "fr", "De"}) {
        state.Lng = lng;
        web::show_help(state);
    }
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Help, AFolderNamedLikeThePageIsNoPage) {
    std::filesystem::create_directories(env.program + "/Vimo_Desk_Help_Fr/Presentation.htm");
    std::filesystem::create_directories(working_file("Vimo_Desk_Help_Fr.chm"));
    state.Lng = "Fr";
    web::show_help(state);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(Help, TheBuildPutsBothLanguagesPagesBesideTheProgram) {
    env.program = VD_HELP_DIR;  // the folders the build copies beside the program
    for (auto language : {core::Language::French, core::Language::English})
        for (const char* page : {"Presentation.htm", "Licences.htm"})
            EXPECT_TRUE(web::installed_help_page(state, language, page)) << page;
    EXPECT_FALSE(web::installed_help_page(state, core::Language::Other, "Presentation.htm"));
    EXPECT_FALSE(web::installed_help_page(state, core::Language::French, "Missing.htm"));
}

}  // namespace

TEST_F(Help, AnInstalledProgramFindsItsPagesInTheInstallationsDataFolder) {
    std::filesystem::create_directories(working_file("prefix/bin"));
    const std::string page = working_file("prefix/share/vimo-duzi/Vimo_Desk_Help_Us/Presentation.htm");
    test::write_file(page, "<!DOCTYPE html>\n");
    env.program = working_file("prefix/bin");
    state.Lng = "Us";
    web::show_help(state);
    EXPECT_EQ(opened(), std::vector<std::string>{page});
    EXPECT_TRUE(dialogs.shown().empty());
}
