// Folder trees, file lists, list boxes and splitters: what they show, what
// is selected, their events, drops on a list, and the splitters' dividers.
#include "rt/gadget_files.h"

#include <QDeadlineTimer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeView>
#include <QUrl>

#include <gtest/gtest.h>

#include "rt/dragdrop.h"
#include "rt/gadget.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"
#include "support/fixture.h"

namespace {

constexpr int window = 14, tree = 108, files = 109, inner = 110, view = 111, outer = 112;
constexpr int wait_ms = 5000;

using Names = std::vector<std::string>;

class FilesTest : public rt_test::RuntimeTest {
protected:
    void SetUp() override {
        for (const char* name : {"b.mp3", "A.MP3", "c.ogg", "d.m4a", "Sub/e.mp3"}) test::write_file(folder / name, "x");
        rt::open_window(window, 0, 0, 820, 575, "Files", 0);
    }
    Names shown() {
        Names names = rt::file_list_names(files);
        std::sort(names.begin(), names.end());
        return names;
    }
    test::TempFolder folder;
};

TEST_F(FilesTest, AFileListShowsTheFilesThatMatchItsPattern) {
    rt::create_file_list_gadget(files, 0, 0, 600, 200, folder.path().string() + "/", "*.Mp3");
    ASSERT_TRUE(rt::wait_for_file_list(files, wait_ms));
    EXPECT_EQ(rt::file_list_folder(files), folder.path().string());
    EXPECT_EQ(shown(), (Names{"A.MP3", "b.mp3"})) << "letter case aside; no folders";

    const struct {
        const char* pattern;
        Names names;
    } rows[] = {
        {"*.*", {"A.MP3", "b.mp3", "c.ogg", "d.m4a"}},
        {"*.m4a ", {"d.m4a"}},  // blanks around a pattern are no part of it
        {"*.Lst", {}},
    };
    for (const auto& row : rows) {
        rt::set_file_list_pattern(files, row.pattern);
        ASSERT_TRUE(rt::wait_for_file_list(files, wait_ms));
        EXPECT_EQ(shown(), row.names) << row.pattern;
    }

    rt::set_file_list_pattern(files, "*.mp3");
    ASSERT_TRUE(rt::wait_for_file_list(files, wait_ms));
    EXPECT_TRUE(rt::file_list_selected_names(files).empty());
    EXPECT_EQ(rt::file_list_current_name(files), "");
    rt::select_all_file_list(files, true);
    EXPECT_EQ(rt::file_list_selected_names(files), rt::file_list_names(files)) << "in the order shown";
    EXPECT_FALSE(rt::file_list_current_name(files).empty());
    rt::select_all_file_list(files, false);
    EXPECT_TRUE(rt::file_list_selected_names(files).empty());

    rt::set_file_list_folder(files, (folder / "Sub"));
    ASSERT_TRUE(rt::wait_for_file_list(files, wait_ms));
    EXPECT_EQ(shown(), Names{"e.mp3"});
}

TEST_F(FilesTest, AFolderTreeChoosesAFolderAndReportsTheUsersChoice) {
    rt::create_folder_tree_gadget(tree, 0, 0, 200, 200, folder.path().string());
    EXPECT_EQ(rt::folder_tree_folder(tree), folder.path().string());
    rt::set_folder_tree_folder(tree, folder / "Sub");
    EXPECT_EQ(rt::folder_tree_folder(tree), folder / "Sub");
    EXPECT_TRUE(rt_test::take_events().empty()) << "the program's own choice queues nothing";

    auto* widget = static_cast<QTreeView*>(rt::gadget_widget(tree));
    widget->setCurrentIndex(widget->currentIndex().parent());  // as the user's click does
    const auto events = rt_test::take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].object, tree);
    EXPECT_EQ(events[0].type, rt::EventType::Change);
    EXPECT_EQ(rt::folder_tree_folder(tree), folder.path().string());
}

