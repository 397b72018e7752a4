// Numbered windows.
#include "rt/window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "rt/internal.h"

namespace rt {

WindowWidget::WindowWidget(int number, QWidget* parent, Qt::WindowFlags flags, bool resizable)
    : QWidget(parent, flags), number(number), resizable(resizable) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    Event e;
    e.kind = EventKind::CloseWindow;
    e.window = number;
    e.mouse = mouse_position(number, QCursor::pos());
    queue_event(std::move(e));
}

namespace {

void queue_click(const WindowWidget& w, EventKind kind, const QMouseEvent& event) {
    Event e;
    e.kind = kind;
    e.window = w.number;
    e.mouse = mouse_position(w.number, event.globalPosition().toPoint());
    // The window may not be where the desktop says yet (offscreen, or before the first map).
    e.mouse.window_x = event.position().toPoint().x();
    e.mouse.window_y = event.position().toPoint().y();
    queue_event(std::move(e));
}

}  // namespace

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) queue_click(*this, EventKind::RightClick, *event);
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        queue_click(*this, EventKind::LeftClick, *event);
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    place_window_bars(*this);
    if (!event->spontaneous() || is_queued(EventKind::SizeWindow, number, -1)) return;
    Event e;
    e.kind = EventKind::SizeWindow;
    e.window = number;
    e.mouse = mouse_position(number, QCursor::pos());
    queue_event(std::move(e));
}

WindowWidget* window_widget(int number) {
    const auto& windows = state().windows;
    const auto found = windows.find(number);
    return found == windows.end() ? nullptr : found->second.data();
}

int window_number_of(const QWidget* widget) {
    if (!widget) return -1;
    const auto* w = dynamic_cast<const WindowWidget*>(widget->window());
    return w ? w->number : -1;
}

namespace {

Qt::WindowFlags toolkit_flags(unsigned flags) {
    Qt::WindowFlags f = (flags & (WindowFlag::Tool | WindowFlag::NoTaskbar)) ? Qt::Tool : Qt::Window;
    if (flags & WindowFlag::Borderless) {
        f |= Qt::FramelessWindowHint;
    } else {
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (flags & WindowFlag::CloseBox) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (flags & WindowFlag::MinimizeBox) f |= Qt::WindowMinimizeButtonHint;
        if (flags & WindowFlag::MaximizeBox) f |= Qt::WindowMaximizeButtonHint;
    }
    if (flags & WindowFlag::TopMost) f |= Qt::WindowStaysOnTopHint;
    return f;
}

void set_inner_size(WindowWidget& w, int width, int height) {
    if (w.resizable) {
        w.resize(width, height);
    } else {
        w.setFixedSize(width, height);
    }
}

// Runs `change` on the open window `number`; nothing when it is not open.
template <typename Change>
void with_window(int number, Change change) {
    if (WindowWidget* w = window_widget(number)) change(*w);
}

}  // namespace

void open_window(int number, int x, int y, int width, int height, const std::string& title, unsigned flags,
                 int parent) {
    close_window(number);
    auto* w =
        new WindowWidget(number, window_widget(parent), toolkit_flags(flags), (flags & WindowFlag::Resizable) != 0);
    w->setWindowTitle(to_qstring(title));
    set_inner_size(*w, width, height);
    if (flags & WindowFlag::ScreenCentered) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            x = area.x() + (area.width() - width) / 2;
            y = area.y() + (area.height() - height) / 2;
        }
    }
    w->move(x, y);
    State& s = state();
    s.windows[number] = w;
    s.gadget_lists = {w};
    if (!(flags & WindowFlag::Invisible)) w->show();
}

