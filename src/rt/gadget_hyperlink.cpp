// Hyperlink gadgets.
#include "rt/gadget_hyperlink.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>

#include "rt/gadget.h"
#include "rt/internal.h"

namespace rt {

namespace {

class HyperlinkWidget final : public QLabel {
public:
    HyperlinkWidget(int number, Colour hover, QWidget* parent) : QLabel(parent), number_(number), hover_(hover) {
        // The text is shown as it is, never as markup.
        setTextFormat(Qt::PlainText);
        setCursor(Qt::PointingHandCursor);
        show_as(false);
    }

protected:
    void enterEvent(QEnterEvent*) override { show_as(true); }
    void leaveEvent(QEvent*) override { show_as(false); }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton && rect().contains(at))
            queue_gadget_event(this, number_, EventType::LeftClick, at);
    }

private:
    void show_as(bool hovered) {
        QFont f = font();
        f.setUnderline(hovered);
        setFont(f);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, to_qcolor(hovered ? hover_ : link_colour));
        setPalette(p);
    }

    int number_;
    Colour hover_;
};

}  // namespace

void create_hyperlink_gadget(int number, int x, int y, int width, int height, const std::string& text,
                             Colour hover_colour) {
    free_gadget(number);
    auto& lists = state().gadget_lists;
    while (!lists.empty() && lists.back().isNull()) lists.pop_back();
    if (lists.empty()) return;
    auto* link = new HyperlinkWidget(number, hover_colour, lists.back().data());
    link->setGeometry(x, y, width, height);
    link->setText(to_qstring(text));
    link->setAttribute(Qt::WA_NoMousePropagation);
    link->show();
    state().gadgets[number] = Gadget{link, GadgetKind::Hyperlink};
}

}  // namespace rt
