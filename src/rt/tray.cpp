// Icons in the system tray.
#include "rt/tray.h"

#include <QCursor>

#include "rt/internal.h"

namespace rt {
namespace {

QSystemTrayIcon* tray_icon(int number) {
    const auto& icons = state().tray_icons;
    const auto found = icons.find(number);
    return found == icons.end() ? nullptr : found->second.get();
}

std::optional<EventType> click_type(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger: return EventType::LeftClick;
    case QSystemTrayIcon::Context: return EventType::RightClick;
    case QSystemTrayIcon::DoubleClick: return EventType::LeftDoubleClick;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

void add_tray_icon(int number, int window, int image) {
    auto icon = std::make_unique<QSystemTrayIcon>();
    QObject::connect(icon.get(), &QSystemTrayIcon::activated, icon.get(),
                     [number, window](QSystemTrayIcon::ActivationReason reason) {
                         const auto type = click_type(reason);
                         if (!type) return;
                         Event e;
                         e.kind = EventKind::Tray;
                         e.window = window;
                         e.object = number;
                         e.type = *type;
                         e.mouse = mouse_position(window, QCursor::pos());
                         queue_event(std::move(e));
                     });
    state().tray_icons[number] = std::move(icon);
    set_tray_icon_image(number, image);
    tray_icon(number)->show();
}

void set_tray_icon_image(int number, int image) {
    QSystemTrayIcon* icon = tray_icon(number);
    const QImage* picture = image_of(image);
    if (icon && picture) icon->setIcon(QIcon(QPixmap::fromImage(*picture)));
}

void set_tray_tooltip(int number, const std::string& text) {
    if (QSystemTrayIcon* icon = tray_icon(number)) icon->setToolTip(to_qstring(text));
}

void remove_tray_icon(int number) { state().tray_icons.erase(number); }

bool tray_icon_exists(int number) { return tray_icon(number) != nullptr; }

bool tray_icon_has_picture(int number) {
    const QSystemTrayIcon* icon = tray_icon(number);
    return icon && !icon->icon().isNull();
}

bool tray_available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

}  // namespace rt
