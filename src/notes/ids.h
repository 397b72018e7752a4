// Numbers of the notes and viewer windows' gadgets and of the picture they
// show; gadget numbers are unique across all windows.
#pragma once

namespace notes {

enum Gadget : int {
    // Picture window: a still picture fills it, an animated one is drawn on a canvas.
    GadgetPicture = 0,
    GadgetAnimation = 5,
    // Text viewer: the editor of the viewed text.
    GadgetViewerText = 203,
    // Notes window: the editor of the note.
    GadgetNoteText = 204,
};

enum Image : int {
    ImagePicture = 0,  // the picture window's picture, shared by every picture window
};

}  // namespace notes
