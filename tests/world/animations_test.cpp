// animations_test.cpp -- effects on the map: their records, their ages and what they draw; the sea
#include <cstdlib>

#include "world_fixture.h"

namespace hm {
namespace {

constexpr uint16_t BACK = 0x1234;   // what the view holds before an effect is drawn

class Animations : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        j[cam_x] = 1000;
        j[cam_y] = 600;
        std::memset(ani_us, 0, MAP_CELLS);
    }
    void fill_view(uint16_t c)
    {
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = c;
    }
    // Solid 32 x 32 effect pictures first..first + n - 1, painted in palette index
    // 40 + k for picture first + k.
    void effect_pictures(int first, int n)
    {
        std::vector<test_pic> pics;
        for (int k = 0; k < n; k++) pics.push_back({6, first + k, 32, 32, [k](int, int) { return 40 + k; }});
        use_pictures(pics);
    }
    int changed_top_row() const
    {
        for (int y = 0; y < VIEW_H; y++)
            for (int x = 0; x < VIEW_W; x++)
                if (vs[y * VIEW_W + x] != BACK) return y;
        return -1;
    }
};

TEST_F(Animations, RecordsAreTakenLowestFirstAndAFullTableStartsNothing)
{
    EXPECT_EQ(new_ani(500, 10, 20, 2, 0, 9, 0), 0);
    EXPECT_EQ(new_ani2(32, 501, 0, 1, 0, 0, 0, 0, 0), 1);
    ANI[0].active = 0;
    EXPECT_EQ(new_ani(502, 20, 20, 2, 0, 9, 0), 0) << "the freed record is taken again";
    EXPECT_EQ(ANI[0].cell, 502);
    EXPECT_EQ(ANI[0].age, 0);
    EXPECT_EQ(ANI[0].frame, 0);
    for (int i = 2; i < ANI_COUNT; i++) ASSERT_EQ(new_ani(600 + i, 0, 20, 2, 0, 9, 0), i);
    ani_rec before[ANI_COUNT];
    std::memcpy(before, ANI, sizeof before);
    EXPECT_EQ(new_ani(700, 0, 20, 2, 0, 9, 0), -1);
    EXPECT_EQ(new_ani2(1, 700, 0, 0, 0, 0, 0, 0, 0), -1);
    EXPECT_EQ(std::memcmp(before, ANI, sizeof before), 0);
}

TEST_F(Animations, KindZeroStepsThroughItsPicturesHoldsTheLastAndFadesIt)
{
    effect_pictures(100, 4);
    ASSERT_EQ(new_ani(5055, 100, 20, 4, 0, 3, 0), 0);
    int ax = 200, ay = 100;
    int last_distance = -1;
    for (int age = 1; age <= 20; age++) {
        do_anis();
        if (age == 20) {
            EXPECT_FALSE(ANI[0].active) << "ends at its life";
            EXPECT_EQ(ani_us[5055], 1) << "still marked in the frame it ends";
            break;
        }
        ASSERT_TRUE(ANI[0].active) << age;
        int want = age / 4 < 3 ? age / 4 : 3;
        EXPECT_EQ(ANI[0].frame, want) << age;
        fill_view(BACK);
        draw_ani(0, ax, ay);
        uint16_t px = view_px(ax, ay);   // the middle of the picture
        if (age < 12) {
            EXPECT_EQ(px, colour(40 + want)) << "solid before the last picture, age " << age;
        } else {
            // From age 12 the last picture fades towards what lies under it.
            int d = std::abs(plat_getr(px) - plat_getr(BACK)) + std::abs(plat_getg(px) - plat_getg(BACK)) +
                    std::abs(plat_getb(px) - plat_getb(BACK));
            if (age == 12) EXPECT_EQ(px, colour(43));
            else EXPECT_LE(d, last_distance) << age;
            last_distance = d;
        }
    }
    EXPECT_LT(last_distance * 4, std::abs(plat_getr(colour(43)) - plat_getr(BACK)) +
                                     std::abs(plat_getg(colour(43)) - plat_getg(BACK)) +
                                     std::abs(plat_getb(colour(43)) - plat_getb(BACK)))
        << "nearly gone at the end";
    EXPECT_EQ(ANI[0].px, 12.0f) << "the age the last picture was reached";
}

