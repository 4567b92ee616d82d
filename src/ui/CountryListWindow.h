#pragma once
// The country list editor: countries, states and counties with their boxes; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class CountryListWindow : public ClosableWindow {
    Q_OBJECT
public:
    explicit CountryListWindow(Session& s);

    Session& session;
};

}  // namespace quorl
