// The output preview: record files read as tables, and the re-edit that takes one record out of
// the file (every other byte kept) and puts its values back into the fields.
#include <cstdlib>
#include <functional>

#include "FileSizeLimit.h"
#include "RecordFixture.h"
#include "base/Encoding.h"
#include "commands/BatchMode.h"
#include "commands/MainCommands.h"
#include "editors/AnalyzeTool.h"
#include "fields/FieldAccess.h"
#include "records/DarwinCsvWriter.h"
#include "records/DarwinXmlWriter.h"
#include "records/OutputPreview.h"
#include "records/RecordTakenOutCopy.h"
#include "records/RecordFileTable.h"
#include "records/TsvWriter.h"
#include "records/XmlLabelElement.h"
#include "ocr/PhotoCommands.h"

namespace quorl::testing {
namespace {

using Values = std::vector<std::string>;

TEST(RecordFileTable, QuotedValuesAndLineEndsAsTheWritersAndSpreadsheetsWriteThem) {
    const std::string csv =
        "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",3\r\n"
        "\"two\r\nlines\",,\"\"\n"
        "\r\n"
        "plain,\"q\"tail,last\r"
        "end,2,3";
    RecordFileTable t = ReadDelimitedTable(csv, ',');
    EXPECT_EQ(t.columns, (Values{"a", "b", "c"}));
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0].values, (Values{"x, y", "say \"hi\"", "3"}));
    EXPECT_EQ(t.rows[1].values, (Values{"two\r\nlines", "", ""}));
    EXPECT_EQ(t.rows[2].values, (Values{"plain", "qtail", "last"}));
    EXPECT_EQ(t.rows[3].values, (Values{"end", "2", "3"}));
    // Each row's bytes are its record and line end; the blank line between belongs to no row.
    EXPECT_EQ(csv.substr(t.rows[0].begin, t.rows[0].end - t.rows[0].begin), "\"x, y\",\"say \"\"hi\"\"\",3\r\n");
    EXPECT_EQ(csv.substr(t.rows[1].begin, t.rows[1].end - t.rows[1].begin), "\"two\r\nlines\",,\"\"\n");
    EXPECT_EQ(t.rows[2].begin, t.rows[1].end + 2);
    EXPECT_EQ(t.rows[3].end, csv.size());

    // The tab-separated writer ends its header with a TAB: no empty last column.
    RecordFileTable tsv = ReadDelimitedTable("Collector\tNumber\t\r\n\"J. Smith\"\t12\r\n", '\t');
    EXPECT_EQ(tsv.columns, (Values{"Collector", "Number"}));
    EXPECT_EQ(tsv.rows.at(0).values, (Values{"J. Smith", "12"}));

    // A file that is not UTF-8 is read as Windows-1252, all of it.
    RecordFileTable legacy = ReadDelimitedTable("Name,Place\r\nJos\xe9,\"Ca\xf1on\"\r\n", ',');
    EXPECT_EQ(legacy.rows.at(0).values, (Values{DecodeFileBytes("Jos\xc3\xa9"), DecodeFileBytes("Ca\xc3\xb1on")}));
    // A UTF-8 file with one stray byte stays UTF-8; the stray byte is its Windows-1252 character.
    RecordFileTable stray = ReadDelimitedTable("Name,Place\r\nAndr\xc3\xa9 M\xc3\xbcller,41\xb0\r\n", ',');
    EXPECT_EQ(stray.rows.at(0).values, (Values{"André Müller", "41°"}));
}

TEST(RecordFileTable, XmlFileIsOneColumnOfLines) {
    RecordFileTable t = ReadLineTable("<QUORL>\r\n\t<a>1</a>\r\n\r\n</QUORL>");
    EXPECT_EQ(t.columns, Values{"<QUORL>"});
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0].values, Values{"\t<a>1</a>"});
    EXPECT_EQ(t.rows[1].values, Values{"</QUORL>"});
    EXPECT_EQ(WithoutRange("abcdef", 2, 4), "abef");
    EXPECT_EQ(XmlUnescape("a &amp; b &lt;c&gt; &quot;&apos; &#233;&#x41; &bogus; &#xD800; &#;"),
              "a & b <c> \"' \xc3\xa9" "A &bogus; &#xD800; &#;");
}

