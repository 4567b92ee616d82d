#include "ui/ReplacementsWindow.h"

#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorl {

ReplacementsWindow::ReplacementsWindow() {
    setWindowTitle(QStringLiteral("Text Replacements"));
    resize(420, 320);
    ListView1 = new QTreeWidget(this);
    ListView1->setRootIsDecorated(false);
    ListView1->setHeaderLabels({QStringLiteral("Match Case"), QStringLiteral("From"), QStringLiteral("To")});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1);
}

}  // namespace quorl
