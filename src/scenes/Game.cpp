#include "scenes/Game.h"

#include "app/Assert.h"
#include "app/AssetFiles.h"
#include "app/DataStamp.h"
#include "app/GameFrame.h"
#include "app/Sound.h"
#include "map/LoadedStageCheck.h"
#include "map/LoadedStageLimits.h"
#include "platform/Keyboard.h"
#include "player/GhostHero.h"
#include "scenes/RaceClock.h"
#include "scenes/StageSnapshot.h"

namespace {

// A continued game starts with this grace period.
constexpr int kContinueInvincibleFrames = 200;

} // namespace

CGame::CGame(CGameFrameConstruct* frame) : BaseScene(frame), mpMap(std::make_unique<CMap>()), mResources(frame) {}

CGame::~CGame() = default;

uint32_t CGame::Now() const
{
    return mpFrame->Now();
}

void CGame::LetterSigns()
{
    mSignsLetteredFor = mpFrame->SettingsRevision();
    mpMap->SetSignLettering(SignLettering::For(mpFrame->PlayerSettings().bindings), mpFontTexture);
}

RandomSequence& CGame::Random()
{
    return mpFrame->Random();
}

const FrameInput& CGame::Input() const
{
    return mpFrame->Input();
}

bool CGame::Pressed(int virtualKey)
{
    return mpFrame->Pressed(virtualKey);
}

void CGame::Init()
{
    mPlayer.SetGame(this);
    mBackGround.SetGame(this);
    mCamera.SetGame(this);
    mPause.SetFrame(mpFrame);
    // A stage past its limits is not started: the line on standard error says why, and the
    // first update goes back to the title.
    LoadGrids();
    // A player's stage may come from anywhere: what zem-stage would refuse is named, and it plays
    // on where it can.
    if (!mpFrame->mStage.ownStage) CheckLoadedStage(*mpMap, mpFrame->mStage);
    mRefused = mpFrame->StageLimitsChecked() && !LoadedStageWithinLimits(*mpMap, mpFrame->mStage);
    if (mRefused) {
        mpFrame->mRetry = false; // a continue has no stage to go on in
        return;
    }
    if (!mpFrame->mRetry) mpFrame->mRun = {};
    // The ghost is kept beside the best results; without them there is none to race.
    const CBestResultsFile* bests = mpFrame->BestResults();
    mpFrame->GhostRace().BeginStage(mpFrame->mStage.id, bests, bests != nullptr ? StageDataStamp(mpFrame->mStage) : "",
                                    mpFrame->mRetry);

    LoadPlayerPictures();
    LoadSharedPictures();
    LoadSounds();
    StartMusic();
    mPlayer.Init(mpFrame->mStage.start);
    SpawnFromGrids();
    InitObjects();
}

// The player's own pictures, then the background, the map's and the pause label's.
void CGame::LoadPlayerPictures()
{
    auto load = [this](const std::string& path) { return mResources.LoadTexture(path); };
    mpHeroSheet = load(files::kPlayerSheet);
    mPlayer.SetPlayerTexture(mpHeroSheet);
    mPlayer.SetDownTexture(load(files::kPlayerDefeated));
    mpMiniSheet = load(files::kMiniPlayerSheet);
    mPlayer.SetMiniTexture(mpMiniSheet);
    mPlayer.SetStockTexture(load(files::kShotBubbles));
    mPlayer.SetStockAlphaTexture(load(files::kShotBubblesAlpha));
    mPlayer.SetHpTexture(load(files::kHpIcon));
    mPlayer.SetTrailTexture(load(files::kStarBubble));
    mPlayer.SetTrailAlphaTexture(load(files::kStarBubbleAlpha));
    mPlayer.SetDigitTexture(load(files::kDigits));
    mPlayer.SetEnemyFaceTexture(load(files::kEnemyFace));
    mPlayer.SetMonaTexture(load(files::kMonaBubbles));
    mPlayer.SetMonaAlphaTexture(load(files::kMonaBubblesAlpha));
    mPlayer.SetBubbleTexture(load(files::kShotBubbles));
    mPlayer.SetBubbleAlphaTexture(load(files::kShotBubblesAlpha));
    mBackGround.SetLowerTexture(load(mpFrame->mStage.lowerBackground));
    mBackGround.SetUpperTexture(load(mpFrame->mStage.upperBackground));
    mpMap->SetChipTexture(load(mpFrame->mStage.mapChips));
    mpMap->SetStarTexture(load(files::kGoalStar));
    mpMap->SetSignTexture(load(files::kSigns));
    mpMap->SetPitTexture(load(files::kPitShade));
    mPause.SetTexture(load(files::kLabels));
    mpFontTexture = load(files::kFont);
    mPause.SetFontTexture(mpFontTexture);
    LetterSigns();
}

