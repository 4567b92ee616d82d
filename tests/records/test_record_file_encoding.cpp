// A record file keeps one encoding: records added to a legacy single-byte file are written in its
// encoding, or, when a character does not fit, the whole file is converted to UTF-8 after one
// question, or nothing is written.
#include "RecordFixture.h"

#include "FileSizeLimit.h"

#include <functional>

#include "base/Encoding.h"
#include "records/DarwinCsvWriter.h"
#include "records/DarwinXmlWriter.h"
#include "records/TsvWriter.h"

namespace quorl::testing {
namespace {

struct Writer {
    const char* file;
    std::function<bool(Session&)> add;
    std::string legacy;  // a single-byte file holding "Ñandú" as an older installation wrote it
};

// "Ñandú" in Windows-1252.
const std::string kOldValue = "\xD1" "and\xFA";

std::vector<Writer> Writers() {
    return {{"Records.tsv", AddTSV, "fieldNotes\t\r\n\"" + kOldValue + "\"\r\n"},
            {"Records.csv", AddDarwinCSV, "fieldNotes\r\n\"" + kOldValue + "\"\r\n"},
            {"Records.xml", AddDarwinXML,
             "<QUORL>\r\n\t<header>\r\n\t\t<version>0.9</version>\r\n\t</header>\r\n\t<labelData>\r\n"
             "\t\t<label>\r\n\t\t\t<fieldNotes>" + kOldValue + "</fieldNotes>\r\n\t\t</label>\r\n"
             "\t</labelData>\r\n</QUORL>"}};
}

class RecordFileEncodingTest : public RecordFixture {
protected:
    void SetUp() override {
        RecordFixture::SetUp();
        Column("24", true, "Notes", "fieldNotes");
    }
    void Use(const Writer& w, const std::string& bytes) {
        s.OutputFileName = w.file;
        WriteFile(RecordPath(), bytes);
    }
};

TEST_F(RecordFileEncodingTest, ARecordThatFitsIsWrittenInTheLegacyFilesEncoding) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.file);
        Use(w, w.legacy);
        Set("NotesMemo", "Hôtel 41°");
        dialogs.questions.clear();
        ASSERT_TRUE(w.add(s));
        const std::string bytes = RecordFile();
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_FALSE(IsValidUtf8(bytes));  // still the single-byte file
        EXPECT_NE(bytes.find(kOldValue), std::string::npos);
        EXPECT_NE(bytes.find("H\xF4tel 41\xB0"), std::string::npos);
        EXPECT_EQ(bytes.find("Hôtel"), std::string::npos);  // no UTF-8 bytes in it
        EXPECT_NE(DecodeFileBytes(bytes).find("Ñandú"), std::string::npos);
    }
}

TEST_F(RecordFileEncodingTest, ACharacterThatDoesNotFitAsksOnceAndNoLeavesTheFileAlone) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.file);
        Use(w, w.legacy);
        Set("NotesMemo", "Łódź");
        dialogs.questions.clear();
        dialogs.answers = {DialogButton::No};
        EXPECT_FALSE(w.add(s));
        EXPECT_EQ(dialogs.questions.size(), 1u);
        EXPECT_EQ(RecordFile(), w.legacy);
    }
}

TEST_F(RecordFileEncodingTest, ConvertingRewritesTheWholeFileAsUtf8) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.file);
        Use(w, w.legacy);
        Set("NotesMemo", "Łódź 北京");
        dialogs.questions.clear();
        dialogs.answers = {DialogButton::Yes};
        ASSERT_TRUE(w.add(s));
        EXPECT_EQ(dialogs.questions.size(), 1u);
        const std::string bytes = RecordFile();
        EXPECT_TRUE(IsValidUtf8(bytes));
        EXPECT_NE(bytes.find("Ñandú"), std::string::npos);  // the old record, converted
        EXPECT_NE(bytes.find("Łódź 北京"), std::string::npos);
        // From now on the file is UTF-8: no further question.
        Set("NotesMemo", "Dvořák");
        ASSERT_TRUE(w.add(s));
        EXPECT_EQ(dialogs.questions.size(), 1u);
        EXPECT_TRUE(IsValidUtf8(RecordFile()));
    }
}

TEST_F(RecordFileEncodingTest, Utf8FilesTakeEveryCharacterWithoutAQuestion) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.file);
        const std::string utf8 = Cp1252ToUtf8(w.legacy);
        Use(w, utf8);
        Set("NotesMemo", "Ελλάδα");
        dialogs.questions.clear();
        ASSERT_TRUE(w.add(s));
        EXPECT_TRUE(dialogs.questions.empty());
        const std::string bytes = RecordFile();
        EXPECT_TRUE(IsValidUtf8(bytes));
        EXPECT_NE(bytes.find("Ελλάδα"), std::string::npos);
        const size_t keep = w.file == std::string("Records.xml") ? utf8.find("\t</labelData>") : utf8.size();
        EXPECT_EQ(bytes.substr(0, keep), utf8.substr(0, keep));  // earlier records byte for byte
    }
}

