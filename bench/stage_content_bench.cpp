// What a stage's content costs a frame: many enemies (or pick-ups) of one kind crowded into the
// first screen, drawn by SDL on the offscreen driver; and many enemies spread over the whole
// stage, run without drawing. These figures set the stage's limits (map/StageLimits.h).
// Run from the run directory (make bench does).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "OffscreenRenderer.h"
#include "app/AssetFiles.h"
#include "app/GameFrame.h"
#include "app/Geometry.h"
#include "app/StageDescription.h"
#include "map/CellCodes.h"
#include "map/StageLimits.h"
#include "platform/SdlRender.h"
#include "platform/SdlSystem.h"
#include "scenes/Game.h"
#include "scenes/SceneFactory.h"
#include "support/FakePlatform.h"

namespace {

// What the benchmarks crowd into a stage: one of the four enemy kinds by its spawn code, or a pick-up.
enum Content : int {
    kWalkers = kSpawnWalkEnemy,
    kJumpers = kSpawnJumpEnemy,
    kFlyers = kSpawnFlyEnemy,
    kSlimes = kSpawnSlime,
    kSmallStars = 10,
    kBigStars = 11,
    kHearts = 12,
};

// Big stars and hearts fill the 2 x 2 block to their right and below.
bool FillsTwoByTwo(Content content)
{
    return content == kBigStars || content == kHearts;
}

// The five grids of a stage, each cell 0 until set.
struct Grids {
    StageGrid tiles = {};
    StageGrid enemies = {};
    StageGrid scores = {};
    StageGrid heals = {};
};

// A stage folder in a temporary directory of its own, removed with it.
class TemporaryStage {
public:
    explicit TemporaryStage(const Grids& grids)
    {
        mFolder = std::filesystem::temp_directory_path() / ("zem-bench-stage-" + std::to_string(getpid()) + "-" +
                                                            std::to_string(++sCount));
        std::filesystem::create_directories(mFolder);
        Write(files::kTileMapName, grids.tiles);
        Write(files::kEnemyMapName, grids.enemies);
        Write(files::kScoreMapName, grids.scores);
        Write(files::kRecoveryMapName, grids.heals);
    }
    ~TemporaryStage()
    {
        std::error_code ignored;
        std::filesystem::remove_all(mFolder, ignored);
    }
    TemporaryStage(const TemporaryStage&) = delete;
    TemporaryStage& operator=(const TemporaryStage&) = delete;

    // The game's first stage with this folder's grids and no signs.
    StageDescription Description() const
    {
        StageDescription stage = FirstStage();
        stage.id = "bench";
        stage.tileMap = (mFolder / files::kTileMapName).string();
        stage.enemyMap = (mFolder / files::kEnemyMapName).string();
        stage.scoreMap = (mFolder / files::kScoreMapName).string();
        stage.recoveryMap = (mFolder / files::kRecoveryMapName).string();
        stage.signMap.clear();
        return stage;
    }

private:
    void Write(const char* name, const StageGrid& grid) const
    {
        std::ofstream out(mFolder / name);
        for (const auto& row : grid) {
            for (int c = 0; c < kMapCols; ++c) out << (c > 0 ? "," : "") << row[c];
            out << '\n';
        }
    }

