// The file-icon seam: the large icon the desktop shows for a file or folder,
// used for the pictures of desk slots.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Straight (not premultiplied) 0xAARRGGBB pixels, row after row, top row first.
struct IconPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // width * height entries
};

class FileIcons {
public:
    virtual ~FileIcons() = default;
    // The desktop's icon for `path` at `size` x `size` pixels (size 1-256): a
    // folder's icon for a folder, a .desktop file's Icon=, an executable's
    // own name in the icon theme, otherwise the icon of the file's type.
    // Nothing when `path` names nothing on disk or no icon is found.
    virtual std::optional<IconPixels> large_icon(const std::string& path, int size) = 0;
};

// The toolkit's icon theme (freedesktop.org themes; Adwaita or hicolor when
// the desktop names none) and the file's MIME type. Needs the application object.
class ThemeFileIcons final : public FileIcons {
public:
    std::optional<IconPixels> large_icon(const std::string& path, int size) override;
};

// Records every lookup; answers with `icon` (a plain square of `colour`)
// for every path in `known`, or for every path when `known` is empty and
// `answer_all` is set.
class FakeFileIcons final : public FileIcons {
public:
    std::vector<std::string> lookups;
    std::vector<std::string> known;
    bool answer_all = false;
    std::uint32_t colour = 0xFF3366CCu;

    std::optional<IconPixels> large_icon(const std::string& path, int size) override;
};

}  // namespace platform
