#include "music/text_decoding.h"

#include <cstddef>
#include <cstdint>

#include "core/unicode.h"

namespace music {

namespace {

bool is_high_surrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string utf16_to_utf8(std::string_view bytes) {
    bool big_endian = false;
    if (bytes.size() >= 2 && std::uint8_t(bytes[0]) == 0xFE && std::uint8_t(bytes[1]) == 0xFF) {
        big_endian = true;
        bytes.remove_prefix(2);
    } else if (bytes.size() >= 2 && std::uint8_t(bytes[0]) == 0xFF && std::uint8_t(bytes[1]) == 0xFE) {
        bytes.remove_prefix(2);
    } else {
        std::size_t zeros_even = 0, zeros_odd = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            zeros_even += bytes[i] == '\0';
            zeros_odd += bytes[i + 1] == '\0';
        }
        big_endian = zeros_even > zeros_odd;
    }
    const std::size_t units = bytes.size() / 2;
    const auto unit_at = [&](std::size_t i) -> std::uint32_t {
        const std::uint32_t first = std::uint8_t(bytes[2 * i]), second = std::uint8_t(bytes[2 * i + 1]);
        return big_endian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t unit = unit_at(i);
        if (unit == 0) break;
        if (is_high_surrogate(unit) && i + 1 < units && is_low_surrogate(unit_at(i + 1))) {
            core::append_utf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unit_at(i + 1) - 0xDC00));
            ++i;
        } else if (!is_high_surrogate(unit) && !is_low_surrogate(unit)) {
            core::append_utf8(out, unit);
        }
    }
    return out;
}

}  // namespace music
