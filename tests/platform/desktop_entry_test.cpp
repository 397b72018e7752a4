// Desktop entries: which keys are read from which group, and how an Exec line
// becomes argument vectors for the files given to it.
#include "platform/desktop_entry.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/fixture.h"

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
        {"%F inside quotes: quoted words", "app \"%F\"", two, Lines{{"app", "'/a b/one' '/c/$two;`x`'"}}},
        {"%f inside quotes: one quoted word per line", "sh -c \"run %f\"", two,
         Lines{{"sh", "-c", "run '/a b/one'"}, {"sh", "-c", "run '/c/$two;`x`'"}}},
        {"inside the script's double quotes",
         "sh -c \"run \\\"%u\\\"\"",
         {"/c/$two;`x`\"q"},
         Lines{{"sh", "-c", "run \"/c/\\$two;\\`x\\`\\\"q\""}}},
        {"inside the script's single quotes", "sh -c \"run '%u'\"", {"/it's"}, Lines{{"sh", "-c", "run '/it'\\''s'"}}},
        {"%c and %k inside quotes", "sh -c \"run %c %k\"", {}, Lines{{"sh", "-c", "run 'My App' '/apps/my.desktop'"}}},
        {"%i inside quotes", "sh -c \"run %i\"", {}, Lines{{"sh", "-c", "run --icon 'app-icon'"}}},
        {"quoted %u without a file", "sh -c \"run %u\"", {}, Lines{{"sh", "-c", "run "}}},
        {"inside backquotes", "sh -c \"run `echo %u`\"", {"/x"}, std::nullopt},
        {"inside a comment", "sh -c \"run # %u\nrun\"", {"/x"}, std::nullopt},
        {"in a here-document", "sh -c \"cat <<E\n%u\nE\"", {"/x"}, std::nullopt},
        {"inside $'...'", "sh -c \"run $'%u'\"", {"/x"}, std::nullopt},
        {"inside ${...}", "sh -c \"run \\\"${X:-%u}\\\"\"", {"/x"}, std::nullopt},
        {"inside $((...))", "sh -c \"run $((1 + %u))\"", {"/x"}, std::nullopt},
        {"after ${...} and $((...))",
         "sh -c \"run ${X} $(( (1) )) %u\"",
         {"/x"},
         Lines{{"sh", "-c", "run ${X} $(( (1) )) '/x'"}}},
        {"a % of its own inside backquotes", "sh -c \"run `echo 100%%`\"", {}, Lines{{"sh", "-c", "run `echo 100%`"}}},
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

TEST(DesktopEntryParse, TheNameIsTranslatedForTheLocale) {
    const std::string file =
        "[Desktop Entry]\nName=Files\nName[fr]=Fichiers\nName[fr_CA]=Fichiers (Canada)\nName[sr@latin]=Datoteke\n"
        "Name[sr]=Датотеке\nName[de_DE@euro]=Dateien (Euro)\nName[de]=Dateien\nName[fr]=Repeated\n";
    struct Row {
        const char* locale;
        const char* name;
    };
    const Row rows[] = {
        {"fr_FR.UTF-8", "Fichiers"},           // lang_COUNTRY absent, then lang
        {"fr_CA.UTF-8", "Fichiers (Canada)"},  // lang_COUNTRY
        {"fr", "Fichiers"},
        {"sr_RS.UTF-8@latin", "Datoteke"},  // lang@MODIFIER before lang
        {"sr_RS", "Датотеке"},              // no modifier: no key with one
        {"de_DE.UTF-8@euro", "Dateien (Euro)"},
        {"de_DE", "Dateien"},
        {"it_IT.UTF-8", "Files"},
        {"C", "Files"},
        {"POSIX", "Files"},
        {"", "Files"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale);
        const auto entry = platform::parse_desktop_entry(file, row.locale);
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->name, row.name);
    }
}

