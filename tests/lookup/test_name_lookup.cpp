// The scientific-name lookup: the query, the reading of the name-search page (tag names as the
// page reader expects them), and what a loaded page does to the pending add.
#include "ExportFixture.h"

#include "lookup/HtmlTags.h"
#include "lookup/NameLookup.h"
#include "model/ProgramSettings.h"
#include "records/ExportData.h"
#include "records/NameSearchResult.h"

namespace quorl::testing {
namespace {

TEST(NameSearchQuery, SspBecomesSubspInAnyCase) {
    EXPECT_EQ(NameSearchQuery("Carex nigra ssp. juncea"), "Carex nigra subsp. juncea");
    EXPECT_EQ(NameSearchQuery("Carex nigra SSP. juncea"), "Carex nigra subsp. juncea");
    EXPECT_EQ(NameSearchQuery("Carex nigra subsp. juncea"), "Carex nigra subsp. juncea");
}

TEST(NameSearchQuery, UrlEncodesTheName) {
    EXPECT_EQ(NameSearchUrl("http://127.0.0.1:8080/", "Abies alba ssp. x&y"),
              "http://127.0.0.1:8080/NameSearch.aspx?name=Abies%20alba%20subsp.%20x%26y");
    EXPECT_EQ(NameSearchUrl("http://h", std::string("Mü#") + "+"), "http://h/NameSearch.aspx?name=M%C3%BC%23%2B");
}

TEST(HtmlTags, TagNamesAreUpperCasedAndNothingElse) {
    EXPECT_EQ(UpperCaseTagNames("<div class=\"a<i>b\" id='x>y'><i>Abies alba</i> Mill.<br/><em>x</em></div>"),
              "<DIV class=\"a<i>b\" id='x>y'><I>Abies alba</I> Mill.<BR/><EM>x</EM></DIV>");
    EXPECT_EQ(UpperCaseTagNames("<!-- <i>no</i> --><p>a &lt; b < c</p>"), "<!-- <i>no</i> --><P>a &lt; b < c</P>");
    EXPECT_EQ(UpperCaseTagNames("<script>if (a<b) s = \"<i>\";</script><style>i<b{}</style><i>x</i>"),
              "<SCRIPT>if (a<b) s = \"<i>\";</SCRIPT><STYLE>i<b{}</STYLE><I>x</I>");
    EXPECT_EQ(UpperCaseTagNames("<I>x</I><tr>"), "<I>x</I><TR>");
    EXPECT_EQ(UpperCaseTagNames("end <"), "end <");
}

TEST(OfferedName, ReadsTheFirstLineWithAnItalicRun) {
    // Two runs with a rank word between them, joined by single blanks.
    EXPECT_EQ(OfferedName({"<P>no name here</P>", "<TD><I>Abies alba</I> subsp. <I>nebrodensis</I> (Mattei)</TD>",
                           "<I>Pinus</I>"}),
              "Abies alba subsp. nebrodensis");
    // A single run, or a second run out of the window.
    EXPECT_EQ(OfferedName({"<I>Abies alba</I> Mill. (Pinaceae)"}), "Abies alba");
    EXPECT_EQ(OfferedName({"<I>Abies alba</I>" + std::string(90, '.') + "<I>x</I>"}), "Abies alba");
    // Only the first such line is read, even when it offers nothing; lower-case tags never.
    EXPECT_EQ(OfferedName({"<i>Abies</i>", "<P>none</P>"}), "");
    EXPECT_EQ(OfferedName({"<I>" + std::string(120, 'a') + "</I>", "<I>Pinus</I>"}), "");
    EXPECT_EQ(OfferedName({"<I></I> <I></I>"}), "");
    // Every run of blanks between the parts becomes one blank.
    EXPECT_EQ(OfferedName({"<I>Carex lurida</I>  var.  <I>flava</I>"}), "Carex lurida var. flava");
    EXPECT_EQ(OfferedName({"<I>Carex lurida</I>     var.<I>flava</I>"}), "Carex lurida var. flava");
    EXPECT_EQ(OfferedName({}), "");
}

TEST(ProgramSettings, KeyTabValueLines) {
    ScriptedDialogs d;
    Session s(d);
    s.ProgramFolder = MakeTempFolder();
    EXPECT_EQ(ProgramSetting(s, "NameSearchHost"), "");
    WriteFile(s.ProgramFolder / "Settings.txt", "# deployment\r\nNameSearchHostX\tno\r\nNameSearchHost\t http://a.example \r\nNameSearchHost\tlater\r\n");
    EXPECT_EQ(ProgramSetting(s, "NameSearchHost"), "http://a.example");
    EXPECT_EQ(ProgramSetting(s, "Other"), "");
    std::filesystem::remove_all(s.ProgramFolder);
}

TEST(NameSearchTimeout, SecondsOfSettingsTxtWithTwentyForAnythingElse) {
    ScriptedDialogs d;
    Session s(d);
    s.ProgramFolder = s.UserFolder = MakeTempFolder();  // the log lines of a bad setting go there
    EXPECT_EQ(NameSearchTimeoutMs(s), 20000);  // no Settings.txt
    for (const auto& [value, ms] : std::vector<std::pair<std::string, int>>{
             {"1", 1000}, {" 45 ", 45000}, {"0.25", 250}, {"2,5", 2500}, {"", 20000}, {"0", 20000},
             {"-3", 20000}, {"ten", 20000}, {"1e9", 20000}}) {
        WriteFile(s.ProgramFolder / "Settings.txt", "NameSearchHost\thttp://h\r\nNameSearchTimeout\t" + value + "\r\n");
        EXPECT_EQ(NameSearchTimeoutMs(s), ms) << value;
    }
    EXPECT_EQ(NameSearchTimeoutReason(1000), "the name-search page did not load within 1 second");
    EXPECT_EQ(NameSearchTimeoutReason(20000), "the name-search page did not load within 20 seconds");
    EXPECT_EQ(NameSearchTimeoutReason(250), "the name-search page did not load within 0.25 seconds");
    std::filesystem::remove_all(s.ProgramFolder);
}

class NameLookupTest : public ExportFixture {
protected:
    void SetUp() override {
        ExportFixture::SetUp();
        Set("SpeciesCombo", "albida");  // not in the genus's list
        Set("ScientificNameEdit", "Abies albida");
    }
    // "Add" with a name the lists cannot confirm: the page is asked for, nothing is written.
    void StartLookup() {
        AddDataButtonClick(s);
        ASSERT_EQ(browser.urls.back(), "http://127.0.0.1:9/NameSearch.aspx?name=" + NameUrlPart());
        ASSERT_FALSE(Written());
    }
    std::string NameUrlPart() { return ReplaceAll(Box("ScientificNameEdit"), " ", "%20"); }
};

TEST_F(NameLookupTest, NameInItalicsConfirmsAndWritesTheRecord) {
    StartLookup();
    EXPECT_TRUE(browser.visible);
    NameSearchDocumentComplete(s, "<body><div>\n<table><tr><td><i>ABIES ALBIDA</i> Mill.</td></tr></table></div></body>");
    EXPECT_EQ(s.ConfirmedName, "Abies albida");
    EXPECT_FALSE(browser.visible);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_NE(RecordFile().find("\"Abies albida\""), std::string::npos);
    EXPECT_EQ(Box("ImageNameEdit"), "8");

    // The next record of the same name needs no lookup.
    FillValidRecord();
    Set("SpeciesCombo", "albida");
    Set("ScientificNameEdit", "Abies albida");
    AddDataButtonClick(s);
    EXPECT_EQ(browser.urls.size(), 1u);
    EXPECT_EQ(Box("ImageNameEdit"), "8");
}

TEST_F(NameLookupTest, NameWithRankConfirmsOnlyWithSingleBlanksAroundTheRank) {
    Set("RankCombo", "subsp.");
    Set("SubSpEdit", "nebrodensis");
    Set("ScientificNameEdit", "Abies albida subsp. nebrodensis");
    EXPECT_EQ(ExpectedNameMarkup(s), "Abies albida</i> subsp. <i>nebrodensis");
    StartLookup();
    dialogs.answers.push_back(DialogButton::No);
    NameSearchDocumentComplete(s, "<i>Abies albida</i>  subsp.  <i>nebrodensis</i>");
    // The name is offered with single blanks around the rank.
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Abies albida subsp. nebrodensis was found.  Use this name?"});
    EXPECT_EQ(s.ConfirmedName, "");

    StartLookup();
    NameSearchDocumentComplete(s, "<p><I>Abies albida</i> subsp. <i>NEBRODENSIS</I></p>");
    EXPECT_EQ(s.ConfirmedName, "Abies albida subsp. nebrodensis");
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(Written());
}

TEST_F(NameLookupTest, NoToAnotherNameLeavesTheNameAndTheWindowOpen) {
    StartLookup();
    dialogs.answers.push_back(DialogButton::No);
    NameSearchDocumentComplete(s, "<ul><li><i>Abies alba</i> Mill.</li></ul>");
    EXPECT_EQ(dialogs.questionButtons.back(), (std::vector<DialogButton>{DialogButton::Yes, DialogButton::No}));
    EXPECT_EQ(s.ConfirmedName, "");
    EXPECT_EQ(Box("ScientificNameEdit"), "Abies albida");
    EXPECT_TRUE(browser.visible);
    EXPECT_FALSE(Written());
}

TEST_F(NameLookupTest, PageWithoutItalicsDoesNothing) {
    StartLookup();
    browser.visible = false;
    NameSearchDocumentComplete(s, "<p>No names were found.</p>");
    EXPECT_TRUE(browser.visible);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_FALSE(Written());
}

TEST_F(NameLookupTest, OnlyThePendingLookupForTheSameNameIsRead) {
    // A page the user opens later by following a link starts nothing.
    StartLookup();
    NameSearchDocumentComplete(s, "<p>No names were found.</p>");
    NameSearchDocumentComplete(s, "<i>Abies albida</i>");
    EXPECT_EQ(s.ConfirmedName, "");
    EXPECT_FALSE(Written());

    // Nor does the page of a name that the user has changed meanwhile.
    StartLookup();
    Set("ScientificNameEdit", "Abies alba");
    NameSearchDocumentComplete(s, "<i>Abies albida</i>");
    EXPECT_EQ(s.ConfirmedName, "");
    EXPECT_FALSE(Written());
}

// The page confirms genus, species, rank and epithet while the field writes them otherwise: the
// user is offered the confirmed form, on every Add until it is taken; Yes writes it.
TEST_F(NameLookupTest, ConfirmedNameInAnotherFormIsOffered) {
    Set("RankCombo", "var.");
    Set("SubSpEdit", "x");
    Set("ScientificNameEdit", "Abies albida var x");
    const std::string page = "<i>Abies albida</i> var. <i>x</i>";
    const std::string offer = "Abies albida var. x was found.  Use this name?";
    for (int add = 1; add <= 2; ++add) {
        StartLookup();
        dialogs.answers = {DialogButton::No};
        NameSearchDocumentComplete(s, page);
        EXPECT_EQ(dialogs.questions, std::vector<std::string>(static_cast<size_t>(add), offer));
        EXPECT_EQ(browser.urls.size(), static_cast<size_t>(add));
        EXPECT_TRUE(browser.visible);
        EXPECT_FALSE(Written());
        EXPECT_EQ(Box("ScientificNameEdit"), "Abies albida var x");
    }
    StartLookup();
    dialogs.answers = {DialogButton::Yes};
    NameSearchDocumentComplete(s, page);
    EXPECT_EQ(browser.urls.size(), 3u);
    EXPECT_FALSE(browser.visible);
    EXPECT_NE(RecordFile().find("\"Abies albida var. x\""), std::string::npos);
}

// One Add asks each of its questions once, also when the name lookup runs it again after the
// user took the page's name. The next Add asks again.
TEST_F(NameLookupTest, QuestionsOfTheAddAreNotAskedAgainAfterTheLookup) {
    s.FieldDefinitions[fHabitat].WarnIfEmpty = true;
    const std::vector<std::string> asked = {"Not all required fields filled in.", "Abies alba was found.  Use this name?"};
    dialogs.answers = {DialogButton::Ignore};
    StartLookup();
    dialogs.answers = {DialogButton::Yes};
    NameSearchDocumentComplete(s, "<i>Abies alba</i> Mill.");
    EXPECT_EQ(dialogs.questions, asked);
    EXPECT_TRUE(Written());

    std::filesystem::remove(RecordPath());
    FillValidRecord();
    Set("SpeciesCombo", "albida");
    Set("ScientificNameEdit", "Abies albida");
    dialogs.questions.clear();
    dialogs.answers = {DialogButton::Ignore};
    StartLookup();
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{asked[0]});

