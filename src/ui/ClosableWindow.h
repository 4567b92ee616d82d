#pragma once
// A secondary window of a given title and size with a button in its lower right corner that hides
// it: the frame of the editor windows that hold nothing else yet.
#include <QWidget>

class QPushButton;

namespace quorl {

class TClosableWindow : public QWidget {
    Q_OBJECT
public:
    TClosableWindow(const QString& title, int width, int height, const QString& closeCaption);

    QPushButton* CloseButton;
};

}  // namespace quorl
