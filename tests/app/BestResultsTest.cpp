#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/BestResults.h"
#include "app/GhostRace.h"
#include "scenes/GameClear.h"
#include "support/Process.h"
#include "support/StageFixture.h"
#include "support/TempDir.h"

namespace {

TEST(BestResultsTest, KeepsTheHighestScoreAndShareAndTheFewestFrames)
{
    BestResults best;
    const NewBests first = Improve(best, 40, 50, 3000);
    EXPECT_TRUE(first.score && first.percent && first.frames);
    const NewBests second = Improve(best, 39, 60, 3000); // a tie is not a new best
    EXPECT_FALSE(second.score);
    EXPECT_TRUE(second.percent);
    EXPECT_FALSE(second.frames);
    const NewBests third = Improve(best, 41, 10, 2999);
    EXPECT_TRUE(third.score && third.frames);
    EXPECT_FALSE(third.percent);
    EXPECT_EQ(best.score, 41);
    EXPECT_EQ(best.percent, 60);
    EXPECT_EQ(best.frames, 2999);

    BestResultsBook read;
    std::string problem;
    ASSERT_TRUE(ParseBestResults(FormatBestResults({{"1", best}, {"castle", {.score = 3}}}), read, problem)) << problem;
    EXPECT_EQ(read["1"].score, 41);
    EXPECT_EQ(read["1"].percent, 60);
    EXPECT_EQ(read["1"].frames, 2999);
    EXPECT_EQ(read["castle"].score, 3);
    EXPECT_FALSE(read["castle"].frames);
}

// The one-stage game's file is stage 1's results; each other stage has a section of its own.
TEST(BestResultsTest, StagesHaveSectionsAndAnOldFileIsTheFirstStage)
{
    BestResultsBook book;
    std::string problem;
    ASSERT_TRUE(ParseBestResults("# zem's best results\nscore 86\npercent 46\nframes 4723\n", book, problem));
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(book["1"].frames, 4723);
    ASSERT_TRUE(ParseBestResults("score 1\n[2]\nscore 20\nframes 900\n[my-stage]\npercent 7\n", book, problem));
    EXPECT_EQ(book["1"].score, 1);
    EXPECT_EQ(book["2"].score, 20);
    EXPECT_EQ(book["2"].frames, 900);
    EXPECT_EQ(book["my-stage"].percent, 7);
    EXPECT_EQ(FormatBestResults(book), "# zem's best results\nscore 1\n[2]\nscore 20\nframes 900\n[my-stage]\npercent 7\n");
    // A byte-order mark an editor put in front is no part of the first line.
    ASSERT_TRUE(ParseBestResults("\xEF\xBB\xBFscore 86\n[2] # a comment\nscore 3\n", book, problem)) << problem;
    EXPECT_EQ(book["1"].score, 86);
    EXPECT_EQ(book["2"].score, 3);
}

// A player's stage is named by its folder, which may hold any byte but '/' and NUL. Each name
// reads back as itself, none can write lines of another stage, and each gives a ghost file of
// its own whose name holds no byte a file name should not be built from.
TEST(BestResultsTest, AnyFolderNameIsKeptUnderItsOwnNameAndNoOther)
{
    const struct {
        std::string id;
        const char* section; // as written; the ids of before are written as they always were
        const char* ghost;
    } cases[] = {
        {"2", "[2]", "ghost-2.bin"},
        {"castle", "[castle]", "ghost-castle.bin"},
        {"./2", "[./2]", "ghost-[.%2f2].bin"}, // a player's folder named "2"
        {"?", "[?]", "ghost-?.bin"},
        {"my stage", "[\"my stage\"]", "ghost-[my%20stage].bin"},
        {"no#1", "[\"no#1\"]", "ghost-[no%231].bin"},
        {"\"quoted\"", "[\"\\x22quoted\\x22\"]", "ghost-[%22quoted%22].bin"},
        {"zz]\n[3]\nframes 1\nscore 999999\n[zz2", "[\"zz]\\x0a[3]\\x0aframes 1\\x0ascore 999999\\x0a[zz2\"]",
         "ghost-[zz%5d%0a%5b3%5d%0aframes%201%0ascore%20999999%0a%5bzz2].bin"},
        {"back\\slash \x1b[2J", "[\"back\\x5cslash \\x1b[2J\"]", "ghost-[back%5cslash%20%1b%5b2J].bin"},
        {"\xE3\x82\xB9\xFF", "[\"\\xe3\\x82\\xb9\\xff\"]", "ghost-[%e3%82%b9%ff].bin"},
        {std::string(65, 'x'), nullptr, nullptr},
        {std::string(255, 'x'), nullptr, nullptr},
        {std::string(255, '\xff'), nullptr, nullptr},
        {std::string(254, '\xff') + "a", nullptr, nullptr},
    };
    const CBestResultsFile bests(std::filesystem::path("/somewhere/best-results.txt"));
    std::set<std::string> ghosts;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const BestResultsBook written = {{"1", {.score = 5}}, {c.id, {.score = 7, .frames = 100}}};
        const std::string text = FormatBestResults(written);
        if (c.section != nullptr) {
            EXPECT_NE(text.find(std::string("\n") + c.section + "\nscore 7\n"), std::string::npos) << text;
        }
        BestResultsBook read;
        std::string problem;
        EXPECT_TRUE(ParseBestResults(text, read, problem)) << problem << "\n" << text;
        ASSERT_EQ(read.size(), 2u) << text;
        EXPECT_EQ(read[c.id].score, 7);
        EXPECT_EQ(read[c.id].frames, 100);
        EXPECT_EQ(read["1"].score, 5);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5) << "one line a section and a value";

