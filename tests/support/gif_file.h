// Animated GIF files built in tests: each frame fills the picture with one
// colour of a four-colour table and asks for its own delay. The image data
// uses the "clear code before every pixel" form of LZW, which every decoder
// reads and which needs no compressor: with a minimum code size of 2, codes
// are 3 bits wide and the code table never grows.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace test {

// The four colours, as 0xAARRGGBB pixels and as indexes into the table.
inline constexpr std::uint32_t gif_red = 0xFFFF0000, gif_green = 0xFF00FF00, gif_blue = 0xFF0000FF,
                               gif_white = 0xFFFFFFFF;
enum GifColour : std::uint8_t { GifRed = 0, GifGreen = 1, GifBlue = 2, GifWhite = 3 };

struct GifFrame {
    GifColour colour = GifRed;
    int delay_centiseconds = 0;
};

inline std::string gif_file(int width, int height, const std::vector<GifFrame>& frames) {
    std::string out = "GIF89a";
    const auto put_u16 = [&](int value) {
        out += char(value & 0xFF);
        out += char((value >> 8) & 0xFF);
    };
    put_u16(width);
    put_u16(height);
    // Global colour table of 2^(1 + 1) = 4 entries, background index 0, no aspect ratio.
    out += std::string{'\x81', '\0', '\0'};
    constexpr std::array<std::uint8_t, 12> table = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    out.append(table.begin(), table.end());

    constexpr int min_code_size = 2;
    constexpr std::uint32_t clear_code = 1u << min_code_size, end_code = clear_code + 1;
    constexpr int code_bits = min_code_size + 1;
    for (const GifFrame& f : frames) {
        // Graphic control: block size 4, disposal "do not dispose", the delay, no transparency.
        out += std::string{'\x21', '\xF9', '\x04', '\x04'};
        put_u16(f.delay_centiseconds);
        out += std::string{'\0', '\0'};
        // Image descriptor: at (0, 0), the whole picture, no local table, not interlaced.
        out += '\x2C';
        put_u16(0);
        put_u16(0);
        put_u16(width);
        put_u16(height);
        out += '\0';
        // Codes packed least significant bit first, in sub-blocks of at most 255 bytes.
        std::string data;
        std::uint32_t bits = 0;
        int count = 0;
        const auto put_code = [&](std::uint32_t code) {
            bits |= code << count;
            for (count += code_bits; count >= 8; count -= 8, bits >>= 8) data += char(bits & 0xFF);
        };
        for (int i = 0; i < width * height; ++i) {
            put_code(clear_code);
            put_code(f.colour);
        }
        put_code(end_code);
        if (count > 0) data += char(bits & 0xFF);
        out += char(min_code_size);
        for (std::size_t i = 0; i < data.size(); i += 255) {
            const std::size_t size = std::min<std::size_t>(255, data.size() - i);
            out += char(size);
            out += data.substr(i, size);
        }
        out += '\0';
    }
    out += '\x3B';  // trailer
    return out;
}

}  // namespace test
