#pragma once
#include "app/Collision.h"
#include "app/Geometry.h"
#include "platform/Audio.h"
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"
#include "platform/Types.h"
#include "player/Bubble.h"
#include "player/HudRecords.h"
#include "player/Mona.h"
#include "player/PlayerSounds.h"

class CStageView;
class CEnemyBase;
struct GroundContact;

// The character the user steers: walks, jumps, changes between its big and mini form, is hurt
// and defeated, and draws itself with the health, Mona stock and score display.
class CPlayer {
public:
    // Animation states; each is also the row of the big sheet (the mini form has its own sheet).
    static constexpr int kAnimIdle = 0;
    static constexpr int kAnimWalk = 1;
    static constexpr int kAnimResize = 2;
    static constexpr int kAnimHit = 3;
    static constexpr int kAnimShot = 4;
    static constexpr int kAnimMona = 5;
    static constexpr int kAnimMini = 99;

    static constexpr int kBubbleCount = 20;

    // Textures, each kept as given (a null argument keeps the old one).
    void SetPlayerTexture(const platform::Texture* t) { if (t) mpTexPlayer = t; }
    void SetDownTexture(const platform::Texture* t) { if (t) mpTexDown = t; }
    void SetMiniTexture(const platform::Texture* t); // asserts on null
    void SetStockTexture(const platform::Texture* t);
    void SetStockAlphaTexture(const platform::Texture* t);
    void SetHpTexture(const platform::Texture* t) { if (t) mpTexHp = t; }
    void SetTrailTexture(const platform::Texture* t) { if (t) mpTexTrail = t; }
    void SetTrailAlphaTexture(const platform::Texture* t) { if (t) mpTexTrailAlpha = t; }
    const TrailBubble& TrailParticle(int index) const { return mTrail[index]; }
    void SetDigitTexture(const platform::Texture* t) { if (t) mpTexDigits = t; }
    void SetEnemyFaceTexture(const platform::Texture* t) { if (t) mpTexEnemyFace = t; }
    void SetMonaTexture(const platform::Texture* t);      // asserts on null
    void SetMonaAlphaTexture(const platform::Texture* t); // asserts on null
    void SetBubbleTexture(const platform::Texture* t);
    void SetBubbleAlphaTexture(const platform::Texture* t);
    void SetStarTexture(const platform::Texture* t) { if (t) mpTexStar = t; }
    void SetStarBubbleTexture(const platform::Texture* t) { if (t) mpTexStarBubble = t; }
    void SetStarBubbleAlphaTexture(const platform::Texture* t) { if (t) mpTexStarBubbleAlpha = t; }

    // One of the twelve effects (PlayerSounds.h), into its slot.
    void SetSound(SoundSlot slot, platform::SoundBuffer* sound);

    void SetGame(CStageView* game) { if (game != nullptr) mpGame = game; }
    // Ready to play, standing at the stage's start.
    void Init(platform::Vec2 start);
    void Update();
    // The hero, its trail, its bubbles and its platforms, in the world.
    void Draw(platform::Sprite* sprite, platform::Device* device);
    // The status display (health, bubble stock, score): drawn last, over the goal star's turn.
    void DrawHud(platform::Sprite* sprite, platform::Device* device);
    void Release();

    // What hurting the player does; whoever hurts it checks its own guards first.
    void ApplyHitRule();
    // A continued game: back at the last safe place, the score kept, invincible for a while.
    void Continue(platform::Vec2 pos, int score, int invincibleFrames);

    platform::Vec2 GetPos() const { return mPos; }
    int GetDir() const { return mDir; }

