#include "desk/web_icons.h"

#include <filesystem>

#include "config/data_file.h"
#include "core/images.h"
#include "desk/icon_library.h"
#include "desk/ids.h"
#include "desk/layout.h"
#include "desk/pictures.h"
#include "platform/services.h"
#include "rt/draw.h"
#include "rt/image.h"

namespace desk {

namespace {

constexpr long status_not_found = 404;
constexpr long status_ok = 200;
// Real site icons are a few kilobytes; multi-size ones stay well under this.
constexpr std::int64_t site_icon_max_bytes = 256 * 1024;
constexpr int site_icon_connect_ms = 3000;
constexpr int site_icon_total_ms = 6000;
constexpr int small_icon = 16;
constexpr int corner = 16;  // the site icon's place on the web picture

// The text after "://" without a user-name prefix, up to the first "/".
std::string authority_of(const std::string& target) {
    const auto scheme_end = target.find("://");
    if (scheme_end == std::string::npos) return {};
    std::string rest = target.substr(scheme_end + 3);
    const auto slash = rest.find('/');
    const auto at = rest.find('@');
    if (at != std::string::npos && (slash == std::string::npos || at < slash)) rest.erase(0, at + 1);
    return rest.substr(0, rest.find('/'));
}

}  // namespace

std::string site_of(const std::string& target) {
    const std::string authority = authority_of(target);
    return authority.substr(0, authority.find(':'));
}

std::string site_icon_address(const std::string& target) {
    std::string authority = authority_of(target);
    // Anything after the host and port (a query without a path) is not part of the site.
    authority = authority.substr(0, authority.find_first_of("?#"));
    if (site_of(target).empty()) return {};
    return "http://" + authority + "/favicon.ico";
}

platform::HttpLimits site_icon_limits() {
    platform::HttpLimits limits;
    limits.connect_timeout_ms = site_icon_connect_ms;
    limits.total_timeout_ms = site_icon_total_ms;
    limits.max_bytes = site_icon_max_bytes;
    return limits;
}

std::string site_icon_file() {
    return platform::with_trailing_separator(platform::environment().user_folder(platform::UserFolder::Temporary)) +
           "Favicon.ico";
}

SiteIcon fetch_site_icon(core::State& s, int n) {
    core::Slot& slot = s.slot_table[std::size_t(n)];
    slot.number = n;
    const std::string address = site_icon_address(slot.target);
    if (address.empty()) return SiteIcon::Failed;

    auto& http = platform::http();
    const auto header = http.head(address, site_icon_limits());
    if (header.ok && header.status == status_not_found) {
        make_web_picture(slot);
        show_slot_picture(slot);
        return SiteIcon::NotFound;
    }
    // A site that does not answer the header request will not send the icon either.
    if (!header.ok) return SiteIcon::Failed;

    const std::string file = site_icon_file();
    const auto download = http.get_to_file(address, file, site_icon_limits());
    if (!download.ok || download.status != status_ok) return SiteIcon::Failed;
    const bool loaded = rt::load_image(ImageSiteIcon, file);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (!loaded) return SiteIcon::Failed;
    if (rt::image_width(ImageSiteIcon) > icon_size) rt::resize_image(ImageSiteIcon, small_icon, small_icon);

    make_web_picture(slot);
    if (rt::start_drawing_image(slot.picture)) {
        rt::draw_image(ImageSiteIcon, corner, corner);
        rt::stop_drawing();
    }
    rt::free_image(ImageSiteIcon);
    show_slot_picture(slot);
    write_icon_library(s);
    return SiteIcon::Placed;
}

void make_web_shortcut(core::State& s, int n, const std::string& text) {
    core::Slot& slot = s.slot_table[std::size_t(n)];
    slot.number = n;
    slot.target = text;
    slot.title = site_of(text);
    // The web picture first: a site that sends no icon must not leave a slot that looks free.
    make_web_picture(slot);
    show_slot_picture(slot);
    if (fetch_site_icon(s, n) != SiteIcon::Placed) write_icon_library(s);
    config::save_all(s);
}

}  // namespace desk
