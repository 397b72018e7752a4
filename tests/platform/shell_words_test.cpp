// A slot's parameter text split as a shell splits words, with nothing expanded.
#include "platform/shell_words.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(ShellWords, SplitsLikeAShellAndExpandsNothing) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<Args> expected;
    };
    const Row rows[] = {
        {"empty", "", Args{}},
        {"blanks only", " \t\n ", Args{}},
        {"words", "-v  --size 3\tx", Args{"-v", "--size", "3", "x"}},
        {"line feeds separate", "a\nb", Args{"a", "b"}},
        {"double quotes keep blanks", "\"two words\" x", Args{"two words", "x"}},
        {"single quotes keep everything", "'a \"b\" \\n $c'", Args{"a \"b\" \\n $c"}},
        {"quotes join with the word around", "--name=\"a b\"'c d'e", Args{"--name=a bc de"}},
        {"empty quotes are an argument", "\"\" '' x", Args{"", "", "x"}},
        {"escapes inside double quotes", "\"\\\" \\\\ \\$ \\` \\n\"", Args{"\" \\ $ ` \\n"}},
        {"backslash-newline in double quotes", "\"a\\\nb\"", Args{"ab"}},
        {"backslash outside quotes", "a\\ b \\'c \\\\", Args{"a b", "'c", "\\"}},
        {"backslash-newline outside quotes", "a\\\nb", Args{"ab"}},
        {"dollar is plain", "$HOME ${x} $(id)", Args{"$HOME", "${x}", "$(id)"}},
        {"backticks are plain", "`id` \"`id`\"", Args{"`id`", "`id`"}},
        {"semicolons and pipes are plain", "a;b | c && d > e < f",
         Args{"a;b", "|", "c", "&&", "d", ">", "e", "<", "f"}},
        {"globs, tilde and hash are plain", "* ~ #x ?", Args{"*", "~", "#x", "?"}},
        {"newline inside quotes kept", "'line\nbreak'", Args{"line\nbreak"}},
        {"unclosed double quote", "\"abc", std::nullopt},
        {"unclosed single quote", "x 'abc", std::nullopt},
        {"quote closed by the other kind", "\"abc'", std::nullopt},
        {"lone trailing backslash", "abc \\", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::split_shell_arguments(row.text), row.expected);
    }
}

}  // namespace
