#pragma once
// The preferences editor of the current user; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class TPreferencesForm : public TClosableWindow {
    Q_OBJECT
public:
    explicit TPreferencesForm(Session& s);

    Session& session;
};

}  // namespace quorl
