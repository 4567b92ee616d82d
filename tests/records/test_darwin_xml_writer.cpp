// The Darwin Core XML record writer: the document byte for byte, element order and names, and a
// well-formed file by xmllint.
#include "RecordFixture.h"

#include <cstdlib>

#include "base/Encoding.h"
#include "base/Text.h"
#include "model/Log.h"
#include "records/DarwinXmlWriter.h"
#include "records/OutputListModel.h"

namespace quorl::testing {
namespace {

class DarwinXmlWriterTest : public RecordFixture {
protected:
    void SetUp() override {
        RecordFixture::SetUp();
        s.OutputFileName = "Records.xml";
        // Shuffled on purpose: the element order does not follow the columns.
        const std::pair<const char*, const char*> columns[] = {
            {"24", "fieldNotes"},        {"0", "recordedBy"},           {"2", "otherCollectors"},
            {"3", "verbatimEventDate"},  {"4", "family"},               {"5", "genus"},
            {"9", "scientificName"},     {"7", "taxonRank"},            {"8", "infraspecificEpithet"},
            {"11", "occurrenceRemarks"}, {"12", "locality"},            {"13", "habitat"},
            {"14", "country"},           {"15", "stateProvince"},       {"16", "county"},
            {"17.1", "minimumElevationInMeters"}, {"17.2", "maximumElevationInMeters"},
            {"18.5", "decimalLatitude"}, {"18.10", "decimalLongitude"}, {"19", "institutionCode"},
            {"20", "reproductiveCondition"}, {"21", "identifiedBy"},    {"22", "dateIdentified"},
            {"23", "otherCatalogNumbers"}, {"1", "recordNumber"},       {"6", "specificEpithet"}};
        for (auto [key, name] : columns) Column(key, true, name, name);
    }

