#pragma once
// The program's windows, each created once at start in a fixed order: the main window first, so
// that it is built and shown before the start-up question of the switch-user window comes.
#include <memory>

#include "ui/AboutForm.h"
#include "ui/AnalyzeForm.h"
#include "ui/AutoCorrectForm.h"
#include "ui/BrowserForm.h"
#include "ui/BusyForm.h"
#include "ui/ConfigListForm.h"
#include "ui/CountryForm.h"
#include "ui/HelpForm.h"
#include "ui/MainWindow.h"
#include "ui/OneConfigForm.h"
#include "ui/OutputForm.h"
#include "ui/OutputPreviewForm.h"
#include "ui/PhotoForm.h"
#include "ui/PreferencesForm.h"
#include "ui/ReplacementsForm.h"
#include "ui/SendLogFileForm.h"
#include "ui/SwitchUserForm.h"
#include "ui/WordStatsForm.h"

namespace quorl {

class Session;

struct AppWindows {
    // Declared in creation order; destroyed in the reverse order, the main window last.
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TBusyForm> busy;
    std::unique_ptr<TAboutForm> about;
    std::unique_ptr<TReplacementsForm> replacements;
    std::unique_ptr<TPhotoForm> photo;
    std::unique_ptr<TOutputForm> output;
    std::unique_ptr<TConfigListForm> configList;
    std::unique_ptr<TOneConfigForm> oneConfig;
    std::unique_ptr<TPreferencesForm> preferences;
    std::unique_ptr<THelpForm> help;
    std::unique_ptr<TAutoCorrectForm> autoCorrect;
    std::unique_ptr<TOutputPreviewForm> outputPreview;
    std::unique_ptr<TSwitchUserForm> switchUser;
    std::unique_ptr<TAnalyzeForm> analyze;
    std::unique_ptr<TWordStatsForm> wordStats;
    std::unique_ptr<TSendLogFileForm> sendLogFile;
    std::unique_ptr<TCountryForm> country;
    std::unique_ptr<TBrowserForm> browser;

    AppWindows() = default;
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;
    ~AppWindows();
};

// Creates every window in order; the main window runs the start-up of the session in the current
// directory. When the session's Dialogs port is the Qt one, the busy window and the trace are
// wired to it. An exception from any construction leaves nothing behind.
std::unique_ptr<AppWindows> CreateAppWindows(Session& s);

}  // namespace quorl
