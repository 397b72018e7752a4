// The image codecs on hand-built and damaged files: what decodes, what is
// refused, and what an encoded PNG holds.
#include "rt/codec.h"

#include <QBuffer>
#include <QImage>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t png_signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// PNG colour types.
constexpr std::uint8_t png_grey = 0, png_rgb = 2, png_palette = 3, png_rgba = 6;

void put_u32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// length, type, data, CRC over type and data
Bytes chunk(const char (&type)[5], const Bytes& data) {
    Bytes out;
    put_u32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    put_u32(out, static_cast<std::uint32_t>(crc));
    return out;
}

Bytes ihdr(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colour_type,
           std::uint8_t interlace = 0) {
    Bytes data;
    put_u32(data, width);
    put_u32(data, height);
    data.insert(data.end(), {depth, colour_type, 0 /*deflate*/, 0 /*filter*/, interlace});
    return chunk("IHDR", data);
}

Bytes deflated(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    EXPECT_EQ(compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size())), Z_OK);
    out.resize(size);
    return out;
}

// A PNG from its header chunk, extra chunks before the data, and the
// scanlines (each starting with its filter byte), unfiltered.
Bytes png_file(const Bytes& header, const Bytes& scanlines, const Bytes& extra = {}) {
    Bytes out(std::begin(png_signature), std::end(png_signature));
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), extra.begin(), extra.end());
    const Bytes idat = chunk("IDAT", deflated(scanlines));
    out.insert(out.end(), idat.begin(), idat.end());
    const Bytes iend = chunk("IEND", {});
    out.insert(out.end(), iend.begin(), iend.end());
    return out;
}

