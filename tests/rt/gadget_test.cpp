// Numbered gadgets: the registry, reads and writes through the number, the
// events of each kind, and drops.
#include "rt/gadget.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QUrl>

#include <gtest/gtest.h>

#include "rt/dragdrop.h"
#include "rt/image.h"
#include "rt/internal.h"
#include "rt/window.h"
#include "rt_test.h"

namespace {

using rt::EventKind;
using rt::EventType;
using rt_test::take_events;

enum : int {
    WindowDesk = 9,
    WindowNotes = 12,
    GadgetTime = 13,
    GadgetSlot = 30,
    GadgetPicture = 31,
    GadgetDrawing = 32,
    GadgetPanel = 40,
    GadgetPanelText = 41,
    GadgetVolume = 50,
    GadgetMute = 51,
    GadgetName = 52,
    GadgetRepeat = 53,
    GadgetZones = 54,
    GadgetBalance = 55,
    ImageIcon = 5,
};

class GadgetTest : public rt_test::RuntimeTest {
protected:
    void SetUp() override { rt::open_window(WindowDesk, 0, 0, 200, 400, "Desk", 0); }
};

TEST_F(GadgetTest, CreatingANumberAgainLeavesOneGadgetWithTheNewText) {
    rt::create_text_gadget(GadgetTime, 0, 0, 80, 20, "old");
    rt::create_text_gadget(GadgetTime, 0, 30, 80, 20, "new");
    EXPECT_EQ(rt::gadget_text(GadgetTime), "new");
    EXPECT_EQ(rt::gadget_y(GadgetTime), 30);
    EXPECT_EQ(rt::window_widget(WindowDesk)->findChildren<QLabel*>().size(), 1);

    // Numbers are unique across windows: the same number in another window moves it there.
    rt::open_window(WindowNotes, 0, 0, 100, 100, "Notes", 0);
    rt::create_text_gadget(GadgetTime, 0, 0, 80, 20, "notes");
    EXPECT_TRUE(rt::window_widget(WindowDesk)->findChildren<QLabel*>().empty());
    EXPECT_EQ(rt::window_number_of(rt::gadget_widget(GadgetTime)), WindowNotes);
}

TEST_F(GadgetTest, ContainersNestAndTakeTheirGadgetsWithThem) {
    rt::open_container_gadget(GadgetPanel, 10, 10, 100, 100);
    rt::create_text_gadget(GadgetPanelText, 5, 5, 50, 20, "inside");
    rt::close_container_gadget();
    rt::create_text_gadget(GadgetTime, 0, 0, 50, 20, "outside");

    EXPECT_EQ(rt::gadget_widget(GadgetPanelText)->parentWidget(), rt::gadget_widget(GadgetPanel));
    EXPECT_EQ(rt::gadget_widget(GadgetTime)->parentWidget(), rt::window_widget(WindowDesk));
    rt::free_gadget(GadgetPanel);
    EXPECT_FALSE(rt::gadget_exists(GadgetPanelText));
    EXPECT_TRUE(rt::gadget_exists(GadgetTime));

    rt::close_window(WindowDesk);
    EXPECT_FALSE(rt::gadget_exists(GadgetTime));
    rt::create_text_gadget(GadgetTime, 0, 0, 50, 20, "no list");
    EXPECT_FALSE(rt::gadget_exists(GadgetTime)) << "no window, no gadget list";
}

// The rightmost column of a widget's picture holding a pixel unlike its top
// left corner's, or -1.
int last_inked_column(QWidget* w) {
    const QImage image = w->grab().toImage();
    const QRgb background = image.pixel(0, 0);
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background) return x;
    return -1;
}