    // A field changed while the page loaded: the answers given before are not taken for it.
    Set("CollectorEdit", "A. Gray");
    dialogs.answers = {DialogButton::Yes, DialogButton::Cancel};
    NameSearchDocumentComplete(s, "<i>Abies alba</i> Mill.");
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{asked[0], asked[1], asked[0]}));
    EXPECT_FALSE(Written());
}

// The page cannot check the name: the user is told why and decides; Yes adds the record once.
TEST_F(NameLookupTest, NameThatCannotBeCheckedIsAddedOnlyWhenTheUserSaysYes) {
    std::filesystem::remove(dir / "Settings.txt");
    dialogs.answers = {DialogButton::No};
    AddDataButtonClick(s);
    EXPECT_TRUE(browser.urls.empty());
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find("Abies albida could not be checked"), std::string::npos);
    EXPECT_NE(dialogs.questions[0].find("NameSearchHost"), std::string::npos);
    EXPECT_FALSE(Written());
    EXPECT_EQ(Box("ScientificNameEdit"), "Abies albida");

    dialogs.answers = {DialogButton::Yes};
    AddDataButtonClick(s);
    EXPECT_TRUE(Written());
    EXPECT_NE(ReadFile(dir / "Log.txt").find("Record added with the unchecked name Abies albida."), std::string::npos);
    EXPECT_EQ(s.ConfirmedName, "");  // the name is not confirmed for later records

    // Without a browser window the name cannot be looked up either.
    WriteFile(dir / "Settings.txt", "NameSearchHost\thttp://127.0.0.1:9/\r\n");
    s.nameBrowser = nullptr;
    FillValidRecord();
    Set("SpeciesCombo", "albida");
    Set("ScientificNameEdit", "Abies albida");
    dialogs.answers = {DialogButton::No};
    AddDataButtonClick(s);
    EXPECT_EQ(dialogs.questions.size(), 3u);
    EXPECT_EQ(Box("ScientificNameEdit"), "Abies albida");
}

TEST_F(NameLookupTest, PageThatFailsToLoadAsksForThePendingNameOnly) {
    StartLookup();
    dialogs.answers = {DialogButton::No};
    NameSearchFailed(s, "the name-search page could not be reached (refused)");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find("(refused)"), std::string::npos);
    EXPECT_FALSE(Written());
    NameSearchFailed(s, "again");  // no lookup pending any more
    EXPECT_EQ(dialogs.questions.size(), 1u);

    StartLookup();
    Set("ScientificNameEdit", "Abies alba");  // changed while the page loaded
    NameSearchFailed(s, "refused");
    EXPECT_EQ(dialogs.questions.size(), 1u);

    Set("ScientificNameEdit", "Abies albida");
    StartLookup();
    dialogs.answers = {DialogButton::Yes};
    NameSearchFailed(s, "refused");
    EXPECT_TRUE(Written());
    EXPECT_FALSE(browser.visible);
}

}  // namespace
}  // namespace quorl::testing
