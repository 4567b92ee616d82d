#include "ui/HelpContext.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QVariant>
#include <QWidget>

#include "help/HelpCommands.h"
#include "help/HelpHook.h"
#include "model/Session.h"

namespace quorl {

namespace {

constexpr const char* kProperty = "quorlHelpContext";

}  // namespace

void SetHelpContext(QWidget* w, int id) {
    if (w) w->setProperty(kProperty, id);
}

int HelpContextOf(const QWidget* w) { return w ? w->property(kProperty).toInt() : 0; }

void SetHelpContext(QAction* a, int id) {
    if (a) a->setProperty(kProperty, id);
}

int HelpContextOf(const QAction* a) { return a ? a->property(kProperty).toInt() : 0; }

HelpTarget FindHelpContext(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (const int id = HelpContextOf(w); id != 0) return {w, id};
    return {};
}

void RequestHelp(Session& s, int id) {
    if (!s.HelpSystem) return;
    bool callHelp = false;
    s.HelpSystem->HelpHook(HELP_CONTEXT, id, callHelp);
}

bool RequestHelpFor(Session& s, QWidget* w) {
    const HelpTarget target = FindHelpContext(w);
    if (target.id == 0) return false;
    if (s.HelpSystem) {
        const QPoint at = target.widget->mapToGlobal(QPoint(0, 0));
        bool callHelp = false;
        s.HelpSystem->HelpHook(HELP_SETPOPUP_POS, PackPopupPosition(at.x(), at.y()), callHelp);
    }
    RequestHelp(s, target.id);
    return true;
}

bool RequestMenuItemHelp(Session& s, QObject* o) {
    QAction* item = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(o))
        item = bar->activeAction();
    else if (auto* menu = qobject_cast<QMenu*>(o))
        item = menu->activeAction();
    const int id = HelpContextOf(item);
    if (id == 0) return false;
    RequestHelp(s, id);
    return true;
}

}  // namespace quorl