TEST(RecordFileTable, Utf16FileIsReadAsTextAndARowIsTakenOutOfItsOwnBytes) {
    // A character beyond U+FFFF (a surrogate pair) before the row, and an unpaired surrogate after
    // it, which reads as U+FFFD but must stay the code unit it was.
    const std::string head = "Name\tPlace\t\r\n\"M\xc3\xbcller\"\t\"\xf0\x9d\x94\x84\"\r\n";
    const std::string row = "\"Jos\xc3\xa9\"\t\"R\xc3\xado Fr\xc3\xado\"\r\n";
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        const std::string mark = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        const std::string lone = bigEndian ? "\xDC\x01" : "\x01\xDC";
        const std::string tail = Utf8ToUtf16("x", bigEndian) + lone + Utf8ToUtf16("\r\n", bigEndian);
        const std::string bytes = mark + Utf8ToUtf16(head + row, bigEndian) + tail;
        const std::string text = DecodedRecordFile(bytes);
        RecordFileTable t = ReadDelimitedTable(text, '\t');
        EXPECT_EQ(t.columns, (Values{"Name", "Place"}));
        ASSERT_EQ(t.rows.size(), 3u);
        EXPECT_EQ(t.rows[0].values, (Values{"M\xc3\xbcller", "\xf0\x9d\x94\x84"}));
        EXPECT_EQ(t.rows[1].values, (Values{"Jos\xc3\xa9", "R\xc3\xado Fr\xc3\xado"}));
        EXPECT_EQ(t.rows[2].values, Values{"x\xef\xbf\xbd"});
        EXPECT_EQ(WithoutTextRange(bytes, text, t.rows[1].begin, t.rows[1].end),
                  mark + Utf8ToUtf16(head, bigEndian) + tail);
        EXPECT_EQ(WithoutTextRange(bytes, text, t.rows[2].begin, t.rows[2].end),
                  mark + Utf8ToUtf16(head + row, bigEndian));
    }
    // Any other file is read and cut as its bytes.
    const std::string legacy = "Name\r\nJos\xe9\r\n";
    EXPECT_EQ(DecodedRecordFile(legacy), legacy);
    EXPECT_EQ(WithoutTextRange(legacy, legacy, 6, 12), "Name\r\n");
}

// One record as the main window holds it.
struct Specimen {
    std::string collector, prefix, number, suffix, date, family, genus, species, locality, country, state;
    std::string metersLow, feetLow, latDegrees, latMinutes, ns, longDegrees, ew, herbarium;
};

const Specimen kSpecimens[] = {
    {"J. Smith", "", "101", "", "12 Mar 2001", "Pinaceae", "Abies", "alba", "Sierra de Manantlan", "Mexico",
     "Jalisco", "1200", "", "20", "30", "N", "104", "W", "MEXU"},
    {"A. Gray", "AG", "7", "b", "2 Jun 1999", "Poaceae", "Poa", "annua", "Cerro, near the pass & <north>", "Mexico",
     "Oaxaca", "", "3000", "17", "5", "S", "96", "W", "US"},
    {"C. Darwin", "", "3", "", "1 Jan 1835", "Pinaceae", "Pinus", "nigra", "Shore", "Nowhere", "Inland", "15", "",
     "1", "", "N", "1", "E", "K"},
};

class PreviewTest : public RecordFixture {
protected:
    void SetUp() override {
        RecordFixture::SetUp();
        s.FieldDefinitions.resize(kBuiltInFields);
        s.PlantList = {FamilyClass{"Pinaceae", {FamilyClass{"Abies", {{"alba", {}}, {"grandis", {}}}},
                                                FamilyClass{"Pinus", {{"nigra", {}}}}}},
                       FamilyClass{"Poaceae", {FamilyClass{"Poa", {{"annua", {}}}}}}};
        s.form.SetItems("FamilyCombo", {"Pinaceae", "Poaceae"});
        CountryClass mexico{"Mexico", 0, 0, 0, 0, {}};
        mexico.Children = {CountryClass{"Jalisco", 0, 0, 0, 0, {}}, CountryClass{"Oaxaca", 0, 0, 0, 0, {}}};
        CountryClass nowhere{"Nowhere", 0, 0, 0, 0, {}};
        nowhere.Children = {CountryClass{"Inland", 0, 0, 0, 0, {}}};
        s.CountryList = {mexico, nowhere};
        s.form.SetItems("CountryCombo", {"Mexico", "Nowhere"});
    }