    float mHeight = 75.0f;
    float mWidth = 45.0f;
    int32_t mMonaCount = 0;

private:
    const platform::Texture* mpTexDigits = nullptr;
    // Box sizes of what the player touches.
    float mScoreItemSize = kScoreItemSize;
    float mHealItemSize = kHealItemSize;

public:
    bool mRoomToResize = false;
    bool mGameOver = false;

private:
    int32_t mScore = 0;
    int32_t mInvincible = 0;
    StockIcon mStockIcons[3];
    CCollision mCollision;
    const platform::Texture* mpTexPlayer = nullptr;
    const platform::Texture* mpTexDown = nullptr;
    platform::Matrix mWorld;
    platform::Matrix mTransMat;
    platform::Matrix mScaleMat;
    platform::Vec2 mPos;
    platform::Matrix mDeathWorld;
    platform::Matrix mDeathTrans;
    platform::Matrix mDeathScale;
    platform::Matrix mDeathRot;
    platform::Vec2 mDeathPos;
    float mDeathAngle = 0.0f;
    float mDeathVelY = 0.0f;
    float mDeathTimer = 0.0f;
    bool mDeathStarted = false;
    // Drawing only: the hearts held when the hero fell out of the stage, shown emptying one by
    // one while the defeat plays, and the frames the defeat has run.
    int32_t mHeartsAtFall = 0;
    int32_t mDefeatFrames = 0;
    float mScaleX = 1.0f;
    float mScaleY = 1.0f;
    float mVelX = 0.0f;
    float mVelY = 0.0f;
    bool mJumping = false;
    bool mOnGround = false;
    const platform::Texture* mpTexMini = nullptr;
    bool mMini = false;
    int32_t mAnimFrame = 0;
    int32_t mAnimState = 0;
    int32_t mWantedAnim = 0;
    bool mMoved = false;
    bool mActionLock = false;
    int32_t mFrame = 0;
    int32_t mDir = 1;
    const platform::Texture* mpTexHp = nullptr;
    HpIcon mHpIcons[3];
    int32_t mHp = 0;
    int32_t mHurtTimer = 0;
    bool mAlive = false;
    bool mHurt = false;
    int32_t mAlpha = 0;
    TrailBubble mTrail[40];
    const platform::Texture* mpTexTrail = nullptr;
    const platform::Texture* mpTexTrailAlpha = nullptr;
    CBubble mBubbles[kBubbleCount];
    int32_t mShotCooldown = 0;
    float mBubbleSize = kBubbleSize;

public:
    static constexpr int kMonaCount = 3;
    const CMona& GetMona(int i) const { return mMonas[i]; }

private:
    CMona mMonas[kMonaCount];
    CStageView* mpGame = nullptr;
    const platform::Texture* mpTexEnemyFace = nullptr; // kept, never drawn
    const platform::Texture* mpTexStar = nullptr;
    const platform::Texture* mpTexStarBubble = nullptr;
    const platform::Texture* mpTexStarBubbleAlpha = nullptr;
    platform::SoundBuffer* mSounds[SOUND_COUNT] = {};
    platform::SoundBuffer* Sound(SoundSlot slot) const { return mSounds[slot]; }

    platform::Vec2 CameraOffset() const;
    void Control();
    void UpdateHitReaction();
    void UpdateInvincibility();
    void UpdateDefeat();
    void CollideWithMap();
    void ApplyGroundContact(const GroundContact& contact);
    void TakeHit();
    void UpdateMatrices(platform::Vec2 camera);

    // Size change and the animation state table.
    void ChangeSize();
    void ResizeKeepingFeet(float width, float height);
    void UpdateAnimation();

    // Contacts and shots, each in its place of the update.
    void Shoot();
    void BlowMona();
    void TouchItems();
    void TouchEnemies();
    void UpdateBubbles(platform::Vec2 camera);
    // The contacts of step 12, one enemy at a time; each kind states its boxes and rules.
    bool BodyTouches(const CEnemyBase& enemy) const;
    void TouchEnemy(CEnemyBase& enemy);
    void CatchWithBubbles(CEnemyBase& enemy);
    void Capture(CEnemyBase& enemy);
    void TouchBullets(const CEnemyBase& enemy);

    void UpdateMonas(platform::Vec2 camera);

    // What exists only to be drawn.
    void UpdateStockIcons();
    void UpdateTrail(TrailBubble& particle, float camX, float camY);
    void EmitTrailBubble(TrailBubble& particle, float x, float y, float vx, float vy, float scale, int life);

    // Drawing, in the order Draw uses.
    void DrawHealth(platform::Sprite* sprite, const platform::Matrix& pulse);
    void DrawStock(platform::Sprite* sprite, const platform::Matrix& pulse);
    void DrawTrailBubble(const TrailBubble& particle, platform::Sprite* sprite);
    void DrawBody(platform::Sprite* sprite);
    void DrawDefeated(platform::Sprite* sprite);
    void DrawFallCue(platform::Sprite* sprite);
    void DrawBubbles(platform::Sprite* sprite);
    void DrawMonas(platform::Sprite* sprite);
    void DrawScore(platform::Sprite* sprite, platform::Device* device);

public:
    // Read-only views for the trace and tests.
    platform::Vec2 Velocity() const { return {mVelX, mVelY}; }
    bool Jumping() const { return mJumping; }
    bool OnGround() const { return mOnGround; }
    int Hp() const { return mHp; }
    bool Alive() const { return mAlive; }
    int Invincible() const { return mInvincible; }
    int HurtTimer() const { return mHurtTimer; }
    bool Hurt() const { return mHurt; }
    bool Mini() const { return mMini; }
    int Alpha() const { return mAlpha; }
    int Score() const { return mScore; }
    int AnimState() const { return mAnimState; }
    int AnimFrame() const { return mAnimFrame; }
    bool ActionLock() const { return mActionLock; }
    const StockIcon& GetStockIcon(int i) const { return mStockIcons[i]; }
    const CBubble& GetBubble(int i) const { return mBubbles[i]; }
    int ShotCooldown() const { return mShotCooldown; }
    platform::Vec2 DeathPos() const { return mDeathPos; }
    float DeathTimer() const { return mDeathTimer; }
    // Test hooks: put the player somewhere with a speed; set its health, score or grace.
    void Place(platform::Vec2 pos, platform::Vec2 vel) { mPos = pos; mVelX = vel.x; mVelY = vel.y; }
    void SetHp(int hp) { mHp = hp; }
    void SetScore(int score) { mScore = score; }
    void SetInvincible(int frames) { mInvincible = frames; }
};
