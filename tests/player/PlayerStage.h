#pragma once
// A small stage with the player in it: run frames with keys held, look at what was drawn and heard.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/HeadlessDevice.h"
#include "scenes/Game.h"
#include "support/StageFixture.h"

// Rows 31..35 of the stage: ground on row 34 (its top at y 1360), so the player, who starts
// at (200, 1300), lands at y 1322.5 on its first frame.
constexpr int kPlayerStageTop = 31;
constexpr float kGroundTop = 1360.0f;
constexpr float kBigStandY = kGroundTop - 37.5f;
constexpr float kMiniStandY = kGroundTop - 20.0f;

inline std::vector<std::string> FlatGround(int columns = 60)
{
    return {"", "", "", std::string(static_cast<size_t>(columns), '1')};
}

class PlayerStage {
public:
    using Draw = platform::RecordingSprite::DrawCall;

    explicit PlayerStage(const std::vector<std::string>& picture, int topRow = kPlayerStageTop,
                         std::initializer_list<const char*> missingFiles = {})
        : fixture(picture, topRow)
    {
        for (const char* file : missingFiles) std::filesystem::remove(fixture.dir.Path() / std::filesystem::u8path(file));
        game = fixture.MakeGame();
        fixture.fake.audio.TakeOperations();
    }

    CPlayer& Player() { return game->GetPlayer(); }

    // Runs `frames` updates of the stage with exactly these keys held.
    SceneId Run(int frames, std::initializer_list<int> keys = {})
    {
        fixture.fake.keyboard.Hold(keys);
        SceneId result = SCENE_NONE;
        for (int i = 0; i < frames; ++i) {
            result = FakePlatform::Step(*game);
            ++framesRun;
        }
        return result;
    }

    // Everything one frame of the stage draws.
    std::vector<Draw> DrawFrame() { return fixture.fake.DrawFrame(*game); }

    // The draws of one frame whose picture file ends with `file`.
    std::vector<Draw> DrawsOf(const std::string& file)
    {
        std::vector<Draw> found;
        for (const Draw& d : DrawFrame()) {
            if (TextureFile(d).ends_with(file)) found.push_back(d);
        }
        return found;
    }

    static std::string TextureFile(const Draw& d)
    {
        const auto* texture = dynamic_cast<const platform::HeadlessTexture*>(d.texture);
        return texture != nullptr ? texture->Path() : std::string();
    }

    // Sound operations on `file` since the last call (all files forget their operations).
    std::vector<std::string> SoundOps(const std::string& file)
    {
        std::vector<std::string> ops;
        for (const auto& op : fixture.fake.audio.TakeOperations()) {
            if (op.file == file) ops.push_back(op.op);
        }
        return ops;
    }

    // Shrinks the standing big player and returns once it is mini.
    void Shrink()
    {
        Run(1, {platform::VK_DOWN});
        for (int i = 0; i < 40 && !Player().Mini(); ++i) Run(1);
        ASSERT_TRUE(Player().Mini());
    }

    StageFixture fixture;
    std::unique_ptr<CGame> game;
    int framesRun = 0; // the player's own frame counter, as it updates once a stage frame
};

// Screen position of a draw: where its pivot lands.
inline platform::Vec2 DrawnAt(const platform::RecordingSprite::DrawCall& d)
{
    return {d.transform.m[3][0], d.transform.m[3][1]};
}
