// The web radio's stations as text: the line list 44 shows for a station,
// the A-Z order, the length of a preset label, and which stations group Radio
// of the data file can hold so that they read back as they were written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/music_run.h"

namespace music {

// The name, `separator` and the address: "Jazz --- http://jazz.example/live".
std::string station_entry(const Station& station, std::string_view separator);

// Sorts by the entries `separator` makes, ascending, letters A-Z compared
// without regard to case; stations with equal entries keep their order.
void sort_stations(std::vector<Station>& stations, std::string_view separator);

// What keeps a station out of group Radio.
enum class StationCheck {
    Storable,
    // A line break, "=", or "[" or ";" as its first character after blanks:
    // the key would read back as another key, a group or a comment.
    BadName,
    BadAddress,  // a line break: the rest would read back as another line
};
[[nodiscard]] StationCheck check_station(const Station& station);

// Characters (not bytes) of UTF-8 `text`; a byte that starts no valid
// sequence counts as one.
std::size_t character_count(std::string_view text);

}  // namespace music
