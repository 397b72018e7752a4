// The desktop's icons of files and folders, through the toolkit's icon theme.
#include "platform/file_icons.h"

#include <sys/stat.h>

#include <QImage>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/time_limit.h"

namespace {

namespace fs = std::filesystem;

class FileIconsTest : public ::testing::Test {
protected:
    FileIconsTest() {
        std::string pattern = (fs::temp_directory_path() / "vd-icons-XXXXXX").string();
        folder = mkdtemp(pattern.data());
    }
    ~FileIconsTest() override { fs::remove_all(folder); }
    std::string file(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    }
    fs::path folder;
    platform::ThemeFileIcons icons;
};

TEST_F(FileIconsTest, DesktopEntryIconFileIsUsedAtTheAskedSize) {
    QImage square(48, 48, QImage::Format_ARGB32);
    square.fill(qRgba(10, 200, 30, 255));
    ASSERT_TRUE(square.save(QString::fromStdString((folder / "logo.png").string())));
    const std::string entry =
        file("tool.desktop",
             "[Desktop Entry]\nType=Application\nName=Tool\nIcon=" + (folder / "logo.png").string() + "\nExec=tool\n");
    const auto icon = icons.large_icon(entry, 32);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 32);
    EXPECT_EQ(icon->height, 32);
    ASSERT_EQ(icon->argb.size(), 32u * 32u);
    EXPECT_EQ(icon->argb[16 * 32 + 16], 0xFF0AC81Eu);
}

TEST_F(FileIconsTest, NothingForWhatDoesNotExistOrBadSizes) {
    EXPECT_FALSE(icons.large_icon((folder / "missing.txt").string(), 32));
    EXPECT_FALSE(icons.large_icon("", 32));
    const std::string text = file("notes.txt", "hello");
    EXPECT_FALSE(icons.large_icon(text, 0));
    EXPECT_FALSE(icons.large_icon(text, 100000));
    // A hostile entry (a huge Icon= line, a picture path that is not a picture) gives no crash.
    const std::string entry = file("bad.desktop", "[Desktop Entry]\nIcon=" + std::string(200000, 'x') + "\n");
    (void)icons.large_icon(entry, 32);
    const std::string not_picture = file("bad2.desktop", "[Desktop Entry]\nIcon=" + text + "\n");
    const auto icon = icons.large_icon(not_picture, 32);
    if (icon) {
        EXPECT_EQ(icon->argb.size(), 32u * 32u);
    }
}

// A FIFO opened for reading waits for a writer for ever: whether it is the
// file itself, a launcher, or the picture a launcher names, it is looked up
// without being read.
TEST_F(FileIconsTest, FifosAreNeverReadWhereverTheyStand) {
    const std::string fifo_entry = (folder / "pipe.desktop").string();
    const std::string fifo_picture = (folder / "pipe.png").string();
    const std::string fifo_text = (folder / "pipe.txt").string();
    for (const std::string& fifo : {fifo_entry, fifo_picture, fifo_text}) ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    const std::string names_fifo = file("named.desktop", "[Desktop Entry]\nIcon=" + fifo_picture + "\nExec=x\n");
    constexpr unsigned time_limit_seconds = 10;
    for (const std::string& path : {fifo_entry, names_fifo, fifo_text, fifo_picture}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(test::holds_within(time_limit_seconds, [&] {
            const auto icon = icons.large_icon(path, 32);
            return !icon || icon->argb.size() == 32u * 32u;
        })) << "the lookup returns at once";
    }
}

TEST_F(FileIconsTest, AnIconPictureOverTheCapIsNotDecoded) {
    QImage huge(4000, 4000, QImage::Format_ARGB32);
    huge.fill(qRgba(200, 10, 10, 255));
    ASSERT_TRUE(huge.save(QString::fromStdString((folder / "huge.png").string())));
    const std::string entry = file("huge.desktop", "[Desktop Entry]\nIcon=" + (folder / "huge.png").string() + "\n");
    const auto icon = icons.large_icon(entry, 32);
    if (icon) {
        ASSERT_EQ(icon->argb.size(), 32u * 32u);
        EXPECT_NE(icon->argb[16 * 32 + 16], 0xFFC80A0Au) << "the theme's icon for the type, not the picture";
    }
}

TEST(FakeFileIcons, RecordsAndAnswersTheKnownPaths) {
    platform::FakeFileIcons fake;
    fake.known = {"/a"};
    EXPECT_TRUE(fake.large_icon("/a", 32));
    EXPECT_FALSE(fake.large_icon("/b", 32));
    fake.known.clear();
    EXPECT_FALSE(fake.large_icon("/c", 32));
    fake.answer_all = true;
    const auto icon = fake.large_icon("/d", 16);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->argb, std::vector<std::uint32_t>(256, fake.colour));
    EXPECT_EQ(fake.lookups, (std::vector<std::string>{"/a", "/b", "/c", "/d"}));
}

}  // namespace
