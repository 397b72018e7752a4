// Animated pictures over bytes: the frames of a GIF, each with the time it is
// shown. Every input is treated as hostile: the picture's size is checked
// before anything is decoded, and the frame count and the decoded bytes of
// all frames together are capped; a bad file gives what decoded before the
// damage, or nothing, never a crash.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rt/codec.h"

namespace rt {

// Largest animation, in pixels of its logical screen (4096 x 4096): each
// frame is kept whole, and real animations are far smaller. Larger GIFs are
// refused whole, before decoding, whatever the still-image caps allow.
inline constexpr std::int64_t max_animation_pixels = 16LL * 1024 * 1024;

// Most frames kept of one animation; the frames after them are not decoded.
inline constexpr int max_animation_frames = 1000;
// Most decoded bytes (4 a pixel) of all frames together, one picture at the
// pixel cap; the frames past it are not decoded.
inline constexpr std::int64_t max_animation_bytes = max_image_pixels * 4;

// A frame that asks for less than min_frame_delay_ms is shown for
// default_frame_delay_ms, as browsers do: such delays are almost always
// meant as "no particular delay", and would otherwise spin the desk.
inline constexpr int min_frame_delay_ms = 20;
inline constexpr int default_frame_delay_ms = 100;

// The time a frame that asks for `delay_ms` is shown, in milliseconds.
constexpr int shown_frame_delay(int delay_ms) {
    return delay_ms < min_frame_delay_ms ? default_frame_delay_ms : delay_ms;
}

struct AnimationFrame {
    Pixels pixels;                          // the whole picture as shown at this frame's turn
    int delay_ms = default_frame_delay_ms;  // time shown, already through shown_frame_delay
};

struct Animation {
    int width = 0;  // of every frame
    int height = 0;
    std::vector<AnimationFrame> frames;  // at least one; in the order shown
};

struct AnimationCaps {
    int frames = max_animation_frames;
    std::int64_t bytes = max_animation_bytes;  // of all frames, 4 a pixel
};

// The frames of a GIF, each composed over the ones before as the file asks.
// Nothing when the bytes are not a GIF, when the size its header declares is
// over the image caps or max_animation_pixels (refused before any decoding),
// or when not even the
// first frame decodes or fits the caps. A file cut short gives the frames
// before the cut; one over the caps gives its first frames within them.
std::optional<Animation> decode_animation(std::span<const std::uint8_t> bytes, const AnimationCaps& caps = {});

}  // namespace rt
