#include "kit.h"

#include <QLineF>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace imagegen {

using namespace palette;

namespace {

QPen round_pen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPointF on_circle(QPointF c, qreal r, qreal degrees) {
    // Qt's angles: 0 at three o'clock, counter-clockwise, with y growing down.
    const qreal a = degrees * std::numbers::pi / 180;
    return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

}  // namespace

QColor edge(const QColor& fill) { return fill.darker(165); }

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, QColor line, qreal width) {
    if (!line.isValid()) line = edge(fill);
    p.save();
    p.setBrush(fill);
    p.setPen(width > 0 ? round_pen(line, width) : QPen(Qt::NoPen));
    p.drawPath(path);
    p.restore();
}

void box(QPainter& p, const QRectF& r, const QColor& fill, qreal radius) {
    QPainterPath path;
    if (radius > 0) path.addRoundedRect(r, radius, radius);
    else path.addRect(r);
    shape(p, path, fill);
}

void disc(QPainter& p, QPointF centre, qreal radius, const QColor& fill) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    shape(p, path, fill);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(round_pen(colour, width));
    p.drawPath(path);
    p.restore();
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width) {
    p.save();
    p.setPen(round_pen(colour, width));
    p.drawLine(a, b);
    p.restore();
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) path.moveTo(point);
        else path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

namespace {

void arrow_head(QPainter& p, QPointF tip, qreal direction_deg, const QColor& colour, qreal head) {
    // The two back corners of the head, 28 degrees either side of the shaft.
    const qreal back = direction_deg + 180;
    const QPointF left = on_circle(tip, head, back - 28);
    const QPointF right = on_circle(tip, head, back + 28);
    shape(p, polygon({tip, left, right}), colour, colour, 0.6);
}

}  // namespace

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width, qreal head) {
    const QLineF shaft(from, to);
    // Stop the shaft inside the head so its round end does not poke out.
    QLineF shortened = shaft;
    shortened.setLength(std::max<qreal>(0, shaft.length() - head * 0.6));
    line(p, shortened.p1(), shortened.p2(), colour, width);
    arrow_head(p, to, shaft.angle(), colour, head);
}

void arc_arrow(QPainter& p, QPointF centre, qreal radius, qreal start, qreal sweep, const QColor& colour, qreal width,
               qreal head) {
    const QRectF bounds(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    // Leave room for the head at the end of the arc.
    const qreal head_sweep = (head * 0.6 / radius) * 180 / std::numbers::pi * (sweep < 0 ? -1 : 1);
    QPainterPath path;
    path.arcMoveTo(bounds, start);
    path.arcTo(bounds, start, sweep - head_sweep);
    stroke(p, path, colour, width);
    const qreal end = start + sweep;
    const QPointF tip = on_circle(centre, radius, end);
    // The tangent at the end, in the direction of travel.
    const qreal direction = end + (sweep > 0 ? 90 : -90);
    // Aim the head slightly inwards, as the arc bends under it.
    arrow_head(p, tip, direction + (sweep > 0 ? 12 : -12), colour, head);
}

void glyph_plus(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width) {
    const qreal h = size / 2;
    line(p, {c.x() - h, c.y()}, {c.x() + h, c.y()}, colour, width);
    line(p, {c.x(), c.y() - h}, {c.x(), c.y() + h}, colour, width);
}

void glyph_minus(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width) {
    line(p, {c.x() - size / 2, c.y()}, {c.x() + size / 2, c.y()}, colour, width);
}

void glyph_cross(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width) {
    const qreal h = size / 2;
    line(p, {c.x() - h, c.y() - h}, {c.x() + h, c.y() + h}, colour, width);
    line(p, {c.x() + h, c.y() - h}, {c.x() - h, c.y() + h}, colour, width);
}

void glyph_check(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width) {
    const qreal h = size / 2;
    QPainterPath path;
    path.moveTo(c.x() - h, c.y());
    path.lineTo(c.x() - h * 0.25, c.y() + h * 0.7);
    path.lineTo(c.x() + h, c.y() - h * 0.7);
    stroke(p, path, colour, width);
}

void glyph_info(QPainter& p, QPointF c, qreal height, const QColor& colour) {
    const qreal u = height / 8;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(c.x(), c.y() - 2.9 * u), 1.05 * u, 1.05 * u);
    p.drawRect(QRectF(c.x() - 1 * u, c.y() - 1.2 * u, 2 * u, 5.2 * u));
    p.drawRect(QRectF(c.x() - 1.8 * u, c.y() - 1.2 * u, 1 * u, 0.9 * u));
    p.drawRect(QRectF(c.x() - 1.8 * u, c.y() + 3.2 * u, 3.6 * u, 0.9 * u));
    p.restore();
}

