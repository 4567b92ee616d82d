// Adding a record: every validation step with its questions, messages and log lines, the writer
// call, and the window made ready for the next label.
#include "ExportFixture.h"

#include <functional>
#include <iterator>

#include "fields/FieldEntryTools.h"
#include "parser/FillLabelChunks.h"
#include "records/ExportData.h"
#include "records/PlaceCheck.h"
#include "records/RecordChecks.h"

namespace quorl::testing {
namespace {

using Buttons = std::vector<DialogButton>;
const Buttons kIgnoreCancel{DialogButton::Ignore, DialogButton::Cancel};

class ExportDataTest : public ExportFixture {};

TEST_F(ExportDataTest, ValidRecordIsWrittenLearntAndTheWindowClearedForTheNextLabel) {
    s.LearnFromLabels = true;
    s.FieldDefinitions[fHerbarium].Preserve = true;
    Set("DescriptionMemo", "Pine-oak forest");
    Set("RichEdit1", "J. Smith 123\r\nAbies alba");
    s.LabelText = "J. Smith 123\r\nAbies alba";

    AddDataButtonClick(s);

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(RecordFile(), "Collector\tScientificName\tCountry\tState\tHerbarium\t\r\n"
                            "\"J. Smith\"\t\"Abies alba\"\t\"Mexico\"\t\"Jalisco\"\t\"MEXU\"\r\n");
    EXPECT_NE(ReadFile(dir / "WordStats.txt").find("pine-oak\t1\t100\t0\t0\t,forest"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "NameStats.txt"), "J.\r\nSmith\r\n");
    EXPECT_EQ(s.LastHerbarium, "MEXU");
    EXPECT_EQ(Box("CollectorEdit"), "");
    EXPECT_EQ(Box("ScientificNameEdit"), "");
    EXPECT_EQ(Box("HerbariumEdit"), "MEXU");  // Preserve
    EXPECT_EQ(Box("RichEdit1"), "");
    EXPECT_EQ(s.LabelText, "");
    EXPECT_EQ(Box("ImageNameEdit"), "8");
    EXPECT_EQ(dialogs.busyTitle, "Writing to file");
    EXPECT_EQ(dialogs.busyMessage, "Records.tsv");
    EXPECT_FALSE(dialogs.busyVisible);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"Start of Export Data.", "Export Step 1", "Export Step 2",
                                                    "Export Step 3", "Export Step 4", "Export Step 5",
                                                    "Export Step 6", "Data OK.  Exporting.", "Export Step 7",
                                                    "Export Step 8", "Export Step 9", "Done Exporting Data"}));
}

// The last herbarium is that of the last record that named one; a refused record changes nothing.
TEST_F(ExportDataTest, LastHerbariumIsKeptByARecordWithoutOne) {
    s.LastHerbarium = "NY";
    AddDataButtonClick(s);
    EXPECT_EQ(s.LastHerbarium, "MEXU");
    FillValidRecord();
    Set("HerbariumEdit", "");
    AddDataButtonClick(s);
    ASSERT_EQ(Box("ImageNameEdit"), "8");  // written
    EXPECT_EQ(s.LastHerbarium, "MEXU");
    FillValidRecord();
    Set("HerbariumEdit", "US");
    std::filesystem::remove(RecordPath());
    std::filesystem::create_directories(RecordPath());  // the record file cannot be written
    AddDataButtonClick(s);
    EXPECT_EQ(s.LastHerbarium, "MEXU");
}

TEST_F(ExportDataTest, ImageNumberThatIsNoNumberStartsAgainAtOne) {
    Set("ImageNameEdit", "IMG7");
    AddDataButtonClick(s);
    EXPECT_EQ(Box("ImageNameEdit"), "1");
}