    void Fill(const Specimen& r) {
        ClearFields(s);
        using M = std::string Specimen::*;
        static const std::pair<const char*, M> kBoxes[] = {
            {"CollectorEdit", &Specimen::collector}, {"PrefixEdit", &Specimen::prefix},
            {"NumberEdit", &Specimen::number}, {"SuffixEdit", &Specimen::suffix},
            {"CollectionDateEdit", &Specimen::date}, {"FamilyCombo", &Specimen::family},
            {"GenusCombo", &Specimen::genus}, {"SpeciesCombo", &Specimen::species},
            {"LocalityMemo", &Specimen::locality}, {"CountryCombo", &Specimen::country},
            {"StateCombo", &Specimen::state}, {"ElevMetersLowEdit", &Specimen::metersLow},
            {"ElevFeetLowEdit", &Specimen::feetLow}, {"LatDegreesEdit", &Specimen::latDegrees},
            {"LatMinutesEdit", &Specimen::latMinutes}, {"NSCombo", &Specimen::ns},
            {"LongDegreesEdit", &Specimen::longDegrees}, {"EWCombo", &Specimen::ew},
            {"HerbariumEdit", &Specimen::herbarium}, {"AccessionEdit", &Specimen::number}};
        for (const auto& [box, value] : kBoxes) Set(box, r.*value);
        Set("ScientificNameEdit", r.genus + " " + r.species);
    }

    template <class Writer>
    void WriteAll(Writer write, size_t count = 3) {
        for (size_t i = 0; i < count; ++i) {
            Fill(kSpecimens[i]);
            ASSERT_TRUE(write(s));
        }
        ClearFields(s);
        Set("CollectorEdit", "unsaved work");
    }

    OutputPreview Load() {
        OutputPreview p;
        EXPECT_TRUE(LoadOutputPreview(s, p));
        return p;
    }

    // The file without the bytes of one row.
    static std::string Without(const OutputPreview& p, size_t row) {
        return WithoutRange(p.bytes, p.table.rows[row].begin, p.table.rows[row].end);
    }

    // A record file in UTF-16 is previewed and re-edited as the same file in UTF-8 is: the same
    // table, the same values in the fields, and the file left, and grown again when the record is
    // added back, as the UTF-8 one is but in UTF-16, with its byte-order mark and byte order.
    template <class Writer, class RowOf>
    void ExpectUtf16ReEditAsUtf8(Writer write, RowOf rowOf) {
        const std::string beyondCp1252 = "R\xc3\xado Fr\xc3\xado \xe2\x80\x94 \xf0\x9d\x94\x84 ";
        for (size_t i = 0; i < 3; ++i) {
            Fill(kSpecimens[i]);
            if (i == 1) Set("LocalityMemo", beyondCp1252 + kSpecimens[i].locality);
            ASSERT_TRUE(write(s));
        }
        const std::string utf8 = RecordFile();
        static const char* const kBoxes[] = {"CollectorEdit", "NumberEdit", "CollectionDateEdit", "FamilyCombo",
                                             "GenusCombo", "SpeciesCombo", "LocalityMemo", "CountryCombo",
                                             "StateCombo", "LatDegreesEdit", "NSCombo", "HerbariumEdit"};
        auto reEdit = [&](std::vector<std::string>& fields, OutputPreview& p) {
            ClearFields(s);
            Set("CollectorEdit", "unsaved work");
            p = Load();
            dialogs.answers.push_back(DialogButton::Yes);
            ASSERT_EQ(ReEditRecord(s, p, rowOf(p)), ReEditResult::Done);
            fields.clear();
            for (const char* box : kBoxes) fields.push_back(Box(box));
        };
        std::vector<std::string> fields8;
        OutputPreview p8;
        reEdit(fields8, p8);
        ASSERT_EQ(fields8[6].find(beyondCp1252), 0u);
        const std::string after8 = RecordFile();
        ASSERT_TRUE(write(s));
        const std::string readded8 = RecordFile();

        for (bool bigEndian : {false, true}) {
            SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
            const std::string mark = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
            WriteFile(RecordPath(), mark + Utf8ToUtf16(utf8, bigEndian));
            std::vector<std::string> fields16;
            OutputPreview p16;
            reEdit(fields16, p16);
            EXPECT_EQ(p16.table.columns, p8.table.columns);
            ASSERT_EQ(p16.table.rows.size(), p8.table.rows.size());
            for (size_t i = 0; i < p8.table.rows.size(); ++i) EXPECT_EQ(p16.table.rows[i].values, p8.table.rows[i].values);
            EXPECT_EQ(fields16, fields8);
            EXPECT_EQ(RecordFile(), mark + Utf8ToUtf16(after8, bigEndian));
            // The log holds the record as text, not as UTF-16 bytes.
            const std::string log = ReadFile(dir / "Log.txt");
            EXPECT_NE(log.find(beyondCp1252, log.rfind(" to be edited again:")), std::string::npos);
            // The add notes in the copy what the file will hold; a start after a kill that left the
            // copy once the record was written finds the record in its file. (A disk too full for
            // the file keeps the copy as the add left it.)
            const std::filesystem::path copy = dir / "RecordTakenOut.txt";
            {
                FileSizeLimit full(RecordFile().size());
                EXPECT_FALSE(write(s));
            }
            const std::string noted = ReadFile(copy);
            ASSERT_TRUE(write(s));
            EXPECT_EQ(RecordFile(), mark + Utf8ToUtf16(readded8, bigEndian));
            WriteFile(copy, noted);
            OfferRecordTakenOutCopy(s, true);
            EXPECT_EQ(dialogs.messages.back(), "Quorl ended while it added back the record taken out of " +
                                                   s.OutputFileName + " to be edited again. The record is in " +
                                                   s.OutputFileName + " already.");
            EXPECT_FALSE(std::filesystem::exists(copy));
        }
    }

