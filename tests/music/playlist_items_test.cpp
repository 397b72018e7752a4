// The playlist manager's items: the number before a loaded entry's path, and
// the path an item stands for.
#include <gtest/gtest.h>

#include "music/playlists.h"

TEST(PlaylistItems, LoadedEntriesAreNumberedInFiveCharacters) {
    const struct {
        int n;
        const char* item;
    } rows[] = {
        {1, "    1 - /m/a.mp3"},       {42, "   42 - /m/a.mp3"},
        {99999, "99999 - /m/a.mp3"},   {100000, "10000 - /m/a.mp3"},  // longer numbers keep their first five characters
        {1234567, "12345 - /m/a.mp3"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(music::numbered_item(row.n, "/m/a.mp3"), row.item) << row.n;
        EXPECT_EQ(music::item_path(row.item), "/m/a.mp3") << row.n;
    }
    // The path always starts at the ninth character.
    EXPECT_EQ(music::numbered_item(7, "C:\\a.mp3").substr(8), "C:\\a.mp3");
}

TEST(PlaylistItems, ABarePathIsItsOwnPath) {
    const char* bare[] = {
        "/m/a.mp3",
        "C:\\Music\\a.mp3",
        "\\\\server\\a.mp3",
        "",
        "short",
        "   1 - /too short a number",
        "     - /no digit",
        "12 45 - /blank inside the number is a name",
        "    1 -/no blank after the dash",
    };
    for (const char* item : bare) EXPECT_EQ(music::item_path(item), item) << item;
}
