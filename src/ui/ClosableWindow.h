#pragma once
// A secondary window of a given title and size with a button in its lower right corner that hides
// it: the frame of the editor windows that hold nothing else yet.
#include <QWidget>

class QPushButton;

namespace quorl {

class ClosableWindow : public QWidget {
    Q_OBJECT
public:
    ClosableWindow(const QString& title, int width, int height, const QString& closeCaption);

    QPushButton* CloseButton;
};

}  // namespace quorl
