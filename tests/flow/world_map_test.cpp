// world_map_test.cpp -- the world map's terrain lookups, the marker's movement, the view and the picture
#include <cmath>
#include <string>

#include "flow_fixture.h"

namespace hm {
namespace {

class WorldMap : public FlowTest {
protected:
    // A terrain file whose class at (x, y) is cls(x, y).  The run directory links
    // the built map: the link goes first so that the shared file is never written.
    template <class F>
    void terrain(F cls)
    {
        std::string t(2 * WMAP_W * WMAP_H, ' ');
        for (int y = 0; y < WMAP_H; y++)
            for (int x = 0; x < WMAP_W; x++) t[2 * (WMAP_W * y + x)] = (char)('0' + cls(x, y));
        raw_terrain(t);
    }

    void raw_terrain(const std::string &bytes)
    {
        unlink("wmap10.txt");
        write_file("wmap10.txt", bytes);
    }

    static void place(float x, float y, float dir)
    {
        f[wmap_x] = x;
        f[wmap_y] = y;
        f[wmap_dir] = dir;
    }

    static void steps(int n, int d = 1)
    {
        for (int i = 0; i < n; i++) move_pmarker(d);
    }
};

TEST_F(WorldMap, TheMarkerSlidesAlongWaterAndMountainsButNotIntoThem)
{
    // Water from column 300 on, mountains above row 100, a road (class 3) below.
    terrain([](int x, int y) { return x >= 300 ? 1 : y < 100 ? 2 : y > 300 ? 3 : 0; });

    place(298.0f, 200.0f, (float)M_PI / 4);   // down and to the right, into the water
    steps(40);
    EXPECT_LT(f[wmap_x], 300.0f);
    EXPECT_GE(f[wmap_x], 299.0f);
    EXPECT_NEAR(f[wmap_y], 200.0f + 40 * 0.5f * std::sin((float)M_PI / 4), 0.01f);

    place(150.0f, 102.0f, -(float)M_PI * 3 / 4);   // up and to the left, into the mountains
    steps(40);
    EXPECT_GE(f[wmap_y], 100.0f);
    EXPECT_NEAR(f[wmap_x], 150.0f - 40 * 0.5f * std::cos((float)M_PI / 4), 0.01f);

    place(150.0f, 298.0f, (float)M_PI / 2);   // other classes let it pass
    steps(10);
    EXPECT_FLOAT_EQ(f[wmap_y], 303.0f);
    steps(10, -1);
    EXPECT_FLOAT_EQ(f[wmap_y], 298.0f);

    place(299.5f, 200.0f, 0.0f);   // straight at the wall: no step at all
    steps(5);
    EXPECT_FLOAT_EQ(f[wmap_x], 299.5f);
    EXPECT_FLOAT_EQ(f[wmap_y], 200.0f);
}

TEST_F(WorldMap, PositionsOffTheMapBlock)
{
    terrain([](int, int) { return 0; });
    EXPECT_EQ(get_wmp(10, -1, 0), 1);
    EXPECT_EQ(get_wmp(10, 0, -1), 1);
    EXPECT_EQ(get_wmp(10, 640, 0), 1);
    EXPECT_EQ(get_wmp(10, 0, 400), 1);
    EXPECT_EQ(get_wmp(10, 639, 399), 0);

    // Truncation lets the marker a fraction of a pixel past each edge, never a whole one.
    for (float dir : {0.0f, (float)M_PI / 2, (float)M_PI, -(float)M_PI / 2}) {
        place(320.0f, 200.0f, dir);
        steps(1400);
        EXPECT_GT(f[wmap_x], -1.0f);
        EXPECT_LT(f[wmap_x], 640.0f);
        EXPECT_GT(f[wmap_y], -1.0f);
        EXPECT_LT(f[wmap_y], 400.0f);
    }
}

TEST_F(WorldMap, TheViewOffsetStopsAt239And159)
{
    place(639.0f, 399.0f, 0.0f);
    wmap_view_offset();
    EXPECT_EQ(j[wmap_cx], 239);
    EXPECT_EQ(j[wmap_cy], 159);
    place(0.0f, 0.0f, 0.0f);
    wmap_view_offset();
    EXPECT_EQ(j[wmap_cx], 0);
    EXPECT_EQ(j[wmap_cy], 0);
    place(300.7f, 200.9f, 0.0f);
    wmap_view_offset();
    EXPECT_EQ(j[wmap_cx], 100);
    EXPECT_EQ(j[wmap_cy], 80);

    // The window drawn for any larger offset is the one at (239, 159): the last
    // column and row of the picture are never shown.
    for (int i = 0; i < WMAP_W * WMAP_H; i++) swad[i] = (uint8_t)(i % 251);
    draw_wmap(5000, 5000);
    EXPECT_EQ(vs[0], jpal_buf[swad[159 * WMAP_W + 239]]);
    EXPECT_EQ(vs[VIEW_W * VIEW_H - 1], jpal_buf[swad[398 * WMAP_W + 638]]);
    draw_wmap(-5, -5);
    EXPECT_EQ(vs[VIEW_W + 1], jpal_buf[swad[WMAP_W + 1]]);
}

TEST_F(WorldMap, AMissingTerrainFileLetsTheMarkerPass)
{
    unlink("wmap10.txt");
    EXPECT_EQ(get_wmp(10, 100, 100), 0);
    place(100.0f, 100.0f, 0.0f);
    steps(20);
    EXPECT_FLOAT_EQ(f[wmap_x], 110.0f);
    EXPECT_EQ(get_wmp(10, -1, 5), 1);
}

TEST_F(WorldMap, AMalformedTerrainFileIsRefusedWithoutReadingPastItsEnd)
{
    // Too short: the pixels past its end are not read, and nothing blocks.
    raw_terrain("1 1 1 1 ");
    EXPECT_EQ(get_wmp(10, 0, 0), 0);
    EXPECT_EQ(get_wmp(10, 639, 399), 0);
    // One byte short or long: every offset would be shifted, so the file is refused.
    std::string full(2 * WMAP_W * WMAP_H, ' ');
    for (size_t i = 0; i < full.size(); i += 2) full[i] = '1';
    raw_terrain(full.substr(1));
    EXPECT_EQ(get_wmp(10, 10, 10), 0);
    raw_terrain(full + " ");
    EXPECT_EQ(get_wmp(10, 10, 10), 0);
    // A run of digits does not carry the read into the next pixels.
    std::string digits(full.size(), '2');
    raw_terrain(digits);
    EXPECT_EQ(get_wmp(10, 639, 399), 0);
    // A value that is not a digit counts as 0; the right size is read as it stands.
    full[2 * (WMAP_W * 5 + 5)] = 'x';
    raw_terrain(full);
    EXPECT_EQ(get_wmp(10, 5, 5), 0);
    EXPECT_EQ(get_wmp(10, 6, 5), 1);
}

TEST_F(WorldMap, ThePictureLoadsBottomRowFirstAndAShortFileKeepsTheOld)
{
    std::string bmp(1078 + WMAP_W * WMAP_H, '\0');
    for (int r = 0; r < WMAP_H; r++)
        for (int x = 0; x < WMAP_W; x++) bmp[1078 + (size_t)r * WMAP_W + x] = (char)((r + x) % 256);
    unlink("wmap10.bmp");
    write_file("wmap10.bmp", bmp);
    load_wmap(10);
    EXPECT_EQ(swad[0], (uint8_t)((WMAP_H - 1) % 256));
    EXPECT_EQ(swad[(WMAP_H - 1) * WMAP_W + 3], 3);

    std::fill(swad, swad + WMAP_W * WMAP_H, 7);
    unlink("wmap10.bmp");
    write_file("wmap10.bmp", bmp.substr(0, bmp.size() - 1));
    load_wmap(10);
    EXPECT_EQ(swad[0], 7);
    EXPECT_EQ(swad[WMAP_W * WMAP_H - 1], 7);
    unlink("wmap10.bmp");
    load_wmap(10);
    EXPECT_EQ(swad[0], 7);
}

TEST_F(WorldMap, TabLeavesBattlesConversationsTheLockTheEditorAndSpeechAlone)
{
    ASSERT_EQ(make_new_state(), 0);
    make_level(1, 4, 30, 70);
    CRT[leader_crt()].x = 31;   // he has walked a step since
    // A record no level entry makes: the map, were it opened, would free it.
    const int stray = CRT_COUNT - 1;
    hl_request_close();
    for (int slot : {battle_on, loot_state, talk_state, chest_screen, chest_busy, editor_on, mes_showing, lev_up_show}) {
        CRT[stray].in_use = 1;
        j[slot] = 1;
        wmap_from_play();
        EXPECT_EQ(CRT[stray].in_use, 1) << "slot " << slot;
        j[slot] = 0;
    }
    // On the bare map it opens, frees every creature, and the level is entered
    // again with the leader where he stood.
    f[wmap_x] = 123.0f;
    wmap_from_play();
    EXPECT_EQ(CRT[stray].in_use, 0);
    ASSERT_GE(leader_crt(), 0);
    EXPECT_EQ(CRT[leader_crt()].x, 31);
    EXPECT_EQ(CRT[leader_crt()].y, 70);
    EXPECT_EQ(j[level_no], 4);
    EXPECT_FLOAT_EQ(f[wmap_x], 123.0f);
}

}  // namespace
}  // namespace hm
