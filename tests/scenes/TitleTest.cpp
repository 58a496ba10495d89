// The title screen: starting the stage, the blinking instruction, the scrolling ground, the
// bobbing bubble, the drifting particles, the drawing, the sounds and what it frees.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/GameFrame.h"
#include "app/Random.h"
#include "app/TraceWriter.h"
#include "platform/SdlAudio.h"
#include "scenes/SceneFactory.h"
#include "scenes/Title.h"
#include "support/FakePlatform.h"
#include "support/StageFixture.h"
#include "support/TempDir.h"
#include "support/WavBytes.h"

namespace {

using DrawCall = platform::RecordingSprite::DrawCall;

// A texture that knows its file and counts itself among the live ones.
class CountedTexture final : public platform::Texture {
public:
    CountedTexture(std::unique_ptr<platform::Texture> inner, std::string file, int& alive)
        : mInner(std::move(inner)), mFile(std::move(file)), mAlive(alive)
    {
        ++mAlive;
    }
    ~CountedTexture() override { --mAlive; }
    int Width() const override { return mInner->Width(); }
    int Height() const override { return mInner->Height(); }
    const std::string& File() const { return mFile; }

private:
    std::unique_ptr<platform::Texture> mInner;
    std::string mFile;
    int& mAlive;
};

// The headless device, counting the textures it has made and those still alive.
class CountingDevice final : public platform::Device {
public:
    void Clear(platform::Color color) override { mInner.Clear(color); }
    void Present() override { mInner.Present(); }
    std::unique_ptr<platform::Texture> LoadTexture(const std::string& path, std::string& error) override
    {
        auto texture = mInner.LoadTexture(path, error);
        if (!texture) return nullptr;
        ++loaded;
        return std::make_unique<CountedTexture>(std::move(texture), path.substr(path.find_last_of('/') + 1), alive);
    }

    int loaded = 0;
    int alive = 0;

private:
    platform::HeadlessDevice mInner;
};

std::string FileOf(const DrawCall& draw)
{
    const auto* texture = dynamic_cast<const CountedTexture*>(draw.texture);
    return texture != nullptr ? texture->File() : std::string();
}

std::vector<DrawCall> DrawsOf(const std::vector<DrawCall>& draws, const std::string& file)
{
    std::vector<DrawCall> found;
    for (const DrawCall& draw : draws) {
        if (FileOf(draw) == file) found.push_back(draw);
    }
    return found;
}

bool SameRect(const platform::Rect& a, const platform::Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// 18 lines of 34 digits; the first line starts "12037", everything else is empty ground.
std::string SmallGround()
{
    std::string text = "12037" + std::string(29, '0') + "\n";
    for (int r = 1; r < kTitleMapRows; ++r) text += std::string(kTitleMapCols, '0') + "\n";
    return text;
}

// A working directory with every picture and sound, a fake platform and a frame.
struct TitleFixture {
    explicit TitleFixture(bool withGround = true, platform::AudioDevice* audio = nullptr)
    {
        WriteStandInResources(dir);
        if (withGround) dir.Write("TitleMap.txt", SmallGround());
        WriteAsciiStage(dir, {"111"}, 30);
        cwd = std::make_unique<ScopedWorkingDir>(dir.Path());
        platform::Platform services = fake.Services();
        services.device = &device;
        if (audio != nullptr) services.audio = audio;
        frame = std::make_unique<CGameFrameConstruct>(services);
        frame->Init();
    }

    std::unique_ptr<CTitle> MakeTitle()
    {
        auto title = std::make_unique<CTitle>(frame.get());
        title->Init();
        return title;
    }

    std::vector<DrawCall> Draw(CTitle& title)
    {
        fake.sprite.Begin();
        title.Draw(&fake.sprite, &device);
        return fake.sprite.Draws();
    }

    TempDir dir;
    FakePlatform fake;
    CountingDevice device;
    std::unique_ptr<ScopedWorkingDir> cwd;
    std::unique_ptr<CGameFrameConstruct> frame;
};

TEST(TitleTest, EnterHeldAtTheStartBeginsTheStageOnTheFirstUpdateWithOneClick)
{
    TitleFixture fixture;
    fixture.fake.keyboard.Hold({platform::VK_RETURN});
    fixture.frame->Start(CreateScene);
    EXPECT_EQ(fixture.device.alive, 9);
    EXPECT_EQ(fixture.fake.audio.BuffersAlive(), 2);

    fixture.frame->RunFrame();
    ASSERT_STREQ(fixture.frame->SceneManager().Current()->TraceName(), "game");
    const auto ops = fixture.fake.audio.Operations();
    ASSERT_GE(ops.size(), 3u);
    EXPECT_EQ(ops[0].file, "タイトル.wav");
    EXPECT_EQ(ops[0].op, "loop");
    EXPECT_EQ(ops[1].file, "タイトルクリック.wav");
    EXPECT_EQ(ops[1].op, "play");
    EXPECT_EQ(ops[2].file, "タイトル.wav");
    EXPECT_EQ(ops[2].op, "stop");
    int clicks = 0;
    for (const auto& op : ops) clicks += op.file == "タイトルクリック.wav" ? 1 : 0;
    EXPECT_EQ(clicks, 1);
    // Every picture and sound of the title is gone; only the stage's are left.
    EXPECT_EQ(fixture.device.alive, fixture.device.loaded - 9);
    EXPECT_EQ(fixture.fake.audio.BuffersAlive(), fixture.fake.audio.BuffersCreated() - 2);

    // M on the stage brings a fresh title.
    fixture.fake.keyboard.Hold({platform::VK_M});
    fixture.frame->RunFrame();
    const auto* title = dynamic_cast<const CTitle*>(fixture.frame->SceneManager().Current());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GuideAlpha(), 200);
    EXPECT_EQ(fixture.device.alive, 9);

    fixture.frame.reset();
    EXPECT_EQ(fixture.device.alive, 0);
    EXPECT_EQ(fixture.fake.audio.BuffersAlive(), 0);
}

TEST(TitleTest, WithoutEnterItStaysAndFreesEverythingOnceWhenReleased)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FakePlatform::Step(*title), SCENE_NONE);
    title->Release();
    EXPECT_EQ(fixture.device.loaded, 9);
    EXPECT_EQ(fixture.device.alive, 0);
    EXPECT_EQ(fixture.fake.audio.BuffersAlive(), 0);
    const auto ops = fixture.fake.audio.Operations();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[1].op, "stop");
    title.reset();
    EXPECT_EQ(fixture.device.alive, 0);
}

