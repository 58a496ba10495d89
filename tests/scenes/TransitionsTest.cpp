// Leaving the stage through the frame and its scene manager: the result screen, the game-over
// screen, continuing from the last safe place, starting afresh and going back to the title.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "scenes/Game.h"
#include "scenes/GameClear.h"
#include "scenes/SceneFactory.h"
#include "support/StageFixture.h"

namespace {

using namespace platform;

// One big star to collect (worth 10) over a strip of ground.
const std::vector<std::string> kStage = {
    "........$.......",
    "1111111111111111",
};
constexpr int kTop = 33; // ground on row 34, under the player's start
constexpr int kGameSounds = 14; // twelve effects, the goal jingle and the music

// A plain title: Enter starts the stage.
class StandInTitle final : public BaseScene {
public:
    using BaseScene::BaseScene;
    SceneId Update() override { return mpFrame->Input().Held(VK_RETURN) ? SCENE_GAME : SCENE_NONE; }
    void Draw(Sprite*, Device*) override {}
    const char* TraceName() const override { return "title"; }
};

// A frame running the game's scenes with the stand-in title, started at the title.
struct GameRun {
    StageFixture stage{kStage, kTop};
    CGameFrameConstruct& frame = *stage.frame;

    GameRun()
    {
        frame.Start([](SceneId id, CGameFrameConstruct* owner) -> std::unique_ptr<BaseScene> {
            if (id == SCENE_TITLE) return std::make_unique<StandInTitle>(owner);
            return CreateScene(id, owner);
        });
    }

    // Runs one frame with these keys held; answers the scene current after it.
    std::string Frame(std::initializer_list<int> keys)
    {
        stage.fake.keyboard.Hold(keys);
        frame.RunFrame();
        return frame.SceneManager().Current()->TraceName();
    }

    BaseScene* Current() { return frame.SceneManager().Current(); }
    CGame& Game() { return dynamic_cast<CGame&>(*Current()); }

    // The player hands its score to the stage every frame; both hold it here.
    void SetScore(int score)
    {
        Game().GetPlayer().SetScore(score);
        Game().SetScore(score);
    }
};

TEST(TransitionsTest, AClearedStageShowsTheResultThenPlaysAgainOrReturnsToTheTitle)
{
    const struct {
        int key;
        const char* next;
    } cases[] = {{VK_G, "game"}, {VK_M, "title"}};
    for (const auto& c : cases) {
        GameRun run;
        ASSERT_EQ(run.Frame({VK_RETURN}), "game");
        run.SetScore(5);
        run.stage.fake.audio.TakeOperations();
        // The key is already held in the stage's last frame: the result acts on its first update.
        EXPECT_EQ(run.Frame({VK_C, c.key}), "clear");
        EXPECT_EQ(dynamic_cast<CGameClear&>(*run.Current()).Percent(), 50);
        auto ops = run.stage.fake.audio.TakeOperations();
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops.back().file, "クリアかタイトル.wav");
        EXPECT_EQ(ops.back().op, "loop");
        EXPECT_EQ(run.stage.fake.audio.BuffersAlive(), 1); // the stage's sounds are gone

        EXPECT_EQ(run.Frame({c.key}), c.next);
        ops = run.stage.fake.audio.TakeOperations();
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops.front().file, "クリアかタイトル.wav");
        EXPECT_EQ(ops.front().op, "stop");
        EXPECT_FALSE(run.frame.mRetry);
    }
}

TEST(TransitionsTest, ADefeatShowsGameOverThenContinuesStartsAfreshOrReturnsToTheTitle)
{
    const struct {
        int key;
        const char* next;
        bool continued;
    } cases[] = {{VK_G, "game", true}, {VK_RETURN, "game", false}, {VK_M, "title", false}};
    for (const auto& c : cases) {
        GameRun run;
        ASSERT_EQ(run.Frame({VK_RETURN}), "game");
        run.SetScore(42);
        run.Game().GetPlayer().mGameOver = true;
        // The choice is already held in the stage's last frame; the game-over screen is drawn
        // once and acts on its first update.
        ASSERT_EQ(run.Frame({c.key}), "over");
        EXPECT_EQ(run.frame.mScore, 42);
        // The stand-in player never lands, so the safe place is put where the stage leaves it.
        run.frame.mRespawnPos = {400, 1160};
        EXPECT_EQ(run.Frame({c.key}), c.next);
        EXPECT_EQ(run.frame.mRetry, c.continued);
        if (std::string(c.next) != "game") continue;

        // The new stage's first update takes the player back or starts it afresh.
        ASSERT_EQ(run.Frame({}), "game");
        const CPlayer& player = run.Game().GetPlayer();
        EXPECT_FALSE(run.frame.mRetry);
        if (c.continued) {
            EXPECT_NEAR(player.GetPos().x, 400, 1);
            EXPECT_NEAR(player.GetPos().y, 1160, 20);
            EXPECT_EQ(player.Score(), 42);
            EXPECT_GE(player.Invincible(), 199);
        } else {
            EXPECT_NEAR(player.GetPos().x, 200, 1);
            EXPECT_EQ(player.Score(), 0);
        }
    }
}

TEST(TransitionsTest, GoingRoundEveryScreenFreesEachScenesSounds)
{
    GameRun run;
    for (int round = 0; round < 10; ++round) {
        ASSERT_EQ(run.Frame({VK_RETURN}), "game");
        EXPECT_EQ(run.stage.fake.audio.BuffersAlive(), kGameSounds);
        run.Game().GetPlayer().mGameOver = true;
        ASSERT_EQ(run.Frame({}), "over");
        EXPECT_EQ(run.stage.fake.audio.BuffersAlive(), 1);
        ASSERT_EQ(run.Frame({VK_G}), "game");
        EXPECT_EQ(run.stage.fake.audio.BuffersAlive(), kGameSounds);
        ASSERT_EQ(run.Frame({VK_C}), "clear");
        EXPECT_EQ(run.stage.fake.audio.BuffersAlive(), 1);
        ASSERT_EQ(run.Frame({VK_M}), "title");
        EXPECT_EQ(run.stage.fake.audio.BuffersAlive(), 0);
    }
    EXPECT_EQ(run.stage.fake.audio.BuffersCreated(), 10 * (2 * kGameSounds + 2));
}

} // namespace