void glyph_question(QPainter& p, QPointF c, qreal height, const QColor& colour) {
    const qreal u = height / 8;
    QPainterPath path;
    path.moveTo(c.x() - 1.9 * u, c.y() - 1.8 * u);
    path.cubicTo(c.x() - 1.9 * u, c.y() - 4.3 * u, c.x() + 2.2 * u, c.y() - 4.3 * u, c.x() + 2.1 * u, c.y() - 1.8 * u);
    path.cubicTo(c.x() + 2.0 * u, c.y() - 0.2 * u, c.x(), c.y() - 0.2 * u, c.x(), c.y() + 1.4 * u);
    stroke(p, path, colour, 1.6 * u);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(c.x(), c.y() + 3.3 * u), 1.0 * u, 1.0 * u);
    p.restore();
}

void glyph_capital_a(QPainter& p, const QRectF& b, const QColor& colour, qreal width) {
    QPainterPath path;
    path.moveTo(b.left(), b.bottom());
    path.lineTo(b.center().x(), b.top());
    path.lineTo(b.right(), b.bottom());
    path.moveTo(b.left() + b.width() * 0.24, b.top() + b.height() * 0.66);
    path.lineTo(b.right() - b.width() * 0.24, b.top() + b.height() * 0.66);
    stroke(p, path, colour, width);
}

void glyph_small_a(QPainter& p, const QRectF& b, const QColor& colour, qreal width) {
    QPainterPath path;
    const qreal r = std::min(b.width(), b.height()) / 2 - width / 2;
    path.addEllipse(QPointF(b.right() - width / 2 - r, b.center().y()), r, r);
    path.moveTo(b.right() - width / 2, b.top() + width / 2);
    path.lineTo(b.right() - width / 2, b.bottom());
    stroke(p, path, colour, width);
}

void glyph_digit(QPainter& p, int digit, const QRectF& b, const QColor& colour, qreal width) {
    const auto at = [&](qreal x, qreal y) { return QPointF(b.left() + x * b.width(), b.top() + y * b.height()); };
    QPainterPath path;
    switch (digit) {
    case 1:
        path.moveTo(at(0.2, 0.25));
        path.lineTo(at(0.58, 0));
        path.lineTo(at(0.58, 1));
        path.moveTo(at(0.15, 1));
        path.lineTo(at(0.95, 1));
        break;
    case 2:
        path.moveTo(at(0.05, 0.27));
        path.cubicTo(at(0.1, -0.08), at(0.95, -0.08), at(0.95, 0.28));
        path.cubicTo(at(0.95, 0.55), at(0.05, 0.7), at(0.05, 1));
        path.lineTo(at(1, 1));
        break;
    default:  // 3
        path.moveTo(at(0.05, 0.15));
        path.cubicTo(at(0.25, -0.05), at(0.95, -0.05), at(0.92, 0.25));
        path.cubicTo(at(0.9, 0.45), at(0.6, 0.47), at(0.4, 0.47));
        path.moveTo(at(0.4, 0.47));
        path.cubicTo(at(0.75, 0.47), at(1, 0.58), at(0.98, 0.75));
        path.cubicTo(at(0.95, 1.05), at(0.2, 1.08), at(0.02, 0.86));
        break;
    }
    stroke(p, path, colour, width);
}

void badge(QPainter& p, QPointF c, qreal radius, const QColor& fill) {
    // A white halo keeps the badge apart from the picture under it.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawEllipse(c, radius + 1, radius + 1);
    p.restore();
    disc(p, c, radius, fill);
}