    void ExpectListsFollow(const Specimen& r) {
        EXPECT_EQ(Box("FamilyCombo"), r.family);
        EXPECT_EQ(Box("GenusCombo"), r.genus);
        EXPECT_EQ(s.form.Get("GenusCombo").itemIndex, 0);  // the family's genera are offered
        EXPECT_EQ(Box("SpeciesCombo"), r.species);
        EXPECT_EQ(Box("CountryCombo"), r.country);
        EXPECT_EQ(Box("StateCombo"), r.state);
        EXPECT_FALSE(s.form.Get("StateCombo").items.empty());
        EXPECT_EQ(Box("RichEdit1"), "-->DATA Reloaded from Output File.  \r\n\r\n-->Original label not available.");
    }
};

class TsvPreviewTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        s.OutputType = 0;
        s.OutputFileName = "Records.tsv";
        Columns({{"0", "Collector", "Collector"}, {"1.2", "Prefix", "CollNumPrefix"}, {"1.1", "Number", "CollNumber"},
                 {"1.3", "Suffix", "CollNumSuffix"}, {"2", "Other Collectors", "OtherCollectors", false, false},
                 {"3", "Date", "CollectionDate"}, {"3.4", "Year", "CollYear", true}});
        for (const char* f : {"4", "5", "6", "9", "12", "14", "15"}) Column(f, true, f, std::string("F") + f);
        Columns({{"17.1", "Meters Low", "ElevMetersLow", true}, {"17.3", "Feet Low", "ElevFeetLow", true},
                 {"18.1", "Lat Degrees", "LatDegrees", true}, {"18.2", "Lat Minutes", "LatMinutes", true},
                 {"18.4", "Lat N/S", "LatNS"}, {"18.5", "Decimal Latitude", "DecimalLatitude", true},
                 {"18.6", "Long Degrees", "LongDegrees", true}, {"18.9", "Long E/W", "LongEW"},
                 {"18.10", "Decimal Longitude", "DecimalLongitude", true}});
        Column("19", true, "Herbarium", "Herbarium");
    }
};

TEST_F(TsvPreviewTest, ReEditOfTheMiddleRecordKeepsTheOthersAndWritesItBackTheSame) {
    WriteAll(AddTSV);
    const OutputPreview p = Load();
    ASSERT_EQ(p.table.rows.size(), 3u);
    EXPECT_EQ(p.table.columns.size(), 23u);
    const std::string middle = p.bytes.substr(p.table.rows[1].begin, p.table.rows[1].end - p.table.rows[1].begin);

    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, 1), ReEditResult::Done);
    EXPECT_EQ(dialogs.questions.back(), "Remove this line from output, clear QUORL form, and edit this line?");
    EXPECT_EQ(RecordFile(), Without(p, 1));
    // The log keeps the record as the file held it, even with the log switched off.
    EXPECT_NE(ReadFile(dir / "Log.txt").find(" to be edited again:\r\n" + middle), std::string::npos);

    const Specimen& r = kSpecimens[1];
    // Degrees and minutes stand; the decimal value of the same place does not replace them.
    for (auto [box, value] : {std::pair{"CollectorEdit", r.collector}, {"PrefixEdit", r.prefix}, {"NumberEdit", r.number},
                              {"SuffixEdit", r.suffix}, {"LocalityMemo", r.locality}, {"ElevFeetLowEdit", r.feetLow},
                              {"LatDegreesEdit", "17"}, {"LatMinutesEdit", "5"}, {"NSCombo", "S"}, {"ImageNameEdit", ""}})
        EXPECT_EQ(Box(box), value) << box;
    ExpectListsFollow(r);

    // Added again, the record is written as it was, at the end of the file.
    ASSERT_TRUE(AddTSV(s));
    EXPECT_EQ(RecordFile(), Without(p, 1) + middle);
}

