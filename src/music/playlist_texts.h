// Texts of the playlist manager and of the favourite playlists editor,
// French and English side by side; a lone text is shown in every language.
#pragma once

#include <string_view>

#include "core/text.h"

namespace music::playlist_texts {

using core::Text;

// The manager window, its menu bar and its status bar.
inline constexpr Text manager_title{"Gestion des PlayLists", "Manage PlayLists"};
inline constexpr std::string_view menu_title = "Fichier";
inline constexpr std::string_view item_new = "Nouvelle Playliste";
inline constexpr std::string_view item_quit = "Quitter";
inline constexpr std::string_view ready = "Prêt / Ready";

// Buttons, labels and tooltips, as the window is built (French), then by language.
inline constexpr Text close{"Fermer", "Close"};
inline constexpr Text load_list{"Charger une Liste", "Load PlayList"};
inline constexpr std::string_view load_list_tooltip = "Charge rune Playliste existante";
inline constexpr Text show_current{"Liste en Cours ?", "Now Playing ?"};
inline constexpr Text new_list{"Nouvelle", "Create New"};
inline constexpr Text play_list{"Jouer la Liste", "Play PlayList"};
inline constexpr std::string_view stop = "Stop";
inline constexpr Text save{"Sauver", "Save"};
inline constexpr Text shuffle{"Ordre Aléatoire", "Random order"};
inline constexpr std::string_view favourite_label = "Jouer Liste Favorite";
inline constexpr std::string_view filter_tooltip = "Type de Fichier à Afficher (Filter)";
inline constexpr std::string_view select_all = "Tous";
inline constexpr std::string_view select_none = "Aucun";
inline constexpr std::string_view add_selected = "Ajouter à la Liste";

// The name patterns of the file list, in order; the one chosen at opening.
inline constexpr std::string_view filters[] = {"*.*", "*.Txt", "*.M3u", "*.Lst", "*.Mp3", "*.m4a ", "*.Ogg"};
inline constexpr std::string_view opening_filter = "*.Mp3";

// The file list's columns: name, size, type, date.
inline constexpr Text column_titles[] = {
    {"Nom", "Name"}, {"Taille", "Size"}, {"Type", "Type"}, {"Modifié le", "Date Modified"}};

// The popup menus' items.
inline constexpr Text play_file{"Écouter ce Fichier", "Play File"};
inline constexpr Text add_to_playlist{"Ajouter à la Playliste", "Add to Playlist"};
inline constexpr Text play_from_here{"Jouer la playliste depuis ce Fichier", "Play List From Here"};
inline constexpr Text delete_item{"Supprimer ce Fichier (de la Playliste)", "Del from playlist"};
inline constexpr std::string_view sorry_title = "Désolé (sorry)";
inline constexpr std::string_view sorry = "fonction non encore implémentée (function coming soon)";

// Load list and Show current list.
inline constexpr std::string_view load_title = "PlayList";
inline constexpr std::string_view load_filter = "PlayList (*.txt);;Winamp (*.m3u);;Tous (*.*)";
inline constexpr std::string_view list_loaded = "Liste chargée.";
inline constexpr std::string_view ready_count_before = "Prêt. ";  // then the number of entries
inline constexpr std::string_view ready_count_after = " Mus.";
inline constexpr Text no_list_title{"Erreur", "Error"};
inline constexpr Text no_list{"Aucune liste n'est en mémoire", "No Playlist Loaded"};

// New list.
inline constexpr Text drag_here{"Faites glisser des fichiers dans cette fenêtre", "Drag and drop music files here"};

// Save.
inline constexpr std::string_view empty_view_title = "Error";
inline constexpr std::string_view empty_view = "No files in the playlist";
inline constexpr std::string_view save_filter = "*.txt";
inline constexpr std::string_view saved_status = "Save, OK";
inline constexpr Text saved{"PlayListe sauvegardée", "Playlist saved"};

// Load favourite.
inline constexpr std::string_view cannot_open = "Ne peut pas ouvrir la playliste\n";  // then the path
inline constexpr std::string_view cannot_open_spoken = "je ne peux pas ouvrir la playliste";
inline constexpr std::string_view click_play = "Cliquez Lecture";

// The favourites editor.
inline constexpr std::string_view editor_title = "PlayListes";
inline constexpr std::string_view editor_status = "Choisissez vos listes musicales préférées.";
inline constexpr std::string_view browse = "...";
inline constexpr std::string_view ok = "OK";
inline constexpr std::string_view browse_title = "PlayList";
inline constexpr std::string_view browse_filter = "*.*";

}  // namespace music::playlist_texts
