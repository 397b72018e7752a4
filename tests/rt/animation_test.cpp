// Animated GIF decoding on files built here: frames in order with their
// delays, composition of partial frames, and the caps against hostile files.
#include "rt/animation.h"

#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A GIF writer small enough to check by eye. Pixels are colour indexes into a
// four-colour table; the image data uses the "clear code before every pixel"
// form of LZW, which every decoder reads and which needs no compressor: with a
// minimum code size of 2, codes are 3 bits wide and the code table never grows.

constexpr std::uint32_t red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF, white = 0xFFFFFFFF;
enum ColourIndex : std::uint8_t { Red = 0, Green = 1, Blue = 2, White = 3 };

constexpr std::array<std::uint8_t, 6> signature = {'G', 'I', 'F', '8', '9', 'a'};
// Logical screen descriptor flags: global colour table present, 2^(1 + 1) = 4 entries.
constexpr std::uint8_t global_table_of_four = 0x81;
constexpr std::array<std::uint8_t, 12> colour_table = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr std::uint8_t extension_introducer = 0x21, graphic_control_label = 0xF9;
constexpr std::uint8_t image_separator = 0x2C, trailer = 0x3B;
constexpr std::uint8_t min_code_size = 2;
constexpr std::uint32_t clear_code = 1u << min_code_size, end_code = clear_code + 1;
constexpr int code_bits = min_code_size + 1;
// Disposal method "do not dispose": the next frame is drawn over this one.
constexpr std::uint8_t keep_frame = 1 << 2;

// Signature (6), logical screen descriptor (7), colour table (12).
constexpr std::size_t header_size = signature.size() + 7 + colour_table.size();
static_assert(header_size == 25);
// Extension introducer, label, block size, flags, delay (2), transparent index, block end.
constexpr std::size_t graphic_control_size = 8;
// Separator, left (2), top (2), width (2), height (2), flags.
constexpr std::size_t image_descriptor_size = 10;

void put_u16(Bytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

Bytes gif_header(int width, int height) {
    Bytes out(signature.begin(), signature.end());
    put_u16(out, width);
    put_u16(out, height);
    out.insert(out.end(), {global_table_of_four, 0 /*background index*/, 0 /*no aspect ratio*/});
    out.insert(out.end(), colour_table.begin(), colour_table.end());
    EXPECT_EQ(out.size(), header_size);
    return out;
}

struct Frame {
    int width = 1, height = 1;
    std::uint8_t colour = Red;  // every pixel
    int delay_centiseconds = 0;
    int left = 0, top = 0;
};

void put_frame(Bytes& out, const Frame& f) {
    const std::size_t start = out.size();
    out.insert(out.end(), {extension_introducer, graphic_control_label, 4 /*block size*/, keep_frame});
    put_u16(out, f.delay_centiseconds);
    out.insert(out.end(), {0 /*transparent index, unused*/, 0 /*block end*/});
    out.push_back(image_separator);
    put_u16(out, f.left);
    put_u16(out, f.top);
    put_u16(out, f.width);
    put_u16(out, f.height);
    out.push_back(0);  // no local colour table, not interlaced
    EXPECT_EQ(out.size() - start, graphic_control_size + image_descriptor_size);

    // Codes packed least significant bit first.
    Bytes data;
    std::uint32_t bits = 0;
    int count = 0;
    const auto put_code = [&](std::uint32_t code) {
        bits |= code << count;
        for (count += code_bits; count >= 8; count -= 8, bits >>= 8) data.push_back(static_cast<std::uint8_t>(bits));
    };
    for (int i = 0; i < f.width * f.height; ++i) {
        put_code(clear_code);
        put_code(f.colour);
    }
    put_code(end_code);
    if (count > 0) data.push_back(static_cast<std::uint8_t>(bits));

    out.push_back(min_code_size);
    constexpr std::size_t max_sub_block = 255;
    for (std::size_t i = 0; i < data.size(); i += max_sub_block) {
        const std::size_t size = std::min(max_sub_block, data.size() - i);
        out.push_back(static_cast<std::uint8_t>(size));
        out.insert(out.end(), data.begin() + std::ptrdiff_t(i), data.begin() + std::ptrdiff_t(i + size));
    }
    out.push_back(0);  // block end
}

Bytes gif_file(int width, int height, const std::vector<Frame>& frames) {
    Bytes out = gif_header(width, height);
    for (const Frame& f : frames) put_frame(out, f);
    out.push_back(trailer);
    return out;
}

// Three 2 x 2 frames: red, then a green pixel at (1, 1) over it, then all blue.
const std::vector<Frame> three_frames = {
    {.width = 2, .height = 2, .colour = Red, .delay_centiseconds = 5},
    {.colour = Green, .delay_centiseconds = 0, .left = 1, .top = 1},
    {.width = 2, .height = 2, .colour = Blue, .delay_centiseconds = 25},
};
const rt::Pixels three_frames_shown[] = {
    {2, 2, {red, red, red, red}},
    {2, 2, {red, red, red, green}},
    {2, 2, {blue, blue, blue, blue}},
};

TEST(Animation, DecodesEveryFrameComposedInOrderWithItsDelay) {
    const auto animation = rt::decode_animation(gif_file(2, 2, three_frames));
    ASSERT_TRUE(animation.has_value());
    EXPECT_EQ(animation->width, 2);
    EXPECT_EQ(animation->height, 2);
    ASSERT_EQ(animation->frames.size(), 3u);
    const int delays[] = {50, 100 /*asked 0*/, 250};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "frame " << i);
        EXPECT_EQ(animation->frames[i].pixels, three_frames_shown[i]);
        EXPECT_EQ(animation->frames[i].delay_ms, delays[i]);
    }
}

