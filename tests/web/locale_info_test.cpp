// The language name and system version code the update request carries.
#include "web/locale_info.h"

#include <gtest/gtest.h>

#include "platform/environment.h"

TEST(LocaleInfo, LanguageNameFromLocale) {
    struct Row {
        std::string locale;
        std::string expected;
    };
    const Row rows[] = {
        {"fr_FR.UTF-8", "Français (France)"},
        {"fr_CA.utf8", "Français (Canada)"},
        {"en_US", "English (United States)"},
        {"en_GB.UTF-8", "English (United Kingdom)"},
        {"de_AT@euro", "Deutsch (Österreich)"},
        {"de_DE.ISO-8859-15@euro", "Deutsch (Deutschland)"},
        {"pt_BR.UTF-8", "português (Brasil)"},
        {"ru_RU.UTF-8", "русский (Россия)"},
        {"FR_fr", "Français (France)"},
        {"fr_CI.UTF-8", "Français"},  // country not in the table
        {"fr", "Français"},           // no country
        {"fr_FRANCE", "Français"},    // malformed country
        {"es_419.UTF-8", "español"},  // numeric region
        {"sw_KE.UTF-8", "sw-KE"},     // language not in the table
        {"SW", "sw"},
        {"C", "English"},
        {"POSIX", "English"},
        {"C.UTF-8", "English"},
        {"", "English"},
        {"français_FR", "English"},
        {"../../etc/passwd", "English"},
        {"fr1_FR", "English"},
        {"x_y", "English"},
    };
    for (const Row& row : rows) EXPECT_EQ(web::language_name(row.locale), row.expected) << row.locale;
}

TEST(LocaleInfo, LocaleVariablesInTheLibraryOrder) {
    using Var = std::optional<std::string>;
    struct Row {
        Var lc_all, lc_messages, lang;
        std::string expected;
    };
    const Row rows[] = {
        {"de_DE.UTF-8", "fr_FR.UTF-8", "en_US.UTF-8", "de_DE.UTF-8"},
        {"", "fr_FR.UTF-8", "en_US.UTF-8", "fr_FR.UTF-8"},
        {std::nullopt, std::nullopt, "en_US.UTF-8", "en_US.UTF-8"},
        {"", "", "", ""},
        {std::nullopt, std::nullopt, std::nullopt, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(web::messages_locale(row.lc_all, row.lc_messages, row.lang), row.expected) << row.expected;

    platform::FakeEnvironment environment;
    EXPECT_EQ(web::language_name(environment), "English");
    environment.variables["LANG"] = "en_US.UTF-8";
    environment.variables["LC_MESSAGES"] = "fr_FR.UTF-8";
    EXPECT_EQ(web::language_name(environment), "Français (France)");
}

TEST(LocaleInfo, SystemVersionCodeFromKernelRelease) {
    struct Row {
        std::string release;
        int expected;
    };
    const Row rows[] = {
        {"6.18.2-arch1-1", 618},
        {"6.1.0-18-amd64", 601},
        {"5.10.0", 510},
        {"4.19", 419},
        {"3.2-rc1", 302},
        {"10.0.0", 1000},
        {"6", 600},
        {"6-custom", 600},
        {"", 0},
        {"abc", 0},
        {"6.", 0},
        {"6.x", 0},
        {"6.100", 0},
        {"1234.1", 0},
        {"-6.1", 0},
    };
    for (const Row& row : rows) EXPECT_EQ(web::system_version_code(row.release), row.expected) << row.release;
    EXPECT_GT(web::system_version_code(), 0) << "the running kernel's release should read";
}
