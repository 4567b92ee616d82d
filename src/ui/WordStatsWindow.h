#pragma once
// The window "Word Stats": the learnt words of the current user as a sortable table, with deleting
// of words (chosen ones, or all seen only once) and saving back to WordStats.txt.
#include <QWidget>

class QAction;
class QPushButton;
class QTableView;

namespace quorl {

class Session;
class WordStatsModel;

class WordStatsWindow : public QWidget {
    Q_OBJECT
public:
    explicit WordStatsWindow(Session& s);

    // "Edit Word Stats" of the main menu: one row per learnt word, in the statistics' order; shown.
    void Open();

    void ListView1ColumnClick(int column);
    void DeleteButtonClick();
    void Delete1countwords1Click();
    void SaveButtonClick();
    void Button2Click();

    Session& session;
    WordStatsModel* model;
    QTableView* ListView1;
    QPushButton* DeleteButton;
    QPushButton* Button2;
    QPushButton* SaveButton;
    QAction* Delete1countwords1;
    QAction* Help1;

private:
    void UpdateDeleteButton();
};

}  // namespace quorl
