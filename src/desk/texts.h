// Texts the desk shows the user, French and English side by side.
#pragma once

#include <string_view>

namespace desk::texts {

inline constexpr std::string_view loading = "Chargement (Loading) ";
inline constexpr std::string_view free_fr = " Libre";
inline constexpr std::string_view free_us = " Free";
inline constexpr std::string_view free_item_fr = "Libre";
inline constexpr std::string_view free_item_us = "Free";
inline constexpr std::string_view info_item_suffix = " (Info Prog.)";
inline constexpr std::string_view untitled = "Information";
inline constexpr std::string_view web_title = "URL";

inline constexpr std::string_view move_mode_fr = "Vous pouvez maintenant déplacer les icônes sur le desk";
inline constexpr std::string_view move_mode_us = "You can now move icons on desk";

inline constexpr std::string_view sorry_fr = "Désolé";
inline constexpr std::string_view sorry_us = "Sorry";
inline constexpr std::string_view occupied_fr = "Cet emplacement est déjà occupé.";
inline constexpr std::string_view occupied_us = "This location is already occupied.";

inline constexpr std::string_view error_fr = "Erreur";
inline constexpr std::string_view error_us = "Error";
inline constexpr std::string_view text_on_occupied_fr = "Il y a déjà un programme à cet emplacement.";
inline constexpr std::string_view text_on_occupied_us = "Program exist here";

inline constexpr std::string_view add_title_fr = "Programme ou Document à Lancer";
inline constexpr std::string_view add_title_us = "Program or Doc to Launch";
inline constexpr std::string_view add_filter_fr = "Tous (*)";
inline constexpr std::string_view add_filter_us = "All (*)";

inline constexpr std::string_view paste_invalid =
    "Le presse-papier ne contient pas de nom de fichier ou dossier valide";

inline constexpr std::string_view rename_title = "Renommer (Rename)";
inline constexpr std::string_view rename_prompt = "Nouveau nom (new name) ? ";
inline constexpr std::string_view parameters_title = "Paramètres (Parameters)";
inline constexpr std::string_view parameters_prompt = "Paramètres de lancement du programme ? ";
inline constexpr std::string_view start_folder_title = "Démarrer en / (Start Folder)";

inline constexpr std::string_view move_title_fr = "Sélectionnez un emplacement libre";
inline constexpr std::string_view move_title_us = "Select a free space";
inline constexpr std::string_view move_none_fr = "Choisissez d'abord un emplacement dans la liste.";
inline constexpr std::string_view move_none_us = "First choose a location in the list.";
// Followed by the slot number, then move_no_cell_2.
inline constexpr std::string_view move_no_cell_fr_1 = "L'emplacement ";
inline constexpr std::string_view move_no_cell_fr_2 = " n'a pas de case sur le desk : choisissez-en un autre.";
inline constexpr std::string_view move_no_cell_us_1 = "Location ";
inline constexpr std::string_view move_no_cell_us_2 = " has no cell on the desk: choose another one.";

inline constexpr std::string_view remove_free_fr = "Aucun programme n'est associé à cette case.";
inline constexpr std::string_view remove_free_us = "Nothing to launch here.";
inline constexpr std::string_view remove_title_fr = "Enlever le Raccourci";
inline constexpr std::string_view remove_title_us = "Remove Shortcut";
inline constexpr std::string_view remove_question_fr = "Voulez-vous Enlever le raccourci: \n\n";
inline constexpr std::string_view remove_question_us = "Do you want to Remove Shortcut: \n\n";

inline constexpr std::string_view info_window_title = "Informations";
inline constexpr std::string_view info_copy_fr = "Copier le Nom Complet dans le Presse-Papier";
inline constexpr std::string_view info_copy_us = "Copy FullFileName to ClipBoard";
inline constexpr std::string_view info_copy_tooltip = "Copie le nom complet dans le presse papier.";

inline constexpr std::string_view change_icon_title = "Icône à utiliser pour ";
inline constexpr std::string_view change_icon_filter = "Images (*.ico *.png *.jpg *.bmp)";

inline constexpr std::string_view reload_title = "Information";
inline constexpr std::string_view reload_question_fr =
    "Recharger les icônes originales\n(Les icônes personnalisées seront supprimées)";
inline constexpr std::string_view reload_question_us = "Reload the original icons ?\n(Custom icons will be deleted)";
inline constexpr std::string_view old_icons_title = "Nettoyage (cleanning)";
inline constexpr std::string_view old_icons_question = "Supprimer les anciennes icônes ?\n(Drop folder of old icons ? (yes))";

}  // namespace desk::texts