TEST_F(ExportDataTest, RecordRefusedByTheWriterIsNotLearntAndKeepsTheWindow) {
    s.LearnFromLabels = true;
    std::filesystem::create_directories(RecordPath());  // the record file cannot be written
    AddDataButtonClick(s);
    EXPECT_FALSE(std::filesystem::exists(dir / "NameStats.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "WordStats.txt"));
    EXPECT_EQ(Box("CollectorEdit"), "J. Smith");
    EXPECT_EQ(Box("ImageNameEdit"), "7");
    EXPECT_TRUE(Logged("Export aborted for some reason."));
    EXPECT_FALSE(Logged("Export Step 8"));
}

// The add after a written record, with nothing new in the fields (the second click of a double
// click): nothing is written and nothing asked, whatever the answers would be. A value typed, pasted
// or parsed into the fields since makes the next add run; a preserved field or the label window alone
// do not.
TEST_F(ExportDataTest, AddWithNoFieldChangedSinceTheLastAddWritesNothing) {
    const std::string label = "Flora of Jalisco\r\nAbies alba\r\nSierra de Manantlan\r\nJ. Smith 123\r\n";
    const std::pair<const char*, std::function<void()>> changes[] = {  // from the fourth on they count
        {"nothing", [] {}},
        {"a preserved field typed", [&] { s.form.UserSetText("HerbariumEdit", "NY"); }},
        {"the label window pasted", [&] { Set("RichEdit1", label); }},
        {"a field typed", [&] { s.form.UserSetText("LocalityMemo", "Pine forest"); }},
        {"a list item chosen", [&] { s.form.UserSelectItem("CountryCombo", 1); }},
        {"the number's prefix typed", [&] { s.form.UserSetText("PrefixEdit", "K-"); }},
        {"a field pasted from the label",
         [&] {
             Set("RichEdit1", label);
             s.form.SetSelection("RichEdit1", 0, 16);
             PasteSelectionButtonClick(s, "LocalityButton");
         }},
        {"the label parsed", [&] { Set("RichEdit1", label); ParseLabelWindow(s); }},
    };
    s.FieldDefinitions[fHerbarium].Preserve = true;
    for (size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(changes[i].first);
        FillValidRecord();
        AddDataButtonClick(s);
        ASSERT_EQ(Box("CollectorEdit"), "");  // written
        const std::string written = RecordFile();
        dialogs.messages.clear();
        dialogs.questions.clear();
        dialogs.answers = {DialogButton::Ignore, DialogButton::Yes};  // what writes an empty record
        changes[i].second();
        AddDataButtonClick(s);
        const bool refused = dialogs.messages == std::vector<std::string>{
                                 "No field was changed since the last record was added.  No record was written."};
        EXPECT_EQ(refused, i < 3);
        if (refused) {
            EXPECT_EQ(RecordFile(), written);
            EXPECT_TRUE(dialogs.questions.empty());
        }
        dialogs.answers.clear();
    }
}

TEST_F(ExportDataTest, OutputTypeChoosesTheWriter) {
    s.OutputType = 2;
    s.OutputFileName = "Records.csv";
    ASSERT_TRUE(ExportData(s));
    EXPECT_EQ(RecordFile().substr(0, 11), "Collector,S");
}

// One question of the pass: how to provoke it, its words, and what each answer leaves behind.
struct Question {
    const char* name;
    std::function<void(ExportFixture&, Session&)> provoke;
    std::string text;
    std::vector<std::string> messages;
    const char* ignoredLog;
    const char* cancelledLog;  // nullptr: a Cancel only fails the pass
};

void PrintTo(const Question& q, std::ostream* os) { *os << q.name; }

class ExportQuestionTest : public ExportFixture, public ::testing::WithParamInterface<Question> {
protected:
    void Answer(DialogButton b) {
        GetParam().provoke(*this, s);
        dialogs.answers.push_back(b);
        AddDataButtonClick(s);
        ASSERT_EQ(dialogs.questions, std::vector<std::string>{GetParam().text});
        EXPECT_EQ(dialogs.questionKinds.front(), DialogKind::Warning);
        EXPECT_EQ(dialogs.questionButtons.front(), kIgnoreCancel);
        EXPECT_EQ(dialogs.messages, GetParam().messages);
    }
};

TEST_P(ExportQuestionTest, IgnoreGoesOnAndWritesTheRecord) {
    Answer(DialogButton::Ignore);
    EXPECT_TRUE(Written());
    EXPECT_TRUE(Logged(GetParam().ignoredLog)) << GetParam().ignoredLog;
    EXPECT_TRUE(Logged("Export Step 9"));
}

TEST_P(ExportQuestionTest, CancelStopsAndKeepsTheFields) {
    const std::string collector = Box("CollectorEdit");
    Answer(DialogButton::Cancel);
    EXPECT_FALSE(Written());
    if (GetParam().cancelledLog) {
        EXPECT_TRUE(Logged(GetParam().cancelledLog)) << GetParam().cancelledLog;
    }
    EXPECT_TRUE(Logged("Export aborted for some reason."));
    EXPECT_TRUE(Logged("Done Exporting Data"));
    EXPECT_FALSE(Logged("Data OK.  Exporting."));
    EXPECT_EQ(Box("CollectorEdit"), collector);
    EXPECT_EQ(Box("ImageNameEdit"), "7");
    EXPECT_FALSE(dialogs.busyVisible);
}

TEST_P(ExportQuestionTest, ClosingTheBoxCountsAsCancel) {
    GetParam().provoke(*this, s);
    dialogs.answers.push_back(DialogButton::Ok);
    AddDataButtonClick(s);
    EXPECT_FALSE(Written());
}

INSTANTIATE_TEST_SUITE_P(
    Questions, ExportQuestionTest,
    ::testing::Values(
        Question{"RequiredField",
                 [](ExportFixture&, Session& s) {
                     s.FieldDefinitions[fHabitat].WarnIfEmpty = true;
                     s.form.SetText("HabitatMemo", "");
                 },
                 "Not all required fields filled in.", {},
                 "Not all required fields filled in.  Warning ignored.",
                 "Not all required fields filled in.  Export aborted."},
        Question{"LatitudeWithoutHemisphere",
                 [](ExportFixture& f, Session& s) {
                     f.SetLatitude("20", "");
                     s.form.SetText("LongDegreesEdit", "103");
                     s.form.SetText("EWCombo", "W");
                 },
                 "Not all required fields filled in.", {"Enter N or S Latitude"},
                 "Not all required fields filled in.  Warning ignored.",
                 "Not all required fields filled in.  Export aborted."},
        Question{"LongitudeWithoutHemisphere",
                 [](ExportFixture&, Session& s) { s.form.SetText("LongDegreesEdit", "103"); },
                 "Not all required fields filled in.", {"Enter E or W Longitude"},
                 "Not all required fields filled in.  Warning ignored.",
                 "Not all required fields filled in.  Export aborted."},
        Question{"SubspeciesWithoutRank",
                 [](ExportFixture&, Session& s) {
                     s.ConfirmedName = "Abies alba";  // no lookup for the name
                     s.form.SetText("SubSpEdit", "nebrodensis");
                 },
                 "Subspecies denoted, but no rank selected.", {}, "Subspecies without Rank ignored.",
                 "Subspecies without Rank.  Export aborted."},
        Question{"Barcode",
                 [](ExportFixture&, Session& s) {
                     s.BarcodeFormatCheck = true;
                     s.BarcodeFormatTemplate = "QZV#######";
                     s.form.SetText("Edit2", "QZVA001234");
                 },
                 "Barcode is wrong format.", {}, "Barcode format error ignored.",
                 "Barcode format incorrect.  Export aborted."},
        Question{"LatitudeOutsideTheCountry",
                 [](ExportFixture& f, Session& s) {
                     f.SetLatitude("40", "N");
                     s.form.SetText("LongDegreesEdit", "103");
                     s.form.SetText("EWCombo", "W");
                     s.form.SetText("StateCombo", "Oaxaca");  // a state without a box
                     s.form.SetItemIndex("StateCombo", 1);
                 },
                 "Latitude out of range for Mexico", {}, "Error ignored.", nullptr},
        Question{"LongitudeOutsideTheState",
                 [](ExportFixture& f, Session& s) {
                     f.SetLatitude("20", "N");
                     s.form.SetText("LongDegreesEdit", "99");
                     s.form.SetText("EWCombo", "W");
                 },
                 "Longitude out of range for Jalisco", {}, "Error ignored.", nullptr}),
    [](const ::testing::TestParamInfo<Question>& info) { return std::string(info.param.name); });

TEST_F(ExportDataTest, HemisphereMessagesComeBeforeTheRequiredFieldsQuestion) {
    SetLatitude("20", "");
    Set("LongDegreesEdit", "103");
    Set("EWCombo", "W");
    dialogs.answers.push_back(DialogButton::Ignore);
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.shown.at(1), "message: Enter N or S Latitude");
    EXPECT_EQ(dialogs.shown.at(2), "ask: Not all required fields filled in.");
    EXPECT_TRUE(Written());
}

TEST_F(ExportDataTest, RequiredFieldIsColouredRed) {
    s.FieldDefinitions[fHabitat].WarnIfEmpty = true;
    dialogs.answers.push_back(DialogButton::Cancel);
    AddDataButtonClick(s);
    EXPECT_EQ(s.form.Get("HabitatMemo").color, kColorRed);
}

TEST(CollectionDate, OnlyDayMonthYearWithSingleBlanksPasses) {
    for (const char* good : {"1 Jan 2005", "31 Dec 1999", "9 xyz 0000"}) EXPECT_TRUE(CheckCollectionDateText(good)) << good;
    for (const char* bad : {"01 Jan 2005", "32 Jan 2005", "1 January 2005", "1 Jan 05", "1 Jan 200x", "1-Jan-2005",
                            "", "1 J3n 2005", "123 Jan 2005", "1a Jan 2005", "1 Jan 2005 ", "1  Jan 2005"})
        EXPECT_FALSE(CheckCollectionDateText(bad)) << bad;
}

TEST_F(ExportDataTest, DateFormFailureIsToldAndStopsAtStepSix) {
    s.DateFormatCheck = true;
    Set("CollectionDateEdit", "1 January 2005");
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Collection Date Format is not right.  Should be formatted:   1 Jan 2005"});
    EXPECT_TRUE(Logged("Failed for Collection Date Format"));
    EXPECT_TRUE(Logged("Export Step 6"));
    EXPECT_FALSE(Logged("Data OK.  Exporting."));
    EXPECT_FALSE(Written());

    // Without the check the same date goes.
    s.DateFormatCheck = false;
    AddDataButtonClick(s);
    EXPECT_TRUE(Written());
}

TEST_F(ExportDataTest, IgnoreAtTheSubspeciesQuestionDoesNotForgiveAWrongDate) {
    s.DateFormatCheck = true;
    s.ConfirmedName = "Abies alba";
    Set("CollectionDateEdit", "01 Jan 2005");
    Set("SubSpEdit", "nebrodensis");
    dialogs.answers.push_back(DialogButton::Ignore);
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(Written());
    // With a date of the right form the ignored warning lets the record go.
    Set("CollectionDateEdit", "1 Jan 2005");
    dialogs.answers.push_back(DialogButton::Ignore);
    AddDataButtonClick(s);
    EXPECT_TRUE(Written());
}

TEST_F(ExportDataTest, SpeciesIntentionallyBlank) {
    Set("SpeciesCombo", "Select Species");
    dialogs.answers.push_back(DialogButton::No);
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Is Species intentionally blank?"});
    EXPECT_EQ(dialogs.questionKinds.back(), DialogKind::Confirmation);
    EXPECT_EQ(dialogs.questionButtons.back(), (Buttons{DialogButton::Yes, DialogButton::No}));
    EXPECT_FALSE(Written());
    EXPECT_TRUE(dialogs.messages.empty());

    // Yes with a listed genus passes; the placeholder is not written.
    dialogs.answers.push_back(DialogButton::Yes);
    AddDataButtonClick(s);
    EXPECT_TRUE(Written());
    EXPECT_TRUE(browser.urls.empty());
}

TEST_F(ExportDataTest, UnlistedGenusWithoutSpeciesIsLookedUp) {
    Set("GenusCombo", "Abiesx");
    Set("SpeciesCombo", "");
    Set("ScientificNameEdit", "Abiesx");
    dialogs.answers.push_back(DialogButton::Yes);
    AddDataButtonClick(s);
    EXPECT_EQ(browser.urls, std::vector<std::string>{"http://127.0.0.1:9/NameSearch.aspx?name=Abiesx"});
    EXPECT_FALSE(Written());
}

TEST_F(ExportDataTest, GenusAndSpeciesIntentionallyBlank) {
    Set("GenusCombo", "Select Genus");
    Set("SpeciesCombo", "");
    dialogs.answers.push_back(DialogButton::No);
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Are Genus and Species intentionally blank?"});
    EXPECT_FALSE(Written());

    Set("GenusCombo", "Select Genus");
    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_TRUE(ExportData(s));
    EXPECT_EQ(Box("GenusCombo"), "");
}

TEST_F(ExportDataTest, SpeciesNotListedOrARankStartsTheNameSearchAndEndsSilently) {
    Set("SpeciesCombo", "albida");
    Set("ScientificNameEdit", "Abies albida");
    AddDataButtonClick(s);
    EXPECT_EQ(browser.urls, std::vector<std::string>{"http://127.0.0.1:9/NameSearch.aspx?name=Abies%20albida"});
    EXPECT_TRUE(browser.visible);
    EXPECT_TRUE(dialogs.shown.size() == 1);  // the busy window only
    EXPECT_FALSE(Written());
    EXPECT_TRUE(Logged("Export aborted for some reason."));
    EXPECT_FALSE(Logged("Export Step 3"));

    Set("SpeciesCombo", "alba");
    Set("RankCombo", "var.");
    Set("SubSpEdit", "x");
    Set("ScientificNameEdit", "Abies alba var. x");
    AddDataButtonClick(s);
    EXPECT_EQ(browser.urls.size(), 2u);
    EXPECT_FALSE(Written());

    // A name confirmed earlier passes without a lookup, however often.
    s.ConfirmedName = "Abies alba var. x";
    AddDataButtonClick(s);
    EXPECT_EQ(browser.urls.size(), 2u);
    EXPECT_TRUE(Written());
}

TEST_F(ExportDataTest, PlaceNotFromTheListIsToldOnce) {
    const struct {
        const char* country;
        const char* state;
        const char* county;
        const char* message;  // "": written
    } cases[] = {{"Atlantis", "Nowhere State", "", "Country \"Atlantis\" not from the allowed list."},
                 {"Mexico", "Sonora", "", "State \"Sonora\" not from the allowed list."},
                 {"Mexico", "Select State", "Tapalpa", "County \"Tapalpa\" not from the allowed list."},
                 {"Mexico", "Select State", "Select County", ""}};
    for (const auto& c : cases) {
        dialogs.messages.clear();
        if (std::string(c.country) == "Mexico") {
            SelectCountry(0, c.state);
        } else {
            Set("CountryCombo", c.country);
            Set("StateCombo", c.state);
        }
        Set("ParishCombo", c.county);
        AddDataButtonClick(s);
        EXPECT_EQ(dialogs.messages, *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.message;
        EXPECT_EQ(Written(), !*c.message);
    }
    // The placeholders are not written.
    EXPECT_NE(RecordFile().find("\"Mexico\"\t\"\"\t"), std::string::npos);
}

TEST_F(ExportDataTest, CoordinateBoxes) {
    // Outside the country: logged, asked; Cancel only fails the pass.
    SetLatitude("40", "N");
    dialogs.answers = {DialogButton::Cancel};
    EXPECT_FALSE(CheckCountryStateCounty(s));
    EXPECT_TRUE(Logged("Error:  Latitude 40 out of bounds for Mexico"));
    // The state's box is asked about too, and its longitude (0 is outside every box here).
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"Latitude out of range for Mexico",
                                                           "Longitude out of range for Mexico",
                                                           "Latitude out of range for Jalisco",
                                                           "Longitude out of range for Jalisco"}));

    // On the edge of both boxes: nothing asked. A fraction of a minute is logged as the float it is.
    dialogs.questions.clear();
    SetLatitude("18", "N");
    Set("LatMinutesEdit", "54");
    Set("LongDegreesEdit", "105");
    Set("LongMinutesEdit", "42");
    Set("EWCombo", "W");
    EXPECT_TRUE(CheckCountryStateCounty(s));
    EXPECT_TRUE(dialogs.questions.empty());

    // The southern hemisphere is compared signed.
    Set("LatMinutesEdit", "");
    SetLatitude("20", "S");
    dialogs.answers = {DialogButton::Ignore, DialogButton::Ignore};
    EXPECT_TRUE(CheckCountryStateCounty(s));
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"Latitude out of range for Mexico",
                                                           "Latitude out of range for Jalisco"}));
    EXPECT_TRUE(Logged("Error:  Latitude -20 out of bounds for Mexico"));
    EXPECT_TRUE(Logged("Error ignored."));
}

