// libFuzzer target: every image decoder of outside files, on the same bytes.
// Each must return an image within the caps or nothing; a crash, a hang, an
// exit or an allocation beyond the caps is a finding.
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

#include "rt/codec.h"

namespace {

void check(const std::optional<rt::Pixels>& image, std::int64_t max_pixels = rt::max_image_pixels) {
    if (!image) return;
    if (!rt::image_size_allowed(image->width, image->height, max_pixels) ||
        image->argb.size() != std::size_t(image->width) * std::size_t(image->height))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The toolkit's image plugins are found through the application object.
    static int argc = 1;
    static char name[] = "fuzz_image";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    const std::span<const std::uint8_t> bytes(data, size);
    check(rt::decode_png(bytes));
    check(rt::decode_jpeg(bytes));
    for (const auto format : {rt::ImageFormat::Bmp, rt::ImageFormat::Ico, rt::ImageFormat::Gif})
        check(rt::decode_with_toolkit(bytes, format));
    // A site icon's cap holds for every decoder behind decode_image.
    constexpr std::int64_t site_icon_pixels = 512 * 512;
    check(rt::decode_image(bytes, site_icon_pixels), site_icon_pixels);
    // What load_image does: sniff, then the matching decoder; and a decoded image encodes.
    if (const auto image = rt::decode_image(bytes)) {
        check(image);
        if (rt::encode_png(*image).empty()) std::abort();
    }
    return 0;
}
