#pragma once
// A label of the main window that shows a text too long for its width shortened in the middle
// with "…"; its text stays the whole text.
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
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorl
