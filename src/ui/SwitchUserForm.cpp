#include "ui/SwitchUserForm.h"

#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/Encoding.h"
#include "model/Files.h"
#include "model/Log.h"
#include "model/Session.h"
#include "ui/MainWindow.h"
#include "ui/QtText.h"
#include "model/UserFiles.h"

namespace quorl {

namespace fs = std::filesystem;

TSwitchUserForm::TSwitchUserForm(Session& s, TForm1& mainWindow) : session(s), main(mainWindow) {
    setWindowTitle(QStringLiteral("QUORL -- Switch User"));
    setFixedSize(280, 300);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(12, 12, 256, 232);
    Button1 = new QPushButton(QStringLiteral("Select"), this);
    Button1->setGeometry(12, 256, 78, 28);
    AddUserButton = new QPushButton(QStringLiteral("Add"), this);
    AddUserButton->setGeometry(101, 256, 78, 28);
    Button3 = new QPushButton(QStringLiteral("Cancel"), this);
    Button3->setGeometry(190, 256, 78, 28);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { Button1Click(); });
    connect(AddUserButton, &QPushButton::clicked, this, [this] { AddUserButtonClick(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    DialogButton answer = session.dialogs.Ask("Keep Current User as: " + session.CurrentUserName + "?",
                                              DialogKind::Confirmation, {DialogButton::Yes, DialogButton::No});
    if (answer == DialogButton::No) FillAndShow();
}

void TSwitchUserForm::FillAndShow() {
    ListBox1->clear();
    ListBox1->addItem(QStringLiteral("Default"));
    // Entries in name order, so that the list reads the same on every file system.
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(fs::current_path() / "Users", ec), end; !ec && it != end; it.increment(ec))
        names.push_back(Utf8ToCp1252(it->path().filename().string()));
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        if (!name.empty() && name[0] != '.') ListBox1->addItem(ToQt(name));
    show();
    if (names.empty()) {
        session.UserFolder = session.ProgramFolder;
        LoadUserFiles(session);
        fs::create_directories(session.ProgramFolder / "Users", ec);
        show();
        session.dialogs.ShowMessage("Please add a user.");
    }
}

void TSwitchUserForm::Button1Click() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected()) {
        session.dialogs.ShowMessage("Nothing Selected");
        return;
    }
    const std::string name = FromQt(item->text());
    session.CurrentUserName = name;
    session.UserFolder = name == "Default" ? session.ProgramFolder : session.ProgramFolder / "Users" / fs::path(Cp1252ToUtf8(name));
    session.dialogs.ShowBusy("Loading " + name, "Please wait...");
    session.form.SetText("UserNameLabel", name);
    LoadUserFiles(session);
    WriteStringToFile(session, name, session.ProgramFolder / "CurrentUser.txt", true);
    WriteToLog(session, "Quorl Version " + GetFileVersion());
    WriteToLog(session, "Switch User to " + name);
    bool developer = name == "Ossim";
    session.form.SetEnabled("LayoutButton", developer);
    session.form.SetVisible("LayoutButton", developer);
    hide();
    session.dialogs.HideBusy();
}

void TSwitchUserForm::AddUserButtonClick() {
    const fs::path users = session.ProgramFolder / "Users";
    std::error_code ec;
    fs::create_directories(users, ec);
    std::string name;
    if (!session.dialogs.InputBox("Adding User Name", "Add the user name", name)) return;
    // A name is one folder below Users; a separator would reach elsewhere.
    if (name.find_first_of("/\\") != std::string::npos) {
        session.dialogs.ShowMessage("A user name may not contain / or \\.");
        return;
    }
    const fs::path folder = users / fs::path(Cp1252ToUtf8(name));
    if (name == "Default" || fs::exists(folder)) {
        session.dialogs.ShowMessage("User " + name + " already exists!");
        return;
    }
    const fs::path old = session.UserFolder;
    session.CurrentUserName = name;
    session.UserFolder = folder;
    fs::create_directories(folder, ec);
    auto copy = [&](const char* from, const char* to) {
        std::string bytes;
        if (!fs::exists(old / from) || !ReadFileBytes(old / from, bytes)) return false;
        return ReplaceFileAtomically(folder / to, bytes);
    };
    copy("Preferences.txt", "Preferences.txt");
    copy("AutoCorrect.txt", "AutoCorrect.txt");
    if (!fs::exists(old / "DarwinXML.txt")) copy("DarwinFormat.txt", "DarwinXML.txt");
    else copy("DarwinXML.txt", "DarwinXML.txt");
    copy("FieldDefinitions.txt", "FieldDefinitions.txt");
    copy("NameStats.txt", "NameStats.txt");
    copy("OutputFormat.txt", "OutputFormat.txt");
    if (!fs::exists(old / "DarwinCSV.txt")) copy("OutputFormat.txt", "DarwinCSV.txt");
    else copy("DarwinCSV.txt", "DarwinCSV.txt");
    copy("WordStats.txt", "WordStats.txt");
    session.form.SetText("UserNameLabel", name);
    WriteToLog(session, "Quorl Version " + GetFileVersion());
    WriteToLog(session, "New user created: " + name);
    WriteStringToFile(session, name, session.ProgramFolder / "CurrentUser.txt", true);
    session.dialogs.ShowMessage("New user " + name + " created");
    hide();
}

void TSwitchUserForm::Button3Click() { hide(); }

}  // namespace quorl
