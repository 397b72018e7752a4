#include "app/menus.h"

#include <array>
#include <span>
#include <string_view>

#include "app/ids.h"
#include "app/images.h"
#include "clock/date_texts.h"
#include "config/data_file.h"
#include "config/keys.h"
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
    {ItemDeskPreferences, ImagePreferences, "Préférences\tCtrl + P", "Configuration", "Configuration"},
    {ItemNeedleClock, ImageNeedleClock, "Horloge à Aiguilles", "Needle clock", "Horloge à Aiguilles"},
    {ItemDeskRight, ImageRight, "Duzi à Droite\tCtrl + D", "Duzi on Right", "Duzi à Droite"},
    {ItemDeskLeft, ImageLeft, "Duzi à Gauche\tCtrl + G", "Duzi on Left", "Duzi à Gauche"},
    {ItemDeskResize, ImageResize, "Redimensionner\tCtrl + S", "Resize Duzi", "Redimensionner"},
    {ItemDeskOnTop, ImageOnTop, "Premier Plan\tCtrl + T", "Duzi on Top", "Duzi au Premier Plan"},
    {ItemDeskHide, ImageShowHide, "Masquer\tCtrl + H", "Hide Duzi", "Masquer le Duzi"},
    {ItemDeskEditData, ImageEditData, "Éditer INI\tCtrl + I", "Edit INI File", "Editer le fichier INI"},
};
constexpr std::string_view playlists_submenu = "PlayListes MP3/OGG";
constexpr Label playlists_edit = {ItemDeskEditPlaylists, no_image, "Editer", "Edit MRU", "Editer Liste PlayListes"};
constexpr Label desk_menu_tail[] = {
    {ItemDeskMusicInfo, ImageMusicInfo, "Fenêtre Info Musique\tCtrl + M", "Show Music Info", "Fenêtre Info Musique"},
    {separator, no_image, {}, {}, {}},
    {ItemCalendar, ImageCalendar, "Calendrier\tCtrl + 0", "Calendar/Schedule", "Calendrier"},
    {separator, no_image, {}, {}, {}},
    {ItemDeskHelp, ImageHelp, "Afficher l'Aide\tF1", "Show Help", "Afficher l'Aide"},
    {ItemDeskCheckVersion, ImageCheckVersion, "Vérifier Version\tCtrl + V", "Check Version", "Vérifier Version"},
    {ItemDeskAbout, ImageAbout, "À Propos...\tCtrl + F1", "About...", "À Propos..."},
    {ItemDeskQuit, ImageQuit, "Quitter\tCtrl + Q", "Quit", "Quitter"},
};

constexpr Label slot_menu[] = {
    {ItemSlotInfo, ImageSlotInfo, "Information Programme", "Informations", "Information Programme"},
    {separator, no_image, {}, {}, {}},
    {ItemSlotRunAsAdmin, ImageSlotRunAsAdmin, "Lancer comme Admin.", "Run as Administrator.",
     "Éxécuter comme Administrateur."},
    {ItemSlotToggleAdmin, ImageSlotToggleAdmin, "Définir Mode Admin/Utilisateur.", "(un)Set Run as Administrator.",
     "Définir Mode Admin/Utilisateur."},
    {separator, no_image, {}, {}, {}},
    {ItemSlotAdd, ImageSlotAdd, "Ajouter/Modifier...", "Add/Edit", "Ajouter/Modifier..."},
    {ItemSlotPaste, ImageSlotPaste, "Coller le Nom de Fichier", "Paste (full)Filename as New", "Coller le Fichier"},
    {ItemSlotRename, ImageSlotRename, "Renommer", "Rename", "Renommer"},
    {ItemSlotParameters, ImageSlotParameters, "Paramètres", "Parameters", "Paramètres"},
    {ItemSlotStartFolder, ImageSlotStartFolder, "Démarrer dans", "Start Dir", "Répertoire de Lancement"},
    {ItemSlotChangeIcon, ImageSlotChangeIcon, "Changer d'icône...", "Change Icon...", "Changer d'icône..."},
    {ItemSlotOriginalIcon, ImageSlotOriginalIcon, "Icône Originale", "Original Icon", "Icône originale"},
    {ItemSlotMove, ImageSlotMove, "Déplacer...", "Move To...", "Déplacer..."},
    {separator, no_image, {}, {}, {}},
    {ItemSlotRemove, ImageSlotRemove, "Enlever", "Remove", "Enlever"},
};

constexpr Label tray_menu[] = {
    {ItemCalendar, ImageCalendar, "Calendrier", "Show Calendar", "Calendrier"},
    {separator, no_image, {}, {}, {}},
    {ItemTrayShowHide, ImageShowHide, "Afficher/Masquer", "Show/Hide Duzi", "Afficher/Masquer"},
    {ItemTrayOnTop, ImageOnTop, "Premier Plan", "Duzi on Top", "Premier Plan"},
    {ItemTrayLeft, ImageLeft, "Menu à Gauche", "Duzi on Left", "Duzi à Gauche"},
    {ItemTrayRight, ImageRight, "Menu à Droite", "Duzi on Right", "Duzi à Droite"},
    {ItemTrayTalkingClock, ImageTalkingClock, "Son ON", "Speaking Clock", "Activer l'Horloge Parlante"},
    {ItemTrayPlayOne, ImagePlay, "Lire un MP3/OGG", "Read One MP3/OGG", "Lire un MP3/OGG"},
    {separator, no_image, {}, {}, {}},
    {ItemTrayPreferences, ImagePreferences, "Préférences", "Preferences", "Préférences"},
    {ItemNeedleClock, ImageNeedleClock, "Horloge à Aiguilles", "Show Needle Clock", "Afficher Horloge à Aiguilles"},
    {separator, no_image, {}, {}, {}},
    {ItemTrayHelp, ImageHelp, "Aide", "Show Help", "Aide"},
    {ItemTrayAbout, ImageAbout, "À Propos...", "About...", "À Propos..."},
    {ItemTrayQuit, ImageQuit, "Quitter", "Quit", "Quitter"},
};

