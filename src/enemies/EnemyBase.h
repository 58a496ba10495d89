#pragma once
#include <memory>
#include <span>

#include "app/Geometry.h"
#include "enemies/EnemyResources.h"
#include "map/EnemyState.h"
#include "map/StageView.h"
#include "platform/Audio.h"
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CFlyEnemyBullet;

// The row of the trapping bubble's animation (`mBubbleRow`).
enum BubbleRow : int32_t {
    kBubbleGone = -1,
    kBubbleForming = 0,
    kBubbleSteady = 1,
    kBubbleBursting = 2,
};

// How the hero's body meets a kind: the kind's half extents, and whether the hero's box is
// tested shifted by a few pixels (the offset test) or as it is.
struct BodyBox {
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    bool shifted = false;
};

// What one of the hero's bubbles does to a kind it touches.
enum class BubbleEffect {
    Traps,    // the enemy floats in a bubble, carries the hero, and bursts after its trap time
    Destroys, // the enemy dies at once and the bubble pops
};

// The walking enemy, and the base of every enemy kind: walks under gravity, is turned by the
// map at walls and ledges, can be trapped in a bubble and bursts after 300 trapped frames.
// Each kind states its own contact rules below; a kind that does not override one shares the
// walker's.
class CEnemyBase {
public:
    CEnemyBase() = default;
    virtual ~CEnemyBase() = default;
    // Copied whole only as its own kind: the stage's lists hold each kind as itself, and a stage
    // snapshot copies them kind by kind.
    CEnemyBase(const CEnemyBase&) = default;
    CEnemyBase& operator=(const CEnemyBase&) = default;

    // The operations through which the stage and the player handle every kind, in this order.
    virtual void Init();
    virtual void Update(int index);
    virtual void MoveRight();
    virtual void MoveLeft();
    virtual void FloatInBubble();
    virtual void Draw(platform::Sprite* sprite, platform::Device* device);
    virtual void Release();
    // A trapped enemy whose bubble is steady is a platform: the player is pushed aside by its box
    // where it was before its last move, then lands on it where it is now.
    virtual void BlockPlayer(platform::Vec2& pos, float halfWidth, float halfHeight, float& velX, float& velY,
                             bool& jumping, bool& onGround);
    virtual void LandPlayer(platform::Vec2& pos, float halfWidth, float halfHeight, float& velX, float& velY,
                            bool& jumping, bool& onGround);

    // The kind's contact rules, as the hero's contacts ask for them.
    virtual BodyBox HeroTouchBox(bool heroMini) const;
    virtual platform::Vec2 BubbleTouchHalfExtents() const { return {kEnemyWidth / 2.0f, kEnemyHeight / 2.0f}; }
    virtual BubbleEffect BubbleHit() const { return BubbleEffect::Traps; }
    // The mini hero pushing into it and letting go traps it instead of being hurt.
    virtual bool TrappedByMiniPush() const { return false; }
    // Bullets in flight that can hurt the hero.
    virtual std::span<const std::unique_ptr<CFlyEnemyBullet>> Bullets() const { return {}; }
    // The alpha it is drawn with (the trace's "alpha").
    virtual int32_t DrawnAlpha() const { return mAlpha; }

    void SetGame(CStageView* game) { if (game != nullptr) mpGame = game; }
    void SetTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexBody = texture; }
    void SetFlashTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexFlash = texture; }
    void SetBubbleTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexBubble = texture; }
    void SetBubbleAlphaTexture(const platform::Texture* texture) { if (texture != nullptr) mpTexBubbleAlpha = texture; }
    void SetPopSound(platform::SoundBuffer* sound) { if (sound != nullptr) mpSndPop = sound; }
    // Everything the stage lends, through the setters above.
    void SetResources(const EnemyResources& resources);

    // Made by the stage: alive where its cell puts it.
    void Spawn(platform::Vec2 pos)
    {
        mAlive = true;
        mPos = pos;
    }
    // A bubble caught it: it turns trapped on its own next update, flashing.
    void Catch();
    // A bubble destroyed it (a kind the bubbles do not trap).
    void Destroy() { mAlive = false; }
    // Test hook: put the enemy somewhere with a speed.
    void Place(platform::Vec2 pos, platform::Vec2 vel)
    {
        mPos = pos;
        mVelX = vel.x;
        mVelY = vel.y;
    }
    platform::Vec2 GetPos() const { return mPos; }
    platform::Vec2 Velocity() const { return {mVelX, mVelY}; }
    bool Captured() const { return mCaptured; }

    // Advances the trapping bubble's animation; every kind's update calls it.
    void UpdateBubble();
    // Within 100 pixels of the screen, left or right (the height is not looked at).
    bool IsOnScreen(float x) const;

    int32_t mState = kEnemyInert; // an EnemyState
    int32_t mBubbleRow = kBubbleForming; // a BubbleRow
    int32_t mBubbleFrame = 0;
    int32_t mFlash = 0;
    bool mPushed = false;

protected:
    const platform::Texture* mpTexBody = nullptr;
    const platform::Texture* mpTexFlash = nullptr;
    const platform::Texture* mpTexBubble = nullptr;
    const platform::Texture* mpTexBubbleAlpha = nullptr;
    platform::SoundBuffer* mpSndPop = nullptr;
    platform::Vec2 mPos;
    platform::Matrix mWorld;
    platform::Matrix mTransMat;
    platform::Matrix mScaleMat;
    platform::Matrix mRotMat;
    float mVelX = 0.0f;
    float mVelY = 0.0f;
    float mSpeed = 3.0f;
    float mScaleX = -1.0f;
    bool mAlive = true;
    bool mCaptured = false;
    int32_t mTrapTimer = 0;
    int32_t mAlpha = 0;
    CStageView* mpGame = nullptr;
    int32_t mAnimFrame = 0;
    int32_t mFrame = 0;
    platform::Vec2 mPrevPos;
    float mDeltaY = 0.0f;
    float mWidth = kEnemyWidth;
    float mHeight = kEnemyHeight;

    // The box the kind carries the hero with (the walker's body box; the slime's own cell).
    virtual platform::Vec2 CarrySize() const { return {mWidth, mHeight}; }
    // The walker's move: its own ground rule, then the move by its speed.
    void CollideAndMove();
    // What every trappable kind does after its own movement: a capture traps it, the end of the
    // trap time kills it and bursts the bubble (some kinds also restart the pop every such frame).
    void UpdateTrap(bool popOnEveryBurstFrame);
    // A dead enemy fades by 15 a frame, from 255 to nothing in 17 frames.
    void FadeOut();
    // Screen placement: mTransMat at the position less the camera, mWorld mirrored by `scaleX`.
    void UpdateMatrices(platform::Vec2 camera, float scaleX);
    // The drawing of a kind that walks or hops: in the normal pass its body (mirrored with mWorld)
    // and, while trapped, the bubble (square cells of `bubbleCell` pixels, never mirrored); then
    // the capture's glow in the additive pass. Nothing while invisible or far off screen.
    void DrawTrappable(platform::Sprite* sprite, platform::Device* device, const platform::Rect& body,
                       const platform::Vec3& bodyCenter, platform::Color bodyColor, int bubbleCell,
                       platform::Color highlight);
    // The trapping bubble (square cells of `cell` pixels) and the capture's glow.
    void DrawBubble(platform::Sprite* sprite, int cell, platform::Color highlight) const;
    void DrawGlow(platform::Sprite* sprite) const;
    // Whether the player's box, moving by velY, comes down on a box from left to right with
    // this top, the top moved by this enemy's own vertical speed. Edges are whole pixels.
    bool LandsOn(int left, int right, int top, const platform::Vec2& pos, float halfWidth, float halfHeight,
                 float velY) const;

public:
    int32_t Alpha() const { return mAlpha; }
    bool Alive() const { return mAlive; }
    int32_t TrapTimer() const { return mTrapTimer; }
    int32_t AnimFrame() const { return mAnimFrame; }
    float ScaleX() const { return mScaleX; }
};
