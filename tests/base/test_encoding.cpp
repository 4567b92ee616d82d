#include <gtest/gtest.h>

#include "base/Encoding.h"

using namespace quorl;

namespace {

// The UTF-16 bytes of a UTF-8 text, little or big end first, after the byte-order mark.
std::string Utf16(const std::u16string& units, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : units) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

}  // namespace

TEST(Encoding, SingleByteCodePageRoundTripsAndSaysWhatItCannotHold) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\xB0"), "°");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Utf8ToCp1252("Hôtel ° € Ÿ"), "H\xF4tel \xB0 \x80 \x9F");
    EXPECT_EQ(Utf8ToCp1252("北"), "?");
    EXPECT_TRUE(FitsCp1252("Hôtel, Ñandú, 41°11’N"));
    EXPECT_FALSE(FitsCp1252("Łódź"));
    EXPECT_FALSE(FitsCp1252("Ελλάδα"));
    EXPECT_FALSE(FitsCp1252("caf\xE9"));  // no UTF-8 at all
}

TEST(Encoding, FileBytesBecomeUtf8Text) {
    EXPECT_EQ(DecodeFileBytes("caf\xC3\xA9 北京"), "café 北京");  // UTF-8 as it is
    EXPECT_EQ(DecodeFileBytes("\xEF\xBB\xBF" "café"), "café");     // its byte-order mark dropped
    EXPECT_EQ(DecodeFileBytes("caf\xE9 41\xB0"), "café 41°");        // a legacy single-byte file
    EXPECT_EQ(DecodeFileBytes(""), "");
}

// A file that is UTF-8 apart from a few bytes keeps its UTF-8: only those bytes are read as
// Windows-1252 characters, so that no save turns "México" into "MÃ©xico".
TEST(Encoding, StrayBytesInUtf8AreTheirOwnCharacters) {
    const struct {
        std::string bytes, text;
        bool utf8;
    } cases[] = {
        {"M\xC3\xA9xico\tJalisco\xA0", "México\tJalisco\u00A0", true},
        {"\xC3\xA9\xE9", "éé", true},
        {"caf\xC3\xA9\r\n\x93" "Andr\xC3\xA9 M\xC3\xBCller\x94", "café\r\n“André Müller”", true},
        {"\xE5\x8C\xE5\x8C\x97", "å\u0152北", true},  // a sequence cut short, then a whole one
        {"plain ASCII", "plain ASCII", true},
        {"caf\xE9 41\xB0", "café 41°", false},           // no UTF-8 sequence at all: an older file
        {"\xC3\xC3 \xE9", "ÃÃ é", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUtf8Text(c.bytes), c.utf8) << c.bytes;
        EXPECT_EQ(DecodeFileBytes(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(DecodeFileBytes("\xEF\xBB\xBF" + c.bytes), c.text) << c.bytes;
    }
}

TEST(Encoding, Utf16FilesWithByteOrderMarkAreRead) {
    const std::u16string text = u"Łódź\r\n北京 𝄞";  // 𝄞 is a surrogate pair
    EXPECT_EQ(DecodeFileBytes(Utf16(text, false)), "Łódź\r\n北京 𝄞");
    EXPECT_EQ(DecodeFileBytes(Utf16(text, true)), "Łódź\r\n北京 𝄞");
    // A lone surrogate and an odd last byte cannot be read: each becomes one replacement character.
    EXPECT_EQ(DecodeFileBytes(Utf16(u"a\xD800" "b", false)), "a\uFFFDb");
    EXPECT_EQ(DecodeFileBytes(Utf16(u"ab", false) + "c"), "ab\uFFFD");
    // and written back unit for unit
    for (bool big : {false, true}) EXPECT_EQ(Utf8ToUtf16("Łódź\r\n北京 𝄞", big), Utf16(text, big).substr(2));
    EXPECT_TRUE(IsUtf16(Utf16(u"a", true)));
    EXPECT_FALSE(IsUtf16("\xFF"));
}

TEST(Encoding, CodePointWalkAlwaysMovesOn) {
    char32_t cp = 0;
    EXPECT_EQ(NextCodePoint("北", 0, cp), 3u);
    EXPECT_EQ(cp, U'北');
    EXPECT_EQ(NextCodePoint("\xE5\x8C", 0, cp), 1u);  // cut short
    EXPECT_EQ(cp, U'\uFFFD');
    EXPECT_EQ(Cp1252ByteOf(U'€'), 0x80);
    EXPECT_EQ(Cp1252ByteOf(U'Ł'), -1);
}