TEST(Animation, DelaysUnderTwentyMillisecondsShowForOneHundred) {
    const struct {
        int centiseconds;
        int shown_ms;
    } cases[] = {{0, 100}, {1, 100}, {2, 20}, {3, 30}, {10, 100}, {65535, 655350}};
    std::vector<Frame> frames;
    for (const auto& c : cases) frames.push_back({.colour = White, .delay_centiseconds = c.centiseconds});
    const auto animation = rt::decode_animation(gif_file(1, 1, frames));
    ASSERT_TRUE(animation.has_value());
    ASSERT_EQ(animation->frames.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(animation->frames[i].delay_ms, cases[i].shown_ms) << cases[i].centiseconds << " cs";
}

TEST(Animation, RefusesWhatIsNotAGifOrDeclaresASizeOverTheCaps) {
    const Frame tiny{.colour = Blue};
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"signature only", Bytes(signature.begin(), signature.end())},
        {"header without frames", gif_file(2, 2, {})},
        {"20000 x 20000", gif_file(20000, 20000, {tiny})},
        {"wider than the side cap", gif_file(16385, 1, {tiny})},
        {"over the pixel cap", gif_file(16384, 4097, {tiny})},
        {"over the animation pixel cap", gif_file(4097, 4096, {tiny})},
        {"largest declared size", gif_file(65535, 65535, {tiny})},
        {"PNG signature", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(rt::decode_animation(c.file).has_value());
    }
    const auto largest = rt::decode_animation(gif_file(4096, 4096, {tiny}));
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->frames[0].pixels.argb[0], blue);
}

TEST(Animation, FileCutShortGivesTheFramesBeforeTheCut) {
    const Bytes whole = gif_file(2, 2, three_frames);
    Bytes two_frames = gif_header(2, 2);
    put_frame(two_frames, three_frames[0]);
    put_frame(two_frames, three_frames[1]);
    const std::size_t end_of_second_frame = two_frames.size();

    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(testing::Message() << "cut at " << size << " of " << whole.size());
        const auto animation = rt::decode_animation(std::span(whole).first(size));
        if (size <= header_size) {
            EXPECT_FALSE(animation.has_value());
            continue;
        }
        if (!animation) continue;
        // Whatever comes back is the start of the animation; only the last frame may be partial.
        ASSERT_LE(animation->frames.size(), 3u);
        for (std::size_t i = 0; i + 1 < animation->frames.size(); ++i)
            EXPECT_EQ(animation->frames[i].pixels, three_frames_shown[i]);
        if (size >= end_of_second_frame) {
            EXPECT_GE(animation->frames.size(), 2u);
        }
    }
}

TEST(Animation, FrameAndByteCapsKeepTheFirstFrames) {
    std::vector<Frame> ten_thousand;
    for (int i = 0; i < 10000; ++i) ten_thousand.push_back({.colour = std::uint8_t(i % 4), .delay_centiseconds = 4});
    const auto many = rt::decode_animation(gif_file(1, 1, ten_thousand));
    ASSERT_TRUE(many.has_value());
    ASSERT_EQ(many->frames.size(), std::size_t(rt::max_animation_frames));
    const std::uint32_t colours[] = {red, green, blue, white};
    EXPECT_EQ(many->frames.back().pixels.argb[0], colours[(rt::max_animation_frames - 1) % 4]);

    // 16 x 16 frames are 1024 bytes each.
    const Bytes three = gif_file(16, 16, {{.colour = Red}, {.colour = Green}, {.colour = Blue}});
    const struct {
        rt::AnimationCaps caps;
        std::size_t frames;  // 0: nothing
    } cases[] = {
        {{.frames = 2}, 2},           {{.frames = 0}, 0},   {{.bytes = 3 * 1024}, 3},
        {{.bytes = 3 * 1024 - 1}, 2}, {{.bytes = 1024}, 1}, {{.bytes = 1023}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "frames " << c.caps.frames << ", bytes " << c.caps.bytes);
        const auto animation = rt::decode_animation(three, c.caps);
        EXPECT_EQ(animation ? animation->frames.size() : 0u, c.frames);
    }
}

}  // namespace