TEST_F(Animations, RisingWordsLastFiftyFramesHalfAPixelAFrame)
{
    ASSERT_EQ(new_ani2(32, 5055, 0, 0, 0, 0, 0, 0, 0), 0);
    int top2 = -1, top22 = -1;
    for (int age = 1; age <= 51; age++) {
        do_anis();
        if (age == 51) {
            EXPECT_FALSE(ANI[0].active);
            break;
        }
        ASSERT_TRUE(ANI[0].active) << age;
        fill_view(BACK);
        draw_ani(0, 200, 150);
        if (age == 2) top2 = changed_top_row();
        if (age == 22) top22 = changed_top_row();
    }
    ASSERT_GE(top2, 0) << "\"successful \" is written";
    EXPECT_EQ(top2 - top22, 10);
}

TEST_F(Animations, ATrackedEffectFollowsTheViewAndKeepsItsCellOutsideIt)
{
    // Two cells in the view, then beyond the right edge, then over no cell at all.
    ASSERT_EQ(new_ani2(2, 0, 0, 0, 100.5f, 50.0f, 0, 0, 1), 0);
    do_anis();
    int first = get_square(100, 50);
    EXPECT_EQ(ANI[0].cell, first);
    EXPECT_EQ(ani_us[first], 1);
    ANI[0].px = 180;
    do_anis();
    int second = get_square(180, 50);
    ASSERT_NE(second, first);
    EXPECT_EQ(ANI[0].cell, second);
    EXPECT_EQ(ani_us[first], 0) << "marks are made again every frame";
    ANI[0].px = 400;
    do_anis();
    EXPECT_EQ(ANI[0].cell, second);
    j[cam_x] = j[cam_y] = -2000;   // the view over nothing but off-map ground
    ANI[0].px = 10;
    do_anis();
    EXPECT_EQ(ANI[0].cell, second);
}

TEST_F(Animations, EffectsOffTheMapMarkNothingAndUnknownKindsEndAtOnce)
{
    ASSERT_EQ(new_ani2(3, -1, 0, 0, -5, -5, 0, 0, 1), 0);
    ASSERT_EQ(new_ani(MAP_CELLS, 100, 35, 2, 0, 9, 0), 1);
    ASSERT_EQ(new_ani2(77, 300, 0, 0, 0, 0, 0, 0, 0), 2);
    do_anis();
    for (int i = 0; i < MAP_CELLS; i++)
        if (i != 300) {
            ASSERT_EQ(ani_us[i], 0) << i;
        }
    EXPECT_TRUE(ANI[0].active);
    EXPECT_TRUE(ANI[1].active);
    EXPECT_FALSE(ANI[2].active) << "a kind that does not exist is not kept";
}

TEST_F(Animations, EveryKindEndsAtItsAgeAndDrawsInsideTheView)
{
    // Each kind runs to its end over the view's corners: nothing written outside.
    const int ends[] = {0, 41, 10, 10, 60, 60, 60, 100, 25, 100, 120};
    for (int kind = 1; kind <= 33; kind++) {
        int end = kind <= 10 ? ends[kind] : kind <= 30 ? 34 : kind == 31 ? 33 : 51;
        for (int at : {0, 5055}) {
            for (int i = 0; i < ANI_COUNT; i++) ANI[i].active = 0;
            ASSERT_EQ(new_ani2(kind, at, 40, 0, 1.5f, -3.0f, 2.0f, -1.0f, 0), 0);
            int age = 0;
            while (ANI[0].active && age < 200) {
                do_anis();
                age++;
                if (!ANI[0].active) break;
                draw_ani(0, at == 0 ? -10 : 395, at == 0 ? -10 : 235);
                j[frame_count]++;
            }
            EXPECT_EQ(age, end) << "kind " << kind;
        }
    }
}

TEST_F(Animations, SparksFallAndSpraysArc)
{
    ASSERT_EQ(new_ani2(1, 5055, 0, 0, 0, 0, 1.0f, -2.0f, 0), 0);
    ASSERT_EQ(new_ani2(12, 5055, 0, 0, 0, 0, 1.0f, -2.0f, 0), 1);
    for (int i = 0; i < 10; i++) do_anis();
    EXPECT_FLOAT_EQ(ANI[0].px, 10.0f);
    EXPECT_NEAR(ANI[0].py, -20.0f + 4.5f, 1e-4);   // vy grows by 0.1 a frame
    EXPECT_NEAR(ANI[1].py, -20.0f + 6.75f, 1e-4);  // and by 0.15 for the thrown particles
}

