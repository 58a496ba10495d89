// Names every picture the game loads and writes it in the format its name asks for.
#include <functional>

#include "Generators.h"
#include "app/AssetFiles.h"
#include "images/ImageFiles.h"
#include "images/Pictures.h"

namespace {

enum class Format {
    Png,     // alpha from the file, transparent pixels coloured like their neighbours
    GlowPng, // drawn with the glowing blend: transparent pixels are white
    Jpeg,
    Bmp,
};

struct Picture {
    const char* name; // path under the run directory
    std::function<Canvas()> draw;
    Format format = Format::Png;
};

} // namespace

bool GenerateImages(const std::filesystem::path& runDir)
{
    using namespace pictures;
    const BubbleLayer body = BubbleLayer::Body, sheen = BubbleLayer::Sheen;
    const Picture list[] = {
        // The stage.
        {files::kPlayerSheet, PlayerSheet},
        {files::kPlayerDefeated, PlayerDefeated},
        {files::kMiniPlayerSheet, MiniPlayerSheet},
        {files::kShotBubbles, [=] { return ShotBubbles(body); }},
        {files::kShotBubblesAlpha, [=] { return ShotBubbles(sheen); }},
        {files::kHpIcon, HudHeart},
        {files::kStarBubble, [=] { return StarBubble(body); }},
        {files::kStarBubbleAlpha, [=] { return StarBubble(sheen); }},
        {files::kDigits, Digits},
        {files::kEnemyFace, EnemyFace},
        {files::kMonaBubbles, [=] { return MonaBubbles(body); }},
        {files::kMonaBubblesAlpha, [=] { return MonaBubbles(sheen); }},
        {files::kLowerBackground, LowerSky, Format::Jpeg},
        {files::kUpperBackground, UpperSky},
        {files::kMapChips, MapChips},
        // The other stages' looks.
        {files::kStageLooks[1].lowerBackground, DuskLowerSky},
        {files::kStageLooks[1].upperBackground, DuskUpperSky},
        {files::kStageLooks[1].mapChips, DuskChips},
        {files::kStageLooks[2].lowerBackground, NightLowerSky},
        {files::kStageLooks[2].upperBackground, NightUpperSky},
        {files::kStageLooks[2].mapChips, NightChips},
        {files::kGoalStar, GoalStar},
        {files::kSigns, Signs},
        {files::kPitShade, PitShade},
        {files::kWalkEnemySheet, WalkEnemySheet},
        {files::kJumpEnemySheet, JumpEnemySheet}, // lent to the jumping enemies instead of EnemyBase.png
        {files::kFlyEnemySheet, FlyEnemySheet},
        {files::kFlyEnemySpin, FlyEnemySpin},
        {files::kFlyEnemyBullet, FlyEnemyBullet},
        {files::kSlimeSheet, SlimeSheet},
        {files::kScoreStar, ScoreStar, Format::GlowPng},
        {files::kGlow, Glow, Format::Bmp},
        {files::kEnemyBubbles, [=] { return EnemyBubbles(body); }},
        {files::kEnemyBubblesAlpha, [=] { return EnemyBubbles(sheen); }},
        {files::kSlimeBubbles, [=] { return SlimeBubbles(body); }},
        {files::kSlimeBubblesAlpha, [=] { return SlimeBubbles(sheen); }},
        {files::kHealHeart, HealHeart, Format::GlowPng},
        {files::kHealBubble, [=] { return PlayerBubble(body); }},
        {files::kHealBubbleAlpha, [=] { return PlayerBubble(sheen); }},
        // The title.
        {files::kLogo, Logo},
        {files::kInstruction, PressEnter},
        {files::kTitleBubble, [=] { return TitleBubble(body); }},
        {files::kTitleBubbleAlpha, [=] { return TitleBubble(sheen); }},
        {files::kTitleChips, TitleChips},
        // The result screen.
        {files::kClearLetters, StageClearLetters},
        {files::kResultPanel, ResultPanel},
        {files::kGaugeStar, GaugeStar},
        {files::kPlainStar, PlainStar},
        {files::kTurningStar, TurningStar, Format::GlowPng},
        {files::kBigPlayerBubble, [=] { return BigPlayerBubble(body); }},
        {files::kBigPlayerBubbleAlpha, [=] { return BigPlayerBubble(sheen); }},
        // The game-over screen.
        {files::kDuskBackground, DuskSky},
        {files::kRetryPrompt, RetryPrompt},
        {files::kGameOverPlayer, GameOverPlayer},
        {files::kGameOverLetters, GameOverLetters},
        // The pause screen and the best results.
        {files::kLabels, Labels},
        {files::kFont, Font},
    };
    bool ok = true;
    for (const Picture& picture : list) {
        const std::filesystem::path file = runDir / picture.name;
        const Canvas canvas = picture.draw();
        switch (picture.format) {
        case Format::Png: ok = WritePng(canvas, file, ClearColour::Bleed) && ok; break;
        case Format::GlowPng: ok = WritePng(canvas, file, ClearColour::White) && ok; break;
        case Format::Jpeg: ok = WriteJpeg(canvas, file, 92) && ok; break;
        case Format::Bmp: ok = WriteBmp(canvas, file) && ok; break;
        }
    }
    return ok;
}
