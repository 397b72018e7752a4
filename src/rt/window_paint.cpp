// Painting a window at once, for a program about to block.
#include <QDeadlineTimer>
#include <QWindow>

#include "rt/app.h"
#include "rt/internal.h"
#include "rt/window.h"

namespace rt {

void paint_window_now(int number, int limit_ms) {
    constexpr int poll_ms = 1;
    const QPointer<WindowWidget> w = window_widget(number);
    if (!w || !w->isVisible()) return;
    const auto exposed = [&w] { return w && w->windowHandle() && w->windowHandle()->isExposed(); };
    if (exposed()) {
        w->repaint();
        return;
    }
    const QDeadlineTimer deadline(limit_ms);
    // The window system shows a new window on its own time; until then there
    // is nothing to paint on. The toolkit paints the whole window when it is
    // told the window is shown, so that paint is the one asked for.
    while (w && !exposed() && !deadline.hasExpired()) process_events_for(poll_ms);
}

}  // namespace rt
