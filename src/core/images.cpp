// Loading of the embedded images; the table itself is generated at build time
// (embedded_images.cpp in the build folder).
#include "core/images.h"

#include <algorithm>
#include <cstdint>

#include "rt/image.h"

namespace core {

const EmbeddedImage* find_embedded_image(int number) {
    const auto images = embedded_images();
    const auto it = std::lower_bound(images.begin(), images.end(), number,
                                     [](const EmbeddedImage& image, int n) { return image.number < n; });
    return it != images.end() && it->number == number ? &*it : nullptr;
}

bool load_embedded_image(int number) {
    const EmbeddedImage* image = find_embedded_image(number);
    if (!image) return false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image->png);
    return rt::load_image_from_memory(number, {bytes, image->size});
}

bool load_embedded_images(std::initializer_list<int> numbers) {
    bool all_loaded = true;
    for (const int number : numbers) all_loaded = load_embedded_image(number) && all_loaded;
    return all_loaded;
}

}  // namespace core
