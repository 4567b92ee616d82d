#include "model/MainForm.h"

#include <algorithm>

#include "model/Form.h"
#include "model/Session.h"

namespace quorl {

namespace {

// Design grid of the field area: rows 28 pixels apart; a paste button (59 wide) and its value
// control; the right column stands 238 pixels to the right of the left one.
constexpr int kLeftButtonX = 8;
constexpr int kLeftValueX = 72;
constexpr int kColumnStep = 238;
constexpr int kButtonWidth = 59;
constexpr int kButtonHeight = 21;
constexpr int kEditHeight = 24;
constexpr int kValueWidth = 170;
constexpr int kWideWidth = kColumnStep + kValueWidth;
constexpr int kMemoHeight = 36;

class Builder {
public:
    explicit Builder(Form& f) : form_(f) {}

    Control& Add(const std::string& name, ControlKind kind, int tag, const std::string& text, int left, int top,
                 int width, int height, const std::string& parent = {}) {
        Control c;
        c.name = name;
        c.kind = kind;
        c.tag = tag;
        c.text = text;
        c.left = left;
        c.top = top;
        c.width = width;
        c.height = height;
        c.parent = parent;
        c.tabOrder = tab_++;
        if (kind == ControlKind::Button || kind == ControlKind::Label || kind == ControlKind::GroupBox ||
            kind == ControlKind::CheckBox)
            c.color = kColorButtonFace;
        return form_.Add(std::move(c));
    }

    // A paste button and its value control in the left (column 0) or right (column 1) column.
    void Field(const std::string& button, const std::string& caption, int field, const std::string& value,
               ControlKind kind, int column, int top, int width = kValueWidth, int height = kEditHeight) {
        int x = column * kColumnStep;
        if (!button.empty())
            Add(button, ControlKind::Button, kPasteButtonTagBase + field, caption, kLeftButtonX + x, top + 1,
                kButtonWidth, kButtonHeight);
        Add(value, kind, field, "", kLeftValueX + x, top, width, height);
    }