void sign_play(QPainter& p, const QRectF& r, const QColor& fill) {
    shape(p, polygon({r.topLeft(), {r.right(), r.center().y()}, r.bottomLeft()}), fill);
}

void sign_pause(QPainter& p, const QRectF& r, const QColor& fill) {
    const qreal bar = r.width() * 0.36;
    box(p, QRectF(r.left(), r.top(), bar, r.height()), fill, 0.5);
    box(p, QRectF(r.right() - bar, r.top(), bar, r.height()), fill, 0.5);
}

void sign_stop(QPainter& p, const QRectF& r, const QColor& fill) { box(p, r, fill, 1); }

void sign_next(QPainter& p, const QRectF& r, const QColor& fill) {
    const qreal bar = std::max<qreal>(2, r.width() * 0.22);
    shape(p, polygon({r.topLeft(), {r.right() - bar - 0.5, r.center().y()}, r.bottomLeft()}), fill);
    box(p, QRectF(r.right() - bar, r.top(), bar, r.height()), fill);
}

void sign_previous(QPainter& p, const QRectF& r, const QColor& fill) {
    const qreal bar = std::max<qreal>(2, r.width() * 0.22);
    box(p, QRectF(r.left(), r.top(), bar, r.height()), fill);
    shape(p, polygon({r.topRight(), {r.left() + bar + 0.5, r.center().y()}, r.bottomRight()}), fill);
}

void page(QPainter& p, const QRectF& r, const QColor& fill, int text_lines) {
    const qreal ear = std::min(r.width(), r.height()) * 0.3;
    shape(
        p,
        polygon({r.topLeft(), {r.right() - ear, r.top()}, {r.right(), r.top() + ear}, r.bottomRight(), r.bottomLeft()}),
        fill, grey);
    shape(p, polygon({{r.right() - ear, r.top()}, {r.right() - ear, r.top() + ear}, {r.right(), r.top() + ear}}),
          silver, grey);
    for (int i = 0; i < text_lines; ++i) {
        const qreal y = std::floor(r.top() + ear + 1.5 + i * 2.5) + 0.5;
        if (y > r.bottom() - 1.5) break;
        const qreal right = (i % 3 == 2) ? r.center().x() + 0.5 : r.right() - 2;
        line(p, {r.left() + 2, y}, {right, y}, grey, 1);
    }
}

void folder(QPainter& p, const QRectF& r, bool open) {
    const QColor back = yellow.darker(118);
    const qreal tab_w = r.width() * 0.42, tab_h = std::max<qreal>(2, r.height() * 0.2);
    shape(p,
          polygon({{r.left(), r.top() + tab_h},
                   r.topLeft(),
                   {r.left() + tab_w - 1, r.top()},
                   {r.left() + tab_w + 1, r.top() + tab_h},
                   {r.right(), r.top() + tab_h},
                   r.bottomRight(),
                   r.bottomLeft()}),
          back);
    if (open) {
        // The front flap leans forward, showing the back of the folder.
        shape(p,
              polygon({{r.left() + r.width() * 0.2, r.top() + tab_h * 2.2},
                       {r.right() + 1, r.top() + tab_h * 2.2},
                       {r.right() - r.width() * 0.12, r.bottom()},
                       r.bottomLeft()}),
              yellow);
    } else {
        box(p, QRectF(r.left(), r.top() + tab_h * 2, r.width(), r.height() - tab_h * 2), yellow);
    }
}

void clock_face(QPainter& p, QPointF c, qreal r, qreal hour_deg, qreal minute_deg, const QColor& rim,
                bool second_hand) {
    QPainterPath face;
    face.addEllipse(c, r, r);
    shape(p, face, paper, rim, std::max<qreal>(1.2, r * 0.2));
    // Hour marks only where there is room for them.
    if (r >= 8)
        for (int i = 0; i < 12; i += 3)
            line(p, on_circle(c, r * 0.62, i * 30), on_circle(c, r * 0.75, i * 30), grey, r * 0.1);
    // Clockwise from twelve, in degrees of the dial.
    const auto hand = [&](qreal dial_deg, qreal length, const QColor& colour, qreal width) {
        line(p, c, on_circle(c, length, 90 - dial_deg), colour, width);
    };
    hand(hour_deg, r * 0.5, ink, std::max<qreal>(1.2, r * 0.2));
    hand(minute_deg, r * 0.75, ink, std::max<qreal>(1, r * 0.14));
    if (second_hand) hand(hour_deg + 150, r * 0.72, red, std::max<qreal>(0.9, r * 0.1));
}

