#include "app/menus.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "clock/date_texts.h"
#include "config/data_file.h"
#include "config/keys.h"
#include "core/ids.h"
#include "core/images.h"
#include "core/text.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "rt/menu.h"

namespace app {

namespace {

// One menu item: its labels at start (with the shortcut hint), in English,
// and in French after a switch. A row without an item is a separator.
struct Label {
    int item;
    int image;
    std::string_view start, english, french;
};

constexpr int separator = -1;
constexpr int no_image = -1;

constexpr Label desk_menu_head[] = {
    {core::ItemDeskPreferences, core::ImagePreferences, "Préférences\tCtrl + P", "Configuration", "Configuration"},
    {core::ItemNeedleClock, core::ImageNeedleClock, "Horloge à Aiguilles", "Needle clock", "Horloge à Aiguilles"},
    {core::ItemDeskRight, core::ImageRight, "Duzi à Droite\tCtrl + D", "Duzi on Right", "Duzi à Droite"},
    {core::ItemDeskLeft, core::ImageLeft, "Duzi à Gauche\tCtrl + G", "Duzi on Left", "Duzi à Gauche"},
    {core::ItemDeskResize, core::ImageResize, "Redimensionner\tCtrl + S", "Resize Duzi", "Redimensionner"},
    {core::ItemDeskOnTop, core::ImageOnTop, "Premier Plan\tCtrl + T", "Duzi on Top", "Duzi au Premier Plan"},
    {core::ItemDeskHide, core::ImageShowHide, "Masquer\tCtrl + H", "Hide Duzi", "Masquer le Duzi"},
    {core::ItemDeskEditData, core::ImageEditData, "Éditer INI\tCtrl + I", "Edit INI File", "Editer le fichier INI"},
};
constexpr std::string_view playlists_submenu = "PlayListes MP3/OGG";
constexpr Label playlists_edit = {core::ItemDeskEditPlaylists, no_image, "Editer", "Edit MRU",
                                  "Editer Liste PlayListes"};
constexpr Label desk_menu_tail[] = {
    {core::ItemDeskMusicInfo, core::ImageMusicInfo, "Fenêtre Info Musique\tCtrl + M", "Show Music Info",
     "Fenêtre Info Musique"},
    // Also here: without a notification area the tray menu cannot be opened.
    {core::ItemTrayPlayOne, core::ImagePlay, "Lire un MP3/OGG", "Read One MP3/OGG", "Lire un MP3/OGG"},
    {separator, no_image, {}, {}, {}},
    {core::ItemCalendar, core::ImageCalendar, "Calendrier\tCtrl + 0", "Calendar/Schedule", "Calendrier"},
    {separator, no_image, {}, {}, {}},
    {core::ItemDeskHelp, core::ImageHelp, "Afficher l'Aide\tF1", "Show Help", "Afficher l'Aide"},
    {core::ItemDeskCheckVersion, core::ImageCheckVersion, "Vérifier Version\tCtrl + V", "Check Version",
     "Vérifier Version"},
    {core::ItemDeskAbout, core::ImageAbout, "À Propos...\tCtrl + F1", "About...", "À Propos..."},
    {core::ItemDeskQuit, core::ImageQuit, "Quitter\tCtrl + Q", "Quit", "Quitter"},
};

constexpr Label slot_menu[] = {
    {core::ItemSlotInfo, core::ImageSlotInfo, "Information Programme", "Informations", "Information Programme"},
    {separator, no_image, {}, {}, {}},
    {core::ItemSlotRunAsAdmin, core::ImageSlotRunAsAdmin, "Lancer comme Admin.", "Run as Administrator.",
     "Éxécuter comme Administrateur."},
    {core::ItemSlotToggleAdmin, core::ImageSlotToggleAdmin, "Définir Mode Admin/Utilisateur.",
     "(un)Set Run as Administrator.", "Définir Mode Admin/Utilisateur."},
    {separator, no_image, {}, {}, {}},
    {core::ItemSlotAdd, core::ImageSlotAdd, "Ajouter/Modifier...", "Add/Edit", "Ajouter/Modifier..."},
    {core::ItemSlotPaste, core::ImageSlotPaste, "Coller le Nom de Fichier", "Paste (full)Filename as New",
     "Coller le Fichier"},
    {core::ItemSlotRename, core::ImageSlotRename, "Renommer", "Rename", "Renommer"},
    {core::ItemSlotParameters, core::ImageSlotParameters, "Paramètres", "Parameters", "Paramètres"},
    {core::ItemSlotStartFolder, core::ImageSlotStartFolder, "Démarrer dans", "Start Dir", "Répertoire de Lancement"},
    {core::ItemSlotChangeIcon, core::ImageSlotChangeIcon, "Changer d'icône...", "Change Icon...", "Changer d'icône..."},
    {core::ItemSlotOriginalIcon, core::ImageSlotOriginalIcon, "Icône Originale", "Original Icon", "Icône originale"},
    {core::ItemSlotMove, core::ImageSlotMove, "Déplacer...", "Move To...", "Déplacer..."},
    {separator, no_image, {}, {}, {}},
    {core::ItemSlotRemove, core::ImageSlotRemove, "Enlever", "Remove", "Enlever"},
};

constexpr Label tray_menu[] = {
    {core::ItemCalendar, core::ImageCalendar, "Calendrier", "Show Calendar", "Calendrier"},
    {separator, no_image, {}, {}, {}},
    {core::ItemTrayShowHide, core::ImageShowHide, "Afficher/Masquer", "Show/Hide Duzi", "Afficher/Masquer"},
    {core::ItemTrayOnTop, core::ImageOnTop, "Premier Plan", "Duzi on Top", "Premier Plan"},
    {core::ItemTrayLeft, core::ImageLeft, "Menu à Gauche", "Duzi on Left", "Duzi à Gauche"},
    {core::ItemTrayRight, core::ImageRight, "Menu à Droite", "Duzi on Right", "Duzi à Droite"},
    {core::ItemTrayTalkingClock, core::ImageTalkingClock, "Son ON", "Speaking Clock", "Activer l'Horloge Parlante"},
    {core::ItemTrayPlayOne, core::ImagePlay, "Lire un MP3/OGG", "Read One MP3/OGG", "Lire un MP3/OGG"},
    {separator, no_image, {}, {}, {}},
    {core::ItemTrayPreferences, core::ImagePreferences, "Préférences", "Preferences", "Préférences"},
    {core::ItemNeedleClock, core::ImageNeedleClock, "Horloge à Aiguilles", "Show Needle Clock",
     "Afficher Horloge à Aiguilles"},
    {separator, no_image, {}, {}, {}},
    {core::ItemTrayHelp, core::ImageHelp, "Aide", "Show Help", "Aide"},
    {core::ItemTrayAbout, core::ImageAbout, "À Propos...", "About...", "À Propos..."},
    {core::ItemTrayQuit, core::ImageQuit, "Quitter", "Quit", "Quitter"},
};

// The needle clock menu belongs to the needle clock window; its labels switch here.
constexpr Label needle_menu[] = {
    {core::ItemNeedleSmall, no_image, "", "Resize Small (100px)", "Taille 1 (100px)"},
    {core::ItemNeedleMedium, no_image, "", "Resize Medium (150px)", "Taille 2 (150px)"},
    {core::ItemNeedleLarge, no_image, "", "Resize Large (200px)", "Taille 3 (200px)"},
    {core::ItemNeedleOnTop, no_image, "", "On Top", "Premier Plan"},
    {core::ItemNeedleSeconds, no_image, "", "Show Seconds", "Afficher les Secondes"},
    {core::ItemNeedleBackground, no_image, "", "Background Color", "Couleur du Fond"},
    {core::ItemNeedleColour, no_image, "", "Needle Color", "Couleur des Aiguilles"},
    {core::ItemNeedleClose, no_image, "", "Close", "Fermer"},
};

struct Shortcut {
    std::string_view keys;
    int item;
};

constexpr Shortcut desk_shortcuts[] = {
    {"Ctrl+P", core::ItemDeskPreferences}, {"Ctrl+D", core::ItemKeyRight},      {"Ctrl+R", core::ItemKeyRight},
    {"Ctrl+G", core::ItemKeyLeft},         {"Ctrl+L", core::ItemKeyLeft},       {"Ctrl+S", core::ItemKeyResize},
    {"Ctrl+T", core::ItemTrayOnTop},       {"Ctrl+H", core::ItemDeskHide},      {"Ctrl+V", core::ItemDeskCheckVersion},
    {"Ctrl+I", core::ItemDeskEditData},    {"Ctrl+1", core::ItemPlaylist1},     {"Ctrl+2", core::ItemPlaylist1 + 1},
    {"Ctrl+3", core::ItemPlaylist1 + 2},   {"Ctrl+4", core::ItemPlaylist1 + 3}, {"Ctrl+5", core::ItemPlaylist5},
    {"Ctrl+M", core::ItemDeskMusicInfo},   {"Ctrl+0", core::ItemCalendar},      {"F1", core::ItemTrayHelp},
    {"Ctrl+F1", core::ItemTrayAbout},      {"Ctrl+Q", core::ItemDeskQuit},
};

void add_items(std::span<const Label> labels) {
    for (const Label& l : labels) {
        if (l.item == separator) rt::menu_separator();
        else rt::menu_item(l.item, std::string(l.start), l.image);
    }
}

void relabel(int menu, std::span<const Label> labels, bool english) {
    if (!rt::menu_exists(menu)) return;
    for (const Label& l : labels)
        if (l.item != separator) rt::set_menu_item_text(menu, l.item, std::string(english ? l.english : l.french));
}

void relabel_all(bool english) {
    relabel(core::MenuDesk, desk_menu_head, english);
    relabel(core::MenuDesk, std::span(&playlists_edit, 1), english);
    relabel(core::MenuDesk, desk_menu_tail, english);
    relabel(core::MenuSlot, slot_menu, english);
    relabel(core::MenuTray, tray_menu, english);
    relabel(core::MenuNeedleClock, needle_menu, english);
}

}  // namespace

std::string playlist_item_label(int n, const std::string& path) {
    return std::to_string(n) + ". " + platform::name_without_extension(path) + "\tCtrl + " + std::to_string(n);
}

void build_music_menus() {
    rt::create_popup_menu(core::MenuMusicBrowser);
    rt::menu_item(core::ItemBrowserPlay, "Play File", core::ImagePlay);
    rt::menu_item(core::ItemBrowserAdd, "Add to Playlist", core::ImageSlotAdd);
    rt::create_popup_menu(core::MenuMusicPlaylist);
    rt::menu_item(core::ItemPlaylistPlay, "Play File", core::ImagePlay);
    rt::menu_item(core::ItemPlaylistFromHere, "Play List From Here", core::ImagePlayFromHere);
    rt::menu_item(core::ItemPlaylistDelete, "Del from playlist", core::ImageDelete);
}

void build_menus(const core::State& s) {
    rt::create_popup_menu(core::MenuDesk);
    add_items(desk_menu_head);
    // A favourite list chosen here plays at once: the player's library loads
    // while the user looks at the lists.
    rt::open_submenu(std::string(playlists_submenu), core::ImagePlaylists,
                     [] { platform::media_player().warm_up(); });
    rt::menu_item(playlists_edit.item, std::string(playlists_edit.start));
    rt::menu_separator();
    for (int n = 1; n <= core::mru_count; ++n)
        rt::menu_item(core::ItemPlaylist1 + n - 1, playlist_item_label(n, s.MRU[std::size_t(n)]));
    rt::close_submenu();
    add_items(desk_menu_tail);
    for (const Shortcut& k : desk_shortcuts) rt::add_keyboard_shortcut(core::WindowDesk, std::string(k.keys), k.item);
    // Ctrl+1 to Ctrl+5 play a favourite list at once: with one to play, the
    // player's library loads from the moment Ctrl goes down.
    rt::set_control_key_action(core::WindowDesk, [&s] {
        if (std::any_of(s.MRU.begin() + 1, s.MRU.end(), [](const std::string& list) { return !list.empty(); }))
            platform::media_player().warm_up();
    });

    rt::create_popup_menu(core::MenuSlot);
    add_items(slot_menu);
    rt::create_popup_menu(core::MenuTray);
    add_items(tray_menu);
}

namespace {

void set_language(core::State& s, bool english) {
    s.Lng = english ? "Us" : "Fr";
    relabel_all(english);
    clocks::refresh_date_texts(s);
    config::set_string_key(s, config::keys::Global, config::keys::Lng, s.Lng);
}

}  // namespace

void switch_language(core::State& s) { set_language(s, core::language_of(s.Lng) == core::Language::French); }

void choose_language(core::State& s, core::Language wanted) {
    if (wanted == core::Language::Other || core::language_of(s.Lng) == wanted) return;
    set_language(s, wanted == core::Language::English);
}

}  // namespace app
