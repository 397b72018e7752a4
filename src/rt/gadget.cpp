// Numbered gadgets: creation in the current gadget list, and reads and
// writes through the number.
#include "rt/gadget.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSplitter>
#include <algorithm>

#include "rt/internal.h"

namespace rt {

QWidget* gadget_widget(int number) {
    const Gadget* g = gadget_entry(number);
    return g ? g->widget.data() : nullptr;
}

const Gadget* gadget_entry(int number) {
    const auto& gadgets = state().gadgets;
    const auto found = gadgets.find(number);
    return found == gadgets.end() || found->second.widget.isNull() ? nullptr : &found->second;
}

namespace {

QWidget* current_gadget_list() {
    auto& lists = state().gadget_lists;
    while (!lists.empty() && lists.back().isNull()) lists.pop_back();
    return lists.empty() ? nullptr : lists.back().data();
}

// Puts `widget` (made by `make` inside the current gadget list) under `number`.
// Without a current gadget list, nothing is created.
template <typename W, typename Make>
W* add_gadget(int number, GadgetKind kind, int x, int y, int width, int height, Make make) {
    free_gadget(number);
    QWidget* parent = current_gadget_list();
    if (!parent) return nullptr;
    W* widget = make(parent);
    widget->setGeometry(x, y, width, height);
    // Only clicks on a text gadget reach the window, as if the text were painted on it.
    if (kind != GadgetKind::Text) widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->show();
    state().gadgets[number] = Gadget{widget, kind};
    return widget;
}

template <typename W>
W* gadget_as(int number, std::initializer_list<GadgetKind> kinds) {
    const Gadget* g = gadget_entry(number);
    if (!g || std::find(kinds.begin(), kinds.end(), g->kind) == kinds.end()) return nullptr;
    return static_cast<W*>(g->widget.data());
}

QPixmap pixmap_of(int image) {
    const QImage* source = image_of(image);
    return source ? QPixmap::fromImage(*source) : QPixmap();
}

// The picture of a flat image button, and its pressed look while held down.
class FlatPictureButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPixmap picture = icon().pixmap(iconSize());
        const int offset = isDown() ? pressed_offset : 0;
        const QPoint at((width() - picture.width()) / 2 + offset, (height() - picture.height()) / 2 + offset);
        painter.drawPixmap(at, picture);
        if (!isDown()) return;
        // A sunken frame: dark along the top and left, light along the bottom and right.
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }

private:
    static constexpr int pressed_offset = 1;
};

// A one-line text that is drawn in a smaller size when it would not fit its
// box (a pixel kept free at each side), so that no letter is ever cut off.
class FittingLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        const QRect area = contentsRect();
        const QString shown = text();
        const auto fits = [&](const QFont& f) {
            const QFontMetricsF metrics(f);
            return metrics.horizontalAdvance(shown) <= area.width() - 2 * edge && metrics.height() <= area.height();
        };
        if (fits(font())) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setFont(shrunk_to_fit(font(), fits));
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area.adjusted(edge, 0, -edge, 0), int(alignment()) | Qt::TextSingleLine, shown);
    }

private:
    static constexpr int edge = 1;
};

// A check box whose text is drawn in a smaller size when it would not fit
// beside the box, rather than cut off.
class FittingCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override {
        QStyleOptionButton option;
        initStyleOption(&option);
        const int room = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).width();
        // Measured by its ink: a text that only just fits stays at its size.
        const auto fits = [&](const QFont& f) { return QFontMetricsF(f).boundingRect(option.text).right() <= room - edge; };
        if (fits(font())) {
            QCheckBox::paintEvent(event);
            return;
        }
        const QFont smaller = shrunk_to_fit(font(), fits);
        QStylePainter painter(this);
        painter.setFont(smaller);
        option.fontMetrics = QFontMetrics(smaller);
        painter.drawControl(QStyle::CE_CheckBox, option);
    }

