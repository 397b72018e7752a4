// Site icons of web shortcuts over real HTTP, from a server on 127.0.0.1.
#include <chrono>

#include <gtest/gtest.h>
#include <zlib.h>

#include "desk/web_icons.h"
#include "desk_fixture.h"
#include "platform/loopback_server.h"

using test_support::http_response;
using test_support::LoopbackServer;
using test_support::ScriptedReply;

namespace {

constexpr std::uint32_t red = 0xFFFF0000u, green = 0xFF00FF00u;

// An .ico holding one size x size 32-bit picture of `colour`.
std::string ico(int size, std::uint32_t colour) {
    std::string bytes;
    const auto put = [&](std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) bytes += char(v >> (8 * i) & 0xFF);
    };
    const int mask_row = (size + 31) / 32 * 4;
    const int image_bytes = 40 + size * size * 4 + mask_row * size;
    put(0, 2), put(1, 2), put(1, 2);                                 // icon directory: one picture
    put(size & 0xFF, 1), put(size & 0xFF, 1), put(0, 1), put(0, 1);  // width, height (0 = 256), colours
    put(1, 2), put(32, 2), put(std::uint32_t(image_bytes), 4), put(22, 4);
    put(40, 4), put(std::uint32_t(size), 4), put(std::uint32_t(2 * size), 4);  // bitmap header: twice the height
    put(1, 2), put(32, 2), put(0, 4), put(std::uint32_t(size * size * 4), 4);
    put(0, 4), put(0, 4), put(0, 4), put(0, 4);
    for (int i = 0; i < size * size; ++i) put(colour, 4);      // BGRA, rows bottom up
    bytes += std::string(std::size_t(mask_row * size), '\0');  // all of it opaque
    return bytes;
}

std::string png(int size, std::uint32_t colour) {
    const auto bytes = rt::encode_png({size, size, std::vector<std::uint32_t>(std::size_t(size * size), colour)});
    return {bytes.begin(), bytes.end()};
}

class SiteIcons : public test::DeskScenario {
protected:
    void SetUp() override { start_desk({}); }