// Pictures shared by every enemy or item of a kind, each loaded once.
void CGame::LoadSharedPictures()
{
    auto load = [this](const char* path) { return mResources.LoadTexture(path); };
    EnemyPictures& enemies = mEnemyPictures;
    enemies.walkBody = load(files::kWalkEnemySheet);
    enemies.flyBody = load(files::kFlyEnemySheet);
    enemies.flySpin = load(files::kFlyEnemySpin);
    enemies.bullet = load(files::kFlyEnemyBullet);
    enemies.slimeBody = load(files::kSlimeSheet);
    mScoreLook.picture = load(files::kScoreStar);
    mScoreLook.bubble = load(files::kStarBubble);
    mScoreLook.bubbleAlpha = load(files::kStarBubbleAlpha);
    enemies.glow = load(files::kGlow);
    enemies.enemyBubble = load(files::kEnemyBubbles);
    enemies.enemyBubbleAlpha = load(files::kEnemyBubblesAlpha);
    enemies.slimeBubble = load(files::kSlimeBubbles);
    enemies.slimeBubbleAlpha = load(files::kSlimeBubblesAlpha);
    mHealLook.picture = load(files::kHealHeart);
    mHealLook.bubble = load(files::kHealBubble);
    mHealLook.bubbleAlpha = load(files::kHealBubbleAlpha);
    // The jumping enemies have a sheet of their own (three 64 x 80 frames).
    enemies.jumpBody = load(files::kJumpEnemySheet);
    mPlayer.SetStarTexture(mScoreLook.picture);
    mPlayer.SetStarBubbleTexture(mScoreLook.bubble);
    mPlayer.SetStarBubbleAlphaTexture(mScoreLook.bubbleAlpha);
}

// The player's twelve effects; the last, the pop, is also lent to every enemy.
void CGame::LoadSounds()
{
    for (const PlayerSound& effect : kPlayerSounds) {
        platform::SoundBuffer* sound = mResources.LoadSound(effect.file);
        mPlayer.SetSound(effect.slot, sound);
        if (effect.slot == SND_POP) mpSndPop = sound;
    }
    mEnemyPictures.pop = mpSndPop;
}

void CGame::StartMusic()
{
    mpMusic = mResources.LoadMusic(mpFrame->mStage.music);
    Disable3D(mpMusic);
    mpGoalJingle = mResources.LoadMusic(files::kSndGoal);
    if (mpMusic != nullptr) mpMusic->SetCurrentPosition(0);
    LoopSound(mpMusic);
}

void CGame::LoadGrids()
{
    const StageDescription& stage = mpFrame->mStage;
    mpMap->Init();
    mpMap->LoadMap(stage.tileMap);
    mpMap->LoadEnemyMap(stage.enemyMap);
    mpMap->LoadScoreMap(stage.scoreMap);
    mpMap->LoadRecoveryMap(stage.recoveryMap);
    mpMap->LoadSignMap(stage.signMap);
}

// The map hands back what its grids hold, in grid order.
void CGame::SpawnFromGrids()
{
    mpMap->SpawnEnemies([this](int32_t code, float x, float y) { SpawnEnemyOfCode(code, x, y); });
    mpMap->SpawnScoreItems([this](int32_t code, float x, float y) {
        if (ScoreValue(code) == 0) return;
        AddScoreTotal(ScoreValue(code));
        // A big star sits on the corner it shares with the cells right and below.
        const float corner = code == kScoreBig ? kCellSize / 2.0f : 0.0f;
        SpawnScore(x + corner, y + corner, code);
    });
    mpMap->SpawnHealItems([this](int32_t code, float x, float y) {
        if (code == kHealHeart) SpawnHeal(x, y);
    });
}

// The hero's contacts see every enemy in the stage's order of kinds, whenever one is made.
void CGame::ListContactEnemies()
{
    mContactEnemies.clear();
    ForEachEnemy([this](CEnemyBase& enemy, int) { mContactEnemies.push_back(&enemy); });
}

void CGame::SpawnEnemyOfCode(int32_t code, float x, float y)
{
    auto spawnIfCode = [&]<class... Kinds>(KindList<Kinds...>) {
        ((code == EnemyKind<Kinds>::kSpawnCode ? Spawn<Kinds>(x, y) : void()), ...);
    };
    spawnIfCode(StageEnemyKinds{});
}

void CGame::SpawnScore(float x, float y, int kind)
{
    auto item = std::make_unique<CScore>();
    item->Spawn({x + mScoreItemSize / 2.0f, y + mScoreItemSize / 2.0f});
    item->SetKind(kind);
    item->SetResources(mScoreLook);
    mContactScores.push_back(item.get());
    mScores.push_back(std::move(item));
}