        const std::filesystem::path ghost = CGhostRace::FileFor(bests, c.id);
        EXPECT_EQ(ghost.parent_path(), "/somewhere");
        const std::string name = ghost.filename().string();
        if (c.ghost != nullptr) {
            EXPECT_EQ(name, c.ghost);
        }
        EXPECT_LE(name.size(), 160u);
        EXPECT_TRUE(std::ranges::none_of(name, [](char ch) {
            const auto u = static_cast<unsigned char>(ch);
            return ch == '/' || u < 0x20 || u >= 0x7F;
        })) << name;
        EXPECT_TRUE(ghosts.insert(name).second) << name << " is another stage's";
    }
    // Damaged headers of both kinds are named, and their lines belong to no stage.
    for (const char* header : {"[a b]", "[\"\"]", "[\"open", "[\"bad \\q\"]", "[\"x\"] extra", "[x] y"}) {
        BestResultsBook read;
        std::string problem;
        EXPECT_FALSE(ParseBestResults(std::string("score 1\n") + header + "\nscore 9\n", read, problem)) << header;
        EXPECT_EQ(problem.rfind("line 2: a stage is named as", 0), 0u) << problem;
        EXPECT_EQ(read.size(), 1u) << header;
    }
}

TEST(BestResultsTest, DamagedTextIsNamedByLine)
{
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        {"score 5\nlives 3\n", "line 2: unknown entry 'lives'"},
        {"score\n", "line 1: 'score' needs one whole number"},
        {"# ok\nframes 12 13\n", "line 2: 'frames' needs one whole number"},
        {"percent -4\n", "line 1: 'percent' needs one whole number"},
        {"score 12abc\n", "line 1: 'score' needs one whole number"},
        {"\x89PNG\r\n", "line 1: unknown entry"},
    };
    for (const auto& c : cases) {
        BestResultsBook book;
        std::string problem;
        EXPECT_FALSE(ParseBestResults(c.text, book, problem)) << c.text;
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
    }
    // The good lines around a damaged one are kept, so the next best cannot overwrite them
    // with worse ones; lines under a damaged stage name belong to no stage.
    BestResultsBook book;
    std::string problem;
    EXPECT_FALSE(ParseBestResults("score 50\nlives 3\nframes 4000\n[a b]\nscore 9\n[2]\nscore 8\n", book, problem));
    EXPECT_EQ(problem, "line 2: unknown entry 'lives'");
    EXPECT_EQ(book["1"].score, 50);
    EXPECT_EQ(book["1"].frames, 4000);
    EXPECT_EQ(book["2"].score, 8);
    EXPECT_EQ(book.size(), 2u);
}

// A write that fails part way (here at a limit on file sizes, as on a full disk) leaves the
// previous best on disk and nothing beside it; the game plays on with the new best.
TEST(BestResultsTest, AFailedWriteKeepsThePreviousBestOnDisk)
{
    TempDir dir;
    const std::string before = "score 30\npercent 40\nframes 5000\n";
    const auto file = dir.Write("zem/best-results.txt", before);
    // The limit binds a child process alone.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8, 8};
        setrlimit(RLIMIT_FSIZE, &limit);
        CBestResultsFile bests(file);
        bests.Load();
        const NewBests news = bests.Record("1", 99, 10, 6000);
        _exit(news.score && bests.Results("1").score == 99 && bests.Results("1").frames == 5000 ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the game plays on with the new best";
    EXPECT_EQ(ReadFile(file.string()), before);
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        EXPECT_TRUE(entry.path() == file || entry.path().string() == file.string() + ".lock") << entry.path();
    }

    CBestResultsFile bests(file);
    bests.Load();
    bests.Record("1", 100, 10, 6000);
    CBestResultsFile again(file);
    again.Load();
    EXPECT_EQ(again.Results("1").score, 100);
    EXPECT_EQ(again.Results("1").percent, 40);
    EXPECT_EQ(again.Results("1").frames, 5000);
}

