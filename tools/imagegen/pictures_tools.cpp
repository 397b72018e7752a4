// Pictures of the clock bar buttons, the tool windows and the music
// information strip.
#include <cmath>
#include <numbers>

#include "core/images.h"
#include "kit.h"
#include "pictures.h"

namespace imagegen {

using namespace palette;
using P = QPointF;
using R = QRectF;

namespace {

void stopwatch_reset(QPainter& p) {
    stopwatch(p, P(8, 9.5), 5.8);
    arc_arrow(p, P(8, 9.5), 3.2, 80, 280, orange, 1.5, 3.4);
}

void stopwatch_start_stop(QPainter& p) {
    stopwatch(p, P(8, 9.5), 5.8);
    sign_play(p, R(6.5, 6.5, 5, 6), green);
}

void countdown_set(QPainter& p) {
    hourglass(p, R(1.5, 0.5, 8, 15));
    pencil(p, P(9, 15.5), P(15.5, 8.5), 3);
}

void countdown_start_stop(QPainter& p) {
    hourglass(p, R(1.5, 0.5, 8, 15));
    sign_play(p, R(9.5, 6.5, 6, 8), green);
}

void player_playlists(QPainter& p) {
    folder(p, R(0.5, 2.5, 15, 12));
    music_note(p, P(6.5, 12.5), 7.5, purple);
}

void player_play(QPainter& p) { sign_play(p, R(3.5, 2.5, 10, 11), green); }
void player_pause(QPainter& p) { sign_pause(p, R(3.5, 2.5, 9, 11), blue); }
void player_stop(QPainter& p) { sign_stop(p, R(3.5, 3.5, 9, 9), red); }
void player_next(QPainter& p) { sign_next(p, R(2.5, 3.5, 11, 9), blue); }

void player_loop(QPainter& p) {
    QPainterPath upper;
    upper.moveTo(2, 10);
    upper.lineTo(2, 7);
    upper.cubicTo(2, 5, 3, 4.5, 5, 4.5);
    stroke(p, upper, teal, 1.6);
    arrow(p, P(5, 4.5), P(12.5, 4.5), teal, 1.6, 3.4);
    QPainterPath lower;
    lower.moveTo(14, 6);
    lower.lineTo(14, 9);
    lower.cubicTo(14, 11, 13, 11.5, 11, 11.5);
    stroke(p, lower, teal, 1.6);
    arrow(p, P(11, 11.5), P(3.5, 11.5), teal, 1.6, 3.4);
}

void tool_notes(QPainter& p) {
    page(p, R(1.5, 0.5, 12, 15), cream);
    for (const qreal y : {5.0, 8.5, 12.0}) {
        box(p, R(3.5, y - 1.5, 3, 3), paper);
        line(p, P(8, y), P(11.5, y), grey, 1.2);
    }
    glyph_check(p, P(5.2, 4.6), 3.4, green, 1.4);
    glyph_check(p, P(5.2, 8.1), 3.4, green, 1.4);
}

void bell(QPainter& p, P c, qreal s) {
    QPainterPath body;
    body.moveTo(c + P(-3.2, 2) * s);
    body.cubicTo(c + P(-2.2, 1) * s, c + P(-2.6, -3.2) * s, c + P(0, -3.2) * s);
    body.cubicTo(c + P(2.6, -3.2) * s, c + P(2.2, 1) * s, c + P(3.2, 2) * s);
    body.closeSubpath();
    disc(p, c + P(0, 2.6) * s, 0.9 * s, orange.darker(140));
    shape(p, body, orange);
}

void tool_calendar(QPainter& p) {
    calendar(p, R(0.5, 1.5, 12, 11));
    bell(p, P(12, 11.5), 1);
}

void tool_web_radio(QPainter& p) {
    line(p, P(8, 6), P(5, 15), ink, 1.3);
    line(p, P(8, 6), P(11, 15), ink, 1.3);
    line(p, P(6.3, 11), P(9.7, 11), ink, 1);
    disc(p, P(8, 5), 1.6, red);
    for (const qreal r : {3.4, 6.0}) {
        const R bounds(8 - r, 5 - r, 2 * r, 2 * r);
        QPainterPath waves;
        waves.arcMoveTo(bounds, -40);
        waves.arcTo(bounds, -40, 80);
        waves.arcMoveTo(bounds, 140);
        waves.arcTo(bounds, 140, 80);
        stroke(p, waves, blue, 1.3);
    }
}

void tool_move_icons(QPainter& p) {
    const P c(8, 8);
    for (const P end : {P(8, 0.6), P(8, 15.4), P(0.6, 8), P(15.4, 8)}) arrow(p, c, end, blue.darker(120), 1.6, 3.6);
    box(p, R(6.5, 6.5, 3, 3), orange, 0.5);
}

void countdown_clock(QPainter& p) {
    line(p, P(4, 12.5), P(2.5, 15), ink, 1.3);
    line(p, P(12, 12.5), P(13.5, 15), ink, 1.3);
    disc(p, P(3.3, 3.3), 2.4, red);
    disc(p, P(12.7, 3.3), 2.4, red);
    clock_face(p, P(8, 9), 5.6, 0, 120, red);
}

void radio(QPainter& p) {
    line(p, P(4, 7), P(12, 1), grey, 1.2);
    box(p, R(0.5, 6.5, 15, 8.5), orange, 1.5);
    disc(p, P(5, 10.8), 2.6, ink);
    line(p, P(3.6, 10.8), P(6.4, 10.8), grey, 0.8);
    box(p, R(9.5, 8.5, 4, 2), cream);
    disc(p, P(11.5, 12.6), 1.1, ink);
}

void star(QPainter& p, P c, qreal outer, const QColor& fill) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? outer * 0.45 : outer;
        const qreal a = (90 + i * 36) * std::numbers::pi / 180;
        const P point(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    path.closeSubpath();
    shape(p, path, fill);
}

void playlist_new(QPainter& p) {
    list_lines(p, R(0.5, 6.5, 11, 8), 3, grey);
    music_note(p, P(9.5, 14), 6, purple);
    star(p, P(11.5, 4.5), 4.3, yellow);
}

void playlist_quit(QPainter& p) {
    box(p, R(1.5, 0.5, 9, 15), ink);
    shape(p, polygon({P(1.5, 0.5), P(7, 2.5), P(7, 15.5), P(1.5, 15.5)}), brown);
    disc(p, P(5.7, 8.5), 0.7, yellow);
    arrow(p, P(8.5, 8.5), P(15.5, 8.5), green, 1.8, 3.8);
}

void needle_on_top(QPainter& p) {
    clock_face(p, P(7, 9), 6, 300, 60, ink);
    push_pin(p, P(8.5, 7.5), 0.85);
}

void needle_background(QPainter& p) { paint_bucket(p, R(0.5, 1.5, 15, 14), blue); }

void needle_colour(QPainter& p) {
    QPainterPath palette_shape;
    palette_shape.addEllipse(R(0.5, 2.5, 15, 12));
    palette_shape.addEllipse(P(10.5, 11), 1.6, 1.6);
    palette_shape.setFillRule(Qt::OddEvenFill);
    shape(p, palette_shape, cream, brown);
    disc(p, P(4, 7.5), 1.5, red);
    disc(p, P(7.5, 5.3), 1.5, green);
    disc(p, P(11.5, 6.2), 1.5, blue);
    // A clock needle laid across the palette.
    shape(p, polygon({P(2.5, 13.5), P(9, 8.8), P(3.6, 14.6)}), ink, ink, 0.6);
}

void needle_close(QPainter& p) {
    clock_face(p, P(7, 7.5), 6.2, 300, 60, ink);
    badge(p, P(11.8, 11.8), 3.9, red);
    glyph_cross(p, P(11.8, 11.8), 3.4, paper, 1.5);
}

void notes_new(QPainter& p) {
    page(p, R(1.5, 0.5, 11, 14), cream, 4);
    badge(p, P(11.8, 11.8), 3.9, green);
    glyph_plus(p, P(11.8, 11.8), 4.4, paper, 1.6);
}

void notes_open(QPainter& p) { folder(p, R(0.5, 2.5, 14, 11.5), true); }
void notes_save(QPainter& p) { floppy(p, R(1.5, 1.5, 13, 13)); }

void notes_save_as(QPainter& p) {
    floppy(p, R(0.5, 0.5, 11, 11));
    pencil(p, P(8.5, 15.5), P(15.5, 8.5), 3);
}

void notes_background(QPainter& p) {
    page(p, R(0.5, 0.5, 11, 14), yellow);
    for (const qreal y : {5.5, 8.5}) line(p, P(2.5, y), P(9, y), ink, 1);
    QPainterPath drop;
    drop.moveTo(12.5, 7);
    drop.cubicTo(14.5, 10, 15.5, 11.5, 15.5, 12.5);
    drop.cubicTo(15.5, 16, 9.5, 16, 9.5, 12.5);
    drop.cubicTo(9.5, 11.5, 10.5, 10, 12.5, 7);
    shape(p, drop, blue);
}

void notes_text_colour(QPainter& p) {
    glyph_capital_a(p, R(3.5, 1.5, 9, 9.5), ink, 2);
    box(p, R(1.5, 12.5, 13, 2.5), red);
}

void notes_font(QPainter& p) {
    glyph_capital_a(p, R(1, 2.5, 8.5, 11), blue, 2);
    glyph_small_a(p, R(10, 7.5, 5.5, 6), ink, 1.5);
}

void notes_close(QPainter& p) {
    disc(p, P(8, 8), 6.8, red);
    glyph_cross(p, P(8, 8), 6, paper, 2);
}

void viewer_on_top(QPainter& p) {
    page(p, R(1.5, 2.5, 10, 13), paper, 4);
    push_pin(p, P(8.5, 7.5), 0.85);
}

void viewer_word_wrap(QPainter& p) {
    line(p, P(1.5, 3.5), P(14.5, 3.5), ink, 1.4);
    line(p, P(1.5, 8), P(10.5, 8), ink, 1.4);
    QPainterPath wrap;
    wrap.moveTo(10.5, 8);
    wrap.lineTo(12, 8);
    wrap.cubicTo(15, 8, 15, 12.5, 12, 12.5);
    stroke(p, wrap, blue, 1.4);
    arrow(p, P(12, 12.5), P(7, 12.5), blue, 1.4, 3.4);
    line(p, P(1.5, 12.5), P(3.5, 12.5), ink, 1.4);
}

void viewer_edit(QPainter& p) { pencil(p, P(1.5, 14.5), P(14.5, 1.5), 4.2); }

void viewer_save_as(QPainter& p) {
    floppy(p, R(0.5, 0.5, 11, 11));
    for (const qreal x : {8.5, 11.5, 14.5}) disc(p, P(x, 14), 1.2, ink);
}

// Six buttons side by side; the strip's handler tells them apart by x.
void music_info_strip(QPainter& p) {
    struct Button {
        int left, right;  // x range the click handler gives the button
    };
    constexpr Button buttons[] = {{0, 19}, {20, 37}, {38, 53}, {54, 70}, {71, 88}, {89, 103}};
    for (const Button& b : buttons) box(p, R(b.left + 0.5, 1.5, b.right - b.left - 1, 20), paper, 3);
    const auto centre = [&](int i) { return P((buttons[i].left + buttons[i].right) / 2.0, 11.5); };
    glyph_cross(p, centre(0), 7, red, 2.2);
    glyph_info(p, centre(1), 13, blue);
    const auto sign_box = [&](int i, qreal w, qreal h) {
        const P c = centre(i);
        return R(c.x() - w / 2, c.y() - h / 2, w, h);
    };
    sign_previous(p, sign_box(2, 9, 9), blue);
    sign_pause(p, sign_box(3, 8, 10), blue);
    sign_stop(p, sign_box(4, 9, 9), red);
    sign_next(p, sign_box(5, 9, 9), blue);
}

constexpr Picture pictures[] = {
    {core::ImageStopwatchReset, 16, 16, "stopwatch reset", stopwatch_reset},
    {core::ImageStopwatchStartStop, 16, 16, "stopwatch start/stop", stopwatch_start_stop},
    {core::ImageCountdownSet, 16, 16, "countdown set", countdown_set},
    {core::ImageCountdownStartStop, 16, 16, "countdown start/stop", countdown_start_stop},
    {core::ImagePlayerPlaylists, 16, 16, "player: playlists", player_playlists},
    {core::ImagePlayerPlay, 16, 16, "player: play", player_play},
    {core::ImagePlayerPause, 16, 16, "player: pause", player_pause},
    {core::ImagePlayerStop, 16, 16, "player: stop", player_stop},
    {core::ImagePlayerNext, 16, 16, "player: next", player_next},
    {core::ImagePlayerLoop, 16, 16, "player: loop", player_loop},
    {core::ImageToolNotes, 16, 16, "tool: notes", tool_notes},
    {core::ImageToolCalendar, 16, 16, "tool: scheduler", tool_calendar},
    {core::ImageToolWebRadio, 16, 16, "tool: web radio", tool_web_radio},
    {core::ImageToolMoveIcons, 16, 16, "tool: move icons", tool_move_icons},
    {core::ImageCountdownClock, 16, 16, "countdown clock", countdown_clock},
    {core::ImageRadio, 16, 16, "radio", radio},
    {core::ImageLicences, 32, 32, "licences",
     [](QPainter& p) {
         page(p, R(3.5, 1.5, 21, 27), paper);
         for (int i = 0; i < 5; ++i) {
             const qreal y = 10.5 + i * 3.5;
             line(p, P(7, y), P(i == 4 ? 14 : 20.5, y), grey, 1.3);
         }
         shape(p, polygon({P(18, 24), P(21.5, 25), P(19.5, 31), P(17.5, 29), P(15.5, 30)}), red.darker(120));
         shape(p, polygon({P(22.5, 25), P(26, 24), P(28.5, 30), P(26.5, 29), P(24.5, 31)}), red.darker(120));
         gear(p, P(22, 21), 7, 5.6, 12, red);
         disc(p, P(22, 21), 3.2, yellow);
     }},
    {core::ImagePlaylistNew, 16, 16, "new playlist", playlist_new},
    {core::ImagePlaylistQuit, 16, 16, "leave playlists", playlist_quit},
    {core::ImageNeedleOnTop, 16, 16, "needle: on top", needle_on_top},
    {core::ImageNeedleBackground, 16, 16, "needle: background", needle_background},
    {core::ImageNeedleColour, 16, 16, "needle: colour", needle_colour},
    {core::ImageNeedleClose, 16, 16, "needle: close", needle_close},
    {core::ImageNotesNew, 16, 16, "notes: new", notes_new},
    {core::ImageNotesOpen, 16, 16, "notes: open", notes_open},
    {core::ImageNotesSave, 16, 16, "notes: save", notes_save},
    {core::ImageNotesSaveAs, 16, 16, "notes: save as", notes_save_as},
    {core::ImageNotesBackground, 16, 16, "notes: background", notes_background},
    {core::ImageNotesTextColour, 16, 16, "notes: text colour", notes_text_colour},
    {core::ImageNotesFont, 16, 16, "notes: font", notes_font},
    {core::ImageNotesClose, 16, 16, "notes: close", notes_close},
    {core::ImageViewerOnTop, 16, 16, "viewer: on top", viewer_on_top},
    {core::ImageViewerWordWrap, 16, 16, "viewer: word wrap", viewer_word_wrap},
    {core::ImageViewerEdit, 16, 16, "viewer: edit", viewer_edit},
    {core::ImageViewerSaveAs, 16, 16, "viewer: save as", viewer_save_as},
    {core::ImageMusicInfoStrip, 104, 24, "music info strip", music_info_strip},
};

}  // namespace

std::span<const Picture> tool_pictures() { return pictures; }

}  // namespace imagegen
