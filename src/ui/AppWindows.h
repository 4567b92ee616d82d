#pragma once
// The program's windows, each created once at start in a fixed order: the main window first, so
// that it is built and shown before the start-up question of the switch-user window comes.
#include <memory>

#include "ui/AboutWindow.h"
#include "ui/AnalyzeWindow.h"
#include "ui/AutoCorrectWindow.h"
#include "ui/BrowserWindow.h"
#include "ui/BusyWindow.h"
#include "ui/CountryListWindow.h"
#include "ui/FieldDefinitionWindow.h"
#include "ui/FieldDefinitionsWindow.h"
#include "ui/MainWindow.h"
#include "ui/OutputFormatWindow.h"
#include "ui/OutputPreviewWindow.h"
#include "ui/PhotoWindow.h"
#include "ui/PreferencesWindow.h"
#include "ui/ReplacementsWindow.h"
#include "ui/SendLogFileWindow.h"
#include "ui/SwitchUserWindow.h"
#include "ui/TipsWindow.h"
#include "ui/WordStatsWindow.h"

namespace quorl {

class Session;

struct AppWindows {
    // Declared in creation order; destroyed in the reverse order, the main window last.
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<BusyWindow> busy;
    std::unique_ptr<AboutWindow> about;
    std::unique_ptr<ReplacementsWindow> replacements;
    std::unique_ptr<PhotoWindow> photo;
    std::unique_ptr<OutputFormatWindow> output;
    std::unique_ptr<FieldDefinitionsWindow> configList;
    std::unique_ptr<FieldDefinitionWindow> oneConfig;
    std::unique_ptr<PreferencesWindow> preferences;
    std::unique_ptr<TipsWindow> help;
    std::unique_ptr<AutoCorrectWindow> autoCorrect;
    std::unique_ptr<OutputPreviewWindow> outputPreview;
    std::unique_ptr<SwitchUserWindow> switchUser;
    std::unique_ptr<AnalyzeWindow> analyze;
    std::unique_ptr<WordStatsWindow> wordStats;
    std::unique_ptr<SendLogFileWindow> sendLogFile;
    std::unique_ptr<CountryListWindow> country;
    std::unique_ptr<BrowserWindow> browser;

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
