#include "solver/StageSolver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_set>

#include "app/Geometry.h"
#include "map/CellCodes.h"
#include "map/Map.h"
#include "platform/Keyboard.h"
#include "scenes/Game.h"
#include "scenes/StageSnapshot.h"
#include "solver/StageRunner.h"

namespace {

constexpr int kSegment = 24;          // frames of one move
constexpr int kLookahead = 40;        // frames of waiting a kept move must survive unhurt
constexpr float kScoreWeight = 25.0f; // pixels of progress one point of score is worth
constexpr float kAirWeight = 3.0f;    // pixels of progress one frame off the ground costs
constexpr int kMaxAirborne = 240;     // the longest stretch off the ground a route may hold (4 s)
constexpr int kStallLimit = 14;       // moves without new ground before the search backs off further
constexpr float kBlockedBonus = 10.0f;
constexpr float kBlockedGain = 10.0f; // pixels right below which the hero counts as blocked
constexpr float kWalkGain = 100.0f;   // pixels right that walking on must make to be taken at once
// The search gives up when this many frames of play bring the hero no further right.
constexpr long kFramesWithoutGain = 400000;
// Frames on the result screen after the goal: it has counted the score by then.
constexpr int kResultFrames = 400;

constexpr int R = platform::VK_RIGHT;
constexpr int L = platform::VK_LEFT;
constexpr int U = platform::VK_UP;
constexpr int D = platform::VK_DOWN;
constexpr int S = platform::VK_SPACE;

struct Hold {
    std::initializer_list<int> keys;
    int frames;
};

// A move: keys held for a number of frames, one after the other.
struct Move {
    const char* name;
    std::vector<FrameInput> frames;
};

Move MakeMove(const char* name, std::initializer_list<Hold> holds)
{
    Move move{name, {}};
    for (const Hold& hold : holds) {
        FrameInput input;
        for (int key : hold.keys) input.Hold(key);
        move.frames.insert(move.frames.end(), static_cast<size_t>(hold.frames), input);
    }
    return move;
}

// Each move starts from released Up, Down and Space, so that its presses are new presses.
const std::vector<Move>& Moves()
{
    static const std::vector<Move> moves = {
        MakeMove("right", {{{R}, kSegment}}),
        MakeMove("jump", {{{R, U}, 2}, {{R}, kSegment - 2}}),
        MakeMove("jump-late", {{{R}, 8}, {{R, U}, 2}, {{R}, kSegment - 10}}),
        MakeMove("hop", {{{U}, 2}, {{}, kSegment - 2}}),
        MakeMove("wait", {{{}, kSegment}}),
        MakeMove("shoot", {{{R}, 1}, {{S}, 2}, {{}, kSegment - 3}}),
        MakeMove("turn-shoot", {{{L}, 1}, {{S}, 2}, {{}, kSegment - 3}}),
        MakeMove("jump-shoot", {{{R, U}, 2}, {{R}, 14}, {{S}, 2}, {{}, kSegment - 18}}),
        MakeMove("hop-shoot", {{{U}, 2}, {{}, 14}, {{S}, 2}, {{}, kSegment - 18}}),
        MakeMove("jump-mona", {{{R, U}, 2}, {{R}, 17}, {{R, D}, 2}, {{R}, kSegment - 21}}),
        MakeMove("hop-mona", {{{U}, 2}, {{}, 17}, {{D}, 2}, {{}, kSegment - 21}}),
        MakeMove("form", {{{D}, 2}, {{}, kSegment - 2}}),
        MakeMove("left", {{{L}, kSegment}}),
        MakeMove("jump-left", {{{L, U}, 2}, {{L}, kSegment - 2}}),
    };
    return moves;
}

// A change of form takes over 30 frames, so this move walks on after it (two segments long). It
// is tried only where no other move gets the hero further right (a tunnel only the mini form
// fits, a wall only the big form climbs), and wins a tie there.
const Move& FormAndGo()
{
    static const Move move = MakeMove("form-go", {{{D}, 2}, {{}, 38}, {{R}, 2 * kSegment - 40}});
    return move;
}

// What a move led to, judged over the move and the wait after it.
struct Outcome {
    const Move* move = nullptr;
    float value = 0.0f;
    bool done = false; // the goal was touched
    float x = 0.0f;
    int hp = 0;
    int airborneAtEnd = 0;
    float height = 0.0f; // where the hero last stood (its feet, negated)
    size_t touchFrame = 0; // the goal was touched after this many frames of the move and wait
};

// One step of the route: the stage as it stood, and the moves from there still to try.
struct Level {
    StageSnapshot snapshot;
    size_t routeLength = 0; // frames of the route up to here, from the stage's first
    int hp = 0;
    int airborne = 0;
    float x = 0.0f;
    bool weighed = false;     // the moves were weighed
    bool allWeighed = false;  // beyond walking on
    std::vector<Outcome> ranked;
};

class Search {
public:
    Search(const std::vector<StageDescription>& stages, int stageIndex, int openStages, bool allowHurt,
           const std::function<void(const SolveProgress&)>& progress)
        : mRunner(stages, stageIndex, openStages), mAllowHurt(allowHurt), mProgress(progress)
    {
        mTitle = mRunner.TitleFrames();
        for (const FrameInput& input : mTitle) mRunner.Step(input);
        mpGame = mRunner.Stage();
    }

