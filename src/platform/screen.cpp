// Desktop geometry from the toolkit. The whole screen area is reported (not
// the part left free by panels), since windows are placed against it.
#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

// What a program sees with no display at all: one plain desktop.
constexpr Desktop headless_desktop{0, 0, 1024, 768};

// The screens with the primary first; empty without an application or display.
QList<QScreen*> ordered_screens() {
    QList<QScreen*> result;
    if (!QGuiApplication::instance()) return result;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) result.append(primary);
    for (QScreen* screen : QGuiApplication::screens())
        if (screen && screen != primary) result.append(screen);
    return result;
}

Desktop to_desktop(const QScreen* screen) {
    const QRect area = screen->geometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

}  // namespace

int SystemScreen::desktop_count() {
    const auto screens = ordered_screens();
    return screens.isEmpty() ? 1 : static_cast<int>(screens.size());
}

Desktop SystemScreen::desktop(int index) {
    const auto screens = ordered_screens();
    if (screens.isEmpty()) return headless_desktop;
    if (index < 0 || index >= screens.size()) index = 0;
    return to_desktop(screens[index]);
}

}  // namespace platform
