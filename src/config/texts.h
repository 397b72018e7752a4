// Texts the data-file operations show the user.
#pragma once

#include <string_view>

#include "core/text.h"

namespace config::texts {

inline constexpr std::string_view not_found_title = "Fichier de données non trouvé (DataFile NOT found) ";
// Followed by the file name, then not_found_2, the file name and not_found_3.
inline constexpr std::string_view not_found_1 = "Le Fichier: ";
inline constexpr std::string_view not_found_2 = " n'existe pas.Voulez-vous en Créer un Nouveau? \n\nFile: ";
inline constexpr std::string_view not_found_3 = " does Not exist. Do you want to Create one New ?";

inline constexpr std::string_view create_failed_title = "Error";
inline constexpr std::string_view create_failed = "Can't create INI file\nErreur: ne peut créer le fichier INI";

inline constexpr std::string_view created_title = "Ok";
// "File: " + full path + created_2.
inline constexpr std::string_view created_1 = "File: ";
inline constexpr std::string_view created_2 =
    " Created with succes.\n\nDrag and Drop an ico on zone.\nOR.\nRight clic on free zone.";

inline constexpr std::string_view save_failed_title = "Erreur (Error)";
inline constexpr std::string_view save_failed =
    "Fichier INI inexistant, impossible de sauvegarder. (INI File does not exist)";

// Not shown at all in a language other than French or English.
inline constexpr core::Text key_failed_title{"Erreur", "Error"};
inline constexpr core::Text key_failed{"Fichier INI inexistant, impossible de sauvegarder.", "INI File not found."};

// Comment lines of a new data file; the program name follows the first two.
inline constexpr std::string_view comment_initialisation_fr = "Fichier d'initialisation du lanceur de programme ";
inline constexpr std::string_view comment_initialisation_us = "Initialisation file for ";
inline constexpr std::string_view comment_notice =
    "Vimo Duzi team - free software for the Linux desktop - edit with care, keep a copy";

inline constexpr std::string_view portable = "Installation Portable";
inline constexpr std::string_view standard = "Installation Standard";

}  // namespace config::texts

namespace config::texts {
// A write that failed after the file was opened (full disk, read-only file);
// the old file is then left whole. Path, then write_failed_us, path and ")".
inline constexpr std::string_view write_failed_fr = "Impossible d'écrire le fichier INI: ";
inline constexpr std::string_view write_failed_us = "\n(Can't write INI file: ";
}  // namespace config::texts
