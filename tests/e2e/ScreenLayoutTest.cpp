// Nothing covers words: on the screens around the stage, with the game's own pictures, every word
// drawn (lettering, the label sheet's words, the number digits) is clear of every element drawn
// after it, and of the pictures that stand in front whatever their order (the result's letters,
// the logo, the title's bubble). Checked with the default keys and with rebound ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BestResults.h"
#include "app/FontSheet.h"
#include "app/GameFrame.h"
#include "app/KeyTimeline.h"
#include "app/LabelSheet.h"
#include "app/StageDescription.h"
#include "scenes/SceneFactory.h"
#include "support/DrawnPictures.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace {

// A draw of the last frame with the name of its picture, taken while the picture was loaded.
struct Drawn {
    std::string file;
    DrawCall call;
};

struct Box {
    float left, top, right, bottom;
    bool Meets(const Box& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// Where a draw lands on the screen (its source rectangle through its transform).
Box DrawnBox(const DrawCall& draw)
{
    const platform::Vec2 at = DrawnTopLeft(draw);
    const float width = static_cast<float>(draw.source.right - draw.source.left) * draw.transform.m[0][0];
    const float height = static_cast<float>(draw.source.bottom - draw.source.top) * draw.transform.m[1][1];
    return {at.x, at.y, at.x + width, at.y + height};
}

bool Same(const platform::Rect& a, const platform::Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The ink of a word draw, or nothing for a draw that is not a word. A character's ink is the
// middle of its cell (its advance wide, from its cap height to its baseline); a label is its
// rectangle less the sheet's padding; a digit, the middle of its cell.
std::optional<Box> WordInk(const Drawn& drawn)
{
    const std::string& file = drawn.file;
    const DrawCall& draw = drawn.call;
    const Box box = DrawnBox(draw);
    const float w = box.right - box.left;
    const float h = box.bottom - box.top;
    if (file == "Font.png") return Box{box.left + w * 0.25f, box.top + h * 0.25f, box.right - w * 0.25f, box.top + h * 0.8f};
    if (file == "suji2.png") return Box{box.left + w * 0.2f, box.top + h * 0.15f, box.right - w * 0.2f, box.bottom - h * 0.15f};
    if (file == "Labels.png" && !Same(draw.source, labels::kWhite)) {
        // The best results' labels and "NEW!" are written from the left of their rectangles.
        const bool leftWords = Same(draw.source, labels::kBestScore) || Same(draw.source, labels::kBestPercent) ||
                               Same(draw.source, labels::kBestTime) || Same(draw.source, labels::kNew);
        return Box{box.left + w * 0.02f, box.top + h * 0.2f, box.left + w * (leftWords ? 0.55f : 0.98f),
                   box.bottom - h * 0.2f};
    }
    return std::nullopt;
}

// Pictures that must never meet a word, whichever is drawn first; their boxes are taken a little
// inside their cells, whose rims are empty.
bool StandsInFront(const std::string& file)
{
    return file == "WhiteNewGameClear3.png" || file == "ZEM.png" || file == "Bubble.png";
}

// Words of one line (a label and its number, the characters of a line) meet each other: a word is
// checked against other things only.
bool SameLine(const Drawn& a, const Drawn& b)
{
    const std::optional<Box> first = WordInk(a);
    const std::optional<Box> second = WordInk(b);
    if (!first || !second) return false;
    const float middle = (first->top + first->bottom) / 2.0f - (second->top + second->bottom) / 2.0f;
    const float height = std::max(first->bottom - first->top, second->bottom - second->top);
    return std::abs(middle) < 0.35f * height;
}

// A draw over the whole screen (the pause's dimming, the options' shade) hides what was drawn
// before it: only what comes after the last one shows.
size_t FirstShown(const std::vector<Drawn>& draws)
{
    size_t first = 0;
    for (size_t i = 0; i < draws.size(); ++i) {
        const Box box = DrawnBox(draws[i].call);
        if (box.left <= 0.0f && box.top <= 0.0f && box.right >= 1280.0f && box.bottom >= 720.0f &&
            draws[i].file == "Labels.png") {
            first = i + 1;
        }
    }
    return first;
}

// Every meeting of a word and something drawn later, or of a word and a picture in front.
std::vector<std::string> CoveredWords(const std::vector<Drawn>& draws)
{
    std::vector<std::string> found;
    const size_t shown = FirstShown(draws);
    for (size_t i = shown; i < draws.size(); ++i) {
        const std::optional<Box> word = WordInk(draws[i]);
        if (!word) continue;
        for (size_t j = shown; j < draws.size(); ++j) {
            if (j == i || SameLine(draws[i], draws[j])) continue;
            const std::string& file = draws[j].file;
            const bool front = StandsInFront(file);
            if (j < i && !front) continue;
            Box other = WordInk(draws[j]).value_or(DrawnBox(draws[j].call));
            if (front) { // the picture's rim is empty
                const float inset = (other.right - other.left) * 0.1f;
                other = {other.left + inset, other.top + inset, other.right - inset, other.bottom - inset};
            }
            if (word->Meets(other)) {
                found.push_back(draws[i].file + " at (" + std::to_string(static_cast<int>(word->left)) + ", " +
                                std::to_string(static_cast<int>(word->top)) + ") under " + file + " at (" +
                                std::to_string(static_cast<int>(other.left)) + ", " +
                                std::to_string(static_cast<int>(other.top)) + ")");
            }
        }
    }
    return found;
}

// The game from its title with a timeline, the best results of a file and maybe rebound keys:
// the draws of every fourth frame from `first` to `last`, and of `last`.
std::vector<std::vector<Drawn>> DrawsOf(const std::string& keys, long first, long last, const std::string& bestsText,
                                        bool rebound)
{
    ScopedWorkingDir inData(ZEM_RUN_DIR);
    TempDir dir;
    CBestResultsFile bests(dir.Write("best-results.txt", bestsText));
    bests.Load();
    FakePlatform fake;
    fake.audio.SetKeepOperations(false);
    auto frame = std::make_unique<CGameFrameConstruct>(fake.Services());
    frame->Init();
    frame->SetStages(GameStages());
    frame->SetBestResults(&bests);
    if (rebound) {
        Settings settings;
        settings.bindings.Keys(Action::Jump) = {"W"};
        settings.bindings.Keys(Action::Start) = {"Space"};
        settings.bindings.Keys(Action::Bubble) = {"Left Shift"};
        settings.bindings.Keys(Action::Again) = {"R"};
        settings.bindings.Keys(Action::Pause) = {"Tab"};
        frame->StartSettings(settings, nullptr);
    }
    frame->Start(CreateScene);
    std::istringstream in(keys);
    KeyTimeline timeline;
    std::string error;
    EXPECT_TRUE(timeline.Parse(in, "keys", error)) << error;
    std::vector<std::vector<Drawn>> frames;
    for (long f = 1; f <= last; ++f) {
        FrameInput input;
        for (int vk : timeline.KeysAt(f)) input.Hold(vk);
        const bool kept = f == last || (f >= first && (f - first) % 4 == 0);
        fake.sprite.SetKeepDraws(kept);
        frame->RunFrame(input);
        if (!kept) continue;
        std::vector<Drawn>& drawn = frames.emplace_back();
        for (const DrawCall& draw : fake.sprite.Draws()) drawn.push_back({DrawnFile(draw), draw});
    }
    return frames;
}

std::string Data(const std::string& name)
{
    std::ifstream in(std::string(ZEM_SOURCE_DIR) + "/tests/e2e/data/" + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A screen at `frame`, and from `moving` on each of its frames before (what moves on it never
// covers its words either); 0: the one frame.
struct Screen {
    const char* name;
    std::string keys;
    long frame;
    std::string bests;
    long moving = 0;
};

class ScreenLayout : public testing::TestWithParam<bool> {};

TEST_P(ScreenLayout, NoWordIsCovered)
{
    const std::string twoCleared = Data("opens-stage-3.best");
    const Screen screens[] = {
        {"title, stage 2 chosen", "1\n3 Right\n4\n", 160, twoCleared, 4},
        {"title, stage 3 chosen", "1\n3 Right\n4\n5 Right\n6\n", 60, twoCleared},
        {"options", "1\n5 O\n6\n", 40, ""},
        {"pause", "1\n2 Enter\n3\n4 Right\n60 Right Up\n62 Right\n70 P\n72\n", 100, ""},
        {"result of stage 1, new bests", Data("stage-1.keys"), 3100, "", 2856},
        {"result of stage 3, the campaign complete", Data("stage-3.keys"), 6300, twoCleared, 6026},
        {"game over", Data("fall-into-first-pit.keys"), 600, ""},
        {"the campaign's end", Data("stage-3.keys") + "6310 Enter\n6312\n", 6330, twoCleared},
    };
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.name);
        const auto frames = DrawsOf(screen.keys, screen.moving == 0 ? screen.frame : screen.moving, screen.frame,
                                    screen.bests, GetParam());
        for (size_t f = 0; f < frames.size(); ++f) {
            ASSERT_FALSE(frames[f].empty());
            EXPECT_EQ(CoveredWords(frames[f]), std::vector<std::string>{}) << "frame " << f << " of those checked";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, ScreenLayout, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& keys) { return keys.param ? "Rebound" : "Defaults"; });

} // namespace
