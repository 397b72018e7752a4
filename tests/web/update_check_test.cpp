// The update check: the request it sends, how it reads the server's answer,
// and the boxes the user gets for each outcome.
#include "web/update_check.h"

#include <gtest/gtest.h>

#include "platform/environment.h"
#include "platform/http.h"

using web::FailureKind;
using web::Verdict;

namespace {

const web::BuildIdentity own{"Vimo_Desk", "201809140928", "3.16.17"};

platform::HttpResult answered(std::string body, long status = 200) { return {true, status, std::move(body), {}}; }

const char* verdict_name(Verdict v) {
    switch (v) {
    case Verdict::Newer: return "Newer";
    case Verdict::UpToDate: return "UpToDate";
    case Verdict::Failed: return "Failed";
    }
    return "?";
}

}  // namespace

TEST(UpdateRequest, AddressCarriesTheFourKeysUrlEncoded) {
    struct Row {
        const char* name;
        std::string language;
        int system;
        std::string expected;
    };
    const std::string start = "https://vimo-duzi.example/Vimo_Desk_Version.php?ID=201809140928&V=3.16.17&L=";
    const Row rows[] = {
        {"French, accented letter and spaces", "Français (France)", 618, start + "Fran%C3%A7ais%20(France)&W=618"},
        {"English", "English (United States)", 601, start + "English%20(United%20States)&W=601"},
        {"Cyrillic, every byte escaped", "русский", 510, start + "%D1%80%D1%83%D1%81%D1%81%D0%BA%D0%B8%D0%B9&W=510"},
        {"a value cannot add a key", "a&W=1#x", 0, start + "a%26W%3D1%23x&W=0"},
        {"a value's own percent is kept literal", "100%", 0, start + "100%25&W=0"},
        {"unknown system", "English", 0, start + "English&W=0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(web::request_address(web::built_in_web_base, own, row.language, row.system), row.expected)
            << row.name;
}

TEST(UpdateRequest, UrlEncodingKeepsSeparatorsAndEscapesTheRest) {
    struct Row {
        std::string input;
        std::string expected;
    };
    const Row rows[] = {
        {"http://h:8080/p?a=b&c=d#f", "http://h:8080/p?a=b&c=d#f"},
        {"-._~[]@!$'()*+,;%", "-._~[]@!$'()*+,;%"},
        {"a b", "a%20b"},
        {"\"<>\\^`{|}", "%22%3C%3E%5C%5E%60%7B%7C%7D"},
        {std::string("\x01\t\n\x7F", 4), "%01%09%0A%7F"},
        {std::string("\0", 1), "%00"},
        {"\xC3\xA9\xFF", "%C3%A9%FF"},
    };
    for (const Row& row : rows) EXPECT_EQ(web::url_encode(row.input), row.expected) << row.input;
}

TEST(UpdateRequest, BaseAddressFromTheEnvironment) {
    struct Row {
        std::optional<std::string> variable;
        std::string expected;
    };
    const Row rows[] = {
        {std::nullopt, "https://vimo-duzi.example"},
        {"", "https://vimo-duzi.example"},
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"http://127.0.0.1:8080//", "http://127.0.0.1:8080"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(web::web_base(row.variable), row.expected) << row.variable.value_or("(unset)");

    platform::FakeEnvironment environment;
    EXPECT_EQ(web::web_base(environment), "https://vimo-duzi.example");
    environment.variables["VIMO_DUZI_WEB_BASE"] = "http://localhost:9/";
    EXPECT_EQ(web::web_base(environment), "http://localhost:9");
    EXPECT_EQ(web::download_address(web::web_base(environment)), "http://localhost:9/download.php");
}

TEST(UpdateRequest, IsSentOnceWithTheCheckLimits) {
    platform::FakeHttp http;
    const std::string address = web::request_address("http://server", own, "English", 618);
    http.serve(address, {200, "Vimo_Desk 201809140928 3.16.17\r\n"});
    EXPECT_EQ(web::check_for_update(http, "http://server", own, "English", 618).verdict, Verdict::UpToDate);
    ASSERT_EQ(http.requests().size(), 1u);
    EXPECT_EQ(http.requests()[0].url, address);
    EXPECT_EQ(http.requests()[0].user_agent, "Mozilla/5.0 Gecko/41.0 Firefox/41.0");

    // The fake honours the size cap: an answer over 4 KiB must fail the transfer.
    http.serve(address, {200, "Vimo_Desk 209912312359 9.9.9\r\n" + std::string(5000, 'x')});
    const web::CheckOutcome outcome = web::check_for_update(http, "http://server", own, "English", 618);
    EXPECT_EQ(outcome.verdict, Verdict::Failed);
    EXPECT_EQ(outcome.failure.kind, FailureKind::NoAnswer);

    const platform::HttpLimits limits = web::request_limits();
    EXPECT_EQ(limits.total_timeout_ms, 10000);
    EXPECT_EQ(limits.max_bytes, 4096);
    EXPECT_GT(limits.connect_timeout_ms, 0);
    EXPECT_FALSE(limits.https_only);
}

TEST(UpdateAnswer, AnswersAsTheyRead) {
    struct Row {
        const char* name;
        std::string body;
        Verdict verdict;
        std::string stamp = {};                       // Newer and UpToDate
        std::string version = {};                     // Newer and UpToDate
        FailureKind failure = FailureKind::NoAnswer;  // Failed
    };
    const Row rows[] = {
        {"equal stamp", "Vimo_Desk 201809140928 3.16.17\r\n", Verdict::UpToDate, "201809140928", "3.16.17"},
        {"greater stamp", "Vimo_Desk 201809140929 3.16.18\r\n", Verdict::Newer, "201809140929", "3.16.18"},
        {"much greater stamp", "Vimo_Desk 999912312359 4.0\r\n", Verdict::Newer, "999912312359", "4.0"},
        {"smaller stamp", "Vimo_Desk 201809140927 3.16.16\r\n", Verdict::UpToDate, "201809140927", "3.16.16"},
        {"LF line end", "Vimo_Desk 201901021530 3.16.18\nmore", Verdict::Newer, "201901021530", "3.16.18"},
        {"CR line end", "Vimo_Desk 201901021530 3.16.18\rmore", Verdict::Newer, "201901021530", "3.16.18"},
        {"no line end", "Vimo_Desk 201901021530 3.16.18", Verdict::Newer, "201901021530", "3.16.18"},
        {"script output after the line", "Vimo_Desk 201809140928 3.16.17\r\n<b>Warning</b>", Verdict::UpToDate,
         "201809140928", "3.16.17"},
        {"base name is not checked", "Autre_Prg 201901021530 1", Verdict::Newer, "201901021530", "1"},
        {"8-bit version decoded", "Vimo_Desk 201901021530 3.2 b\xEAta \x80", Verdict::Newer, "201901021530",
         "3.2 b\xC3\xAAta \xE2\x82\xAC"},
        {"version of 64 bytes", "Vimo_Desk 201901021530 " + std::string(64, 'v'), Verdict::Newer, "201901021530",
         std::string(64, 'v')},
        {"empty", "", Verdict::Failed, {}, {}, FailureKind::Empty},
        {"5-character answer", "Vimo_", Verdict::Failed, {}, {}, FailureKind::Garbled},
        {"line ends before the version",
         "Vimo_Desk 201901021530 \r\n3.16.18",
         Verdict::Failed,
         {},
         {},
         FailureKind::Garbled},
        {"13-digit stamp", "Vimo_Desk 2018091409281 3.16.17\r\n", Verdict::Failed, {}, {}, FailureKind::Garbled},
        {"11-digit stamp", "Vimo_Desk 20180914092 3.16.17\r\n", Verdict::Failed, {}, {}, FailureKind::Garbled},
        {"signed stamp", "Vimo_Desk +01809140928 3.16.17\r\n", Verdict::Failed, {}, {}, FailureKind::Garbled},
        {"stamp with a blank", "Vimo_Desk  01809140928 3.16.17\r\n", Verdict::Failed, {}, {}, FailureKind::Garbled},
        {"HTML error page",
         "<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head><body></body></html>\n",
         Verdict::Failed,
         {},
         {},
         FailureKind::Garbled},
        {"UTF-8 mark shifts the layout",
         "\xEF\xBB\xBFVimo_Desk 201901021530 3.16.18\r\n",
         Verdict::Failed,
         {},
         {},
         FailureKind::Garbled},
        {"control character in the version",
         "Vimo_Desk 201901021530 3.16\t18\r\n",
         Verdict::Failed,
         {},
         {},
         FailureKind::Garbled},
        {"undefined 8-bit byte in the version",
         "Vimo_Desk 201901021530 3.16\x81",
         Verdict::Failed,
         {},
         {},
         FailureKind::Garbled},
        {"version of 65 bytes",
         "Vimo_Desk 201901021530 " + std::string(65, 'v'),
         Verdict::Failed,
         {},
         {},
         FailureKind::Garbled},
        {"oversized",
         "Vimo_Desk 209912312359 9.9\r\n" + std::string(4096, ' '),
         Verdict::Failed,
         {},
         {},
         FailureKind::TooLarge},
    };
    for (const Row& row : rows) {
        const web::CheckOutcome outcome = web::decide(answered(row.body), own);
        EXPECT_EQ(outcome.verdict, row.verdict) << row.name << ": got " << verdict_name(outcome.verdict);
        if (row.verdict == Verdict::Failed) {
            EXPECT_EQ(outcome.failure.kind, row.failure) << row.name;
        } else {
            EXPECT_EQ(outcome.published.stamp, row.stamp) << row.name;
            EXPECT_EQ(outcome.published.version, row.version) << row.name;
        }
    }
}

TEST(UpdateAnswer, TransferResultsThatAreNotAnAnswer) {
    struct Row {
        const char* name;
        platform::HttpResult result;
        Verdict verdict;
        FailureKind failure;
        long status = 0;
        std::string detail = {};
    };
    const std::string newer = "Vimo_Desk 209912312359 9.9.9\r\n";
    const Row rows[] = {
        {"dead server",
         {false, 0, {}, "Failed to connect to 127.0.0.1 port 9"},
         Verdict::Failed,
         FailureKind::NoAnswer,
         0,
         "Failed to connect to 127.0.0.1 port 9"},
        {"time-out without text", {false, 0, {}, {}}, Verdict::Failed, FailureKind::NoAnswer},
        {"server error", answered("Internal Server Error", 500), Verdict::Failed, FailureKind::Status, 500},
        {"not found, even with a version line", answered(newer, 404), Verdict::Failed, FailureKind::Status, 404},
        {"no content", answered("", 204), Verdict::Failed, FailureKind::Status, 204},
        {"ok", answered(newer), Verdict::Newer, FailureKind::NoAnswer},
    };
    for (const Row& row : rows) {
        const web::CheckOutcome outcome = web::decide(row.result, own);
        EXPECT_EQ(outcome.verdict, row.verdict) << row.name << ": got " << verdict_name(outcome.verdict);
        if (row.verdict != Verdict::Failed) continue;
        EXPECT_EQ(outcome.failure.kind, row.failure) << row.name;
        EXPECT_EQ(outcome.failure.status, row.status) << row.name;
        EXPECT_EQ(outcome.failure.detail, row.detail) << row.name;
    }
}

TEST(UpdateAnswer, ABadOwnStampIsAFailureNotUpToDate) {
    const web::BuildIdentity broken{"Vimo_Desk", "2018-09-14", "3.16.17"};
    const web::CheckOutcome outcome = web::decide(answered("Vimo_Desk 201809140928 3.16.17\r\n"), broken);
    EXPECT_EQ(outcome.verdict, Verdict::Failed);
    EXPECT_EQ(outcome.failure.kind, FailureKind::OwnStamp);
}

TEST(UpdateBoxes, TextsIconsAndButtonsInBothLanguages) {
    web::CheckOutcome newer;
    newer.verdict = Verdict::Newer;
    newer.published = {"201901021530", "3.16.18"};
    web::CheckOutcome up_to_date;
    up_to_date.verdict = Verdict::UpToDate;
    up_to_date.published = {"201809140928", "3.16.17"};
    web::CheckOutcome dead;
    dead.verdict = Verdict::Failed;
    dead.failure = {FailureKind::NoAnswer, 0, "Connection refused"};
    web::CheckOutcome status;
    status.verdict = Verdict::Failed;
    status.failure = {FailureKind::Status, 500, {}};

    struct Row {
        const char* name;
        std::string lng;
        const web::CheckOutcome& outcome;
        web::MessageBoxText expected;
    };
    using web::BoxButtons;
    using web::BoxIcon;
    const Row rows[] = {
        {"newer, French",
         "Fr",
         newer,
         {"Nouvelle version disponible",
          "Une mise à jour est disponible sur le serveur\n\nDate: 201901021530 - Serveur - v3.16.18\n"
          "Date: 201809140928 - Locale - v3.16.17\n\nVoulez-vous aller sur sur la Page de Téléchargement ?",
          BoxIcon::Information, BoxButtons::YesNo}},
        {"newer, English",
         "Us",
         newer,
         {"A newer version is avalable",
          "An Updated version is Available on the Server\n\nDate: 201901021530 - Server v3.16.18\n"
          "Date: 201809140928 - Local v3.16.17\n\nDo you want to go to download page ?",
          BoxIcon::Information, BoxButtons::YesNo}},
        {"up to date, French",
         "Fr",
         up_to_date,
         {"Vérification mise à jour", "Votre version est à jour.", BoxIcon::Information, BoxButtons::Ok}},
        {"up to date, English",
         "Us",
         up_to_date,
         {"Update Check", "Your version is up to date.", BoxIcon::Information, BoxButtons::Ok}},
        {"no answer, French",
         "Fr",
         dead,
         {"Échec de la vérification", "La vérification a échoué : le serveur n'a pas répondu (Connection refused)",
          BoxIcon::Error, BoxButtons::Ok}},
        {"server error, English",
         "Us",
         status,
         {"Update Check Failed", "The check failed: the server answered with status 500", BoxIcon::Error,
          BoxButtons::Ok}},
    };
    for (const Row& row : rows) {
        const web::MessageBoxText box = web::outcome_box(row.lng, own, row.outcome);
        EXPECT_EQ(box.title, row.expected.title) << row.name;
        EXPECT_EQ(box.text, row.expected.text) << row.name;
        EXPECT_EQ(box.icon, row.expected.icon) << row.name;
        EXPECT_EQ(box.buttons, row.expected.buttons) << row.name;
    }
    // A language setting other than "Fr" (a hand-edited file) reads English.
    EXPECT_EQ(web::outcome_box("fr", own, up_to_date).title, "Update Check");
}

TEST(DeveloperVersionFile, BytesAndTheAnswerTheServerSendsFromThem) {
    const std::string file = web::developer_version_file(own);
    EXPECT_EQ(file,
              "Vimo_Desk 201809140928 3.16.17\r\n<?php\r\nini_set(\"display_errors\",0);error_reporting(0);\r\n"
              "require \"stats.php\";\r\n?>\r\n");

    // A later build's file, served as it stands, offers the download to this one.
    const web::BuildIdentity later{"Vimo_Desk", "202603011200", "3.17.0"};
    const web::CheckOutcome outcome = web::decide(answered(web::developer_version_file(later)), own);
    EXPECT_EQ(outcome.verdict, Verdict::Newer);
    EXPECT_EQ(outcome.published.stamp, "202603011200");
    EXPECT_EQ(outcome.published.version, "3.17.0");
}
