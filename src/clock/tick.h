// The clock's one-second tick on the desk window.
#pragma once

#include <string>

#include "app/state.h"

namespace clocks {

// The tick: the time texts in the 12- or 24-hour form, the seconds, and the
// talking clock at second 0.
void tick(app::State& s);

// The time text and marker of `hour`:`minute` for `clock_type` 24 or 12;
// nothing for another clock type (the texts then keep their last value).
struct TimeTexts {
    std::string time;
    std::string marker;
};
bool time_texts(int clock_type, int hour, int minute, TimeTexts& out);

}  // namespace clocks
