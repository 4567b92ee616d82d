// Repeats one of the program's saves on a program folder, for the write probe (bench/probe-saves):
// starts a session on the folder itself, as the program does at start, then saves.
//
//   quorl-save --program-folder DIR ACTION [COUNT]
//
// ACTION is start (the start only), tsv, xml or csv (adds COUNT records to the record file of that
// output type), reedit-tsv, reedit-xml or reedit-csv (COUNT times takes the first record out of the
// record file of that type to be edited again, as the output preview does, each time adding the
// record taken out before back first; the last one is left out, as by a program that ends),
// preferences, fielddefs or wordstats (saves the file COUNT times, alternating between two
// versions: the first save writes version 1, the second version 2, ...) or adduser (adds the users
// U0, U1, ...). COUNT is 1 when left out. The start offers back a record that an earlier run took
// out and did not add back, as the program's start does.
// Prints "offering" before the start offers back a record left out, "started" once the session has
// started, "saved N" after each save that reported success, and each message shown as
// "message: ..."; exits with 0 when every save succeeded, 1 when one did not, 2 when the session
// could not start.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "ToolSession.h"
#include "commands/SessionStart.h"
#include "fields/CascadingLists.h"
#include "model/FieldDefinitionsFile.h"
#include "model/LearningStatsFile.h"
#include "model/MainForm.h"
#include "model/OutputFormatFile.h"
#include "model/PreferencesFile.h"
#include "model/UserFiles.h"
#include "model/UserSwitch.h"
#include "records/DarwinCsvWriter.h"
#include "records/DarwinXmlWriter.h"
#include "records/OutputPreview.h"
#include "records/RecordTakenOutCopy.h"
#include "records/TsvWriter.h"

namespace fs = std::filesystem;
using namespace quorl;

namespace {

// One record per call: the same record values for the same n in every run.
void FillRecord(Session& s, int n) {
    const std::string k = std::to_string(n);
    s.form.SetText("CollectorEdit", "J. Smith");
    s.form.SetText("NumberEdit", k);
    s.form.SetText("CollectionDateEdit", "12 Mar 2001");
    s.form.SetText("ScientificNameEdit", "Abies alba");
    // About a kilobyte per record, so that a record often needs a new block of the disk.
    std::string locality = "Sierra de Manantlan, " + k + " km along the road to the pass";
    for (int i = 0; i < 12; ++i) locality += "; pine and oak forest above the stream, north-facing slope";
    s.form.SetText("LocalityMemo", locality);
    s.form.SetText("HabitatMemo", "Pine and oak forest on a steep slope");
    s.form.SetText("AccessionEdit", "QZV" + std::string(7 - std::min<size_t>(7, k.size()), '0') + k);
}

// The save of one action for its n-th call (counting from 1); true when it reported success.
std::function<bool(int)> Save(Session& s, ToolDialogs& dialogs, const std::string& action) {
    const auto record = [&s](int type, bool (*add)(Session&)) {
        s.OutputType = type;
        LoadOutputFormat(s);
        return std::function<bool(int)>([&s, add](int n) {
            FillRecord(s, n);
            return add(s);
        });
    };
    if (action == "tsv") return record(0, AddTSV);
    if (action == "xml") return record(1, AddDarwinXML);
    if (action == "csv") return record(2, AddDarwinCSV);
    const auto reEdit = [&s](int type, bool (*add)(Session&)) {
        s.OutputType = type;
        LoadOutputFormat(s);
        return std::function<bool(int)>([&s, add](int) {
            if (!s.RecordTakenOutOf.empty() && !add(s)) return false;
            OutputPreview p;
            if (!LoadOutputPreview(s, p)) return false;
            size_t row = 0;  // the first record: in an XML file, the first line of the first label
            if (s.OutputType == 1)
                while (row < p.table.rows.size() && p.table.rows[row].values[0].find("<label>") == std::string::npos)
                    ++row;
            return ReEditRecord(s, p, row) == ReEditResult::Done;
        });
    };
    if (action == "reedit-tsv") return reEdit(0, AddTSV);
    if (action == "reedit-xml") return reEdit(1, AddDarwinXML);
    if (action == "reedit-csv") return reEdit(2, AddDarwinCSV);
    // The other saves report a failure only by a message.
    const auto quiet = [&dialogs](const std::function<void(int)>& save) {
        return std::function<bool(int)>([&dialogs, save](int n) {
            const size_t shown = dialogs.messages.size();
            save(n);
            return dialogs.messages.size() == shown;
        });
    };
    if (action == "preferences")
        return quiet([&s](int n) {
            s.MinElevation = n % 2 ? 100 : 200;
            s.BarcodeFormatTemplate = n % 2 ? "QZV#######" : "ABC##########";
            SavePreferences(s);
        });
    if (action == "fielddefs")
        return quiet([&s](int n) {
            s.FieldDefinitions.at(0).Maximum = n % 2 ? 40 : 60;
            SaveFieldDefinitions(s);
        });
    if (action == "wordstats") {
        return std::function<bool(int)>([&s](int n) {
            s.WordStats.clear();
            for (int i = 0; i < (n % 2 ? 300 : 500); ++i) {
                BayesClass word;
                word.Word = "word" + std::to_string(i);
                word.Count = n % 2 ? 1 : 2;
                word.FieldPercent[11] = 10;  // description, locality, habitat
                word.FieldPercent[12] = 20;
                word.FieldPercent[13] = 70;
                s.WordStats.push_back(word);
            }
            return SaveWordStats(s, true);
        });
    }
    if (action == "adduser")
        return std::function<bool(int)>([&s, &dialogs](int n) {
            dialogs.inputs.push_back("U" + std::to_string(n - 1));
            return AddUser(s);
        });
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || std::strcmp(argv[1], "--program-folder") != 0) {
        std::cerr << "usage: quorl-save --program-folder DIR start|tsv|xml|csv|reedit-tsv|reedit-xml|reedit-csv|preferences|fielddefs|wordstats|adduser [COUNT]\n";
        return 2;
    }
    const fs::path folder = argv[2];
    const std::string action = argv[3];
    const int count = argc > 4 ? std::stoi(argv[4]) : 1;
    ToolDialogs dialogs;
    Session s{dialogs};
    size_t printed = 0;
    const auto printMessages = [&] {
        for (; printed < dialogs.messages.size(); ++printed) {
            std::string m = dialogs.messages[printed];
            for (char& c : m)
                if (c == '\r' || c == '\n') c = ' ';
            std::cout << "message: " << m << "\n";
        }
        std::cout.flush();
    };
    try {
        BuildMainForm(s.form);
        CreateCustomFieldControls(s.form);
        BindCascadingLists(s);
        StartSession(s, folder);
        SetupCustomFields(s);
        std::cout << "offering" << std::endl;
        OfferRecordTakenOutCopy(s, true);
    } catch (const std::exception& e) {
        printMessages();
        std::cout << "not started: " << e.what() << "\n";
        return 2;
    }
    printMessages();
    std::cout << "started" << std::endl;
    if (action == "start") return 0;
    const std::function<bool(int)> save = Save(s, dialogs, action);
    if (!save) {
        std::cerr << "unknown action " << action << "\n";
        return 2;
    }
    bool allSaved = true;
    for (int n = 1; n <= count; ++n) {
        const bool saved = save(n);
        printMessages();
        if (saved) std::cout << "saved " << n << std::endl;
        allSaved = allSaved && saved;
    }
    return allSaved ? 0 : 1;
}
