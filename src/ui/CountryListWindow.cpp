#include "ui/CountryListWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editors/CountryEditor.h"
#include "model/Session.h"
#include "ui/HelpContext.h"
#include "ui/QtText.h"
#include "ui/ReportView.h"

namespace quorl {

namespace {

constexpr int kCountryHelpTopic = 1012;
constexpr PlaceLevel kLevels[3] = {PlaceLevel::Country, PlaceLevel::State, PlaceLevel::County};

QListWidget* MakeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setUniformItemSizes(true);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    return list;
}

}  // namespace

CountryListWindow::CountryListWindow(Session& s)
    : session(s), editor(std::make_unique<CountryEditor>(s)), popupLevel_(PlaceLevel::Country) {
    setWindowTitle(QStringLiteral("Country Definitions"));

    CountryListBox = MakeList(this, "CountryListBox");
    StateListBox = MakeList(this, "StateListBox");
    ParishListBox = MakeList(this, "ParishListBox");
    const QString captions[3] = {QStringLiteral("Country"), QStringLiteral("State/Province"),
                                 QStringLiteral("County/Parish")};
    const QString rows[4] = {QStringLiteral("Min Lat"), QStringLiteral("Max Lat"), QStringLiteral("Min Long"),
                             QStringLiteral("Max Long")};

    auto* grid = new QGridLayout;
    for (int c = 0; c < 3; ++c) {
        QListWidget* list = List(kLevels[c]);
        auto* caption = new QLabel(captions[c], this);
        caption->setBuddy(list);
        grid->addWidget(caption, 0, c * 2, 1, 2);
        grid->addWidget(list, 1, c * 2, 1, 2);
        for (int r = 0; r < 4; ++r) {
            auto* edit = new QLineEdit(this);
            const int tag = c * 4 + r;
            edit->setObjectName(QStringLiteral("LatLongEdit%1").arg(tag));
            edit->setProperty("tag", tag);
            edit->setFixedSize(70, 21);
            boundFields[tag] = edit;
            auto* label = new QLabel(rows[r], this);
            label->setBuddy(edit);
            grid->addWidget(label, 2 + r, c * 2, Qt::AlignRight);
            grid->addWidget(edit, 2 + r, c * 2 + 1, Qt::AlignLeft);
            connect(edit, &QLineEdit::textEdited, this, [this, c, r] { LatLongEditChange(c, r); });
        }
        connect(list, &QListWidget::currentRowChanged, this, [this, c](int row) { ListBoxClick(kLevels[c], row); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, c] {
            popupLevel_ = kLevels[c];
            EditItemClick();
        });
        connect(list, &QWidget::customContextMenuRequested, this, [this, c, list](const QPoint& p) {
            CountryPopupPopup(kLevels[c]);
            CountryPopup->popup(list->viewport()->mapToGlobal(p));
        });
    }
    grid->setRowStretch(1, 1);

    CountryPopup = new QMenu(this);
    CountryPopup->setObjectName(QStringLiteral("CountryPopup"));
    AddItem = CountryPopup->addAction(QStringLiteral("Add Item"), this, &CountryListWindow::AddItemClick);
    DeleteItem = CountryPopup->addAction(QStringLiteral("Delete Item"), this, &CountryListWindow::DeleteItemClick);
    EditItem = CountryPopup->addAction(QStringLiteral("Edit Item"), this, &CountryListWindow::EditItemClick);

    SaveButton = new QPushButton(QStringLiteral("Save"), this);
    CancelButton = new QPushButton(QStringLiteral("Close"), this);
    SaveButton->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveButton);
    buttons->addWidget(CancelButton);
    connect(SaveButton, &QPushButton::clicked, this, &CountryListWindow::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &CountryListWindow::CancelButtonClick);

    auto* layout = new QVBoxLayout(this);
    Help1 = AddHelpMenu(this, layout, [this] { RequestHelp(session, kCountryHelpTopic); });
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(720, 520);
}

CountryListWindow::~CountryListWindow() = default;

QListWidget* CountryListWindow::List(PlaceLevel level) const {
    switch (level) {
        case PlaceLevel::Country: return CountryListBox;
        case PlaceLevel::State: return StateListBox;
        case PlaceLevel::County: break;
    }
    return ParishListBox;
}

void CountryListWindow::Open() {
    editor->Open();
    Refresh(PlaceLevel::Country);
    show();
    raise();
    activateWindow();
}

void CountryListWindow::Refresh(PlaceLevel from) {
    for (PlaceLevel level : kLevels) {
        if (static_cast<int>(level) < static_cast<int>(from)) continue;
        QListWidget* list = List(level);
        const QSignalBlocker block(list);
        list->clear();
        QStringList names;
        for (const std::string& n : editor->Names(level)) names << ToQt(n);
        list->addItems(names);
        list->setCurrentRow(editor->Selected(level));
    }
    ShowBounds();
    SaveButton->setEnabled(editor->SaveEnabled());
}

void CountryListWindow::ShowBounds() {
    for (int c = 0; c < 3; ++c) {
        const auto texts = editor->BoundsText(kLevels[c]);
        for (int r = 0; r < 4; ++r) boundFields[c * 4 + r]->setText(ToQt(texts[r]));
    }
}

void CountryListWindow::ListBoxClick(PlaceLevel level, int row) {
    editor->Select(level, row);
    if (level != PlaceLevel::County) Refresh(static_cast<PlaceLevel>(static_cast<int>(level) + 1));
    else ShowBounds();
}

void CountryListWindow::LatLongEditChange(int column, int row) {
    QLineEdit* edit = boundFields[column * 4 + row];
    if (!editor->StoreBound(kLevels[column], row, FromQt(edit->text()))) edit->clear();
    SaveButton->setEnabled(editor->SaveEnabled());
}

void CountryListWindow::CountryPopupPopup(PlaceLevel level) {
    popupLevel_ = level;
    const PlacePopupItems items = editor->PopupItems(level);
    AddItem->setEnabled(items.add);
    DeleteItem->setEnabled(items.remove);
    EditItem->setEnabled(items.edit);
}

void CountryListWindow::AddItemClick() {
    if (editor->AddItem(popupLevel_)) Refresh(popupLevel_);
}

void CountryListWindow::DeleteItemClick() {
    if (editor->DeleteItem(popupLevel_)) Refresh(popupLevel_);
}

void CountryListWindow::EditItemClick() {
    if (editor->EditItem(popupLevel_)) Refresh(popupLevel_);
}

void CountryListWindow::SaveButtonClick() {
    editor->Save();
    // Saving sorts the list, which may have moved the chosen places.
    Refresh(PlaceLevel::Country);
}

void CountryListWindow::CancelButtonClick() {
    if (!editor->Close()) return;
    for (QLineEdit* edit : boundFields) edit->clear();
    hide();
}

void CountryListWindow::closeEvent(QCloseEvent* event) {
    if (!isVisible() || editor->Close()) {
        for (QLineEdit* edit : boundFields) edit->clear();
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace quorl
