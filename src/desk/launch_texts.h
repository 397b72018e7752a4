// Texts of launching, French and English. The first three are the desk's
// long-standing messages; the others say why a start could not happen.
#pragma once

#include <string_view>

namespace desk::launch_texts {

inline constexpr std::string_view sorry_title = "Désolé / Sorry";
inline constexpr std::string_view sorry = "Il n'y a pas de programme ici\nSorry, ther is no program here";

inline constexpr std::string_view error_title_fr = "Erreur";
inline constexpr std::string_view error_title_us = "Error";

// Each message is "<first> + the path or text + <second>".
struct Message {
    std::string_view fr_1, fr_2, us_1, us_2;
};

inline constexpr Message missing{"Le programme ", " n'existe pas à l'endroit indiqué", "the program ", " does not exist"};
inline constexpr Message bad_parameters{
    "Les paramètres ", " ne sont pas valides : un guillemet n'est pas fermé ou ils finissent par \\. Rien n'est lancé.",
    "the parameters ", " are not valid: a quote is not closed or they end with \\. Nothing was started."};
inline constexpr Message not_started{"Le programme ", " n'a pas pu être lancé", "the program ", " could not be started"};
inline constexpr Message bad_folder{"Le dossier de démarrage ", " n'existe pas", "the start folder ", " does not exist"};
inline constexpr Message no_opener{"Aucun programme n'est installé pour ouvrir ", " (xdg-open)",
                                   "no program is installed to open ", " (xdg-open)"};
inline constexpr Message no_pkexec{"pkexec est nécessaire pour lancer ", " comme administrateur", "pkexec is needed to run ",
                                   " as administrator"};
inline constexpr Message bad_launcher{"Le fichier ", " n'est pas un lanceur valide (ligne Exec)", "the file ",
                                      " is not a valid launcher (Exec line)"};
inline constexpr Message no_terminal{"Aucun terminal (x-terminal-emulator) pour lancer ", "",
                                     "no terminal (x-terminal-emulator) to run ", ""};

}  // namespace desk::launch_texts