TEST_F(RecordFileEncodingTest, AStrayByteLeavesAUtf8FileUtf8) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.file);
        // UTF-8 records, one of them with a Windows-1252 degree sign pasted in.
        std::string file = Cp1252ToUtf8(w.legacy);
        file.insert(file.find("and"), "\xB0");
        Use(w, file);
        Set("NotesMemo", "André Müller");
        dialogs.questions.clear();
        ASSERT_TRUE(w.add(s));
        EXPECT_TRUE(dialogs.questions.empty());
        const std::string bytes = RecordFile();
        EXPECT_NE(bytes.find("André Müller"), std::string::npos);
        const size_t keep = w.file == std::string("Records.xml") ? file.find("\t</labelData>") : file.size();
        EXPECT_EQ(bytes.substr(0, keep), file.substr(0, keep));
        EXPECT_NE(DecodeFileBytes(bytes).find("Ñ°andú"), std::string::npos);
    }
}

TEST_F(RecordFileEncodingTest, Utf16FilesGetTheirRecordsInUtf16) {
    for (const bool bigEndian : {false, true}) {
        for (const Writer& w : Writers()) {
            SCOPED_TRACE(std::string(w.file) + (bigEndian ? " big-endian" : " little-endian"));
            const std::string text = Cp1252ToUtf8(w.legacy);
            const std::string mark = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
            Use(w, mark + Utf8ToUtf16(text, bigEndian));
            Set("NotesMemo", "Łódź 𝄞");
            dialogs.questions.clear();
            ASSERT_TRUE(w.add(s));
            EXPECT_TRUE(dialogs.questions.empty());  // no question, and the header is the file's own
            const std::string bytes = RecordFile();
            const std::string read = DecodeFileBytes(bytes);
            EXPECT_EQ(bytes, mark + Utf8ToUtf16(read, bigEndian));  // UTF-16 throughout, nothing 8-bit
            EXPECT_NE(read.find("Ñandú"), std::string::npos);
            EXPECT_NE(read.find("Łódź 𝄞"), std::string::npos);
            EXPECT_EQ(read.find("\r\n\r\n"), std::string::npos) << read;
        }
    }
}

// A UTF-16 file of an odd number of bytes is out of step with any unit added to it: it is left alone.
// A lone surrogate in an earlier record is not this program's to mend: its bytes stay as they were.
TEST_F(RecordFileEncodingTest, Utf16FilesKeepTheirBytesOrAreLeftAloneWhenOutOfStep) {
    for (const bool bigEndian : {false, true}) {
        for (const Writer& w : Writers()) {
            SCOPED_TRACE(std::string(w.file) + (bigEndian ? " big-endian" : " little-endian"));
            const std::string text = Cp1252ToUtf8(w.legacy);
            const size_t split = text.find("and");
            const std::string lone(bigEndian ? "\xD8\x00" : "\x00\xD8", 2);
            const std::string file = (bigEndian ? "\xFE\xFF" : "\xFF\xFE") + Utf8ToUtf16(text.substr(0, split), bigEndian) +
                                     lone + Utf8ToUtf16(text.substr(split), bigEndian);
            Use(w, file + "!");
            Set("NotesMemo", "Łódź");
            dialogs.messages.clear();
            EXPECT_FALSE(w.add(s));
            EXPECT_EQ(RecordFile(), file + "!");
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_NE(dialogs.messages[0].find(w.file), std::string::npos) << dialogs.messages[0];

            Use(w, file);
            ASSERT_TRUE(w.add(s));
            const std::string bytes = RecordFile();
            const size_t keep = w.file == std::string("Records.xml")
                                    ? file.size() - Utf8ToUtf16("\t</labelData>\r\n</QUORL>", bigEndian).size()
                                    : file.size();
            EXPECT_EQ(bytes.substr(0, keep), file.substr(0, keep));
            EXPECT_NE(DecodeFileBytes(bytes).find("Łódź"), std::string::npos);
        }
    }
}

TEST_F(RecordFileEncodingTest, AConversionThatDoesNotFitOnTheDiskSaysWhyAndKeepsTheFile) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.file);
        Use(w, w.legacy);
        Set("NotesMemo", "Łódź");
        dialogs.messages.clear();
        dialogs.answers = {DialogButton::Yes};
        bool added = true;
        {
            FileSizeLimit full(w.legacy.size());
            added = w.add(s);
        }
        EXPECT_FALSE(added);
        EXPECT_EQ(RecordFile(), w.legacy);
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Unable to write file " + RecordPath().string() +
                                                             " (File too large). The file was left as it was."});
    }
}

}  // namespace
}  // namespace quorl::testing
