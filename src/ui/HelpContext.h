#pragma once
// Help contexts of windows, controls and menu items. A window declares the help page of a control
// (or of itself, or of a menu item) with SetHelpContext; F1 on a highlighted menu item with a
// context asks for that, otherwise F1 finds the first context from the focused control up through
// its parents, and a window's Help command asks for its page with RequestHelp.
class QAction;
class QObject;
class QWidget;

namespace quorl {

class Session;

// The help context number of a control or window; 0 takes it away.
void SetHelpContext(QWidget* w, int id);
// The context number the widget itself carries, 0 when none.
int HelpContextOf(const QWidget* w);
// The same for a menu item.
void SetHelpContext(QAction* a, int id);
int HelpContextOf(const QAction* a);

struct HelpTarget {
    QWidget* widget = nullptr;  // the widget that carries the context
    int id = 0;                 // 0 when neither the widget nor any parent has one
};
// The first widget with a help context from w up through its parents.
HelpTarget FindHelpContext(QWidget* w);

// Shows the help page of a context number through the session's help hook (nothing without one).
void RequestHelp(Session& s, int id);
// F1 on a widget: the position of the widget that carries the context, then its context, go to the
// help hook. Returns false when nothing up from w has a help context.
bool RequestHelpFor(Session& s, QWidget* w);
// F1 in a menu bar or menu: the context of its highlighted item goes to the help hook. Returns false
// when o is neither, nothing is highlighted, or the item has no context.
bool RequestMenuItemHelp(Session& s, QObject* o);

}  // namespace quorl