TEST(TitleTest, TheInstructionFadesFrom199To100ThenJumpsTo249)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    std::vector<int> alphas;
    for (int i = 0; i < 300; ++i) {
        FakePlatform::Step(*title);
        alphas.push_back(title->GuideAlpha());
    }
    EXPECT_EQ(alphas[0], 199);
    EXPECT_EQ(alphas[99], 100);
    EXPECT_EQ(alphas[100], 249);
    EXPECT_EQ(alphas[249], 100);
    EXPECT_EQ(alphas[250], 249);
    for (int alpha : alphas) {
        EXPECT_GE(alpha, 100);
        EXPECT_LE(alpha, 249);
    }
    CTraceWriter trace;
    title->WriteTrace(trace);
    EXPECT_NE(trace.Finish().find("\"guideAlpha\":" + std::to_string(alphas.back())), std::string::npos);
}

TEST(TitleTest, AGroundTileStaysAtMinus40ThenWrapsTo1280)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    for (int i = 0; i < 10; ++i) FakePlatform::Step(*title);
    EXPECT_FLOAT_EQ(title->TileX(0, 0), -40.0f);
    EXPECT_FLOAT_EQ(title->TileX(5, 1), 0.0f);
    FakePlatform::Step(*title);
    EXPECT_FLOAT_EQ(title->TileX(0, 0), 1280.0f);
    // Each tile wraps on its own: the last column now sits just left of the first.
    EXPECT_FLOAT_EQ(title->TileX(0, kTitleMapCols - 1), 1276.0f);

    const auto chips = DrawsOf(fixture.Draw(*title), "csvMapChip().png");
    ASSERT_EQ(chips.size(), 2u);
    EXPECT_EQ(chips[0].transform, platform::Matrix::Translation(1280.0f, 0.0f, 0.0f));
    EXPECT_EQ(chips[1].transform, platform::Matrix::Translation(-4.0f, 0.0f, 0.0f));
}

TEST(TitleTest, GroundCodesOneAndTwoAreChipsTheOthersShowNothing)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    EXPECT_EQ(title->TileCode(0, 4), 7);
    FakePlatform::Step(*title);
    const auto chips = DrawsOf(fixture.Draw(*title), "csvMapChip().png");
    ASSERT_EQ(chips.size(), 2u);
    EXPECT_TRUE(SameRect(chips[0].source, {40, 0, 80, 40}));
    EXPECT_TRUE(SameRect(chips[1].source, {0, 0, 40, 40}));
}

