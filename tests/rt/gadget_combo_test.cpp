// Drop-down lists, and reading back tooltips, hidden gadgets and background colours.
#include <QComboBox>

#include <gtest/gtest.h>

#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

constexpr int window = 16, list = 116, button = 115;

class ComboTest : public rt_test::RuntimeTest {
protected:
    void SetUp() override { rt::open_window(window, 0, 0, 450, 36, "Move", 0); }
};

TEST_F(ComboTest, StartsWithNoLineChosenAndReportsTheUsersChoice) {
    rt::create_combo_gadget(list, 6, 6, 379, 25);
    for (const char* line : {"  1 - A - /a", "  2 -  - ", "  3 - C - /c"}) rt::add_gadget_item(list, line);
    EXPECT_EQ(rt::gadget_item_count(list), 3);
    EXPECT_EQ(rt::gadget_item_text(list, 1), "  2 -  - ");
    for (int missing : {3, -1}) EXPECT_EQ(rt::gadget_item_text(list, missing), "") << missing;
    EXPECT_EQ(rt::gadget_selected_item(list), -1);
    EXPECT_EQ(rt::gadget_text(list), "");
    EXPECT_TRUE(rt_test::take_events().empty()) << "filling the list is not a choice";

    rt::set_gadget_selected_item(list, 2);
    EXPECT_EQ(rt::gadget_selected_item(list), 2);
    EXPECT_EQ(rt::gadget_text(list), "  3 - C - /c");
    for (int out_of_range : {3, -1, -7}) {
        rt::set_gadget_selected_item(list, out_of_range);
        EXPECT_EQ(rt::gadget_selected_item(list), -1) << out_of_range;
    }
    EXPECT_TRUE(rt_test::take_events().empty()) << "the program's own choice queues nothing";

    auto* combo = static_cast<QComboBox*>(rt::gadget_widget(list));
    Q_EMIT combo->activated(1);  // what a click on the second line does
    const auto events = rt_test::take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].object, list);
    EXPECT_EQ(events[0].type, rt::EventType::Change);

    rt::clear_gadget_items(list);
    EXPECT_EQ(rt::gadget_item_count(list), 0);
    // Other gadgets are not lists.
    rt::create_button_gadget(button, 390, 6, 54, 25, "OK");
    rt::add_gadget_item(button, "x");
    EXPECT_EQ(rt::gadget_item_count(button), 0);
    EXPECT_EQ(rt::gadget_selected_item(button), -1);
    EXPECT_EQ(rt::gadget_item_text(button, 0), "");
}

TEST_F(ComboTest, TooltipsAndHiddenGadgetsReadBack) {
    rt::create_button_gadget(button, 390, 6, 54, 25, "OK");
    EXPECT_EQ(rt::gadget_tooltip(button), "");
    rt::set_tooltip(button, "7 Libre");
    EXPECT_EQ(rt::gadget_tooltip(button), "7 Libre");
    EXPECT_FALSE(rt::gadget_hidden(button));
    rt::hide_gadget(button, true);
    EXPECT_TRUE(rt::gadget_hidden(button));
    EXPECT_EQ(rt::gadget_tooltip(999), "");
    EXPECT_FALSE(rt::gadget_hidden(999));
}

TEST_F(ComboTest, BackgroundColoursReadBackOnceGiven) {
    rt::open_container_gadget(list, 275, 40, 100, 25, true);
    rt::close_container_gadget();
    EXPECT_EQ(rt::gadget_back_colour(list), std::nullopt);
    rt::set_gadget_back_colour(list, rt::rgb(220, 220, 220));
    EXPECT_EQ(rt::gadget_back_colour(list), rt::rgb(220, 220, 220));
    rt::set_gadget_back_colour(list, rt::rgb(169, 236, 9));
    EXPECT_EQ(rt::gadget_back_colour(list), rt::rgb(169, 236, 9));
    EXPECT_EQ(rt::gadget_back_colour(999), std::nullopt);
}

}  // namespace
