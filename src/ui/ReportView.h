#pragma once
// Pieces the list editors share: a read-only table of whole rows with one selection, and a menu
// bar whose only item is "Help".
#include <QStringList>
#include <functional>

class QAction;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

namespace quorl {

// The view's columns have the given widths; a cut text shows whole on hover (WholeTexts.h).
QTreeWidget* NewReportView(QWidget* parent, const QString& name, const QStringList& headers, const QList<int>& widths);

// Adds the menu bar to the window's layout; the item runs onHelp.
QAction* AddHelpMenu(QWidget* window, QVBoxLayout* layout, const std::function<void()>& onHelp);

}  // namespace quorl
