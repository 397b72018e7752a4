// Numbered images over the toolkit's images; files are read and written here,
// decoding and encoding is in the codec files.
#include "rt/image.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "rt/internal.h"

namespace rt {
namespace {

// Largest image file read: well above any picture within the pixel caps.
constexpr std::int64_t max_image_file_bytes = 512ll * 1024 * 1024;

// Replacing an image that is being drawn on ends that drawing first.
bool store(int number, QImage image) {
    if (image.isNull()) return false;
    end_drawing_on_image(number);
    state().images[number] = image.format() == image_format ? std::move(image) : image.convertToFormat(image_format);
    return true;
}

}  // namespace

const QImage* image_of(int number) {
    const auto& images = state().images;
    const auto found = images.find(number);
    return found == images.end() ? nullptr : &found->second;
}

bool create_image(int number, int width, int height, Colour background, int alpha) {
    if (!image_size_allowed(width, height)) return false;
    QImage image(width, height, image_format);
    if (image.isNull()) return false;
    image.fill(to_qcolor(background, std::clamp(alpha, 0, 255)));
    return store(number, std::move(image));
}

bool load_image(int number, const std::string& path, std::int64_t max_pixels) {
    const auto file = platform::read_regular_file(path, max_image_file_bytes);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    return file.ok() && load_image_from_memory(number, {bytes, file.bytes.size()}, max_pixels);
}

bool load_image_from_memory(int number, std::span<const std::uint8_t> bytes, std::int64_t max_pixels) {
    if (sniff_image_format(bytes) == ImageFormat::Png) {
        // Straight into the toolkit's image, premultiplied in place: one buffer touched once
        // (the icon library strip is read at every start).
        QImage image;
        const bool ok = decode_png_into(bytes, max_pixels, [&](int width, int height) {
            image = QImage(width, height, QImage::Format_ARGB32);
            return image.isNull() ? RowBuffer{} : RowBuffer{image.bits(), std::size_t(image.bytesPerLine())};
        });
        if (!ok) return false;
        image.convertTo(image_format);
        return store(number, std::move(image));
    }
    const auto pixels = decode_image(bytes, max_pixels);
    return pixels && store(number, to_qimage(*pixels));
}

bool load_image_cells(std::span<const std::uint8_t> png, int size, int cells,
                      const std::function<int(int cell)>& image_of) {
    if (size <= 0 || cells <= 0 || !image_size_allowed(std::int64_t(size) * cells, size)) return false;
    struct Cell {
        int index;
        int number;
        QImage image;
    };
    std::vector<Cell> wanted;
    const bool ok = decode_png_rows(
        png, std::int64_t(size) * size * cells,
        [&](int width, int height) {
            if (width != size * cells || height != size) return false;
            for (int i = 0; i < cells; ++i) {
                const int number = image_of(i);
                if (number < 0) continue;
                wanted.push_back({i, number, QImage(size, size, image_format)});
                if (wanted.back().image.isNull()) return false;
            }
            return true;
        },
        [&](int y, const std::uint32_t* row) {
            for (Cell& cell : wanted) {
                const std::uint32_t* from = row + std::size_t(cell.index) * std::size_t(size);
                auto* to = reinterpret_cast<QRgb*>(cell.image.scanLine(y));
                for (int x = 0; x < size; ++x) to[x] = qPremultiply(from[x]);
            }
        });
    if (!ok) return false;
    for (Cell& cell : wanted) store(cell.number, std::move(cell.image));
    return true;
}

bool save_png(int number, const std::string& path) {
    const auto pixels = image_pixels(number);
    if (!pixels) return false;
    const std::vector<std::uint8_t> bytes = encode_png(*pixels);
    return !bytes.empty() && platform::replace_file(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

bool set_image_pixels(int number, const Pixels& pixels) {
    if (!image_size_allowed(pixels.width, pixels.height) ||
        pixels.argb.size() != std::size_t(pixels.width) * pixels.height)
        return false;
    return store(number, to_qimage(pixels));
}

std::optional<Pixels> image_pixels(int number) {
    const QImage* image = image_of(number);
    if (!image) return std::nullopt;
    return to_pixels(*image);
}

bool copy_image(int source, int target) {
    const QImage* image = image_of(source);
    // A deep copy: the source may be open for drawing.
    return image && (source == target || store(target, image->copy()));
}

bool resize_image(int number, int width, int height) {
    const QImage* image = image_of(number);
    if (!image || !image_size_allowed(width, height)) return false;
    return store(number, image->scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool grab_image(int source, int target, int x, int y, int width, int height) {
    const QImage* image = image_of(source);
    if (!image || !image_size_allowed(width, height)) return false;
    return store(target, image->copy(x, y, width, height));
}

void free_image(int number) {
    end_drawing_on_image(number);
    state().images.erase(number);
}

bool image_exists(int number) { return image_of(number) != nullptr; }

int image_width(int number) {
    const QImage* image = image_of(number);
    return image ? image->width() : 0;
}

int image_height(int number) {
    const QImage* image = image_of(number);
    return image ? image->height() : 0;
}

}  // namespace rt
