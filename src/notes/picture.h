// The picture window: a dropped picture shown at its own size, or scaled to
// 800 pixels wide when wider, centred on the screen and above the other
// windows; an animated GIF plays each frame for its own delay. A click on the
// picture or the close box closes it. At most one exists: a new picture
// replaces it.
#pragma once

#include <cstdint>
#include <string>

#include "core/state.h"

namespace notes {

// Widest picture shown at its own size.
inline constexpr int max_picture_width = 800;

// Largest picture file read. Pictures are also refused by their size before
// they are decoded: over 16384 pixels a side or 64 megapixels (an animated
// GIF: over 4096 x 4096, its frames after the 1000th or past 256 MB decoded
// are left out).
inline constexpr std::int64_t max_picture_file_bytes = 256LL * 1024 * 1024;

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The size a `width` x `height` picture is shown at: its own, or when wider
// than max_picture_width that width and the height scaled alike, each rounded
// to the nearest pixel (at least 1).
PictureSize shown_picture_size(int width, int height);

// Shows the picture at `path` in the picture window, replacing the one
// shown. Nothing happens when the file is not a picture that decodes within
// the caps.
void open_picture(core::State& s, const std::string& path);

// Stops the animation: the frame shown stays.
void stop_animation(core::State& s);

// Stops the animation and closes the window; nothing when it is not open.
void close_picture(core::State& s);

}  // namespace notes
