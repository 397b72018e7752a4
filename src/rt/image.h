// Numbered images: created, loaded from outside files, saved as PNG, copied,
// scaled and cut. Creating or loading a number in use replaces the old image;
// a failed load leaves it as it was. Drawing on images is in rt/draw.h.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "rt/codec.h"
#include "rt/colour.h"

namespace rt {

// A width x height image filled with `background` at opacity `alpha`
// (0 transparent to 255 opaque). False when the size is empty or over the caps.
bool create_image(int number, int width, int height, Colour background = 0, int alpha = 255);

// PNG, JPEG, BMP, ICO or GIF (first frame), told apart by content, not by
// name; only a regular file is read. A picture of more than `max_pixels`
// pixels is refused before it is decoded.
[[nodiscard]] bool load_image(int number, const std::string& path, std::int64_t max_pixels = max_image_pixels);
[[nodiscard]] bool load_image_from_memory(int number, std::span<const std::uint8_t> bytes,
                                          std::int64_t max_pixels = max_image_pixels);
// Decodes `png`, a row of `cells` squares of `size` x `size` pixels,
// straight into images, without holding the whole row: square i (0 first)
// becomes image `image_of(i)`, or is skipped when that is -1. False, and no
// image made, when the bytes are not such a picture.
[[nodiscard]] bool load_image_cells(std::span<const std::uint8_t> png, int size, int cells,
                                    const std::function<int(int cell)>& image_of);

// Writes the image as PNG, replacing `path` atomically: a crash leaves the old file or the new one.
[[nodiscard]] bool save_png(int number, const std::string& path);

bool set_image_pixels(int number, const Pixels& pixels);
std::optional<Pixels> image_pixels(int number);

// Copies image `source` to number `target`; false when `source` does not exist.
bool copy_image(int source, int target);
// Scales the image smoothly to width x height.
bool resize_image(int number, int width, int height);
// Cuts a width x height region at (x, y) of `source` into `target`; parts
// outside the source are transparent.
bool grab_image(int source, int target, int x, int y, int width, int height);

void free_image(int number);
bool image_exists(int number);
// 0 when the image does not exist.
int image_width(int number);
int image_height(int number);

}  // namespace rt
