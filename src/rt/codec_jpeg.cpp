// JPEG through libjpeg, read from memory. libjpeg's own error handler calls
// exit(), so an error manager that longjmps back is installed; warnings count
// as errors, since they mean corrupt or truncated data from outside.
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include "rt/codec.h"

namespace rt {
namespace {

// A progressive file can declare any number of scans, each a full pass over the image.
constexpr int max_scans = 1000;
// Working memory libjpeg may take beyond the decoded rows (coefficients of a progressive file).
constexpr long max_working_memory = 512L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void fail(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

// Level -1 is a warning; higher levels are traces, which are ignored.
void on_message(j_common_ptr info, int level) {
    if (level < 0) fail(info);
}

void on_progress(j_common_ptr info) {
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > max_scans) fail(info);
}

bool read_jpeg(jpeg_decompress_struct& jpeg, ErrorManager& errors, std::span<const std::uint8_t> bytes,
               std::int64_t max_pixels, Pixels& out,
               std::vector<JSAMPLE>& row) {
    if (setjmp(errors.jump)) return false;
    jpeg.mem->max_memory_to_use = max_working_memory;
    jpeg_mem_src(&jpeg, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&jpeg, TRUE) != JPEG_HEADER_OK) return false;
    if (!image_size_allowed(jpeg.image_width, jpeg.image_height, max_pixels)) return false;
    jpeg.out_color_space = JCS_RGB;
    jpeg_start_decompress(&jpeg);
    if (jpeg.output_components != 3 || jpeg.output_width != jpeg.image_width || jpeg.output_height != jpeg.image_height)
        return false;

    const std::size_t width = jpeg.output_width;
    out.width = static_cast<int>(jpeg.output_width);
    out.height = static_cast<int>(jpeg.output_height);
    row.resize(width * 3);
    // The pixels grow row by row, so a file that ends early costs only what it held.
    while (jpeg.output_scanline < jpeg.output_height) {
        JSAMPROW rows[] = {row.data()};
        if (jpeg_read_scanlines(&jpeg, rows, 1) != 1) return false;
        for (std::size_t x = 0; x < width; ++x) {
            const JSAMPLE* rgb = &row[x * 3];
            out.argb.push_back(0xFF000000u | std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2]);
        }
    }
    jpeg_finish_decompress(&jpeg);
    return true;
}

}  // namespace

std::optional<Pixels> decode_jpeg(std::span<const std::uint8_t> bytes, std::int64_t max_pixels) {
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
    jpeg_decompress_struct jpeg{};
    ErrorManager errors{};
    jpeg.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = fail;
    errors.base.emit_message = on_message;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = on_progress;
    jpeg_create_decompress(&jpeg);
    jpeg.progress = &progress;

    Pixels out;
    std::vector<JSAMPLE> row;
    const bool ok = read_jpeg(jpeg, errors, bytes, max_pixels, out, row);
    jpeg_destroy_decompress(&jpeg);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace rt