    static inline int sCount = 0;
    std::filesystem::path mFolder;
};

// The hero starts at the game's start (200, 1300), so the camera shows columns 0-31, rows 18-35.
constexpr int kFirstScreenColumns = 32;
constexpr int kFloorRow = kMapRows - 1;

// Grass along the bottom row, and an enemy wall at both sides of the first screen so that what
// walks there stays there.
Grids FloorWithPen()
{
    Grids grids;
    for (int c = 0; c < kMapCols; ++c) grids.tiles[kFloorRow][c] = kTileGrass;
    for (int r = 0; r < kFloorRow; ++r) {
        grids.tiles[r][0] = kTileEnemyWall;
        grids.tiles[r][kFirstScreenColumns - 1] = kTileEnemyWall;
    }
    return grids;
}

// What one of `content` weighs against a screen's limit.
int UnitsOf(Content content)
{
    switch (content) {
    case kSmallStars: return ScoreUnits(kScoreSmall);
    case kBigStars: return ScoreUnits(kScoreBig);
    case kHearts: return HealUnits(kHealHeart);
    default: return EnemyUnits(content);
    }
}

// `count` of `content` inside the first screen's pen, row by row up from the floor (what fills
// 2 x 2 cells on every other cell of every other row).
Grids CrowdedFirstScreen(Content content, int count)
{
    Grids grids = FloorWithPen();
    const int step = FillsTwoByTwo(content) ? 2 : 1;
    const int perRow = (kFirstScreenColumns - 2) / step;
    for (int i = 0; i < count; ++i) {
        const int row = kFloorRow - 1 - (i / perRow) * step - (step - 1);
        const int column = 1 + (i % perRow) * step;
        if (row < 0) break;
        switch (content) {
        case kSmallStars: grids.scores[row][column] = kScoreSmall; break;
        case kBigStars: grids.scores[row][column] = kScoreBig; break;
        case kHearts: grids.heals[row][column] = kHealHeart; break;
        default: grids.enemies[row][column] = content; break;
        }
    }
    return grids;
}

// `count` enemies of the four kinds in turn, spread evenly over the stage past the first screen,
// each on a floor of its own column.
Grids SpreadOverStage(int count)
{
    Grids grids;
    for (int c = 0; c < kMapCols; ++c) grids.tiles[kFloorRow][c] = kTileGrass;
    const int kinds[] = {kSpawnWalkEnemy, kSpawnJumpEnemy, kSpawnFlyEnemy, kSpawnSlime};
    const int columns = kMapCols - kFirstScreenColumns;
    const long cells = static_cast<long>(columns) * kFloorRow;
    for (int i = 0; i < count && i < cells; ++i) {
        // Column-major over the free cells, stepping so that the enemies cover the whole width.
        const long cell = static_cast<long>(i) * cells / count;
        const int column = kFirstScreenColumns + static_cast<int>(cell % columns);
        const int row = kFloorRow - 1 - static_cast<int>(cell / columns);
        grids.enemies[row][column] = kinds[i % 4];
    }
    return grids;
}

// The frame with the stage chosen, started from the title, holding Z (the hero cannot be hurt,
// so a crowd does not end the stage), run `warmUp` frames so that what falls has landed. Frames
// drawn by `renderer` are finished one by one.
std::unique_ptr<CGameFrameConstruct> StartStage(FakePlatform& fake, const platform::Platform& services,
                                                const StageDescription& stage, int warmUp,
                                                platform::SdlSystem* renderer = nullptr)
{
    auto frame = std::make_unique<CGameFrameConstruct>(services);
    frame->Init();
    frame->SetStageLimitsChecked(false); // the crowds measured include those the limits refuse
    frame->SetStages({stage});
    frame->Start(CreateScene);
    fake.keyboard.Press(platform::VK_RETURN);
    auto run = [&] {
        frame->RunFrame();
        if (renderer != nullptr) renderer->Device().FinishFrame();
    };
    run();
    fake.keyboard.ReleaseAll();
    fake.keyboard.Press(platform::VK_Z);
    for (int i = 0; i < warmUp; ++i) run();
    return frame;
}

// The enemies (of every kind) alive and drawn where the camera is now.
int EnemiesOnScreen(CGame& game)
{
    const float left = game.CameraPos().x - 100.0f;
    const float right = game.CameraPos().x + kScreenWidth + 100.0f;
    int count = 0;
    auto add = [&](auto& list) {
        for (const auto& enemy : list) count += enemy->GetPos().x > left && enemy->GetPos().x < right ? 1 : 0;
    };
    add(game.GetEnemies());
    add(game.GetJumpEnemies());
    add(game.GetFlyEnemies());
    add(game.GetSlimes());
    return count;
}

// Rendered frames of the first screen crowded with range(1) of the content range(0); the time
// is one frame's, the CPU time of the whole process.
void BM_CrowdedScreenRendered(benchmark::State& state)
{
    const auto content = static_cast<Content>(state.range(0));
    const int count = static_cast<int>(state.range(1));
    auto system = OffscreenRenderer(state);
    if (!system) return;
    const TemporaryStage stage(CrowdedFirstScreen(content, count));
    FakePlatform fake;
    fake.audio.SetKeepOperations(false);
    platform::Platform services = fake.Services();
    services.device = &system->Device();
    services.sprite = &system->Sprite();
    auto frame = StartStage(fake, services, stage.Description(), 120, system.get());
    auto* game = dynamic_cast<CGame*>(frame->SceneManager().Current());
    if (game == nullptr) {
        state.SkipWithError("the stage did not start");
        return;
    }
    const long long callsBefore = system->Sprite().GeometryCalls();
    for (auto _ : state) {
        frame->RunFrame();
        system->Device().FinishFrame();
    }
    const auto frames = static_cast<double>(state.iterations());
    state.counters["enemiesShown"] = EnemiesOnScreen(*game);
    state.counters["calls/frame"] = static_cast<double>(system->Sprite().GeometryCalls() - callsBefore) / frames;
}

// The empty screen; each kind alone at the limit of a screen (StageLimits.h); the walkers twice
// that, as when those that turn at a wall meet those that follow; the stage's most enemies, as
// slimes that have hopped into one pit; and crowds the limits refuse: 1,000 walkers, and many of
// each kind, which weigh the kinds against each other.
void CrowdedScreens(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Args({kWalkers, 0});
    for (const Content kind : {kWalkers, kJumpers, kFlyers, kSlimes, kSmallStars, kBigStars, kHearts}) {
        benchmark->Args({kind, kScreenUnitsLimit / UnitsOf(kind)});
    }
    benchmark->Args({kWalkers, 2 * kScreenUnitsLimit});
    benchmark->Args({kSlimes, kStageEnemyLimit});
    benchmark->Args({kWalkers, 1000});
    for (const Content kind : {kWalkers, kJumpers, kFlyers, kSmallStars}) benchmark->Args({kind, 300});
    for (const Content kind : {kBigStars, kHearts}) benchmark->Args({kind, 100});
}
BENCHMARK(BM_CrowdedScreenRendered)
    ->Apply(CrowdedScreens)
    ->ArgNames({"kind", "count"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60)
    ->MeasureProcessCPUTime();

// Frames of a stage with range(0) enemies spread over it, the first screen empty: the game's
// rules and the drawing into the recording sprite, no rendering. Every enemy updates every frame.
void BM_SpreadEnemiesFrame(benchmark::State& state)
{
    const TemporaryStage stage(SpreadOverStage(static_cast<int>(state.range(0))));
    FakePlatform fake;
    fake.sprite.SetKeepDraws(false);
    fake.audio.SetKeepOperations(false);
    auto frame = StartStage(fake, fake.Services(), stage.Description(), 120);
    if (dynamic_cast<CGame*>(frame->SceneManager().Current()) == nullptr) {
        state.SkipWithError("the stage did not start");
        return;
    }
    for (auto _ : state) frame->RunFrame();
}
BENCHMARK(BM_SpreadEnemiesFrame)->Arg(0)->Arg(kStageEnemyLimit)->Arg(1000)->Arg(4000)->Arg(11000)->Unit(benchmark::kMicrosecond);

// Loading such a stage: the frame that leaves the title and makes every enemy.
void BM_SpreadEnemiesLoad(benchmark::State& state)
{
    const TemporaryStage stage(SpreadOverStage(static_cast<int>(state.range(0))));
    FakePlatform fake;
    fake.sprite.SetKeepDraws(false);
    fake.audio.SetKeepOperations(false);
    for (auto _ : state) benchmark::DoNotOptimize(StartStage(fake, fake.Services(), stage.Description(), 0));
}
BENCHMARK(BM_SpreadEnemiesLoad)->Arg(0)->Arg(kStageEnemyLimit)->Arg(4000)->Arg(11000)->Unit(benchmark::kMillisecond);

} // namespace
