#pragma once
// Runs a window's handler so that a failure in it reaches the user as a message instead of
// leaving the event loop; the end of the program passes through.
#include <exception>
#include <functional>

#include "base/Dialogs.h"

namespace quorl {

inline void RunGuarded(Dialogs& d, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        d.ShowMessage(e.what());
    }
}

}  // namespace quorl
