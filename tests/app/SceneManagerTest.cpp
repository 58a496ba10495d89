#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/GameFrame.h"
#include "support/FakePlatform.h"

namespace {

// A scene that logs its life and answers Update from a script.
struct Log {
    std::vector<std::string> events;
    std::vector<SceneId> answers; // consumed one per Update; SCENE_NONE when empty
};

class LoggingScene final : public BaseScene {
public:
    LoggingScene(CGameFrameConstruct* frame, Log& log, std::string name)
        : BaseScene(frame), mLog(log), mName(std::move(name))
    {
        mLog.events.push_back("construct " + mName);
    }
    ~LoggingScene() override { mLog.events.push_back("destroy " + mName); }

    void Init() override { mLog.events.push_back("init " + mName + (mUntouched == 0 ? "" : " dirty")); }
    void Release() override { mLog.events.push_back("release " + mName); }
    SceneId Update() override
    {
        mLog.events.push_back("update " + mName);
        if (mLog.answers.empty()) return SCENE_NONE;
        const SceneId id = mLog.answers.front();
        mLog.answers.erase(mLog.answers.begin());
        return id;
    }
    void Draw(platform::Sprite*, platform::Device*) override { mLog.events.push_back("draw " + mName); }
    const char* TraceName() const override { return "test"; }

private:
    Log& mLog;
    std::string mName;
    int mUntouched = 0; // a member no constructor sets reads zero in Init
};

struct SceneSwitching : ::testing::Test {
    // The log outlives the frame, whose scenes write to it when they go.
    Log log;
    int made = 0;
    FakePlatform fake;
    CGameFrameConstruct frame{fake.Services()};

    void SetUp() override { frame.Init(); }

    void Start()
    {
        frame.Start([this](SceneId id, CGameFrameConstruct* owner) {
            return std::make_unique<LoggingScene>(owner, log, std::to_string(id) + "#" + std::to_string(++made));
        });
    }
};

TEST_F(SceneSwitching, StartsAtTheTitleAndStaysWhileAskedTo)
{
    Start();
    frame.RunFrame();
    frame.RunFrame();
    const std::vector<std::string> expected = {"construct 1#1", "init 1#1", "update 1#1", "draw 1#1",
                                               "update 1#1", "draw 1#1"};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(frame.SceneManager().LastId(), SCENE_NONE);
}

TEST_F(SceneSwitching, ASwitchReleasesAndDestroysBeforeTheNewSceneIsMadeAndDrawnFirst)
{
    Start();
    log.answers = {SCENE_GAME};
    frame.RunFrame();
    frame.RunFrame();
    const std::vector<std::string> expected = {
        "construct 1#1", "init 1#1",   "update 1#1", "release 1#1", "destroy 1#1",
        "construct 0#2", "init 0#2",   "draw 0#2",   "update 0#2",  "draw 0#2",
    };
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(frame.SceneManager().LastId(), SCENE_NONE);
}

TEST_F(SceneSwitching, ReturningTheSameKindMakesAFreshScene)
{
    Start();
    log.answers = {SCENE_GAME, SCENE_GAME};
    frame.RunFrame();
    frame.RunFrame();
    EXPECT_EQ(made, 3);
    EXPECT_EQ(log.events[log.events.size() - 5], "release 0#2");
    EXPECT_EQ(log.events[log.events.size() - 4], "destroy 0#2");
    EXPECT_EQ(log.events[log.events.size() - 3], "construct 0#3");
}

TEST_F(SceneSwitching, ExitReleasesTheCurrentSceneOnce)
{
    {
        CGameFrameConstruct owner(fake.Services());
        owner.Init();
        owner.Start([this](SceneId, CGameFrameConstruct* f) { return std::make_unique<LoggingScene>(f, log, "x"); });
        owner.RunFrame();
    }
    ASSERT_GE(log.events.size(), 2u);
    EXPECT_EQ(log.events[log.events.size() - 2], "release x");
    EXPECT_EQ(log.events.back(), "destroy x");
}

// The frame's order: clear before the update, the sprite begun only around the draw,
// present after it, and the pacer's sleep last.
class OrderProbe final : public BaseScene {
public:
    OrderProbe(CGameFrameConstruct* frame, FakePlatform& fake) : BaseScene(frame), mFake(fake) {}
    SceneId Update() override
    {
        clearsAtUpdate = mFake.device.Stats().clears;
        beginsAtUpdate = mFake.sprite.Begins();
        presentsAtUpdate = mFake.device.Stats().presents;
        return SCENE_NONE;
    }
    void Draw(platform::Sprite*, platform::Device*) override
    {
        openAtDraw = mFake.sprite.Begins() - mFake.sprite.Ends();
        presentsAtDraw = mFake.device.Stats().presents;
    }
    const char* TraceName() const override { return "probe"; }

    int clearsAtUpdate = -1, beginsAtUpdate = -1, presentsAtUpdate = -1, openAtDraw = -1, presentsAtDraw = -1;

private:
    FakePlatform& mFake;
};

TEST(FrameOrder, ClearUpdateBeginDrawEndPresentPace)
{
    FakePlatform fake;
    CGameFrameConstruct frame(fake.Services());
    frame.Init();
    OrderProbe* probe = nullptr;
    frame.Start([&](SceneId, CGameFrameConstruct* f) {
        auto scene = std::make_unique<OrderProbe>(f, fake);
        probe = scene.get();
        return scene;
    });
    frame.RunFrame(); // first frame: update on the title made by Start
    frame.RunFrame();
    EXPECT_EQ(fake.device.Stats().clearColor, 0xFF0000FFu);
    EXPECT_EQ(probe->clearsAtUpdate, 2);
    EXPECT_EQ(probe->beginsAtUpdate, 1);
    EXPECT_EQ(probe->presentsAtUpdate, 1);
    EXPECT_EQ(probe->openAtDraw, 1);
    EXPECT_EQ(probe->presentsAtDraw, 1);
    EXPECT_EQ(fake.sprite.Ends(), 2);
    EXPECT_EQ(fake.clock.Now(), 33u); // two paced frames on the virtual clock
}

} // namespace
