// Names every picture the game loads and writes it in the format its name asks for.
#include <functional>

#include "Generators.h"
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
    const char8_t* name;
    std::function<Canvas()> draw;
    Format format = Format::Png;
};

} // namespace

bool GenerateImages(const std::filesystem::path& textureDir)
{
    using namespace pictures;
    const BubbleLayer body = BubbleLayer::Body, sheen = BubbleLayer::Sheen;
    const Picture list[] = {
        // The stage.
        {u8"player試作11.png", PlayerSheet},
        {u8"playerDown2.png", PlayerDefeated},
        {u8"MiniPlayerAnime.png", MiniPlayerSheet},
        {u8"BubbleAnime.png", [=] { return ShotBubbles(body); }},
        {u8"BubbleAnimeAlpha.png", [=] { return ShotBubbles(sheen); }},
        {u8"HP.png", HudHeart},
        {u8"starBubble.png", [=] { return StarBubble(body); }},
        {u8"starBubbleAlpha.png", [=] { return StarBubble(sheen); }},
        {u8"suji2.png", Digits},
        {u8"EnemyFace.png", EnemyFace},
        {u8"BubbleMona.png", [=] { return MonaBubbles(body); }},
        {u8"BubbleMonaAlpha試作2.png", [=] { return MonaBubbles(sheen); }},
        {u8"TitleBack2.jpg", LowerSky, Format::Jpeg},
        {u8"Back2.png", UpperSky},
        {u8"MapChip12.png", MapChips},
        {u8"星クリア.png", GoalStar},
        {u8"EnemyBase.png", WalkEnemySheet},
        {u8"JumpEnemy.png", JumpEnemySheet}, // lent to the jumping enemies instead of EnemyBase.png
        {u8"FlyEnemy.png", FlyEnemySheet},
        {u8"FlyEnemy5.png", FlyEnemySpin},
        {u8"FlyEnemyBullet2.png", FlyEnemyBullet},
        {u8"SlimeEnemy.png", SlimeSheet},
        {u8"star.png", ScoreStar, Format::GlowPng},
        {u8"Sun.bmp", Glow, Format::Bmp},
        {u8"EnemyBubble.png", [=] { return EnemyBubbles(body); }},
        {u8"EnemyBubbleAlpha.png", [=] { return EnemyBubbles(sheen); }},
        {u8"SlimeBubble.png", [=] { return SlimeBubbles(body); }},
        {u8"SlimeBubbleAlpha.png", [=] { return SlimeBubbles(sheen); }},
        {u8"HP Item.png", HealHeart, Format::GlowPng},
        {u8"playerBubble.png", [=] { return PlayerBubble(body); }},
        {u8"playerBubbleAlpha.png", [=] { return PlayerBubble(sheen); }},
        // The title.
        {u8"ZEM.png", Logo},
        {u8"指示画像.png", PressEnter},
        {u8"Bubble.png", [=] { return TitleBubble(body); }},
        {u8"BubbleAlpha().png", [=] { return TitleBubble(sheen); }},
        {u8"csvMapChip().png", TitleChips},
        // The result screen.
        {u8"WhiteNewGameClear3.png", StageClearLetters},
        {u8"RESULT.png", ResultPanel},
        {u8"星白.png", GaugeStar},
        {u8"星.png", PlainStar},
        {u8"星 (1).png", TurningStar, Format::GlowPng},
        {u8"playerBubble (1).png", [=] { return BigPlayerBubble(body); }},
        {u8"playerBubbleAlpha (1).png", [=] { return BigPlayerBubble(sheen); }},
        // The game-over screen.
        {u8"NewGameOverBack.png", DuskSky},
        {u8"NewRETRY.png", RetryPrompt},
        {u8"GOPlayer.png", GameOverPlayer},
        {u8"NWG.png", GameOverLetters},
    };
    bool ok = true;
    for (const Picture& picture : list) {
        const std::filesystem::path file = textureDir / std::filesystem::path(picture.name);
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
