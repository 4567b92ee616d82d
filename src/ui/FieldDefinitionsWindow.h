#pragma once
// The field definitions editor: one row per field definition of the current user; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class FieldDefinitionsWindow : public ClosableWindow {
    Q_OBJECT
public:
    explicit FieldDefinitionsWindow(Session& s);

    Session& session;
};

}  // namespace quorl
