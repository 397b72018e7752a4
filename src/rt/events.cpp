// The event queue and its wait.
#include <QCursor>
#include <QDeadlineTimer>
#include <algorithm>

#include "rt/internal.h"

namespace rt {

State& state() {
    static State s;
    return s;
}

MousePosition mouse_position(int window, QPoint desktop) {
    MousePosition m;
    m.desktop_x = desktop.x();
    m.desktop_y = desktop.y();
    if (const WindowWidget* w = window_widget(window)) {
        const QPoint inner = w->mapFromGlobal(desktop);
        if (w->rect().contains(inner)) {
            m.window_x = inner.x();
            m.window_y = inner.y();
        }
    }
    return m;
}

void queue_event(Event e) {
    state().queue.push_back(std::move(e));
}

bool is_queued(EventKind kind, int window, int object) {
    const auto& q = state().queue;
    return std::any_of(q.begin(), q.end(),
                       [&](const Event& e) { return e.kind == kind && e.window == window && e.object == object; });
}

void queue_gadget_event(QWidget* widget, int gadget, EventType type, std::optional<QPoint> local) {
    Event e;
    e.kind = EventKind::Gadget;
    e.window = window_number_of(widget);
    e.object = gadget;
    e.type = type;
    const QPoint desktop = local ? widget->mapToGlobal(*local) : QCursor::pos();
    e.mouse = mouse_position(e.window, desktop);
    if (local) {
        e.mouse.gadget_x = local->x();
        e.mouse.gadget_y = local->y();
    }
    if (type == EventType::DragStart) state().drag_source = widget;

    // A stream of moves becomes one: the latest position replaces the queued one.
    auto& q = state().queue;
    if (type == EventType::MouseMove && !q.empty() && q.back().kind == EventKind::Gadget && q.back().object == gadget &&
        q.back().type == EventType::MouseMove) {
        q.back() = std::move(e);
        return;
    }
    queue_event(std::move(e));
}

void post_event(Event e) { queue_event(std::move(e)); }

void bind_window_event(int window, EventKind kind, std::function<void()> handler) {
    state().bindings[{window, kind}] = std::move(handler);
}

void unbind_window_event(int window, EventKind kind) { state().bindings.erase({window, kind}); }

void watch_descriptor(int fd, std::function<void()> handler) {
    if (fd < 0) return;
    auto notifier = std::make_unique<QSocketNotifier>(qintptr(fd), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [handler = std::move(handler)] { handler(); });
    state().descriptor_watches[fd] = std::move(notifier);
}

void unwatch_descriptor(int fd) { state().descriptor_watches.erase(fd); }

void drop_pending_events() { state().queue.clear(); }

int pending_event_count() { return static_cast<int>(state().queue.size()); }

namespace {

// The next queued event that has no bound handler; bound ones run on the way.
std::optional<Event> take_unbound_event() {
    State& s = state();
    while (!s.queue.empty()) {
        Event e = std::move(s.queue.front());
        s.queue.pop_front();
        const auto bound = s.bindings.find({e.window, e.kind});
        if (bound == s.bindings.end()) return e;
        // A copy: the handler may unbind or rebind itself.
        const std::function<void()> handler = bound->second;
        handler();
    }
    return std::nullopt;
}

// Runs the toolkit until an event is queued or `ms` have passed. Each pass
// returns once the toolkit has handled something, so a queued event needs no
// wake-up of its own.
void run_toolkit(int ms) {
    // What Qt left to delete later while the program's handlers ran goes now,
    // as a running event loop would do it: without one, processEvents never
    // deletes what was scheduled outside Qt's own event handling.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    bool expired = false;
    QTimer timeout;
    timeout.setSingleShot(true);
    timeout.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timeout, &QTimer::timeout, [&expired] { expired = true; });
    timeout.start(ms);
    while (!expired && state().queue.empty()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

std::optional<Event> wait_event(int timeout_ms) {
    const QDeadlineTimer deadline(std::max(timeout_ms, 0), Qt::PreciseTimer);
    // The toolkit runs at least once, so a zero timeout still takes in what is pending.
    for (bool ran = false;; ran = true) {
        if (auto e = take_unbound_event()) return e;
        if (ran && deadline.hasExpired()) return std::nullopt;
        run_toolkit(static_cast<int>(deadline.remainingTime()));
    }
}

}  // namespace rt