private:
    static constexpr int edge = 1;  // kept free at the right
};

void show_on_button(QPushButton& button, int image) {
    button.setProperty(gadget_image_property, image);
    const QPixmap picture = pixmap_of(image);
    button.setIcon(QIcon(picture));
    button.setIconSize(picture.size());
}

}  // namespace

void use_gadget_list(int window) {
    WindowWidget* w = window_widget(window);
    state().gadget_lists.clear();
    if (w) state().gadget_lists.push_back(w);
}

void create_text_gadget(int number, int x, int y, int width, int height, const std::string& text, unsigned flags) {
    add_gadget<QLabel>(number, GadgetKind::Text, x, y, width, height, [&](QWidget* parent) {
        auto* label = flags & TextFlag::Fit ? new FittingLabel(parent) : new QLabel(parent);
        // Text from the data file is shown as it is, never as markup.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(!(flags & TextFlag::Fit));
        const Qt::Alignment across = (flags & TextFlag::Centre)  ? Qt::AlignHCenter
                                     : (flags & TextFlag::Right) ? Qt::AlignRight
                                                                 : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        if (flags & TextFlag::Border) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setText(to_qstring(text));
        return label;
    });
}

void create_button_gadget(int number, int x, int y, int width, int height, const std::string& text, unsigned flags) {
    add_gadget<QPushButton>(number, GadgetKind::Button, x, y, width, height, [&](QWidget* parent) {
        auto* button = new QPushButton(to_qstring(text), parent);
        button->setCheckable(flags & ButtonFlag::Toggle);
        QObject::connect(button, &QPushButton::clicked, button,
                         [button, number] { queue_gadget_event(button, number, EventType::LeftClick); });
        watch_button_mouse(button, number);
        return button;
    });
}

void create_image_button_gadget(int number, int x, int y, int width, int height, int image, unsigned flags) {
    add_gadget<QPushButton>(number, GadgetKind::ImageButton, x, y, width, height, [&](QWidget* parent) {
        auto* button = flags & ButtonFlag::Flat ? new FlatPictureButton(parent) : new QPushButton(parent);
        button->setCheckable(flags & ButtonFlag::Toggle);
        // A flat picture takes no keyboard focus, so no focus frame is ever drawn over it.
        if (flags & ButtonFlag::Flat) button->setFocusPolicy(Qt::NoFocus);
        show_on_button(*button, image);
        QObject::connect(button, &QPushButton::clicked, button,
                         [button, number] { queue_gadget_event(button, number, EventType::LeftClick); });
        watch_button_mouse(button, number);
        return button;
    });
}

void create_image_gadget(int number, int x, int y, int width, int height, int image) {
    add_gadget<ImageWidget>(number, GadgetKind::Image, x, y, width, height, [&](QWidget* parent) {
        auto* widget = new ImageWidget(number, parent);
        widget->setProperty(gadget_image_property, image);
        widget->picture = pixmap_of(image);
        return widget;
    });
}

void create_progress_gadget(int number, int x, int y, int width, int height, int minimum, int maximum) {
    add_gadget<QProgressBar>(number, GadgetKind::Progress, x, y, width, height, [&](QWidget* parent) {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        bar->setRange(minimum, std::max(minimum, maximum));
        bar->setValue(minimum);
        return bar;
    });
}

void create_canvas_gadget(int number, int x, int y, int width, int height) {
    add_gadget<CanvasWidget>(number, GadgetKind::Canvas, x, y, width, height, [&](QWidget* parent) {
        auto* canvas = new CanvasWidget(number, parent);
        canvas->resize(width, height);
        canvas->fit_surface();
        return canvas;
    });
}

void create_string_gadget(int number, int x, int y, int width, int height, const std::string& text) {
    add_gadget<QLineEdit>(number, GadgetKind::String, x, y, width, height, [&](QWidget* parent) {
        auto* edit = new QLineEdit(to_qstring(text), parent);
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [edit, number] { queue_gadget_event(edit, number, EventType::Change); });
        return edit;
    });
}

