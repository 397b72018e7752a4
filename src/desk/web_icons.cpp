#include "desk/web_icons.h"

#include <algorithm>
#include <chrono>

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

constexpr int site_icon_connect_ms = 3000;

platform::HttpLimits site_icon_limits(int total_ms) {
    platform::HttpLimits limits;
    limits.connect_timeout_ms = std::max(1, std::min(site_icon_connect_ms, total_ms));
    limits.total_timeout_ms = std::max(1, total_ms);
    limits.max_bytes = site_icon_max_bytes;
    return limits;
}

// Puts the site icon `bytes` on slot n's web picture; false when they are not
// a picture within the size cap.
bool place_site_icon(core::Slot& slot, const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    constexpr std::int64_t max_pixels = std::int64_t(site_icon_max_side) * site_icon_max_side;
    if (!rt::load_image_from_memory(ImageSiteIcon, {data, bytes.size()}, max_pixels)) return false;
    if (rt::image_width(ImageSiteIcon) > icon_size) rt::resize_image(ImageSiteIcon, small_icon, small_icon);
    make_web_picture(slot);
    if (rt::start_drawing_image(slot.picture)) {
        rt::draw_image(ImageSiteIcon, corner, corner);
        rt::stop_drawing();
    }
    rt::free_image(ImageSiteIcon);
    show_slot_picture(slot);
    return true;
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

std::vector<SiteIcon> fetch_site_icons(core::State& s, const std::vector<int>& slots, int budget_ms) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(budget_ms);
    const auto left_ms = [&] {
        return int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
    };
    std::vector<SiteIcon> results(slots.size(), SiteIcon::Failed);
    std::vector<std::string> addresses;
    std::vector<platform::HttpRequest> heads;
    std::vector<std::size_t> asked;  // the slots whose site is asked, by index into `slots`
    for (std::size_t i = 0; i < slots.size(); ++i) {
        core::Slot& slot = s.slot_table[std::size_t(slots[i])];
        slot.number = slots[i];
        addresses.push_back(site_icon_address(slot.target));
        if (addresses.back().empty()) continue;
        heads.push_back({platform::HttpRequest::Method::Head, addresses.back()});
        asked.push_back(i);
    }
    if (asked.empty()) return results;

    auto& http = platform::http();
    const auto answers = http.perform_all(heads, site_icon_limits(left_ms()));
    std::vector<platform::HttpRequest> downloads;
    std::vector<std::size_t> downloading;
    for (std::size_t k = 0; k < asked.size(); ++k) {
        const std::size_t i = asked[k];
        core::Slot& slot = s.slot_table[std::size_t(slots[i])];
        if (answers[k].ok && answers[k].status == status_not_found) {
            make_web_picture(slot);
            show_slot_picture(slot);
            results[i] = SiteIcon::NotFound;
        } else if (answers[k].ok) {
            // A site that does not answer the header request will not send the icon either.
            downloads.push_back({platform::HttpRequest::Method::Get, addresses[i]});
            downloading.push_back(i);
        }
    }
    if (downloads.empty() || left_ms() <= 0) return results;

    const auto icons = http.perform_all(downloads, site_icon_limits(left_ms()));
    for (std::size_t k = 0; k < downloading.size(); ++k) {
        const std::size_t i = downloading[k];
        if (!icons[k].ok || icons[k].status != status_ok) continue;
        if (place_site_icon(s.slot_table[std::size_t(slots[i])], icons[k].body)) results[i] = SiteIcon::Placed;
    }
    return results;
}

SiteIcon fetch_site_icon(core::State& s, int n) {
    const SiteIcon result = fetch_site_icons(s, {n}, site_icon_budget_ms).front();
    if (result == SiteIcon::Placed) write_icon_library(s);
    return result;
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