void CGame::SpawnHeal(float x, float y)
{
    auto item = std::make_unique<CHeal>();
    item->Spawn({x + mHealItemSize / 2.0f, y + mHealItemSize / 2.0f});
    item->SetResources(mHealLook);
    mContactHeals.push_back(item.get());
    mHeals.push_back(std::move(item));
}

// Jumping enemies run like every other kind: an undrawn enemy that still hurts would be unfair.
void CGame::InitObjects()
{
    ForEachIn(
        [this](auto& item, int) {
            item.SetGame(this);
            item.Activate();
        },
        mScores, mHeals);
    ForEachEnemy(
        [this](auto& enemy, int) {
            enemy.SetGame(this);
            enemy.Init();
        },
        StageEnemyInitOrder{});
    // The flying enemies are handed their bullets' picture once more.
    for (auto& enemy : GetFlyEnemies()) enemy->SetBulletTexture(mEnemyPictures.bullet);
}

SceneId CGame::Update()
{
    if (mRefused) return SCENE_TITLE;
    if (mPause.Update()) return SCENE_NONE;
    SceneId result = SCENE_NONE;
    if (mpFrame->Input().Held(platform::VK_M)) {
        result = SCENE_TITLE;
        StopSound(mpMusic);
    }
    if (mpFrame->Input().Held(platform::VK_C)) {
        result = SCENE_CLEAR;
        StopSound(mpMusic);
    }
    // A continued game: back to the last safe place with the score kept and a grace period.
    if (mpFrame->mRetry) {
        mPlayer.Continue(mpFrame->mRespawnPos, mpFrame->mScore, kContinueInvincibleFrames);
        mpFrame->mRetry = false;
    }
    if (!mStageCleared) {
        mPlayer.Update();
        SetScore(mPlayer.Score());
        const bool alive = mPlayer.Alive();
        if (alive) mCamera.Update();
        mpMap->Update(mCamera.GetPos());
        if (mpMap->StarFinished()) SetStageCleared();
        SetRespawnPos(mpMap->Respawn().x, mpMap->Respawn().y);
        if (alive) {
            ForEachIn([](auto& item, int) { item.Update(); }, mScores, mHeals);
            ForEachEnemy([](CEnemyBase& enemy, int index) { enemy.Update(index); });
        }
    }
    mpFrame->mScore = mScore;
    mpFrame->mScoreTotal = mStageScoreTotal;
    mpFrame->mRespawnPos = mRespawnPos;
    if (mStageCleared) result = SCENE_CLEAR;
    if (!mPlayer.Alive()) StopSound(mpMusic);
    if (mPlayer.mGameOver) result = SCENE_OVER;
    if (mpMap->mGoal) StopSound(mpMusic);
    if (mpMap->mGoal && !mGoalJinglePlayed) {
        // The music stops at the goal; the jingle marks the moment while the star turns.
        PlaySound(mpGoalJingle);
        mGoalJinglePlayed = true;
    }
    mpFrame->mRun.Track(mStageCleared, mpFrame->Input());
    // A run's path is only ever kept beside the best results.
    if (mpFrame->BestResults() != nullptr) mpFrame->GhostRace().Record(GhostFrameOf(mPlayer));
    return result;
}

void CGame::Draw(platform::Sprite* sprite, platform::Device* device)
{
    if (mRefused) return;
    // Keys bound anew in the pause's options show on the signs at once.
    if (mpFrame->SettingsRevision() != mSignsLetteredFor) LetterSigns();
    mBackGround.Draw(sprite);
    mpMap->DrawBackdrop(sprite);
    mpMap->DrawTiles(sprite);
    auto draw = [sprite, device](auto& object, int) { object.Draw(sprite, device); };
    ForEachEnemy(draw);
    ForEachIn(draw, mScores, mHeals);
    // The ghost runs behind the hero, over everything else of the stage.
    if (const GhostFrame* ghost = GhostNow()) {
        DrawGhostHero(sprite, mpHeroSheet, mpMiniSheet, *ghost, mCamera.GetPos());
    }
    mPlayer.Draw(sprite, device);
    mpMap->DrawGoalStar(sprite);
    mPlayer.DrawHud(sprite, device);
    DrawRaceClock(sprite, mpFontTexture, mpFrame->mRun.frames, GhostGap());
    mPause.Draw(sprite);
}

