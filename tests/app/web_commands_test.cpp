// The update check against a loopback web server, help by the keyboard and
// the menus, and the About window's links, all through the dispatch.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "config/ini_file.h"
#include "core/ids.h"
#include "platform/loopback_server.h"
#include "rt/window.h"
#include "support/shell_requests.h"
#include "web/ids.h"
#include "web/locale_info.h"
#include "web/update_check.h"

using rt::EventKind;
using rt::EventType;
using test_support::http_response;
using test_support::LoopbackServer;
using Verb = platform::FakeShell::Verb;

namespace {

const std::string own_line = "Vimo_Desk 201809140928 3.16.17";

class WebCommands : public test::AppScenario {
protected:
    // The real transfer, to `server`, named by the base address variable.
    void use(const LoopbackServer& server) {
        env.variables["VIMO_DUZI_WEB_BASE"] = server.url("");
        platform::install({&clock, &env, &curl, &screen, &speech, &file_icons, &tones, &shell, &player});
    }
    // The path and query the check asks for with a French locale.
    static std::string request_path() {
        return "/Vimo_Desk_Version.php?ID=201809140928&V=3.16.17&L=Fran%C3%A7ais%20(France)&W=" +
               std::to_string(web::system_version_code());
    }
    void start_in(const std::string& lng) {
        env.variables["LANG"] = "fr_FR.UTF-8";
        start_with("[Global]\r\nLng = " + lng + "\r\n");
    }
    const rt::ShownDialog& only_dialog() {
        EXPECT_EQ(dialogs.shown().size(), 1u);
        return dialogs.shown().back();
    }
    void about_click(int gadget) {
        dispatch(
            {.kind = EventKind::Gadget, .window = core::WindowAbout, .object = gadget, .type = EventType::LeftClick});
    }
    // A key pressed on the desk, then the event it raised handled.
    void press_on_desk(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* desk = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == "Vimo Duzi") desk = w;
        ASSERT_NE(desk, nullptr);
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(desk, &event);
        const auto raised = rt::wait_event(0);
        ASSERT_TRUE(raised);
        dispatch(*raised);
    }

    platform::CurlHttp curl;
};

}  // namespace

TEST_F(WebCommands, AnEqualStampIsUpToDateAndTheRequestCarriesItsKeys) {
    start_in("Fr");
    LoopbackServer server(
        {{request_path(),
          http_response(200, "OK", web::developer_version_file({"Vimo_Desk", "201809140928", "3.16.17"}))}});
    use(server);
    press_on_desk(Qt::Key_V, Qt::ControlModifier);

    const rt::ShownDialog& box = only_dialog();
    EXPECT_EQ(box.title, "Vérification mise à jour");
    EXPECT_EQ(box.text, "Votre version est à jour.");
    EXPECT_EQ(box.icon, rt::MessageIcon::Information);
    EXPECT_EQ(box.buttons, rt::MessageButtons::Ok);
    const std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string& head = requests[0];
    EXPECT_EQ(head.rfind("GET " + request_path() + " HTTP/1.1\r\n", 0), 0u) << head;
    EXPECT_NE(head.find("\r\nUser-Agent: Mozilla/5.0 Gecko/41.0 Firefox/41.0\r\n"), std::string::npos) << head;
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(WebCommands, YesToANewerBuildSavesAllOpensTheDownloadPageAndEnds) {
    start_in("Fr");
    LoopbackServer server({{request_path(), http_response(200, "OK", "Vimo_Desk 201901021530 3.16.18\r\n")}});
    use(server);
    rt::move_window(core::WindowDesk, 77, 88);  // moved since the last save
    dialogs.answer(rt::MessageAnswer::Yes);
    EXPECT_THROW(menu(core::ItemDeskCheckVersion), app::ProgramEnd);

    const rt::ShownDialog& box = only_dialog();
    EXPECT_EQ(box.title, "Nouvelle version disponible");
    EXPECT_EQ(box.text,
              "Une mise à jour est disponible sur le serveur\n\nDate: 201901021530 - Serveur - v3.16.18\n"
              "Date: 201809140928 - Locale - v3.16.17\n\nVoulez-vous aller sur sur la Page de Téléchargement ?");
    EXPECT_EQ(box.buttons, rt::MessageButtons::YesNo);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], (platform::FakeShell::Request{Verb::Open, server.url("/download.php"), {}, {}}));
    const std::string saved = data_bytes();
    EXPECT_NE(saved.find("X_Origin = 77\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Y_Origin = 88\r\n"), std::string::npos);
}