TEST_F(Animations, HighEffectsShowOverRoofsLowOnesOnlyOnCellsTheyDoNotHide)
{
    effect_pictures(100, 10);
    j[cam_x] = 40 * 50 + 20 * 50 - 200;
    j[cam_y] = 20 * 50 - 120;
    int cell = 50 + MAP_W * 50;
    ASSERT_EQ(new_ani(cell, 100, 35, 2, 0, 9, 1), 0);
    do_anis();
    // Roofs on every cell in front of (50, 50) and on the one behind it hide the cell.
    const int hiding[8][2] = {{49, 51}, {50, 51}, {48, 52}, {49, 52}, {50, 52}, {48, 53}, {49, 53}, {50, 49}};
    for (const auto &h : hiding) rf[h[0] + MAP_W * h[1]] = 5;
    ASSERT_EQ(rf_chk(50, 50), 0);
    int x = view_x(50, 50) + 30, y = view_y(50) + 8;
    fill_view(BACK);
    draw_all();
    EXPECT_EQ(view_px(x, y), colour(40)) << "high: drawn after the roofs";
    ANI[0].high = 0;
    fill_view(BACK);
    draw_all();
    EXPECT_EQ(view_px(x, y), BACK) << "low: hidden with its cell";
    rf[50 + MAP_W * 51] = 0;
    fill_view(BACK);
    draw_all();
    EXPECT_EQ(view_px(x, y), colour(40)) << "low: drawn in the object pass";
}

class Sea : public WorldTest {
protected:
    // The sea's water 137 in index 50, the solid wave 128 in 60, the other frames 70.
    void SetUp() override
    {
        WorldTest::SetUp();
        std::vector<test_pic> pics;
        for (int n = 128; n <= 137; n++) {
            int w = n == 137 ? 100 : 60, h = 60;
            int ink = n == 137 ? 50 : n == 128 ? 60 : 70;
            // Waves cover only the picture's lower half.
            pics.push_back({1, n, w, h, [ink, n](int, int y) { return n == 137 || y >= 40 ? ink : 0; }});
        }
        use_pictures(pics);
        j[cam_x] = 40 * 50 + 20 * 50 - 200;
        j[cam_y] = 20 * 50 - 120;
        for (int i = 0; i < MAP_CELLS; i++) ls[i] = 0;
        ls[50 + MAP_W * 50] = 128;
    }
    void run_at(int tick)
    {
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = BACK;
        j[sea_tick] = tick - 1;
        draw_sea();
    }
};

TEST_F(Sea, AtTickOneFiftyTheWaterIsSeeThroughAndTheWaveSolid)
{
    run_at(150);
    int x = view_x(50, 50), y = view_y(50) - 20 - 20;   // the 60-high picture rises 20 above
    // Near the bottom of the water: mostly water, a little ground showing through.
    uint16_t water = view_px(x + 65, y + 30);
    EXPECT_NE(water, BACK);
    EXPECT_NE(water, colour(50));
    // The top row of the water lets the ground through wholly at this phase.
    EXPECT_EQ(view_px(x + 65, y + 1), BACK);
    // The wave 128 lies solid over its lower rows.
    EXPECT_EQ(view_px(x + 10, y + 50), colour(60));
    EXPECT_EQ(j[sea_tick], 150);
}

TEST_F(Sea, PhasesFollowTheTable)
{
    int x = view_x(50, 50), y = view_y(50) - 40;
    // Solid waves over the water at t 32 and 66; between them only the water.
    for (int t : {20, 32, 50, 66}) {
        run_at(5 * t);
        bool wave = t == 32 || t == 66;
        if (wave) EXPECT_EQ(view_px(x + 10, y + 50), colour(70)) << t;
        else EXPECT_EQ(view_px(x + 10, y + 50), view_px(x + 65, y + 50)) << t;
    }
    // Nothing is drawn on a cell without the marker, nor on one hidden by roofs.
    ls[50 + MAP_W * 50] = 0;
    run_at(150);
    EXPECT_EQ(view_px(x + 10, y + 50), BACK);
    // A tick read from a bad save starts over instead of running past the cycle.
    j[sea_tick] = -7;
    draw_sea();
    EXPECT_EQ(j[sea_tick], 1);
}

}  // namespace
}  // namespace hm