// The needle clock menu belongs to the needle clock window; its labels switch here.
constexpr Label needle_menu[] = {
    {ItemNeedleSmall, no_image, "", "Resize Small (100px)", "Taille 1 (100px)"},
    {ItemNeedleMedium, no_image, "", "Resize Medium (150px)", "Taille 2 (150px)"},
    {ItemNeedleLarge, no_image, "", "Resize Large (200px)", "Taille 3 (200px)"},
    {ItemNeedleOnTop, no_image, "", "On Top", "Premier Plan"},
    {ItemNeedleSeconds, no_image, "", "Show Seconds", "Afficher les Secondes"},
    {ItemNeedleBackground, no_image, "", "Background Color", "Couleur du Fond"},
    {ItemNeedleColour, no_image, "", "Needle Color", "Couleur des Aiguilles"},
    {ItemNeedleClose, no_image, "", "Close", "Fermer"},
};

struct Shortcut {
    std::string_view keys;
    int item;
};

constexpr Shortcut desk_shortcuts[] = {
    {"Ctrl+P", ItemDeskPreferences}, {"Ctrl+D", ItemKeyRight}, {"Ctrl+R", ItemKeyRight},
    {"Ctrl+G", ItemKeyLeft},         {"Ctrl+L", ItemKeyLeft},  {"Ctrl+S", ItemKeyResize},
    {"Ctrl+T", ItemTrayOnTop},       {"Ctrl+H", ItemDeskHide}, {"Ctrl+V", ItemDeskCheckVersion},
    {"Ctrl+I", ItemDeskEditData},    {"Ctrl+1", ItemPlaylist1}, {"Ctrl+2", ItemPlaylist1 + 1},
    {"Ctrl+3", ItemPlaylist1 + 2},   {"Ctrl+4", ItemPlaylist1 + 3}, {"Ctrl+5", ItemPlaylist5},
    {"Ctrl+M", ItemDeskMusicInfo},   {"Ctrl+0", ItemCalendar}, {"F1", ItemTrayHelp},
    {"Ctrl+F1", ItemTrayAbout},      {"Ctrl+Q", ItemDeskQuit},
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
    relabel(MenuDesk, desk_menu_head, english);
    relabel(MenuDesk, std::span(&playlists_edit, 1), english);
    relabel(MenuDesk, desk_menu_tail, english);
    relabel(MenuSlot, slot_menu, english);
    relabel(MenuTray, tray_menu, english);
    relabel(MenuNeedleClock, needle_menu, english);
}

}  // namespace

std::string playlist_item_label(int n, const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
    return std::to_string(n) + ". " + name + "\tCtrl + " + std::to_string(n);
}

void build_music_menus() {
    rt::create_popup_menu(MenuMusicBrowser);
    rt::menu_item(ItemBrowserPlay, "Play File", ImagePlay);
    rt::menu_item(ItemBrowserAdd, "Add to Playlist", ImageSlotAdd);
    rt::create_popup_menu(MenuMusicPlaylist);
    rt::menu_item(ItemPlaylistPlay, "Play File", ImagePlay);
    rt::menu_item(ItemPlaylistFromHere, "Play List From Here", ImagePlayFromHere);
    rt::menu_item(ItemPlaylistDelete, "Del from playlist", ImageDelete);
}

void build_menus(const State& s) {
    rt::create_popup_menu(MenuDesk);
    add_items(desk_menu_head);
    rt::open_submenu(std::string(playlists_submenu), ImagePlaylists);
    rt::menu_item(playlists_edit.item, std::string(playlists_edit.start));
    rt::menu_separator();
    for (int n = 1; n <= mru_count; ++n)
        rt::menu_item(ItemPlaylist1 + n - 1, playlist_item_label(n, s.MRU[std::size_t(n)]));
    rt::close_submenu();
    add_items(desk_menu_tail);
    for (const Shortcut& k : desk_shortcuts) rt::add_keyboard_shortcut(WindowDesk, std::string(k.keys), k.item);

    rt::create_popup_menu(MenuSlot);
    add_items(slot_menu);
    rt::create_popup_menu(MenuTray);
    add_items(tray_menu);
}

void switch_language(State& s) {
    const bool english = s.Lng == "Fr";
    s.Lng = english ? "Us" : "Fr";
    relabel_all(english);
    clocks::refresh_date_texts(s);
    config::set_string_key(s, config::keys::Global, config::keys::Lng, s.Lng);
}

}  // namespace app