TEST(TitleTest, AMissingGroundFileSaysNgAndLeavesTheGroundEmpty)
{
    const struct {
        bool withGround;
        const char* output;
        size_t chips;
    } cases[] = {{true, "OK\n\n", 2}, {false, "NG\n\n", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        TitleFixture fixture(c.withGround);
        testing::internal::CaptureStdout();
        auto title = fixture.MakeTitle();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output);
        FakePlatform::Step(*title);
        EXPECT_EQ(DrawsOf(fixture.Draw(*title), "csvMapChip().png").size(), c.chips);
    }
}

TEST(TitleTest, BeforeTheFirstUpdateOnlyTheBackgroundShows)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    const auto draws = fixture.Draw(*title);
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(FileOf(draws[0]), "TitleBack2.jpg");
    EXPECT_EQ(draws[0].transform, platform::Matrix::Translation(0.0f, 0.0f, 0.0f));
    for (size_t i = 1; i < draws.size(); ++i) EXPECT_EQ(draws[i].transform, platform::Matrix{}) << FileOf(draws[i]);
}

TEST(TitleTest, DrawsBackToFrontWithItsColours)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    FakePlatform::Step(*title);
    const auto draws = fixture.Draw(*title);
    const struct {
        const char* file;
        platform::Rect source;
        platform::Color color;
    } order[] = {
        {"TitleBack2.jpg", {0, 0, 1280, 720}, 0xFFFFFFFF},
        {"playerBubbleAlpha.png", {0, 0, 80, 80}, 0x40FFFFFF},
        {"playerBubble.png", {0, 0, 80, 80}, 0xC8FFFFFF},
    };
    ASSERT_EQ(draws.size(), 1u + 2 * CTitle::kParticleCount + 1 + 2 + 3);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(FileOf(draws[i]), order[i].file);
        EXPECT_TRUE(SameRect(draws[i].source, order[i].source)) << i;
        EXPECT_EQ(draws[i].color, order[i].color) << i;
    }
    EXPECT_FLOAT_EQ(draws[1].center.x, 40.0f);
    EXPECT_FLOAT_EQ(draws[2].center.y, 40.0f);
    const size_t tail = 1 + 2 * CTitle::kParticleCount;
    const struct {
        const char* file;
        platform::Rect source;
        platform::Color color;
        platform::Matrix transform;
    } rest[] = {
        {"ZEM.png", {0, 0, 900, 400}, 0xFFFFFFFF, platform::Matrix::Translation(200, 0, 0)},
        {"csvMapChip().png", {40, 0, 80, 40}, 0xFFFFFFFF, platform::Matrix::Translation(-4, 0, 0)},
        {"csvMapChip().png", {0, 0, 40, 40}, 0xFFFFFFFF, platform::Matrix::Translation(36, 0, 0)},
        {"指示画像.png", {0, 0, 900, 300}, 0xC7FFFFFF, platform::Matrix::Translation(200, 400, 0)},
        {"Bubble.png", {0, 0, 256, 256}, 0xFFFFFFFF, title->Bubble().mMatrix},
        {"BubbleAlpha().png", {0, 0, 256, 256}, 0x46FFFFFF, title->BubbleOverlay().mMatrix},
    };
    for (size_t i = 0; i < std::size(rest); ++i) {
        const DrawCall& draw = draws[tail + i];
        EXPECT_EQ(FileOf(draw), rest[i].file) << i;
        EXPECT_TRUE(SameRect(draw.source, rest[i].source)) << i;
        EXPECT_EQ(draw.color, rest[i].color) << i;
        EXPECT_EQ(draw.transform, rest[i].transform) << i;
        EXPECT_FLOAT_EQ(draw.center.x, 0.0f) << i;
    }
    for (const DrawCall& draw : draws) EXPECT_EQ(draw.destBlend, platform::BLEND_INVSRCALPHA);
}

TEST(TitleTest, TheBigBubbleBobsBetween50AndAbout88EveryTwoSeconds)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    float lowest = 1000.0f;
    float highest = -1000.0f;
    for (int i = 0; i < 120; ++i) {
        FakePlatform::Step(*title);
        const float y = title->Bubble().mPos.y;
        lowest = std::min(lowest, y);
        highest = std::max(highest, y);
        ASSERT_FLOAT_EQ(title->BubbleOverlay().mPos.y, y);
        ASSERT_FLOAT_EQ(title->Bubble().mPos.x, 550.0f);
    }
    EXPECT_NEAR(highest, 88.2f, 0.3f);
    EXPECT_GE(lowest, 50.0f - 1e-3f);
    EXPECT_NEAR(title->Bubble().mPos.y, 50.0f, 1e-3f);
    EXPECT_EQ(title->Bubble().mMatrix, platform::Matrix::Translation(550.0f, title->Bubble().mPos.y, 0.0f));
}

