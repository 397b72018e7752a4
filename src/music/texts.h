// Texts the music player and the web radio show the user, French and English side by side.
#pragma once

#include <string_view>

#include "core/text.h"

namespace music::texts {

using core::Text;

// The web radio without its audio engine library.
inline constexpr Text missing_engine_title{"Erreur", "Error"};
inline constexpr Text missing_engine{"La DLL libvimo_audio.so n'est pas présente dans le répertoire",
                                     "Needed DLL libvimo_audio.so not found in directory"};

// The web radio window.
inline constexpr std::string_view radio_title_after_name = " - Web Radio";
inline constexpr Text radio_select_stream{"Sélectionnez un Flux Radio.", "Select a Stream."};
inline constexpr Text radio_streams{"Flux Radio", "Radio Streams"};
inline constexpr std::string_view radio_volume = "Volume";
inline constexpr std::string_view radio_sort = "A-Z";
inline constexpr Text radio_station_name{"Nom de la Station", "Station Name"};
inline constexpr Text radio_stream_address{"Adresse du Flux", "Stream URL"};
inline constexpr std::string_view radio_favourite_buttons[] = {"Fav. 1.", "Fav. 2.", "Fav. 3."};
inline constexpr Text radio_new{"Nouveau", "New"};
inline constexpr Text radio_listen{"Écouter", "Listen"};
inline constexpr std::string_view radio_stop = "Stop";
inline constexpr Text radio_remove{"Enlever", "Remove"};
inline constexpr Text radio_save{"Sauver", "Save"};
inline constexpr Text radio_close{"Fermer", "Close"};

// Listen without a station chosen.
inline constexpr Text radio_error_title{"Erreur", "Error"};
inline constexpr Text radio_select_first{"Veuillez Sélectionner un Flux", "Please select a Flux"};

// Save and Remove: "Station: " + the name + what happened.
inline constexpr std::string_view radio_station_before = "Station: ";
inline constexpr Text radio_added{" Ajoutée", " Added"};
inline constexpr Text radio_removed{" Enlevée", " Removed"};
inline constexpr Text radio_invalid_name{"Nom de station invalide", "Invalid station name"};
inline constexpr std::string_view radio_remove_title = "Supprimer / Delete";
inline constexpr std::string_view radio_remove_question =
    "Supprimer le Flux\nDelete Flux\n\n";  // + name + "\n" + address

// Assigning a preset.
inline constexpr std::string_view favourite_error_title = "Erreur";
inline constexpr std::string_view favourite_needs_station = "Sélectionnez ou Créez d'abord une Station.";
inline constexpr std::string_view favourite_title = "Favori WebRadio";
inline constexpr std::string_view favourite_prompt = "Nom à afficher sur le bouton Pré-réglage (5 lettres)";
inline constexpr std::string_view favourite_too_long = "Nom Trop Long";

// A preset pressed while the sound is muted.
inline constexpr std::string_view sound_is_off = "Sound is Off";

// Play one file.
inline constexpr Text play_one_title{"Lire un Fichier MP3", "Read one MP3 File"};
inline constexpr std::string_view play_one_default_file = "*.mp3";
inline constexpr std::string_view play_one_filter = "Fichier MP3 (*.mp3);;Fichier OGG (*.OGG)";

// The now-playing line and the clock bar's player controls.
inline constexpr std::string_view paused = "Pause";
inline constexpr Text music_off{"Musique OFF", "Music OFF"};
inline constexpr std::string_view volume_tooltip = "Volume: ";  // followed by the value
inline constexpr Text loop_on{"Bouclage PlayList Activé", "PlayList Loop is ON"};
inline constexpr Text loop_off{"Bouclage PlayList Désactivé", "PlayList Loop is OFF"};
inline constexpr std::string_view short_title_end = "...";

// The music information strip.
inline constexpr Text no_music_info{"Aucun Fichier MP3 en cours de lecture ou pas d'infomation",
                                    "No Music Playing or No mp3 info in this File"};
inline constexpr std::string_view tag_separator = " / ";
inline constexpr Text strip_tooltip{"Fermer - Infos - Précédent - Pause/Reprise - Stop - Suivant",
                                    "Close - Infos - Previous - Pause/Resume - Stop - Next"};

// Show information: the box's title and the labels before each value.
inline constexpr std::string_view information_title = "Info:";
inline constexpr Text label_title{"Titre: ", "Title: "};
inline constexpr Text label_artist{"\r\nAuteur: ", "\r\nAuthor: "};
inline constexpr Text label_album{"\r\nCD: ", "\r\nCD: "};
inline constexpr Text label_track{"\r\nPiste: ", "\r\nTrack: "};
inline constexpr Text label_year{"\r\nAnnée: ", "\r\nYear: "};
inline constexpr Text label_file{"\r\nFichier MP3: ", "\r\nFileName: "};
inline constexpr Text label_position{"\r\nFichier dans la Liste: ", "\r\n# in List: "};

}  // namespace music::texts