void close_window(int number) {
    State& s = state();
    const auto found = s.windows.find(number);
    if (found == s.windows.end()) return;
    WindowWidget* w = found->second.data();
    s.windows.erase(found);
    end_drawing_inside(w);
    delete w;
    // Gadgets and timers went with the window; drop their dangling entries.
    std::erase_if(s.gadgets, [](const auto& g) { return g.second.widget.isNull(); });
    std::erase_if(s.timers, [](const auto& t) { return t.second.isNull(); });
    std::erase_if(s.windows, [](const auto& c) { return c.second.isNull(); });
    std::erase_if(s.gadget_lists, [](const auto& l) { return l.isNull(); });
    std::erase_if(s.shortcuts, [&](const Shortcut& k) { return !s.windows.contains(k.window); });
}

bool window_exists(int number) { return window_widget(number) != nullptr; }

void show_window(int number) {
    with_window(number, [](WindowWidget& w) { w.show(); });
}
void hide_window(int number) {
    with_window(number, [](WindowWidget& w) { w.hide(); });
}

bool window_visible(int number) {
    const WindowWidget* w = window_widget(number);
    return w && w->isVisible();
}

void activate_window(int number) {
    with_window(number, [](WindowWidget& w) {
        w.raise();
        w.activateWindow();
    });
}

void move_window(int number, int x, int y) {
    with_window(number, [&](WindowWidget& w) { w.move(x, y); });
}

void resize_window(int number, int width, int height) {
    with_window(number, [&](WindowWidget& w) { set_inner_size(w, width, height); });
}

void set_window_geometry(int number, int x, int y, int width, int height) {
    with_window(number, [&](WindowWidget& w) {
        set_inner_size(w, width, height);
        w.move(x, y);
    });
}

int window_x(int number) {
    const WindowWidget* w = window_widget(number);
    return w ? w->pos().x() : 0;
}

int window_y(int number) {
    const WindowWidget* w = window_widget(number);
    return w ? w->pos().y() : 0;
}

int window_width(int number) {
    const WindowWidget* w = window_widget(number);
    return w ? w->width() : 0;
}

int window_height(int number) {
    const WindowWidget* w = window_widget(number);
    return w ? w->height() : 0;
}

void set_window_title(int number, const std::string& title) {
    with_window(number, [&](WindowWidget& w) { w.setWindowTitle(to_qstring(title)); });
}

std::string window_title(int number) {
    const WindowWidget* w = window_widget(number);
    return w ? to_utf8(w->windowTitle()) : std::string();
}

void set_top_most(int number, bool on) {
    with_window(number, [&](WindowWidget& w) {
        const bool visible = w.isVisible();
        const bool active = w.isActiveWindow();
        w.setWindowFlag(Qt::WindowStaysOnTopHint, on);
        // Changing a flag hides the window and makes a new one, which has
        // neither the screen nor the keyboard until it is shown and activated.
        if (visible) w.show();
        if (visible && active) {
            w.raise();
            w.activateWindow();
        }
    });
}

void set_window_opacity(int number, int percent) {
    with_window(number, [&](WindowWidget& w) { w.setWindowOpacity(std::clamp(percent, 0, 100) / 100.0); });
}

void set_window_size_limits(int number, int min_width, int min_height, int max_width, int max_height) {
    with_window(number, [&](WindowWidget& w) {
        if (!w.resizable) return;
        w.setMinimumSize(std::max(min_width, 0), std::max(min_height, 0));
        w.setMaximumSize(max_width > 0 ? max_width : QWIDGETSIZE_MAX, max_height > 0 ? max_height : QWIDGETSIZE_MAX);
    });
}

void set_window_background(int number, Colour colour) {
    with_window(number, [&](WindowWidget& w) {
        QPalette palette = w.palette();
        palette.setColor(QPalette::Window, to_qcolor(colour));
        w.setPalette(palette);
        w.setAutoFillBackground(true);
    });
}

int window_mouse_x(int number) { return mouse_position(number, QCursor::pos()).window_x; }
int window_mouse_y(int number) { return mouse_position(number, QCursor::pos()).window_y; }
int desktop_mouse_x() { return QCursor::pos().x(); }
int desktop_mouse_y() { return QCursor::pos().y(); }

}  // namespace rt
