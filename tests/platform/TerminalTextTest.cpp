// How a message shows words from outside the game: nothing a terminal acts on gets through, every
// escape can be told back to its bytes, and the cut never splits a character.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/Quote.h"
#include "platform/TerminalText.h"

namespace {

TEST(TerminalTextTest, ControlsAndBrokenUtf8AreEscapedVisibly)
{
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"Map005.csv", "Map005.csv"},
        {"ステージ", "ステージ"},               // printable UTF-8 stays
        {"a\\e", "a\\\\e"},                     // a backslash is escaped itself
        {"x\x1b]0;PWNED\a", "x\\e]0;PWNED\\a"}, // a title-setting sequence
        {"\t\n\r\v\f\b", "\\t\\n\\r\\v\\f\\b"},
        {std::string("\x00\x01\x1f\x7f", 4), "\\x00\\x01\\x1f\\x7f"}, // other C0 and DEL
        {"\xc2\x9b"
         "31m",
         "\\u009b31m"}, // C1 CSI as UTF-8
        {"\xc2\x9d"
         "0;x\xc2\x9c",
         "\\u009d0;x\\u009c"}, // C1 OSC and ST
        {"\x9b"
         "31m",
         "\\x9b31m"}, // a stray byte: no character
        {"\xff\xfe", "\\xff\\xfe"},
        {"\xc0\xaf", "\\xc0\\xaf"},                   // an overlong '/'
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},          // a UTF-16 surrogate
        {"\xe3\x81", "\\xe3\\x81"},                   // a character cut short
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"}, // past U+10FFFF
        {"abc\xe2\x80\xae"
         "cba",
         "abc\\u202ecba"},                         // right-to-left override
        {"line\xe2\x80\xa8two", "line\\u2028two"}, // line separator
    };
    for (const auto& c : cases) EXPECT_EQ(platform::TerminalText(c.text, 100), c.shown) << c.text;
}

TEST(TerminalTextTest, CutsAfterTheBoundWithoutSplittingACharacter)
{
    EXPECT_EQ(platform::TerminalText("abcdef", 6), "abcdef");
    EXPECT_EQ(platform::TerminalText("abcdefg", 6), "abcdef...");
    // "ス" is three bytes: the cut comes before it rather than through it.
    EXPECT_EQ(platform::TerminalText("abcdeス", 6), "abcde...");
    EXPECT_EQ(platform::TerminalText("abcdeス", 8), "abcdeス");
    // An escape counts its one byte: ten ESC bytes show as ten "\e" within a bound of ten.
    std::string tenEscapes;
    for (int i = 0; i < 10; ++i) tenEscapes += "\\e";
    EXPECT_EQ(platform::TerminalText(std::string(12, '\x1b'), 10), tenEscapes + "...");
    EXPECT_EQ(Quote("key\x1b[2J", 24), "'key\\e[2J'");
}

// Whatever the bytes, the result is valid UTF-8 without a control character of C0, DEL or C1.
TEST(TerminalTextTest, RandomBytesNeverReachTheTerminalRaw)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string text(static_cast<size_t>(byte(random) % 40), '\0');
        for (char& c : text) c = static_cast<char>(byte(random));
        const std::string shown = platform::TerminalText(text, 1000);
        for (size_t i = 0; i < shown.size(); ++i) {
            const auto c = static_cast<unsigned char>(shown[i]);
            ASSERT_TRUE(c >= 0x20 && c != 0x7F) << "byte " << int{c} << " of " << shown;
            // Shown text holds only whole characters, so a lead byte C2 can only start a character.
            ASSERT_FALSE(c == 0xC2 && i + 1 < shown.size() && static_cast<unsigned char>(shown[i + 1]) < 0xA0) << shown;
        }
        // Shown again, it changes only by its own backslashes: it is valid UTF-8.
        std::string doubled;
        for (char c : shown) doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
        ASSERT_EQ(platform::TerminalText(shown, 100000), doubled);
    }
}

// A long path keeps its start and its end, where the file's own name stands.
TEST(TerminalTextTest, ALongPathKeepsItsStartAndItsFileName)
{
    EXPECT_EQ(QuotePath("/home/p/stages/x\x1b]0;PWNED\a/Stage.ini"), "/home/p/stages/x\\e]0;PWNED\\a/Stage.ini");
    const std::string folder(5000, 'd');
    const std::string shown = QuotePath("/" + folder + "/ステージ/Stage.ini");
    EXPECT_LT(shown.size(), 600u);
    EXPECT_EQ(shown.rfind("/ddd", 0), 0u) << shown;
    EXPECT_NE(shown.find("..."), std::string::npos);
    EXPECT_EQ(shown.substr(shown.size() - 24), "d/ステージ/Stage.ini");
}

} // namespace
