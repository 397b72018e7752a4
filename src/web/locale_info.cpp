#include "web/locale_info.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cctype>

namespace web {

namespace {

struct LanguageRow {
    std::string_view code;  // ISO 639 code, lower case
    std::string_view name;  // in the language itself
};

struct CountryRow {
    std::string_view language;
    std::string_view country;  // ISO 3166 code, upper case
    std::string_view name;     // in that language
};

constexpr LanguageRow languages[] = {
    {"ar", "العربية"},      {"bg", "български"},  {"ca", "català"},      {"cs", "čeština"},   {"da", "dansk"},
    {"de", "Deutsch"},      {"el", "Ελληνικά"},   {"en", "English"},     {"es", "español"},   {"et", "eesti"},
    {"fi", "suomi"},        {"fr", "Français"},   {"he", "עברית"},       {"hr", "hrvatski"},  {"hu", "magyar"},
    {"it", "italiano"},     {"ja", "日本語"},     {"ko", "한국어"},      {"lt", "lietuvių"},  {"lv", "latviešu"},
    {"nb", "norsk bokmål"}, {"nl", "Nederlands"}, {"pl", "polski"},      {"pt", "português"}, {"ro", "română"},
    {"ru", "русский"},      {"sk", "slovenčina"}, {"sl", "slovenščina"}, {"sr", "српски"},    {"sv", "svenska"},
    {"tr", "Türkçe"},       {"uk", "українська"}, {"zh", "中文"},
};

constexpr CountryRow countries[] = {
    {"ar", "EG", "مصر"},          {"ar", "MA", "المغرب"},         {"ar", "SA", "المملكة العربية السعودية"},
    {"bg", "BG", "България"},     {"ca", "ES", "Espanya"},        {"cs", "CZ", "Česko"},
    {"da", "DK", "Danmark"},      {"de", "AT", "Österreich"},     {"de", "BE", "Belgien"},
    {"de", "CH", "Schweiz"},      {"de", "DE", "Deutschland"},    {"de", "LI", "Liechtenstein"},
    {"de", "LU", "Luxemburg"},    {"el", "GR", "Ελλάδα"},         {"en", "AU", "Australia"},
    {"en", "CA", "Canada"},       {"en", "GB", "United Kingdom"}, {"en", "IE", "Ireland"},
    {"en", "IN", "India"},        {"en", "NZ", "New Zealand"},    {"en", "US", "United States"},
    {"en", "ZA", "South Africa"}, {"es", "AR", "Argentina"},      {"es", "CL", "Chile"},
    {"es", "CO", "Colombia"},     {"es", "ES", "España"},         {"es", "MX", "México"},
    {"es", "PE", "Perú"},         {"es", "US", "Estados Unidos"}, {"es", "VE", "Venezuela"},
    {"et", "EE", "Eesti"},        {"fi", "FI", "Suomi"},          {"fr", "BE", "Belgique"},
    {"fr", "CA", "Canada"},       {"fr", "CH", "Suisse"},         {"fr", "FR", "France"},
    {"fr", "LU", "Luxembourg"},   {"fr", "MC", "Monaco"},         {"he", "IL", "ישראל"},
    {"hr", "HR", "Hrvatska"},     {"hu", "HU", "Magyarország"},   {"it", "CH", "Svizzera"},
    {"it", "IT", "Italia"},       {"ja", "JP", "日本"},           {"ko", "KR", "대한민국"},
    {"lt", "LT", "Lietuva"},      {"lv", "LV", "Latvija"},        {"nb", "NO", "Norge"},
    {"nl", "BE", "België"},       {"nl", "NL", "Nederland"},      {"pl", "PL", "Polska"},
    {"pt", "BR", "Brasil"},       {"pt", "PT", "Portugal"},       {"ro", "RO", "România"},
    {"ru", "RU", "Россия"},       {"sk", "SK", "Slovensko"},      {"sl", "SI", "Slovenija"},
    {"sr", "RS", "Србија"},       {"sv", "FI", "Finland"},        {"sv", "SE", "Sverige"},
    {"tr", "TR", "Türkiye"},      {"uk", "UA", "Україна"},        {"zh", "CN", "中国"},
    {"zh", "HK", "香港"},         {"zh", "TW", "台灣"},
};

constexpr std::string_view fallback_name = "English";

bool is_ascii_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_ascii_digit(char c) { return c >= '0' && c <= '9'; }

bool all_letters(std::string_view s) { return std::all_of(s.begin(), s.end(), is_ascii_letter); }

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

const std::optional<std::string>& first_set(const std::optional<std::string>& a, const std::optional<std::string>& b,
                                            const std::optional<std::string>& c) {
    if (a && !a->empty()) return a;
    if (b && !b->empty()) return b;
    return c;
}

// Up to `max_digits` decimal digits at the front of `s`, consumed; nothing
// when there are none or more.
std::optional<int> take_number(std::string_view& s, std::size_t max_digits) {
    std::size_t n = 0;
    while (n < s.size() && is_ascii_digit(s[n])) ++n;
    if (n == 0 || n > max_digits) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < n; ++i) value = value * 10 + (s[i] - '0');
    s.remove_prefix(n);
    return value;
}

}  // namespace

std::string messages_locale(const std::optional<std::string>& lc_all, const std::optional<std::string>& lc_messages,
                            const std::optional<std::string>& lang) {
    const auto& chosen = first_set(lc_all, lc_messages, lang);
    return chosen ? *chosen : std::string();
}

std::string language_name(std::string_view locale) {
    // Codeset and modifier say nothing about the language.
    locale = locale.substr(0, locale.find_first_of(".@"));
    const auto underscore = locale.find('_');
    const std::string_view language_part = locale.substr(0, underscore);
    const std::string_view country_part =
        underscore == std::string_view::npos ? std::string_view() : locale.substr(underscore + 1);

    if (language_part.size() < 2 || language_part.size() > 3 || !all_letters(language_part))
        return std::string(fallback_name);  // "C", "POSIX", "" and the malformed
    const std::string language = lower(language_part);
    const bool country_ok = country_part.size() == 2 && all_letters(country_part);
    const std::string country = country_ok ? upper(country_part) : std::string();

    const auto known = std::find_if(std::begin(languages), std::end(languages),
                                    [&](const LanguageRow& row) { return row.code == language; });
    if (known == std::end(languages)) return country.empty() ? language : language + "-" + country;

    std::string name(known->name);
    const auto place = std::find_if(std::begin(countries), std::end(countries), [&](const CountryRow& row) {
        return row.language == language && row.country == country;
    });
    if (place != std::end(countries)) name += " (" + std::string(place->name) + ")";
    return name;
}

std::string language_name(platform::Environment& environment) {
    return language_name(messages_locale(environment.variable("LC_ALL"), environment.variable("LC_MESSAGES"),
                                         environment.variable("LANG")));
}

int system_version_code(std::string_view kernel_release) {
    constexpr int minor_per_major = 100;
    const auto major = take_number(kernel_release, 3);
    if (!major) return 0;
    int minor = 0;
    if (!kernel_release.empty() && kernel_release.front() == '.') {
        kernel_release.remove_prefix(1);
        const auto read = take_number(kernel_release, 2);
        if (!read) return 0;
        minor = *read;
    }
    return *major * minor_per_major + minor;
}

int system_version_code() {
    utsname name{};
    if (::uname(&name) != 0) return 0;
    return system_version_code(name.release);
}

}  // namespace web