TEST(PngDecode, DecodesEveryColourTypeToStraightArgb) {
    struct Case {
        const char* name;
        Bytes file;
        rt::Pixels expected;
    };
    // Red, green / half-transparent blue, transparent white. Row 2 uses the Sub
    // filter: its second pixel is stored as the difference from the first,
    // (255,255,255,0) - (0,0,255,128) = (255,255,0,128) modulo 256.
    Bytes sub_filtered =
        png_file(ihdr(2, 2, 8, png_rgba), {0, 255, 0, 0, 255, 0, 255, 0, 255, 1, 0, 0, 255, 128, 255, 255, 0, 128});
    const Case cases[] = {
        {"1x1 rgb", png_file(ihdr(1, 1, 8, png_rgb), {0, 0x12, 0x34, 0x56}), {1, 1, {0xFF123456}}},
        {"2x1 grey", png_file(ihdr(2, 1, 8, png_grey), {0, 0x00, 0xFF}), {2, 1, {0xFF000000, 0xFFFFFFFF}}},
        {"2x2 rgba, sub filter", sub_filtered, {2, 2, {0xFFFF0000, 0xFF00FF00, 0x800000FF, 0x00FFFFFF}}},
        {"1x1 16-bit rgb",
         png_file(ihdr(1, 1, 16, png_rgb), {0, 0xAB, 0x00, 0xCD, 0x00, 0xEF, 0x00}),
         {1, 1, {0xFFABCDEF}}},
        {"palette with transparency",
         png_file(ihdr(2, 1, 8, png_palette), {0, 1, 0},
                  [] {
                      Bytes extra = chunk("PLTE", {0x10, 0x20, 0x30, 0x40, 0x50, 0x60});
                      const Bytes trns = chunk("tRNS", {0x00});  // entry 0 fully transparent
                      extra.insert(extra.end(), trns.begin(), trns.end());
                      return extra;
                  }()),
         {2, 1, {0xFF405060, 0x00102030}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto decoded = rt::decode_png(c.file);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->width, c.expected.width);
        EXPECT_EQ(decoded->height, c.expected.height);
        EXPECT_EQ(decoded->argb, c.expected.argb);
    }
}

TEST(PngDecode, RefusesDamagedAndOversizedFiles) {
    const Bytes good = png_file(ihdr(4, 4, 8, png_rgb), Bytes(4 * (1 + 4 * 3), 0));
    ASSERT_TRUE(rt::decode_png(good).has_value());

    Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    Bytes bad_crc = good;
    bad_crc[8 + 8 + 13] ^= 0xFF;  // signature, IHDR length and type, IHDR data: first CRC byte
    Bytes bad_signature = good;
    bad_signature[1] = 'Q';
    // Over the caps with valid CRCs and complete data: only the caps refuse these.
    const auto grey_file = [](std::uint32_t width, std::uint32_t height) {
        return png_file(ihdr(width, height, 8, png_grey), Bytes(std::size_t(height) * (1 + width), 0));
    };
    const Bytes one_row(1 + 3, 0);
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"signature only", Bytes(std::begin(png_signature), std::end(png_signature))},
        {"bad signature", bad_signature},
        {"truncated in the image data", truncated},
        {"wrong header CRC", bad_crc},
        {"zero width", png_file(ihdr(0, 1, 8, png_rgb), one_row)},
        {"wider than the side cap", grey_file(16385, 1)},
        {"over the pixel cap", grey_file(8193, 8193)},
        {"largest 32-bit size", png_file(ihdr(0x7FFFFFFF, 0x7FFFFFFF, 8, png_rgb), one_row)},
        {"image data missing rows", png_file(ihdr(4, 4, 8, png_rgb), Bytes(1 * (1 + 4 * 3), 0))},
        {"bit depth 3", png_file(ihdr(1, 1, 3, png_grey), {0, 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(rt::decode_png(c.file).has_value());
    }
}

// Rows as decode_png_rows() gives them, or nothing when it fails.
std::optional<rt::Pixels> decode_by_rows(const Bytes& file) {
    rt::Pixels out;
    const bool ok = rt::decode_png_rows(
        file, rt::max_image_pixels,
        [&](int width, int height) {
            out = {width, height, {}};
            return true;
        },
        [&](int y, const std::uint32_t* row) {
            EXPECT_EQ(std::size_t(y) * std::size_t(out.width), out.argb.size()) << "rows come in order";
            out.argb.insert(out.argb.end(), row, row + out.width);
        });
    if (!ok) return std::nullopt;
    return out;
}

TEST(PngDecode, RowByRowGivesTheSamePixelsInterlacedOrNot) {
    // 2 x 2 RGB in Adam7 order: pass 1 holds (0,0), pass 6 (1,0), pass 7 the second row.
    const Bytes interlaced =
        png_file(ihdr(2, 2, 8, png_rgb, 1), {0, 1, 2, 3, /**/ 0, 4, 5, 6, /**/ 0, 7, 8, 9, 10, 11, 12});
    const Bytes plain = png_file(ihdr(2, 2, 8, png_rgb), {0, 1, 2, 3, 4, 5, 6, /**/ 0, 7, 8, 9, 10, 11, 12});
    const rt::Pixels expected{2, 2, {0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C}};
    for (const Bytes* file : {&interlaced, &plain}) {
        const auto whole = rt::decode_png(*file);
        ASSERT_TRUE(whole);
        EXPECT_EQ(whole->argb, expected.argb);
        const auto rows = decode_by_rows(*file);
        ASSERT_TRUE(rows);
        EXPECT_EQ(rows->width, 2);
        EXPECT_EQ(rows->argb, expected.argb);
    }

    // A refusal of the size, or data that ends early, fail the whole decode.
    int rows_given = 0;
    EXPECT_FALSE(rt::decode_png_rows(
        plain, rt::max_image_pixels, [](int, int) { return false; }, [&](int, const std::uint32_t*) { ++rows_given; }));
    EXPECT_EQ(rows_given, 0);
    const Bytes truncated(plain.begin(), plain.end() - 20);
    EXPECT_FALSE(decode_by_rows(truncated));
    EXPECT_FALSE(decode_by_rows(png_file(ihdr(8193, 8193, 8, png_grey), Bytes(8193 + 1, 0))))
        << "over the pixel cap, refused before any row";
}

TEST(PngEncode, HeaderIsEightBitRgbaOfTheImageSize) {
    const Bytes file = rt::encode_png({1, 1, {0x00000000}});
    // The well-known smallest transparent PNG starts with exactly these bytes.
    const Bytes expected_start = {0x89, 'P',  'N',  'G', '\r', '\n', 0x1A, '\n',  // signature
                                  0,    0,    0,    13,  'I',  'H',  'D',  'R',   // IHDR, 13 bytes
                                  0,    0,    0,    1,   0,    0,    0,    1,     // 1 x 1
                                  8,    6,    0,    0,   0,                       // 8-bit RGBA
                                  0x1F, 0x15, 0xC4, 0x89};                        // CRC
    ASSERT_GE(file.size(), expected_start.size());
    EXPECT_EQ(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(expected_start.size())), expected_start);
}

TEST(PngEncode, RoundTripKeepsEveryPixelExactly) {
    const rt::Pixels cases[] = {
        {1, 1, {0x00000000}},
        {1, 1, {0xFFFFFFFF}},
        // Straight alpha: the colour of a transparent pixel survives.
        {3, 2, {0x00ABCDEF, 0x01020304, 0x7F808182, 0xFE000000, 0x80FF00FF, 0xFF00FF00}},
        {17, 1, std::vector<std::uint32_t>(17, 0xC0112233)},
    };
    for (const rt::Pixels& image : cases) {
        SCOPED_TRACE(testing::Message() << image.width << "x" << image.height);
        const auto decoded = rt::decode_png(rt::encode_png(image));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, image);
    }
}

