#pragma once
// The field definitions editor: one row per field definition of the current user; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class TConfigListForm : public TClosableWindow {
    Q_OBJECT
public:
    explicit TConfigListForm(Session& s);

    Session& session;
};

}  // namespace quorl
