// The pictures the program carries inside itself, by image number. Their PNG
// bytes are made at build time by tools/imagegen, which draws each one; the
// start-up loads them into the numbered image slots of the runtime layer.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>

namespace core {

// All 16 x 16 except where the comment gives another size.
enum Image : int {
    ImageLogo = 1,            // 48 x 48, drawn over the splash and about banners
    ImageProgramIcon = 2,     // 48 x 48, the tray icon
    ImageElevationBadge = 5,  // drawn over the bottom-right quarter of an elevated slot
    ImageWebShortcut = 6,     // 32 x 32, the picture of a web slot
    ImageSlotInfo = 7,
    ImageSlotAdd = 8,  // slot "Add/Edit" and "Add to Playlist"
    ImageSlotPaste = 9,
    ImageEditData = 10,  // edit the data file
    ImageSlotRename = 11,
    ImageSlotParameters = 12,
    ImageSlotStartFolder = 13,
    ImageSlotChangeIcon = 14,
    ImageSlotOriginalIcon = 15,
    ImageSlotMove = 16,
    ImageSlotRemove = 17,
    ImageSlotRunAsAdmin = 18,
    ImageMuted = 19,     // mute icon while the music is off
    ImageSounding = 20,  // mute icon while the music is on
    ImageSlotToggleAdmin = 21,
    ImageDelete = 22,        // delete a file from the playlist
    ImagePlayFromHere = 23,  // play the playlist from this file
    ImagePlaylists = 24,     // favourite playlists submenu
    ImageCheckVersion = 25,
    ImageNeedleClock = 26,
    ImagePageTab1 = 27,  // 27 to 29: 32 x 32 tab pictures of desk pages 1 to 3
    ImagePageTab2 = 28,
    ImagePageTab3 = 29,
    ImageStationLabel1 = 32,  // 36 x 14 labels of station buttons 1 to 3 (32-34), drawn at run time
    ImagePreferences = 35,
    ImageCalendar = 36,
    ImageShowHide = 37,
    ImageOnTop = 38,
    ImageLeft = 39,  // desk to the left of the screen
    ImageRight = 40,
    ImageResize = 41,  // desk height
    ImageTalkingClock = 42,
    ImageHelp = 43,
    ImageAbout = 44,
    ImageQuit = 45,
    ImagePlay = 46,  // play one music file; also the music information item
    ImageMusicInfo = ImagePlay,
    // Clock bar: stopwatch and countdown buttons 11, 12, 10, 9.
    ImageStopwatchReset = 47,
    ImageStopwatchStartStop = 48,
    ImageCountdownSet = 49,
    ImageCountdownStartStop = 50,
    // Clock bar: player icons 28 to 33.
    ImagePlayerPlaylists = 51,
    ImagePlayerPlay = 52,
    ImagePlayerPause = 53,
    ImagePlayerStop = 54,
    ImagePlayerNext = 55,
    ImagePlayerLoop = 56,
    // Clock bar: tool icons 38, 39, 42, 41 (40 shows ImageMuted or ImageSounding).
    ImageToolNotes = 57,
    ImageToolCalendar = 58,
    ImageToolWebRadio = 59,
    ImageToolMoveIcons = 60,
    ImageCountdownClock = 61,  // picture 133 of the countdown settings window
    ImageRadio = 62,           // picture 48 of the web radio window
    ImageLicences = 63,        // 32 x 32, picture 92 of the about window
    ImagePlaylistNew = 64,     // playlist manager menu items 67, 68
    ImagePlaylistQuit = 65,
    // Needle clock menu items 59, 64, 65, 66.
    ImageNeedleOnTop = 66,
    ImageNeedleBackground = 67,
    ImageNeedleColour = 68,
    ImageNeedleClose = 69,
    // Notes menu items 76 to 83.
    ImageNotesNew = 70,
    ImageNotesOpen = 71,
    ImageNotesSave = 72,
    ImageNotesSaveAs = 73,
    ImageNotesBackground = 74,
    ImageNotesTextColour = 75,
    ImageNotesFont = 76,
    ImageNotesClose = 77,
    // Text viewer tool-bar buttons 72 to 75.
    ImageViewerOnTop = 78,
    ImageViewerWordWrap = 79,
    ImageViewerEdit = 80,
    ImageViewerSaveAs = 81,
    // 104 x 24, the buttons of the music information strip: close, information,
    // previous, pause, stop, next over x 0-19, 20-37, 38-53, 54-70, 71-88, 89-105.
    ImageMusicInfoStrip = 82,
};

struct EmbeddedImage {
    int number;
    int width;
    int height;
    const unsigned char* png;
    std::size_t size;  // bytes at `png`
};

// Every embedded image, in increasing number order.
std::span<const EmbeddedImage> embedded_images();
// Null when no embedded image has that number.
const EmbeddedImage* find_embedded_image(int number);

// Loads the embedded image into the image slot of the same number. False when
// the number has none or it does not decode; the slot is then left as it was.
bool load_embedded_image(int number);
// Loads the listed images in that order; false when any of them failed.
bool load_embedded_images(std::initializer_list<int> numbers);

}  // namespace core
