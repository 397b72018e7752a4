// Texts of the update check, the help and the About window, French and
// English side by side.
#pragma once

#include <string_view>

#include "core/text.h"

namespace web::texts {

using core::Text;

// A newer build is published. The text is newer_1 + published stamp +
// newer_2 + published version + newer_3 + own stamp + newer_4 + own version +
// newer_5.
inline constexpr Text newer_title{"Nouvelle version disponible", "A newer version is avalable"};
inline constexpr Text newer_1{"Une mise à jour est disponible sur le serveur\n\nDate: ",
                              "An Updated version is Available on the Server\n\nDate: "};
inline constexpr Text newer_2{" - Serveur - v", " - Server v"};
inline constexpr Text newer_3{"\nDate: ", "\nDate: "};
inline constexpr Text newer_4{" - Locale - v", " - Local v"};
inline constexpr Text newer_5{"\n\nVoulez-vous aller sur sur la Page de Téléchargement ?",
                              "\n\nDo you want to go to download page ?"};

inline constexpr Text up_to_date_title{"Vérification mise à jour", "Update Check"};
inline constexpr Text up_to_date{"Votre version est à jour.", "Your version is up to date."};

// The check could not tell: failed followed by the reason below.
inline constexpr Text failed_title{"Échec de la vérification", "Update Check Failed"};
inline constexpr Text failed{"La vérification a échoué : ", "The check failed: "};

// Reasons. The transfer's own error, when there is one, follows no_answer in
// brackets; the status code follows status.
inline constexpr Text no_answer{"le serveur n'a pas répondu", "the server did not answer"};
inline constexpr Text status{"le serveur a répondu par le code ", "the server answered with status "};
inline constexpr Text empty{"la réponse du serveur est vide", "the server's answer is empty"};
inline constexpr Text too_large{"la réponse du serveur est trop longue", "the server's answer is too long"};
inline constexpr Text garbled{"la réponse du serveur n'est pas une ligne de version",
                              "the server's answer is not a version line"};
inline constexpr Text own_stamp{"la date de construction de ce programme n'est pas valide",
                                "this program's build stamp is not valid"};

// Show help, when no help of the language is found.
inline constexpr Text help_missing_title{"Erreur", "Error"};
inline constexpr Text help_missing{"Fichier d'aide Absent. Téléchargez-le depuis le site.",
                                   "HelpFile not Found. Download it from site."};

// The About window.
inline constexpr std::string_view about_title = "About Vimo Duzi";
inline constexpr std::string_view about_version = "Version ";
inline constexpr std::string_view about_check = "Check";
inline constexpr std::string_view about_licences = "Licenses";
inline constexpr std::string_view about_ok = "OK";
// The credits paragraph: Program_Name + " " + Edition + about_credits_1 +
// Version + " (" + Architecture + ")" + about_credits_2 + Build_Date + about_credits_3.
inline constexpr Text about_credits_1{" - version ", " - version "};
inline constexpr Text about_credits_2{", construite le ", ", built on "};
inline constexpr Text about_credits_3{
    ".\nUn bureau de programmes, des horloges, un calendrier, des notes et de la musique, pour le bureau "
    "Linux.\nLogiciel libre, écrit par l'équipe Vimo Duzi.",
    ".\nA desk of programs, clocks, a calendar, notes and music, for the Linux desktop.\nFree software, "
    "written by the Vimo Duzi team."};
inline constexpr Text about_toolkit{"Réalisé avec Qt 6", "Made with Qt 6"};
inline constexpr std::string_view toolkit_address = "https://www.qt.io";

}  // namespace web::texts
