#include "ui/AppWindows.h"

#include "model/Session.h"
#include "ui/HelpContext.h"
#include "ui/QtDialogs.h"

namespace quorl {

AppWindows::~AppWindows() {
    if (main) main->windows = nullptr;
}

std::unique_ptr<AppWindows> CreateAppWindows(Session& s) {
    auto w = std::make_unique<AppWindows>();
    w->main = std::make_unique<MainWindow>(s);
    w->main->windows = w.get();
    auto* qt = dynamic_cast<QtDialogs*>(&s.dialogs);
    if (qt) qt->parent = w->main.get();
    w->busy = std::make_unique<BusyWindow>(w->main.get());
    if (qt) {
        BusyWindow* busy = w->busy.get();
        qt->showBusy = [busy](const std::string& title, const std::string& message) { busy->ShowBusy(title, message); };
        qt->hideBusy = [busy] { busy->HideBusy(); };
        qt->busyProgress = [busy](int position, int maximum) { busy->ShowProgress(position, maximum); };
    }
    w->about = std::make_unique<AboutWindow>();
    w->replacements = std::make_unique<ReplacementsWindow>();
    w->photo = std::make_unique<PhotoWindow>(s);
    w->photo->mainWindow = w->main.get();
    PhotoWindow* photo = w->photo.get();
    w->main->clickHooks["PhotoFromFileButton"] = [photo] { photo->PhotoFromFileButtonClick(); };
    w->output = std::make_unique<OutputFormatWindow>(s);
    w->configList = std::make_unique<FieldDefinitionsWindow>(s);
    w->oneConfig = std::make_unique<FieldDefinitionWindow>(s);
    w->configList->definitionWindow = w->oneConfig.get();
    w->output->showHelp = [&s](int id) { RequestHelp(s, id); };
    w->preferences = std::make_unique<PreferencesWindow>(s);
    w->help = std::make_unique<TipsWindow>(w->main.get());
    w->autoCorrect = std::make_unique<AutoCorrectWindow>(s);
    w->outputPreview = std::make_unique<OutputPreviewWindow>(s);
    w->switchUser = std::make_unique<SwitchUserWindow>(s, w->main.get());
    w->analyze = std::make_unique<AnalyzeWindow>(s);
    w->wordStats = std::make_unique<WordStatsWindow>(s);
    w->sendLogFile = std::make_unique<SendLogFileWindow>(s);
    w->country = std::make_unique<CountryListWindow>(s);
    w->browser = std::make_unique<BrowserWindow>(s);
    return w;
}

}  // namespace quorl
