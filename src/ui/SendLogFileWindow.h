#pragma once
// The window that mails the log and the user's settings files to the maintainer; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class SendLogFileWindow : public ClosableWindow {
    Q_OBJECT
public:
    explicit SendLogFileWindow(Session& s);

    Session& session;
};

}  // namespace quorl
