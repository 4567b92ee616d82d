// The log file: the line rules (time, "/" texts, a lone "."), the time stamp kept per second, and
// every line in the file when the program is killed right after writing it.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <regex>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

#include "LoaderTestSupport.h"
#include "base/LogFile.h"
#include "base/LogTimeStamper.h"

namespace quorl::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using std::chrono::system_clock;

std::string Stamp(LogTimeStamper& stamper, system_clock::time_point t) {
    std::string out = "x";
    stamper.AppendTo(out, t);
    return out.substr(1);  // appended, not replaced
}

std::string Expected(system_clock::time_point t) {
    const std::time_t second = system_clock::to_time_t(t);
    std::tm tm{};
    localtime_r(&second, &tm);
    const long ms = static_cast<long>(std::chrono::duration_cast<milliseconds>(t.time_since_epoch()).count() % 1000);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d:%03ld", tm.tm_hour, tm.tm_min, tm.tm_sec, ms);
    return buf;
}

TEST(LogTimeStamperTest, StampFollowsTheClockWithinAndAcrossSeconds) {
    const system_clock::time_point base = system_clock::from_time_t(1700000000);
    LogTimeStamper stamper;
    // Within one second only the milliseconds move; the next second, an hour on, and a clock put
    // back each give their own hours, minutes and seconds.
    for (system_clock::time_point t : {base + milliseconds(7), base + milliseconds(999), base + seconds(1),
                                       base + seconds(3661) + milliseconds(40), base - seconds(59)})
        EXPECT_EQ(Stamp(stamper, t), Expected(t));
    EXPECT_EQ(Stamp(stamper, base).size(), 12u);
}

class LogFileTest : public ::testing::Test {
protected:
    fs::path dir = MakeTempFolder();
    LogFile log;
    void TearDown() override {
        log.Close();
        if (!HasFailure()) fs::remove_all(dir);
    }
    std::string Text() const { return ReadFile(dir / "Log.txt"); }
};

TEST_F(LogFileTest, LinesFollowTheTimeAndSlashRules) {
    ASSERT_TRUE(log.Write(dir, "Log.txt", {"Start ", "", "Family"}));
    EXPECT_TRUE(std::regex_match(Text(), std::regex(R"(\d\d:\d\d:\d\d:\d\d\d  Start Family\r\n)"))) << Text();
    const size_t timed = Text().size();

    log.Write(dir, "Log.txt", {"", "/label line", " one"});  // the first character decides
    log.Write(dir, "Log.txt", {"/"});
    log.Write(dir, "Log.txt", {"/."});
    EXPECT_EQ(Text().substr(timed), "label line one\r\n\r\n.");
    log.Write(dir, "Log.txt", {});
    EXPECT_TRUE(std::regex_search(Text(), std::regex(R"(\.\d\d:\d\d:\d\d:\d\d\d  \r\n$)"))) << Text();
}

TEST_F(LogFileTest, UntimedLinesInOneWriteAreTheBytesOfSlashLinesOneByOne) {
    const std::vector<std::string> lines = {"HERBARIUM", "", ".", "Quercus turbinella", "/x", "Ñandú 12"};
    log.WriteUntimed(dir, "Log.txt", lines);
    const std::string together = Text();
    fs::remove(dir / "Log.txt");
    log.Close();
    for (const std::string& line : lines) log.Write(dir, "Log.txt", {"/" + line});
    EXPECT_EQ(together, Text());
    EXPECT_EQ(together, "HERBARIUM\r\n\r\n.Quercus turbinella\r\n/x\r\nÑandú 12\r\n");
}

TEST_F(LogFileTest, EveryLineIsInTheFileWhenTheProgramIsKilledAfterIt) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        LogFile childLog;
        for (int i = 0; i < 200; ++i) childLog.Write(dir, "Log.txt", {"/line ", std::to_string(i)});
        childLog.Write(dir, "Log.txt", {"last"});
        ::raise(SIGKILL);  // no destructor, no exit handler
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::string text = Text();
    EXPECT_EQ(text.find("line 0\r\nline 1\r\n"), 0u);
    EXPECT_NE(text.find("line 199\r\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(line 199\r\n\d\d:\d\d:\d\d:\d\d\d  last\r\n$)"))) << text;
}

TEST_F(LogFileTest, HeldLinesWaitForTheReleaseAndGoInOneWrite) {
    WriteFile(dir / "Log.txt", "old\r\n");
    log.Hold();
    log.Write(dir, "Log.txt", {"/one"});
    log.WriteUntimed(dir, "Log.txt", {"two", "three"});
    EXPECT_EQ(Text(), "old\r\n");
    fs::remove(dir / "Log.txt");
    ASSERT_TRUE(log.Release(dir, "Log.txt"));
    EXPECT_EQ(Text(), "one\r\ntwo\r\nthree\r\n");
    log.Write(dir, "Log.txt", {"/four"});  // written at once again
    EXPECT_EQ(Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");

    // Nothing held: the release makes no file.
    fs::remove(dir / "Log.txt");
    log.Close();
    log.Hold();
    EXPECT_TRUE(log.Release(dir, "Log.txt"));
    EXPECT_FALSE(fs::exists(dir / "Log.txt"));
}

TEST_F(LogFileTest, LogDeletedOrReplacedWhileOpenIsMadeAgain) {
    struct Case {
        const char* name;
        bool replaced;  // by another file renamed over it, as a sync tool does
    };
    for (const Case c : {Case{"deleted", false}, Case{"replaced", true}}) {
        SCOPED_TRACE(c.name);
        log.Write(dir, "Log.txt", {"/before"});
        if (c.replaced) {
            WriteFile(dir / "other.txt", "theirs\r\n");
            fs::rename(dir / "other.txt", dir / "Log.txt");
        } else {
            fs::remove(dir / "Log.txt");
        }
        std::this_thread::sleep_for(milliseconds(1100));  // the file is looked at once a second
        ASSERT_TRUE(log.Write(dir, "Log.txt", {"/after"}));
        EXPECT_EQ(Text(), c.replaced ? "theirs\r\nafter\r\n" : "after\r\n");
        fs::remove(dir / "Log.txt");
        log.Close();
    }
}

TEST_F(LogFileTest, AnotherFolderStartsTheLogThere) {
    const fs::path other = dir / "Users" / "Ann";
    fs::create_directories(other);
    log.Write(dir, "Log.txt", {"/one"});
    log.Write(other, "Log.txt", {"/two"});
    log.Write(dir, "Log.txt", {"/three"});
    EXPECT_EQ(Text(), "one\r\nthree\r\n");
    EXPECT_EQ(ReadFile(other / "Log.txt"), "two\r\n");
    fs::remove_all(dir / "Users");
    EXPECT_FALSE(log.Write(other, "Log.txt", {"/gone"}));  // no folder: refused, nothing thrown
}

}  // namespace
}  // namespace quorl::testing
