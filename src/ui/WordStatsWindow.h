#pragma once
// The word statistics editor: the learnt words of the current user as a table; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class WordStatsWindow : public ClosableWindow {
    Q_OBJECT
public:
    explicit WordStatsWindow(Session& s);

    Session& session;
};

}  // namespace quorl
