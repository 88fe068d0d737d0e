// light_test.cpp -- the clock and the light of the hour, light sources and shadows, the tile animator
#include "world_fixture.h"

namespace hm {
namespace {

class Light : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        // The camera with cell (50, 50) in the middle of the view.
        j[cam_x] = 40 * 50 + 20 * 50 - 200;
        j[cam_y] = 20 * 50 - 120;
        std::memset(ls, 0, sizeof(uint16_t) * MAP_CELLS);
        std::memset(ls_lt, 0, MAP_CELLS);
        std::memset(gr_lt, 0, MAP_CELLS);
        std::memset(ani_us, 0, MAP_CELLS);
        std::memset(ls_tile, 0, sizeof(ls_tile_rec) * LS_TILE_COUNT);
    }
    // Light pictures of one value over a w x h block: 0 the glow, 2 the shadow.
    void light_pictures(int glow, int shadow)
    {
        use_pictures({{5, 0, 20, 10, [glow](int, int) { return glow; }},
                      {5, 2, 20, 10, [shadow](int, int) { return shadow; }},
                      {5, 1, 20, 10, [](int, int) { return 40; }}});
    }
    int cell_pixel_light(int c, int r) const { return gr_light[(view_y(r) + 10) * VIEW_W + view_x(c, r) + 30]; }
    void write_light_times()
    {
        std::string s;
        for (int h = 0; h < 24; h++) s += std::to_string(100 + h) + " " + std::to_string(200 + h) + "\n";
        write_file("light_times.txt", s);
    }
};

TEST_F(Light, AFixedLevelLightHoldsAtEveryHour)
{
    enter_scratch();
    write_light_times();
    j[lev_light] = 5;
    j[light_now] = 2;
    for (int i = 0; i < 24 * 60 * 60 + 5; i++) {
        do_light_time(0);
        ASSERT_TRUE(j[light_now] == 5 || (i < 59 && j[light_now] == 2)) << i;
    }
    EXPECT_EQ(j[hour], 24);
    EXPECT_EQ(j[day], 1);
}

TEST_F(Light, TheHourAndItsHalfChooseTheNumber)
{
    enter_scratch();
    write_light_times();
    j[lev_light] = -1;
    j[hour] = 13;
    j[game_time] = 13 * 60 + 30;
    j[minute_tick] = 58;
    do_light_time(0);
    EXPECT_EQ(j[minute_tick], 59);
    EXPECT_EQ(j[game_time], 13 * 60 + 30) << "a minute is 60 frames";
    j[light_now] = -7;
    do_light_time(0);
    EXPECT_EQ(j[game_time], 13 * 60 + 31);
    EXPECT_EQ(j[light_now], 213) << "minute 31 takes the second number of line 13";
    // Read again only at minutes 1 and 31.
    j[light_now] = -7;
    j[minute_tick] = 59;
    do_light_time(0);
    EXPECT_EQ(j[light_now], -7);
    // Past the hour: minute 1 of hour 14 takes its first number.
    j[game_time] = 14 * 60 - 1;
    j[minute_tick] = 59;
    do_light_time(0);
    EXPECT_EQ(j[hour], 14);
    j[minute_tick] = 59;
    do_light_time(0);
    EXPECT_EQ(j[light_now], 114);
    // Level entry forces a reading at once, and an hour count past a day wraps.
    j[hour] = 24 * 3 + 2;
    j[game_time] = 10;
    do_light_time(1);
    EXPECT_EQ(j[light_now], 102);
    j[hour] = -3;   // from a damaged save: still a line of the file
    do_light_time(1);
    EXPECT_EQ(j[light_now], 121);
    // Without the file the light stays as it was.
    std::remove("light_times.txt");
    do_light_time(1);
    EXPECT_EQ(j[light_now], 121);
}

TEST_F(Light, ATorchLightsItsCellAndNeighboursNeverPastFullLight)
{
    light_pictures(0, 0);
    ls_tile[27].ls_light = 1;
    int cell = 50 + MAP_W * 50;
    ls[cell] = 27;
    j[light_now] = 20;
    do_gr_light();
    EXPECT_EQ(light_lev[cell], 5);
    for (int d : {-1, 1, -100, 100}) EXPECT_EQ(light_lev[cell + d], 8) << d;
    for (int d : {-2, 2, -200, 200, -99, 99, -101, 101}) EXPECT_EQ(light_lev[cell + d], 11) << d;
    EXPECT_EQ(light_lev[cell + 4], 17);
    EXPECT_EQ(light_lev[cell + 5], 20);
    j[light_now] = 10;
    do_gr_light();
    EXPECT_EQ(light_lev[cell], 0);
    EXPECT_EQ(light_lev[cell + 1], 0);
    EXPECT_EQ(light_lev[cell + 2], 1);
    // A lantern's softer light, and object offsets from the level file on top.
    ls_tile[27].ls_light = 2;
    ls_lt[cell] = 3;
    j[light_now] = 20;
    do_gr_light();
    EXPECT_EQ(light_lev[cell], 15);
    EXPECT_EQ(light_lev[cell + 100], 13);
}

