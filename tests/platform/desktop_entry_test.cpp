// Desktop entries: which keys are read from which group, and how an Exec line
// becomes argument vectors for the files given to it.
#include "platform/desktop_entry.h"

#include <gtest/gtest.h>

namespace {

using platform::DesktopEntry;
using Lines = std::vector<std::vector<std::string>>;

TEST(DesktopEntryParse, ReadsTheEntryGroupOnly) {
    struct Row {
        const char* name;
        std::string bytes;
        std::optional<DesktopEntry> expected;
    };
    const auto entry = [](std::string type, std::string name, std::string exec, std::string path = {},
                          bool terminal = false, std::string icon = {}, std::string url = {}) {
        return DesktopEntry{std::move(type), std::move(name), std::move(icon), std::move(exec),
                            std::move(path), std::move(url),  terminal};
    };
    const Row rows[] = {
        {"usual", "[Desktop Entry]\nType=Application\nName=Editor\nExec=edit %F\nIcon=edit\n",
         entry("Application", "Editor", "edit %F", "", false, "edit")},
        {"mark, CR LF, comments, spaces around =",
         "\xEF\xBB\xBF# comment\r\n\r\n[Desktop Entry]\r\nName = Two Words \r\nExec= run\r\nTerminal=true\r\n",
         entry("", "Two Words", "run", "", true)},
        {"other groups around it",
         "[Desktop Action new]\nExec=wrong\n[Desktop Entry]\nExec=right\nPath=/srv/x y\n[Other]\nPath=/wrong\n",
         entry("", "", "right", "/srv/x y")},
        {"localised keys ignored, first value wins",
         "[Desktop Entry]\nName[fr]=Éditeur\nName=Editor\nName=Again\nTerminal=1\n", entry("", "Editor", "", "", true)},
        {"a repeated group is ignored", "[Desktop Entry]\nExec=first\n[Desktop Entry]\nExec=second\nIcon=x\n",
         entry("", "", "first")},
        {"string escapes", "[Desktop Entry]\nExec=a\\sb\\tc\\nd\\\\e\\$f\\\"g\nName=x\\ry\n",
         entry("", "x\ry", "a b\tc\nd\\e\\$f\\\"g")},
        {"link", "[Desktop Entry]\nType=Link\nURL=https://example.invalid/\n",
         entry("Link", "", "", "", false, "", "https://example.invalid/")},
        {"terminal false", "[Desktop Entry]\nTerminal=false\n", entry("", "", "")},
        {"no entry group", "[Desktop Action x]\nExec=run\n", std::nullopt},
        {"keys before any group", "Exec=run\n", std::nullopt},
        {"empty", "", std::nullopt},
        {"binary garbage", std::string("\0\xff[\n=\n]\0", 8), std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto got = platform::parse_desktop_entry(row.bytes);
        ASSERT_EQ(got.has_value(), row.expected.has_value());
        if (!got) continue;
        EXPECT_EQ(got->type, row.expected->type);
        EXPECT_EQ(got->name, row.expected->name);
        EXPECT_EQ(got->icon, row.expected->icon);
        EXPECT_EQ(got->exec, row.expected->exec);
        EXPECT_EQ(got->path, row.expected->path);
        EXPECT_EQ(got->url, row.expected->url);
        EXPECT_EQ(got->terminal, row.expected->terminal);
    }
}

TEST(DesktopEntryExec, ExpandsFieldCodesAndQuoting) {
    struct Row {
        const char* name;
        std::string exec;  // as read, string escapes decoded
        std::vector<std::string> files;
        std::optional<Lines> expected;
    };
    const std::vector<std::string> two{"/a b/one", "/c/$two;`x`"};
    const Row rows[] = {
        {"%F takes every file", "edit --new %F", two, Lines{{"edit", "--new", "/a b/one", "/c/$two;`x`"}}},
        {"%U takes every file", "view %U", two, Lines{{"view", "/a b/one", "/c/$two;`x`"}}},
        {"%F without files vanishes", "edit %F -x", {}, Lines{{"edit", "-x"}}},
        {"%f runs once per file", "play %f", two, Lines{{"play", "/a b/one"}, {"play", "/c/$two;`x`"}}},
        {"%u with one file", "open %u", {"/x"}, Lines{{"open", "/x"}}},
        {"%f without files vanishes", "play %f", {}, Lines{{"play"}}},
        {"%f inside a word", "run --file=%f", {}, Lines{{"run", "--file="}}},
        {"%f inside a word with a file", "run --file=%f", {"/x y"}, Lines{{"run", "--file=/x y"}}},
        {"%i, %c, %k",
         "app %i --title %c --from %k",
         {},
         Lines{{"app", "--icon", "app-icon", "--title", "My App", "--from", "/apps/my.desktop"}}},
        {"%% and deprecated codes", "app 100%% %d %D %n %N %v %m x", {}, Lines{{"app", "100%", "x"}}},
        {"double quotes and their escapes",
         "\"/opt/my app/run\" \"say \\\"hi\\\" \\$HOME \\`id\\` \\\\ ;\"",
         {},
         Lines{{"/opt/my app/run", "say \"hi\" $HOME `id` \\ ;"}}},
        {"single quotes are literal", "sh -c 'echo \"$x\" \\n'", {}, Lines{{"sh", "-c", "echo \"$x\" \\n"}}},
        {"empty quoted argument kept", "app \"\" x", {}, Lines{{"app", "", "x"}}},
        {"blanks between words", "  app \t a\n b  ", {}, Lines{{"app", "a", "b"}}},
        {"no file code: files follow", "app -v", two, Lines{{"app", "-v", "/a b/one", "/c/$two;`x`"}}},
        {"unclosed double quote", "app \"x", {}, std::nullopt},
        {"unclosed single quote", "app 'x", {}, std::nullopt},
        {"unknown field code", "app %z", {}, std::nullopt},
        {"lone % at the end", "app %", {}, std::nullopt},
        {"trailing backslash", "app \\", {}, std::nullopt},
        {"%F inside a word", "app --files=%F", two, std::nullopt},
        {"%F inside quotes", "app \"%F\"", two, std::nullopt},
        {"both %f and %F", "app %f %F", two, std::nullopt},
        {"empty line", "", {}, std::nullopt},
        {"blanks only", "  \t ", {}, std::nullopt},
        {"empty program", "\"\" x", {}, std::nullopt},
    };
    DesktopEntry entry;
    entry.name = "My App";
    entry.icon = "app-icon";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        entry.exec = row.exec;
        EXPECT_EQ(platform::exec_command_lines(entry, row.files, "/apps/my.desktop"), row.expected);
    }
}

TEST(DesktopEntryExec, IconCodeWithoutIconVanishes) {
    DesktopEntry entry;
    entry.exec = "app %i x";
    EXPECT_EQ(platform::exec_command_lines(entry, {}, "/e.desktop"), (Lines{{"app", "x"}}));
}

}  // namespace
