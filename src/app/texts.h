// Texts the application core shows the user.
#pragma once

#include "core/text.h"

namespace app::texts {

// The first time the desk is hidden while no tray icon can bring it back.
inline constexpr core::Text hidden_title{"Vimo Duzi masqué", "Vimo Duzi hidden"};
inline constexpr core::Text hidden_without_tray{
    "Le bureau est masqué, et aucune zone de notification ne peut le faire revenir.\n\n"
    "Pour l'afficher à nouveau, démarrez Vimo Duzi une seconde fois : le bureau revient au premier plan.",
    "The desk is hidden, and there is no notification area to bring it back.\n\n"
    "To show it again, start Vimo Duzi once more: the desk comes back to the front."};

}  // namespace app::texts
