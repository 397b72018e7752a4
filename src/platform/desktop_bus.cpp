// The fake desktop bus, and the one in use before any is installed.
#include "platform/desktop_bus.h"

namespace platform {

bool FakeDesktopBus::publish_player(const std::string&, const std::string&,
                                    std::function<void(MediaRequest)> on_request, std::function<void(int)> on_volume) {
    if (!has_bus) return false;
    published = true;
    on_request_ = std::move(on_request);
    on_volume_ = std::move(on_volume);
    return true;
}

namespace {

// Before anything is installed: no session bus.
class NoDesktopBus final : public DesktopBus {
public:
    void notify(const std::string&, const std::string&) override {}
    bool publish_player(const std::string&, const std::string&, std::function<void(MediaRequest)>,
                        std::function<void(int)>) override {
        return false;
    }
    void show_playing(const NowPlaying&) override {}
};

NoDesktopBus g_none;
DesktopBus* g_installed = nullptr;

}  // namespace

DesktopBus& desktop_bus() { return g_installed ? *g_installed : g_none; }

DesktopBus* install_desktop_bus(DesktopBus* installed) {
    DesktopBus* previous = g_installed;
    g_installed = installed;
    return previous;
}

}  // namespace platform