TEST_F(Light, LightNearTheMapEdgeStaysOnTheMap)
{
    // By index a diamond goes on in the neighbouring row, as the layers are laid
    // out, but never off the map's first or last cell.
    std::memset(light_lev, 30, MAP_CELLS);
    light_circ(0, 4, -15, -12, -9, -6, -3);
    EXPECT_EQ(light_lev[0], 15);
    EXPECT_EQ(light_lev[1], 18);
    EXPECT_EQ(light_lev[100], 18);
    EXPECT_EQ(light_lev[99], 21);
    std::memset(light_lev, 30, MAP_CELLS);
    light_circ(-1, 4, -15, -12, -9, -6, -3);
    light_circ(MAP_CELLS, 4, -15, -12, -9, -6, -3);
    cllev(-5, -10);
    cllev(MAP_CELLS, -10);
    EXPECT_EQ(light_lev[0], 18);
    EXPECT_EQ(light_lev[99], 18);
    EXPECT_EQ(light_lev[9999], 18);
    EXPECT_EQ(light_lev[9900], 18);
}

TEST_F(Light, GroundLightFollowsTheBaseTheOffsetsAndTheGlows)
{
    light_pictures(16, 16);
    j[light_now] = 20;
    int cell = 50 + MAP_W * 50;
    gr_lt[cell] = 6;
    do_gr_light();
    EXPECT_EQ(cell_pixel_light(50, 50), 26);
    EXPECT_EQ(cell_pixel_light(51, 50), 20);
    // Every pixel of the cell's parallelogram, and none beside it.
    int x = view_x(50, 50), y = view_y(50);
    EXPECT_EQ(gr_light[(y + 19) * VIEW_W + x + 19 + 39], 26);
    EXPECT_EQ(gr_light[(y + 19) * VIEW_W + x + 18], 20);
    // A glowing effect (kind 8) brightens the ground under it by its picture.
    gr_lt[cell] = 0;
    ASSERT_EQ(new_ani2(8, cell, 0, 0, 0, 0, 0, 0, 0), 0);
    do_anis();
    do_gr_light();
    EXPECT_EQ(cell_pixel_light(50, 50), 4);
    // Full light is the floor: a glow on a bright cell never wraps round to dark.
    j[light_now] = 3;
    do_gr_light();
    EXPECT_EQ(cell_pixel_light(50, 50), 0);
}

TEST_F(Light, CreaturesCastShadowsFainterWhenSeeThrough)
{
    light_pictures(0, 16);
    j[light_now] = 10;
    crt_rec &k = put_creature(3, 50, 50);
    do_gr_light();
    EXPECT_EQ(cell_pixel_light(50, 50), 26);
    k.tint_mode = 2;
    k.tint_extra = 128;
    do_gr_light();
    EXPECT_EQ(cell_pixel_light(50, 50), 10 + (16 * 127 >> 8));
    // A flyer's shadow falls on the ground below it, at full strength.
    k.tint_mode = 0;
    k.flying = 1;
    us[k.cell] = -1;
    us2[k.cell] = 3;
    do_gr_light();
    EXPECT_EQ(cell_pixel_light(50, 50), 26);
    // A walker drawn off its cell takes its shadow along.
    k.flying = 0;
    us2[k.cell] = -1;
    us[k.cell] = 3;
    k.draw_dx = 20;
    do_gr_light();
    int row = (view_y(50) + 10) * VIEW_W, cx = view_x(50, 50) + 30;
    EXPECT_EQ(gr_light[row + cx + 25], 26);
    EXPECT_EQ(gr_light[row + cx], 10);
}