TEST_F(TsvPreviewTest, AFileThatCannotBeWrittenKeepsTheRecordAndTheFields) {
    WriteAll(AddTSV);
    const OutputPreview p = Load();
    const std::string middle = p.bytes.substr(p.table.rows[1].begin, p.table.rows[1].end - p.table.rows[1].begin);
    dialogs.answers.push_back(DialogButton::Yes);
    ReEditResult result = ReEditResult::Done;
    {
        FileSizeLimit full(Without(p, 1).size() - 1);  // the log's few lines still fit
        result = ReEditRecord(s, p, 1);
    }
    EXPECT_EQ(result, ReEditResult::NotWritten);
    EXPECT_EQ(RecordFile(), p.bytes);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Unable to write file " + RecordPath().string() +
                                                         " (File too large). The file was left as it was."});
    EXPECT_EQ(Box("CollectorEdit"), "unsaved work");
    EXPECT_NE(ReadFile(dir / "Log.txt").find(middle), std::string::npos);
    const std::filesystem::path copy = dir / "RecordTakenOut.txt";
    EXPECT_FALSE(std::filesystem::exists(copy));

    // Nor when its copy in the user folder cannot be written.
    dialogs.answers.push_back(DialogButton::Yes);
    {
        FileSizeLimit full(100);
        result = ReEditRecord(s, p, 1);
    }
    EXPECT_EQ(result, ReEditResult::NotWritten);
    EXPECT_EQ(RecordFile(), p.bytes);
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_EQ(dialogs.messages.back(), "Unable to write " + copy.string() + " (File too large), which keeps a copy of "
              "the record while it is edited again. The record was left in Records.tsv.");

    // Nor is it taken out when the log cannot keep its copy.
    s.log.Close();
    std::filesystem::remove(dir / "Log.txt");
    std::filesystem::create_directory(dir / "Log.txt");
    dialogs.answers.push_back(DialogButton::Yes);
    EXPECT_EQ(ReEditRecord(s, p, 1), ReEditResult::NotWritten);
    EXPECT_EQ(RecordFile(), p.bytes);
    EXPECT_EQ(dialogs.messages.back(), "Unable to write " + (dir / "Log.txt").string() + " (Is a directory), which keeps "
              "a copy of the record while it is edited again. The record was left in Records.tsv.");
    EXPECT_FALSE(std::filesystem::exists(copy));
}

// While the fields hold a record taken out, each command that would replace them asks first:
// Cancel stops it, No loses the record and goes on, Yes adds the record back and goes on.
TEST_F(TsvPreviewTest, ARecordTakenOutIsOfferedBackBeforeTheFieldsAreReplaced) {
    WriteAll(AddTSV);
    const OutputPreview p = Load();
    const std::string text = "Flora of Ohio\r\nCarex lurida\r\nwet ditch\r\nJ. Smith 12\r\n";
    WriteFile(dir / "label.txt", text);
    s.BatchPauseMs = 0;
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"open", [&] { dialogs.files = {dir / "label.txt"}; Open1Click(s); }},
        {"batch", [&] { dialogs.files = {dir / "label.txt"}; BatchMode1Click(s); }},
        {"parse", [&] { ParseOnlyButtonClick(s); }},
        {"OCR", [&] { ParseOcrText(s, text); }},
        {"analyze", [&] { AnalyzeField(s, 0); }},
        {"clear", [&] { dialogs.answers.push_front(DialogButton::Yes); ClearAllButtonClick(s); }},
        {"re-edit", [&] { dialogs.answers.push_front(DialogButton::Yes); ReEditRecord(s, Load(), 0); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        WriteFile(RecordPath(), p.bytes);
        dialogs.answers.insert(dialogs.answers.end(), {DialogButton::Yes, DialogButton::Cancel, DialogButton::No});
        ASSERT_EQ(ReEditRecord(s, p, 1), ReEditResult::Done);
        run();
        EXPECT_EQ(Box("CollectorEdit"), kSpecimens[1].collector);
        run();
        EXPECT_EQ(dialogs.messages.empty() ? "" : dialogs.messages[0],
                  "The record taken out of Records.tsv was not added back and is lost.");
        EXPECT_NE(Box("CollectorEdit"), kSpecimens[1].collector);
        dialogs.messages.clear();
    }
    // Yes: the last command's record goes back; the file it grew still holds the earlier preview's row.
    const OutputPreview left = Load();
    dialogs.answers.insert(dialogs.answers.end(), {DialogButton::Yes, DialogButton::Yes});
    ASSERT_EQ(ReEditRecord(s, left, 0), ReEditResult::Done);
    EXPECT_EQ(RecordFile(), p.bytes.substr(0, p.table.rows[1].begin));
}

