// Animated GIF frames through the toolkit's GIF reader, with our caps around it.
#include "rt/animation.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <limits>

#include "rt/qimage_pixels.h"

namespace rt {
namespace {

// The header: "GIF89a" or "GIF87a", then the logical screen's width and
// height, 16-bit little-endian each.
constexpr std::size_t screen_width_offset = 6;
constexpr std::size_t screen_height_offset = 8;
constexpr std::size_t header_size = 10;

constexpr int bytes_per_pixel = 4;

// Megabytes the toolkit's reader may allocate for one picture, as for still images.
constexpr int toolkit_allocation_limit_mb = static_cast<int>(max_image_pixels * bytes_per_pixel / (1024 * 1024));

int read_u16(std::span<const std::uint8_t> bytes, std::size_t offset) { return bytes[offset] | bytes[offset + 1] << 8; }

std::int64_t bytes_of(int width, int height) { return std::int64_t(width) * height * bytes_per_pixel; }

bool animation_size_allowed(std::int64_t width, std::int64_t height) {
    return image_size_allowed(width, height) && width * height <= max_animation_pixels;
}

// A declared size of 0 leaves the size to the first frame, which is checked once read.
bool screen_allowed(std::span<const std::uint8_t> bytes) {
    const int width = read_u16(bytes, screen_width_offset);
    const int height = read_u16(bytes, screen_height_offset);
    return width == 0 || height == 0 || animation_size_allowed(width, height);
}

}  // namespace

std::optional<Animation> decode_animation(std::span<const std::uint8_t> bytes, const AnimationCaps& caps) {
    if (sniff_image_format(bytes) != ImageFormat::Gif || bytes.size() < header_size ||
        bytes.size() > std::size_t(std::numeric_limits<int>::max()) || !screen_allowed(bytes))
        return std::nullopt;

    QImageReader::setAllocationLimit(toolkit_allocation_limit_mb);
    const QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    reader.setAutoDetectImageFormat(false);
    const QSize first_size = reader.size();
    if (first_size.isValid() && !animation_size_allowed(first_size.width(), first_size.height())) return std::nullopt;

    Animation animation;
    std::int64_t decoded_bytes = 0;
    while (animation.frames.size() < std::size_t(std::max(caps.frames, 0))) {
        // Every frame is the size of the first, so from the second on the byte
        // cap is checked before the frame is decoded.
        if (decoded_bytes + bytes_of(animation.width, animation.height) > caps.bytes) break;
        const QImage image = reader.read();
        if (image.isNull() || !animation_size_allowed(image.width(), image.height())) break;
        if (!animation.frames.empty() && (image.width() != animation.width || image.height() != animation.height))
            break;
        if (decoded_bytes + bytes_of(image.width(), image.height()) > caps.bytes) break;
        animation.width = image.width();
        animation.height = image.height();
        decoded_bytes += bytes_of(image.width(), image.height());
        animation.frames.push_back({to_pixels(image), shown_frame_delay(reader.nextImageDelay())});
    }
    if (animation.frames.empty()) return std::nullopt;
    return animation;
}

}  // namespace rt