void floppy(QPainter& p, const QRectF& r, const QColor& fill) {
    const qreal cut = r.width() * 0.18;
    shape(
        p,
        polygon({r.topLeft(), {r.right() - cut, r.top()}, {r.right(), r.top() + cut}, r.bottomRight(), r.bottomLeft()}),
        fill);
    // Shutter at the top, label at the bottom.
    const qreal w = r.width();
    box(p, QRectF(r.left() + w * 0.25, r.top(), w * 0.45, r.height() * 0.3), silver);
    box(p, QRectF(r.left() + w * 0.16, r.top() + r.height() * 0.52, w * 0.68, r.height() * 0.48), paper);
}

void pencil(QPainter& p, QPointF tip, QPointF end, qreal width) {
    const QLineF axis(tip, end);
    const qreal length = axis.length();
    const QLineF unit = axis.unitVector();
    const QPointF along = unit.p2() - unit.p1();
    const QPointF across(-along.y(), along.x());
    const qreal h = width / 2;
    const auto at = [&](qreal t, qreal side) { return tip + along * t + across * side; };
    const qreal wood = std::min(length * 0.3, width * 1.2);
    const qreal eraser = std::min(length * 0.2, width * 0.9);
    // Body, then the sharpened wood, then the lead and the eraser.
    shape(p, polygon({at(wood, -h), at(length - eraser, -h), at(length - eraser, h), at(wood, h)}), orange);
    shape(p, polygon({at(0, 0), at(wood, -h), at(wood, h)}), QColor(0xF3, 0xD9, 0xB1), brown, 0.8);
    shape(p, polygon({at(0, 0), at(wood * 0.4, -h * 0.4), at(wood * 0.4, h * 0.4)}), ink, ink, 0.5);
    shape(p, polygon({at(length - eraser, -h), at(length, -h), at(length, h), at(length - eraser, h)}),
          QColor(0xF2, 0x8F, 0xA6));
}

void push_pin(QPainter& p, QPointF point, qreal s) {
    // Needle down to `point`, head up and to the right.
    const QPointF collar = point + QPointF(2.6, -2.6) * s;
    line(p, point, collar, grey, 1.2 * s);
    const QPointF across = QPointF(2.2, 2.2) * s;
    line(p, collar - across, collar + across, red.darker(130), 1.8 * s);
    disc(p, point + QPointF(4.2, -4.2) * s, 2.4 * s, red);
}

void speaker(QPainter& p, const QRectF& r, const QColor& fill) {
    const qreal w = r.width(), h = r.height();
    shape(p,
          polygon({{r.left(), r.top() + h * 0.33},
                   {r.left() + w * 0.38, r.top() + h * 0.33},
                   {r.right(), r.top()},
                   r.bottomRight(),
                   {r.left() + w * 0.38, r.bottom() - h * 0.33},
                   {r.left(), r.bottom() - h * 0.33}}),
          fill);
}

void calendar(QPainter& p, const QRectF& r, bool day_grid) {
    box(p, r, paper, 1);
    const qreal band = std::max<qreal>(3, r.height() * 0.3);
    QPainterPath header;
    header.addRoundedRect(QRectF(r.left(), r.top(), r.width(), band), 1, 1);
    shape(p, header, red);
    // Binder rings.
    line(p, {r.left() + r.width() * 0.3, r.top() - 1}, {r.left() + r.width() * 0.3, r.top() + 1.5}, ink, 1.2);
    line(p, {r.right() - r.width() * 0.3, r.top() - 1}, {r.right() - r.width() * 0.3, r.top() + 1.5}, ink, 1.2);
    if (!day_grid) return;
    p.save();
    p.setPen(Qt::NoPen);
    const qreal top = r.top() + band + 1.5;
    const int columns = 3, rows = 2;
    const qreal cw = (r.width() - 3) / columns, ch = (r.bottom() - top - 1) / rows;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < columns; ++col) {
            p.setBrush(row == 1 && col == 1 ? blue : grey);
            p.drawRect(QRectF(r.left() + 1.5 + col * cw + cw * 0.15, top + row * ch, cw * 0.7, ch * 0.65));
        }
    p.restore();
}

