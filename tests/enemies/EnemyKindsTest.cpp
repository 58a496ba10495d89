// Every kind of enemy the stage knows goes the whole way: made from its own code in the enemy
// grid, into its own list, lent its pictures, run, drawn and traced under its own name.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/AssetFiles.h"
#include "app/TraceWriter.h"
#include "scenes/Game.h"
#include "support/StageFixture.h"

namespace {

// The enemy grid with one enemy of `code` on row 33, column 10 (on screen at the start).
void WriteEnemyGrid(const TempDir& dir, int code)
{
    std::ofstream out(dir.Path() / files::kEnemyMap);
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapCols; ++c) {
            if (c > 0) out << ',';
            out << (r == 33 && c == 10 ? code : 0);
        }
        out << '\n';
    }
}

template <class Kind>
void CheckKind()
{
    SCOPED_TRACE(EnemyKind<Kind>::kTraceName);
    StageFixture fixture({"", "", "", std::string(60, '1'), std::string(60, '1')}, 31);
    WriteEnemyGrid(fixture.dir, EnemyKind<Kind>::kSpawnCode);
    auto game = fixture.MakeGame();
    ASSERT_EQ(game->Enemies<Kind>().size(), 1u);
    EXPECT_EQ(game->ContactEnemies().size(), 1u);
    Kind& enemy = *game->Enemies<Kind>()[0];
    EXPECT_TRUE(enemy.Alive());
    EXPECT_FLOAT_EQ(enemy.GetPos().x, 400);
    EXPECT_EQ(enemy.DrawnAlpha(), 255); // initialised

    game->Update();
    const auto draws = fixture.fake.DrawFrame(*game);
    bool drawnNearIt = false;
    for (const auto& d : draws) {
        const float x = d.transform.m[3][0] + game->CameraPos().x;
        if (d.texture != nullptr && x > 350 && x < 450) drawnNearIt = true;
    }
    EXPECT_TRUE(drawnNearIt); // its pictures were lent

    CTraceWriter trace;
    game->WriteTrace(trace);
    const std::string text = trace.Finish();
    EXPECT_NE(text.find(std::string("\"kind\":\"") + EnemyKind<Kind>::kTraceName + "\""), std::string::npos) << text;
}

template <class... Kinds>
void CheckEveryKind(KindList<Kinds...>)
{
    (CheckKind<Kinds>(), ...);
}

TEST(EnemyKindsTest, EveryKindIsMadeRunDrawnAndTracedAsItself)
{
    CheckEveryKind(StageEnemyKinds{});
}

} // namespace
