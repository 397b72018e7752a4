// Texts of the preferences window, French and English side by side. The
// window is labelled in English when `Lng` is "Us" as it opens, in French
// otherwise.
#pragma once

#include <string_view>

#include "core/text.h"

namespace config::preferences_texts {

using core::Text;

inline constexpr Text title{"Préférences", "Setup"};
inline constexpr Text ready{"Prêt.", "Ready"};
inline constexpr Text tab_main{"Divers", "Main"};
inline constexpr Text tab_colours{"Couleurs", "Color"};
inline constexpr Text tab_about{"À Propos", "About"};
inline constexpr Text ok{"OK", "OK"};

// Tab 1.
inline constexpr Text country{"Pays", "Country"};
inline constexpr Text language{"Langue (Interface et Horloge parlante)", "Language"};
inline constexpr std::string_view language_french = "Français / French";
inline constexpr std::string_view language_english = "English / Anglais";
inline constexpr Text twenty_four_hours{"Afficher l'heure au format 24H", "Display Hour in 24H mode"};
inline constexpr Text sounds{"Sons", "Sounds"};
inline constexpr Text talking_clock{"Activer l'horloge parlante ", "Speaking clock"};
inline constexpr Text voice{"Choisir la Voix", "Choice Voice"};
inline constexpr Text volumes{"Régler les Volumes", "Set Volume"};
inline constexpr Text programs{"Programmes", "Programs"};
inline constexpr Text reload_icons{"Recharger les Icônes", "Reload Icons"};
inline constexpr Text show_separators{"Afficher les Séparateurs", "Show Separators"};
inline constexpr Text confirm_deletions{"Confirmer les Suppressions", "Confirm Deletions"};
inline constexpr Text zoom{"Zoom > 100% (Sec. off)", "Zoom > 100% (Sec. off)"};  // one label in both
inline constexpr Text desk_height{"Hauteur du Duzi", "Duzi Height"};

// Tab 2.
inline constexpr Text border{"Bordures", "Border"};
inline constexpr Text background{"Couleur du Fond", "Background Color"};
inline constexpr Text clock_and_date{"Horloge et Date", "Clock and Date"};
inline constexpr Text clock_text_colour{"Couleur Texte Horloge", "Color Text Clock"};
inline constexpr Text clock_background{"Couleur Fond Horloge", "Color Background Clock"};
inline constexpr Text page_1{"Couleur Fond Page 1", "Color Background Page 1"};
inline constexpr Text page_2{"Couleur Fond Page 2", "Color Background Page 2"};
inline constexpr Text page_3{"Couleur Fond Page 3", "Color Background Page 3"};
inline constexpr Text choose{"...", "..."};
inline constexpr Text no_label{"", ""};

// Tab 3.
inline constexpr Text about{"À Propos d'Vimo Duzi", "About Vimo Duzi"};
inline constexpr Text check_version{"Vérifier version Disponible", "Check for newer version"};

// The clock colour buttons.
inline constexpr Text not_ready_title{"Inactif", "Coming soon"};
inline constexpr Text not_ready{"Fonction en développement...", "Function in development..."};

// The volumes button: the mixer that could not start is named after
// mixer_failed; no_mixer names the mixers looked for.
inline constexpr Text mixer_title{"Régler les Volumes", "Set Volume"};
inline constexpr Text mixer_failed{"Le réglage du son n'a pas pu être lancé : ",
                                   "The sound settings could not be started: "};
inline constexpr Text no_mixer{
    "Aucun réglage du son n'est installé (pavucontrol, pavucontrol-qt ni les réglages du son du bureau).",
    "No sound settings are installed (neither pavucontrol, pavucontrol-qt nor the desktop's sound settings)."};

}  // namespace config::preferences_texts