TEST_F(ExportDataTest, CountryWithoutBoxOrNoLatitudeTestsNoBox) {
    SelectCountry(1, "Inland");
    s.form.SetItemIndex("StateCombo", 0);
    SetLatitude("40", "N");
    EXPECT_TRUE(CheckCountryStateCounty(s));
    SelectCountry(0, "Jalisco");
    SetLatitude("", "N");
    Set("LongDegreesEdit", "10");
    EXPECT_TRUE(CheckCountryStateCounty(s));
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST(Barcode, TemplateCharacters) {
    for (auto [code, form] : {std::pair{"QZV0001234", "QZV#######"}, {"AB-12", "@@-##"}, {"", ""}})
        EXPECT_TRUE(CheckBarcodeText(code, form)) << code;
    for (auto [code, form] : {std::pair{"QZV000123", "QZV#######"}, {"QZVA001234", "QZV#######"},
                              {"qZV0001234", "QZV#######"}, {"A1-12", "@@-##"}, {"", "#"}})
        EXPECT_FALSE(CheckBarcodeText(code, form)) << code;
}

TEST_F(ExportDataTest, DegreeMinuteSecondRanges) {
    for (auto [value, max] : {std::pair{"", 60}, {"89.9", 90}, {"0", 90}}) EXPECT_TRUE(CheckLatLongRange(s, value, 0, max));
    EXPECT_TRUE(dialogs.messages.empty());
    for (auto [value, max] : {std::pair{"90", 90}, {"abc", 60}, {"-1", 60}}) EXPECT_FALSE(CheckLatLongRange(s, value, 0, max));
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Latitude or Longitude value 90 out of range of 0 to 90",
                                                          "Latitude or Longitude value abc out of range of 0 to 60",
                                                          "Latitude or Longitude value -1 out of range of 0 to 60"}));
    EXPECT_TRUE(Logged("Error:  Lat/Long 90 is out of the range of 0 to 90"));

    // In the export every box is checked, and the pass fails without a question.
    SetLatitude("20", "N");
    Set("LatMinutesEdit", "60");
    Set("LongSecondsEdit", "75");
    dialogs.messages.clear();
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_FALSE(Written());
}

