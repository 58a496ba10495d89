#include <gtest/gtest.h>

#include "app/Collision.h"

namespace {

struct BoxCase {
    const char* name;
    float ax, ay, ahw, ahh;
    float bx, by, bhw, bhh;
    bool hit;
};

// Box A first, box B second: the test looks for an edge of B passing strictly through A.
const BoxCase kCases[] = {
    {"identical boxes", 50, 50, 10, 10, 50, 50, 10, 10, false},
    {"A strictly inside B", 50, 50, 5, 5, 50, 50, 20, 20, false},
    {"B strictly inside A", 50, 50, 20, 20, 50, 50, 5, 5, true},
    {"A inside B vertically, sharing B's vertical edges", 50, 50, 10, 5, 50, 50, 10, 20, false},
    {"touching side by side", 10, 50, 10, 10, 30, 50, 10, 10, false},
    {"touching one above the other", 50, 10, 10, 10, 50, 30, 10, 10, false},
    {"corner overlap: A's bottom-right inside B", 40, 40, 10, 10, 55, 55, 10, 10, true},
    {"B's top edge through A", 50, 50, 10, 10, 50, 62, 4, 4, true},
    {"B's left edge through A", 50, 50, 10, 10, 58, 50, 4, 20, true},
    {"far apart", 0, 0, 5, 5, 100, 100, 5, 5, false},
    // B's left edge 9.9 -> 9 and A's right edge 9.5 -> 9: no overlap (9 > 9 fails).
    {"truncation keeps 9.5 and 9.9 apart", 4.5f, 5, 5, 5, 14.9f, 5, 5, 5, false},
    // -0.5 truncates to 0, not -1: A's bottom 0 does not pass B's top 0.
    {"negative coordinates truncate toward zero", 0, -5.5f, 5, 5, 0, 5, 5, 5, false},
};

TEST(CollisionTest, HitBoxTable)
{
    CCollision collision;
    for (const BoxCase& c : kCases) {
        EXPECT_EQ(collision.HitBox(c.ax, c.ay, c.ahw, c.ahh, c.bx, c.by, c.bhw, c.bhh), c.hit) << c.name;
    }
}

TEST(CollisionTest, HitBoxOffsetMovesOnlyTheEdgeTests)
{
    CCollision collision;
    // A (40..60 both ways) and B (61..81 x 80..100) apart on both axes: the unmoved overlap
    // tests fail, so even an offset that carries A onto B cannot report a hit.
    EXPECT_FALSE(collision.HitBoxOffset(50, 50, 10, 10, 71, 90, 10, 10, 20, 30));
    // Side by side with a gap but level: the side tests need only the vertical overlap,
    // so the offset alone carries A's moved edges across B's left edge.
    EXPECT_TRUE(collision.HitBoxOffset(50, 50, 10, 10, 71, 50, 10, 10, 15, 0));
    // Overlapping boxes: B's left edge 55 is inside A (40..60), a hit with no offset...
    EXPECT_TRUE(collision.HitBoxOffset(50, 50, 10, 10, 65, 50, 10, 10, 0, 0));
    // ...moving A left by 20 (20..40) takes B's edges out of the moved box.
    EXPECT_FALSE(collision.HitBoxOffset(50, 50, 10, 10, 65, 50, 10, 10, -20, 0));
    // With an offset of zero it answers exactly as HitBox for every case.
    for (const BoxCase& c : kCases) {
        EXPECT_EQ(collision.HitBoxOffset(c.ax, c.ay, c.ahw, c.ahh, c.bx, c.by, c.bhw, c.bhh, 0, 0), c.hit) << c.name;
    }
}

TEST(CollisionTest, HitBoxOffsetTruncatesTheMovedEdges)
{
    CCollision collision;
    // A spans 40..60; B (60..80 x 30..70) reaches past A's top and bottom, so only the side
    // tests can hit. B's left edge is at 60: unmoved, 60 > 60
    // fails; moved by 0.9 the right edge is trunc(60.9) = 60 and still fails; by 1.0 it is 61.
    EXPECT_FALSE(collision.HitBoxOffset(50, 50, 10, 10, 70, 50, 10, 20, 0.9f, 0));
    EXPECT_TRUE(collision.HitBoxOffset(50, 50, 10, 10, 70, 50, 10, 20, 1.0f, 0));
    // With B one pixel further in (left edge 59) the moved test decides.
    EXPECT_TRUE(collision.HitBoxOffset(50, 50, 10, 10, 69, 50, 10, 20, 0.0f, 0));
    EXPECT_FALSE(collision.HitBoxOffset(50, 50, 10, 10, 69, 50, 10, 20, -1.9f, 0)); // right edge trunc(58.1) = 58
}

} // namespace
