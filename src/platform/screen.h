// The screen seam: the desktops' sizes, for placing windows.
#pragma once

#include <vector>

namespace platform {

struct Desktop {
    int x = 0, y = 0, width = 0, height = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    // Number of desktops (monitors); at least 1.
    virtual int desktop_count() = 0;
    // Geometry of desktop `index` (0 is the primary); index out of range gives the primary.
    virtual Desktop desktop(int index) = 0;
};

// Reads the toolkit's screens (whole screen areas, panels included); without
// an application object or a screen it reports one 1024 x 768 desktop.
class SystemScreen final : public Screen {
public:
    int desktop_count() override;
    Desktop desktop(int index) override;
};

// The primary desktop, then `others` (more monitors), as the test sets them.
class FakeScreen final : public Screen {
public:
    Desktop primary{0, 0, 1920, 1080};
    std::vector<Desktop> others;
    int desktop_count() override { return 1 + int(others.size()); }
    Desktop desktop(int index) override {
        return index >= 1 && index <= int(others.size()) ? others[std::size_t(index - 1)] : primary;
    }
};

}  // namespace platform