QFont shrunk_to_fit(QFont font, const std::function<bool(const QFont&)>& fits) {
    constexpr qreal smallest_size = 4, size_step = 0.5;
    const bool in_points = font.pointSizeF() > 0;
    qreal size = in_points ? font.pointSizeF() : font.pixelSize();
    while (size > smallest_size && !fits(font)) {
        size -= in_points ? size_step : 1;
        if (in_points) font.setPointSizeF(size);
        else font.setPixelSize(int(size));
    }
    return font;
}

void create_checkbox_gadget(int number, int x, int y, int width, int height, const std::string& text) {
    add_gadget<QCheckBox>(number, GadgetKind::Checkbox, x, y, width, height, [&](QWidget* parent) {
        auto* box = new FittingCheckBox(to_qstring(text), parent);
        QObject::connect(box, &QCheckBox::clicked, box,
                         [box, number] { queue_gadget_event(box, number, EventType::LeftClick); });
        return box;
    });
}

void create_spin_gadget(int number, int x, int y, int width, int height, int minimum, int maximum) {
    add_gadget<QSpinBox>(number, GadgetKind::Spin, x, y, width, height, [&](QWidget* parent) {
        auto* spin = new QSpinBox(parent);
        spin->setRange(minimum, std::max(minimum, maximum));
        // set_state() blocks the signal, so only the user's changes come here.
        QObject::connect(spin, &QSpinBox::valueChanged, spin,
                         [spin, number] { queue_gadget_event(spin, number, EventType::Change); });
        return spin;
    });
}

namespace {

// A spin box whose text is never corrected: no keystroke is refused, and
// leaving the field keeps the text. Only the arrows write a number.
class TypedSpinBox final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }
    void fixup(QString&) const override {}

    int valueFromText(const QString& text) const override {
        bool number = false;
        const qlonglong value = text.trimmed().toLongLong(&number);
        return number ? int(std::clamp<qlonglong>(value, minimum(), maximum())) : minimum();
    }

    // The typed text stands for its own value; only a new value is written out.
    QString textFromValue(int value) const override {
        const QString typed = lineEdit()->text();
        if (!typed.isEmpty() && valueFromText(typed) == value) return typed;
        return QString::number(value);
    }

    // The program's value replaces whatever was typed.
    void show_value(int value) {
        lineEdit()->setText(QString::number(std::clamp(value, minimum(), maximum())));
        setValue(value);
    }
};

}  // namespace

void create_typed_spin_gadget(int number, int x, int y, int width, int height, int minimum, int maximum) {
    add_gadget<QSpinBox>(number, GadgetKind::Spin, x, y, width, height, [&](QWidget* parent) {
        auto* spin = new TypedSpinBox(parent);
        spin->setRange(minimum, std::max(minimum, maximum));
        QObject::connect(spin, &QSpinBox::textChanged, spin,
                         [spin, number] { queue_gadget_event(spin, number, EventType::Change); });
        return spin;
    });
}

void create_slider_gadget(int number, int x, int y, int width, int height, int minimum, int maximum) {
    add_gadget<QSlider>(number, GadgetKind::Slider, x, y, width, height, [&](QWidget* parent) {
        auto* slider = new QSlider(height > width ? Qt::Vertical : Qt::Horizontal, parent);
        slider->setRange(minimum, std::max(minimum, maximum));
        QObject::connect(slider, &QSlider::valueChanged, slider,
                         [slider, number] { queue_gadget_event(slider, number, EventType::Change); });
        return slider;
    });
}

void open_container_gadget(int number, int x, int y, int width, int height, bool border) {
    auto* frame = add_gadget<QFrame>(number, GadgetKind::Container, x, y, width, height, [&](QWidget* parent) {
        auto* container = new QFrame(parent);
        if (border) container->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return container;
    });
    if (frame) state().gadget_lists.push_back(frame);
}

