#include "music/stations.h"

#include <algorithm>

#include "core/unicode.h"

namespace music {

namespace {

char folded(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool before_without_case(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(folded(x)) < static_cast<unsigned char>(folded(y));
    });
}

bool has_line_break(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string station_entry(const Station& station, std::string_view separator) {
    std::string entry;
    entry.reserve(station.name.size() + separator.size() + station.address.size());
    entry += station.name;
    entry += separator;
    entry += station.address;
    return entry;
}

void sort_stations(std::vector<Station>& stations, std::string_view separator) {
    std::stable_sort(stations.begin(), stations.end(), [separator](const Station& a, const Station& b) {
        return before_without_case(station_entry(a, separator), station_entry(b, separator));
    });
}

StationCheck check_station(const Station& station) {
    const std::string_view name = station.name;
    const auto first = name.find_first_not_of(" \t");
    const bool opens_group_or_comment = first != std::string_view::npos && (name[first] == '[' || name[first] == ';');
    if (has_line_break(name) || name.find('=') != std::string_view::npos || opens_group_or_comment)
        return StationCheck::BadName;
    if (has_line_break(station.address)) return StationCheck::BadAddress;
    return StationCheck::Storable;
}

std::size_t character_count(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) core::next_utf8(text, at);
    return count;
}

}  // namespace music