    // Makes slot n a web shortcut of `address` and fetches its icon over real HTTP.
    desk::SiteIcon fetch(int n, const std::string& address) {
        platform::CurlHttp curl;
        platform::install({&clock, &env, &curl, &screen, &speech, &file_icons, &tones, &shell, &player});
        state.slot_table[std::size_t(n)].target = address;
        const auto result = desk::fetch_site_icon(state, n);
        platform::install({&clock, &env, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
        return result;
    }
};

TEST_F(SiteIcons, ServerAnswers) {
    struct Row {
        const char* name;
        std::string reply;
        desk::SiteIcon result;
        std::uint32_t at_20_20;  // the site icon's quarter
        std::uint32_t at_31_31;
    };
    const std::string big_ico = ico(64, green);
    const Row rows[] = {
        {"16 x 16 ico", http_response(200, "OK", ico(16, red)), desk::SiteIcon::Placed, red, red},
        {"16 x 16 png", http_response(200, "OK", png(16, green)), desk::SiteIcon::Placed, green, green},
        {"64 x 64 shown at 16 x 16", http_response(200, "OK", png(64, green)), desk::SiteIcon::Placed, green, green},
        {"64 x 64 ico", http_response(200, "OK", big_ico), desk::SiteIcon::Placed, green, green},
        {"32 x 32 drawn unscaled", http_response(200, "OK", png(32, red)), desk::SiteIcon::Placed, red, red},
    };
    int n = 10;
    for (const Row& row : rows) {
        ++n;
        LoopbackServer server({{"/favicon.ico", row.reply}});
        EXPECT_EQ(fetch(n, server.url("/page")), row.result) << row.name;
        EXPECT_EQ(slot_pixel(n, 20, 20), row.at_20_20) << row.name;
        EXPECT_EQ(slot_pixel(n, 31, 31), row.at_31_31) << row.name;
        EXPECT_NE(slot_pixel(n, 8, 8), row.at_20_20) << row.name << ": the web picture stays around it";
        EXPECT_EQ(library_pixel(n, 20, 20), row.at_20_20) << row.name << ": the library is rewritten";
        EXPECT_FALSE(std::filesystem::exists(working_file("Favicon.ico"))) << "never in the working folder";
    }
}

TEST_F(SiteIcons, NotFoundGivesThePlainWebPicture) {
    LoopbackServer server({{"/favicon.ico", http_response(404, "Not Found", "none")}});
    EXPECT_EQ(fetch(12, server.url("/")), desk::SiteIcon::NotFound);
    const std::uint32_t web_corner = slot_pixel(12, 20, 20);
    EXPECT_NE(web_corner >> 24, 0u);
    EXPECT_NE(web_corner, red);
}

TEST_F(SiteIcons, BadAnswersLeaveThePictureUnchanged) {
    const std::string too_big(400 * 1024, 'x');
    struct Row {
        const char* name;
        std::vector<ScriptedReply> replies;
    };
    const Row rows[] = {
        {"oversized", {{"/favicon.ico", http_response(200, "OK", png(16, red) + too_big)}}},
        {"not a picture", {{"/favicon.ico", http_response(200, "OK", "<html>hello</html>")}}},
        {"truncated", {{"/favicon.ico", http_response(200, "OK", png(64, red).substr(0, 60))}}},
        {"empty", {{"/favicon.ico", http_response(200, "OK", "")}}},
        {"server error", {{"/favicon.ico", http_response(500, "Oops", "")}}},
        {"silent server", {{"/favicon.ico", ""}}},
    };
    for (const Row& row : rows) {
        const auto before = rt::image_pixels(state.slot_table[13].picture);
        LoopbackServer server(row.replies);
        EXPECT_EQ(fetch(13, server.url("/")), desk::SiteIcon::Failed) << row.name;
        EXPECT_EQ(rt::image_pixels(state.slot_table[13].picture), before) << row.name;
    }
}

TEST_F(SiteIcons, NoServerAtAll) {
    EXPECT_EQ(fetch(14, "http://127.0.0.1:1/"), desk::SiteIcon::Failed);
    EXPECT_EQ(fetch(14, "http:nothing"), desk::SiteIcon::Failed);
}

TEST_F(SiteIcons, HeaderThenDownloadIntoMemory) {
    http.serve("http://icons.example/favicon.ico", {200, png(16, red)});
    state.slot_table[15].target = "http://icons.example/";
    EXPECT_EQ(desk::fetch_site_icon(state, 15), desk::SiteIcon::Placed);
    ASSERT_EQ(http.requests().size(), 2u);
    EXPECT_EQ(http.requests()[0].method, platform::FakeHttp::Method::Head);
    EXPECT_EQ(http.requests()[1].method, platform::FakeHttp::Method::Get);
    EXPECT_TRUE(std::filesystem::is_empty(work.path() / "tmp")) << "nothing is written on the way";
}

// A small file that decodes to a huge picture: 8000 x 8000 grey pixels (256 MB
// once decoded) in about 60 KB.
std::string decompression_bomb() {
    constexpr std::uint32_t side = 8000;
    std::string raw;
    raw.reserve(std::size_t(side) * (side + 1));
    for (std::uint32_t y = 0; y < side; ++y) raw += std::string(side + 1, '\0');  // filter byte, then the row
    uLongf packed_size = compressBound(uLong(raw.size()));
    std::string packed(packed_size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size, reinterpret_cast<const Bytef*>(raw.data()),
              uLong(raw.size()), 9);
    packed.resize(packed_size);
    const auto be32 = [](std::uint32_t v) {
        return std::string{char(v >> 24), char(v >> 16 & 0xFF), char(v >> 8 & 0xFF), char(v & 0xFF)};
    };
    const auto chunk = [&](const std::string& type, const std::string& data) {
        const std::string typed = type + data;
        const auto crc = crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()));
        return be32(std::uint32_t(data.size())) + typed + be32(std::uint32_t(crc));
    };
    const std::string header = be32(side) + be32(side) + std::string{8, 0, 0, 0, 0};  // 8-bit grey
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", packed) + chunk("IEND", "");
}

TEST_F(SiteIcons, AHugePictureIsRefusedBeforeItIsDecoded) {
    const std::string bomb = decompression_bomb();
    ASSERT_LT(bomb.size(), 256u * 1024) << "within the download cap, so only the picture cap can stop it";
    const auto before = rt::image_pixels(state.slot_table[16].picture);
    LoopbackServer server({{"/favicon.ico", http_response(200, "OK", bomb)}});
    EXPECT_EQ(fetch(16, server.url("/")), desk::SiteIcon::Failed);
    EXPECT_EQ(rt::image_pixels(state.slot_table[16].picture), before);
    EXPECT_FALSE(rt::image_exists(desk::ImageSiteIcon));
}

// Sites that never answer: at a start without the icon library they are all
// asked at once, under one limit, instead of each holding the desk in turn.
TEST_F(SiteIcons, SilentSitesAtStartAreAskedAtOnce) {
    rt::shutdown();
    std::filesystem::remove(library_path());
    LoopbackServer silent({{"/favicon.ico", ""}}, std::chrono::seconds(60));
    std::map<int, test::SlotEntry> slots;
    for (int n = 1; n <= 6; ++n) slots[n] = {silent.url("/page") + std::to_string(n), "Site"};
    platform::CurlHttp curl;
    platform::install({&clock, &env, &curl, &screen, &speech, &file_icons, &tones, &shell, &player});
    const auto started = std::chrono::steady_clock::now();
    start_desk(slots);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    platform::install({&clock, &env, &http, &screen, &speech, &file_icons, &tones, &shell, &player});
    // One after the other, six silent sites would hold the start 24 s.
    EXPECT_LT(seconds, 12.0);
    RecordProperty("start_seconds", std::to_string(seconds));
    EXPECT_EQ(silent.requests().size(), 6u);
    for (int n = 1; n <= 6; ++n) EXPECT_NE(slot_pixel(n, 8, 8) >> 24, 0u) << "slot " << n << " shows the web picture";
}

}  // namespace
