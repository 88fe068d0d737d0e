// day_and_night_test.cpp -- the village by the hour: day light, a dark night, lamps lighting the lanes
#include "world_fixture.h"

namespace hm {
namespace {

class DayAndNight : public WorldTest {
protected:
    // The village entered at the given hour of the first day, the square in view.
    void village_at(int h)
    {
        j[hour] = h;
        j[game_time] = 5;
        make_level(1, 4, 44, 37);
        set_us();
        do_gr_light();
        draw_all();
    }
    static int brightness(uint16_t c) { return plat_getr(c) + plat_getg(c) + plat_getb(c); }
    double mean_brightness(int x0, int y0, int x1, int y1) const
    {
        long long sum = 0, n = 0;
        for (int y = y0 < 0 ? 0 : y0; y < y1 && y < VIEW_H; y++)
            for (int x = x0 < 0 ? 0 : x0; x < x1 && x < VIEW_W; x++, n++) sum += brightness(vs[y * VIEW_W + x]);
        return n ? (double)sum / (double)n : 0;
    }
    // The ground's light round a cell's anchor.
    double ground_light_near(int cell) const
    {
        int c = cell % MAP_W, r = cell / MAP_W;
        int cx = view_x(c, r) + 30, cy = view_y(r) + 10;
        long long sum = 0, n = 0;
        for (int y = cy - 20; y <= cy + 20; y++)
            for (int x = cx - 40; x <= cx + 40; x++)
                if (x >= 0 && x < VIEW_W && y >= 0 && y < VIEW_H) {
                    sum += gr_light[y * VIEW_W + x];
                    n++;
                }
        return n ? (double)sum / (double)n : 99;
    }
};

TEST_F(DayAndNight, TheVillageAtNoonIsLitAndAtElevenAtNightDark)
{
    village_at(12);
    EXPECT_EQ(j[light_now], 0);
    double noon = mean_brightness(0, 0, VIEW_W, VIEW_H);
    village_at(23);
    EXPECT_GE(j[light_now], 28);
    double night = mean_brightness(0, 0, VIEW_W, VIEW_H);
    EXPECT_LT(night, noon * 0.6) << "noon " << noon << ", night " << night;
    EXPECT_GT(night, noon * 0.15) << "still readable";
    // Dusk lies between.
    village_at(19);
    double dusk = mean_brightness(0, 0, VIEW_W, VIEW_H);
    EXPECT_LT(dusk, noon);
    EXPECT_GT(dusk, night);
}

TEST_F(DayAndNight, EveryDoorAndEveryLampIsLitAtNight)
{
    village_at(23);
    int base = j[light_now];
    auto look_at = [](int cell) {
        int c = cell % MAP_W, r = cell / MAP_W;
        j[cam_x] = 40 * c + 20 * r - 200;
        j[cam_y] = 20 * r - 120;
        do_gr_light();
    };
    int doors = 0, lights = 0;
    for (int i = 0; i < MAP_CELLS; i++) {
        if (ls[i] == 59 || ls[i] == 70) {
            doors++;
            look_at(i);
            EXPECT_LE(light_lev[i], base - 10) << "door at " << i % MAP_W << "," << i / MAP_W;
            EXPECT_LE(light_lev[i + MAP_W], base - 8) << "before the door at " << i % MAP_W << "," << i / MAP_W;
        }
        if (ls_tile[ls[i]].ls_light == 1 && ls[i] != 31) {   // lamps and torches, not the camp fire
            lights++;
            look_at(i);
            EXPECT_LT(ground_light_near(i), base - 8) << "light at " << i % MAP_W << "," << i / MAP_W;
        }
    }
    EXPECT_EQ(doors, 30);
    EXPECT_GE(lights, 35) << "the lanes have their lamps";
}

}  // namespace
}  // namespace hm