TEST(DesktopEntryExec, NameCodeIsTheTranslatedName) {
    const auto entry = platform::parse_desktop_entry(
        "[Desktop Entry]\nName=Files\nName[fr]=Mes fichiers\nExec=app --title %c\n", "fr_FR.UTF-8");
    ASSERT_TRUE(entry);
    EXPECT_EQ(platform::exec_command_lines(*entry, {}, "/e.desktop"), (Lines{{"app", "--title", "Mes fichiers"}}));
}

TEST(DesktopEntryExec, IconCodeWithoutIconVanishes) {
    DesktopEntry entry;
    entry.exec = "app %i x";
    EXPECT_EQ(platform::exec_command_lines(entry, {}, "/e.desktop"), (Lines{{"app", "x"}}));
}

// What `line` (program first) writes on its standard output, run in `folder`.
std::string output_of(const std::vector<std::string>& line, const std::string& folder) {
    int out[2];
    if (pipe(out) != 0) return "(no pipe)";
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(folder.c_str()) != 0) _exit(126);
        std::vector<char*> argv;
        for (const std::string& word : line) argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return text;
}

// File names that a shell would split, end, or run: the script a launcher
// hands to sh receives each one whole, and none runs anything.
TEST(DesktopEntryExec, NoFileNameBecomesCodeWhereverTheCodeStandsInAScript) {
    const std::string names[] = {
        "a b",
        "it's",
        "say \"hi\"",
        "x;touch PWNED",
        "$(touch PWNED)",
        "`touch PWNED`",
        "two\nlines;touch PWNED",
        "back\\slash \\\" \\'",
        "$HOME and ${HOME}",
        "'; touch PWNED; '",
        "\"; touch PWNED; \"",
        "'\"'\"$(touch PWNED)\"'",
    };
    const char* execs[] = {
        "sh -c \"printf '%%s' %u\"",                          // outside the script's quotes
        "sh -c \"printf '%%s' \\\"%u\\\"\"",                  // inside its double quotes
        "sh -c \"printf '%%s' '%u'\"",                        // inside its single quotes
        "sh -c \"printf '%%s' \\\"$(printf '%%s' %u)\\\"\"",  // in a command substitution
        "bash -c \"printf '%%s' %U\"",                        // all the files
        "sh -c \"printf '%%s' x%fx\"",                        // inside a word of the script
    };
    test::TempFolder folder;
    for (const char* exec : execs) {
        for (const std::string& name : names) {
            SCOPED_TRACE(std::string(exec) + " with " + name);
            platform::DesktopEntry entry;
            entry.exec = exec;
            const auto lines = platform::exec_command_lines(entry, {name}, "/apps/e.desktop");
            ASSERT_TRUE(lines);
            ASSERT_EQ(lines->size(), 1u);
            const std::string shown = output_of(lines->front(), folder.path().string());
            const bool in_word = std::string(exec).find("x%fx") != std::string::npos;
            EXPECT_EQ(shown, in_word ? "x" + name + "x" : name);
            EXPECT_FALSE(std::filesystem::exists(folder.path() / "PWNED")) << "the name ran as code";
        }
    }
}

// A launch script beside its program, found through the entry's own path.
TEST(DesktopEntryExec, ALaunchScriptBesideItsProgramStartsIt) {
    test::TempFolder folder;
    // The script leaves $(dirname ...) unquoted, so the folder has no blank;
    // its quote, ; and $( ) stay plain characters.
    const std::filesystem::path apps = folder.path() / "my'apps;`id`$(id)";
    std::filesystem::create_directories(apps);
    {
        std::ofstream prog(apps / "prog");
        prog << "#!/bin/sh\nprintf '%s|' \"$@\"\n";
    }
    chmod((apps / "prog").c_str(), 0755);
    platform::DesktopEntry entry;
    entry.exec = "bash -c \"$(dirname %k)/prog -url %U\"";
    const std::vector<std::string> files{"/a b/c", "/d;touch PWNED"};
    const auto lines = platform::exec_command_lines(entry, files, (apps / "x.desktop").string());
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1u);
    EXPECT_EQ(output_of(lines->front(), folder.path().string()), "-url|/a b/c|/d;touch PWNED|");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "PWNED"));
}

}  // namespace
