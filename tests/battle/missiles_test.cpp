// missiles_test.cpp -- the ray's cells, range and penalties, the missile's course and flight, angles
#include <cmath>

#include "battle_fixture.h"

namespace hm {
namespace {

class Missiles : public BattleTest {
protected:
    void SetUp() override
    {
        BattleTest::SetUp();
        std::memset(rng_pen, 0, MAP_CELLS);
        j[shot_on] = j[shot_launch] = j[shot_high] = 0;
    }
    // The plain ray: 0.001 of a cell at a time, counting every new cell.
    static std::vector<int> stepped(int x0, int y0, int x1, int y1)
    {
        std::vector<int> cells;
        int tx = x1 - x0, ty = y1 - y0;
        double len = std::sqrt((double)tx * tx + (double)ty * ty);
        if (len <= 0.001) return cells;
        double sx = 0.001 * (tx / len), sy = 0.001 * (ty / len);
        long long steps = (long long)std::ceil(len / 0.001) + 1;
        int prev = x0 + MAP_W * y0;
        for (long long k = 1; k <= steps; k++) {
            int c = x0 + (int)std::floor(0.5 + k * sx) + MAP_W * (y0 + (int)std::floor(0.5 + k * sy));
            if (c == prev) continue;
            prev = c;
            cells.push_back(c);
            if (c == x1 + MAP_W * y1) return cells;
        }
        cells.push_back(x1 + MAP_W * y1);
        return cells;
    }
};

TEST_F(Missiles, TheRayCountsCellsAndSumsTheirPenalties)
{
    rng_pen[cell(11, 10)] = 30;
    rng_pen[cell(10, 11)] = 40;
    EXPECT_EQ(sht_path(10, 10, 11, 10, 5, -1, -1), 30);   // the next cell: only its own penalty
    EXPECT_EQ(sht_path(10, 10, 10, 10, 0, -1, -1), 0);

    // Six cells east: range 5 cannot, range 6 can.
    EXPECT_EQ(sht_path(20, 20, 26, 20, 5, -1, -1), -1);
    EXPECT_EQ(sht_path(20, 20, 26, 20, 6, -1, -1), 0);

    // Penalties of 100 block; 99 lets the shot through.
    rng_pen[cell(31, 30)] = 60;
    rng_pen[cell(32, 30)] = 40;
    EXPECT_EQ(sht_path(30, 30, 33, 30, 10, -1, -1), -1);
    rng_pen[cell(32, 30)] = 39;
    EXPECT_EQ(sht_path(30, 30, 33, 30, 10, -1, -1), 99);
    // A ray from the map's far corner stays on the map.
    rng_pen[cell(99, 99)] = 5;
    EXPECT_EQ(sht_path(0, 0, 99, 99, 200, -1, -1), 5);
}

TEST_F(Missiles, TheFastRayCrossesExactlyTheCellsOfThePlainOne)
{
    for (int i = 0; i < MAP_CELLS; i++) rng_pen[i] = (int8_t)(i % 7 == 0 ? 3 : 0);
    const int x0 = 50, y0 = 50;
    for (int dy = -12; dy <= 12; dy++)
        for (int dx = -12; dx <= 12; dx++) {
            std::vector<int> cells = stepped(x0, y0, x0 + dx, y0 + dy);
            int pen = 0;
            for (int c : cells) pen += rng_pen[c];
            int n = (int)cells.size();
            ASSERT_EQ(sht_path(x0, y0, x0 + dx, y0 + dy, n, -1, -1), pen) << dx << "," << dy;
            if (n > 0) {
                ASSERT_EQ(sht_path(x0, y0, x0 + dx, y0 + dy, n - 1, -1, -1), -1) << dx << "," << dy;
            }
        }
}

TEST_F(Missiles, AShotAskedInFlightKeepsTheCourseAndTheMissileLands)
{
    sht_path(10, 10, 14, 12, 20, -1, -1);
    float x0 = f[sht_x0], y0 = f[sht_y0], x1 = f[sht_x1], y1 = f[sht_y1];
    EXPECT_FLOAT_EQ(y0, 20.0f * 10 - 10);
    EXPECT_FLOAT_EQ(x0, 40.0f * 10 + y0 + 40);
    EXPECT_FLOAT_EQ(y1, 20.0f * 12 - 10);
    EXPECT_NEAR(f[sht_dx] * f[sht_dx] + f[sht_dy] * f[sht_dy], 1.0f, 1e-5);

    j[shot_on] = 1;
    j[shot_launch] = 1;
    j[shot_fly_pic] = 0;
    do_sht();
    EXPECT_EQ(j[shot_on], 2);
    EXPECT_EQ(sht_path(40, 40, 45, 45, 20, -1, -1), 0);
    EXPECT_EQ(f[sht_x1], x1);
    EXPECT_EQ(f[sht_y1], y1);

    int frames = 1;
    while (j[shot_on] && frames < 100) {
        do_sht();
        frames++;
    }
    float len = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
    EXPECT_EQ(frames, (int)std::ceil(len / 8));
    EXPECT_EQ(j[shot_launch], 0);
}

TEST_F(Missiles, SlowMissilesStepForwardAndBackAndTheCellIsUnderTheScreenPosition)
{
    // Look 4 moves 8 on and 4 back each frame; in floats that is not 4 on, and
    // on this course it lands a frame later than a plain 4-pixel step would.
    sht_path(10, 10, 3, 18, 20, -1, -1);
    float x = f[sht_x0], y = f[sht_y0], dx = f[sht_dx], dy = f[sht_dy];
    float wx = f[sht_x1] - x, wy = f[sht_y1] - y;
    j[shot_on] = j[shot_launch] = 1;
    j[shot_fly_pic] = 4;
    int frames = 0;
    bool landed = false;
    while (!landed && frames < 200) {
        x += 8 * dx;
        y += 8 * dy;
        x -= 4 * dx;
        y -= 4 * dy;
        float gx = x - f[sht_x0], gy = y - f[sht_y0];
        landed = std::sqrt(gx * gx + gy * gy) >= std::sqrt(wx * wx + wy * wy);
        do_sht();
        frames++;
        ASSERT_EQ(f[sht_x], x) << frames;
        ASSERT_EQ(f[sht_y], y) << frames;
        ASSERT_EQ(j[shot_on] == 0, landed) << frames;
    }
    EXPECT_EQ(frames, 51);

    // Left of the camera: -6.5 truncates to -6, which lies in column 1, not 0.
    j[cam_x] = 56;
    j[cam_y] = 0;
    j[shot_on] = 1;
    j[shot_fly_pic] = 0;
    f[sht_x] = f[sht_x0] = f[sht_x1] = 49.5f;
    f[sht_y] = f[sht_y0] = f[sht_y1] = 10.0f;
    f[sht_dx] = f[sht_dy] = 0;
    do_sht();
    EXPECT_EQ(j[shot_cell], 1);
    EXPECT_EQ(j[shot_on], 0);
}

TEST_F(Missiles, AnglesByQuadrant)
{
    EXPECT_FLOAT_EQ(get_A(0, 1), 1.5708f);
    EXPECT_FLOAT_EQ(get_A(0.0005f, -1), 4.7124f);
    EXPECT_FLOAT_EQ(get_A(-1, 0), 3.1416f);
    EXPECT_FLOAT_EQ(get_A(1, 0), 0.0f);
    EXPECT_NEAR(get_A(1, 1), 0.7854f, 1e-4);
    EXPECT_NEAR(get_A(-1, 1), 2.3562f, 1e-4);
    EXPECT_NEAR(get_A(-1, -1), 3.9270f, 1e-4);
    EXPECT_NEAR(get_A(1, -1), 5.4978f, 1e-4);
}

}  // namespace
}  // namespace hm