    // A field without paste button: a caption label in the button's place.
    void LabelledField(const std::string& label, const std::string& caption, int field, const std::string& value,
                       ControlKind kind, int column, int top, int width = kValueWidth) {
        int x = column * kColumnStep;
        Add(label, ControlKind::Label, kNoFieldTag, caption, kLeftButtonX + x, top + 4, kButtonWidth, 16);
        Add(value, kind, field, "", kLeftValueX + x, top, width, kEditHeight);
    }

private:
    Form& form_;
    int tab_ = 0;
};

// The hemisphere list comes first in the group, and the longitude group before the latitude one:
// the first value control of the Latitude/Longitude field is the longitude hemisphere list.
void AddLatLongGroup(Builder& b, const std::string& group, const std::string& prefix, const std::string& hemi,
                     int left, int top) {
    b.Add(group, ControlKind::GroupBox, fLatLong, prefix == "Lat" ? "Latitude" : "Longitude", left, top,
          kWideWidth / 2 + 26, 62);
    Control& c = b.Add(hemi, ControlKind::Combo, fLatLong, "", 164, 34, 52, 22, group);
    c.items = prefix == "Lat" ? std::vector<std::string>{"N", "S"} : std::vector<std::string>{"E", "W"};
    const char* parts[] = {"Degrees", "Minutes", "Seconds"};
    const char* captions[] = {"Deg", "Min", "Sec"};
    const char* buttons[] = {"DegButton", "MinButton", "SecButton"};
    for (int i = 0; i < 3; ++i) {
        b.Add(prefix + buttons[i], ControlKind::Button, kNoFieldTag, captions[i], 8 + i * 52, 14, 46, 20, group);
        b.Add(prefix + parts[i] + "Edit", ControlKind::Edit, fLatLong, "", 8 + i * 52, 34, 46, 22, group);
    }
}

void AddElevationGroup(Builder& b, const std::string& group, const std::string& caption, const std::string& unit,
                       int left, int top) {
    b.Add(group, ControlKind::GroupBox, fElevation, caption, left, top, kWideWidth / 2 + 26, 62);
    b.Add("ElevLow" + unit + "Button", ControlKind::Button, kNoFieldTag, "Low", 8, 14, 50, 20, group);
    b.Add("Elev" + unit + "LowEdit", ControlKind::Edit, fElevation, "", 8, 34, 100, 22, group);
    b.Add("ElevHigh" + unit + "Button", ControlKind::Button, kNoFieldTag, "High", 116, 14, 50, 20, group);
    b.Add("Elev" + unit + "HighEdit", ControlKind::Edit, fElevation, "", 116, 34, 100, 22, group);
}

}  // namespace

void BuildMainForm(Form& form) {
    using K = ControlKind;
    Builder b(form);
    form.caption = "QUORL";
    form.clientWidth = 1000;
    form.clientHeight = 860;
    form.width = 1000;
    form.height = 860;

    int y = 8;
    b.Field("CollectorButton", "Collector", fCollector, "CollectorEdit", K::Edit, 0, y, kWideWidth);
    y += 28;
    b.Field("CollNumButton", "Coll.Num", fCollectionNumber, "NumberEdit", K::Edit, 0, y, 110);
    b.Add("PrefixButton", K::Button, kPrefixButtonTag, "Prefix", 190, y + 1, 46, kButtonHeight);
    b.Add("PrefixEdit", K::Edit, kPrefixEditTag, "", 240, y, 70, kEditHeight);
    b.Add("SuffixButton", K::Button, kSuffixButtonTag, "Suffix", 318, y + 1, 46, kButtonHeight);
    b.Add("SuffixEdit", K::Edit, kSuffixEditTag, "", 368, y, 112, kEditHeight);
    y += 28;
    b.Field("OtherCollButton", "Other Coll", fOtherCollectors, "OtherCollectorsEdit", K::Edit, 0, y, kWideWidth);
    y += 28;
    b.Field("DateButton", "Date", fCollectionDate, "CollectionDateEdit", K::Edit, 0, y);
    b.Field("HerbariumButton", "Herbarium", fHerbarium, "HerbariumEdit", K::Edit, 1, y);
    y += 28;
    b.Field("FamilyButton", "Family", fFamily, "FamilyCombo", K::Combo, 0, y);
    b.LabelledField("GenusLabel", "Genus", fGenus, "GenusCombo", K::Combo, 1, y);
    y += 28;
    b.LabelledField("SpeciesLabel", "Species", fSpecies, "SpeciesCombo", K::Combo, 0, y);
    b.LabelledField("RankLabel", "Rank", fRank, "RankCombo", K::Combo, 1, y, 90);
    y += 28;
    b.Field("SubSpButton", "SubSp.", fSubSp, "SubSpEdit", K::Edit, 0, y);
    b.Field("ScientificNameButton", "Scien. Nm", fScientificName, "ScientificNameEdit", K::Edit, 1, y);
    y += 28;
    b.Field("AssociatedButton", "Associated", fAssociatedSpecies, "AssociatedMemo", K::Memo, 0, y, kWideWidth, kMemoHeight);
    y += kMemoHeight + 4;
    b.Field("DescriptionButton", "Description", fDescription, "DescriptionMemo", K::Memo, 0, y, kWideWidth, kMemoHeight);
    y += kMemoHeight + 4;
    b.Field("LocalityButton", "Locality", fLocation, "LocalityMemo", K::Memo, 0, y, kWideWidth, kMemoHeight);
    y += kMemoHeight + 4;
    b.Field("HabitatButton", "Habitat", fHabitat, "HabitatMemo", K::Memo, 0, y, kWideWidth, kMemoHeight);
    y += kMemoHeight + 4;
    b.Field("CountryButton", "Country", fCountry, "CountryCombo", K::Combo, 0, y);
    b.Field("StateButton", "State/Prov", fState, "StateCombo", K::Combo, 1, y);
    y += 28;
    b.Field("CountyButton", "County/Par", fCounty, "ParishCombo", K::Combo, 0, y);
    b.Field("PhenologyButton", "Phenology", fPhenology, "PhenologyEdit", K::Edit, 1, y);
    y += 28;
    AddLatLongGroup(b, "LongitudeGroup", "Long", "EWCombo", kLeftButtonX + kColumnStep, y);
    AddLatLongGroup(b, "LatitudeGroup", "Lat", "NSCombo", kLeftButtonX, y);
    y += 66;
    AddElevationGroup(b, "ElevMetersGroup", "Elevation - Meters", "Meters", kLeftButtonX, y);
    AddElevationGroup(b, "ElevFeetGroup", "Elevation - Feet", "Feet", kLeftButtonX + kColumnStep, y);
    y += 66;
    b.Field("DeterminerButton", "Determiner", fDeterminer, "DeterminedByEdit", K::Edit, 0, y);
    b.Field("DetDateButton", "Det. Date", fDeterminedDate, "DeterminedDateEdit", K::Edit, 1, y);
    y += 28;
    b.Field("AccessionButton", "Accession", fAccession, "AccessionEdit", K::Edit, 0, y);
    b.Field("Button1", "Barcode", fBarcode, "Edit2", K::Edit, 1, y);
    y += 28;
    b.Field("TownshipButton", "Township", fTownship, "TownshipEdit", K::Edit, 0, y);
    b.Field("SectionDetailButton", "Sec Detail", fSectionInfo, "SectionDetailEdit", K::Edit, 1, y);
    y += 28;
    b.Field("RangeButton", "Range", fRange, "RangeEdit", K::Edit, 0, y);
    b.Field("SectionButton", "Section", fSection, "SectionEdit", K::Edit, 1, y);
    // The notes row; SetupCustomFields moves it below the user-defined rows.
    y += 28;
    b.Field("NotesButton", "Notes", fNotes, "NotesMemo", K::Memo, 0, y, kWideWidth, kMemoHeight);

    // Right half: the label window, the commands and the status of the session.
    const int rx = 500, rw = 492;
    Control& label = b.Add("RichEdit1", K::RichEdit, kNoFieldTag, "", rx, 8, rw, 556);
    label.hint = "Label Window";
    b.Add("ParseOnlyButton", K::Button, kNoFieldTag, "Parse", rx, 572, 90, 28);
    b.Add("PasteButton", K::Button, kNoFieldTag, "Paste from Clipboard", rx + 96, 572, 150, 28);
    b.Add("ClearAllButton", K::Button, kNoFieldTag, "Clear All", rx + 252, 572, 90, 28);
    b.Add("AddDataButton", K::Button, kNoFieldTag, "Add to Database", rx + 348, 572, 144, 28);
    b.Add("ImageNumLabel", K::Label, kImageNumLabelTag, "Image Num", rx, 616, 70, 16);
    b.Add("ImageNameEdit", K::Edit, kImageNameEditTag, "", rx + 76, 612, 120, kEditHeight);
    b.Add("ImageLabel", K::Label, kNoFieldTag, "(No Image Loaded)", rx + 206, 616, 286, 16);
    b.Add("UserLabel", K::Label, kUserLabelTag, "User", rx, 648, 70, 16);
    b.Add("UserEdit", K::Edit, kUserEditTag, "", rx + 76, 644, 120, kEditHeight);
    b.Add("UserNameLabel", K::Label, kNoFieldTag, "", rx + 206, 648, 286, 16);
    b.Add("OutputCaptionLabel", K::Label, kNoFieldTag, "Output File", rx, 680, 70, 16);
    b.Add("OutputLabel", K::Label, kNoFieldTag, "", rx + 76, 680, 416, 16);
    b.Add("FontGroup", K::GroupBox, kFontGroupTag, "Font", rx, 708, 200, 52);
    b.Add("FontEdit", K::Edit, kNoFieldTag, "8", 10, 20, 40, 22, "FontGroup");
    b.Add("FontUpDown", K::UpDown, kNoFieldTag, "8", 52, 20, 18, 22, "FontGroup");
    b.Add("BoldCheck", K::CheckBox, kNoFieldTag, "Bold", 90, 22, 80, 18, "FontGroup");
    Control& layout = b.Add("LayoutButton", K::Button, kNoFieldTag, "Layout", rx + 212, 724, 80, 28);
    layout.visible = false;
    layout.enabled = false;
    Control& photo = b.Add("PhotoFromFileButton", K::Button, kNoFieldTag, "Photo from File", rx + 300, 724, 120, 28);
    photo.visible = false;
    photo.enabled = false;
}

std::string CustomEditName(int j) { return "CustomEdit" + std::to_string(j); }
std::string CustomButtonName(int j) { return "CustomButton" + std::to_string(j); }

void CreateCustomFieldControls(Form& form) {
    const Control& range = form.Get("RangeEdit");
    const Control& rangeButton = form.Get("RangeButton");
    const Control& notesButton = form.Get("NotesButton");
    // An edit takes its place in the tab order right after the County list (the controls from that
    // place on move further); the buttons, given no place, come after every other control.
    const int tabBase = form.Get("ParishCombo").tabOrder;
    int lastTab = 0;
    for (const auto& c : form.Controls()) {
        if (c->tabOrder > tabBase) c->tabOrder += 8;
        lastTab = std::max(lastTab, c->tabOrder);
    }
    int top = rangeButton.top + 28;
    for (int i = 30; i <= 37; ++i) {
        int j = i - 30;
        int shift = (i % 2 == 1) ? kColumnStep : 0;
        Control edit;
        edit.name = CustomEditName(j);
        edit.kind = ControlKind::Edit;
        edit.tag = i;
        edit.left = range.left + shift;
        edit.top = top;
        edit.width = kValueWidth;
        edit.height = kEditHeight;
        edit.tabOrder = tabBase + j + 1;
        form.Add(std::move(edit));
        Control button;
        button.name = CustomButtonName(j);
        button.kind = ControlKind::Button;
        button.tag = i + kPasteButtonTagBase;
        button.left = notesButton.left + shift;
        button.top = top;
        button.width = kButtonWidth;
        button.height = kButtonHeight;
        button.tabOrder = ++lastTab;
        button.color = kColorButtonFace;
        form.Add(std::move(button));
        if (i % 2 == 1) top += 28;
    }
}

void SetupCustomFields(Session& s) {
    Form& form = s.form;
    const int count = static_cast<int>(s.FieldDefinitions.size());
    // The notes row follows the last pair of rows in use, or stands at its own place without any.
    int y = count > kBuiltInFields ? ((count - 29) / 2 + 1) * 28 + form.Get("RangeButton").top : form.clientHeight - 90;
    for (int i = 30; i <= 37; ++i) {
        int j = i - 30;
        Control& button = form.Get(CustomButtonName(j));
        bool used = count > i;
        button.text = used ? s.FieldDefinitions[i].Name : "Custom " + std::to_string(j + 1);
        form.Notify(button);
        form.SetVisible(button.name, used);
        form.SetVisible(CustomEditName(j), used);
    }
    Control& notesButton = form.Get("NotesButton");
    Control& notes = form.Get("NotesMemo");
    form.SetBounds(notesButton.name, notesButton.left, y, notesButton.width, notesButton.height);
    form.SetBounds(notes.name, notes.left, y, notes.width, form.clientHeight - y - 10);
}

void RecordControlPositions(Session& s) {
    Form& form = s.form;
    for (const auto& c : form.Controls()) {
        if (!c->parent.empty()) continue;
        ControlPositionClass r;
        r.Left = c->left;
        r.Top = c->top;
        r.Width = c->width;
        r.Height = c->height;
        if (c->kind == ControlKind::GroupBox) {
            auto children = form.ChildrenOf(c->name);
            for (size_t k = 0; k < children.size() && k < 8; ++k) {
                r.ChildLeft[k] = children[k]->left;
                r.ChildTop[k] = children[k]->top;
                r.ChildWidth[k] = children[k]->width;
                r.ChildHeight[k] = children[k]->height;
            }
        }
        s.ControlPositions.push_back(r);
    }
    s.DesignWidth = form.width;
    s.DesignHeight = form.height;
}

const char* FieldControlName(int field) {
    static constexpr const char* kNames[kMaxFields] = {
        "CollectorEdit", "NumberEdit", "OtherCollectorsEdit", "CollectionDateEdit", "FamilyCombo", "GenusCombo",
        "SpeciesCombo", "RankCombo", "SubSpEdit", "ScientificNameEdit", "AssociatedMemo", "DescriptionMemo",
        "LocalityMemo", "HabitatMemo", "CountryCombo", "StateCombo", "ParishCombo", "ElevMetersLowEdit",
        "EWCombo", "HerbariumEdit", "PhenologyEdit", "DeterminedByEdit", "DeterminedDateEdit",
        "AccessionEdit", "NotesMemo", "TownshipEdit", "RangeEdit", "SectionEdit", "SectionDetailEdit", "Edit2",
        "CustomEdit0", "CustomEdit1", "CustomEdit2", "CustomEdit3", "CustomEdit4", "CustomEdit5", "CustomEdit6",
        "CustomEdit7"};
    if (field < 0 || field >= kMaxFields) return nullptr;
    return kNames[field];
}

}  // namespace quorl
