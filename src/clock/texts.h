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