    bool Started() const { return mpGame != nullptr; }

    // The route from the stage's first frame to the goal touch, or nothing.
    std::optional<std::vector<FrameInput>> Run();

    const std::vector<FrameInput>& Title() const { return mTitle; }
    int FurthestColumn() const { return static_cast<int>(mFurthest / kCellSize); }
    long FurthestFrame() const { return mFurthestFrame; }
    long FramesPlayed() const { return mFramesPlayed; }
    long Candidates() const { return mCandidates; }

private:
    std::optional<Outcome> Judge(const Level& level, const Move& move);
    void Weigh(Level& level);
    void Play(const FrameInput& input)
    {
        mRunner.Step(input);
        ++mFramesPlayed;
    }
    bool StillInStage() const { return mRunner.Stage() == mpGame; }
    void Report(size_t routeLength)
    {
        if (mProgress) mProgress({FurthestColumn(), static_cast<long>(routeLength), mFramesPlayed});
    }
    // A coarse picture of where the hero is: a second way to the same place is not searched again.
    uint64_t PlaceKey() const;

    CStageRunner mRunner;
    CGame* mpGame = nullptr;
    bool mAllowHurt = false;
    std::function<void(const SolveProgress&)> mProgress;
    std::vector<FrameInput> mTitle;
    std::vector<std::unique_ptr<Level>> mStack;
    std::vector<FrameInput> mRoute;
    std::unordered_set<uint64_t> mPlaces;
    float mFurthest = 0.0f;
    long mFurthestFrame = 0;
    long mFramesPlayed = 0;
    long mFramesAtGain = 0;
    long mCandidates = 0;
};

uint64_t Search::PlaceKey() const
{
    const CPlayer& hero = mpGame->GetPlayer();
    const auto x = static_cast<uint64_t>(std::max(0.0f, hero.GetPos().x) / 8.0f);
    const auto y = static_cast<uint64_t>(std::max(0.0f, hero.GetPos().y + 400.0f) / 8.0f);
    const auto score = static_cast<uint64_t>(std::max(0, mpGame->Score()));
    return x | (y << 16) | (static_cast<uint64_t>(hero.Mini()) << 32) | (static_cast<uint64_t>(hero.OnGround()) << 33) |
           (static_cast<uint64_t>(std::max(0, hero.Hp())) << 34) | (score << 40);
}

std::optional<Outcome> Search::Judge(const Level& level, const Move& move)
{
    ++mCandidates;
    mpGame->RestoreState(level.snapshot);
    Outcome outcome;
    outcome.move = &move;
    int hp = level.hp;
    int run = level.airborne;
    int airFrames = 0;
    std::optional<float> stood;
    float lowest = -std::numeric_limits<float>::infinity();
    const FrameInput none;
    const int frames = static_cast<int>(move.frames.size());
    for (int i = 0; i < frames + kLookahead; ++i) {
        Play(i < frames ? move.frames[static_cast<size_t>(i)] : none);
        if (!StillInStage()) return std::nullopt; // lost (the goal is seen long before the result)
        if (mpGame->GetMap().GoalReached()) {
            outcome.done = true;
            outcome.value = std::numeric_limits<float>::infinity();
            outcome.touchFrame = static_cast<size_t>(i + 1);
            return outcome;
        }
        const CPlayer& hero = mpGame->GetPlayer();
        if (!hero.Alive() || (hero.Hp() < hp && !mAllowHurt)) return std::nullopt;
        hp = hero.Hp();
        run = hero.OnGround() ? 0 : run + 1;
        if (run > kMaxAirborne) return std::nullopt;
        const float feet = hero.GetPos().y + hero.mHeight / 2.0f;
        if (hero.OnGround()) stood = feet;
        lowest = std::max(lowest, feet);
        if (i < frames) {
            airFrames += hero.OnGround() ? 0 : 1;
            outcome.airborneAtEnd = run;
        }
        if (i == frames - 1) {
            outcome.x = hero.GetPos().x;
            outcome.hp = hero.Hp();
            outcome.value = hero.GetPos().x + kScoreWeight * static_cast<float>(mpGame->Score()) -
                            kAirWeight * static_cast<float>(airFrames);
        }
    }
    outcome.height = -(stood ? *stood : lowest);
    return outcome;
}

void Search::Weigh(Level& level)
{
    const bool first = !level.weighed;
    level.weighed = true;
    if (first) {
        // Walking on gets on and ends on the ground: a person walks; the other moves are only
        // weighed if the search comes back here.
        const std::optional<Outcome> walked = Judge(level, Moves()[0]);
        if (walked && (walked->done || (walked->x >= level.x + kWalkGain && walked->airborneAtEnd == 0))) {
            level.ranked = {*walked};
            return;
        }
    }
    level.allWeighed = true;
    std::vector<Outcome> results;
    for (const Move& move : Moves()) {
        if (!first && &move == &Moves()[0]) continue; // walking on was taken already
        if (const std::optional<Outcome> outcome = Judge(level, move)) results.push_back(*outcome);
    }
    const bool blocked = std::none_of(results.begin(), results.end(), [&level](const Outcome& o) {
        return o.done || o.x > level.x + kBlockedGain;
    });
    if (blocked) {
        // Against a wall: climbing is progress, and a change of form may open the way.
        if (std::optional<Outcome> outcome = Judge(level, FormAndGo())) {
            outcome->value += kBlockedBonus;
            results.push_back(*outcome);
        }
        for (Outcome& outcome : results) outcome.value += outcome.height;
    }
    std::stable_sort(results.begin(), results.end(),
                     [](const Outcome& a, const Outcome& b) { return a.value > b.value; });
    level.ranked = std::move(results);
}

std::optional<std::vector<FrameInput>> Search::Run()
{
    auto start = std::make_unique<Level>();
    mpGame->SaveState(start->snapshot);
    start->hp = mpGame->GetPlayer().Hp();
    start->x = mpGame->GetPlayer().GetPos().x;
    mFurthest = start->x;
    mStack.push_back(std::move(start));
    size_t lastGainDepth = 0;
    while (!mStack.empty()) {
        Level& level = *mStack.back();
        if (!level.weighed || (level.ranked.empty() && !level.allWeighed)) Weigh(level);
        if (level.ranked.empty()) {
            mStack.pop_back();
            continue;
        }
        const Outcome chosen = level.ranked.front();
        level.ranked.erase(level.ranked.begin());
        mRoute.resize(level.routeLength);
        if (chosen.done) {
            const size_t taken = std::min(chosen.touchFrame, chosen.move->frames.size());
            mRoute.insert(mRoute.end(), chosen.move->frames.begin(), chosen.move->frames.begin() + static_cast<long>(taken));
            mRoute.resize(level.routeLength + chosen.touchFrame); // a touch in the wait after the move waits
            return mRoute;
        }
        if (chosen.x > mFurthest + 1.0f) {
            mFurthest = chosen.x;
            mFurthestFrame = static_cast<long>(level.routeLength + chosen.move->frames.size());
            mFramesAtGain = mFramesPlayed;
            lastGainDepth = mStack.size();
        } else if (mFramesPlayed - mFramesAtGain > kFramesWithoutGain) {
            return std::nullopt;
        } else if (mStack.size() - lastGainDepth > static_cast<size_t>(kStallLimit)) {
            // Wandering without progress: drop the last few steps and try their alternatives.
            mStack.resize(mStack.size() - kStallLimit / 2);
            lastGainDepth = mStack.size();
            continue;
        }
        // Take the move for real and keep where it leads.
        mpGame->RestoreState(level.snapshot);
        for (const FrameInput& input : chosen.move->frames) Play(input);
        if (!mPlaces.insert(PlaceKey()).second) continue; // been here before by another way
        auto next = std::make_unique<Level>();
        mpGame->SaveState(next->snapshot);
        next->routeLength = level.routeLength + chosen.move->frames.size();
        mRoute.insert(mRoute.end(), chosen.move->frames.begin(), chosen.move->frames.end());
        next->hp = chosen.hp;
        next->airborne = chosen.airborneAtEnd;
        next->x = chosen.x;
        mStack.push_back(std::move(next));
        Report(mRoute.size());
    }
    return std::nullopt;
}

// Any tile a hero stands on inside the screen.
bool GroundInView(const CMap& map, platform::Vec2 camera)
{
    const int rowBegin = std::max(0, static_cast<int>(camera.y / kCellSize));
    const int rowEnd = std::min(kMapRows, static_cast<int>((camera.y + kScreenHeight) / kCellSize) + 1);
    const int colBegin = std::max(0, static_cast<int>(camera.x / kCellSize));
    const int colEnd = std::min(kMapCols, static_cast<int>((camera.x + kScreenWidth) / kCellSize) + 1);
    for (int r = rowBegin; r < rowEnd; ++r) {
        for (int c = colBegin; c < colEnd; ++c) {
            const int32_t code = map.TileAt(r, c);
            if (code >= kTileGrass && code <= kTileDamage) return true;
        }
    }
    return false;
}

} // namespace