// Two games on one file, each started before the other kept anything: each keeps what the
// other wrote, and of a stage both played, the better of each result.
TEST(BestResultsTest, TwoGamesKeepEachOthersResults)
{
    TempDir dir;
    const auto file = dir.Path() / "best-results.txt";
    CBestResultsFile first(file);
    CBestResultsFile second(file);
    first.Load();
    second.Load();
    first.Record("1", 55, 76, 2853);
    first.Record("2", 10, 5, 900);
    second.Record("castle", 0, 100, 141);
    const NewBests news = second.Record("2", 20, 4, 1000);
    EXPECT_TRUE(news.score);
    EXPECT_FALSE(news.percent) << "the first game's share is better";
    EXPECT_FALSE(news.frames) << "the first game's time is better";
    EXPECT_EQ(second.Results("1").frames, 2853) << "the second game knows the first one's results now";

    CBestResultsFile read(file);
    read.Load();
    EXPECT_EQ(read.Results("1").frames, 2853);
    EXPECT_EQ(read.Results("castle").frames, 141);
    EXPECT_EQ(read.Results("2").score, 20);
    EXPECT_EQ(read.Results("2").percent, 5);
    EXPECT_EQ(read.Results("2").frames, 900);
}

// A file the game cannot read whole (longer than 64 KiB) is moved aside, not written over: the
// lines before the bound are kept, the file itself waits beside the new one, byte for byte.
TEST(BestResultsTest, AFileTooLongIsMovedAsideNotWrittenOver)
{
    const std::string head = "# kept\n[2]\nscore 20\nframes 900\n";
    for (const size_t size : {CBestResultsFile::kMaxBytes - 1, CBestResultsFile::kMaxBytes,
                              CBestResultsFile::kMaxBytes + 1, size_t{200000}}) {
        SCOPED_TRACE(size);
        TempDir dir;
        std::string text = head;
        while (text.size() + 50 <= size) text += "# " + std::string(47, 'p') + "\n";
        text += std::string(size - text.size() - 1, '#') + "\n";
        ASSERT_EQ(text.size(), size);
        const auto file = dir.Write("best-results.txt", text);
        const bool whole = size <= CBestResultsFile::kMaxBytes;

        CBestResultsFile bests(file);
        testing::internal::CaptureStderr();
        bests.Load();
        std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.empty(), whole) << said;
        EXPECT_EQ(bests.Results("2").frames, 900);

        testing::internal::CaptureStderr();
        bests.Record("1", 3, 4, 500);
        said = testing::internal::GetCapturedStderr();
        const std::string aside = file.string() + ".damaged";
        EXPECT_EQ(std::filesystem::exists(aside), !whole);
        if (!whole) {
            EXPECT_EQ(ReadFile(aside), text);
            EXPECT_EQ(said, "zem: " + file.string() + ": longer than 65536 bytes, so not read whole; moved aside to " +
                                aside + "\n");
        } else {
            EXPECT_EQ(said, "");
        }
        CBestResultsFile read(file);
        read.Load();
        EXPECT_EQ(read.Results("2").frames, 900);
        EXPECT_EQ(read.Results("1").frames, 500);
    }
    // A second damaged file does not replace the first one set aside.
    TempDir dir;
    const auto file = dir.Write("best-results.txt", std::string(CBestResultsFile::kMaxBytes + 1, '#'));
    dir.Write("best-results.txt.damaged", "an earlier one");
    CBestResultsFile bests(file);
    testing::internal::CaptureStderr();
    bests.Record("1", 3, 4, 500);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFile(file.string() + ".damaged"), "an earlier one");
    EXPECT_EQ(ReadFile(file.string() + ".damaged-2").size(), CBestResultsFile::kMaxBytes + 1);
}

TEST(BestResultsTest, ADamagedFileKeepsItsGoodLinesAndIsReplacedByTheNextBest)
{
    TempDir dir;
    const auto file = dir.Write("best-results.txt", "score lots\n");
    CBestResultsFile bests(file);
    testing::internal::CaptureStderr();
    bests.Load();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(file.string() + ": line 1: 'score' needs one whole number"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_FALSE(bests.Results("1").score);
    bests.Record("1", 3, 4, 500);
    EXPECT_EQ(ReadFile(file.string()), FormatBestResults(bests.Book()));
}

// The result screen takes a run that reached the goal without testing aids.
TEST(BestResultsTest, TheResultScreenKeepsOnlyRunsThatReachedTheGoalUnaided)
{
    StageFixture stage{std::vector<std::string>{}};
    TempDir dir;
    const auto file = dir.Path() / "best-results.txt";
    CBestResultsFile bests(file);
    stage.frame->SetBestResults(&bests);
    stage.frame->mScore = 45;
    stage.frame->mScoreTotal = 90;
    const struct {
        RunProgress run;
        bool kept;
    } cases[] = {
        {{4000, true, true}, false},  // aided
        {{4000, false, false}, false}, // left with C, or no goal
        {{4000, false, true}, true},
    };
    for (const auto& c : cases) {
        stage.frame->mRun = c.run;
        CGameClear scene(stage.frame.get());
        scene.Init();
        EXPECT_EQ(scene.News().Any(), c.kept);
        scene.Release();
    }
    EXPECT_EQ(bests.Results("1").score, 45);
    EXPECT_EQ(bests.Results("1").percent, 50);
    EXPECT_EQ(bests.Results("1").frames, 4000);
    EXPECT_EQ(ReadFile(file.string()), FormatBestResults(bests.Book()));
}

} // namespace
