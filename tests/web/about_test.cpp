// The About window: its controls at their places with their texts, and where
// each link leads.
#include "web/about.h"

#include <gtest/gtest.h>

#include "core/ids.h"
#include "rt/app.h"
#include "rt/gadget.h"
#include "rt/window.h"
#include "support/fixture.h"
#include "support/shell_requests.h"
#include "web/ids.h"

namespace {

using platform::FakeShell;

// The text of a percent-encoded query value.
std::string percent_decoded(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            out += char(std::stoi(std::string(s.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

class About : public test::Scenario {
protected:
    ~About() override { rt::shutdown(); }
    FakeShell::Request opened(const std::string& target) { return {FakeShell::Verb::Open, target, {}, {}}; }
};

TEST_F(About, WindowHoldsEveryControlAtItsPlace) {
    web::show_about(state);
    ASSERT_TRUE(rt::window_exists(core::WindowAbout));
    EXPECT_EQ(rt::window_title(core::WindowAbout), "About Vimo Duzi");
    EXPECT_EQ(rt::window_width(core::WindowAbout), 600);
    EXPECT_EQ(rt::window_height(core::WindowAbout), 210);

    struct Row {
        int gadget;
        int x, y, w, h;
        std::string text;  // "-" for a gadget without text
    };
    const Row rows[] = {
        {web::GadgetAboutBanner, 2, 2, 596, 55, "-"},
        {web::GadgetAboutVersion, 470, 60, 120, 15, "Version 3.16.17"},
        {web::GadgetAboutWeb, 13, 65, 400, 15, "https://vimo-duzi.example"},
        {web::GadgetAboutContact, 13, 80, 395, 15, "contact@vimo-duzi.example"},
        {web::GadgetAboutCheck, 545, 75, 45, 20, "Check"},
        {web::GadgetAboutText, 5, 100, 580, 70, "-"},
        {web::GadgetAboutLicencesPicture, 5, 172, 32, 32, "-"},
        {web::GadgetAboutLicences, 35, 175, 90, 15, "Licenses"},
        {web::GadgetAboutToolkit, 35, 190, 150, 15, "Réalisé avec Qt 6"},
        {web::GadgetAboutOk, 250, 180, 100, 25, "OK"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.gadget);
        ASSERT_TRUE(rt::gadget_exists(row.gadget));
        EXPECT_EQ(rt::gadget_x(row.gadget), row.x);
        EXPECT_EQ(rt::gadget_y(row.gadget), row.y);
        EXPECT_EQ(rt::gadget_width(row.gadget), row.w);
        EXPECT_EQ(rt::gadget_height(row.gadget), row.h);
        if (row.text != "-") {
            EXPECT_EQ(rt::gadget_text(row.gadget), row.text);
        }
    }
    EXPECT_EQ(rt::gadget_text(web::GadgetAboutText), web::about_text(state));

    web::close_about();
    EXPECT_FALSE(rt::window_exists(core::WindowAbout));
}

TEST_F(About, CreditsInTheLanguageWithTheBuildFacts) {
    state.Lng = "Us";
    const std::string english = web::about_text(state);
    EXPECT_EQ(english.rfind("Vimo Duzi 2017 Edition - version 3.16.17 (x64), built on 2018.09.14 09:28.\n", 0), 0u)
        << english;
    state.Lng = "Fr";
    const std::string french = web::about_text(state);
    EXPECT_EQ(french.rfind("Vimo Duzi 2017 Edition - version 3.16.17 (x64), construite le 2018.09.14 09:28.\n", 0), 0u)
        << french;
}

TEST_F(About, TheWebLinkFollowsTheConfiguredBase) {
    env.variables["VIMO_DUZI_WEB_BASE"] = "http://127.0.0.1:8080/";
    web::show_about(state);
    EXPECT_EQ(rt::gadget_text(web::GadgetAboutWeb), "http://127.0.0.1:8080");
    web::open_web_site(state);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], opened("http://127.0.0.1:8080"));
}

TEST_F(About, AnEmailToTheMakerCarriesTheExactSubject) {
    web::write_to_maker(state);
    ASSERT_EQ(shell.requests.size(), 1u);
    const std::string address = shell.requests[0].program;
    const std::string start = "mailto:contact@vimo-duzi.example?Subject=";
    ASSERT_EQ(address.rfind(start, 0), 0u) << address;
    const std::string subject = address.substr(start.size());
    EXPECT_EQ(subject.find(' '), std::string::npos) << "a space may not stand in an address: " << subject;
    EXPECT_EQ(percent_decoded(subject), "[Vimo Duzi]");
}

TEST_F(About, LicencesPageOfTheLanguageInstalledWithTheHelp) {
    env.program = VD_HELP_DIR;
    const struct {
        const char* lng;
        const char* folder;
    } rows[] = {{"Fr", "Vimo_Desk_Help_Fr"}, {"Us", "Vimo_Desk_Help_Us"}, {"De", "Vimo_Desk_Help_Us"}};
    for (const auto& row : rows) {
        shell.requests.clear();
        state.Lng = row.lng;
        web::open_licences(state);
        ASSERT_EQ(shell.requests.size(), 1u) << row.lng;
        EXPECT_EQ(shell.requests[0], opened(std::string(VD_HELP_DIR) + "/" + row.folder + "/Licences.htm"));
    }
    EXPECT_TRUE(dialogs.shown().empty());

    // Without the help installed, the missing-help warning.
    shell.requests.clear();
    env.program = work.path().string();
    state.Lng = "Us";
    web::open_licences(state);
    EXPECT_TRUE(shell.requests.empty());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "HelpFile not Found. Download it from site.");
}

TEST_F(About, ToolkitCreditLeadsToTheToolkitsSite) {
    web::open_toolkit_site(state);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], opened("https://www.qt.io"));
}

}  // namespace
