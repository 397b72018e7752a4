// Private to the runtime layer: between Pixels and the toolkit's images.
// Needs only the toolkit's GUI module, so the codecs build without widgets.
#pragma once

#include <QImage>

#include "rt/codec.h"

namespace rt {

// Every numbered image is kept in this format, which the painter draws on fastest.
inline constexpr QImage::Format image_format = QImage::Format_ARGB32_Premultiplied;

Pixels to_pixels(const QImage& image);
// An image in `image_format`; null when the pixels are empty.
QImage to_qimage(const Pixels& pixels);

}  // namespace rt