TEST_F(WebCommands, NoToANewerBuildChangesNothing) {
    start_in("Us");
    LoopbackServer server({{request_path(), http_response(200, "OK", "Vimo_Desk 201901021530 3.16.18\r\n")}});
    use(server);
    menu(core::ItemDeskAbout);
    dialogs.answer(rt::MessageAnswer::No);
    about_click(web::GadgetAboutCheck);

    EXPECT_EQ(only_dialog().title, "A newer version is avalable");
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_TRUE(rt::window_exists(core::WindowDesk));
}

TEST_F(WebCommands, ADeadServerAnErrorStatusAndAShortAnswerSayTheCheckFailed) {
    start_in("Fr");
    std::string dead_base;
    {
        LoopbackServer gone({});
        dead_base = gone.url("");
    }
    LoopbackServer server({{request_path(), http_response(500, "Internal Server Error", own_line)}});
    LoopbackServer short_answer({{request_path(), http_response(200, "OK", "12345")}});
    const struct {
        const char* name;
        std::string base;
        std::string reason;  // the start of the reason
    } rows[] = {
        {"dead server", dead_base, "le serveur n'a pas répondu ("},
        {"500 status", server.url(""), "le serveur a répondu par le code 500"},
        {"5-character answer", short_answer.url(""), "la réponse du serveur n'est pas une ligne de version"},
    };
    use(server);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        env.variables["VIMO_DUZI_WEB_BASE"] = row.base;
        const std::size_t before = dialogs.shown().size();
        menu(core::ItemDeskCheckVersion);
        ASSERT_EQ(dialogs.shown().size(), before + 1);
        const rt::ShownDialog& box = dialogs.shown().back();
        EXPECT_EQ(box.title, "Échec de la vérification");
        EXPECT_EQ(box.text.rfind("La vérification a échoué : " + row.reason, 0), 0u) << box.text;
        EXPECT_EQ(box.icon, rt::MessageIcon::Error);
    }
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(WebCommands, F1OpensTheHelpOfTheLanguage) {
    for (const char* folder : {"Vimo_Desk_Help_Fr", "Vimo_Desk_Help_Us"})
        test::write_file(env.program + "/" + folder + "/Presentation.htm", "<!DOCTYPE html>\n");
    start_in("Fr");
    press_on_desk(Qt::Key_F1, Qt::NoModifier);
    menu(core::ItemDeskHelp);
    state.Lng = "Us";
    menu(core::ItemTrayHelp);
    const std::string french = env.program + "/Vimo_Desk_Help_Fr/Presentation.htm";
    const std::string english = env.program + "/Vimo_Desk_Help_Us/Presentation.htm";
    ASSERT_EQ(shell.requests.size(), 3u);
    EXPECT_EQ(shell.requests[0].program, french);
    EXPECT_EQ(shell.requests[1].program, french);
    EXPECT_EQ(shell.requests[2].program, english);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(WebCommands, AboutWindowFromEachCommandWithItsLinks) {
    start_in("Fr");
    press_on_desk(Qt::Key_F1, Qt::ControlModifier);
    ASSERT_TRUE(rt::window_exists(core::WindowAbout));
    about_click(web::GadgetAboutOk);
    EXPECT_FALSE(rt::window_exists(core::WindowAbout));
    for (int item : {core::ItemDeskAbout, core::ItemTrayAbout}) {
        menu(item);
        EXPECT_TRUE(rt::window_exists(core::WindowAbout)) << item;
    }

    about_click(web::GadgetAboutWeb);
    about_click(web::GadgetAboutContact);
    about_click(web::GadgetAboutToolkit);
    ASSERT_EQ(shell.requests.size(), 3u);
    EXPECT_EQ(shell.requests[0].program, "https://vimo-duzi.example");
    EXPECT_EQ(shell.requests[1].program, "mailto:contact@vimo-duzi.example?Subject=[Vimo%20Duzi]");
    EXPECT_EQ(shell.requests[2].program, "https://www.qt.io");
    for (const auto& r : shell.requests) EXPECT_EQ(r.verb, Verb::Open);
    dispatch({.kind = EventKind::CloseWindow, .window = core::WindowAbout});
    EXPECT_FALSE(rt::window_exists(core::WindowAbout));
}
