// Format sniffing, the toolkit's readers for BMP, ICO and GIF, and the
// conversions between Pixels and the toolkit's images.
#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <limits>

#include "rt/qimage_pixels.h"

namespace rt {
namespace {

struct Magic {
    ImageFormat format;
    std::array<std::uint8_t, 8> bytes;
    std::size_t size;
};

constexpr Magic magics[] = {
    {ImageFormat::Png, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, 8},
    {ImageFormat::Jpeg, {0xFF, 0xD8, 0xFF}, 3},
    {ImageFormat::Gif, {'G', 'I', 'F', '8', '7', 'a'}, 6},
    {ImageFormat::Gif, {'G', 'I', 'F', '8', '9', 'a'}, 6},
    {ImageFormat::Bmp, {'B', 'M'}, 2},
    {ImageFormat::Ico, {0, 0, 1, 0}, 4},  // icon
    {ImageFormat::Ico, {0, 0, 2, 0}, 4},  // cursor, same layout
};

const char* toolkit_format_name(ImageFormat format) {
    switch (format) {
    case ImageFormat::Bmp: return "bmp";
    case ImageFormat::Ico: return "ico";
    case ImageFormat::Gif: return "gif";
    case ImageFormat::Png:
    case ImageFormat::Jpeg:
    case ImageFormat::Unknown: return nullptr;
    }
    return nullptr;
}

constexpr std::int64_t bytes_per_pixel = 4;
constexpr std::int64_t megabyte = 1024 * 1024;

// Megabytes the toolkit's readers may allocate for one image of at most
// `max_pixels`: a reader sizes its image from what the file declares before it
// decodes a pixel, so a few bytes claiming a huge picture would otherwise cost
// the whole program-wide cap (and the time to clear it) for a site icon. The
// toolkit counts whole megabytes, and takes 0 for no limit at all.
int toolkit_allocation_limit_mb(std::int64_t max_pixels) {
    const std::int64_t cap = std::clamp<std::int64_t>(max_pixels, 1, max_image_pixels);
    return static_cast<int>((cap * bytes_per_pixel + megabyte - 1) / megabyte);
}

// Pictures looked at in one icon file; real ones hold a handful, a hostile one declares thousands.
constexpr int max_icon_pictures = 32;

}  // namespace

ImageFormat sniff_image_format(std::span<const std::uint8_t> bytes) {
    for (const Magic& m : magics) {
        if (bytes.size() >= m.size && std::equal(m.bytes.begin(), m.bytes.begin() + m.size, bytes.begin()))
            return m.format;
    }
    return ImageFormat::Unknown;
}

std::optional<Pixels> decode_with_toolkit(std::span<const std::uint8_t> bytes, ImageFormat format,
                                          std::int64_t max_pixels) {
    const char* name = toolkit_format_name(format);
    if (!name || bytes.size() > std::size_t(std::numeric_limits<int>::max())) return std::nullopt;
    QImageReader::setAllocationLimit(toolkit_allocation_limit_mb(max_pixels));
    const QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, name);
    reader.setAutoDetectImageFormat(false);

    // An icon file holds several sizes; the largest is the one worth showing.
    QImage best;
    const int count = format == ImageFormat::Ico ? std::clamp(reader.imageCount(), 1, max_icon_pictures) : 1;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        const QSize size = reader.size();
        // A size over the cap is passed over without decoding it; an icon may hold smaller ones.
        if (size.isValid() && !image_size_allowed(size.width(), size.height(), max_pixels)) continue;
        QImage image = reader.read();
        if (image.isNull() || !image_size_allowed(image.width(), image.height(), max_pixels)) continue;
        if (best.isNull() || image.width() * image.height() > best.width() * best.height()) best = std::move(image);
    }
    if (best.isNull()) return std::nullopt;
    return to_pixels(best);
}

std::optional<Pixels> decode_image(std::span<const std::uint8_t> bytes, std::int64_t max_pixels) {
    switch (const ImageFormat format = sniff_image_format(bytes)) {
    case ImageFormat::Png: return decode_png(bytes, max_pixels);
    case ImageFormat::Jpeg: return decode_jpeg(bytes, max_pixels);
    case ImageFormat::Bmp:
    case ImageFormat::Ico:
    case ImageFormat::Gif: return decode_with_toolkit(bytes, format, max_pixels);
    case ImageFormat::Unknown: return std::nullopt;
    }
    return std::nullopt;
}

Pixels to_pixels(const QImage& image) {
    // RGB32 holds its pixels as ARGB32 does, with an alpha byte of 0xFF.
    const QImage straight =
        image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    Pixels out;
    out.width = straight.width();
    out.height = straight.height();
    out.argb.resize(std::size_t(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(straight.constScanLine(y));
        std::copy(line, line + out.width, out.argb.begin() + std::ptrdiff_t(y) * out.width);
    }
    return out;
}

QImage to_qimage(const Pixels& pixels) {
    QImage straight(pixels.width, pixels.height, QImage::Format_ARGB32);
    if (straight.isNull()) return {};
    for (int y = 0; y < pixels.height; ++y) {
        const auto* row = pixels.argb.data() + std::size_t(y) * pixels.width;
        std::copy(row, row + pixels.width, reinterpret_cast<std::uint32_t*>(straight.scanLine(y)));
    }
    return straight.convertToFormat(image_format);
}

}  // namespace rt