TEST_F(GadgetTest, TextTooLongForItsCheckBoxOrFittedLabelIsDrawnSmallerNotCutOff) {
    const std::string too_long = "MMMMMMMMMMMM";  // twice the room at the usual size
    rt::create_checkbox_gadget(GadgetMute, 0, 0, 100, 20, too_long);
    rt::create_text_gadget(GadgetTime, 0, 30, 100, 20, too_long, rt::TextFlag::Fit);

    // Where the toolkit would cut the text: the box's text area, the label's contents.
    auto* box = static_cast<QCheckBox*>(rt::gadget_widget(GadgetMute));
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const int box_cut = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).right();
    const int label_cut = rt::gadget_widget(GadgetTime)->contentsRect().right();

    for (const auto& [gadget, cut] : {std::pair{GadgetMute, box_cut}, std::pair{GadgetTime, label_cut}}) {
        const int last = last_inked_column(rt::gadget_widget(gadget));
        EXPECT_GT(last, 40) << gadget << ": the text is drawn";
        EXPECT_LT(last, cut) << gadget << ": the last letter reaches the edge, so it was cut";
    }
}

TEST_F(GadgetTest, TextAndStateGoWhereEachKindKeepsThem) {
    rt::create_progress_gadget(GadgetVolume, 0, 0, 100, 10, 0, 50);
    rt::create_checkbox_gadget(GadgetMute, 0, 20, 100, 20, "Mute");
    rt::create_string_gadget(GadgetName, 0, 40, 100, 20, "");
    rt::create_button_gadget(GadgetRepeat, 0, 60, 100, 20, "Repeat", rt::ButtonFlag::Toggle);
    rt::create_button_gadget(GadgetSlot, 0, 80, 100, 20, "Plain");
    rt::create_spin_gadget(GadgetZones, 0, 100, 60, 25, 0, 11);
    rt::create_slider_gadget(GadgetBalance, 0, 130, 100, 17, -10, 10);

    const struct {
        int gadget;
        int state_set, state_read;
        const char* text_set;
        const char* text_read;
    } cases[] = {
        {GadgetVolume, 30, 30, "ignored", ""},
        {GadgetVolume, 80, 50, "", ""},  // clamped to the range
        {GadgetVolume, -4, 0, "", ""},
        {GadgetMute, 1, 1, "Muet", "Muet"},
        {GadgetMute, 0, 0, "", ""},
        {GadgetName, 1, 0, "<b>été</b>", "<b>été</b>"},
        {GadgetRepeat, 7, 1, "Répéter", "Répéter"},
        {GadgetSlot, 1, 0, "Slot", "Slot"},  // not a toggle: no state
        {GadgetZones, 7, 7, "", "7"},        // a spin field's text is the number it shows
        {GadgetZones, 12, 11, "", "11"},
        {GadgetBalance, -3, -3, "", ""},
        {GadgetBalance, -30, -10, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "gadget " << c.gadget << " state " << c.state_set);
        rt::set_state(c.gadget, c.state_set);
        rt::set_text(c.gadget, c.text_set);
        EXPECT_EQ(rt::gadget_state(c.gadget), c.state_read);
        EXPECT_EQ(rt::gadget_text(c.gadget), c.text_read);
    }
    EXPECT_TRUE(take_events().empty()) << "changes by the program are not user events";
}

TEST_F(GadgetTest, MoveKeepsWhatIsMinusOne) {
    rt::create_button_gadget(GadgetSlot, 1, 2, 3, 4, "");
    const struct {
        int x, y, w, h;
        QRect expected;
    } cases[] = {
        {10, -1, -1, -1, {10, 2, 3, 4}},
        {-1, 20, -1, 40, {10, 20, 3, 40}},
        {0, 0, 5, -1, {0, 0, 5, 40}},
    };
    for (const auto& c : cases) {
        rt::move_gadget(GadgetSlot, c.x, c.y, c.w, c.h);
        EXPECT_EQ(QRect(rt::gadget_x(GadgetSlot), rt::gadget_y(GadgetSlot), rt::gadget_width(GadgetSlot),
                        rt::gadget_height(GadgetSlot)),
                  c.expected);
    }
}

void send_mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

struct Seen {
    EventType type;
    QPoint at;  // in the gadget
};

std::vector<Seen> gadget_events(int gadget) {
    std::vector<Seen> seen;
    for (const rt::Event& e : take_events()) {
        EXPECT_EQ(e.kind, EventKind::Gadget);
        EXPECT_EQ(e.object, gadget);
        EXPECT_EQ(e.window, WindowDesk);
        seen.push_back({e.type, {e.mouse.gadget_x, e.mouse.gadget_y}});
    }
    return seen;
}