bool reopen_container_gadget(int number) {
    const Gadget* g = gadget_entry(number);
    if (!g || g->kind != GadgetKind::Container || !g->widget) return false;
    state().gadget_lists.push_back(g->widget);
    return true;
}

void close_container_gadget() {
    auto& lists = state().gadget_lists;
    // The window itself stays the list.
    if (lists.size() > 1) lists.pop_back();
}

bool gadget_exists(int number) { return gadget_entry(number) != nullptr; }

void free_gadget(int number) {
    State& s = state();
    const auto found = s.gadgets.find(number);
    if (found == s.gadgets.end()) return;
    QWidget* widget = found->second.widget.data();
    s.gadgets.erase(found);
    if (!widget) return;
    end_drawing_inside(widget);
    delete widget;
    // A container takes its gadgets with it.
    std::erase_if(s.gadgets, [](const auto& g) { return g.second.widget.isNull(); });
}

void set_text(int number, const std::string& text) {
    const Gadget* g = gadget_entry(number);
    if (!g) return;
    const QString t = to_qstring(text);
    switch (g->kind) {
    case GadgetKind::Text:
    case GadgetKind::Hyperlink: static_cast<QLabel*>(g->widget.data())->setText(t); break;
    case GadgetKind::Button:
    case GadgetKind::Checkbox: static_cast<QAbstractButton*>(g->widget.data())->setText(t); break;
    case GadgetKind::String: static_cast<QLineEdit*>(g->widget.data())->setText(t); break;
    case GadgetKind::ImageButton:
    case GadgetKind::Image:
    case GadgetKind::Progress:
    case GadgetKind::Canvas:
    case GadgetKind::Container:
    case GadgetKind::Spin:
    case GadgetKind::Slider:
    case GadgetKind::Combo:  // a drop-down list's lines are its items
    case GadgetKind::FolderTree:
    case GadgetKind::FileList:
    case GadgetKind::List:
    case GadgetKind::Splitter:
    case GadgetKind::Panel: break;  // a panel's tabs have their own texts
    case GadgetKind::Editor:
    case GadgetKind::Frame:
    case GadgetKind::Calendar:
    case GadgetKind::DateField: set_own_kind_text(*g, t); break;
    }
}

std::string gadget_text(int number) {
    const Gadget* g = gadget_entry(number);
    if (!g) return {};
    switch (g->kind) {
    case GadgetKind::Text:
    case GadgetKind::Hyperlink: return to_utf8(static_cast<QLabel*>(g->widget.data())->text());
    case GadgetKind::Button:
    case GadgetKind::Checkbox: return to_utf8(static_cast<QAbstractButton*>(g->widget.data())->text());
    case GadgetKind::String: return to_utf8(static_cast<QLineEdit*>(g->widget.data())->text());
    case GadgetKind::ImageButton:
    case GadgetKind::Image:
    case GadgetKind::Progress:
    case GadgetKind::Canvas:
    case GadgetKind::Container:
    case GadgetKind::Slider:
    case GadgetKind::FolderTree:
    case GadgetKind::FileList:
    case GadgetKind::List:
    case GadgetKind::Splitter:
    case GadgetKind::Panel: return {};
    case GadgetKind::Spin: return to_utf8(static_cast<QSpinBox*>(g->widget.data())->text());
    case GadgetKind::Combo: return combo_current_text(g->widget.data());
    case GadgetKind::Editor:
    case GadgetKind::Frame:
    case GadgetKind::Calendar:
    case GadgetKind::DateField: return own_kind_text(*g);
    }
    return {};
}

