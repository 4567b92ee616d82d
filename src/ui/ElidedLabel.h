#pragma once
// A label of the main window that shows a text too long for its width shortened in the middle
// with "…"; its text stays the whole text, and a label without a tooltip of its own shows the whole
// text as its tooltip while it is shortened.
#include <QLabel>

namespace quorl {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // What the label shows: its text, or the text shortened to the label's width.
    QString ShownText() const;
    bool Shortened() const { return ShownText() != text(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorl
