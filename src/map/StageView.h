#pragma once
#include <cstdint>
#include <span>

#include "app/FrameInput.h"
#include "app/Random.h"
#include "platform/Types.h"

class CMap;
class CEnemyBase;
class CScore;
class CHeal;

// What the objects of a stage may ask of it: where the camera and the hero are, the map to
// collide with, and the clock. The hero's contacts also see every enemy, in the one order the
// contacts are tested, and the pick-ups. The game scene implements it; objects never see the
// scene itself.
class CStageView {
public:
    virtual platform::Vec2 CameraPos() const = 0;
    virtual platform::Vec2 PlayerPos() const = 0;
    virtual CMap& GetMap() = 0;
    // The frame's millisecond clock, which some enemies seed the random generator from.
    virtual uint32_t Now() const = 0;
    // The run's random sequence.
    virtual RandomSequence& Random() = 0;
    // What the player does this frame, and the rules' press test of one of its keys.
    virtual const FrameInput& Input() const = 0;
    virtual bool Pressed(int virtualKey) = 0;

    virtual std::span<CEnemyBase* const> ContactEnemies() const = 0;
    virtual std::span<CScore* const> ContactScores() const = 0;
    virtual std::span<CHeal* const> ContactHeals() const = 0;

protected:
    ~CStageView() = default;
};
