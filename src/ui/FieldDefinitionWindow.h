#pragma once
// The modal dialog "QUORL Field Definition": edits one row of the field definitions editor (its
// flags, default text, first and last label line and its two word lists); Save writes the values
// back into that row, never into the definitions themselves.
#include <QDialog>

#include "editors/FieldDefinitionEdit.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSpinBox;

namespace quorl {

class Session;

class FieldDefinitionWindow : public QDialog {
    Q_OBJECT
public:
    explicit FieldDefinitionWindow(Session& s);

    Session& session;

    // Fills every control from the row, which Save then writes into.
    void Load(FieldRow& row);
    // Load and show modally; true when the row was saved.
    bool Edit(FieldRow& row);

    void SaveButtonClick();
    void CancelButtonClick();

    QLabel* FieldLabel = nullptr;
    QCheckBox* PreserveCheckbox = nullptr;
    QCheckBox* WarnCheckbox = nullptr;
    QLineEdit* DefaultEdit = nullptr;
    QSpinBox* MinEdit = nullptr;
    QSpinBox* MaxEdit = nullptr;
    QListWidget* StartListbox = nullptr;
    QListWidget* ContainsListbox = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // The Help menu: the field definitions page, and the page on learning, which can stand in for
    // the contained words.
    QAction* HelpFieldDefinitions1 = nullptr;
    QAction* HelpLearning1 = nullptr;

    // The start-word popup: Edit, Add Word, Delete, Move To Top, Move Up, Move Down.
    QMenu* StartPopup = nullptr;
    QAction* StartEdit1 = nullptr;
    QAction* StartAdd1 = nullptr;
    QAction* StartDelete1 = nullptr;
    QAction* StartTop1 = nullptr;
    QAction* StartUp1 = nullptr;
    QAction* StartDown1 = nullptr;
    // The contained-word popup: Edit, Add Word, Delete.
    QMenu* ContainsPopup = nullptr;
    QAction* ContainsEdit1 = nullptr;
    QAction* ContainsAdd1 = nullptr;
    QAction* ContainsDelete1 = nullptr;

    // Enables the start-word popup's Edit when the list holds a word.
    void StartPopupPopup();

private:
    using Command = int (*)(std::vector<std::string>&, int);
    using AskingCommand = int (*)(Dialogs&, std::vector<std::string>&, int);
    void Run(QListWidget* list, std::vector<std::string>& words, Command command);
    void Ask(QListWidget* list, std::vector<std::string>& words, AskingCommand command);
    void ShowWords(QListWidget* list, const std::vector<std::string>& words, int selected);

    FieldDefinitionEdit edit_;
    FieldRow* row_ = nullptr;
};

}  // namespace quorl
