// Drag and drop between the program's gadgets and other programs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rt/events.h"

namespace rt {

// Lets gadget `gadget` take drops of the `accepted` kinds. A drop queues a
// GadgetDrop event whose DropData holds, of what is accepted, the first the
// drop offers of: local files, an image (as drag_image() begins), text.
void enable_gadget_drop(int gadget, DropKind accepted);
// Runs `action` when a drag that gadget `gadget` would take enters it, with
// what its drop would give: for work the drop will want done by then.
void set_drag_enter_action(int gadget, std::function<void(const DropData&)> action);

// Begins dragging, with the copy action, out of the gadget of the last
// DragStart event; blocks until the drop. True when something took the drop.
bool drag_files(const std::vector<std::string>& paths);
bool drag_image(int image);

}  // namespace rt