    std::string Header() const {
        return "<QUORL>\r\n\t<header>\r\n\t\t<version>" + GetFileVersion() +
               "</version>\r\n\t</header>\r\n\t<labelData>\r\n";
    }
    static std::string Closing() { return "\t</labelData>\r\n</QUORL>"; }
    static std::string El(const std::string& name, const std::string& text) {
        return "\t\t\t<" + name + ">" + text + "</" + name + ">\r\n";
    }
    // The label element of a record with only an accession number.
    static std::string Minimal(const std::string& accession) {
        return "\t\t<label>\r\n" + El("GlobalUniqueIdentifier", "QZV:Plants:" + accession) +
               El("CatalogNumber", accession) + (accession.empty() ? "" : El("otherCatalogNumbers", accession)) +
               "\t\t</label>\r\n";
    }
    void FillAll() {
        const std::pair<const char*, const char*> boxes[] = {
            {"CollectorEdit", "J. O'Neil"}, {"NumberEdit", "123"}, {"OtherCollectorsEdit", "X Y"},
            {"CollectionDateEdit", "12  Jan 2005"}, {"FamilyCombo", "Pinaceae"}, {"GenusCombo", "Pinus"},
            {"SpeciesCombo", "ponderosa"}, {"RankCombo", "var."}, {"SubSpEdit", "scopulorum"},
            {"ScientificNameEdit", "Pinus ponderosa var. scopulorum"}, {"DescriptionMemo", "Tree\r\n20 m"},
            {"LocalityMemo", "Road < 5 km & river > 2 m"}, {"HabitatMemo", "Oak's edge"}, {"CountryCombo", "U.S.A."},
            {"StateCombo", "Arizona"}, {"ParishCombo", "Coconino"}, {"ElevFeetLowEdit", "1000"},
            {"ElevFeetHighEdit", "1200"}, {"LatDegreesEdit", "34"}, {"LatMinutesEdit", "12"},
            {"LatSecondsEdit", "30"}, {"NSCombo", "s"}, {"LongDegreesEdit", "111"}, {"EWCombo", "w"},
            {"HerbariumEdit", "ASU"}, {"PhenologyEdit", "cones"}, {"DeterminedByEdit", "A. Smith"},
            {"DeterminedDateEdit", "2006"}, {"AccessionEdit", "A-1"}, {"NotesMemo", "note"}};
        for (auto [box, text] : boxes) Set(box, text);
    }
};

TEST_F(DarwinXmlWriterTest, FirstAndSecondExportBuildOneDocumentInFixedElementOrder) {
    FillAll();
    ASSERT_TRUE(AddDarwinXML(s));
    const std::string full =
        "\t\t<label>\r\n" + El("GlobalUniqueIdentifier", "QZV:Plants:A-1") + El("CatalogNumber", "A-1") +
        El("recordedBy", "J. O'Neil, X Y") + El("verbatimEventDate", "12  Jan 2005") + El("family", "Pinaceae") +
        El("genus", "Pinus") + El("scientificName", "Pinus ponderosa var. scopulorum") + El("taxonRank", "var.") +
        El("infraspecificEpithet", "scopulorum") + El("occurrenceRemarks", "Tree\r\n20 m") +
        El("locality", "Road &lt; 5 km &amp; river &gt; 2 m") + El("habitat", "Oak`s edge") +
        El("country", "U.S.A.") + El("stateProvince", "Arizona") + El("county", "Coconino") +
        El("minimumElevationInMeters", "304") + El("maximumElevationInMeters", "365") +
        El("decimalLatitude", "-34.2083333333333") + El("decimalLongitude", "-111") +
        El("institutionCode", "ASU") + El("reproductiveCondition", "cones") + El("identifiedBy", "A. Smith") +
        El("dateIdentified", "2006") + El("otherCatalogNumbers", "A-1") + El("fieldNotes", "note") +
        "\t\t</label>\r\n";
    EXPECT_EQ(RecordFile(), Header() + full + Closing());
    // The date box is written as it stands; no box is changed.
    EXPECT_EQ(Box("CollectionDateEdit"), "12  Jan 2005");

    for (const auto& c : s.form.Controls())
        if (c->IsTextField() || c->kind == ControlKind::Combo)
            if (c->tag >= 0 && c->tag < kMaxFields) s.form.SetText(c->name, "");
    ASSERT_TRUE(AddDarwinXML(s));
    EXPECT_EQ(RecordFile(), Header() + full + Minimal("") + Closing());
}

TEST_F(DarwinXmlWriterTest, CollectorJoinsOtherCollectorsOnlyAsTheColumnsAllow) {
    Set("OtherCollectorsEdit", "X Y");
    ASSERT_TRUE(AddDarwinXML(s));
    EXPECT_NE(RecordFile().find(El("recordedBy", "X Y")), std::string::npos);

    std::filesystem::remove(RecordPath());
    s.OutputColumns[2].Enabled = false;  // other collectors
    Set("CollectorEdit", "A");
    ASSERT_TRUE(AddDarwinXML(s));
    EXPECT_NE(RecordFile().find(El("recordedBy", "A")), std::string::npos);

    std::filesystem::remove(RecordPath());
    s.OutputColumns[2].Enabled = true;
    s.OutputColumns[1].Enabled = false;  // collector
    ASSERT_TRUE(AddDarwinXML(s));
    EXPECT_EQ(RecordFile().find("recordedBy"), std::string::npos);
}

TEST_F(DarwinXmlWriterTest, MetersBoxesWinOverFeetAndEmptyBoxesGiveNoElement) {
    Set("ElevMetersLowEdit", "300");
    Set("ElevFeetLowEdit", "1000");
    Set("ElevFeetHighEdit", "3280");
    ASSERT_TRUE(AddDarwinXML(s));
    std::string f = RecordFile();
    EXPECT_NE(f.find(El("minimumElevationInMeters", "300")), std::string::npos);
    EXPECT_NE(f.find(El("maximumElevationInMeters", "999")), std::string::npos);
    EXPECT_EQ(f.find("decimalLatitude"), std::string::npos);

    std::filesystem::remove(RecordPath());
    for (const char* b : {"ElevMetersLowEdit", "ElevFeetLowEdit", "ElevFeetHighEdit"}) Set(b, "");
    Set("LatDegreesEdit", "0");
    ASSERT_TRUE(AddDarwinXML(s));
    f = RecordFile();
    EXPECT_EQ(f.find("Elevation"), std::string::npos);
    EXPECT_NE(f.find(El("decimalLatitude", "0")), std::string::npos);
    EXPECT_EQ(f.find("decimalLongitude"), std::string::npos);
}

TEST_F(DarwinXmlWriterTest, FileWithoutClosingLineIsNeverOverwritten) {
    const std::string cut = Header() + Minimal("1");
    WriteFile(RecordPath(), cut);
    EXPECT_FALSE(AddDarwinXML(s));
    EXPECT_EQ(RecordFile(), cut);
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // A record file that cannot be read is reported; the program goes on.
    std::filesystem::remove(RecordPath());
    std::filesystem::create_directory(RecordPath());
    EXPECT_FALSE(AddDarwinXML(s));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    std::filesystem::remove(RecordPath());

    // An empty file starts a new document.
    WriteFile(RecordPath(), "");
    Set("AccessionEdit", "2");
    ASSERT_TRUE(AddDarwinXML(s));
    EXPECT_EQ(RecordFile(), Header() + Minimal("2") + Closing());
}

// Two record files joined into one hold the closing lines twice: the records after the first stay.
TEST_F(DarwinXmlWriterTest, RecordsAfterAnEarlierClosingLineAreKept) {
    const std::string joined = Header() + Minimal("1") + Closing() + "\r\n" + Header() + Minimal("2") + Closing();
    WriteFile(RecordPath(), joined);
    Set("AccessionEdit", "3");
    ASSERT_TRUE(AddDarwinXML(s));
    EXPECT_EQ(RecordFile(), joined.substr(0, joined.size() - Closing().size()) + Minimal("3") + Closing());
}

// An add keeps what comes before the last closing line: anything after it but blanks and the
// closing root element (a second file joined on and cut short) refuses the add, naming its line.
// NUL bytes there (what a power cut leaves at a file's end, in UTF-16 maybe an odd number of them)
// count as blanks.
TEST_F(DarwinXmlWriterTest, TextAfterTheLastClosingLineIsNeverDropped) {
    const std::string kept = Header() + Minimal("1");  // lines 1-10; the closing line is line 11
    const std::string nuls(5, '\0');
    for (const std::string bom : {"", "\xFF\xFE", "\xFE\xFF"}) {
        auto bytes = [&bom](const std::string& text) {
            return bom.empty() ? text : bom + Utf8ToUtf16(text, bom[0] == '\xFE');
        };
        for (const size_t zeros : {0, 3}) {
            for (const auto& [tail, line] :
                 {std::pair<std::string, int>{"</QUORL>", 0}, {"", 0}, {"\r\n", 0}, {"</QUORL>\r\n \t\r\n", 0},
                  {"\r\n</QUORL>\r\n", 0}, {"</QUORL>" + nuls, 0}, {nuls + "\r\n</QUORL>\r\n" + nuls + "\r\n", 0},
                  {"</QUORL>\r\n" + Header() + Minimal("2"), 13}, {"</QUORL>x", 12}, {"</QUORL>" + nuls + "x", 12},
                  {"<!-- note -->\r\n</QUORL>", 12}, {"\r\n\r\n\t\t<label>", 14}, {"</QUORL>\r\n" + nuls + "<", 13}}) {
                SCOPED_TRACE(::testing::PrintToString(bom + tail) + " and " + IntToStr(static_cast<long long>(zeros)) +
                             " zero bytes");
                const std::string before = bytes(kept + "\t</labelData>\r\n" + tail) + std::string(zeros, '\0');
                WriteFile(RecordPath(), before);
                dialogs.messages.clear();
                Set("AccessionEdit", "3");
                EXPECT_EQ(AddDarwinXML(s), line == 0);
                if (line == 0) {
                    EXPECT_EQ(RecordFile(), bytes(kept + Minimal("3") + Closing()));
                    continue;
                }
                EXPECT_EQ(RecordFile(), before);
                ASSERT_EQ(dialogs.messages.size(), 1u);
                EXPECT_NE(dialogs.messages[0].find(RecordPath().string() +
                                                   " holds text after its closing labelData line, at line " +
                                                   IntToStr(line) + ","),
                          std::string::npos)
                    << dialogs.messages[0];
            }
        }
    }
}

TEST_F(DarwinXmlWriterTest, OldContentIsKeptByteForByte) {
    // Another program's header and characters outside the single-byte code page stay as they are.
    const std::string old = "<QUORL>\r\n\t<header>\r\n\t\t<version>0.9</version>\r\n\t</header>\r\n\t<labelData>\r\n"
                            "\t\t<label><x>北京</x></label>\r\n";
    WriteFile(RecordPath(), old + Closing() + "\r\n");
    Set("AccessionEdit", "é");
    ASSERT_TRUE(AddDarwinXML(s));
    EXPECT_EQ(RecordFile(), old + "\t\t<label>\r\n" + El("GlobalUniqueIdentifier", "QZV:Plants:é") +
                                El("CatalogNumber", "é") + El("otherCatalogNumbers", "é") +
                                "\t\t</label>\r\n" + Closing());
}

TEST_F(DarwinXmlWriterTest, WrittenDocumentIsWellFormed) {
    FillAll();
    Set("NotesMemo", "a\x01 <b> & \"c\" – d");
    ASSERT_TRUE(AddDarwinXML(s));
    ASSERT_TRUE(AddDarwinXML(s));
    std::string cmd = "xmllint --noout '" + RecordPath().string() + "' 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST(XmlNames, OnlyNamesThatKeepTheFileWellFormed) {
    for (const char* good : {"recordedBy", "_x", "dwc.eventDate", "a-1", "\xE9t\xE9", "Z9"})
        EXPECT_TRUE(IsXmlName(good)) << good;
    for (const char* bad : {"", "recorded By", "1st", "-a", ".a", "dwc:x", "a<b", "a&b", "a/b", "a\tb", "a\"b"})
        EXPECT_FALSE(IsXmlName(bad)) << bad;
}

// Only a column that names an element has to carry an XML name: the first enabled column of an
// element's pair. Any other column may hold a blank in its name and the record is still written.
TEST_F(DarwinXmlWriterTest, OnlyColumnsThatNameElementsNeedXmlNames) {
    struct Case {
        const char* key;
        bool enabled;
        bool written;
    };
    for (const Case c : {Case{"29", true, true}, {"30", true, true}, {"37", true, true}, {"2", true, true},
                         {"17.3", true, true}, {"18.1", true, true}, {"13", true, true},  // a second column of 13
                         {"13", false, true}, {"17.1", false, true}}) {
        SCOPED_TRACE(std::string(c.key) + (c.enabled ? " enabled" : " disabled"));
        Column(c.key, c.enabled, "Odd", "odd name");
        EXPECT_TRUE(AddDarwinXML(s));
        EXPECT_TRUE(dialogs.messages.empty());
        s.OutputColumns.pop_back();
    }
    EXPECT_EQ(RecordFile().find("odd name"), std::string::npos);
}

TEST_F(DarwinXmlWriterTest, ElementNameThatIsNoXmlNameWritesNothing) {
    const std::string before = Header() + Minimal("1") + Closing();
    s.Debug = true;
    for (const char* key : {"0", "13", "24", "17.2", "18.10"}) {
        SCOPED_TRACE(key);
        WriteFile(RecordPath(), before);
        dialogs.messages.clear();
        // The column in use for the pair is the first one: put the bad name there.
        OutputFormatClass* first = nullptr;
        for (OutputFormatClass& c : s.OutputColumns)
            if (!first && IntToStr(c.FieldIndex) + (c.SubIndex ? "." + IntToStr(c.SubIndex) : "") == key) first = &c;
        ASSERT_NE(first, nullptr);
        const std::string kept = first->DatabaseName;
        first->DatabaseName = "bar code";
        first->Label = "Odd";
        EXPECT_FALSE(AddDarwinXML(s));
        EXPECT_EQ(RecordFile(), before);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].find("\"bar code\" of Odd"), std::string::npos);
        first->Enabled = false;  // a column that is not written may keep its name
        EXPECT_TRUE(AddDarwinXML(s));
        first->Enabled = true;
        first->DatabaseName = kept;
    }
    EXPECT_NE(ReadFile(dir / "Log.txt").find("Darwin XML not written"), std::string::npos);
}