void CGame::Release()
{
    mPause.Release();
    mPlayer.Release();
    mBackGround.Release();
    mpMap->ReleaseTextures();
    ForEachIn([](auto& object, int) { object.Release(); }, mScores, mHeals);
    ForEachEnemy([](CEnemyBase& enemy, int) { enemy.Release(); });
    mEnemyPictures = {};
    mScoreLook = mHealLook = {};
    StopSound(mpMusic);
    mpSndPop = nullptr;
    mpMusic = nullptr;
    mpGoalJingle = nullptr;
    mpFontTexture = mpHeroSheet = mpMiniSheet = nullptr;
    mResources.ReleaseAll();
}

GhostFrame CGame::GhostFrameOf(const CPlayer& player)
{
    GhostFrame frame;
    frame.x = player.GetPos().x;
    frame.y = player.GetPos().y;
    frame.width = static_cast<uint8_t>(player.mWidth);
    frame.height = static_cast<uint8_t>(player.mHeight);
    frame.anim = player.AnimState() == CPlayer::kAnimMini ? 255 : static_cast<uint8_t>(player.AnimState());
    frame.cell = static_cast<uint8_t>(player.AnimFrame());
    frame.facing = player.GetDir() < 0 ? -1 : 1;
    return frame;
}

// The ghost's frame of the same number as the run's last one; none once its run has ended.
const GhostFrame* CGame::GhostNow() const
{
    const GhostPath* ghost = mpFrame->GhostRace().Ghost();
    const long frame = mpFrame->mRun.frames - 1;
    if (ghost == nullptr || frame < 0 || static_cast<size_t>(frame) >= ghost->Size()) return nullptr;
    return &ghost->At(static_cast<size_t>(frame));
}

// Frames behind the ghost (negative: ahead), measured where the hero stands: the frames this run
// took to first get as far as here against those the ghost took.
std::optional<long> CGame::GhostGap() const
{
    const GhostPath* ghost = mpFrame->GhostRace().Ghost();
    if (ghost == nullptr) return std::nullopt;
    const float x = mPlayer.GetPos().x;
    const std::optional<size_t> ghostThere = ghost->FirstFrameAt(x);
    const std::optional<size_t> runThere = mpFrame->GhostRace().Run().FirstFrameAt(x);
    if (!ghostThere || !runThere) return std::nullopt;
    return static_cast<long>(*runThere) - static_cast<long>(*ghostThere);
}

namespace {

// Each object of a list into the values, which take the list's length.
template <class T>
void SaveList(const OwnedList<T>& list, std::vector<T>& values)
{
    values.resize(list.size());
    for (size_t i = 0; i < list.size(); ++i) values[i] = *list[i];
}

// The values back into the objects; a snapshot of this very stage has as many as the list.
template <class T>
void RestoreList(OwnedList<T>& list, const std::vector<T>& values)
{
    ZEM_ASSERT(values.size() == list.size(), L"a stage snapshot is restored into the stage it was taken from");
    for (size_t i = 0; i < std::min(list.size(), values.size()); ++i) *list[i] = values[i];
}

} // namespace

void CGame::SaveState(StageSnapshot& snapshot) const
{
    mpFrame->SaveRun(snapshot.run);
    snapshot.score = mScore;
    snapshot.stageScoreTotal = mStageScoreTotal;
    snapshot.respawnPos = mRespawnPos;
    snapshot.stageCleared = mStageCleared;
    snapshot.goalJinglePlayed = mGoalJinglePlayed;
    snapshot.player = mPlayer;
    snapshot.camera = mCamera;
    mpMap->SavePlay(snapshot.map);
    snapshot.pause = mPause.SaveState();
    std::apply([this](auto&... values) { (SaveList(std::get<OwnedList<typename std::decay_t<decltype(values)>::value_type>>(mEnemies), values), ...); },
               snapshot.enemies);
    SaveList(mScores, snapshot.scores);
    SaveList(mHeals, snapshot.heals);
}

void CGame::RestoreState(const StageSnapshot& snapshot)
{
    mpFrame->RestoreRun(snapshot.run);
    mScore = snapshot.score;
    mStageScoreTotal = snapshot.stageScoreTotal;
    mRespawnPos = snapshot.respawnPos;
    mStageCleared = snapshot.stageCleared;
    mGoalJinglePlayed = snapshot.goalJinglePlayed;
    mPlayer = snapshot.player;
    mCamera = snapshot.camera;
    mpMap->RestorePlay(snapshot.map);
    mPause.RestoreState(snapshot.pause);
    std::apply([this](const auto&... values) { (RestoreList(std::get<OwnedList<typename std::decay_t<decltype(values)>::value_type>>(mEnemies), values), ...); },
               snapshot.enemies);
    RestoreList(mScores, snapshot.scores);
    RestoreList(mHeals, snapshot.heals);
}