TEST(PngEncode, RefusesEmptyAndInconsistentImages) {
    EXPECT_TRUE(rt::encode_png({0, 0, {}}).empty());
    EXPECT_TRUE(rt::encode_png({2, 2, {0xFF000000}}).empty());  // fewer pixels than 2 x 2
}

// A JPEG written by the toolkit's own writer, so the decoder is checked against another codec.
Bytes toolkit_jpeg(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", 100));
    return Bytes(data.begin(), data.end());
}

// Offset of the first baseline frame header (SOF0) marker.
std::size_t sof0_offset(const Bytes& file) {
    for (std::size_t i = 0; i + 1 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == 0xC0) return i;
    }
    ADD_FAILURE() << "no SOF0 marker";
    return 0;
}

// SOF0: marker (2), length (2), precision (1), height (2), width (2).
Bytes with_declared_size(Bytes file, std::uint16_t width, std::uint16_t height) {
    const std::size_t sof = sof0_offset(file);
    file[sof + 5] = static_cast<std::uint8_t>(height >> 8);
    file[sof + 6] = static_cast<std::uint8_t>(height);
    file[sof + 7] = static_cast<std::uint8_t>(width >> 8);
    file[sof + 8] = static_cast<std::uint8_t>(width);
    return file;
}

TEST(JpegDecode, DecodesColourWithinCompressionError) {
    const auto decoded = rt::decode_jpeg(toolkit_jpeg(19, 7, QColor(200, 100, 50)));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->width, 19);
    EXPECT_EQ(decoded->height, 7);
    for (const std::uint32_t p : decoded->argb) {
        EXPECT_EQ(p >> 24, 0xFFu);
        EXPECT_NEAR(int(p >> 16 & 0xFF), 200, 4);
        EXPECT_NEAR(int(p >> 8 & 0xFF), 100, 4);
        EXPECT_NEAR(int(p & 0xFF), 50, 4);
    }
}

