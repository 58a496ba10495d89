#pragma once
#include "app/Collision.h"
#include "platform/Audio.h"
#include "platform/Device.h"
#include "platform/Sprite.h"
#include "platform/Types.h"

class CGame;

// The character the user steers: walks, jumps, changes form, blows bubbles and Monas.
class CPlayer {
public:
    // Textures, each kept as given (a null argument keeps the old one).
    void SetPlayerTexture(const platform::Texture* t) { if (t) mpTexPlayer = t; }
    void SetDownTexture(const platform::Texture* t) { if (t) mpTexDown = t; }
    void SetMiniTexture(const platform::Texture* t); // asserts on null
    void SetStockTexture(const platform::Texture* t) { if (t) mpTexStock = t; }
    void SetStockAlphaTexture(const platform::Texture* t) { if (t) mpTexStockAlpha = t; }
    void SetHpTexture(const platform::Texture* t) { if (t) mpTexHp = t; }
    void SetTrailTexture(const platform::Texture* t) { if (t) mpTexTrail = t; }
    void SetTrailAlphaTexture(const platform::Texture* t) { if (t) mpTexTrailAlpha = t; }
    void SetDigitTexture(const platform::Texture* t) { if (t) mpTexDigits = t; }
    void SetEnemyFaceTexture(const platform::Texture* t) { if (t) mpTexEnemyFace = t; }
    void SetMonaTexture(const platform::Texture* t);      // asserts on null
    void SetMonaAlphaTexture(const platform::Texture* t); // asserts on null
    void SetBubbleTexture(const platform::Texture* t) { if (t) mpTexBubble = t; }
    void SetBubbleAlphaTexture(const platform::Texture* t) { if (t) mpTexBubbleAlpha = t; }
    void SetStarTexture(const platform::Texture* t) { if (t) mpTexStar = t; }
    void SetStarBubbleTexture(const platform::Texture* t) { if (t) mpTexStarBubble = t; }
    void SetStarBubbleAlphaTexture(const platform::Texture* t) { if (t) mpTexStarBubbleAlpha = t; }

    // The twelve effects, in the order the stage loads them.
    enum SoundSlot { SND_SHOT, SND_JUMP, SND_POP06, SND_DAMAGE, SND_FALL, SND_MONA, SND_BIG, SND_MINI,
                     SND_CAPTURE, SND_SCORE, SND_HEAL, SND_POP, SOUND_COUNT };
    void SetSound(SoundSlot slot, platform::SoundBuffer* sound);

    void SetGame(CGame* game) { if (game != nullptr) mpGame = game; }
    void Init();
    void Update();
    void Draw(platform::Sprite* sprite, platform::Device* device);
    void Release();

    platform::Vec2 GetPos() const { return mPos; }
    platform::Vec2& GetPosRef() { return mPos; }
    bool& GetAliveRef() { return mAlive; }
    int GetDir() const { return mDir; }
    int& GetHpRef() { return mHp; }
    bool& GetHurtRef() { return mHurt; }
    int& GetInvincibleRef() { return mInvincible; }
    int& GetHurtTimerRef() { return mHurtTimer; }
    bool& GetOnGroundRef() { return mOnGround; }
    int& GetScoreRef() { return mScore; }

    float mHeight = 75.0f;
    float mWidth = 45.0f;
    int32_t mMonaCount = 0;
    bool mRoomToResize = false;
    bool mGameOver = false;

protected:
    const platform::Texture* mpTexDigits = nullptr;
    int32_t mScore = 0;
    int32_t mInvincible = 0;
    CCollision mCollision;
    const platform::Texture* mpTexPlayer = nullptr;
    const platform::Texture* mpTexDown = nullptr;
    platform::Vec2 mPos;
    float mScaleX = 1.0f;
    float mScaleY = 1.0f;
    float mVelX = 0.0f;
    float mVelY = 0.0f;
    bool mJumping = false;
    bool mOnGround = false;
    const platform::Texture* mpTexMini = nullptr;
    bool mMini = false;
    int32_t mFrame = 0;
    int32_t mDir = 1;
    const platform::Texture* mpTexHp = nullptr;
    int32_t mHp = 0;
    int32_t mHurtTimer = 0;
    bool mAlive = false;
    bool mHurt = false;
    int32_t mAlpha = 0;
    const platform::Texture* mpTexTrail = nullptr;
    const platform::Texture* mpTexTrailAlpha = nullptr;
    const platform::Texture* mpTexStock = nullptr;
    const platform::Texture* mpTexStockAlpha = nullptr;
    const platform::Texture* mpTexMona = nullptr;
    const platform::Texture* mpTexMonaAlpha = nullptr;
    const platform::Texture* mpTexBubble = nullptr;
    const platform::Texture* mpTexBubbleAlpha = nullptr;
    CGame* mpGame = nullptr;
    const platform::Texture* mpTexEnemyFace = nullptr;
    const platform::Texture* mpTexStar = nullptr;
    const platform::Texture* mpTexStarBubble = nullptr;
    const platform::Texture* mpTexStarBubbleAlpha = nullptr;
    platform::SoundBuffer* mpSounds[SOUND_COUNT] = {};

    friend class CMap; // the map's landing and damage rules write the flags above
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
    // Test hooks: put the player somewhere with a speed.
    void Place(platform::Vec2 pos, platform::Vec2 vel) { mPos = pos; mVelX = vel.x; mVelY = vel.y; }
    void SetDir(int dir) { mDir = dir; mScaleX = static_cast<float>(dir); }
    platform::SoundBuffer* Sound(SoundSlot slot) const { return mpSounds[slot]; }
};
