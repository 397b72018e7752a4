// Image codecs over bytes. Every input is treated as hostile: sizes are capped
// before anything is allocated, and a bad file gives nothing, never a crash or
// an exit. Files on disk and numbered images belong to rt/image.h.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace rt {

// Largest image a decoder accepts: each side in pixels, and the pixel count.
inline constexpr int max_image_side = 16384;
inline constexpr std::int64_t max_image_pixels = 64LL * 1024 * 1024;

// True when a width x height image is within the caps, and within
// `max_pixels` when a caller sets a lower one (and not empty).
constexpr bool image_size_allowed(std::int64_t width, std::int64_t height, std::int64_t max_pixels = max_image_pixels) {
    return width > 0 && height > 0 && width <= max_image_side && height <= max_image_side &&
           width * height <= max_image_pixels && width * height <= max_pixels;
}

// Straight (not premultiplied) 0xAARRGGBB pixels, row after row, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // width * height entries

    bool operator==(const Pixels&) const = default;
};

enum class ImageFormat { Unknown, Png, Jpeg, Bmp, Ico, Gif };

// The format named by the first bytes (magic numbers), whatever the file name says.
ImageFormat sniff_image_format(std::span<const std::uint8_t> bytes);

// Each decoder reads the picture's size first and refuses one of more than
// `max_pixels` pixels (or over the caps above) before decoding anything.
//
// libpng; any colour type and bit depth, interlaced or not.
std::optional<Pixels> decode_png(std::span<const std::uint8_t> bytes, std::int64_t max_pixels = max_image_pixels);
// The same, into memory the caller provides once the size is known: rows of
// 0xAARRGGBB words, `stride` bytes apart. `allocate` may refuse with null.
struct RowBuffer {
    std::uint8_t* first = nullptr;
    std::size_t stride = 0;
};
bool decode_png_into(std::span<const std::uint8_t> bytes, std::int64_t max_pixels,
                     const std::function<RowBuffer(int width, int height)>& allocate);
// The same, a row at a time, without a buffer for the whole picture: `begin`
// is told the size (false refuses the picture), then `row` gets each row,
// top to bottom, as width 0xAARRGGBB words. False when the data fails, also
// after some rows were given.
bool decode_png_rows(std::span<const std::uint8_t> bytes, std::int64_t max_pixels,
                     const std::function<bool(int width, int height)>& begin,
                     const std::function<void(int y, const std::uint32_t* row)>& row);
// libjpeg; greyscale or colour. A warning (corrupt or truncated data) fails the whole file.
std::optional<Pixels> decode_jpeg(std::span<const std::uint8_t> bytes, std::int64_t max_pixels = max_image_pixels);
// The toolkit's readers for BMP, ICO (the largest picture within the cap) and GIF (the first frame).
std::optional<Pixels> decode_with_toolkit(std::span<const std::uint8_t> bytes, ImageFormat format,
                                          std::int64_t max_pixels = max_image_pixels);
// Sniffs the format and decodes with the matching decoder.
std::optional<Pixels> decode_image(std::span<const std::uint8_t> bytes, std::int64_t max_pixels = max_image_pixels);

// An 8-bit RGBA PNG; empty when the image is empty or over the caps.
std::vector<std::uint8_t> encode_png(const Pixels& image);

}  // namespace rt
