#pragma once
// The Photo window: the label photograph, the selection box and the OCR commands; so far only its frame.
#include "ui/ClosableWindow.h"

namespace quorl {

class Session;

class TPhotoForm : public TClosableWindow {
    Q_OBJECT
public:
    explicit TPhotoForm(Session& s);

    Session& session;
};

}  // namespace quorl