TEST_F(Light, ShadesNeverLeaveTheColourTable)
{
    light_pictures(200, 200);
    int cell = 50 + MAP_W * 50;
    put_creature(3, 50, 50);
    ls_lt[cell + 1] = 127;
    gr_lt[cell + 1] = 127;
    for (int base : {-1000, -5, 0, 62, 63, 64, 127, 200, 100000, 2147483000}) {
        j[light_now] = base;
        do_gr_light();
        for (int i = 0; i < VIEW_W * VIEW_H; i++) ASSERT_LE(gr_light[i], SHADE_MAX) << base;
        for (int c = 0; c < MAP_CELLS; c++) {
            ASSERT_GE(light_lev[c], 0) << base;
            ASSERT_LE(light_lev[c], SHADE_MAX) << base;
        }
    }
    // A shadow on the darkest ground stays dark.
    j[light_now] = 60;
    do_gr_light();
    EXPECT_EQ(cell_pixel_light(50, 50), SHADE_MAX);
}

TEST_F(Light, AMissileInFlightLightsItsWay)
{
    light_pictures(16, 0);
    j[light_now] = 20;
    int cell = 50 + MAP_W * 50;
    j[shot_cell] = cell;
    f[sht_x] = (float)(j[cam_x] + view_x(50, 50) + 30);
    f[sht_y] = (float)(j[cam_y] + view_y(50) + 10);
    for (int look = 0; look <= 6; look++) {
        j[shot_on] = 2;
        j[shot_fly_pic] = look;
        do_gr_light();
        bool glows = look == 1 || look == 2 || look == 6;
        EXPECT_EQ(light_lev[cell], glows ? 14 : 20) << look;
        EXPECT_EQ(light_lev[cell + 100], glows ? 16 : 20) << look;
        EXPECT_EQ(cell_pixel_light(50, 50), glows ? 4 : 20) << look;
    }
    j[shot_on] = 1;   // not yet flying
    j[shot_fly_pic] = 1;
    do_gr_light();
    EXPECT_EQ(light_lev[cell], 20);
}

class Tiles : public Light {};

TEST_F(Tiles, ADoorOpensUnderTheLeaderAtOnceAndClosesOnTheNextSweep)
{
    j[leader] = 0;
    int cell = 50 + MAP_W * 50, other = 60 + MAP_W * 50;
    ls[cell] = 59;
    ls[other] = 70;
    crt_rec &k = put_creature(1, 50, 50);
    make_leader(1);
    j[grndani_tick] = 0;
    do_grndanis(0);
    EXPECT_EQ(ls[cell], 60) << "open in the same frame";
    EXPECT_EQ(ls[other], 70);
    // The leader steps on; the door stays open until the next sweep.
    us[cell] = -1;
    k.x = 51;
    k.cell = cell + 1;
    us[cell + 1] = 1;
    int frames = 0;
    while (ls[cell] == 60 && frames < 10) {
        do_grndanis(0);
        frames++;
    }
    EXPECT_EQ(ls[cell], 59);
    EXPECT_EQ(frames, 4) << "closed at the fifth frame's sweep";
    // The current creature of a battle opens doors too; a walker keeps one open.
    j[cur_crt] = 2;
    put_creature(2, 60, 50);
    do_grndanis(0);
    EXPECT_EQ(ls[other], 69);
    j[cur_crt] = -1;
    do_grndanis(1);
    EXPECT_EQ(ls[other], 69) << "someone still stands in it";
    us[other] = -1;
    do_grndanis(1);
    EXPECT_EQ(ls[other], 70);
}

TEST_F(Tiles, EveryCycleMovesOneStepASweep)
{
    const uint16_t grounds[][2] = {{0, 1}, {17, 18}, {18, 17}, {96, 97}, {97, 96}, {5, 5}};
    const uint16_t objects[][2] = {{27, 28}, {28, 27}, {67, 68}, {68, 67}, {116, 117}, {117, 118},
                                   {118, 116}, {31, 32},  {32, 33}, {33, 31}, {40, 40}};
    for (size_t i = 0; i < sizeof grounds / sizeof grounds[0]; i++) gr[i] = grounds[i][0];
    for (size_t i = 0; i < sizeof objects / sizeof objects[0]; i++) ls[i] = objects[i][0];
    j[grndani_tick] = 3;
    do_grndanis(0);
    EXPECT_EQ(gr[1], 17) << "between sweeps nothing moves";
    do_grndanis(0);
    for (size_t i = 0; i < sizeof grounds / sizeof grounds[0]; i++) EXPECT_EQ(gr[i], grounds[i][1]) << i;
    for (size_t i = 0; i < sizeof objects / sizeof objects[0]; i++) EXPECT_EQ(ls[i], objects[i][1]) << i;
    // A tick from a damaged save still comes round.
    j[grndani_tick] = -40;
    do_grndanis(0);
    EXPECT_EQ(j[grndani_tick], 0);
}

}  // namespace
}  // namespace hm
