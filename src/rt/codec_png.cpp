// PNG through libpng, read from and written to memory. libpng reports errors
// by longjmp: the setjmp sits in small functions whose locals have no
// destructors, and everything they fill is owned by the caller.
#include <bit>
#include <cstring>

#include <png.h>

#include "rt/codec.h"

namespace rt {
namespace {

constexpr std::size_t png_signature_size = 8;

struct MemoryReader {
    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;
};

void read_from_memory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > reader->bytes.size() - reader->pos) png_error(png, "truncated");
    std::memcpy(out, reader->bytes.data() + reader->pos, count);
    reader->pos += count;
}

void write_to_memory(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}

void flush_nothing(png_structp) {}

[[noreturn]] void on_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// A warning leaves a usable image (for example a bad ancillary chunk, which is skipped).
void on_warning(png_structp, png_const_charp) {}

// Rows are laid out so that each pixel, read as a native 32-bit word, is 0xAARRGGBB.
void ask_for_argb_words(png_structp png) {
    if constexpr (std::endian::native == std::endian::little) {
        png_set_bgr(png);
    } else {
        png_set_swap_alpha(png);
    }
}

// Deflate expands its input at most 1032 times: a file whose rest cannot hold
// the declared image is refused before the image is allocated.
constexpr std::uint64_t max_deflate_ratio = 1032;

bool data_can_hold(png_structp png, png_infop info, std::size_t rest) {
    const std::uint64_t bits_per_pixel = std::uint64_t{png_get_bit_depth(png, info)} * png_get_channels(png, info);
    const std::uint64_t row_bytes = 1 + (png_get_image_width(png, info) * bits_per_pixel + 7) / 8;
    return row_bytes * png_get_image_height(png, info) <= rest * max_deflate_ratio;
}

// Reads the header and asks for rows of 0xAARRGGBB words. False when the
// picture is refused. Runs under its caller's setjmp.
bool read_header(png_structp png, png_infop info, MemoryReader& reader, std::int64_t max_pixels) {
    png_set_read_fn(png, &reader, read_from_memory);
    png_set_user_limits(png, max_image_side, max_image_side);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!image_size_allowed(width, height, max_pixels) || !data_can_hold(png, info, reader.bytes.size() - reader.pos))
        return false;

    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    ask_for_argb_words(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == width * 4;
}

bool read_png(png_structp png, png_infop info, MemoryReader& reader, std::int64_t max_pixels,
              const std::function<RowBuffer(int, int)>& allocate, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    if (!read_header(png, info, reader, max_pixels)) return false;
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const RowBuffer target = allocate(static_cast<int>(width), static_cast<int>(height));
    if (!target.first) return false;
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = target.first + std::size_t{y} * target.stride;
    // The pixels are complete here; what follows the image data is not read.
    png_read_image(png, rows.data());
    return true;
}

bool read_png_rows(png_structp png, png_infop info, MemoryReader& reader, std::int64_t max_pixels,
                   const std::function<bool(int, int)>& begin,
                   const std::function<void(int, const std::uint32_t*)>& row, std::vector<std::uint32_t>& pixels,
                   std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    if (!read_header(png, info, reader, max_pixels)) return false;
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!begin(static_cast<int>(width), static_cast<int>(height))) return false;
    // An interlaced picture has its rows only after the last pass: it is read whole.
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        pixels.resize(std::size_t{width} * height);
        rows.resize(height);
        for (png_uint_32 y = 0; y < height; ++y)
            rows[y] = reinterpret_cast<png_bytep>(pixels.data() + std::size_t{y} * width);
        png_read_image(png, rows.data());
        for (png_uint_32 y = 0; y < height; ++y) row(static_cast<int>(y), pixels.data() + std::size_t{y} * width);
        return true;
    }
    pixels.resize(width);
    for (png_uint_32 y = 0; y < height; ++y) {
        png_read_row(png, reinterpret_cast<png_bytep>(pixels.data()), nullptr);
        row(static_cast<int>(y), pixels.data());
    }
    return true;
}

bool write_png(png_structp png, png_infop info, const Pixels& image, std::vector<std::uint8_t>& out,
               std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, write_to_memory, flush_nothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    ask_for_argb_words(png);
    rows.resize(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        // libpng copies each row before transforming it, so the source stays untouched.
        rows[y] =
            reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(image.argb.data() + std::size_t(y) * image.width));
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

// Runs `read(png, info, reader)` on a libpng reader over `bytes`.
template <class Read>
bool with_png_reader(std::span<const std::uint8_t> bytes, Read read) {
    if (bytes.size() < png_signature_size || png_sig_cmp(bytes.data(), 0, png_signature_size) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemoryReader reader{bytes};
    const bool ok = read(png, info, reader);
    png_destroy_read_struct(&png, &info, nullptr);
    return ok;
}

}  // namespace

bool decode_png_into(std::span<const std::uint8_t> bytes, std::int64_t max_pixels,
                     const std::function<RowBuffer(int width, int height)>& allocate) {
    std::vector<png_bytep> rows;
    return with_png_reader(bytes, [&](png_structp png, png_infop info, MemoryReader& reader) {
        return read_png(png, info, reader, max_pixels, allocate, rows);
    });
}

bool decode_png_rows(std::span<const std::uint8_t> bytes, std::int64_t max_pixels,
                     const std::function<bool(int width, int height)>& begin,
                     const std::function<void(int y, const std::uint32_t* row)>& row) {
    std::vector<std::uint32_t> pixels;
    std::vector<png_bytep> rows;
    return with_png_reader(bytes, [&](png_structp png, png_infop info, MemoryReader& reader) {
        return read_png_rows(png, info, reader, max_pixels, begin, row, pixels, rows);
    });
}

std::optional<Pixels> decode_png(std::span<const std::uint8_t> bytes, std::int64_t max_pixels) {
    Pixels out;
    const bool ok = decode_png_into(bytes, max_pixels, [&](int width, int height) {
        out.width = width;
        out.height = height;
        out.argb.assign(std::size_t(width) * std::size_t(height), 0);
        return RowBuffer{reinterpret_cast<std::uint8_t*>(out.argb.data()), std::size_t(width) * 4};
    });
    if (!ok) return std::nullopt;
    return out;
}

std::vector<std::uint8_t> encode_png(const Pixels& image) {
    if (!image_size_allowed(image.width, image.height) || image.argb.size() != std::size_t(image.width) * image.height)
        return {};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    if (!png) return {};
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    std::vector<std::uint8_t> out;
    std::vector<png_bytep> rows;
    const bool ok = write_png(png, info, image, out, rows);
    png_destroy_write_struct(&png, &info);
    if (!ok) return {};
    return out;
}

}  // namespace rt
