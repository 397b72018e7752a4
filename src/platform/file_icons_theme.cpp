// File icons from the desktop's icon theme, through the toolkit.
#include <sys/stat.h>

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPixmap>

#include "platform/desktop_entry.h"
#include "platform/file_icons.h"
#include "platform/files.h"

namespace platform {

namespace {

constexpr int max_icon_size = 256;
// A picture named by Icon= is read whole only up to this size, and decoded
// only when neither side passes max_icon_picture_side pixels.
constexpr std::int64_t max_icon_picture_bytes = 4 * 1024 * 1024;
constexpr int max_icon_picture_side = 1024;
// The file type is told from its name and its first bytes.
constexpr std::size_t mime_sniff_bytes = 16 * 1024;
// Where programs put icons that no theme holds.
constexpr const char* pixmaps_folder = "/usr/share/pixmaps/";

QString to_qstring(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Without a desktop session the toolkit knows no theme; pick an installed one.
void choose_theme_once() {
    static bool chosen = false;
    if (chosen) return;
    chosen = true;
    if (!QIcon::themeName().isEmpty() && QIcon::themeName() != QLatin1String("hicolor")) return;
    for (const char* theme : {"Adwaita", "breeze", "Papirus", "gnome", "oxygen"}) {
        for (const QString& root : QIcon::themeSearchPaths()) {
            if (QFileInfo::exists(root + '/' + theme + "/index.theme")) {
                QIcon::setThemeName(QString::fromLatin1(theme));
                return;
            }
        }
    }
}

std::optional<IconPixels> to_pixels(const QImage& picture, int size) {
    if (picture.isNull()) return std::nullopt;
    QImage image = picture.size() == QSize(size, size)
                       ? picture
                       : picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_ARGB32);
    IconPixels pixels;
    pixels.width = size;
    pixels.height = size;
    pixels.argb.assign(std::size_t(size) * std::size_t(size), 0u);
    // A picture that is not square is centred in the square.
    const int left = (size - image.width()) / 2, top = (size - image.height()) / 2;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            pixels.argb[std::size_t(top + y) * std::size_t(size) + std::size_t(left + x)] = row[x];
    }
    return pixels;
}

std::optional<IconPixels> from_icon(const QIcon& icon, int size) {
    if (icon.isNull()) return std::nullopt;
    return to_pixels(icon.pixmap(QSize(size, size)).toImage(), size);
}

std::optional<IconPixels> themed(const QString& name, int size) {
    if (name.isEmpty() || !QIcon::hasThemeIcon(name)) return std::nullopt;
    return from_icon(QIcon::fromTheme(name), size);
}

// The picture in the file at `path`, when it is a regular file holding a
// picture within the caps; a FIFO or a device is never opened for reading.
std::optional<IconPixels> picture_file(const std::string& path, int size) {
    const ReadResult file = read_regular_file(path, max_icon_picture_bytes);
    if (!file.ok()) return std::nullopt;
    QByteArray bytes = QByteArray::fromRawData(file.bytes.data(), qsizetype(file.bytes.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > max_icon_picture_side || declared.height() > max_icon_picture_side)
        return std::nullopt;
    QImage picture;
    if (!reader.read(&picture)) return std::nullopt;
    return to_pixels(picture, size);
}

// An Icon= value: an absolute picture path, a theme name, or a name in the pixmaps folder.
std::optional<IconPixels> named_icon(const std::string& value, int size) {
    if (value.empty()) return std::nullopt;
    if (value.front() == '/') return picture_file(value, size);
    if (auto icon = themed(to_qstring(value), size)) return icon;
    for (const char* extension : {".png", ".svg", ".xpm"})
        if (auto icon = picture_file(pixmaps_folder + value + extension, size)) return icon;
    return std::nullopt;
}

std::string read_small_file(const std::string& path) {
    ReadResult file = read_regular_file(path, std::int64_t(desktop_entry_max_bytes));
    return file.ok() ? std::move(file.bytes) : std::string();
}

bool is_executable_file(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXUSR);
}

}  // namespace

std::optional<IconPixels> ThemeFileIcons::large_icon(const std::string& path, int size) {
    if (size < 1 || size > max_icon_size || !QGuiApplication::instance()) return std::nullopt;
    const QFileInfo file(to_qstring(path));
    if (path.empty() || !file.exists()) return std::nullopt;
    choose_theme_once();

    if (file.isDir()) {
        if (auto icon = themed(QStringLiteral("folder"), size)) return icon;
        return themed(QStringLiteral("inode-directory"), size);
    }
    if (file.suffix() == QLatin1String("desktop")) {
        if (const auto entry = parse_desktop_entry(read_small_file(path)))
            if (auto icon = named_icon(entry->icon, size)) return icon;
    }
    if (is_executable_file(path)) {
        if (auto icon = themed(file.fileName(), size)) return icon;
        if (auto icon = themed(file.completeBaseName(), size)) return icon;
    }
    // Only a regular file's bytes are looked at: a FIFO or a device is known by its name alone.
    const ReadResult start = read_regular_file_start(path, mime_sniff_bytes);
    const QMimeType type =
        QMimeDatabase().mimeTypeForFileNameAndData(file.fileName(), QByteArray::fromStdString(start.bytes));
    for (const QString& name : {type.iconName(), type.genericIconName()})
        if (auto icon = themed(name, size)) return icon;
    if (is_executable_file(path)) return themed(QStringLiteral("application-x-executable"), size);
    return themed(QStringLiteral("text-x-generic"), size);
}

}  // namespace platform
