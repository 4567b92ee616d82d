#pragma once
// The Photo window: the label photograph, the selection box and the OCR commands; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class PhotoWindow : public ClosableWindow {
    Q_OBJECT
public:
    explicit PhotoWindow(Session& s);

    Session& session;
};

}  // namespace quorl