void shield(QPainter& p, const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    QPainterPath outline;
    outline.moveTo(r.center().x(), r.top());
    outline.cubicTo(r.left() + w * 0.7, r.top() + h * 0.12, r.left() + w * 0.85, r.top() + h * 0.12, r.right(),
                    r.top() + h * 0.12);
    outline.lineTo(r.right(), r.top() + h * 0.5);
    outline.cubicTo(r.right(), r.top() + h * 0.78, r.center().x() + w * 0.15, r.bottom() - h * 0.05, r.center().x(),
                    r.bottom());
    outline.cubicTo(r.center().x() - w * 0.15, r.bottom() - h * 0.05, r.left(), r.top() + h * 0.78, r.left(),
                    r.top() + h * 0.5);
    outline.lineTo(r.left(), r.top() + h * 0.12);
    outline.cubicTo(r.left() + w * 0.15, r.top() + h * 0.12, r.left() + w * 0.3, r.top() + h * 0.12, r.center().x(),
                    r.top());
    // The classic quartered shield: blue and yellow.
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    const qreal mx = r.center().x(), my = r.top() + h * 0.48;
    p.fillRect(QRectF(r.left() - 1, r.top() - 1, mx - r.left() + 1, my - r.top() + 1), blue);
    p.fillRect(QRectF(mx, r.top() - 1, r.right() - mx + 1, my - r.top() + 1), yellow);
    p.fillRect(QRectF(r.left() - 1, my, mx - r.left() + 1, r.bottom() - my + 1), yellow);
    p.fillRect(QRectF(mx, my, r.right() - mx + 1, r.bottom() - my + 1), blue);
    p.restore();
    stroke(p, outline, ink, 1);
}

void gear(QPainter& p, QPointF c, qreal outer, qreal inner, int teeth, const QColor& fill) {
    QPainterPath path;
    const qreal step = 360.0 / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step;
        const QPointF points[] = {on_circle(c, inner, a - step * 0.5), on_circle(c, inner, a - step * 0.28),
                                  on_circle(c, outer, a - step * 0.18), on_circle(c, outer, a + step * 0.18),
                                  on_circle(c, inner, a + step * 0.28)};
        for (const QPointF& point : points) {
            if (path.elementCount() == 0) path.moveTo(point);
            else path.lineTo(point);
        }
    }
    path.closeSubpath();
    path.addEllipse(c, inner * 0.42, inner * 0.42);
    path.setFillRule(Qt::OddEvenFill);
    shape(p, path, fill);
}

void stopwatch(QPainter& p, QPointF c, qreal r) {
    // Crown and side button first, so the case covers their ends.
    box(p, QRectF(c.x() - 1.5, c.y() - r - 2.5, 3, 2.2), grey);
    line(p, on_circle(c, r, 45), on_circle(c, r + 1.8, 45), grey, 1.6);
    QPainterPath face;
    face.addEllipse(c, r, r);
    shape(p, face, paper, ink, 1.2);
}

