// Logo, program icon, the desk's own pictures and the menu pictures.
#include <QPen>

#include "core/images.h"
#include "kit.h"
#include "pictures.h"

namespace imagegen {

using namespace palette;
using P = QPointF;
using R = QRectF;

namespace {

// The desk with a clock face in front of it. The logo lands on the banner's
// lime square, so it keeps its own background transparent.
void logo(QPainter& p) {
    desk_panel(p, R(9.5, 1.5, 22, 45), 4);
    clock_face(p, P(33, 33), 10.5, 300, 60, ink);
}

// The same picture on a lime tile, so that it reads on any tray colour.
void program_icon(QPainter& p) {
    box(p, R(1.5, 1.5, 45, 45), lime, 8);
    desk_panel(p, R(9.5, 5.5, 19, 38), 4);
    clock_face(p, P(31.5, 31.5), 9.5, 300, 60, ink);
}

void elevation_badge(QPainter& p) { shield(p, R(2.5, 1.5, 11, 13)); }

void web_shortcut(QPainter& p) { globe(p, P(16, 16), 13.5); }

void slot_info(QPainter& p) {
    disc(p, P(8, 8), 6.8, blue);
    glyph_info(p, P(8, 8.2), 11, paper);
}

void slot_add(QPainter& p) {
    disc(p, P(8, 8), 6.8, green);
    glyph_plus(p, P(8, 8), 7.5, paper, 2.2);
}

void slot_paste(QPainter& p) {
    box(p, R(2.5, 2.5, 11, 12.5), brown, 1);
    box(p, R(4.5, 4.5, 7, 8.5), paper);
    line(p, P(6, 7.5), P(10, 7.5), grey);
    line(p, P(6, 10.5), P(10, 10.5), grey);
    box(p, R(5.5, 1.5, 5, 3), silver, 0.5);
}

void edit_data(QPainter& p) {
    page(p, R(1.5, 1.5, 10, 13), paper, 4);
    pencil(p, P(8.5, 14.5), P(15.5, 6.5), 3.2);
}

void slot_rename(QPainter& p) {
    QPainterPath field;
    field.addRoundedRect(R(0.5, 4.5, 15, 7), 1, 1);
    shape(p, field, paper, grey);
    line(p, P(3, 8), P(7.5, 8), ink, 2);
    line(p, P(11, 2.5), P(11, 13.5), blue, 1.3);
    line(p, P(9.5, 2), P(12.5, 2), blue, 1.3);
    line(p, P(9.5, 14), P(12.5, 14), blue, 1.3);
}

void slot_parameters(QPainter& p) {
    const qreal ys[] = {3.5, 8, 12.5};
    const qreal knobs[] = {4.5, 10.5, 7};
    const QColor colours[] = {blue, orange, green};
    for (int i = 0; i < 3; ++i) {
        line(p, P(1.5, ys[i]), P(14.5, ys[i]), grey, 1.3);
        box(p, R(knobs[i] - 1.5, ys[i] - 2, 3, 4), colours[i], 0.5);
    }
}

void slot_start_folder(QPainter& p) {
    folder(p, R(0.5, 2.5, 13, 10.5));
    sign_play(p, R(8.5, 7.5, 7, 8), green);
}

void slot_change_icon(QPainter& p) {
    picture_frame(p, R(0.5, 1.5, 12, 10));
    pencil(p, P(8.5, 15), P(15.5, 8), 3.2);
}

void slot_original_icon(QPainter& p) {
    picture_frame(p, R(0.5, 1.5, 12, 10));
    // An undo arrow, haloed in white over the picture.
    QPainterPath halo;
    halo.addEllipse(P(11.8, 11.8), 3, 3);
    stroke(p, halo, paper, 3.4);
    arc_arrow(p, P(11.8, 11.8), 3, 80, 280, orange, 1.6, 3.2);
}

void slot_move(QPainter& p) {
    box(p, R(1.5, 1.5, 6, 6), blue, 1);
    p.save();
    QPen dashed(grey, 1, Qt::DashLine);
    dashed.setDashPattern({1.5, 1.5});
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(R(8.5, 8.5, 6, 6));
    p.restore();
    line(p, P(8, 4.5), P(11.5, 4.5), green, 1.6);
    arrow(p, P(11.5, 4.5), P(11.5, 9.5), green, 1.6, 3.6);
}

void slot_remove(QPainter& p) {
    box(p, R(5.5, 1, 5, 2.5), red.darker(130), 0.5);
    line(p, P(2, 3.5), P(14, 3.5), red.darker(150), 1.6);
    shape(p, polygon({P(3.5, 5), P(12.5, 5), P(11.5, 14.5), P(4.5, 14.5)}), red);
    for (const qreal x : {6.3, 8.0, 9.7}) line(p, P(x, 7), P(x, 12.5), red.darker(150), 1);
}

void slot_run_as_admin(QPainter& p) {
    shield(p, R(0.5, 0.5, 10, 12.5));
    sign_play(p, R(8.5, 7.5, 7, 8), green);
}

void slot_toggle_admin(QPainter& p) {
    disc(p, P(5.5, 4.5), 2.8, blue);
    QPainterPath body;
    body.moveTo(0.5, 14.5);
    body.cubicTo(0.5, 8.5, 10.5, 8.5, 10.5, 14.5);
    body.closeSubpath();
    shape(p, body, blue);
    shield(p, R(8.5, 6.5, 7, 8.5));
}

void muted(QPainter& p) {
    speaker(p, R(1, 3.5, 7.5, 9), ink);
    glyph_cross(p, P(12.5, 8), 4.5, red, 1.8);
}

void sounding(QPainter& p) {
    speaker(p, R(1, 3.5, 7.5, 9), ink);
    for (const qreal r : {3.2, 6.2}) {
        QPainterPath wave;
        const R bounds(8.5 - r, 8 - r, 2 * r, 2 * r);
        wave.arcMoveTo(bounds, -45);
        wave.arcTo(bounds, -45, 90);
        stroke(p, wave, blue, 1.4);
    }
}

void delete_from_playlist(QPainter& p) {
    list_lines(p, R(0.5, 2.5, 12, 9), 4, grey);
    badge(p, P(11.5, 11.5), 3.8, red);
    glyph_minus(p, P(11.5, 11.5), 4, paper, 1.6);
}

void play_from_here(QPainter& p) {
    list_lines(p, R(5.5, 2.5, 10, 10), 4, grey, 1);
    sign_play(p, R(0.5, 3.5, 4.5, 6), green);
}

void playlists(QPainter& p) {
    // Two beamed notes.
    const QColor stem = edge(purple);
    line(p, P(6, 12), P(6, 3.5), stem, 1.3);
    line(p, P(13, 10.5), P(13, 2), stem, 1.3);
    shape(p, polygon({P(5.5, 3), P(13.5, 1.3), P(13.5, 4.3), P(5.5, 6)}), purple);
    for (const P head : {P(4, 12.3), P(11, 10.8)}) {
        p.save();
        p.translate(head);
        p.rotate(-20);
        QPainterPath note;
        note.addEllipse(P(0, 0), 2.6, 1.9);
        shape(p, note, purple);
        p.restore();
    }
}

void check_version(QPainter& p) {
    arc_arrow(p, P(8, 8), 5.4, 110, 150, green, 1.8, 3.6);
    arc_arrow(p, P(8, 8), 5.4, 290, 150, green, 1.8, 3.6);
}

void needle_clock(QPainter& p) { clock_face(p, P(8, 8), 6.6, 300, 60, ink, true); }

void page_tab(QPainter& p, int page_number, const QColor& colour) {
    QPainterPath tab;
    tab.addRoundedRect(R(2.5, 2.5, 13, 8), 2.5, 2.5);
    tab.addRoundedRect(R(2.5, 6.5, 27, 23), 3, 3);
    tab.setFillRule(Qt::WindingFill);
    shape(p, tab.simplified(), colour);
    glyph_digit(p, page_number, R(11.5, 11, 9, 14), paper, 3.2);
}

void preferences(QPainter& p) { gear(p, P(8, 8), 7.3, 5.3, 8, grey); }

void calendar_item(QPainter& p) { calendar(p, R(1.5, 2.5, 13, 12)); }

void show_hide(QPainter& p) {
    QPainterPath eye;
    eye.moveTo(0.5, 8);
    eye.quadTo(8, 0, 15.5, 8);
    eye.quadTo(8, 16, 0.5, 8);
    shape(p, eye, paper, ink, 1.1);
    disc(p, P(8, 8), 3.2, blue);
    disc(p, P(8, 8), 1.4, ink);
}

void on_top(QPainter& p) {
    window_frame(p, R(4.5, 1.5, 10, 7), grey);
    window_frame(p, R(0.5, 5.5, 10, 9), blue);
    arrow(p, P(13.5, 15.5), P(13.5, 9), green, 1.6, 3.6);
}

// A screen with the desk along one side and an arrow towards that side.
void desk_side(QPainter& p, bool left) {
    box(p, R(0.5, 1.5, 15, 11), QColor(0xE8, 0xF3, 0xFC));
    line(p, P(8, 13), P(8, 14.5), grey, 1.2);
    line(p, P(5, 14.5), P(11, 14.5), grey, 1.2);
    const qreal x = left ? 1.5 : 10.5;
    box(p, R(x, 2.5, 4, 9), ink);
    p.fillRect(R(x + 1, 3.5, 2, 2), lime);
    if (left) arrow(p, P(14, 7), P(7, 7), blue, 1.6, 3.6);
    else arrow(p, P(2, 7), P(9, 7), blue, 1.6, 3.6);
}

void desk_left(QPainter& p) { desk_side(p, true); }
void desk_right(QPainter& p) { desk_side(p, false); }

void desk_resize(QPainter& p) {
    box(p, R(2.5, 1.5, 5, 13), ink);
    p.fillRect(R(3.5, 2.5, 3, 2), lime);
    for (const qreal y : {6.0, 8.5, 11.0}) p.fillRect(R(4, y, 2, 1.5), sky);
    arrow(p, P(12, 8), P(12, 0.8), blue, 1.6, 3.6);
    arrow(p, P(12, 8), P(12, 15.2), blue, 1.6, 3.6);
}

void talking_clock(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(R(7.5, 0.5, 8, 6), 2, 2);
    bubble.moveTo(9, 6);
    bubble.lineTo(8.5, 8.5);
    bubble.lineTo(11.5, 6);
    bubble.setFillRule(Qt::WindingFill);
    shape(p, bubble.simplified(), blue);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    for (const qreal x : {9.7, 11.5, 13.3}) p.drawEllipse(P(x, 3.5), 0.8, 0.8);
    p.restore();
    clock_face(p, P(6, 10), 5.3, 90, 0, ink);
}

void help(QPainter& p) {
    disc(p, P(8, 8), 6.8, purple);
    glyph_question(p, P(8, 8), 11.5, paper);
}

// The program's logo in small: the desk on its lime tile.
void about(QPainter& p) {
    box(p, R(0.5, 0.5, 15, 15), lime, 3);
    box(p, R(3.5, 1.5, 9, 13), ink, 1);
    p.fillRect(R(5, 3, 6, 2), lime);
    const QColor cells[] = {blue, orange, green, red, yellow, purple};
    for (int i = 0; i < 6; ++i) p.fillRect(R(i % 2 ? 9 : 5, 6 + (i / 2) * 3, 2, 2), cells[i]);
}

void quit(QPainter& p) {
    disc(p, P(8, 8), 6.8, red);
    QPainterPath ring;
    const R bounds(4.6, 4.8, 6.8, 6.8);
    ring.arcMoveTo(bounds, 125);
    ring.arcTo(bounds, 125, 290);
    stroke(p, ring, paper, 1.5);
    line(p, P(8, 3.6), P(8, 8), paper, 1.5);
}

void play_file(QPainter& p) {
    music_note(p, P(5, 12.5), 11, blue);
    sign_play(p, R(9.5, 8.5, 6, 7), green);
}

constexpr Picture pictures[] = {
    {core::ImageLogo, 48, 48, "logo", logo},
    {core::ImageProgramIcon, 48, 48, "program icon", program_icon},
    {core::ImageElevationBadge, 16, 16, "elevation badge", elevation_badge},
    {core::ImageWebShortcut, 32, 32, "web shortcut", web_shortcut},
    {core::ImageSlotInfo, 16, 16, "slot info", slot_info},
    {core::ImageSlotAdd, 16, 16, "add / edit", slot_add},
    {core::ImageSlotPaste, 16, 16, "paste file name", slot_paste},
    {core::ImageEditData, 16, 16, "edit data file", edit_data},
    {core::ImageSlotRename, 16, 16, "rename", slot_rename},
    {core::ImageSlotParameters, 16, 16, "parameters", slot_parameters},
    {core::ImageSlotStartFolder, 16, 16, "start folder", slot_start_folder},
    {core::ImageSlotChangeIcon, 16, 16, "change icon", slot_change_icon},
    {core::ImageSlotOriginalIcon, 16, 16, "original icon", slot_original_icon},
    {core::ImageSlotMove, 16, 16, "move to", slot_move},
    {core::ImageSlotRemove, 16, 16, "remove", slot_remove},
    {core::ImageSlotRunAsAdmin, 16, 16, "run as admin", slot_run_as_admin},
    {core::ImageMuted, 16, 16, "muted", muted},
    {core::ImageSounding, 16, 16, "sounding", sounding},
    {core::ImageSlotToggleAdmin, 16, 16, "toggle admin", slot_toggle_admin},
    {core::ImageDelete, 16, 16, "delete from list", delete_from_playlist},
    {core::ImagePlayFromHere, 16, 16, "play from here", play_from_here},
    {core::ImagePlaylists, 16, 16, "playlists", playlists},
    {core::ImageCheckVersion, 16, 16, "check version", check_version},
    {core::ImageNeedleClock, 16, 16, "needle clock", needle_clock},
    {core::ImagePageTab1, 32, 32, "page 1 tab", [](QPainter& p) { page_tab(p, 1, blue); }},
    {core::ImagePageTab2, 32, 32, "page 2 tab", [](QPainter& p) { page_tab(p, 2, green); }},
    {core::ImagePageTab3, 32, 32, "page 3 tab", [](QPainter& p) { page_tab(p, 3, orange); }},
    {core::ImagePreferences, 16, 16, "preferences", preferences},
    {core::ImageCalendar, 16, 16, "calendar", calendar_item},
    {core::ImageShowHide, 16, 16, "show / hide", show_hide},
    {core::ImageOnTop, 16, 16, "on top", on_top},
    {core::ImageLeft, 16, 16, "desk left", desk_left},
    {core::ImageRight, 16, 16, "desk right", desk_right},
    {core::ImageResize, 16, 16, "desk height", desk_resize},
    {core::ImageTalkingClock, 16, 16, "talking clock", talking_clock},
    {core::ImageHelp, 16, 16, "help", help},
    {core::ImageAbout, 16, 16, "about", about},
    {core::ImageQuit, 16, 16, "quit", quit},
    {core::ImagePlay, 16, 16, "play file / music info", play_file},
};

}  // namespace

std::span<const Picture> desk_pictures() { return pictures; }

}  // namespace imagegen
