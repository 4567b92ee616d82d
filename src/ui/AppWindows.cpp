#include "ui/AppWindows.h"

#include "model/Session.h"
#include "ui/QtDialogs.h"

namespace quorl {

AppWindows::~AppWindows() {
    if (main) main->windows = nullptr;
}

std::unique_ptr<AppWindows> CreateAppWindows(Session& s) {
    auto w = std::make_unique<AppWindows>();
    w->main = std::make_unique<TForm1>(s);
    w->main->windows = w.get();
    auto* qt = dynamic_cast<QtDialogs*>(&s.dialogs);
    if (qt) qt->parent = w->main.get();
    w->busy = std::make_unique<TBusyForm>(w->main.get());
    if (qt) {
        TBusyForm* busy = w->busy.get();
        qt->showBusy = [busy](const std::string& title, const std::string& message) { busy->ShowBusy(title, message); };
        qt->hideBusy = [busy] { busy->hide(); };
    }
    w->about = std::make_unique<TAboutForm>();
    w->replacements = std::make_unique<TReplacementsForm>();
    w->photo = std::make_unique<TPhotoForm>(s);
    w->output = std::make_unique<TOutputForm>(s);
    w->configList = std::make_unique<TConfigListForm>(s);
    w->oneConfig = std::make_unique<TOneConfigForm>();
    w->preferences = std::make_unique<TPreferencesForm>(s);
    w->help = std::make_unique<THelpForm>(w->main.get());
    w->autoCorrect = std::make_unique<TAutoCorrectForm>(s);
    w->outputPreview = std::make_unique<TOutputPreviewForm>(s);
    w->switchUser = std::make_unique<TSwitchUserForm>(s);
    w->analyze = std::make_unique<TAnalyzeForm>(s);
    w->wordStats = std::make_unique<TWordStatsForm>(s);
    w->sendLogFile = std::make_unique<TSendLogFileForm>(s);
    w->country = std::make_unique<TCountryForm>(s);
    w->browser = std::make_unique<TBrowserForm>(s);
    return w;
}

}  // namespace quorl