TEST(TitleTest, EveryParticleIsRenewedOnTheFirstUpdateFromTheClockSeed)
{
    TitleFixture fixture;
    fixture.fake.clock.Advance(123456);
    auto title = fixture.MakeTitle();
    FakePlatform::Step(*title);

    // The same generator, seeded as the title seeds it, in the title's order of draws.
    RandomSequence random;
    random.Seed(123456);
    for (int i = 0; i < CTitle::kParticleCount; ++i) {
        SCOPED_TRACE(i);
        const int r[6] = {random.Next(), random.Next(), random.Next(), random.Next(), random.Next(), random.Next()};
        const CTitle::CParticle& p = title->Particle(i);
        EXPECT_FLOAT_EQ(p.mX, static_cast<float>(r[0] % 1280));
        EXPECT_FLOAT_EQ(p.mY, static_cast<float>(r[1] % 720));
        EXPECT_FLOAT_EQ(p.mVx, static_cast<float>(r[2] / 32767.0 * 8 - 4));
        EXPECT_FLOAT_EQ(p.mVy, static_cast<float>(r[3] / 32767.0 * 2 - 1));
        EXPECT_FLOAT_EQ(p.mScale, static_cast<float>(r[4] / 32767.0 * 2 + 1));
        EXPECT_EQ(p.mLife, static_cast<int>(r[5] / 32767.0 * 50 + 100));
        EXPECT_EQ(p.mMatrix, platform::Matrix::Scaling(p.mScale, p.mScale, 0) *
                                 platform::Matrix::Translation(p.mX, p.mY, 0));
    }

    // Next frame: they drift, sway together and shrink, and live one frame less.
    const CTitle::CParticle before = title->Particle(0);
    FakePlatform::Step(*title);
    const CTitle::CParticle& after = title->Particle(0);
    EXPECT_FLOAT_EQ(after.mX, before.mX + before.mVx);
    EXPECT_FLOAT_EQ(after.mY, before.mY + before.mVy + std::sin(10.0f * 0.017453292f) / 3.0f);
    EXPECT_FLOAT_EQ(after.mScale, before.mScale * 0.98f);
    EXPECT_EQ(after.mLife, before.mLife - 1);
}

TEST(TitleTest, ParticleLivesStayBetween100And150)
{
    TitleFixture fixture;
    auto title = fixture.MakeTitle();
    for (int frame = 0; frame < 400; ++frame) {
        FakePlatform::Step(*title);
        for (int i = 0; i < CTitle::kParticleCount; ++i) {
            ASSERT_GE(title->Particle(i).mLife, 1);
            ASSERT_LE(title->Particle(i).mLife, 150);
        }
    }
}

// On a real sound device the click goes on after the title that started it has gone.
TEST(TitleTest, TheClickIsHeardOutAfterTheTitleIsGone)
{
    // The real buffers and mixer, advanced by hand instead of by a sound card's clock.
    platform::SdlAudio audio(platform::SdlAudio::Output::Manual);
    TitleFixture fixture(true, &audio);
    // A quarter of a second of click.
    fixture.dir.Write("Resource/Sound/タイトルクリック.wav", wavbytes::PcmFile(1, 22050, 8, std::string(5512, '\xC0')));
    fixture.fake.keyboard.Hold({platform::VK_RETURN});
    fixture.frame->Start(CreateScene);
    fixture.frame->RunFrame();
    ASSERT_STREQ(fixture.frame->SceneManager().Current()->TraceName(), "game");
    EXPECT_EQ(fixture.frame->FinishingSounds(), 1u);

    fixture.fake.keyboard.ReleaseAll();
    audio.MixManually(platform::kMixRate / 5); // 0.2 s: still sounding
    fixture.frame->RunFrame();
    EXPECT_EQ(fixture.frame->FinishingSounds(), 1u);
    audio.MixManually(platform::kMixRate / 10); // past its end
    fixture.frame->RunFrame();
    EXPECT_EQ(fixture.frame->FinishingSounds(), 0u);
}

} // namespace
