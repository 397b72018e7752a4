// The help pages installed beside the program: Show help opens
// Presentation.htm of the language's folder, and every page must reach the
// others without anything from outside.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path help_root = VD_HELP_DIR;
const char* const folders[] = {"Vimo_Desk_Help_Fr", "Vimo_Desk_Help_Us"};

std::set<std::string> names_in(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::string read_all(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

TEST(HelpPages, BothLanguagesHaveTheSamePagesWithAStartPage) {
    const auto french = names_in(help_root / folders[0]);
    const auto english = names_in(help_root / folders[1]);
    EXPECT_EQ(french, english);
    for (const char* folder : folders) {
        EXPECT_TRUE(fs::is_regular_file(help_root / folder / "Presentation.htm")) << folder;
        EXPECT_TRUE(fs::is_regular_file(help_root / folder / "Licences.htm")) << folder;
    }
}

TEST(HelpPages, PagesAreSelfContainedAndTheirLinksResolve) {
    const std::regex reference(R"re((?:href|src)="([^"]*)")re");
    for (const char* folder : folders) {
        for (const auto& entry : fs::directory_iterator(help_root / folder)) {
            if (entry.path().extension() != ".htm") continue;
            const std::string page = read_all(entry.path());
            const std::string name = std::string(folder) + "/" + entry.path().filename().string();
            EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u) << name;
            EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << name;
            EXPECT_EQ(page.find("<script"), std::string::npos) << name;
            for (std::sregex_iterator it(page.begin(), page.end(), reference), end; it != end; ++it) {
                const std::string target = (*it)[1];
                EXPECT_EQ(target.find(':'), std::string::npos) << name << " refers outside: " << target;
                EXPECT_TRUE(fs::is_regular_file(help_root / folder / target)) << name << " links to " << target;
            }
        }
    }
}
