#include "ui/FieldDefinitionWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/Session.h"
#include "ui/GuardedHandler.h"
#include "ui/HelpContext.h"
#include "ui/QtText.h"

namespace quorl {

namespace {

constexpr int kFieldDefinitionsHelpContext = 1004;
constexpr int kLearningHelpContext = 1009;

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

FieldDefinitionWindow::FieldDefinitionWindow(Session& s) : session(s) {
    setWindowTitle(QStringLiteral("QUORL Field Definition"));
    setModal(true);
    auto* top = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    QMenu* help = menuBar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    HelpFieldDefinitions1 = AddItem(help, "HelpFieldDefinitions1", QStringLiteral("Field Definitions"));
    HelpLearning1 = AddItem(help, "HelpLearning1", QStringLiteral("Word Statistics and Learning"));
    connect(HelpFieldDefinitions1, &QAction::triggered, this,
            [this] { RequestHelp(session, kFieldDefinitionsHelpContext); });
    connect(HelpLearning1, &QAction::triggered, this, [this] { RequestHelp(session, kLearningHelpContext); });
    top->setMenuBar(menuBar);

    FieldLabel = new QLabel(this);
    FieldLabel->setObjectName(QStringLiteral("FieldLabel"));
    FieldLabel->setAlignment(Qt::AlignHCenter);
    QFont bold = FieldLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    FieldLabel->setFont(bold);
    top->addWidget(FieldLabel);

    auto* grid = new QGridLayout;
    PreserveCheckbox = new QCheckBox(QStringLiteral("Preserve"), this);
    PreserveCheckbox->setObjectName(QStringLiteral("PreserveCheckbox"));
    PreserveCheckbox->setToolTip(QStringLiteral("Keep this field the same on subsequent labels."));
    SetHelpContext(PreserveCheckbox, 1020);
    WarnCheckbox = new QCheckBox(QStringLiteral("Warn if Empty"), this);
    WarnCheckbox->setObjectName(QStringLiteral("WarnCheckbox"));
    WarnCheckbox->setToolTip(QStringLiteral("Warn user if this field is empty when adding to database"));
    SetHelpContext(WarnCheckbox, 1023);
    grid->addWidget(PreserveCheckbox, 0, 0);
    grid->addWidget(WarnCheckbox, 0, 1);

    DefaultEdit = new QLineEdit(this);
    DefaultEdit->setObjectName(QStringLiteral("DefaultEdit"));
    DefaultEdit->setToolTip(QStringLiteral("This text will always appear in the field."));
    SetHelpContext(DefaultEdit, 1019);
    grid->addWidget(new QLabel(QStringLiteral("Default"), this), 1, 0);
    grid->addWidget(DefaultEdit, 1, 1, 1, 3);

    MinEdit = new QSpinBox(this);
    MinEdit->setObjectName(QStringLiteral("MinEdit"));
    MinEdit->setRange(0, kMaxMinLine);
    MinEdit->setToolTip(QStringLiteral("Start searching for this field on this line of the label"));
    SetHelpContext(MinEdit, 1024);
    MaxEdit = new QSpinBox(this);
    MaxEdit->setObjectName(QStringLiteral("MaxEdit"));
    MaxEdit->setRange(0, kMaxMaxLine);
    MaxEdit->setGroupSeparatorShown(false);
    MaxEdit->setToolTip(QStringLiteral("Last label line to search for this field"));
    SetHelpContext(MaxEdit, 1024);
    grid->addWidget(new QLabel(QStringLiteral("Mininum Line"), this), 2, 0);
    grid->addWidget(MinEdit, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Maximum Line"), this), 2, 2);
    grid->addWidget(MaxEdit, 2, 3);
    top->addLayout(grid);

    auto* lists = new QGridLayout;
    StartListbox = new QListWidget(this);
    StartListbox->setObjectName(QStringLiteral("StartListbox"));
    StartListbox->setToolTip(QStringLiteral("A line starting with a word from this list will probably be for this field"));
    SetHelpContext(StartListbox, 1022);
    ContainsListbox = new QListWidget(this);
    ContainsListbox->setObjectName(QStringLiteral("ContainsListbox"));
    ContainsListbox->setToolTip(
        QStringLiteral("The more of these words in a line, the more likely it belongs to this field."));
    SetHelpContext(ContainsListbox, 1021);
    lists->addWidget(new QLabel(QStringLiteral("Start Words"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Contained Words"), this), 0, 1);
    lists->addWidget(StartListbox, 1, 0);
    lists->addWidget(ContainsListbox, 1, 1);
    top->addLayout(lists, 1);

    StartPopup = new QMenu(this);
    StartPopup->setObjectName(QStringLiteral("StartPopup"));
    StartEdit1 = AddItem(StartPopup, "StartEdit1", QStringLiteral("Edit"));
    StartAdd1 = AddItem(StartPopup, "StartAdd1", QStringLiteral("Add Word"));
    StartDelete1 = AddItem(StartPopup, "StartDelete1", QStringLiteral("Delete"));
    StartTop1 = AddItem(StartPopup, "StartTop1", QStringLiteral("Move To Top"));
    StartUp1 = AddItem(StartPopup, "StartUp1", QStringLiteral("Move Up"));
    StartDown1 = AddItem(StartPopup, "StartDown1", QStringLiteral("Move Down"));
    ContainsPopup = new QMenu(this);
    ContainsPopup->setObjectName(QStringLiteral("ContainsPopup"));
    ContainsEdit1 = AddItem(ContainsPopup, "ContainsEdit1", QStringLiteral("Edit"));
    ContainsAdd1 = AddItem(ContainsPopup, "ContainsAdd1", QStringLiteral("Add Word"));
    ContainsDelete1 = AddItem(ContainsPopup, "ContainsDelete1", QStringLiteral("Delete"));

    auto startWords = [this] { return &edit_.StartWords; };
    auto containedWords = [this] { return &edit_.ContainedWords; };
    connect(StartEdit1, &QAction::triggered, this, [=, this] { Ask(StartListbox, *startWords(), EditWord); });
    connect(StartAdd1, &QAction::triggered, this, [=, this] { Ask(StartListbox, *startWords(), AddWord); });
    connect(StartDelete1, &QAction::triggered, this, [=, this] { Run(StartListbox, *startWords(), DeleteWord); });
    connect(StartTop1, &QAction::triggered, this, [=, this] { Run(StartListbox, *startWords(), MoveWordToTop); });
    connect(StartUp1, &QAction::triggered, this, [=, this] { Run(StartListbox, *startWords(), MoveWordUp); });
    connect(StartDown1, &QAction::triggered, this, [=, this] { Run(StartListbox, *startWords(), MoveWordDown); });
    connect(ContainsEdit1, &QAction::triggered, this, [=, this] { Ask(ContainsListbox, *containedWords(), EditWord); });
    connect(ContainsAdd1, &QAction::triggered, this, [=, this] { Ask(ContainsListbox, *containedWords(), AddWord); });
    connect(ContainsDelete1, &QAction::triggered, this,
            [=, this] { Run(ContainsListbox, *containedWords(), DeleteWord); });
    connect(StartListbox, &QListWidget::itemDoubleClicked, this, [=, this] { Ask(StartListbox, *startWords(), EditWord); });
    connect(ContainsListbox, &QListWidget::itemDoubleClicked, this,
            [=, this] { Ask(ContainsListbox, *containedWords(), EditWord); });

    StartListbox->setContextMenuPolicy(Qt::CustomContextMenu);
    ContainsListbox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StartListbox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // The right button selects the word under the pointer first.
        if (QListWidgetItem* item = StartListbox->itemAt(at)) StartListbox->setCurrentItem(item);
        StartPopupPopup();
        StartPopup->popup(StartListbox->viewport()->mapToGlobal(at));
    });
    connect(ContainsListbox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        ContainsPopup->popup(ContainsListbox->viewport()->mapToGlobal(at));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    SaveButton = new QPushButton(QStringLiteral("Save"), this);
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    SaveButton->setToolTip(QStringLiteral("Save Changes"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setToolTip(QStringLiteral("Exit without saving changes"));
    SaveButton->setAutoDefault(false);
    CancelButton->setAutoDefault(false);
    connect(SaveButton, &QPushButton::clicked, this, [this] { RunGuarded(session.dialogs, [this] { SaveButtonClick(); }); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    buttons->addWidget(SaveButton);
    buttons->addWidget(CancelButton);
    top->addLayout(buttons);

    resize(520, 420);
}

void FieldDefinitionWindow::Load(FieldRow& row) {
    row_ = &row;
    edit_ = LoadFieldDefinitionEdit(row);
    FieldLabel->setText(ToQt(edit_.Caption));
    PreserveCheckbox->setChecked(edit_.Preserve);
    WarnCheckbox->setChecked(edit_.Warn);
    DefaultEdit->setText(ToQt(edit_.Default));
    MinEdit->setValue(edit_.Min);
    MaxEdit->setValue(edit_.Max);
    ShowWords(StartListbox, edit_.StartWords, edit_.StartWords.empty() ? -1 : 0);
    ShowWords(ContainsListbox, edit_.ContainedWords, edit_.ContainedWords.empty() ? -1 : 0);
}

bool FieldDefinitionWindow::Edit(FieldRow& row) {
    Load(row);
    const bool saved = exec() == QDialog::Accepted;
    row_ = nullptr;
    return saved;
}

void FieldDefinitionWindow::ShowWords(QListWidget* list, const std::vector<std::string>& words, int selected) {
    list->clear();
    for (const std::string& w : words) list->addItem(ToQt(w));
    list->setCurrentRow(selected);
}

void FieldDefinitionWindow::Run(QListWidget* list, std::vector<std::string>& words, Command command) {
    ShowWords(list, words, command(words, list->currentRow()));
}

void FieldDefinitionWindow::Ask(QListWidget* list, std::vector<std::string>& words, AskingCommand command) {
    ShowWords(list, words, command(session.dialogs, words, list->currentRow()));
}

void FieldDefinitionWindow::StartPopupPopup() { StartEdit1->setEnabled(!edit_.StartWords.empty()); }

void FieldDefinitionWindow::SaveButtonClick() {
    if (!row_) return;
    edit_.Preserve = PreserveCheckbox->isChecked();
    edit_.Warn = WarnCheckbox->isChecked();
    edit_.Default = FromQt(DefaultEdit->text());
    edit_.Min = MinEdit->value();
    edit_.Max = MaxEdit->value();
    if (!SaveFieldDefinitionEdit(session.dialogs, edit_, *row_)) return;
    accept();
}

void FieldDefinitionWindow::CancelButtonClick() { reject(); }

}  // namespace quorl
