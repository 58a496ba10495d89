#pragma once
// What decides each kind of enemy for the stage, declared once per kind, and the one order in
// which the stage handles the kinds. Adding a kind: its class, its EnemyKind below (without it
// the stage does not compile), its place in StageEnemyKinds, its spawn code in map/CellCodes.h.
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "enemies/EnemyBase.h"
#include "enemies/EnemyResources.h"
#include "enemies/FlyEnemy.h"
#include "enemies/JumpEnemy.h"
#include "enemies/Slime.h"
#include "map/CellCodes.h"

// Every picture the stage loads for its enemies, each once; a kind's look picks from them.
struct EnemyPictures {
    const platform::Texture* walkBody = nullptr;
    const platform::Texture* jumpBody = nullptr;
    const platform::Texture* flyBody = nullptr;
    const platform::Texture* flySpin = nullptr;
    const platform::Texture* bullet = nullptr;
    const platform::Texture* slimeBody = nullptr;
    const platform::Texture* glow = nullptr;
    const platform::Texture* enemyBubble = nullptr;
    const platform::Texture* enemyBubbleAlpha = nullptr;
    const platform::Texture* slimeBubble = nullptr;
    const platform::Texture* slimeBubbleAlpha = nullptr;
    platform::SoundBuffer* pop = nullptr;
};

// A kind's spawn code in the enemy grid, its name in the trace and what the stage lends it.
// (Its boxes, what a bubble does to it and what hurts on touch are its class's own overrides.)
// There is deliberately no general definition.
template <class Enemy>
struct EnemyKind;

template <>
struct EnemyKind<CEnemyBase> {
    static constexpr int32_t kSpawnCode = kSpawnWalkEnemy;
    static constexpr const char* kTraceName = "walk";
    static EnemyResources Look(const EnemyPictures& p)
    {
        return {.body = p.walkBody,
                .flash = p.glow,
                .bubble = p.enemyBubble,
                .bubbleAlpha = p.enemyBubbleAlpha,
                .pop = p.pop};
    }
};

template <>
struct EnemyKind<CJumpEnemy> {
    static constexpr int32_t kSpawnCode = kSpawnJumpEnemy;
    static constexpr const char* kTraceName = "jump";
    static EnemyResources Look(const EnemyPictures& p) { return {.body = p.jumpBody, .pop = p.pop}; }
};

template <>
struct EnemyKind<CFlyEnemy> {
    static constexpr int32_t kSpawnCode = kSpawnFlyEnemy;
    static constexpr const char* kTraceName = "fly";
    static EnemyResources Look(const EnemyPictures& p)
    {
        return {.body = p.flyBody,
                .spin = p.flySpin,
                .bullet = p.bullet,
                .flash = p.glow,
                .bubble = p.enemyBubble,
                .bubbleAlpha = p.enemyBubbleAlpha,
                .pop = p.pop};
    }
};

template <>
struct EnemyKind<CSlime> {
    static constexpr int32_t kSpawnCode = kSpawnSlime;
    static constexpr const char* kTraceName = "slime";
    static EnemyResources Look(const EnemyPictures& p)
    {
        return {.body = p.slimeBody,
                .flash = p.glow,
                .bubble = p.slimeBubble,
                .bubbleAlpha = p.slimeBubbleAlpha,
                .pop = p.pop};
    }
};

template <class... Kinds>
struct KindList {
    // No two kinds share a spawn code or a trace name.
    static consteval bool Distinct()
    {
        constexpr int32_t codes[] = {EnemyKind<Kinds>::kSpawnCode...};
        constexpr std::string_view names[] = {EnemyKind<Kinds>::kTraceName...};
        for (size_t i = 0; i < sizeof...(Kinds); ++i) {
            for (size_t j = i + 1; j < sizeof...(Kinds); ++j) {
                if (codes[i] == codes[j] || names[i] == names[j]) return false;
            }
        }
        return true;
    }
};

// The order the stage spawns into, updates, draws, traces and releases its enemies, and in
// which the hero's contacts test them: walking, jumping, flying, slimes, each list in creation
// order. Only Init differs, on purpose: the jumping enemies are initialised after the others
// (they were added to the stage's start-up last; nothing else of the start depends on it).
using StageEnemyKinds = KindList<CEnemyBase, CJumpEnemy, CFlyEnemy, CSlime>;
using StageEnemyInitOrder = KindList<CEnemyBase, CFlyEnemy, CSlime, CJumpEnemy>;
static_assert(StageEnemyKinds::Distinct(), "every enemy kind needs its own spawn code and trace name");

// How often a kind appears in a list of kinds.
template <class Kind, class... Kinds>
constexpr int kTimesIn = (static_cast<int>(std::is_same_v<Kind, Kinds>) + ... + 0);

template <class... Kinds, class... Others>
consteval bool SameKinds(KindList<Kinds...>, KindList<Others...>)
{
    return sizeof...(Kinds) == sizeof...(Others) && ((kTimesIn<Kinds, Others...> == 1) && ...);
}
static_assert(SameKinds(StageEnemyKinds{}, StageEnemyInitOrder{}), "Init must take every kind of the stage once");
