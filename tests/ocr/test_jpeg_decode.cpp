// Label photos that are not what they say: a header that declares a huge picture, CMYK files,
// files cut short, and a picture that memory cannot hold.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

#include "JpegTestFiles.h"
#include "ocr/JpegDecode.h"

namespace quorl::testing {
namespace {

std::string Refusal(const std::string& bytes) {
    try {
        DecodeJpegGrey(bytes);
    } catch (const JpegError& e) {
        return e.what();
    }
    return "decoded";
}

TEST(JpegDecodeLimits, AHugeDeclaredSizeIsRefusedFromTheHeader) {
    const std::string small = MakeGreyJpeg(16, 16);
    const struct {
        int w, h;
        const char* refusal;
    } cases[] = {
        {60000, 60000, "Picture too large: 60000 x 60000"},  // 355 bytes that would take gigabytes
        {65535, 2, "decoded-or-broken"},
        {10001, 10000, "Picture too large: 10001 x 10000"},
        {20000, 5001, "Picture too large: 20000 x 5001"},
    };
    for (const auto& c : cases) {
        const std::string said = Refusal(WithDeclaredSize(small, c.w, c.h));
        if (std::string(c.refusal) == "decoded-or-broken")
            EXPECT_EQ(said.find("Picture too large"), std::string::npos) << said;
        else
            EXPECT_EQ(said, c.refusal);
    }
}

TEST(JpegDecodeLimits, CmykFilesLoadAsGrey) {
    // Left half without ink, right half black ink only; stored inverted.
    const std::string cmyk = MakeJpeg(32, 16, 4, [](int x, int, int k) { return x < 16 || k < 3 ? 255 : 0; });
    const GreyImage g = DecodeJpegGrey(cmyk);
    ASSERT_EQ(g.width, 32);
    ASSERT_EQ(g.height, 16);
    EXPECT_NEAR(g.At(4, 8), 255, 6);
    EXPECT_NEAR(g.At(28, 8), 0, 6);
    // Cyan ink alone: the grey of (0, 255, 255).
    const std::string cyan = MakeJpeg(16, 16, 4, [](int, int, int k) { return k == 0 ? 0 : 255; });
    EXPECT_NEAR(DecodeJpegGrey(cyan).At(8, 8), 179, 6);
}

TEST(JpegDecodeLimits, AFileCutShortLoadsWithAWarning) {
    const std::string whole = MakeGreyJpeg(256, 256);
    std::string warning = "left over";
    const GreyImage full = DecodeJpegGrey(whole, &warning);
    EXPECT_EQ(warning, "");
    for (const double part : {0.3, 0.6, 0.95}) {
        const std::string cut = whole.substr(0, static_cast<size_t>(whole.size() * part));
        const GreyImage g = DecodeJpegGrey(cut, &warning);
        EXPECT_EQ(g.width, 256);
        EXPECT_EQ(g.height, 256);
        EXPECT_NE(warning.find("The picture is incomplete"), std::string::npos) << part << ": " << warning;
        EXPECT_EQ(g.At(10, 2), full.At(10, 2));  // the part that is there is the picture's
    }
    EXPECT_NO_THROW(DecodeJpegGrey(whole.substr(0, whole.size() / 2)));  // no warning asked for
}

TEST(JpegDecodeLimits, NoMemoryForThePictureIsAnError) {
    // 10000 x 10000 is allowed, but not in 64 MB more than the process has now.
    const std::string big = WithDeclaredSize(MakeGreyJpeg(16, 16), 10000, 10000);
    EXPECT_EXIT(
        {
            unsigned long pages = 0;
            if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
                if (std::fscanf(statm, "%lu", &pages) != 1) pages = 0;
                std::fclose(statm);
            }
            rlimit limit{};
            ::getrlimit(RLIMIT_AS, &limit);
            limit.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64 << 20);
            ::setrlimit(RLIMIT_AS, &limit);
            const std::string said = Refusal(big);
            std::fprintf(stderr, "%s\n", said.c_str());
            std::exit(said == "Not enough memory for a picture of 10000 x 10000" ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "Not enough memory");
}

}  // namespace
}  // namespace quorl::testing
