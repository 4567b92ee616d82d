#pragma once
// The country list editor: countries, states and counties with their boxes; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class TCountryForm : public TClosableWindow {
    Q_OBJECT
public:
    explicit TCountryForm(Session& s);

    Session& session;
};

}  // namespace quorl