TEST_F(TsvPreviewTest, TheOnlyRecordLeavesTheHeaderLine) {
    WriteAll(AddTSV, 1);
    const OutputPreview p = Load();
    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, 0), ReEditResult::Done);
    EXPECT_EQ(RecordFile(), p.bytes.substr(0, p.bytes.find("\r\n") + 2));
    EXPECT_EQ(RecordFile().rfind("Collector\tCollNumPrefix\t", 0), 0u);
}

TEST_F(TsvPreviewTest, Utf16FileInEitherByteOrderIsReEditedInUtf16) {
    ExpectUtf16ReEditAsUtf8(AddTSV, [](const OutputPreview&) { return size_t{1}; });
}

TEST_F(TsvPreviewTest, NothingChangesWhenCancelledStaleOrForeign) {
    WriteAll(AddTSV);
    const OutputPreview p = Load();
    const std::string before = RecordFile();

    dialogs.answers.push_back(DialogButton::Cancel);
    EXPECT_EQ(ReEditRecord(s, p, 1), ReEditResult::Cancelled);
    EXPECT_EQ(RecordFile(), before);
    EXPECT_EQ(Box("CollectorEdit"), "unsaved work");

    // A record added after the preview was read would be lost by a rewrite from the preview.
    Fill(kSpecimens[0]);
    ASSERT_TRUE(AddTSV(s));
    Set("CollectorEdit", "unsaved work");
    const std::string grown = RecordFile();
    dialogs.answers.push_back(DialogButton::Yes);
    EXPECT_EQ(ReEditRecord(s, p, 1), ReEditResult::Stale);
    EXPECT_EQ(RecordFile(), grown);
    EXPECT_EQ(Box("CollectorEdit"), "unsaved work");
    EXPECT_NE(dialogs.messages.back().find("has changed since the preview was read"), std::string::npos);

    // So would a preview read for another output format (before a switch of user).
    OutputPreview again = Load();
    again.outputType = 2;
    dialogs.answers.push_back(DialogButton::Yes);
    EXPECT_EQ(ReEditRecord(s, again, 1), ReEditResult::Stale);
    EXPECT_EQ(RecordFile(), grown);

    // Columns that are not the current output format's would put values into the wrong fields.
    again = Load();
    s.OutputColumns[2].Enabled = false;
    const size_t asked = dialogs.questions.size();
    EXPECT_EQ(ReEditRecord(s, again, 1), ReEditResult::Refused);
    EXPECT_EQ(dialogs.questions.size(), asked);
    EXPECT_EQ(RecordFile(), grown);
    EXPECT_NE(dialogs.messages.back().find("are not those of the current output format"), std::string::npos);
}

TEST_F(TsvPreviewTest, ValuesTheListsOrBoxesCannotTakeAreLeftOut) {
    const std::string header = "Collector\tCollNumPrefix\tCollNumber\tCollNumSuffix\tCollectionDate\tCollYear\tF4\tF5\tF6\t"
                               "F9\tF12\tF14\tF15\tElevMetersLow\tElevFeetLow\tLatDegrees\tLatMinutes\tLatNS\t"
                               "DecimalLatitude\tLongDegrees\tLongEW\tDecimalLongitude\tHerbarium\t\r\n";
    WriteFile(RecordPath(), header +
                                "\"X\"\t\"\"\t\"1\"\t\"\"\t\"\"\t\t\"Nosuchaceae\"\t\"Poa\"\t\"annua\"\t\"\"\t\"\"\t"
                                "\"Atlantis\"\t\"Jalisco\"\t\t\t\t\t\"\"\tnorth\t\t\"\"\t45\t\"H\"\r\n");
    const OutputPreview p = Load();
    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, 0), ReEditResult::Done);
    for (const char* list : {"FamilyCombo", "GenusCombo", "SpeciesCombo", "CountryCombo", "StateCombo"})
        EXPECT_EQ(Box(list), "") << list;
    // The latitude that is no number is reported and skipped; the rest goes on.
    EXPECT_EQ(dialogs.messages.back(), "DecimalLatitude \"north\" is not a number; it was not put back into the fields.");
    EXPECT_EQ(Box("LatDegreesEdit"), "");
    EXPECT_EQ(Box("LongDegreesEdit"), "45");
    EXPECT_EQ(Box("EWCombo"), "E");
    EXPECT_EQ(Box("HerbariumEdit"), "H");
    EXPECT_EQ(RecordFile(), header);
}

class CsvPreviewTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        s.OutputType = 2;
        s.OutputFileName = "Records.csv";
        Columns({{"0", "Collector", "recordedBy"}, {"1", "Collection Number", "recordNumber"},
                 {"3", "Collection Date", "eventDate"}, {"3.4", "Year", "year", true}, {"4", "Family", "family"},
                 {"5", "Genus", "genus"}, {"6", "Species", "specificEpithet"}, {"12", "Location", "locality"},
                 {"14", "Country", "country"}, {"15", "State", "stateProvince"},
                 {"17.1", "Meters Low", "minimumElevationInMeters", true},
                 {"17.3", "Elevation in Feet", "verbatimElevation"}, {"18.1", "Decimal Latitude", "decimalLatitude", true},
                 {"18.2", "Decimal Longitude", "decimalLongitude", true},
                 {"18.3", "Verbatim Latitude", "verbatimLatitude"}, {"18.4", "Verbatim Longitude", "verbatimLongitude"}});
        Column("19", true, "Herbarium", "institutionCode");
        Column("13", true, "Habitat", "habitat, \"as written\"");  // a heading the header must quote
    }
};

TEST_F(CsvPreviewTest, ReEditOfTheMiddleRecordWithAQuotedCommaKeepsTheOthers) {
    WriteAll(AddDarwinCSV);
    const OutputPreview p = Load();
    ASSERT_EQ(p.table.rows.size(), 3u);
    EXPECT_EQ(p.table.columns.back(), "habitat, \"as written\"");
    const RecordFileRow& row = p.table.rows[1];
    ASSERT_EQ(row.values.size(), 18u);
    EXPECT_EQ(row.values[7], "Cerro, near the pass & <north>");

    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, 1), ReEditResult::Done);
    EXPECT_EQ(RecordFile(), Without(p, 1));

    const Specimen& r = kSpecimens[1];
    EXPECT_EQ(Box("CollectorEdit"), r.collector);
    EXPECT_EQ(Box("NumberEdit"), "AG-7-b");  // the CSV writer's composed number
    EXPECT_EQ(Box("LocalityMemo"), r.locality);
    EXPECT_EQ(Box("CollectionDateEdit"), r.date);
    // "3000 feet" goes to the feet box as the number.
    EXPECT_EQ(row.values[11], "3000 feet");
    EXPECT_EQ(Box("ElevFeetLowEdit"), "3000");
    // The decimal latitude -17.08... becomes degrees with "S"; the verbatim "17d 5m S" is not
    // spread over the seconds and hemisphere boxes.
    ASSERT_EQ(row.values[12].substr(0, 1), "-");
    EXPECT_EQ(Box("LatDegreesEdit"), row.values[12].substr(1));
    EXPECT_EQ(Box("NSCombo"), "S");
    EXPECT_EQ(Box("LatSecondsEdit"), "");
    EXPECT_EQ(Box("LongDegreesEdit"), row.values[13].substr(1));
    EXPECT_EQ(Box("EWCombo"), "W");
    ExpectListsFollow(r);
}

TEST_F(CsvPreviewTest, TheOnlyRecordLeavesTheHeaderLineAndVerbatimMetersAreLeftOut) {
    WriteFile(RecordPath(), "recordedBy,verbatimElevation\r\n\"Ann\",\"300 Meters\"\r\n");
    s.OutputColumns.clear();
    Column("0", true, "Collector", "recordedBy");
    Column("17.3", true, "Elevation in Feet", "verbatimElevation");
    const OutputPreview p = Load();
    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, 0), ReEditResult::Done);
    EXPECT_EQ(RecordFile(), "recordedBy,verbatimElevation\r\n");
    EXPECT_EQ(Box("CollectorEdit"), "Ann");
    EXPECT_EQ(Box("ElevFeetLowEdit"), "");
}

TEST_F(CsvPreviewTest, Utf16FileInEitherByteOrderIsReEditedInUtf16) {
    ExpectUtf16ReEditAsUtf8(AddDarwinCSV, [](const OutputPreview&) { return size_t{1}; });
}

