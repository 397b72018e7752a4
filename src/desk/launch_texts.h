// Texts of launching, French and English. The first three are the desk's
// long-standing messages; the others say why a start could not happen.
#pragma once

#include <string_view>

#include "core/text.h"

namespace desk::launch_texts {

using core::Text;

inline constexpr std::string_view sorry_title = "Désolé / Sorry";
inline constexpr std::string_view sorry = "Il n'y a pas de programme ici\nSorry, ther is no program here";

inline constexpr Text error_title{"Erreur", "Error"};

// Each message is `before` + the path or text + `after`.
struct Message {
    Text before, after;
};

inline constexpr Message missing{{"Le programme ", "the program "},
                                 {" n'existe pas à l'endroit indiqué", " does not exist"}};
inline constexpr Message bad_parameters{
    {"Les paramètres ", "the parameters "},
    {" ne sont pas valides : un guillemet n'est pas fermé ou ils finissent par \\. Rien n'est lancé.",
     " are not valid: a quote is not closed or they end with \\. Nothing was started."}};
inline constexpr Message not_started{{"Le programme ", "the program "},
                                     {" n'a pas pu être lancé", " could not be started"}};
inline constexpr Message bad_folder{{"Le dossier de démarrage ", "the start folder "},
                                    {" n'existe pas", " does not exist"}};
inline constexpr Message no_opener{{"Aucun programme n'est installé pour ouvrir ", "no program is installed to open "},
                                   {" (xdg-open)", " (xdg-open)"}};
inline constexpr Message no_pkexec{{"pkexec est nécessaire pour lancer ", "pkexec is needed to run "},
                                   {" comme administrateur", " as administrator"}};
inline constexpr Message bad_launcher{
    {"Le fichier ", "the file "},
    {" n'est pas un lanceur valide (ligne Exec)", " is not a valid launcher (Exec line)"}};
inline constexpr Message no_terminal{
    {"Aucun terminal (x-terminal-emulator) pour lancer ", "no terminal (x-terminal-emulator) to run "}, {"", ""}};

}  // namespace desk::launch_texts
