// The notes and viewer subsystem's run-time state: the notes window's
// new-note flag, what the text viewer shows, and the picture window's
// animation. Held in memory only (a member of the global state, so a fresh
// state starts it afresh).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "rt/animation.h"

namespace notes {

// The encoding a text was read in; defined with its codecs in notes/text_codec.h.
enum class TextEncoding;

struct TextViewer {
    std::string path;               // the file shown; "" before one is read
    TextEncoding encoding{};        // the encoding its mark announced; saved back in it
    bool crlf_line_breaks = false;  // its first line break was CR LF: saved back with CR LF
};

struct PictureWindow {
    // The frames of an animated picture, each with its delay; empty for a still one.
    std::vector<rt::AnimationFrame> frames;
    std::size_t frame = 0;  // the frame shown
    int shown_width = 0;    // the picture's size in the window, pixels
    int shown_height = 0;
};

struct NotesRun {
    // Set by "Nouvelle (New Note)", cleared by a save.
    bool new_note = false;
    TextViewer viewer;
    PictureWindow picture;
};

}  // namespace notes
