// Texts the update check shows the user, French and English side by side.
#pragma once

#include <string_view>

namespace web::texts {

// A newer build is published. The text is newer_*_1 + published stamp +
// newer_*_2 + published version + newer_*_3 + own stamp + newer_*_4 + own
// version + newer_*_5.
inline constexpr std::string_view newer_title_fr = "Nouvelle version disponible";
inline constexpr std::string_view newer_fr_1 = "Une mise à jour est disponible sur le serveur\n\nDate: ";
inline constexpr std::string_view newer_fr_2 = " - Serveur - v";
inline constexpr std::string_view newer_fr_3 = "\nDate: ";
inline constexpr std::string_view newer_fr_4 = " - Locale - v";
inline constexpr std::string_view newer_fr_5 = "\n\nVoulez-vous aller sur sur la Page de Téléchargement ?";

inline constexpr std::string_view newer_title_us = "A newer version is avalable";
inline constexpr std::string_view newer_us_1 = "An Updated version is Available on the Server\n\nDate: ";
inline constexpr std::string_view newer_us_2 = " - Server v";
inline constexpr std::string_view newer_us_3 = "\nDate: ";
inline constexpr std::string_view newer_us_4 = " - Local v";
inline constexpr std::string_view newer_us_5 = "\n\nDo you want to go to download page ?";

inline constexpr std::string_view up_to_date_title_fr = "Vérification mise à jour";
inline constexpr std::string_view up_to_date_fr = "Votre version est à jour.";
inline constexpr std::string_view up_to_date_title_us = "Update Check";
inline constexpr std::string_view up_to_date_us = "Your version is up to date.";

// The check could not tell: failed_* followed by the reason below.
inline constexpr std::string_view failed_title_fr = "Échec de la vérification";
inline constexpr std::string_view failed_fr = "La vérification a échoué : ";
inline constexpr std::string_view failed_title_us = "Update Check Failed";
inline constexpr std::string_view failed_us = "The check failed: ";

// Reasons. The transfer's own error, when there is one, follows the first
// in brackets; the status code follows the second.
inline constexpr std::string_view no_answer_fr = "le serveur n'a pas répondu";
inline constexpr std::string_view no_answer_us = "the server did not answer";
inline constexpr std::string_view status_fr = "le serveur a répondu par le code ";
inline constexpr std::string_view status_us = "the server answered with status ";
inline constexpr std::string_view empty_fr = "la réponse du serveur est vide";
inline constexpr std::string_view empty_us = "the server's answer is empty";
inline constexpr std::string_view too_large_fr = "la réponse du serveur est trop longue";
inline constexpr std::string_view too_large_us = "the server's answer is too long";
inline constexpr std::string_view garbled_fr = "la réponse du serveur n'est pas une ligne de version";
inline constexpr std::string_view garbled_us = "the server's answer is not a version line";
inline constexpr std::string_view own_stamp_fr = "la date de construction de ce programme n'est pas valide";
inline constexpr std::string_view own_stamp_us = "this program's build stamp is not valid";

}  // namespace web::texts