void hourglass(QPainter& p, const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    const qreal cap = std::max<qreal>(1.5, h * 0.12);
    const QRectF glass(r.left() + w * 0.12, r.top() + cap, w * 0.76, h - 2 * cap);
    const QPointF waist(glass.center().x(), glass.center().y());
    shape(p,
          polygon({glass.topLeft(),
                   glass.topRight(),
                   {waist.x() + 0.6, waist.y()},
                   glass.bottomRight(),
                   glass.bottomLeft(),
                   {waist.x() - 0.6, waist.y()}}),
          QColor(0xE8, 0xF3, 0xFC), grey);
    // Sand: a little left on top, a heap below.
    shape(p,
          polygon({{glass.left() + w * 0.2, glass.top() + glass.height() * 0.3},
                   {glass.right() - w * 0.2, glass.top() + glass.height() * 0.3},
                   {waist.x(), waist.y() - 0.3}}),
          yellow, yellow.darker(130), 0.6);
    shape(p,
          polygon({{waist.x(), waist.y() + glass.height() * 0.12},
                   {glass.right() - 0.6, glass.bottom() - 0.4},
                   {glass.left() + 0.6, glass.bottom() - 0.4}}),
          yellow, yellow.darker(130), 0.6);
    box(p, QRectF(r.left(), r.top(), w, cap), brown, 0.5);
    box(p, QRectF(r.left(), r.bottom() - cap, w, cap), brown, 0.5);
}

void music_note(QPainter& p, QPointF head, qreal height, const QColor& fill) {
    const qreal rx = height * 0.24, ry = height * 0.17;
    const qreal stem_x = head.x() + rx * 0.85;
    line(p, {stem_x, head.y()}, {stem_x, head.y() - height * 0.8}, edge(fill), std::max<qreal>(1.1, height * 0.1));
    // Flag.
    QPainterPath flag;
    flag.moveTo(stem_x, head.y() - height * 0.8);
    flag.cubicTo(stem_x + height * 0.05, head.y() - height * 0.55, stem_x + height * 0.45, head.y() - height * 0.55,
                 stem_x + height * 0.3, head.y() - height * 0.3);
    stroke(p, flag, edge(fill), std::max<qreal>(1.1, height * 0.1));
    p.save();
    p.translate(head);
    p.rotate(-20);
    QPainterPath note;
    note.addEllipse(QPointF(0, 0), rx, ry);
    shape(p, note, fill);
    p.restore();
}

void list_lines(QPainter& p, const QRectF& r, int lines, const QColor& colour, int highlighted) {
    const qreal step = lines > 1 ? r.height() / (lines - 1) : 0;
    for (int i = 0; i < lines; ++i) {
        const qreal y = std::floor(r.top() + i * step) + 0.5;
        const QColor c = i == highlighted ? blue : colour;
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRect(QRectF(r.left(), y - 0.5, 2, 2));
        p.restore();
        line(p, {r.left() + 3.5, y + 0.5}, {r.right(), y + 0.5}, c, 1.4);
    }
}

void globe(QPainter& p, QPointF c, qreal r) {
    QPainterPath sphere;
    sphere.addEllipse(c, r, r);
    shape(p, sphere, blue);
    // Land, clipped to the sphere.
    p.save();
    p.setClipPath(sphere);
    shape(p,
          polygon({c + QPointF(-r * 0.85, -r * 0.45), c + QPointF(-r * 0.2, -r * 0.7), c + QPointF(r * 0.05, -r * 0.25),
                   c + QPointF(-r * 0.3, r * 0.05), c + QPointF(-r * 0.35, r * 0.7), c + QPointF(-r * 0.75, r * 0.2)}),
          green, green, 0);
    shape(p,
          polygon({c + QPointF(r * 0.35, -r * 0.9), c + QPointF(r * 0.95, -r * 0.3), c + QPointF(r * 0.7, r * 0.35),
                   c + QPointF(r * 0.3, r * 0.1)}),
          green, green, 0);
    p.restore();
    // Meridian and parallels.
    const QColor grid = QColor(255, 255, 255, 150);
    QPainterPath lines;
    lines.addEllipse(c, r * 0.45, r);
    lines.moveTo(c.x() - r, c.y());
    lines.lineTo(c.x() + r, c.y());
    lines.moveTo(c.x() - r * 0.85, c.y() - r * 0.5);
    lines.lineTo(c.x() + r * 0.85, c.y() - r * 0.5);
    lines.moveTo(c.x() - r * 0.85, c.y() + r * 0.5);
    lines.lineTo(c.x() + r * 0.85, c.y() + r * 0.5);
    stroke(p, lines, grid, std::max<qreal>(0.8, r * 0.08));
    stroke(p, sphere, edge(blue), std::max<qreal>(1, r * 0.09));
}

