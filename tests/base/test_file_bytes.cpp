// Raw writes under bad luck: a write that runs out of room part-way, a file that cannot be opened,
// and the temporary files a killed process leaves behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include "FileSizeLimit.h"
#include "LoaderTestSupport.h"
#include "base/FileBytes.h"

namespace quorl::testing {
namespace {

class FileBytesTest : public ::testing::Test {
protected:
    fs::path dir = MakeTempFolder();
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(dir);
    }
    size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(FileBytesTest, AppendThatRunsOutOfRoomLeavesTheFileAsItWas) {
    const fs::path file = dir / "Records.tsv";
    const std::string before = "Collector\tDate\t\r\n\"Smith\"\t\"1 May 2001\"\r\n";
    WriteFile(file, before);
    WriteResult r;
    {
        FileSizeLimit full(before.size() + 10);  // room for part of the row only
        r = AppendFileBytes(file, "\"Garcia\"\t\"2 June 2002\"\r\n");
    }
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.failure, WriteFailure::Write);
    EXPECT_EQ(r.error, EFBIG);
    EXPECT_FALSE(r.Reason().empty());
    EXPECT_EQ(ReadFile(file), before);

    // With room again the next append is whole and follows the old end directly.
    ASSERT_TRUE(AppendFileBytes(file, "\"Garcia\"\r\n").ok());
    EXPECT_EQ(ReadFile(file), before + "\"Garcia\"\r\n");
}

TEST_F(FileBytesTest, ReplaceThatRunsOutOfRoomKeepsTheOldFileAndNoTemporaryFile) {
    const fs::path file = dir / "WordStats.txt";
    WriteFile(file, "oak\t1\t0\t0\t100\t\r\n");
    WriteResult r;
    {
        FileSizeLimit full(40);
        r = ReplaceFileAtomically(file, std::string(200, 'x'));
    }
    EXPECT_EQ(r.failure, WriteFailure::Write);
    EXPECT_EQ(ReadFile(file), "oak\t1\t0\t0\t100\t\r\n");
    EXPECT_EQ(Entries(), 1u);

    ASSERT_TRUE(ReplaceFileAtomically(file, "pine\r\n").ok());
    EXPECT_EQ(ReadFile(file), "pine\r\n");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(FileBytesTest, FileThatCannotBeOpenedIsAnOpenFailure) {
    EXPECT_EQ(AppendFileBytes(dir / "missing.txt", "x").failure, WriteFailure::Open);
    EXPECT_EQ(ReplaceFileAtomically(dir / "no" / "folder.txt", "x").failure, WriteFailure::Open);
    fs::create_directories(dir / "Quorl.xml");  // a folder where the file should be
    EXPECT_FALSE(ReplaceFileAtomically(dir / "Quorl.xml", "x").ok());
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(FileBytesTest, AReplacedFileKeepsItsRights) {
    const struct {
        fs::perms before, asked, after;
    } cases[] = {
        {fs::perms(0600), fs::perms(0666), fs::perms(0600)},
        {fs::perms(0640), fs::perms(0666), fs::perms(0640)},
        {fs::perms(0755), fs::perms(0666), fs::perms(0755)},
        {fs::perms(0444), fs::perms(0666), fs::perms(0444)},
        {fs::perms(0644), fs::perms(0600), fs::perms(0600)},  // the caller's limit still holds
    };
    const fs::path file = dir / "MailSettings.txt";
    for (const auto& c : cases) {
        WriteFile(file, "old");
        fs::permissions(file, c.before);
        ASSERT_TRUE(ReplaceFileAtomically(file, "new", c.asked).ok());
        EXPECT_EQ(ReadFile(file), "new");
        EXPECT_EQ(fs::status(file).permissions(), c.after) << std::oct << static_cast<int>(c.before);
    }
}

TEST_F(FileBytesTest, ALinkIsFollowedAndStaysALink) {
    fs::create_directories(dir / "shared");
    WriteFile(dir / "shared" / "CountryList.txt", "old");
    fs::create_directory_symlink("shared", dir / "elsewhere");
    const struct {
        fs::path link, target;
    } cases[] = {
        {"../shared/CountryList.txt", dir / "shared" / "CountryList.txt"},  // relative to its folder
        {dir / "shared" / "CountryList.txt", dir / "shared" / "CountryList.txt"},
        {"hop.txt", dir / "user" / "hop.txt"},                              // a link to a link
        {"../elsewhere/New.txt", dir / "shared" / "New.txt"},               // pointing nowhere yet
    };
    fs::create_directories(dir / "user");
    fs::create_symlink("../shared/CountryList.txt", dir / "user" / "hop.txt");
    int n = 0;
    for (const auto& c : cases) {
        const fs::path link = dir / "user" / ("link" + std::to_string(n++) + ".txt");
        fs::create_symlink(c.link, link);
        const std::string bytes = "written through " + link.filename().string();
        ASSERT_TRUE(ReplaceFileAtomically(link, bytes).ok());
        EXPECT_TRUE(fs::is_symlink(link)) << link;
        EXPECT_EQ(ReadFile(c.target), bytes) << link;
    }
    EXPECT_TRUE(fs::is_symlink(dir / "user" / "hop.txt"));
    // Links that go round in a circle are not followed for ever: the link named is replaced.
    fs::create_symlink("b.txt", dir / "a.txt");
    fs::create_symlink("a.txt", dir / "b.txt");
    ASSERT_TRUE(ReplaceFileAtomically(dir / "a.txt", "x").ok());
    EXPECT_EQ(ReadFile(dir / "b.txt"), "x");
}

// Files replaced together: when any one cannot be written, no file changes and no temporary file
// stays; otherwise all change.
TEST_F(FileBytesTest, FilesReplacedTogetherChangeAllOrNone) {
    const fs::path a = dir / "OutputFormat.txt", b = dir / "DarwinXML.txt", c = dir / "FieldDefinitions.txt";
    struct Case {
        const char* what;
        std::function<void()> spoil;
        rlim_t limit;
        size_t failed;
    };
    for (const Case& k : {Case{"the last runs out of room", [] {}, 100, 2},
                          Case{"the second is a folder", [&] { fs::remove(b), fs::create_directory(b); }, RLIM_INFINITY, 1},
                          Case{"the first has no folder", [&] { fs::remove_all(dir / "sub"); }, RLIM_INFINITY, 0}}) {
        SCOPED_TRACE(k.what);
        fs::remove_all(b);
        for (const fs::path& p : {a, b, c}) WriteFile(p, "old\r\n");
        k.spoil();
        const fs::path first = k.failed == 0 ? dir / "sub" / "OutputFormat.txt" : a;
        FileSetResult r;
        {
            FileSizeLimit room(k.limit);
            r = ReplaceFilesTogether({{first, "new a\r\n"}, {b, "new b\r\n"}, {c, std::string(200, 'c')}});
        }
        EXPECT_FALSE(r.result.ok());
        EXPECT_EQ(r.failed, k.failed);
        EXPECT_EQ(ReadFile(a), "old\r\n");
        EXPECT_EQ(ReadFile(c), "old\r\n");
        EXPECT_EQ(Entries(), 3u);
    }
    // All written; a link among them is followed and stays a link.
    fs::remove_all(b);
    fs::rename(c, dir / "Definitions.real");
    fs::create_symlink("Definitions.real", c);
    ASSERT_TRUE(ReplaceFilesTogether({{a, "new a"}, {b, "new b"}, {c, "new c"}}).result.ok());
    EXPECT_EQ(ReadFile(a) + ReadFile(b) + ReadFile(dir / "Definitions.real"), "new anew bnew c");
    EXPECT_TRUE(fs::is_symlink(c));
    EXPECT_EQ(Entries(), 4u);
}

TEST_F(FileBytesTest, StaleTemporaryFilesOfDeadProcessesAreRemoved) {
    // A process id that surely runs no more: a child that has ended and been reaped.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child);
    const std::string alive = std::to_string(::getpid());
    const std::vector<std::string> names{"Quorl.xml.tmp" + dead, "WordStats.txt.tmp" + dead, "Quorl.xml.tmp" + alive,
                                    "notes.tmp" + dead, ".tmp" + dead, "Quorl.xml.tmp", "Quorl.xml.tmpx1",
                                    "Quorl.xml"};
    for (const std::string& name : names) WriteFile(dir / name, "x");
    fs::create_directories(dir / ("Users.tmp" + dead));

    EXPECT_EQ(RemoveStaleTemporaryFiles(dir), 2u);
    EXPECT_FALSE(fs::exists(dir / ("Quorl.xml.tmp" + dead)));
    EXPECT_FALSE(fs::exists(dir / ("WordStats.txt.tmp" + dead)));
    EXPECT_TRUE(fs::exists(dir / ("Quorl.xml.tmp" + alive)));  // a running program's write
    EXPECT_TRUE(fs::exists(dir / ("notes.tmp" + dead)));       // not a name the program makes
    EXPECT_EQ(Entries(), 7u);
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir / "missing"), 0u);
}

}  // namespace
}  // namespace quorl::testing
