#include "desk/icon_library.h"

#include <algorithm>
#include <cstdint>
#include <functional>

#include "desk/ids.h"
#include "desk/layout.h"
#include "platform/files.h"
#include "rt/image.h"

namespace desk {

std::string icon_library_path(const core::State& s) { return s.Data_Folder + library_file_name; }

namespace {

// Far above any strip of 9600 x 32 pixels, however it is compressed.
constexpr std::int64_t library_file_cap = 16ll * 1024 * 1024;

// The cells of the slots in use (slots 1 to `Slot_Count` with a target) for
// which `wanted` holds become their pictures. False when the kept bytes are
// not a library strip.
bool load_library_cells(core::State& s, const std::function<bool(int slot)>& wanted) {
    const int last = std::min(s.Slot_Count, core::slot_count_max);
    const auto& file = s.desk.library_file;
    return rt::load_image_cells({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}, icon_size,
                                library_width / icon_size, [&](int cell) {
                                    const bool used = cell >= 1 && cell <= last &&
                                                      !s.slot_table[std::size_t(cell)].target.empty() && wanted(cell);
                                    return used ? slot_image(cell) : -1;
                                });
}

}  // namespace

void load_icon_library(core::State& s) {
    release_icon_library(s);
    const std::string path = icon_library_path(s);
    if (!s.Data_Folder.empty()) platform::remove_stale_temporaries(path);
    auto file = platform::read_regular_file(path, library_file_cap);
    if (!file.ok() || file.bytes.empty()) return;
    s.desk.library_file = std::move(file.bytes);
    s.desk.library_present = load_library_cells(s, [](int slot) { return page_of(slot) == first_page; });
    if (!s.desk.library_present) release_icon_library(s);
}

void load_hidden_page_pictures(core::State& s) {
    if (s.desk.library_present)
        load_library_cells(s, [](int slot) { return page_of(slot) != first_page; });
}

bool icon_library_present(const core::State& s) { return s.desk.library_present; }

bool has_library_picture(const core::State& s, int slot) {
    return s.desk.library_present && rt::image_height(slot_image(slot)) == icon_size;
}

void release_icon_library(core::State& s) {
    s.desk.library_present = false;
    std::string().swap(s.desk.library_file);
}

bool write_icon_library(const core::State& s) {
    if (s.Data_Folder.empty()) return false;  // no data file, no place for its library
    // Pixels are copied, not blended: a picture reads back exactly as it was written.
    rt::Pixels strip{library_width, library_height,
                     std::vector<std::uint32_t>(std::size_t(library_width) * library_height, 0u)};
    for (int n = 1; n <= core::slot_count_max; ++n) {
        const int picture = s.slot_table[std::size_t(n)].picture;
        if (picture < 0 || rt::image_height(picture) != library_height) continue;
        const auto pixels = rt::image_pixels(picture);
        if (!pixels) continue;
        const int left = library_cell_x(n);
        for (int y = 0; y < library_height; ++y)
            for (int x = 0; x < pixels->width && left + x < library_width; ++x)
                strip.argb[std::size_t(y) * library_width + std::size_t(left + x)] =
                    pixels->argb[std::size_t(y) * std::size_t(pixels->width) + std::size_t(x)];
    }
    const std::vector<std::uint8_t> png = rt::encode_png(strip);
    return !png.empty() &&
           platform::replace_file(icon_library_path(s), {reinterpret_cast<const char*>(png.data()), png.size()});
}

}  // namespace desk
