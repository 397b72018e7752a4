// Numbered images over the toolkit's images; files are read and written here,
// decoding and encoding is in the codec files.
#include "rt/image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <algorithm>

#include "rt/internal.h"

namespace rt {
namespace {

// Largest image file read: well above any picture within the pixel caps.
constexpr std::uintmax_t max_image_file_bytes = 512ull * 1024 * 1024;

// Replacing an image that is being drawn on ends that drawing first.
bool store(int number, QImage image) {
    if (image.isNull()) return false;
    end_drawing_on_image(number);
    state().images[number] = image.format() == image_format ? std::move(image)
                                                            : image.convertToFormat(image_format);
    return true;
}

std::optional<std::vector<std::uint8_t>> read_file(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > max_image_file_bytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
    return bytes;
}

bool write_all(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// A temporary file beside `path`, flushed to disk, then renamed over it.
bool replace_file(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string temp = path + ".XXXXXX.tmp";
    const int fd = ::mkstemps(temp.data(), 4);
    if (fd < 0) return false;
    const bool written = ::fchmod(fd, 0644) == 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    // The rename itself is on disk once the folder is.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

const QImage* image_of(int number) {
    const auto& images = state().images;
    const auto found = images.find(number);
    return found == images.end() ? nullptr : &found->second;
}

bool create_image(int number, int width, int height, Colour background, int alpha) {
    if (!image_size_allowed(width, height)) return false;
    QImage image(width, height, image_format);
    if (image.isNull()) return false;
    image.fill(to_qcolor(background, std::clamp(alpha, 0, 255)));
    return store(number, std::move(image));
}

bool load_image(int number, const std::string& path) {
    const auto bytes = read_file(path);
    return bytes && load_image_from_memory(number, *bytes);
}

bool load_image_from_memory(int number, std::span<const std::uint8_t> bytes) {
    const auto pixels = decode_image(bytes);
    return pixels && store(number, to_qimage(*pixels));
}

bool save_png(int number, const std::string& path) {
    const auto pixels = image_pixels(number);
    if (!pixels) return false;
    const std::vector<std::uint8_t> bytes = encode_png(*pixels);
    return !bytes.empty() && replace_file(path, bytes);
}

bool set_image_pixels(int number, const Pixels& pixels) {
    if (!image_size_allowed(pixels.width, pixels.height) ||
        pixels.argb.size() != std::size_t(pixels.width) * pixels.height)
        return false;
    return store(number, to_qimage(pixels));
}

std::optional<Pixels> image_pixels(int number) {
    const QImage* image = image_of(number);
    if (!image) return std::nullopt;
    return to_pixels(*image);
}

bool copy_image(int source, int target) {
    const QImage* image = image_of(source);
    // A deep copy: the source may be open for drawing.
    return image && (source == target || store(target, image->copy()));
}

bool resize_image(int number, int width, int height) {
    const QImage* image = image_of(number);
    if (!image || !image_size_allowed(width, height)) return false;
    return store(number, image->scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool grab_image(int source, int target, int x, int y, int width, int height) {
    const QImage* image = image_of(source);
    if (!image || !image_size_allowed(width, height)) return false;
    return store(target, image->copy(x, y, width, height));
}

void free_image(int number) {
    end_drawing_on_image(number);
    state().images.erase(number);
}

bool image_exists(int number) { return image_of(number) != nullptr; }

int image_width(int number) {
    const QImage* image = image_of(number);
    return image ? image->width() : 0;
}

int image_height(int number) {
    const QImage* image = image_of(number);
    return image ? image->height() : 0;
}

}  // namespace rt
