// The web radio's stations as text: which names and addresses group Radio
// can hold, the A-Z order, and label lengths counted in characters.
#include "music/stations.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using music::Station;
using music::StationCheck;

constexpr std::string_view separator = " --- ";

TEST(Stations, WhatGroupRadioCanHold) {
    struct Row {
        const char* name;
        Station station;
        StationCheck expected;
    };
    const Row rows[] = {
        {"plain", {"Jazz FM", "http://jazz.example/live"}, StationCheck::Storable},
        {"empty name", {"", "http://x.example/"}, StationCheck::Storable},
        {"empty address", {"Jazz", ""}, StationCheck::Storable},
        {"separator inside the name", {"Jazz --- Paris", "http://j.example/"}, StationCheck::Storable},
        {"bracket and semicolon inside", {"Rock [live]; best", "http://r.example/"}, StationCheck::Storable},
        {"equals sign in the address", {"Query", "http://q.example/?a=1&b=2"}, StationCheck::Storable},
        {"accents", {"Radio Été", "http://e.example/"}, StationCheck::Storable},
        {"line feed in the name", {"Jazz\nFM", "http://j.example/"}, StationCheck::BadName},
        {"carriage return in the name", {"Jazz\rFM", "http://j.example/"}, StationCheck::BadName},
        {"equals sign in the name", {"a=b", "http://j.example/"}, StationCheck::BadName},
        {"group bracket first", {"[Global]", "http://j.example/"}, StationCheck::BadName},
        {"comment first", {";Jazz", "http://j.example/"}, StationCheck::BadName},
        {"bracket after blanks", {" \t[Jazz", "http://j.example/"}, StationCheck::BadName},
        {"comment after blanks", {"  ;Jazz", "http://j.example/"}, StationCheck::BadName},
        {"line feed in the address", {"Jazz", "http://j.example/\n[Global]"}, StationCheck::BadAddress},
        {"carriage return in the address", {"Jazz", "http://j.example/\r"}, StationCheck::BadAddress},
        {"both bad: the name is told", {"a=b", "x\ny"}, StationCheck::BadName},
    };
    for (const Row& row : rows) EXPECT_EQ(music::check_station(row.station), row.expected) << row.name;
}

TEST(Stations, SortAToZWithoutRegardToCaseKeepsEqualsInOrder) {
    std::vector<Station> stations = {
        {"radio b", "http://1"}, {"Radio A", "http://2"}, {"ZZ", "http://3"},
        {"radio a", "http://2"}, {"Jazz", "http://9"},    {"Jazz FM", "http://4"},
    };
    music::sort_stations(stations, separator);
    std::vector<std::string> entries;
    for (const Station& s : stations) entries.push_back(music::station_entry(s, separator));
    // "Jazz --- " before "Jazz FM": the separator's blank equals FM's, its "-" sorts before "F".
    const std::vector<std::string> expected = {
        "Jazz --- http://9",    "Jazz FM --- http://4", "Radio A --- http://2",
        "radio a --- http://2", "radio b --- http://1", "ZZ --- http://3",
    };
    EXPECT_EQ(entries, expected);
}

TEST(Stations, LabelsAreCountedInCharacters) {
    struct Row {
        std::string text;
        std::size_t characters;
    };
    const Row rows[] = {
        {"", 0},    {"Jazz", 4},  {"Jazzy", 5},  {"Jazzys", 6},
        {"Été", 3}, {"ÉtéFM", 5}, {"日本語", 3}, {"\xFF\xFE", 2},  // a byte that starts nothing counts as one
    };
    for (const Row& row : rows) EXPECT_EQ(music::character_count(row.text), row.characters) << row.text;
}

}  // namespace
