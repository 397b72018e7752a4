#include "web/version_check.h"

#include "desk/launch.h"
#include "platform/services.h"
#include "rt/dialogs.h"
#include "web/locale_info.h"
#include "web/update_check.h"

namespace web {

namespace {

rt::MessageIcon icon_of(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information: return rt::MessageIcon::Information;
    case BoxIcon::Error: return rt::MessageIcon::Error;
    }
    return rt::MessageIcon::None;
}

rt::MessageButtons buttons_of(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::Ok: return rt::MessageButtons::Ok;
    case BoxButtons::YesNo: return rt::MessageButtons::YesNo;
    }
    return rt::MessageButtons::Ok;
}

}  // namespace

AfterCheck check_version(const core::State& s) {
    auto& environment = platform::environment();
    const BuildIdentity own{s.identity.base_name, s.identity.build_stamp, s.identity.version};
    const std::string base = web_base(environment);
    const CheckOutcome outcome =
        check_for_update(platform::http(), base, own, language_name(environment), system_version_code());

    const MessageBoxText box = outcome_box(s.Lng, own, outcome);
    const rt::MessageAnswer answer = rt::message_box(box.title, box.text, buttons_of(box.buttons), icon_of(box.icon));
    if (outcome.verdict != Verdict::Newer || answer != rt::MessageAnswer::Yes) return AfterCheck::Continue;
    return desk::open_with_desktop(s, download_address(base)) ? AfterCheck::EndProgram : AfterCheck::Continue;
}

}  // namespace web
