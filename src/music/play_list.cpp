#include "music/play_list.h"

namespace music {

namespace {

constexpr int before_first = -1;

int count(const PlayList& list) { return int(list.paths.size()); }

}  // namespace

bool is_empty(const PlayList& list) { return list.paths.empty(); }

bool has_current(const PlayList& list) { return list.current >= 0 && list.current < count(list); }

std::string current_path(const PlayList& list) {
    return has_current(list) ? list.paths[std::size_t(list.current)] : std::string();
}

void clear(PlayList& list) {
    list.paths.clear();
    list.current = before_first;
}

void append(PlayList& list, const std::string& path) {
    list.paths.push_back(path);
    list.current = count(list) - 1;
}

void reset(PlayList& list) { list.current = before_first; }

bool first(PlayList& list) {
    if (is_empty(list)) return false;
    list.current = 0;
    return true;
}

bool next(PlayList& list) {
    if (list.current + 1 >= count(list)) return false;
    ++list.current;
    return true;
}

bool previous(PlayList& list) {
    if (!has_current(list) || list.current == 0) return false;
    --list.current;
    return true;
}

}  // namespace music
