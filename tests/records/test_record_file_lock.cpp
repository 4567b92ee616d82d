// Two copies of the program adding to one record file at the same time: every record of both
// arrives whole, and a copy kept waiting too long is told instead of writing over the other.
#include "RecordFixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "base/FileLock.h"
#include "records/DarwinCsvWriter.h"
#include "records/DarwinXmlWriter.h"
#include "records/OutputPreview.h"
#include "records/TsvWriter.h"

namespace quorl::testing {
namespace {

struct Writer {
    const char* fileName;
    int outputType;
    bool (*add)(Session&);
};
const Writer kWriters[] = {
    {"Records.tsv", 0, AddTSV},
    {"Records.xml", 1, AddDarwinXML},
    {"Records.csv", 2, AddDarwinCSV},
};
constexpr int kRecordsPerCopy = 50;

class RecordFileLockTest : public RecordFixture {
protected:
    void Use(const Writer& w) {
        s.OutputFileName = w.fileName;
        s.OutputType = w.outputType;
        s.OutputColumns.clear();
        Column("0", true, "Collector", "Collector");
        Column("23", true, "Accession", "Accession");
        Set("CollectorEdit", "J. Smith");
    }

    // A copy of this process that waits for the start signal on startFd, then adds its records.
    // Its exit code is the number of records it could not add.
    pid_t StartCopy(const Writer& w, int copy, int startFd) {
        const pid_t pid = fork();
        if (pid != 0) return pid;
        char go = 0;
        if (read(startFd, &go, 1) != 1) _exit(100);
        int failed = 0;
        for (int k = 0; k < kRecordsPerCopy; ++k) {
            Set("AccessionEdit", "C" + std::to_string(copy) + "-" + std::to_string(k));
            if (!w.add(s)) ++failed;
        }
        _exit(failed);
    }

    static size_t Count(const std::string& text, const std::string& what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
};

TEST_F(RecordFileLockTest, TwoCopiesAddingAtOnceLoseNoRecord) {
    for (const Writer& w : kWriters) {
        SCOPED_TRACE(w.fileName);
        Use(w);
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        const pid_t copies[] = {StartCopy(w, 1, start[0]), StartCopy(w, 2, start[0])};
        ASSERT_GT(copies[0], 0);
        ASSERT_GT(copies[1], 0);
        ASSERT_EQ(write(start[1], "go", 2), 2);
        close(start[0]);
        close(start[1]);
        for (pid_t copy : copies) {
            int status = 0;
            ASSERT_EQ(waitpid(copy, &status, 0), copy);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 0) << "records not added";
        }
        const std::string file = RecordFile();
        for (int copy : {1, 2})
            for (int k = 0; k < kRecordsPerCopy; ++k) {
                const std::string accession = "C" + std::to_string(copy) + "-" + std::to_string(k);
                const std::string value = w.outputType == 1 ? ">" + accession + "<" : "\"" + accession + "\"";
                EXPECT_EQ(Count(file, value), w.outputType == 1 ? 2u : 1u) << accession;  // XML: CatalogNumber too
            }
        EXPECT_EQ(Count(file, w.outputType == 1 ? "<QUORL>" : "Collector"), 1u);  // one header
    }
}

TEST_F(RecordFileLockTest, AWriterKeptWaitingIsToldAndChangesNothing) {
    s.RecordFileLockWaitMs = 30;
    for (const Writer& w : kWriters) {
        SCOPED_TRACE(w.fileName);
        Use(w);
        Set("AccessionEdit", "A-1");
        ASSERT_TRUE(w.add(s));
        Set("AccessionEdit", "A-2");
        ASSERT_TRUE(w.add(s));
        const std::string before = RecordFile();
        OutputPreview preview;
        ASSERT_TRUE(LoadOutputPreview(s, preview));

        const FileLock other(RecordPath(), std::chrono::milliseconds(0));
        ASSERT_TRUE(other.held());
        dialogs.messages.clear();
        Set("AccessionEdit", "A-3");
        const auto started = std::chrono::steady_clock::now();
        EXPECT_FALSE(w.add(s));
        EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(30));
        // Meanwhile the busy window's bar showed the wait going by.
        EXPECT_EQ(dialogs.busyProgressMaximum, 30);
        EXPECT_GT(dialogs.busyProgress, 0);
        dialogs.answers.push_back(DialogButton::Yes);
        EXPECT_EQ(ReEditRecord(s, preview, w.outputType == 1 ? 6 : 0), ReEditResult::Refused);
        EXPECT_EQ(RecordFile(), before);
        const std::string busy = "Another copy of Quorl is writing to " + std::string(w.fileName) + ". ";
        EXPECT_EQ(dialogs.messages, (std::vector<std::string>{busy + "The record was not added. Please try again.",
                                                             busy + "Nothing was taken out of it. Please try again."}));
        EXPECT_EQ(Box("AccessionEdit"), "A-3");
    }
}

}  // namespace
}  // namespace quorl::testing