void window_frame(QPainter& p, const QRectF& r, const QColor& title) {
    box(p, r, paper);
    const qreal bar = std::max<qreal>(2.5, r.height() * 0.28);
    box(p, QRectF(r.left(), r.top(), r.width(), bar), title);
}

void picture_frame(QPainter& p, const QRectF& r) {
    box(p, r, sky);
    p.save();
    QPainterPath clip;
    clip.addRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setClipPath(clip);
    shape(p,
          polygon({{r.left(), r.bottom()},
                   {r.left() + r.width() * 0.35, r.top() + r.height() * 0.45},
                   {r.left() + r.width() * 0.62, r.top() + r.height() * 0.75},
                   {r.left() + r.width() * 0.78, r.top() + r.height() * 0.6},
                   r.bottomRight()}),
          green, green.darker(130), 0.8);
    p.restore();
    disc(p, {r.right() - r.width() * 0.25, r.top() + r.height() * 0.3}, std::max<qreal>(1, r.height() * 0.13), yellow);
    QPainterPath frame;
    frame.addRect(r);
    stroke(p, frame, ink, 1);
}

void paint_bucket(QPainter& p, const QRectF& r, const QColor& paint) {
    const qreal w = r.width(), h = r.height();
    // A tilted can pouring to the right, with a drop falling.
    p.save();
    p.translate(r.left() + w * 0.42, r.top() + h * 0.45);
    p.rotate(-35);
    const QRectF can(-w * 0.28, -h * 0.3, w * 0.56, h * 0.62);
    QPainterPath handle;
    handle.moveTo(can.left(), can.top());
    handle.cubicTo(can.left(), can.top() - h * 0.32, can.right(), can.top() - h * 0.32, can.right(), can.top());
    stroke(p, handle, ink, 1);
    box(p, can, silver, 1);
    box(p, QRectF(can.left(), can.top(), can.width(), h * 0.16), paint, 0.5);
    p.restore();
    QPainterPath drop;
    const QPointF tip(r.right() - w * 0.1, r.top() + h * 0.5);
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(w * 0.14, h * 0.22), tip + QPointF(w * 0.12, h * 0.38), tip + QPointF(0, h * 0.38));
    drop.cubicTo(tip + QPointF(-w * 0.12, h * 0.38), tip + QPointF(-w * 0.14, h * 0.22), tip);
    shape(p, drop, paint);
}

void desk_panel(QPainter& p, const QRectF& r, int rows) {
    const QColor slot_colours[] = {blue, orange, green, red, yellow, purple, teal, sky, QColor(0xF2, 0x8F, 0xA6)};
    box(p, r, ink, std::max<qreal>(1, r.width() * 0.12));
    const qreal inset = r.width() * 0.12;
    const QRectF inner = r.adjusted(inset, inset, -inset, -inset);
    const qreal cell = (inner.width() - 2 * inset * 0.6) / 3;
    const qreal gap = inset * 0.6;
    const qreal strip = cell * 1.3;
    // The clock strip, with its time as two dark strokes.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(lime);
    p.drawRect(QRectF(inner.left(), inner.top(), inner.width(), strip));
    p.setBrush(ink);
    const qreal digit_h = strip * 0.5, digit_w = inner.width() * 0.16;
    for (int i = 0; i < 4; ++i) {
        const qreal x = inner.left() + inner.width() * 0.1 + i * (digit_w + inner.width() * 0.06) +
                        (i >= 2 ? inner.width() * 0.08 : 0);
        p.drawRect(QRectF(x, inner.top() + strip * 0.25, digit_w, digit_h));
    }
    p.restore();
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF slot(inner.left() + col * (cell + gap), inner.top() + strip + gap + row * (cell + gap), cell,
                              cell);
            if (slot.bottom() > inner.bottom() + 0.01) continue;
            p.fillRect(slot, slot_colours[(row * 3 + col) % 9]);
        }
}

}  // namespace imagegen