// The format editor refuses a name only where the writer would: for Darwin Core XML in an enabled
// row that names an element and is the first row of its pair; for Darwin Core CSV a name that would
// split its heading (a comma, a quote or a line break) in an enabled row.
TEST(XmlNames, EditorChecksOnlyRowsThatNameElements) {
    auto row = [](const char* key, bool enabled, const char* name) {
        OutputListRow r;
        r.caption = "Row " + std::string(key);
        r.key = key;
        r.enabled = enabled;
        r.databaseName = name;
        return r;
    };
    const std::vector<OutputListRow> rows = {
        row("13.0", true, "habitat"),     row("29.0", true, "bar code"),   row("30.0", true, "Plant Height"),
        row("13.0", true, "hab itat"),    row("17.3", true, "verbatim elevation"), row("2.0", true, "other people"),
        row("18.5", false, "decimal lat"), row("18.10", true, "decimalLongitude")};
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(RowNamesXmlElement(rows, i), i == 0 || i == 7) << i;
    EXPECT_EQ(OutputFormatProblem(".", 1, "Records.xml", rows), "");
    EXPECT_EQ(FieldNameProblem(1, rows, 2, "Plant Height"), "");

    std::vector<OutputListRow> bad = rows;
    bad[7].databaseName = "decimal Longitude";
    EXPECT_EQ(OutputFormatProblem(".", 1, "Records.xml", bad).rfind("Row 18.10: \"decimal Longitude\"", 0), 0u);
    EXPECT_EQ(OutputFormatProblem(".", 0, "Records.tsv", bad), "");
    EXPECT_NE(FieldNameProblem(1, rows, 0, "hab itat"), "");
    EXPECT_EQ(FieldNameProblem(2, rows, 0, "hab itat"), "");
    for (const std::string name : {"hab, itat", "say \"x\"", "a\r\nb", "a\nb", "a\rb"}) {
        EXPECT_EQ(FieldNameProblem(2, rows, 0, name),
                  "\"" + name + "\" cannot head a CSV column: leave out commas, double quotes and line breaks.");
        EXPECT_EQ(FieldNameProblem(2, rows, 6, name), "");
    }
    bad[0].databaseName = "hab, itat";
    EXPECT_EQ(OutputFormatProblem(".", 2, "Records.csv", bad).rfind("Row 13.0: \"hab, itat\" cannot head", 0), 0u);
    EXPECT_EQ(OutputFormatProblem(".", 0, "Records.tsv", bad), "");
}

TEST(XmlNames, ElementNamesMadeFromFieldNames) {
    for (auto [name, element] : {std::pair{"Plant Height", "PlantHeight"}, {"Host", "Host"}, {"1st note", "_1stnote"},
                                 {"dwc:habitat", "dwchabitat"}, {"-x", "_-x"}, {"été sec", "étésec"},
                                 {"# / ?", "Field31"}}) {
        EXPECT_EQ(XmlElementNameFor(name, 31), element) << name;
        EXPECT_TRUE(IsXmlName(XmlElementNameFor(name, 31))) << name;
    }
}

}  // namespace
}  // namespace quorl::testing
