// The notice banner: the program's common way of announcing something, a
// 500 x 50 strip at the top centre of the first desktop with the program's
// name and a message, optionally spoken. At most one exists.
#pragma once

#include <string>

#include "core/state.h"

namespace clocks {

// Shows `message` on a banner of `colour` (0xBBGGRR; rt::rgb makes one),
// replacing a banner still shown, and speaks `spoken` at rate 1 when it is not
// empty and `Sound_ON` is 1. `seconds` (0-255): the banner closes itself after
// that long; 0 keeps it until clicked. Every event pending before or arriving
// during the call is dropped (handlers bound to a window event still run).
void show_notice(const core::State& s, const std::string& message, const std::string& spoken, core::Colour colour,
                 int seconds);

// Closes the banner (its click and its timer); nothing when none is shown.
void close_notice();

}  // namespace clocks
