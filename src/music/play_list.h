// Moving through `Play_List`. The position is an entry or the place before
// the first entry; a move that finds no entry in its direction leaves the
// position where it was.
#pragma once

#include <string>

#include "core/music_run.h"

namespace music {

bool is_empty(const PlayList& list);
// Whether the position is an entry.
bool has_current(const PlayList& list);
// The current entry's path; "" before the first entry.
std::string current_path(const PlayList& list);

void clear(PlayList& list);
// Adds `path` after the last entry and makes it the current one.
void append(PlayList& list, const std::string& path);
// To the place before the first entry.
void reset(PlayList& list);
// To the first entry; false (and nothing moves) when the list is empty.
bool first(PlayList& list);
// To the next entry (the first one from the place before it); false when
// there is none.
bool next(PlayList& list);
// To the entry before; false when there is none (also from the place before
// the first entry, which stays so).
bool previous(PlayList& list);

}  // namespace music
