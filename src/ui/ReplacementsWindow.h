#pragma once
// The replacements window "Text Replacements": a list of match-case, from and to texts.
#include <QWidget>

class QTreeWidget;

namespace quorl {

class ReplacementsWindow : public QWidget {
    Q_OBJECT
public:
    ReplacementsWindow();

    QTreeWidget* ListView1;
};

}  // namespace quorl
