// Tab panels: each tab's page holds the gadgets made while it is current, the
// user's choice of a tab is an event and the program's is not.
#include "rt/gadget_panel.h"

#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

constexpr int window = 23, panel = 158, ok = 197, first_tab_box = 173, second_tab_text = 183, after = 164;

class PanelTest : public rt_test::RuntimeTest {
protected:
    void SetUp() override { rt::open_window(window, 0, 0, 600, 400, "Setup", 0); }
};

// The page (tab index) a gadget sits on; -1 when on none of the panel's pages.
int page_of(int gadget) {
    auto* tabs = static_cast<QTabWidget*>(rt::gadget_widget(panel));
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(rt::gadget_widget(gadget))) return i;
    return -1;
}

TEST_F(PanelTest, GadgetsGoOnThePageOfTheCurrentTabThenOnTheWindowAgain) {
    rt::create_panel_gadget(panel, 5, 5, 590, 335);
    rt::add_panel_tab(panel, "Divers");
    rt::create_checkbox_gadget(first_tab_box, 65, 140, 210, 25, "24H");
    rt::add_panel_tab(panel, "Couleurs");
    rt::create_text_gadget(second_tab_text, 60, 110, 200, 25, "Couleur");
    rt::add_panel_tab(panel, "À Propos");
    rt::close_panel_gadget();
    rt::create_button_gadget(ok, 495, 345, 100, 25, "OK");

    EXPECT_EQ(page_of(first_tab_box), 0);
    EXPECT_EQ(page_of(second_tab_text), 1);
    EXPECT_EQ(page_of(ok), -1);
    EXPECT_EQ(rt::gadget_widget(ok)->parentWidget(), rt::window_widget(window));
    // Positions are inside the page.
    EXPECT_EQ(rt::gadget_x(first_tab_box), 65);
    EXPECT_EQ(rt::gadget_y(first_tab_box), 140);

    EXPECT_EQ(rt::panel_tab_count(panel), 3);
    EXPECT_EQ(rt::panel_tab_text(panel, 2), "À Propos");
    rt::set_panel_tab_text(panel, 2, "About");
    EXPECT_EQ(rt::panel_tab_text(panel, 2), "About");
    EXPECT_EQ(rt::panel_current_tab(panel), 0);
    EXPECT_TRUE(rt_test::take_events().empty()) << "building the panel is no choice of the user";

    // Freeing the panel takes its pages' gadgets with it.
    rt::free_gadget(panel);
    EXPECT_FALSE(rt::gadget_exists(first_tab_box));
    EXPECT_FALSE(rt::gadget_exists(second_tab_text));
    EXPECT_TRUE(rt::gadget_exists(ok));
}

TEST_F(PanelTest, TheUsersChoiceOfATabIsAnEventAndTheProgramsIsNot) {
    rt::create_panel_gadget(panel, 5, 5, 590, 335);
    for (const char* tab : {"Main", "Color", "About"}) rt::add_panel_tab(panel, tab);
    rt::close_panel_gadget();

    rt::set_panel_current_tab(panel, 2);
    EXPECT_EQ(rt::panel_current_tab(panel), 2);
    EXPECT_TRUE(rt_test::take_events().empty());
    for (int out_of_range : {3, -1}) {
        rt::set_panel_current_tab(panel, out_of_range);
        EXPECT_EQ(rt::panel_current_tab(panel), 2) << out_of_range;
    }

    static_cast<QTabWidget*>(rt::gadget_widget(panel))->tabBar()->setCurrentIndex(1);  // a click on "Color"
    const auto events = rt_test::take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, rt::EventKind::Gadget);
    EXPECT_EQ(events[0].window, window);
    EXPECT_EQ(events[0].object, panel);
    EXPECT_EQ(events[0].type, rt::EventType::Change);
    EXPECT_EQ(rt::panel_current_tab(panel), 1);
}

TEST_F(PanelTest, OtherGadgetsAreNoPanels) {
    rt::create_button_gadget(ok, 495, 345, 100, 25, "OK");
    rt::add_panel_tab(ok, "x");
    rt::set_panel_tab_text(ok, 0, "x");
    EXPECT_EQ(rt::panel_tab_count(ok), 0);
    EXPECT_EQ(rt::panel_tab_text(ok, 0), "");
    EXPECT_EQ(rt::panel_current_tab(ok), -1);
    EXPECT_EQ(rt::panel_current_tab(999), -1);
    // Without a tab open, closing leaves the window the gadget list.
    rt::close_panel_gadget();
    rt::create_text_gadget(after, 0, 0, 10, 10, "");
    EXPECT_EQ(rt::gadget_widget(after)->parentWidget(), rt::window_widget(window));
}

}  // namespace
