#pragma once
// The preferences editor of the current user; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class PreferencesWindow : public ClosableWindow {
    Q_OBJECT
public:
    explicit PreferencesWindow(Session& s);

    Session& session;
};

}  // namespace quorl