TEST_F(CsvPreviewTest, MissingOrTinyFileIsReportedAndShowsNothing) {
    OutputPreview p;
    EXPECT_FALSE(LoadOutputPreview(s, p));
    EXPECT_EQ(dialogs.messages.back(), "Unable to open file Records.csv");
    WriteFile(RecordPath(), "recordedBy\r\n\"Ann\"\r\n");
    EXPECT_FALSE(LoadOutputPreview(s, p));
    EXPECT_EQ(dialogs.messages.back(), "Records.csv seems too small.");
}

class XmlPreviewTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        s.OutputType = 1;
        s.OutputFileName = "Records.xml";
        Columns({{"0", "Collector", "recordedBy"}, {"3", "Collection Date", "eventDate"}, {"4", "Family", "family"},
                 {"5", "Genus", "genus"}, {"6", "Species", "specificEpithet"}, {"12", "Location", "locality"},
                 {"14", "Country", "country"}, {"15", "State", "stateProvince"},
                 {"17.1", "Meters Low", "minimumElevationInMeters", true},
                 {"18.5", "Decimal Latitude", "decimalLatitude", true},
                 {"18.10", "Decimal Longitude", "decimalLongitude", true}});
        Column("19", true, "Herbarium", "institutionCode");
    }

    static size_t RowHolding(const OutputPreview& p, const std::string& text, size_t nth = 0) {
        for (size_t i = 0; i < p.table.rows.size(); ++i)
            if (p.table.rows[i].values[0].find(text) != std::string::npos && nth-- == 0) return i;
        ADD_FAILURE() << "no row holds " << text;
        return 0;
    }

    bool WellFormed() const {
        const std::string command = "xmllint --noout '" + RecordPath().string() + "'";
        return std::system(command.c_str()) == 0;
    }
};

TEST_F(XmlPreviewTest, ReEditTakesOutTheWholeLabelThatHoldsTheLine) {
    WriteAll(AddDarwinXML);
    ASSERT_TRUE(WellFormed());
    const OutputPreview p = Load();
    const size_t line = RowHolding(p, "<family>", 1);  // a line inside the second label
    const size_t first = RowHolding(p, "<label>", 1), last = RowHolding(p, "</label>", 1);
    ASSERT_LT(first, line);
    ASSERT_LT(line, last);

    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, line), ReEditResult::Done);
    EXPECT_EQ(RecordFile(), WithoutRange(p.bytes, p.table.rows[first].begin, p.table.rows[last].end));
    EXPECT_TRUE(WellFormed());

    const Specimen& r = kSpecimens[1];
    EXPECT_EQ(Box("CollectorEdit"), r.collector);
    EXPECT_EQ(Box("LocalityMemo"), r.locality);  // &amp; &lt; &gt; read back
    EXPECT_EQ(Box("AccessionEdit"), r.number);   // from the writer's CatalogNumber element
    EXPECT_EQ(Box("NSCombo"), "S");
    EXPECT_EQ(Box("LatDegreesEdit").substr(0, 5), "17.08");
    ExpectListsFollow(r);
}

TEST_F(XmlPreviewTest, TheOnlyLabelLeavesAnEmptyDocumentAndLinesOutsideLabelsAreRefused) {
    WriteAll(AddDarwinXML, 1);
    const OutputPreview p = Load();
    const std::string before = RecordFile();
    for (const char* outside : {"<version>", "<labelData>", "</QUORL>"}) {
        EXPECT_EQ(ReEditRecord(s, p, RowHolding(p, outside)), ReEditResult::Refused) << outside;
        EXPECT_NE(dialogs.messages.back().find("belongs to no label record"), std::string::npos);
    }
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(RecordFile(), before);

    dialogs.answers.push_back(DialogButton::Yes);
    ASSERT_EQ(ReEditRecord(s, p, RowHolding(p, "</label>")), ReEditResult::Done);
    EXPECT_TRUE(WellFormed());
    EXPECT_EQ(RecordFile().find("<label>"), std::string::npos);
    EXPECT_NE(RecordFile().find("<labelData>\r\n\t</labelData>\r\n</QUORL>"), std::string::npos);
    EXPECT_EQ(Box("CollectorEdit"), kSpecimens[0].collector);
}

TEST_F(XmlPreviewTest, Utf16FileInEitherByteOrderIsReEditedInUtf16) {
    ExpectUtf16ReEditAsUtf8(AddDarwinXML, [](const OutputPreview& p) { return RowHolding(p, "<locality>", 1); });
}

}  // namespace
}  // namespace quorl::testing
