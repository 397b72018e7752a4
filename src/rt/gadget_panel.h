// Tab panels (gadget_panel.cpp): a row of tabs over pages, one page shown at
// a time. Each tab's page is a gadget list of its own, with positions from
// the page's top left corner.
//
// Events: the user's choice of another tab queues a Change event of the panel.
#pragma once

#include <string>

namespace rt {

// An empty panel in the current gadget list.
void create_panel_gadget(int number, int x, int y, int width, int height);
// Adds a tab labelled `text` after the others of panel `number` and makes its
// page the current gadget list, in place of the page of the panel's previous
// tab when that one is still current.
void add_panel_tab(int number, const std::string& text);
// Ends the filling of the panel's pages: the gadget list that was current
// before its first tab is current again.
void close_panel_gadget();

// 0 when `number` is not a panel.
int panel_tab_count(int number);
// "" for a tab that does not exist.
std::string panel_tab_text(int number, int tab);
void set_panel_tab_text(int number, int tab, const std::string& text);
// The tab shown, 0 for the first; -1 when the panel has none or `number` is
// not a panel.
int panel_current_tab(int number);
// Shows tab `tab` (out of range: nothing changes); queues no event.
void set_panel_current_tab(int number, int tab);

}  // namespace rt