// As in the playlist manager: the tree is made small, sized by its splitter,
// and reads the folders around the chosen one after it was told it.
TEST_F(FilesTest, AFolderTreeKeepsItsChosenFolderInSightUntilTheUserScrolls) {
    char name[] = "f00";
    for (int n = 0; n < 60; ++n) {
        std::snprintf(name, sizeof name, "f%02d", n);
        std::filesystem::create_directory(folder / name);
    }
    rt::create_folder_tree_gadget(tree, 0, 0, 10, 10, folder / "f50");
    rt::create_file_list_gadget(files, 0, 0, 10, 10, folder.path().string(), "*.*");
    rt::create_splitter_gadget(inner, 5, 30, 810, 200, tree, files);
    rt::set_state(inner, 200);

    auto* widget = static_cast<QTreeView*>(rt::gadget_widget(tree));
    const QDeadlineTimer deadline(wait_ms);
    while (widget->currentIndex().row() != 50 && !deadline.hasExpired()) rt::wait_event(20);
    ASSERT_EQ(widget->currentIndex().row(), 50) << "its 50 siblings sorted in above it";
    const auto in_sight = [widget] {
        return widget->viewport()->rect().contains(widget->visualRect(widget->currentIndex()).center());
    };
    EXPECT_TRUE(in_sight()) << "row at " << widget->visualRect(widget->currentIndex()).y() << " in a view of "
                            << widget->viewport()->height();

    // The user's scrolling stands, even when the tree is resized afterwards.
    widget->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    rt::set_state(inner, 150);
    EXPECT_FALSE(in_sight());
    EXPECT_EQ(rt::folder_tree_folder(tree), folder / "f50");
}

TEST_F(FilesTest, AListBoxHoldsTextsAndTakesDroppedFiles) {
    rt::create_list_gadget(view, 0, 0, 300, 200);
    for (const char* text : {"    1 - /a.mp3", "/b.mp3", "/c.mp3"}) rt::add_list_item(view, text);
    EXPECT_EQ(rt::list_item_count(view), 3);
    EXPECT_EQ(rt::list_selected_item(view), -1);
    rt::set_list_selected_item(view, 1);
    EXPECT_EQ(rt::list_selected_item(view), 1);
    rt::remove_list_item(view, 1);
    rt::remove_list_item(view, 7);
    EXPECT_EQ(rt::list_item_text(view, 1), "/c.mp3");
    EXPECT_EQ(rt::list_item_text(view, 2), "");
    EXPECT_EQ(rt::list_selected_item(view), -1);

    // Files dropped on the list's area arrive whole, as one event of the list.
    rt::enable_gadget_drop(view, rt::DropKind::Files);
    auto* list = static_cast<QListWidget*>(rt::gadget_widget(view));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/m/one.mp3"), QUrl::fromLocalFile("/m/two\nlines.mp3")});
    // The toolkit delivers the drop only when the entry was accepted.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    const auto events = rt_test::take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, rt::EventKind::GadgetDrop);
    EXPECT_EQ(events[0].object, view);
    EXPECT_EQ(events[0].drop.files, (Names{"/m/one.mp3", "/m/two\nlines.mp3"}));

    // A right click on the list's area is the list's.
    QMouseEvent right(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &right);
    const auto clicks = rt_test::take_events();
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].type, rt::EventType::RightClick);
    rt::clear_list_items(view);
    EXPECT_EQ(rt::list_item_count(view), 0);
}

TEST_F(FilesTest, SplittersHoldTwoGadgetsWithADividerAtAPlace) {
    rt::create_folder_tree_gadget(tree, 0, 0, 10, 10, folder.path().string());
    rt::create_file_list_gadget(files, 0, 0, 10, 10, folder.path().string(), "*.*");
    rt::create_list_gadget(view, 0, 0, 10, 10);
    rt::create_splitter_gadget(inner, 5, 30, 810, 200, tree, files);
    rt::create_splitter_gadget(outer, 5, 30, 810, 430, inner, view, rt::SplitterFlag::Vertical);
    rt::set_state(inner, 200);
    rt::set_state(outer, 200);
    EXPECT_EQ(rt::gadget_state(inner), 200);
    EXPECT_EQ(rt::gadget_state(outer), 200);
    EXPECT_EQ(rt::gadget_x(outer), 5);
    EXPECT_EQ(rt::gadget_height(outer), 430);
    rt::set_state(inner, 5000);
    EXPECT_LE(rt::gadget_state(inner), 810) << "the divider stays inside";

    // The outer splitter takes everything it holds with it.
    rt::free_gadget(outer);
    for (int gadget : {tree, files, inner, view}) EXPECT_FALSE(rt::gadget_exists(gadget)) << gadget;
}

}  // namespace
