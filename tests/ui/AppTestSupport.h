#pragma once
// Every window of the program over a session started in a fresh program folder. The windows go
// first when it is destroyed, the program folder last.
#include <functional>
#include <memory>

#include "UiTestSupport.h"
#include "ui/AppWindows.h"

namespace quorl::testing {

struct StartedApp {
    // keepUser answers the start-up question about the current user with Yes; prepare fills the
    // program folder before the program starts in it.
    explicit StartedApp(bool keepUser, const std::function<void(const fs::path&)>& prepare = {}) {
        if (prepare) prepare(program.path);
        if (keepUser) dialogs.answers.push_back(DialogButton::Yes);
        windows = CreateAppWindows(session);
    }

    ProgramFolder program;
    ScriptedDialogs dialogs;
    Session session{dialogs};
    std::unique_ptr<AppWindows> windows;
};

}  // namespace quorl::testing
