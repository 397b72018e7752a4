// The drawing kit of the embedded pictures: one palette and the small shapes
// the pictures are built from. Coordinates are in a 16 x 16 design grid (the
// 32 x 32 pictures scale the painter); a 1-pixel outline sits on half-pixel
// coordinates so that it stays crisp at 16 x 16.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <initializer_list>

namespace imagegen {

// Flat colours shared by every picture.
namespace palette {
inline const QColor ink{0x2B, 0x34, 0x40};  // glyph strokes and dark panels
inline const QColor grey{0x8A, 0x93, 0x9E};
inline const QColor silver{0xD5, 0xDA, 0xE0};
inline const QColor paper{0xFF, 0xFF, 0xFF};
inline const QColor blue{0x35, 0x7D, 0xC8};
inline const QColor sky{0xA9, 0xD1, 0xF2};
inline const QColor green{0x3B, 0xA9, 0x4A};
inline const QColor red{0xDB, 0x45, 0x3A};
inline const QColor orange{0xF0, 0x8A, 0x2C};
inline const QColor yellow{0xF6, 0xC6, 0x43};
inline const QColor cream{0xFF, 0xF1, 0xB8};
inline const QColor purple{0x8C, 0x5B, 0xC6};
inline const QColor teal{0x1E, 0xA3, 0x9B};
inline const QColor brown{0xB0, 0x74, 0x3E};
inline const QColor lime{169, 236, 9};  // the program's own colour (banner square, clock bar)
}  // namespace palette

// The outline colour of a filled shape: a darker shade of its fill.
QColor edge(const QColor& fill);

// Fills `path` and outlines it with `line` (the fill's edge by default).
void shape(QPainter& p, const QPainterPath& path, const QColor& fill, QColor line = {}, qreal width = 1);
void box(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 0);
void disc(QPainter& p, QPointF centre, qreal radius, const QColor& fill);
// A stroke with round ends.
void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);
void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width = 1);
QPainterPath polygon(std::initializer_list<QPointF> points);
// A straight arrow from `from` to `to` with a filled head of `head` length.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 1.5, qreal head = 3.5);
// A circular arrow around `centre`, from `start` degrees sweeping `sweep`
// degrees (counter-clockwise positive, Qt's convention), head at the end.
void arc_arrow(QPainter& p, QPointF centre, qreal radius, qreal start, qreal sweep, const QColor& colour,
               qreal width = 1.6, qreal head = 3.2);

// Glyphs in white or any colour, centred on `c`, about `size` across.
void glyph_plus(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width = 2);
void glyph_minus(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width = 2);
void glyph_cross(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width = 2);
void glyph_check(QPainter& p, QPointF c, qreal size, const QColor& colour, qreal width = 2);
void glyph_info(QPainter& p, QPointF c, qreal height, const QColor& colour);
void glyph_question(QPainter& p, QPointF c, qreal height, const QColor& colour);
// Letters drawn as strokes in the box, so the pictures need no installed font.
void glyph_capital_a(QPainter& p, const QRectF& box, const QColor& colour, qreal width);
void glyph_small_a(QPainter& p, const QRectF& box, const QColor& colour, qreal width);
void glyph_digit(QPainter& p, int digit, const QRectF& box, const QColor& colour, qreal width);

// A round badge with an outline, for the small signs over a bottom corner.
void badge(QPainter& p, QPointF c, qreal radius, const QColor& fill);

// Media signs filling `r`.
void sign_play(QPainter& p, const QRectF& r, const QColor& fill);
void sign_pause(QPainter& p, const QRectF& r, const QColor& fill);
void sign_stop(QPainter& p, const QRectF& r, const QColor& fill);
void sign_next(QPainter& p, const QRectF& r, const QColor& fill);
void sign_previous(QPainter& p, const QRectF& r, const QColor& fill);

// Objects.
void page(QPainter& p, const QRectF& r, const QColor& fill = palette::paper, int text_lines = 0);
void folder(QPainter& p, const QRectF& r, bool open = false);
void clock_face(QPainter& p, QPointF c, qreal r, qreal hour_hand_deg, qreal minute_hand_deg,
                const QColor& rim = palette::ink, bool second_hand = false);
void floppy(QPainter& p, const QRectF& r, const QColor& fill = palette::blue);
// A pencil from its tip to the far end of its eraser.
void pencil(QPainter& p, QPointF tip, QPointF end, qreal width = 3.2);
void push_pin(QPainter& p, QPointF point, qreal size = 1);
void speaker(QPainter& p, const QRectF& r, const QColor& fill = palette::ink);
void calendar(QPainter& p, const QRectF& r, bool day_grid = true);
void shield(QPainter& p, const QRectF& r);
void gear(QPainter& p, QPointF c, qreal outer, qreal inner, int teeth, const QColor& fill);
void stopwatch(QPainter& p, QPointF c, qreal r);
void hourglass(QPainter& p, const QRectF& r);
void music_note(QPainter& p, QPointF head, qreal height, const QColor& fill);
void list_lines(QPainter& p, const QRectF& r, int lines, const QColor& colour, int highlighted = -1);
void globe(QPainter& p, QPointF c, qreal r);
void window_frame(QPainter& p, const QRectF& r, const QColor& title);
void picture_frame(QPainter& p, const QRectF& r);
void paint_bucket(QPainter& p, const QRectF& r, const QColor& paint);
// The desk: a dark, narrow panel with the clock strip on top and slots below.
void desk_panel(QPainter& p, const QRectF& r, int rows);

}  // namespace imagegen
