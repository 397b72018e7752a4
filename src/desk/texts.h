// Texts the desk shows the user, French and English side by side.
#pragma once

#include <string_view>

#include "core/text.h"

namespace desk::texts {

using core::Text;

inline constexpr Text free_tooltip{" Libre", " Free"};  // after the slot number
inline constexpr Text free_item{"Libre", "Free"};
inline constexpr std::string_view info_item_suffix = " (Info Prog.)";
inline constexpr std::string_view untitled = "Information";
inline constexpr std::string_view web_title = "URL";

inline constexpr Text move_mode{"Vous pouvez maintenant déplacer les icônes sur le desk",
                                "You can now move icons on desk"};

inline constexpr Text sorry{"Désolé", "Sorry"};
inline constexpr Text occupied{"Cet emplacement est déjà occupé.", "This location is already occupied."};

inline constexpr Text error{"Erreur", "Error"};
inline constexpr Text text_on_occupied{"Il y a déjà un programme à cet emplacement.", "Program exist here"};

inline constexpr Text add_title{"Programme ou Document à Lancer", "Program or Doc to Launch"};
inline constexpr Text add_filter{"Tous (*)", "All (*)"};

inline constexpr std::string_view paste_invalid =
    "Le presse-papier ne contient pas de nom de fichier ou dossier valide";

inline constexpr std::string_view rename_title = "Renommer (Rename)";
inline constexpr std::string_view rename_prompt = "Nouveau nom (new name) ? ";
inline constexpr std::string_view parameters_title = "Paramètres (Parameters)";
inline constexpr std::string_view parameters_prompt = "Paramètres de lancement du programme ? ";
inline constexpr std::string_view start_folder_title = "Démarrer en / (Start Folder)";

inline constexpr Text move_title{"Sélectionnez un emplacement libre", "Select a free space"};
inline constexpr Text move_none{"Choisissez d'abord un emplacement dans la liste.",
                                "First choose a location in the list."};
// Around the slot number.
inline constexpr Text move_no_cell_1{"L'emplacement ", "Location "};
inline constexpr Text move_no_cell_2{" n'a pas de case sur le desk : choisissez-en un autre.",
                                     " has no cell on the desk: choose another one."};

inline constexpr Text remove_free{"Aucun programme n'est associé à cette case.", "Nothing to launch here."};
inline constexpr Text remove_title{"Enlever le Raccourci", "Remove Shortcut"};
inline constexpr Text remove_question{"Voulez-vous Enlever le raccourci: \n\n", "Do you want to Remove Shortcut: \n\n"};

inline constexpr std::string_view info_window_title = "Informations";
inline constexpr Text info_copy{"Copier le Nom Complet dans le Presse-Papier", "Copy FullFileName to ClipBoard"};
inline constexpr std::string_view info_copy_tooltip = "Copie le nom complet dans le presse papier.";

inline constexpr std::string_view change_icon_title = "Icône à utiliser pour ";
inline constexpr std::string_view change_icon_filter = "Images (*.ico *.png *.jpg *.bmp)";
inline constexpr Text not_a_picture{"Ce fichier n'est pas une image lisible :\n",
                                    "This file is not a picture that can be read:\n"};

inline constexpr std::string_view reload_title = "Information";
inline constexpr Text reload_question{"Recharger les icônes originales\n(Les icônes personnalisées seront supprimées)",
                                      "Reload the original icons ?\n(Custom icons will be deleted)"};
inline constexpr std::string_view old_icons_title = "Nettoyage (cleanning)";
inline constexpr std::string_view old_icons_question =
    "Supprimer les anciennes icônes ?\n(Drop folder of old icons ? (yes))";

inline constexpr std::string_view separator_rename_title = "Renommer (rename)";
// Around the separator number.
inline constexpr std::string_view separator_rename_prompt_1 = "Sep. #";
inline constexpr std::string_view separator_rename_prompt_2 = " - Nouveau Titre (New Title)";

}  // namespace desk::texts