void expect_seen(const std::vector<Seen>& seen, const std::vector<Seen>& expected) {
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].type, expected[i].type) << "event " << i;
        EXPECT_EQ(seen[i].at, expected[i].at) << "event " << i;
    }
}

TEST_F(GadgetTest, CanvasReportsButtonAndMovesWithItsCoordinates) {
    rt::create_canvas_gadget(GadgetDrawing, 20, 30, 100, 100);
    QWidget* canvas = rt::gadget_widget(GadgetDrawing);
    send_mouse(canvas, QEvent::MouseButtonPress, Qt::LeftButton, {5, 6}, Qt::LeftButton);
    send_mouse(canvas, QEvent::MouseMove, Qt::NoButton, {7, 8}, Qt::LeftButton);
    send_mouse(canvas, QEvent::MouseMove, Qt::NoButton, {9, 10}, Qt::LeftButton);
    send_mouse(canvas, QEvent::MouseButtonRelease, Qt::LeftButton, {9, 10}, Qt::NoButton);
    send_mouse(canvas, QEvent::MouseButtonPress, Qt::RightButton, {1, 2}, Qt::RightButton);
    expect_seen(gadget_events(GadgetDrawing), {{EventType::LeftButtonDown, {5, 6}},
                                               {EventType::MouseMove, {9, 10}},  // moves merged
                                               {EventType::LeftButtonUp, {9, 10}},
                                               {EventType::LeftClick, {9, 10}},
                                               {EventType::RightClick, {1, 2}}});
}

TEST_F(GadgetTest, ImageDoubleClickIsNotAlsoASecondClick) {
    ASSERT_TRUE(rt::create_image(ImageIcon, 8, 8));
    rt::create_image_gadget(GadgetPicture, 0, 0, 32, 32, ImageIcon);
    QWidget* picture = rt::gadget_widget(GadgetPicture);
    send_mouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, {1, 1}, Qt::LeftButton);
    send_mouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, {1, 1}, Qt::NoButton);
    send_mouse(picture, QEvent::MouseButtonDblClick, Qt::LeftButton, {1, 1}, Qt::LeftButton);
    send_mouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, {1, 1}, Qt::NoButton);
    send_mouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, {2, 2}, Qt::LeftButton);
    send_mouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, {40, 2}, Qt::NoButton);  // let go outside
    expect_seen(gadget_events(GadgetPicture), {{EventType::LeftClick, {1, 1}}, {EventType::LeftDoubleClick, {1, 1}}});
}

TEST_F(GadgetTest, ButtonPressedAndDraggedStartsADrag) {
    rt::create_image_button_gadget(GadgetSlot, 0, 0, 40, 40, -1);
    QWidget* slot = rt::gadget_widget(GadgetSlot);
    const int far = QApplication::startDragDistance() + 1;
    send_mouse(slot, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5}, Qt::LeftButton);
    send_mouse(slot, QEvent::MouseMove, Qt::NoButton, {6, 5}, Qt::LeftButton);  // not yet a drag
    send_mouse(slot, QEvent::MouseMove, Qt::NoButton, {5 + far, 5}, Qt::LeftButton);
    send_mouse(slot, QEvent::MouseMove, Qt::NoButton, {5 + 2 * far, 5}, Qt::LeftButton);  // still the same drag
    expect_seen(gadget_events(GadgetSlot), {{EventType::DragStart, {5 + far, 5}}});
}

