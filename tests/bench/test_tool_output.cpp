// What the command-line tools write: each object one line, out at once, and nothing else on the
// output even with the error stream merged into it.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "JpegTestFiles.h"
#include "ToolSession.h"

namespace quorl::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t begin = 0;
    for (size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
        lines.push_back(text.substr(begin, end - begin));
    if (begin < text.size()) lines.push_back(text.substr(begin));
    return lines;
}

QJsonObject ParsedLine(const std::string& line) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.substr(0, 200);
    return doc.object();
}

TEST(ToolOutput, EachObjectIsOnTheOutputWholeWhenItsCallReturns) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(pipeEnds[1], F_SETPIPE_SZ, 1 << 20);
    std::cout.flush();
    std::fflush(stdout);
    const int savedOutput = ::dup(STDOUT_FILENO);
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    const std::string text(10000, 'x');  // more than one buffer of the standard output
    for (int i = 0; i < 2; ++i)
        PrintFileResult("label" + std::to_string(i) + ".txt", [&](QJsonObject& out) { out["text"] = QString::fromStdString(text); });
    std::string written(1 << 16, '\0');
    const ssize_t n = ::read(pipeEnds[0], written.data(), written.size());
    ::dup2(savedOutput, STDOUT_FILENO);
    ::close(savedOutput);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    written.resize(n > 0 ? static_cast<size_t>(n) : 0);
    const std::vector<std::string> lines = Lines(written);
    ASSERT_EQ(lines.size(), 2u) << written.size() << " bytes";
    EXPECT_EQ(written.back(), '\n');
    for (int i = 0; i < 2; ++i) {
        const QJsonObject o = ParsedLine(lines[static_cast<size_t>(i)]);
        EXPECT_EQ(o["file"].toString().toStdString(), "label" + std::to_string(i) + ".txt");
        EXPECT_EQ(o["text"].toString().size(), 10000);
    }
}

// Photos that make the engine talk or that are broken, read with the error stream merged into
// the output: every line is one JSON object, one per photo.
TEST(ToolOutput, TheOcrToolWritesOnlyItsObjectsWithTheErrorStreamMerged) {
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("quorl-tool-output-" + std::to_string(rd()));
    fs::create_directories(dir);
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    };
    const std::string blank = MakeJpeg(600, 300, 1, [](int, int, int) { return 255; });
    const std::string label = MakeGreyJpeg(400, 400);
    // The engine finds "diacritics" in a picture of fine grey detail and says so on its own.
    const std::vector<std::string> photos = {
        write("blank.jpg", blank), write("detail.jpg", label),
        write("cut.jpg", label.substr(0, label.size() / 2)),
        write("huge.jpg", WithDeclaredSize(blank, 60000, 60000)),
        write("notes.txt", "Collector: A. Smith\r\n")};
    std::string command = "OMP_THREAD_LIMIT=1 '" QUORL_OCR_TOOL "'";
    for (const std::string& p : photos) command += " '" + p + "'";
    command += " 2>&1";
    std::string output;
    if (std::FILE* run = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, run)) > 0;) output.append(buffer, n);
        ::pclose(run);
    }
    fs::remove_all(dir);
    const std::vector<std::string> lines = Lines(output);
    ASSERT_EQ(lines.size(), photos.size()) << output;
    std::vector<QJsonObject> o;
    for (const std::string& line : lines) o.push_back(ParsedLine(line));
    EXPECT_TRUE(o[0].contains("text"));
    EXPECT_TRUE(o[1].contains("text"));
    EXPECT_TRUE(o[2]["warning"].toString().startsWith(QStringLiteral("The picture is incomplete"))) << lines[2];
    EXPECT_EQ(o[3]["error"].toString(), QStringLiteral("Picture too large: 60000 x 60000"));
    EXPECT_TRUE(o[4].contains("error"));
}

}  // namespace
}  // namespace quorl::testing