void set_state(int number, int value) {
    if (auto* bar = gadget_as<QProgressBar>(number, {GadgetKind::Progress})) {
        // The bar ignores values outside its range instead of clamping them.
        bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
    } else if (auto* spin = gadget_as<QSpinBox>(number, {GadgetKind::Spin})) {
        const QSignalBlocker quiet(spin);
        if (auto* typed = dynamic_cast<TypedSpinBox*>(spin)) typed->show_value(value);
        else spin->setValue(value);
    } else if (auto* slider = gadget_as<QSlider>(number, {GadgetKind::Slider})) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    } else if (auto* button = gadget_as<QAbstractButton>(
                   number, {GadgetKind::Button, GadgetKind::ImageButton, GadgetKind::Checkbox})) {
        if (button->isCheckable()) button->setChecked(value != 0);
    } else if (auto* splitter = gadget_as<QSplitter>(number, {GadgetKind::Splitter})) {
        set_splitter_position(*splitter, value);
    }
}

int gadget_state(int number) {
    if (const auto* bar = gadget_as<QProgressBar>(number, {GadgetKind::Progress})) return bar->value();
    if (const auto* spin = gadget_as<QSpinBox>(number, {GadgetKind::Spin})) return spin->value();
    if (const auto* slider = gadget_as<QSlider>(number, {GadgetKind::Slider})) return slider->value();
    if (const auto* button =
            gadget_as<QAbstractButton>(number, {GadgetKind::Button, GadgetKind::ImageButton, GadgetKind::Checkbox}))
        return button->isChecked() ? 1 : 0;
    if (const auto* splitter = gadget_as<QSplitter>(number, {GadgetKind::Splitter})) return splitter->sizes().value(0);
    return 0;
}

void set_gadget_image(int number, int image) {
    if (auto* widget = gadget_as<ImageWidget>(number, {GadgetKind::Image})) {
        widget->setProperty(gadget_image_property, image);
        widget->picture = pixmap_of(image);
        widget->update();
    } else if (auto* button = gadget_as<QPushButton>(number, {GadgetKind::ImageButton})) {
        show_on_button(*button, image);
    }
}

void set_tooltip(int number, const std::string& text) {
    if (QWidget* w = gadget_widget(number)) w->setToolTip(to_qstring(text));
}

void set_gadget_font(int number, int font) {
    if (QWidget* w = gadget_widget(number)) w->setFont(font_of(font));
}

void set_gadget_language(int number, const std::string& locale_name) {
    if (QWidget* w = gadget_widget(number)) w->setLocale(QLocale(to_qstring(locale_name)));
}

void set_gadget_front_colour(int number, Colour colour) {
    QWidget* w = gadget_widget(number);
    if (!w) return;
    QPalette palette = w->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, to_qcolor(colour));
    w->setPalette(palette);
}

void set_gadget_back_colour(int number, Colour colour) {
    QWidget* w = gadget_widget(number);
    if (!w) return;
    QPalette palette = w->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, to_qcolor(colour));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

void move_gadget(int number, int x, int y, int width, int height) {
    QWidget* w = gadget_widget(number);
    if (!w) return;
    const QRect now = w->geometry();
    w->setGeometry(x < 0 ? now.x() : x, y < 0 ? now.y() : y, width < 0 ? now.width() : width,
                   height < 0 ? now.height() : height);
}

int gadget_x(int number) {
    const QWidget* w = gadget_widget(number);
    return w ? w->x() : 0;
}

int gadget_y(int number) {
    const QWidget* w = gadget_widget(number);
    return w ? w->y() : 0;
}

int gadget_width(int number) {
    const QWidget* w = gadget_widget(number);
    return w ? w->width() : 0;
}

int gadget_height(int number) {
    const QWidget* w = gadget_widget(number);
    return w ? w->height() : 0;
}

void lower_gadget(int number) {
    if (QWidget* w = gadget_widget(number)) w->lower();
}

void hide_gadget(int number, bool hidden) {
    if (QWidget* w = gadget_widget(number)) w->setHidden(hidden);
}

void disable_gadget(int number, bool disabled) {
    if (QWidget* w = gadget_widget(number)) w->setDisabled(disabled);
}

}  // namespace rt
