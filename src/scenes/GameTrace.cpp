#include "app/GameFrame.h"
#include "app/TraceWriter.h"
#include "scenes/Game.h"

template <class Enemy>
void CGame::WriteEnemy(CTraceWriter& trace, const Enemy& enemy)
{
    trace.BeginObject();
    trace.Field("kind", EnemyKind<Enemy>::kTraceName);
    trace.Field("x", enemy.GetPos().x);
    trace.Field("y", enemy.GetPos().y);
    trace.Field("state", enemy.mState);
    trace.Field("alive", enemy.Alive());
    trace.Field("alpha", enemy.DrawnAlpha());
    trace.EndObject();
}

// What the stage shows, for the headless runner's trace.
void CGame::WriteTrace(CTraceWriter& trace) const
{
    trace.Field("stage", mpFrame->StageIndex() + 1);
    WritePlayerTrace(trace);
    const platform::Vec2 camera = mCamera.GetPos();
    trace.BeginArray("camera");
    trace.Value(camera.x);
    trace.Value(camera.y);
    trace.EndArray();
    trace.Field("goal", mpMap->mGoal);
    trace.Field("cleared", mStageCleared);
    trace.BeginArray("enemies");
    ForEachEnemy([&trace](const auto& enemy, int) { WriteEnemy(trace, enemy); });
    trace.EndArray();
    size_t bullets = 0;
    ForEachEnemy([&bullets](const CEnemyBase& enemy, int) { bullets += enemy.Bullets().size(); });
    trace.Field("bullets", static_cast<int>(bullets));
    WriteBubblesTrace(trace);
    int scoreItems = 0;
    for (const auto& item : mScores) scoreItems += item->Collectable() ? 1 : 0;
    int healItems = 0;
    for (const auto& item : mHeals) healItems += item->Collectable() ? 1 : 0;
    trace.Field("scoreItems", scoreItems);
    trace.Field("healItems", healItems);
    WriteMonasTrace(trace);
    // Only while a ghost runs: the trace is otherwise the same with the ghost on or off.
    if (const GhostFrame* ghost = GhostNow()) {
        trace.BeginArray("ghost");
        trace.Value(ghost->x);
        trace.Value(ghost->y);
        trace.EndArray();
    }
    // Only while paused, so that a run without a pause traces as it always did.
    if (mPause.Paused()) trace.Field("paused", true);
    mPause.WriteTrace(trace);
}

void CGame::WritePlayerTrace(CTraceWriter& trace) const
{
    const CPlayer& player = mPlayer;
    const platform::Vec2 pos = player.GetPos();
    const platform::Vec2 vel = player.Velocity();
    trace.BeginObject("player");
    trace.Field("x", pos.x);
    trace.Field("y", pos.y);
    trace.Field("vx", vel.x);
    trace.Field("vy", vel.y);
    trace.Field("w", player.mWidth);
    trace.Field("h", player.mHeight);
    trace.Field("hp", player.Hp());
    trace.Field("alive", player.Alive());
    trace.Field("mini", player.Mini());
    trace.Field("jumping", player.Jumping());
    trace.Field("onGround", player.OnGround());
    trace.Field("anim", player.AnimState());
    trace.Field("animFrame", player.AnimFrame());
    trace.Field("dir", player.GetDir());
    trace.Field("invincible", player.Invincible());
    trace.Field("hurtTimer", player.HurtTimer());
    trace.Field("alpha", player.Alpha());
    trace.Field("score", player.Score());
    trace.Field("mona", player.mMonaCount);
    trace.Field("gameOver", player.mGameOver);
    trace.EndObject();
}

// The bubbles and Monas not free, in their slots' order.
void CGame::WriteBubblesTrace(CTraceWriter& trace) const
{
    trace.BeginArray("bubbles");
    for (int i = 0; i < CPlayer::kBubbleCount; ++i) {
        const CBubble& bubble = mPlayer.GetBubble(i);
        if (bubble.mState == CBubble::kFree) continue;
        trace.BeginObject();
        trace.Field("x", bubble.GetPos().x);
        trace.Field("y", bubble.GetPos().y);
        trace.Field("state", bubble.mState);
        trace.Field("active", bubble.IsActive());
        trace.EndObject();
    }
    trace.EndArray();
}

void CGame::WriteMonasTrace(CTraceWriter& trace) const
{
    trace.BeginArray("monas");
    for (int i = 0; i < CPlayer::kMonaCount; ++i) {
        const CMona& mona = mPlayer.GetMona(i);
        if (mona.State() == CMona::kFree) continue;
        trace.BeginObject();
        trace.Field("x", mona.GetPos().x);
        trace.Field("y", mona.GetPos().y);
        trace.Field("state", mona.State());
        trace.EndObject();
    }
    trace.EndArray();
}
