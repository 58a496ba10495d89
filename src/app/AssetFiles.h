#pragma once
// Every file the game loads, by its path under the run directory. The game opens them by these
// names and zem-assetgen writes them under the same names, so the two can never disagree.

namespace files {

// Folders under the run directory.
inline constexpr const char* kTextureDir = "Resource/Texture";
inline constexpr const char* kSoundDir = "Resource/Sound";
inline constexpr const char* kDataDir = "Resource/Data";

// The hero and its display.
inline constexpr const char* kPlayerSheet = "Resource/Texture/player試作11.png";
inline constexpr const char* kPlayerDefeated = "Resource/Texture/playerDown2.png";
inline constexpr const char* kMiniPlayerSheet = "Resource/Texture/MiniPlayerAnime.png";
inline constexpr const char* kShotBubbles = "Resource/Texture/BubbleAnime.png";
inline constexpr const char* kShotBubblesAlpha = "Resource/Texture/BubbleAnimeAlpha.png";
inline constexpr const char* kHpIcon = "Resource/Texture/HP.png";
inline constexpr const char* kStarBubble = "Resource/Texture/starBubble.png";
inline constexpr const char* kStarBubbleAlpha = "Resource/Texture/starBubbleAlpha.png";
inline constexpr const char* kDigits = "Resource/Texture/suji2.png";
inline constexpr const char* kEnemyFace = "Resource/Texture/EnemyFace.png";
inline constexpr const char* kMonaBubbles = "Resource/Texture/BubbleMona.png";
inline constexpr const char* kMonaBubblesAlpha = "Resource/Texture/BubbleMonaAlpha試作2.png";

// The stage's scenery.
inline constexpr const char* kLowerBackground = "Resource/Texture/TitleBack2.jpg";
inline constexpr const char* kUpperBackground = "Resource/Texture/Back2.png";
inline constexpr const char* kMapChips = "Resource/Texture/MapChip12.png";
inline constexpr const char* kGoalStar = "Resource/Texture/星クリア.png";
inline constexpr const char* kSigns = "Resource/Texture/Signs.png";
inline constexpr const char* kPitShade = "Resource/Texture/PitShade.png";

// Enemies and pick-ups.
inline constexpr const char* kWalkEnemySheet = "Resource/Texture/EnemyBase.png";
inline constexpr const char* kJumpEnemySheet = "Resource/Texture/JumpEnemy.png";
inline constexpr const char* kFlyEnemySheet = "Resource/Texture/FlyEnemy.png";
inline constexpr const char* kFlyEnemySpin = "Resource/Texture/FlyEnemy5.png";
inline constexpr const char* kFlyEnemyBullet = "Resource/Texture/FlyEnemyBullet2.png";
inline constexpr const char* kSlimeSheet = "Resource/Texture/SlimeEnemy.png";
inline constexpr const char* kScoreStar = "Resource/Texture/star.png";
inline constexpr const char* kGlow = "Resource/Texture/Sun.bmp";
inline constexpr const char* kEnemyBubbles = "Resource/Texture/EnemyBubble.png";
inline constexpr const char* kEnemyBubblesAlpha = "Resource/Texture/EnemyBubbleAlpha.png";
inline constexpr const char* kSlimeBubbles = "Resource/Texture/SlimeBubble.png";
inline constexpr const char* kSlimeBubblesAlpha = "Resource/Texture/SlimeBubbleAlpha.png";
inline constexpr const char* kHealHeart = "Resource/Texture/HP Item.png";
inline constexpr const char* kHealBubble = "Resource/Texture/playerBubble.png";
inline constexpr const char* kHealBubbleAlpha = "Resource/Texture/playerBubbleAlpha.png";

// The title.
inline constexpr const char* kLogo = "Resource/Texture/ZEM.png";
inline constexpr const char* kInstruction = "Resource/Texture/指示画像.png";
inline constexpr const char* kTitleBubble = "Resource/Texture/Bubble.png";
inline constexpr const char* kTitleBubbleAlpha = "Resource/Texture/BubbleAlpha().png";
inline constexpr const char* kTitleChips = "Resource/Texture/csvMapChip().png";

// The result screen.
inline constexpr const char* kClearLetters = "Resource/Texture/WhiteNewGameClear3.png";
inline constexpr const char* kResultPanel = "Resource/Texture/RESULT.png";
inline constexpr const char* kGaugeStar = "Resource/Texture/星白.png";
inline constexpr const char* kPlainStar = "Resource/Texture/星.png";
inline constexpr const char* kTurningStar = "Resource/Texture/星 (1).png";
inline constexpr const char* kBigPlayerBubble = "Resource/Texture/playerBubble (1).png";
inline constexpr const char* kBigPlayerBubbleAlpha = "Resource/Texture/playerBubbleAlpha (1).png";

// The labels of the pause screen and the best results (layout in app/LabelSheet.h).
inline constexpr const char* kLabels = "Resource/Texture/Labels.png";
inline constexpr const char* kFont = "Resource/Texture/Font.png";

// The game-over screen.
inline constexpr const char* kDuskBackground = "Resource/Texture/NewGameOverBack.png";
inline constexpr const char* kRetryPrompt = "Resource/Texture/NewRETRY.png";
inline constexpr const char* kGameOverPlayer = "Resource/Texture/GOPlayer.png";
inline constexpr const char* kGameOverLetters = "Resource/Texture/NWG.png";

// Effects, in the order the stage hands them to the hero.
inline constexpr const char* kSndShot = "Resource/Sound/泡06・高音・単音.wav";
inline constexpr const char* kSndJump = "Resource/Sound/Motion-Pop07-2.wav";
inline constexpr const char* kSndPop06 = "Resource/Sound/Motion-Pop06-2.wav";
inline constexpr const char* kSndDamage = "Resource/Sound/damage6.wav";
inline constexpr const char* kSndFall = "Resource/Sound/動き10（ぺろろろ・下がり）.wav";
inline constexpr const char* kSndMona = "Resource/Sound/泡05.wav";
inline constexpr const char* kSndGrow = "Resource/Sound/ChangeBig.wav";
inline constexpr const char* kSndShrink = "Resource/Sound/ChangeMini.wav";
inline constexpr const char* kSndCapture = "Resource/Sound/消失・ぱちんっ.wav";
inline constexpr const char* kSndScore = "Resource/Sound/星・キラーン07.wav";
inline constexpr const char* kSndHeal = "Resource/Sound/回復音.wav";
inline constexpr const char* kSndPop = "Resource/Sound/消失・ぱちんっ(低音).wav";
inline constexpr const char* kSndClick = "Resource/Sound/タイトルクリック.wav";
inline constexpr const char* kSndGoal = "Resource/Sound/GoalJingle.wav"; // the game's own addition

// Music.
inline constexpr const char* kTitleMusic = "Resource/Sound/タイトル.wav";
inline constexpr const char* kStageMusic = "Resource/Sound/rensaku_10_morivalte.wav";
inline constexpr const char* kClearMusic = "Resource/Sound/クリアかタイトル.wav";
inline constexpr const char* kGameOverMusic = "Resource/Sound/ゲームオーバー.wav";

// The stage and the title's ground.
inline constexpr const char* kTileMap = "Resource/Data/Map005.csv";
inline constexpr const char* kEnemyMap = "Resource/Data/EnemyMap005.csv";
inline constexpr const char* kScoreMap = "Resource/Data/ScoreMap005.csv";
inline constexpr const char* kRecoveryMap = "Resource/Data/RecoveryMap005.csv";
inline constexpr const char* kSignMap = "Resource/Data/SignMap005.csv";
inline constexpr const char* kTitleMap = "TitleMap.txt";

// A stage is a folder holding its four grids under these names and its description. The first
// stage's folder is Resource/Data; the game's other stages follow in Resource/Stages/N.
inline constexpr const char* kTileMapName = "Map005.csv";
inline constexpr const char* kEnemyMapName = "EnemyMap005.csv";
inline constexpr const char* kScoreMapName = "ScoreMap005.csv";
inline constexpr const char* kRecoveryMapName = "RecoveryMap005.csv";
inline constexpr const char* kSignMapName = "SignMap005.csv"; // optional: the signs behind the tiles
// A stage grid's text is about 150 KB at most (36 lines of 350 numbers); reading stops here.
inline constexpr unsigned long kStageFileMaxBytes = 1ul << 20;
// The title map is 18 lines of 34 digits; reading stops here.
inline constexpr unsigned long kTitleMapMaxBytes = 64ul << 10;
inline constexpr const char* kStageDescriptionName = "Stage.ini";
inline constexpr const char* kGameStagesDir = "Resource/Stages";
inline constexpr int kGameStageCount = 3;

// What a stage's description may choose: one of the game's tunes and one of its looks (the two
// background rows and the tiles), numbered from 1.
struct StageLook {
    const char* lowerBackground;
    const char* upperBackground;
    const char* mapChips;
};
inline constexpr int kStageTuneCount = 3;
inline constexpr const char* kStageTunes[kStageTuneCount] = {
    kStageMusic, "Resource/Sound/stage2.wav", "Resource/Sound/stage3.wav"};
inline constexpr int kStageLookCount = 3;
inline constexpr StageLook kStageLooks[kStageLookCount] = {
    {kLowerBackground, kUpperBackground, kMapChips},
    {"Resource/Texture/Dusk-lower.png", "Resource/Texture/Dusk-upper.png", "Resource/Texture/Dusk-chips.png"},
    {"Resource/Texture/Night-lower.png", "Resource/Texture/Night-upper.png", "Resource/Texture/Night-chips.png"},
};

} // namespace files
