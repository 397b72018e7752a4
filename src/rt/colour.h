// Colours as the program stores them: 0xBBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace rt {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int red_of(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int green_of(Colour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blue_of(Colour c) { return static_cast<int>(c >> 16 & 0xFF); }

}  // namespace rt