TEST_F(ExportDataTest, ElevationsOutOfAnyRealRangeAreRefused) {
    auto meters = [&](const char* v) { return CheckElevationRange(s, v, -500, 9000, "meters"); };
    auto feet = [&](const char* v) { return CheckElevationRange(s, v, -1600, 29600, "feet"); };
    // "ca. 500" holds no number: not a range matter. "1e99999" is too large to read.
    EXPECT_TRUE(meters("") && meters("8849") && meters("-430") && feet("12,000") && meters("ca. 500"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(meters("9001") || feet("1e30") || feet("1e99999") || meters("-501"));
    EXPECT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[1], "Elevation value 1e30 out of range of -1600 to 29600 feet");
    EXPECT_TRUE(Logged("Error:  Elevation 9001 is out of the range of -500 to 9000 meters"));

    // The export checks all four boxes and writes nothing while one is out of range.
    dialogs.messages.clear();
    Set("ElevFeetLowEdit", "1e30");
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(Written());
    Set("ElevFeetLowEdit", "12,000");
    Set("ElevMetersHighEdit", "90000");
    AddDataButtonClick(s);
    EXPECT_FALSE(Written());
    Set("ElevMetersHighEdit", "3700");
    AddDataButtonClick(s);
    EXPECT_TRUE(Written());
}

TEST_F(ExportDataTest, PersonNamesAreAlphabetic) {
    Set("CollectorEdit", "O'Neil & Smith, Jr.");
    Set("OtherCollectorsEdit", std::string("Müller-López, Ñuño"));
    EXPECT_TRUE(CheckAlphabetic(s, fCollector));
    EXPECT_TRUE(CheckAlphabetic(s, fOtherCollectors));
    EXPECT_TRUE(CheckAlphabetic(s, fDeterminer));  // empty
    EXPECT_TRUE(dialogs.messages.empty());

    Set("OtherCollectorsEdit", std::string("Sørensen"));
    EXPECT_FALSE(CheckAlphabetic(s, fOtherCollectors));
    Set("CollectorEdit", "Smith 2");
    Set("DeterminedByEdit", "A/B");
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Other Collectors is not all alphabetic.",
                                                          "Collector is not all alphabetic.",
                                                          "Other Collectors is not all alphabetic.",
                                                          "Determiner is not all alphabetic."}));
    EXPECT_FALSE(Written());
}

}  // namespace
}  // namespace quorl::testing
