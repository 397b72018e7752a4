// Status bars: a QStatusBar laid over the bottom of a numbered window, its
// fields plain labels.
#include "rt/status_bar.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include "rt/internal.h"

namespace rt {

namespace {

constexpr const char* bar_name = "vd_status_bar";

// Keeps the bar along the bottom of its window as the window changes size.
class BarPlacer final : public QObject {
public:
    BarPlacer(QStatusBar* bar, QWidget* window) : QObject(bar), bar_(bar) {
        window->installEventFilter(this);
        place(window);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) place(static_cast<QWidget*>(watched));
        return false;
    }

private:
    void place(const QWidget* window) {
        const int height = bar_->sizeHint().height();
        bar_->setGeometry(0, window->height() - height, window->width(), height);
    }

    QStatusBar* bar_;
};

QStatusBar* bar_of(int window) {
    WindowWidget* w = window_widget(window);
    return w ? w->findChild<QStatusBar*>(bar_name, Qt::FindDirectChildrenOnly) : nullptr;
}

QLabel* field_of(int window, int field) {
    QStatusBar* bar = bar_of(window);
    if (!bar || field < 0) return nullptr;
    for (QLabel* label : bar->findChildren<QLabel*>()) {
        const QVariant mark = label->property(bar_name);
        if (mark.isValid() && mark.toInt() == field) return label;
    }
    return nullptr;
}

}  // namespace

void create_status_bar(int window, const std::vector<int>& field_widths) {
    WindowWidget* w = window_widget(window);
    if (!w || field_widths.empty()) return;
    delete bar_of(window);
    auto* bar = new QStatusBar(w);
    bar->setObjectName(bar_name);
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < field_widths.size(); ++i) {
        auto* label = new QLabel(bar);
        label->setTextFormat(Qt::PlainText);
        label->setProperty(bar_name, int(i));
        const int width = field_widths[i];
        if (width >= 0) {
            label->setFixedWidth(width);
            bar->addWidget(label);
        } else {
            bar->addWidget(label, 1);
        }
    }
    new BarPlacer(bar, w);
    bar->raise();
    bar->show();
}

bool status_bar_exists(int window) { return bar_of(window) != nullptr; }

int status_bar_height(int window) {
    const QStatusBar* bar = bar_of(window);
    return bar ? bar->height() : 0;
}

void set_status_bar_text(int window, int field, const std::string& text) {
    if (QLabel* label = field_of(window, field)) label->setText(to_qstring(text));
}

std::string status_bar_text(int window, int field) {
    const QLabel* label = field_of(window, field);
    return label ? to_utf8(label->text()) : std::string();
}

}  // namespace rt
