// Texts of the notes window, the text viewer and the picture window, French
// and English side by side; one text where both languages show the same.
#pragma once

#include <string_view>

#include "core/text.h"

namespace notes::texts {

using core::Text;

// Notes window.
inline constexpr std::string_view notes_title = "Notes";
inline constexpr std::string_view notes_menu_title = "Options";
inline constexpr std::string_view item_new = "Nouvelle (New Note)";
inline constexpr std::string_view item_open = "Ouvrir... (Open)";
inline constexpr std::string_view item_save = "Enregistrer (Save)";
inline constexpr std::string_view item_save_as = "Enregistrer Sous... (Save As...)";
inline constexpr std::string_view item_background = "Couleur du Fond (Background)";
inline constexpr std::string_view item_text_colour = "Couleur du Texte (Text)";
inline constexpr std::string_view item_font = "Police de caractères (fonte)";
inline constexpr std::string_view item_close = "Fermer (Close)";

inline constexpr std::string_view open_title = "Ouvrir";
inline constexpr std::string_view open_filter = "Fichiers Texte (*.txt);;Tous (*)";
inline constexpr std::string_view save_title = "Sauvegarder sous...";
inline constexpr std::string_view save_filter = "*.txt";

// Save As onto a file that exists: the file's name goes between the two halves.
inline constexpr Text replace_title{"Enregistrer Sous", "Save As"};
inline constexpr Text replace_before{"Le Fichier ", "The file "};
inline constexpr Text replace_after{" Existe déjà.\nLe remplacer ?", " already exists.\nReplace it?"};

// The note's file cannot be created: French only.
inline constexpr std::string_view create_failed_title = "Erreur";
inline constexpr std::string_view create_failed = "Erreur d'écriture";

// Status bar after a save; the name follows the first two.
inline constexpr Text saved_as{"Fichier Sauvegardé dans ", "File saved as "};
inline constexpr Text save_failed_for{"Erreur d'écriture pour ", "Save Error for "};
inline constexpr Text saved_ok{"Sauvegarde OK", "File Saved OK"};
inline constexpr Text saved_ok_in_utf8{"Sauvegarde OK, en UTF-8 (caractères hors de Windows-1252)",
                                       "File Saved OK, as UTF-8 (characters outside Windows-1252)"};

// A note that cannot be read: the title, then the path between the two halves and a reason.
inline constexpr Text read_failed_title{"Erreur", "Error"};
inline constexpr Text read_failed_before{"Impossible de lire la note\n", "Cannot read the note\n"};
inline constexpr Text read_failed_too_large{"Le fichier dépasse 16 Mo.", "The file is larger than 16 MB."};
inline constexpr Text read_failed_not_regular{"Ce n'est pas un fichier ordinaire.", "It is not a regular file."};
inline constexpr Text read_failed_other{"Le fichier ne peut pas être lu.", "The file cannot be read."};

// New note from dropped text: the banner, followed by the file's name, or the failure.
inline constexpr Text note_created{"Nouvelle Note Créée\r\n", "New Note Created\r\n"};
inline constexpr Text note_failed_title{"Erreur", "Error"};
inline constexpr Text note_failed{"La note n'a pas pu être créée dans\n", "The note could not be created in\n"};

// Text viewer.
inline constexpr std::string_view viewer_building_title = "Vimo Duzi/Viewer/Editor";
inline constexpr std::string_view viewer_loading_title = "Chargement en cours...";
// Followed by the path, " (", the encoding's name and ")".
inline constexpr std::string_view viewer_title = "Vimo Duzi Viewer/Editor - ";
inline constexpr std::string_view viewer_loaded = "Chargé.";
inline constexpr std::string_view tip_on_top = "Rester au Dessus (OnTop)";
inline constexpr std::string_view tip_word_wrap = "Retour à la Ligne (Wordwarp)";
inline constexpr std::string_view tip_edit = "Modifier (Edit)";
inline constexpr std::string_view tip_save_as = "Sauvegarder (Save as...)";

inline constexpr std::string_view viewer_error_title = "Erreur (Error)";
inline constexpr std::string_view viewer_folder_exists = "Ce Répertoire Existe (Directory Exist";
inline constexpr std::string_view viewer_file_exists = "Ce Fichier Existe déjà (File Exist)";
// Followed by the path.
inline constexpr std::string_view viewer_write_failed = "Erreur d'écriture (Write error) :\n";
inline constexpr std::string_view viewer_too_large =
    "Fichier trop grand : plus de 16 Mo.\n(File too large: over 16 MB.)\n";
inline constexpr std::string_view viewer_saved_in_utf8_title = "Information";
inline constexpr std::string_view viewer_saved_in_utf8 =
    "Le texte contient des caractères hors de Windows-1252 : il est enregistré en UTF-8.\n"
    "(The text holds characters outside Windows-1252: it was saved as UTF-8.)";

// Picture window: followed by the path.
inline constexpr std::string_view picture_title = "Vimo Duzi/Viewer - ";

}  // namespace notes::texts
