// Texts the clock subsystem shows or says, French and English side by side.
#pragma once

#include <string_view>

#include "core/text.h"

namespace clocks::texts {

using core::Text;

inline constexpr Text countdown_bad_input_title{"Erreur", "Error"};
inline constexpr Text countdown_bad_input{"Pas de valeur entréee ou valeur non-numérique.",
                                          "Non Digital input or incorrect value."};
inline constexpr std::string_view countdown_out_of_range_title = "Erreur";
inline constexpr std::string_view countdown_out_of_range = "Valeurs hors limites.";
// Shown and spoken at the end of a countdown without a message of its own.
inline constexpr Text time_is_up{"Le temps est écoulé!", "Time is up!"};

// Spoken when scheduled event n fires, in French whatever the language: before and after n.
inline constexpr std::string_view event_done_1 = "évènement ";
inline constexpr std::string_view event_done_2 = " terminé";

inline constexpr std::string_view small_clock_info_title = "Info";
inline constexpr std::string_view small_clock_info = "Clic gauche pour fermer / Left click to close";

inline constexpr std::string_view needle_error_title = "Erreur";
inline constexpr std::string_view needle_window_failed = "Impossible de créer la fenêtre principale";
inline constexpr std::string_view needle_drawing_failed = "Ne peut générer la pendule";

}  // namespace clocks::texts

// The voice button of the preferences: which voice speaks each language, and
// that it follows the interface language. The text is voice_intro, a line per
// language (its label and the voice's name), voice_follows, and voice_missing
// when no voice can speak.
namespace clocks::texts {
inline constexpr Text voice_title{"Choisir la Voix", "Choice Voice"};
inline constexpr Text voice_intro{"L'horloge parlante et les annonces parlent avec une voix d'espeak-ng :\n\n",
                                  "The speaking clock and the notices speak with an espeak-ng voice:\n\n"};
inline constexpr Text voice_french{"    en français : voix ", "    in French: voice "};
inline constexpr Text voice_english{"    en anglais : voix ", "    in English: voice "};
inline constexpr Text voice_follows{
    "\nLa voix suit la langue de l'interface : choisissez la langue dans l'onglet Divers pour changer de voix.",
    "\nThe voice follows the interface language: choose the language on the Main tab to change the voice."};
inline constexpr Text voice_missing{"\n\nAucune voix ne peut parler : espeak-ng ou ses données de voix manquent.",
                                    "\n\nNo voice can speak: espeak-ng or its voice data is missing."};
}  // namespace clocks::texts
