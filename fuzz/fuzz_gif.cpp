// libFuzzer target: the animated picture decoder. It gives frames within the
// caps, all of one size, each with a delay of at least the minimum, or
// nothing; a crash, a hang or an allocation beyond the caps is a finding.
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

#include "rt/animation.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The toolkit's image plugins are found through the application object.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto animation = rt::decode_animation({data, size});
    if (!animation) return 0;
    if (animation->frames.empty() || animation->frames.size() > std::size_t(rt::max_animation_frames) ||
        !rt::image_size_allowed(animation->width, animation->height) ||
        std::int64_t(animation->width) * animation->height > rt::max_animation_pixels)
        std::abort();
    std::int64_t bytes = 0;
    for (const rt::AnimationFrame& frame : animation->frames) {
        if (frame.pixels.width != animation->width || frame.pixels.height != animation->height ||
            frame.pixels.argb.size() != std::size_t(frame.pixels.width) * std::size_t(frame.pixels.height) ||
            frame.delay_ms < rt::min_frame_delay_ms)
            std::abort();
        bytes += std::int64_t(frame.pixels.argb.size()) * 4;
    }
    if (bytes > rt::max_animation_bytes) std::abort();
    return 0;
}
