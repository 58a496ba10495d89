// The game's words: the player's language, translations as files, and what a bad one does.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/Texts.h"
#include "support/TempDir.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(TextsTest, TheLanguageOfTheLocale)
{
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* language;
    };
    const Case cases[] = {
        {nullptr, nullptr, "ja_JP.UTF-8", "ja"},
        {nullptr, nullptr, "de_DE@euro", "de"},
        {"", "fr_FR.UTF-8", "ja_JP.UTF-8", "fr"}, // an empty variable counts as unset
        {"ja_JP", "fr_FR", "de_DE", "ja"},
        {"C", nullptr, "ja_JP.UTF-8", "en"}, // LC_ALL=C means the program's own language
        {nullptr, nullptr, "POSIX", "en"},
        {nullptr, nullptr, "C.UTF-8", "en"},
        {nullptr, nullptr, nullptr, "en"},
        {nullptr, nullptr, "../../etc/passwd", "en"}, // never a path
        {nullptr, nullptr, "pt-BR", "pt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang ? c.lang : "none");
        EXPECT_EQ(LanguageOfLocale(c.lcAll, c.lcMessages, c.lang), c.language);
    }
    EXPECT_EQ(TextFileOf("ja"), "Resource/Text/ja.txt");
}

// The English model for translators holds every text exactly as the game has it built in; the
// Japanese one gives the start-up question in the system's own words.
TEST(TextsTest, TheShippedTranslations)
{
    const std::string dir = "../data/text/"; // the unit tests run in tests/
    CTexts english;
    std::string problems;
    EXPECT_TRUE(english.Parse(ReadText(dir + "en.txt"), problems)) << problems;
    const CTexts builtIn;
    for (int i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        EXPECT_EQ(english.Get(id), builtIn.Get(id)) << CTexts::NameOf(id);
        EXPECT_NE(ReadText(dir + "en.txt").find(std::string(CTexts::NameOf(id)) + " = "), std::string::npos)
            << CTexts::NameOf(id) << " is missing from en.txt";
    }
    // The game's own words stay, first, in every language; English gives their sense under them.
    EXPECT_EQ(builtIn.Get(TextId::QuestionCaption), "確認");
    EXPECT_EQ(builtIn.Get(TextId::QuestionText), "フルスクリーンにしますか？\nPlay in full screen?");

    CTexts japanese;
    EXPECT_TRUE(japanese.Parse(ReadText(dir + "ja.txt"), problems)) << problems;
    EXPECT_EQ(japanese.Get(TextId::QuestionCaption), "確認");
    EXPECT_EQ(japanese.Get(TextId::QuestionText), "フルスクリーンにしますか？");
    EXPECT_EQ(japanese.Get(TextId::QuestionNoAlways), "いいえ（次回から聞かない）");
    EXPECT_EQ(japanese.Get(TextId::OptionsTitle), "OPTIONS") << "what it leaves out stays English";
}

TEST(TextsTest, ABadTranslationKeepsItsGoodLines)
{
    TempDir dir;
    const auto file = dir.Write("xx.txt", "options.title = OPTIONEN\n"
                                          "no equals sign\n"
                                          "options.nope = Hallo\n"
                                          "options.music =\n"
                                          "options.effects = EFFEKTE\n");
    CTexts texts;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(texts.Load(file.string()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    for (const char* part : {"line 2", "line 3", "line 4", "xx.txt"})
        EXPECT_NE(said.find(part), std::string::npos) << said;
    EXPECT_EQ(texts.Get(TextId::OptionsTitle), "OPTIONEN");
    EXPECT_EQ(texts.Get(TextId::OptionsEffects), "EFFEKTE");
    EXPECT_EQ(texts.Get(TextId::OptionsMusic), "MUSIC");

    // An unknown name is quoted cut short and without its control characters: a translation
    // cannot send escape sequences to the terminal.
    std::string problems;
    EXPECT_FALSE(CTexts().Parse("\x1b[2J" + std::string(100, 'x') + " = X\n", problems));
    EXPECT_EQ(problems, "line 1: unknown text '\\e[2J" + std::string(36, 'x') + "...'");

    // No file: English, silently; a folder in its place: one line.
    testing::internal::CaptureStderr();
    EXPECT_TRUE(CTexts().Load((dir.Path() / "none.txt").string()));
    EXPECT_FALSE(CTexts().Load(dir.Path().string()));
    const std::string folder = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(folder.begin(), folder.end(), '\n'), 1) << folder;
}

// Each refused text says its own reason.
TEST(TextsTest, ARefusedTextSaysWhy)
{
    const struct {
        std::string line;
        std::string problem;
    } cases[] = {
        {"options.music =", "line 1: 'options.music' needs a text on its line"},
        {"options.music = " + std::string(401, 'M'),
         "line 1: 'options.music' needs a text of at most 400 bytes, not 401"},
        {"options.music = MU\\nSIC", ""}, // a line break written as the file writes it
        {"options.music = MU\aSIC",
         "line 1: 'options.music' has a control character in its text (a line break is written \\n)"},
    };
    for (const auto& c : cases) {
        std::string problems;
        CTexts texts;
        EXPECT_EQ(texts.Parse(c.line + "\n", problems), c.problem.empty()) << c.line;
        EXPECT_EQ(problems, c.problem);
    }
}

TEST(TextsTest, FillIn)
{
    EXPECT_EQ(FillIn("{} IS ALREADY USED FOR {}", {"SPACE", "BUBBLE"}), "SPACE IS ALREADY USED FOR BUBBLE");
    EXPECT_EQ(FillIn("{}: {} {}", {"A"}), "A: {} {}");
    EXPECT_EQ(FillIn("NO PLACE", {"A"}), "NO PLACE");
}

} // namespace
