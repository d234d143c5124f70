#include "config/text_encoding.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(TextEncodingTest, Utf16RoundTripKeepsChineseAndSupplementaryCharacters) {
    const std::string text = "Left 左键 後退方向鍵 \xF0\x9F\x98\x80";
    const auto utf16 = utf16LeFromUtf8(text);
    EXPECT_EQ(utf16.size(), 2 * utf16Length(text));
    EXPECT_EQ(utf8FromUtf16Le(utf16), text);
    // U+5DE6 is stored low byte first.
    const auto one = utf16LeFromUtf8("左");
    EXPECT_EQ(one, (std::vector<std::uint8_t>{0xE6, 0x5D}));
}

TEST(TextEncodingTest, Utf16DecoderStaysInsideDamagedInput) {
    // Odd byte count: the lone last byte is dropped.
    EXPECT_EQ(utf8FromUtf16Le(std::vector<std::uint8_t>{'A', 0, 'B'}), "A");
    // A high surrogate cut off at the end, and a low surrogate on its own.
    EXPECT_EQ(utf8FromUtf16Le(std::vector<std::uint8_t>{'A', 0, 0x3D, 0xD8}), "A\xEF\xBF\xBD");
    EXPECT_EQ(utf8FromUtf16Le(std::vector<std::uint8_t>{0x00, 0xDC, 'x', 0}), "\xEF\xBF\xBDx");
    EXPECT_EQ(utf8FromUtf16Le(std::vector<std::uint8_t>{0x3D, 0xD8, 'x', 0}), "\xEF\xBF\xBDx");
    EXPECT_EQ(utf8FromUtf16Le(std::vector<std::uint8_t>{}), "");
}

TEST(TextEncodingTest, MalformedUtf8IsReplacedNotCopied) {
    EXPECT_TRUE(isValidUtf8(bytesOf("plain 中文")));
    EXPECT_FALSE(isValidUtf8(bytesOf("\xC0\x80")));          // overlong NUL
    EXPECT_FALSE(isValidUtf8(bytesOf("\xED\xA0\x80")));      // encoded surrogate
    EXPECT_FALSE(isValidUtf8(bytesOf("\xF4\x90\x80\x80")));  // past U+10FFFF
    EXPECT_FALSE(isValidUtf8(bytesOf("ab\xE4\xB8")));        // cut at the end
    EXPECT_EQ(sanitizeUtf8(bytesOf("a\xFFz")), "a\xEF\xBF\xBDz");
    const std::string cut = sanitizeUtf8(bytesOf("ab\xE4\xB8"));
    EXPECT_TRUE(isValidUtf8(bytesOf(cut)));
    EXPECT_EQ(cut.substr(0, 2), "ab");
    // Each broken sequence converts to something, never to a read past the end.
    EXPECT_EQ(utf8FromUtf16Le(utf16LeFromUtf8("\xE4\xB8")), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextEncodingTest, Windows1252MapsBothWays) {
    const std::vector<std::uint8_t> legacy = {'C', 0xE9, 0x80, 0x81, 0x9F, 0xFF};
    const std::string text = utf8FromWindows1252(legacy);
    EXPECT_EQ(text, "C\xC3\xA9\xE2\x82\xAC\xC2\x81\xC5\xB8\xC3\xBF");  // C é € U+0081 Ÿ ÿ
    EXPECT_EQ(windows1252FromUtf8(text), legacy);
    // What the code page cannot hold becomes '?', one per character.
    EXPECT_EQ(windows1252FromUtf8("a左b"), (std::vector<std::uint8_t>{'a', '?', 'b'}));
}

TEST(TextEncodingTest, Utf16PrefixCountsCodeUnitsAndNeverSplitsACharacter) {
    EXPECT_EQ(utf16Prefix("abc", 2), "ab");
    EXPECT_EQ(utf16Prefix("左键", 1), "左");
    EXPECT_EQ(utf16Prefix("a\xF0\x9F\x98\x80", 2), "a");  // the pair needs two units
    EXPECT_EQ(utf16Prefix("a\xF0\x9F\x98\x80", 3), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(utf16Length("a\xF0\x9F\x98\x80"), 3u);
}

}  // namespace
}  // namespace quorvel