// As a drag from another program ends: it enters the gadget, then drops.
// The toolkit delivers the drop only when the entry was accepted.
void drop(QWidget* target, const QMimeData& mime) {
    QDragEnterEvent enter(QPoint(4, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(4, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

TEST_F(GadgetTest, DropQueuesWhatTheGadgetAccepts) {
    using rt::DropKind;
    const auto uri_list = [](std::initializer_list<const char*> urls, const char* text = nullptr) {
        auto mime = std::make_unique<QMimeData>();
        QList<QUrl> list;
        for (const char* u : urls) list.append(QUrl(QString::fromUtf8(u)));
        if (!list.isEmpty()) mime->setUrls(list);
        if (text) mime->setText(QString::fromUtf8(text));
        return mime;
    };
    using Files = std::vector<std::string>;
    const struct {
        const char* name;
        DropKind accepted;
        std::unique_ptr<QMimeData> mime;
        DropKind kind;  // None: no event
        std::string data;
        Files files;
    } cases[] = {
        {"two files", DropKind::Files, uri_list({"file:///tmp/a%20b.txt", "file:///home/u/%C3%A9t%C3%A9.mp3"}),
         DropKind::Files, "", Files{"/tmp/a b.txt", "/home/u/été.mp3"}},
        {"a name with a line feed is one file", DropKind::Files,
         uri_list({"file:///tmp/two%0Alines.txt", "file:///tmp/next"}), DropKind::Files, "",
         Files{"/tmp/two\nlines.txt", "/tmp/next"}},
        {"web addresses are not files", DropKind::Files, uri_list({"https://example.org/x", "file:///tmp/c"}),
         DropKind::Files, "", Files{"/tmp/c"}},
        {"text where only files are taken", DropKind::Files, uri_list({}, "hello"), DropKind::None, "", {}},
        {"a link taken as text",
         DropKind::Files | DropKind::Text,
         uri_list({"https://example.org/x"}, "https://example.org/x"),
         DropKind::Text,
         "https://example.org/x",
         {}},
        {"files preferred over their text", DropKind::Files | DropKind::Text, uri_list({"file:///tmp/d"}, "/tmp/d"),
         DropKind::Files, "", Files{"/tmp/d"}},
    };
    rt::create_button_gadget(GadgetSlot, 10, 10, 40, 40, "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt::enable_gadget_drop(GadgetSlot, c.accepted);
        drop(rt::gadget_widget(GadgetSlot), *c.mime);
        const auto taken = take_events();
        if (c.kind == DropKind::None) {
            EXPECT_TRUE(taken.empty());
            continue;
        }
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].kind, EventKind::GadgetDrop);
        EXPECT_EQ(taken[0].window, WindowDesk);
        EXPECT_EQ(taken[0].object, GadgetSlot);
        EXPECT_EQ(taken[0].drop.kind, c.kind);
        EXPECT_EQ(taken[0].drop.data, c.data);
        EXPECT_EQ(taken[0].drop.files, c.files);
        EXPECT_EQ(QPoint(taken[0].mouse.gadget_x, taken[0].mouse.gadget_y), QPoint(4, 5));
    }
}

TEST_F(GadgetTest, ADragEnteringTellsTheGadgetsEnterActionWhatItWouldDrop) {
    rt::create_button_gadget(GadgetSlot, 10, 10, 40, 40, "");
    rt::enable_gadget_drop(GadgetSlot, rt::DropKind::Files);
    std::vector<std::vector<std::string>> entered;
    rt::set_drag_enter_action(GadgetSlot, [&](const rt::DropData& d) { entered.push_back(d.files); });
    QWidget* slot = rt::gadget_widget(GadgetSlot);

    QMimeData files;
    files.setUrls({QUrl("file:///tmp/song.mp3")});
    QDragEnterEvent enter(QPoint(4, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(slot, &enter);
    QDragMoveEvent move(QPoint(6, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(slot, &move);
    EXPECT_EQ(entered, (std::vector<std::vector<std::string>>{{"/tmp/song.mp3"}})) << "once, on entering";

    QMimeData text;
    text.setText("words");
    QDragEnterEvent refused(QPoint(4, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(slot, &refused);
    EXPECT_EQ(entered.size(), 1u) << "not for a drag the gadget does not take";
    EXPECT_TRUE(take_events().empty());
}

// A typed spin field keeps what was typed for the program to judge; the
// program's own value replaces it.
TEST_F(GadgetTest, TypedSpinKeepsTheTypedTextAndTakesTheProgramsValue) {
    rt::create_typed_spin_gadget(GadgetZones, 0, 0, 60, 25, 0, 24);
    auto* spin = qobject_cast<QAbstractSpinBox*>(rt::gadget_widget(GadgetZones));
    ASSERT_NE(spin, nullptr);
    const auto type = [&](const QString& keys) {
        QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        QCoreApplication::sendEvent(spin, &all);
        for (QChar c : keys) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(spin, &key);
        }
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(spin, &leave);
    };
    const struct {
        const char* typed;
        const char* text;
        int state;
    } rows[] = {{"25", "25", 24}, {"7", "7", 7}, {"x1", "x1", 0}, {"-3", "-3", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        type(QString::fromUtf8(row.typed));
        EXPECT_EQ(rt::gadget_text(GadgetZones), row.text);
        EXPECT_EQ(rt::gadget_state(GadgetZones), row.state);
    }
    (void)take_events();
    rt::set_state(GadgetZones, 30);
    EXPECT_EQ(rt::gadget_text(GadgetZones), "24");
    EXPECT_EQ(rt::gadget_state(GadgetZones), 24);
    rt::set_state(GadgetZones, 0);
    EXPECT_EQ(rt::gadget_text(GadgetZones), "0");
    EXPECT_TRUE(take_events().empty()) << "changes by the program are not user events";
}

TEST_F(GadgetTest, SliderReportsOnlyTheUsersMoves) {
    rt::create_slider_gadget(GadgetBalance, 0, 0, 100, 17, 0, 100);
    rt::set_state(GadgetBalance, 40);
    EXPECT_TRUE(take_events().empty());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(rt::gadget_widget(GadgetBalance), &key);
    expect_seen(gadget_events(GadgetBalance), {{EventType::Change, {-1, -1}}});
    EXPECT_EQ(rt::gadget_state(GadgetBalance), 41);
}

TEST_F(GadgetTest, StringGadgetReportsOnlyTheUsersEdits) {
    rt::create_string_gadget(GadgetName, 0, 0, 100, 20, "abc");
    rt::set_text(GadgetName, "set by the program");
    EXPECT_TRUE(take_events().empty());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QCoreApplication::sendEvent(rt::gadget_widget(GadgetName), &key);
    expect_seen(gadget_events(GadgetName), {{EventType::Change, {-1, -1}}});
    EXPECT_EQ(rt::gadget_text(GadgetName), "set by the programx");
}

}  // namespace

namespace {

// A flat image button is its picture on its parent's colour: no frame, no
// bevel, not even in its transparent corners, and a pressed look only while
// the mouse holds it down.
TEST_F(GadgetTest, FlatImageButtonIsThePictureAloneAndSinksOnlyWhileHeld) {
    constexpr QRgb page = qRgb(220, 220, 220), red = qRgb(255, 0, 0);
    rt::set_window_background(WindowDesk, rt::rgb(220, 220, 220));
    ASSERT_TRUE(rt::create_image(ImageIcon, 16, 16, rt::rgb(255, 0, 0)));
    rt::create_image_button_gadget(GadgetSlot, 10, 10, 32, 32, ImageIcon, rt::ButtonFlag::Flat);
    QWidget* window = rt::window_widget(WindowDesk);
    QWidget* slot = rt::gadget_widget(GadgetSlot);
    window->show();
    const auto look = [&] {
        return window->grab(QRect(10, 10, 32, 32)).toImage().convertToFormat(QImage::Format_RGB32);
    };

    const QImage up = look();
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31), QPoint(3, 16)})
        EXPECT_EQ(up.pixel(corner), page) << "the page shows around the picture at " << corner.x() << "," << corner.y();
    EXPECT_EQ(up.pixel(8, 8), red);
    EXPECT_EQ(up.pixel(23, 23), red);
    EXPECT_EQ(up.pixel(24, 24), page);

    send_mouse(slot, QEvent::MouseButtonPress, Qt::LeftButton, {16, 16}, Qt::LeftButton);
    const QImage down = look();
    EXPECT_NE(down.pixel(0, 0), page) << "a sunken frame while held";
    EXPECT_EQ(down.pixel(8, 8), page) << "the picture moved down and right";
    EXPECT_EQ(down.pixel(24, 24), red);

    send_mouse(slot, QEvent::MouseButtonRelease, Qt::LeftButton, {16, 16}, Qt::NoButton);
    EXPECT_EQ(look(), up) << "flat again once let go";
}

}  // namespace
