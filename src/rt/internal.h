// Private to the runtime layer and its tests: the registries from numbers to
// toolkit objects, the event queue, and the widget classes behind numbered
// windows and gadgets. Nothing above rt/ includes this file.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <QImage>
#include <QKeyCombination>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QSocketNotifier>
#include <QSplitter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "rt/codec.h"
#include "rt/colour.h"
#include "rt/events.h"
#include "rt/qimage_pixels.h"

namespace rt {

inline QString to_qstring(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
inline std::string to_utf8(const QString& s) { return s.toUtf8().toStdString(); }
inline QColor to_qcolor(Colour c, int alpha = 255) { return QColor(red_of(c), green_of(c), blue_of(c), alpha); }

// The widget property holding the number of the image an image or image
// button gadget shows.
inline constexpr const char* gadget_image_property = "vd_image";

// A numbered window. The close box and the window's own mouse clicks become events.
class WindowWidget final : public QWidget {
public:
    WindowWidget(int number, QWidget* parent, Qt::WindowFlags flags, bool resizable);
    const int number;
    const bool resizable;  // false: the inner size is fixed, changed only by the program

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// A canvas gadget: its own surface, drawn by the program and shown as it is.
class CanvasWidget final : public QWidget {
public:
    CanvasWidget(int number, QWidget* parent);
    const int number;
    QImage surface;
    // Keeps the drawn pixels at the top left; new area is white.
    void fit_surface();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// An image gadget: a picture at the top left, unscaled, and its clicks.
class ImageWidget final : public QWidget {
public:
    ImageWidget(int number, QWidget* parent);
    const int number;
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool after_double_click_ = false;  // the release that ends a double click is no click
};

// Properties of a menu's actions and of its root menu: the item number, and
// the window its events are for.
inline constexpr const char* menu_item_property = "rt_item";
inline constexpr const char* menu_window_property = "rt_window";

// Lays out the menu bar, tool bar and status bar of `w` for its size (window_bars.cpp).
void place_window_bars(QWidget& w);

// Right clicks and drag starts on a button gadget, which the button itself ignores.
void watch_button_mouse(QAbstractButton* button, int gadget);
// A drag begun from `source` (a watched button) is over: the button is up.
void end_button_drag(QWidget* source);
// Puts a splitter's divider `position` pixels from its left or top (gadget_files.cpp).
void set_splitter_position(QSplitter& splitter, int position);
// The chosen line of a drop-down list gadget's widget; "" when none (gadget_combo.cpp).
std::string combo_current_text(QWidget* combo);
// `font` stepped down, half a point (or a pixel) at a time, until `fits` holds
// for it or it reaches 4 points (gadget.cpp).
QFont shrunk_to_fit(QFont font, const std::function<bool(const QFont&)>& fits);

enum class GadgetKind {
    Text,
    Button,
    ImageButton,
    Image,
    Progress,
    Canvas,
    Container,
    String,
    Checkbox,
    Spin,
    Slider,
    Combo,
    Editor,
    Frame,
    Calendar,
    DateField,
    Panel,       // gadget_panel.cpp
    Hyperlink,   // gadget_hyperlink.cpp: a QLabel
    FolderTree,  // gadget_files.cpp
    FileList,
    List,
    Splitter,
};

struct Gadget {
    QPointer<QWidget> widget;
    GadgetKind kind = GadgetKind::Text;
};

// Text of the editor and frame gadgets (gadget_editor.cpp); the calendar and
// date fields have none.
void set_own_kind_text(const Gadget& g, const QString& text);
std::string own_kind_text(const Gadget& g);

// The open drawing: on a numbered image or on a canvas gadget's surface.
struct Drawing {
    QPainter painter;
    int image = -1;  // image number, or -1 when drawing on a canvas
    QPointer<CanvasWidget> canvas;
    QPainterPath path;  // the vector path being built
};

struct Shortcut {
    int window = -1;
    QKeyCombination keys;
    int item = -1;
};

struct State {
    std::unique_ptr<QApplication> own_application;  // when rt::init made it

    std::map<int, QPointer<WindowWidget>> windows;
    std::map<int, Gadget> gadgets;
    std::vector<QPointer<QWidget>> gadget_lists;  // the window, then open containers
    std::map<int, QImage> images;
    std::map<int, QFont> fonts;
    std::map<std::pair<int, int>, QPointer<QTimer>> timers;  // (window, timer)
    std::map<int, std::unique_ptr<QMenu>> menus;
    std::vector<QMenu*> menu_being_built;  // the popup menu, then open submenus
    std::map<int, std::unique_ptr<QSystemTrayIcon>> tray_icons;
    std::vector<Shortcut> shortcuts;
    std::map<int, std::function<void()>> control_key_actions;  // by window
    std::unique_ptr<QObject> shortcut_filter;
    std::unique_ptr<Drawing> drawing;
    QPointer<QWidget> drag_source;  // the gadget of the last DragStart

    std::deque<Event> queue;
    std::map<std::pair<int, EventKind>, std::function<void()>> bindings;
    std::map<int, std::unique_ptr<QSocketNotifier>> descriptor_watches;  // by descriptor
};

State& state();

// End the drawing when it is on image `image`, or on a canvas that is
// `widget` or inside it, before the target is replaced or deleted.
void end_drawing_on_image(int image);
void end_drawing_inside(const QWidget* widget);

// Deletes every toolkit object the registries hold and empties them.
void release_all();

WindowWidget* window_widget(int number);
// The number of the window `widget` is in; -1 when none.
int window_number_of(const QWidget* widget);
QWidget* gadget_widget(int number);
const Gadget* gadget_entry(int number);
const QImage* image_of(int number);
// The numbered font, or the application's font when there is none.
QFont font_of(int number);

// Where the mouse is, given its desktop position, relative to `window`.
MousePosition mouse_position(int window, QPoint desktop);
// Queues `e`, and ends the wait if one is running.
void queue_event(Event e);
// True when an event of this kind, window and object is already queued.
bool is_queued(EventKind kind, int window, int object);
// Queues a gadget event, with the mouse at `local` in the gadget (or now, when not given).
void queue_gadget_event(QWidget* widget, int gadget, EventType type, std::optional<QPoint> local = std::nullopt);

}  // namespace rt