TEST(JpegDecode, FailsCleanlyOnDamagedAndOversizedFiles) {
    const Bytes good = toolkit_jpeg(64, 64, QColor(10, 200, 30));
    ASSERT_TRUE(rt::decode_jpeg(good).has_value());
    Bytes scrambled = good;
    // Overwrite the middle of the compressed data: either an error or a warning, never an image.
    for (std::size_t i = good.size() / 2; i < good.size() / 2 + 64; ++i) scrambled[i] = 0xFF;
    Bytes no_end(good.begin(), good.end() - 2);  // without the end-of-image marker
    no_end.resize(good.size() * 3 / 4);
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"start marker only", {0xFF, 0xD8, 0xFF}},
        {"not a jpeg", {'G', 'I', 'F', '8', '9', 'a', 0, 0}},
        {"truncated in the scan", no_end},
        {"scrambled scan data", scrambled},
        {"zero height", with_declared_size(good, 64, 0)},
        {"over the side cap", with_declared_size(good, 20000, 64)},
        {"over the pixel cap", with_declared_size(good, 16000, 16000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(rt::decode_jpeg(c.file).has_value());
    }
}

TEST(ImageFormat, SniffsByMagicBytesOnly) {
    const struct {
        Bytes bytes;
        rt::ImageFormat expected;
    } cases[] = {
        {Bytes(std::begin(png_signature), std::end(png_signature)), rt::ImageFormat::Png},
        {{0x89, 'P', 'N', 'G'}, rt::ImageFormat::Unknown},  // a PNG signature cut short
        {{0xFF, 0xD8, 0xFF, 0xE0}, rt::ImageFormat::Jpeg},
        {{'G', 'I', 'F', '8', '9', 'a'}, rt::ImageFormat::Gif},
        {{'G', 'I', 'F', '8', '7', 'a'}, rt::ImageFormat::Gif},
        {{'G', 'I', 'F', '9', '0', 'a'}, rt::ImageFormat::Unknown},
        {{'B', 'M', 0, 0}, rt::ImageFormat::Bmp},
        {{0, 0, 1, 0, 1, 0}, rt::ImageFormat::Ico},
        {{0, 0, 2, 0, 1, 0}, rt::ImageFormat::Ico},
        {{}, rt::ImageFormat::Unknown},
        {{'<', 's', 'v', 'g'}, rt::ImageFormat::Unknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rt::sniff_image_format(c.bytes), c.expected)
            << "first byte " << (c.bytes.empty() ? -1 : int(c.bytes[0]));
    }
}

TEST(ToolkitDecode, ReadsGifBmpAndIcoThroughTheSniffer) {
    // The classic one-pixel GIF: a two-colour palette (red, black), pixel 0.
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0,  0,
                       0,   ',', 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 'D',  1, 0, ';'};
    const auto red = rt::decode_image(gif);
    ASSERT_TRUE(red.has_value());
    EXPECT_EQ(*red, (rt::Pixels{1, 1, {0xFFFF0000}}));

    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(QColor(1, 2, 3));
    source.setPixel(2, 1, qRgb(250, 251, 252));
    for (const char* format : {"BMP", "ICO"}) {
        SCOPED_TRACE(format);
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(source.save(&buffer, format));
        const auto decoded = rt::decode_image(Bytes(data.begin(), data.end()));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->width, 3);
        EXPECT_EQ(decoded->height, 2);
        EXPECT_EQ(decoded->argb[0], 0xFF010203u);
        EXPECT_EQ(decoded->argb[5], 0xFFFAFBFCu);
    }
}

TEST(ToolkitDecode, RefusesOversizedBmpHeader) {
    // BMP file header (14) + BITMAPINFOHEADER (40) declaring 20000 x 20000 at 24 bits.
    Bytes bmp(54, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[10] = 54;                                 // pixel data offset
    bmp[14] = 40;                                 // info header size
    for (const std::size_t field : {18u, 22u}) {  // width, height: 20000, little-endian
        bmp[field] = 20000 & 0xFF;
        bmp[field + 1] = 20000 >> 8;
    }
    bmp[26] = 1;   // planes
    bmp[28] = 24;  // bits per pixel
    EXPECT_FALSE(rt::decode_image(bmp).has_value());
}

}  // namespace
