// Drawing on images and canvas gadgets through one open painter.
#include "rt/draw.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "rt/internal.h"

namespace rt {
namespace {

QPainter* painter() {
    const auto& drawing = state().drawing;
    return drawing ? &drawing->painter : nullptr;
}

// Starts a painter on `target` with the pixel-exact settings.
bool begin(QPaintDevice* target, int image, CanvasWidget* canvas) {
    stop_drawing();
    auto drawing = std::make_unique<Drawing>();
    drawing->image = image;
    drawing->canvas = canvas;
    if (!drawing->painter.begin(target)) return false;
    drawing->painter.setRenderHint(QPainter::Antialiasing, false);
    state().drawing = std::move(drawing);
    return true;
}

void fill_or_outline(QPainter& p, Colour colour, bool filled) {
    if (filled) {
        p.setPen(Qt::NoPen);
        p.setBrush(to_qcolor(colour));
    } else {
        p.setPen(QPen(to_qcolor(colour), 1));
        p.setBrush(Qt::NoBrush);
    }
}

}  // namespace

bool start_drawing_image(int image) {
    auto& images = state().images;
    const auto found = images.find(image);
    return found != images.end() && begin(&found->second, image, nullptr);
}

bool start_drawing_gadget(int canvas) {
    const Gadget* g = gadget_entry(canvas);
    if (!g || g->kind != GadgetKind::Canvas) return false;
    auto* widget = static_cast<CanvasWidget*>(g->widget.data());
    return begin(&widget->surface, -1, widget);
}

void stop_drawing() {
    auto drawing = std::move(state().drawing);
    if (!drawing) return;
    drawing->painter.end();
    if (drawing->canvas) drawing->canvas->update();
}

void end_drawing_on_image(int image) {
    const auto& drawing = state().drawing;
    if (drawing && drawing->image == image) stop_drawing();
}

void end_drawing_inside(const QWidget* widget) {
    const auto& drawing = state().drawing;
    if (drawing && drawing->canvas && widget && (drawing->canvas == widget || widget->isAncestorOf(drawing->canvas)))
        stop_drawing();
}

void draw_image(int image, int x, int y, int width, int height) {
    QPainter* p = painter();
    const QImage* source = image_of(image);
    if (!p || !source) return;
    // An image drawn onto itself is read from a copy.
    const QImage picture = image == state().drawing->image ? source->copy() : *source;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (width > 0 && height > 0) {
        p->setRenderHint(QPainter::SmoothPixmapTransform, true);
        p->drawImage(QRect(x, y, width, height), picture);
        p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    } else {
        p->drawImage(x, y, picture);
    }
}

void fill_box(int x, int y, int width, int height, Colour colour) {
    if (QPainter* p = painter()) p->fillRect(x, y, width, height, to_qcolor(colour));
}

void outline_box(int x, int y, int width, int height, Colour colour) {
    QPainter* p = painter();
    if (!p || width <= 0 || height <= 0) return;
    fill_or_outline(*p, colour, false);
    // A one-pixel pen draws one pixel past the right and bottom edges of the rectangle it is given.
    p->drawRect(x, y, width - 1, height - 1);
}

void draw_line(int x1, int y1, int x2, int y2, Colour colour) {
    QPainter* p = painter();
    if (!p) return;
    p->setPen(QPen(to_qcolor(colour), 1));
    p->drawLine(x1, y1, x2, y2);
}

void draw_circle(int x, int y, int radius, Colour colour, bool filled) {
    draw_ellipse(x, y, radius, radius, colour, filled);
}

void draw_ellipse(int x, int y, int radius_x, int radius_y, Colour colour, bool filled) {
    QPainter* p = painter();
    if (!p) return;
    fill_or_outline(*p, colour, filled);
    p->drawEllipse(QPoint(x, y), radius_x, radius_y);
}

void draw_text(int x, int y, const std::string& text, int font, Colour colour) {
    QPainter* p = painter();
    if (!p) return;
    p->setFont(font_of(font));
    p->setPen(to_qcolor(colour));
    p->drawText(QPoint(x, y + p->fontMetrics().ascent()), to_qstring(text));
}

void path_move_to(double x, double y) {
    if (auto& d = state().drawing) d->path.moveTo(x, y);
}

void path_line_to(double x, double y) {
    if (auto& d = state().drawing) d->path.lineTo(x, y);
}

void path_add_circle(double x, double y, double radius) {
    if (auto& d = state().drawing) d->path.addEllipse(QPointF(x, y), radius, radius);
}

void path_add_text(double x, double y, const std::string& text, int font, double size) {
    auto& d = state().drawing;
    if (!d) return;
    QFont f = font_of(font);
    if (size > 0) f.setPixelSize(std::max(1, int(std::lround(size))));
    d->path.addText(QPointF(x, y + QFontMetricsF(f).ascent()), f, to_qstring(text));
}

void path_close() {
    if (auto& d = state().drawing) d->path.closeSubpath();
}

void fill_path(Colour colour, int alpha) {
    auto& d = state().drawing;
    if (!d) return;
    d->painter.setRenderHint(QPainter::Antialiasing, true);
    d->painter.fillPath(d->path, to_qcolor(colour, std::clamp(alpha, 0, 255)));
    d->painter.setRenderHint(QPainter::Antialiasing, false);
    d->path = QPainterPath();
}

void stroke_path(double width, Colour colour, int alpha) {
    auto& d = state().drawing;
    if (!d) return;
    d->painter.setRenderHint(QPainter::Antialiasing, true);
    d->painter.strokePath(
        d->path, QPen(to_qcolor(colour, std::clamp(alpha, 0, 255)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    d->painter.setRenderHint(QPainter::Antialiasing, false);
    d->path = QPainterPath();
}

}  // namespace rt
