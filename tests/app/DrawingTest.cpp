#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <iterator>
#include <vector>

#include "app/Drawing.h"
#include "platform/HeadlessDevice.h"
#include "platform/RecordingSprite.h"

namespace {

struct StripCase {
    int value;
    std::vector<int> cells; // digit-sheet cells, left to right
    float firstX;           // where the leftmost cell is placed
};

TEST(NumberStripTest, CellsAndPlaces)
{
    const StripCase cases[] = {
        {0, {0, 1, 1, 1}, 1120},
        {5, {0, 1, 1, 6}, 1120},
        {42, {0, 1, 5, 3}, 1120},
        {999, {0, 10, 10, 10}, 1120},
        // Wider values show in full, growing to the left; the sign shows as "0" like a blank.
        {1234, {0, 2, 3, 4, 5}, 1080},
        {-5, {0, 1, 1, 6}, 1120},
        {-100, {0, 1, 2, 1, 1}, 1080},
        {-2147483647 - 1, {0, 1, 3, 2, 5, 8, 5, 9, 4, 7, 5, 9}, 1120 - 40 * 8},
    };
    platform::HeadlessDevice device;
    platform::RecordingSprite sprite(device);
    platform::HeadlessTexture digits("suji", 660, 60);
    for (const StripCase& c : cases) {
        sprite.ClearDraws();
        DrawNumberStrip(&sprite, &digits, c.value, 1120, 20, 0xFFFFFF00);
        const auto& draws = sprite.Draws();
        ASSERT_EQ(draws.size(), c.cells.size()) << c.value;
        for (size_t i = 0; i < draws.size(); ++i) {
            const int cell = c.cells[i];
            EXPECT_EQ(draws[i].source.left, 60 * cell) << c.value << " cell " << i;
            EXPECT_EQ(draws[i].source.right, 60 * cell + 60) << c.value;
            EXPECT_EQ(draws[i].source.top, 0);
            EXPECT_EQ(draws[i].source.bottom, 60);
            EXPECT_FLOAT_EQ(draws[i].transform.m[3][0], c.firstX + 40.0f * static_cast<float>(i)) << c.value;
            EXPECT_FLOAT_EQ(draws[i].transform.m[3][1], 20.0f);
            EXPECT_FLOAT_EQ(draws[i].center.x, 20.0f);
            EXPECT_FLOAT_EQ(draws[i].center.y, 20.0f);
            EXPECT_EQ(draws[i].color, 0xFFFFFF00u);
        }
    }
}

TEST(BlendPassTest, PassesFlushAroundTheirDrawsAndRestoreTheNormalPair)
{
    platform::HeadlessDevice device;
    platform::RecordingSprite sprite(device);
    platform::HeadlessTexture texture("t", 8, 8);
    const platform::Rect all{0, 0, 8, 8};
    const platform::Vec3 centre{};
    sprite.Begin();
    DrawSprite(&sprite, &texture, all, centre, platform::Matrix::Identity(), 0xFFFFFFFF);
    BeginBlendPass(&sprite, &device, kGlowPass);
    DrawSprite(&sprite, &texture, all, centre, platform::Matrix::Identity(), 0xFFFFFFFF);
    EndBlendPass(&sprite, &device);
    BeginBlendPass(&sprite, &device, kAdditivePass);
    DrawSprite(&sprite, &texture, all, centre, platform::Matrix::Identity(), 0xFFFFFFFF);
    EndBlendPass(&sprite, &device);
    DrawSprite(&sprite, &texture, all, centre, platform::Matrix::Identity(), 0xFFFFFFFF);
    const auto& d = sprite.Draws();
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0].destBlend, 6);
    EXPECT_EQ(d[1].srcBlend, 5);
    EXPECT_EQ(d[1].destBlend, 3);
    EXPECT_EQ(d[2].destBlend, 2);
    EXPECT_EQ(d[3].srcBlend, 5);
    EXPECT_EQ(d[3].destBlend, 6);
    EXPECT_EQ(sprite.Flushes(), 4);
}

TEST(MatrixTest, RowVectorOrderAppliesTheLeftFactorFirst)
{
    using platform::Matrix;
    float x = 0;
    float y = 0;
    // Scale then translate: (1, 0) -> (2, 0) -> (12, 5).
    (Matrix::Scaling(2, 2, 0) * Matrix::Translation(10, 5, 0)).TransformPoint(1, 0, x, y);
    EXPECT_FLOAT_EQ(x, 12);
    EXPECT_FLOAT_EQ(y, 5);
    // Translate then scale: (1, 0) -> (11, 5) -> (22, 10).
    (Matrix::Translation(10, 5, 0) * Matrix::Scaling(2, 2, 0)).TransformPoint(1, 0, x, y);
    EXPECT_FLOAT_EQ(x, 22);
    EXPECT_FLOAT_EQ(y, 10);
    // No turn, from +0 or -0: exactly what the cosine and sine give, signs of the zeros included.
    for (const float none : {0.0f, -0.0f}) {
        const Matrix r = Matrix::RotationZ(none);
        EXPECT_EQ(std::bit_cast<uint32_t>(r.m[0][0]), std::bit_cast<uint32_t>(std::cos(none)));
        EXPECT_EQ(std::bit_cast<uint32_t>(r.m[0][1]), std::bit_cast<uint32_t>(std::sin(none)));
        EXPECT_EQ(std::bit_cast<uint32_t>(r.m[1][0]), std::bit_cast<uint32_t>(-std::sin(none)));
    }
    // A quarter turn (y down): (1, 0) -> (0, 1).
    Matrix::RotationZ(90.0f * kDegToRad).TransformPoint(1, 0, x, y);
    EXPECT_NEAR(x, 0, 1e-6);
    EXPECT_NEAR(y, 1, 1e-6);
}

// The product of many matrices the game builds, against the sum written out element by element
// in the order of the definition: every bit the same, so a trace never depends on how the
// product is computed.
TEST(MatrixTest, TheProductSumsEachElementInOrderToTheBit)
{
    using platform::Matrix;
    const float values[] = {0.0f, -0.0f, 1.0f, -1.0f, 0.1f, 3.3f, -1279.5f, 1e-7f, 6.02e4f, 0.96f};
    uint32_t state = 12345;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return values[(state >> 16) % std::size(values)] * (1.0f + static_cast<float>(state % 1000) / 997.0f);
    };
    for (int trial = 0; trial < 500; ++trial) {
        Matrix a;
        Matrix b;
        for (auto& row : a.m) for (float& v : row) v = next();
        for (auto& row : b.m) for (float& v : row) v = next();
        const Matrix product = a * b;
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                float sum = 0.0f;
                for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
                ASSERT_EQ(std::bit_cast<uint32_t>(product.m[i][j]), std::bit_cast<uint32_t>(sum)) << trial << " " << i << j;
            }
        }
    }
}

} // namespace
