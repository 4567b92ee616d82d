#pragma once
// The window "Country Definitions": countries, the states of the chosen country and the counties of
// the chosen state in three lists, the boxes of the chosen places in twelve fields, adding,
// deleting and renaming places, and saving the list to CountryList.txt.
#include <QWidget>
#include <array>
#include <memory>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace quorl {

class Session;
class CountryEditor;
enum class PlaceLevel;

class CountryListWindow : public QWidget {
    Q_OBJECT
public:
    explicit CountryListWindow(Session& s);
    ~CountryListWindow() override;

    // "Edit Countries" of the main menu: every country listed, nothing chosen, nothing to save.
    void Open();

    // A click in one of the lists (the index of the row, -1 for none).
    void ListBoxClick(PlaceLevel level, int row);
    // The user typed into a bound field: column c (0 country, 1 state, 2 county), row r (0 Min Lat,
    // 1 Max Lat, 2 Min Long, 3 Max Long).
    void LatLongEditChange(int column, int row);
    // The popup's items for the list of that level, enabled as they apply, then the command.
    void CountryPopupPopup(PlaceLevel level);
    void AddItemClick();
    void DeleteItemClick();
    void EditItemClick();
    void SaveButtonClick();
    void CancelButtonClick();

    Session& session;
    std::unique_ptr<CountryEditor> editor;
    QListWidget* CountryListBox;
    QListWidget* StateListBox;
    QListWidget* ParishListBox;
    // The twelve bound fields, by Tag (column * 4 + row).
    std::array<QLineEdit*, 12> boundFields{};
    QPushButton* SaveButton;
    QPushButton* CancelButton;
    QMenu* CountryPopup;
    QAction* AddItem;
    QAction* DeleteItem;
    QAction* EditItem;
    QAction* Help1;

protected:
    // Closing by the frame is "Close", with its question.
    void closeEvent(QCloseEvent* event) override;

private:
    QListWidget* List(PlaceLevel level) const;
    // The lists from the given level down and the bound fields, as the editor has them.
    void Refresh(PlaceLevel from);
    void ShowBounds();
    PlaceLevel popupLevel_;
};

}  // namespace quorl
