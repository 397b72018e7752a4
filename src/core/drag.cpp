#include "core/drag.h"

#include "rt/window.h"

namespace core {

bool drag_window(State& s, const rt::Event& e, int window) {
    switch (e.type) {
    case rt::EventType::LeftButtonDown:
        s.Window_Dragging = 1;
        s.Drag_Offset_X = e.mouse.desktop_x - rt::window_x(window);
        s.Drag_Offset_Y = e.mouse.desktop_y - rt::window_y(window);
        return false;
    case rt::EventType::MouseMove:
        if (s.Window_Dragging != 1) return false;
        rt::move_window(window, e.mouse.desktop_x - s.Drag_Offset_X, e.mouse.desktop_y - s.Drag_Offset_Y);
        return true;
    case rt::EventType::LeftButtonUp: s.Window_Dragging = 0; return false;
    case rt::EventType::LeftClick:
    case rt::EventType::RightClick:
    case rt::EventType::LeftDoubleClick:
    case rt::EventType::Change:
    case rt::EventType::DragStart: return false;
    }
    return false;
}

}  // namespace core