RouteFigures MeasureRoute(const std::vector<StageDescription>& stages, int stageIndex, int openStages,
                          const std::vector<FrameInput>& frames)
{
    CStageRunner runner(stages, stageIndex, openStages);
    RouteFigures figures;
    long airborneRun = 0;
    long outOfViewRun = 0;
    figures.lowestHearts = std::numeric_limits<int>::max();
    for (const FrameInput& input : frames) {
        runner.Step(input);
        CGame* game = runner.Stage();
        if (game == nullptr) {
            if (figures.playFrames > 0) break;
            continue;
        }
        const CPlayer& hero = game->GetPlayer();
        ++figures.playFrames;
        airborneRun = hero.OnGround() ? 0 : airborneRun + 1;
        figures.airborneFrames += hero.OnGround() ? 0 : 1;
        figures.longestAirborne = std::max(figures.longestAirborne, airborneRun);
        const bool seen = GroundInView(game->GetMap(), game->GetCamera().GetPos());
        outOfViewRun = seen ? 0 : outOfViewRun + 1;
        figures.groundOutOfView += seen ? 0 : 1;
        figures.longestOutOfView = std::max(figures.longestOutOfView, outOfViewRun);
        figures.lowestHearts = std::min(figures.lowestHearts, hero.Hp());
        figures.score = game->Score();
        figures.scoreTotal = game->StageScoreTotal();
        if (game->GetMap().GoalReached()) break;
    }
    if (figures.playFrames == 0) figures.lowestHearts = 0;
    return figures;
}

SolveResult SolveStage(const std::vector<StageDescription>& stages, int stageIndex, int openStages,
                       const std::function<void(const SolveProgress&)>& progress)
{
    SolveResult result;
    // Without losing a heart if that clears the stage, else with.
    for (const bool allowHurt : {false, true}) {
        Search search(stages, stageIndex, openStages, allowHurt, progress);
        if (!search.Started()) return result;
        const std::optional<std::vector<FrameInput>> route = search.Run();
        result.framesPlayed += search.FramesPlayed();
        result.candidates += search.Candidates();
        if (search.FurthestColumn() >= result.furthestColumn) {
            result.furthestColumn = search.FurthestColumn();
            result.furthestFrame = search.FurthestFrame();
        }
        if (!route) continue;
        result.cleared = true;
        result.heartLost = allowHurt;
        result.frames = search.Title();
        result.titleFrames = static_cast<long>(result.frames.size());
        result.frames.insert(result.frames.end(), route->begin(), route->end());
        result.frames.insert(result.frames.end(), kResultFrames, FrameInput{});
        result.figures = MeasureRoute(stages, stageIndex, openStages, result.frames);
        return result;
    }
    return result;
}
