// scene_test.cpp -- cells under the pointer, the camera's rules, roofs, the scene's layers, the pointer
#include <utility>

#include "world_fixture.h"

namespace hm {
namespace {

class Scene : public WorldTest {
protected:
    void set_camera(int x, int y)
    {
        j[cam_x] = x;
        j[cam_y] = y;
        f[cam_fx] = (float)x;
        f[cam_fy] = (float)y;
    }
    void roof_rect(int c1, int r1, int c2, int r2, int pic)
    {
        for (int r = r1; r <= r2; r++)
            for (int c = c1; c <= c2; c++) rf[c + MAP_W * r] = (uint16_t)pic;
    }
    int lifted() const
    {
        int n = 0;
        for (int i = 0; i < MAP_CELLS; i++) n += rf[i] > ROOF_LIFTED;
        return n;
    }
};

TEST_F(Scene, TheCellUnderAViewPixel)
{
    set_camera(0, 0);
    EXPECT_EQ(get_square(0, 0), 0);
    EXPECT_EQ(get_square(45, 25), 100);   // row 1, column (45 - 25) / 40 = 0
    EXPECT_EQ(get_square(39, 0), 0);
    EXPECT_EQ(get_square(40, 0), 1);
    EXPECT_EQ(get_square(10, 25), -1);    // left of column 0 on row 1
    // Columns past 99 do not wrap into the next row, nor rows past 99 off the map.
    set_camera(3600, 0);
    EXPECT_EQ(get_square(399, 0), 99);
    set_camera(3700, 0);
    EXPECT_EQ(get_square(399, 0), -1);
    set_camera(2000, 1900);
    EXPECT_EQ(get_square(200, 239), -1);
    set_camera(-100, -100);
    EXPECT_EQ(get_square(0, 0), -1);
}

TEST_F(Scene, TheCameraNeverShowsRowMinusOneOrColumnZero)
{
    for (int free : {0, 1}) {
        EXPECT_EQ(cfgoos(1620, 20, free), 0) << "row -1";
        EXPECT_EQ(cfgoos(720, 400, free), 0) << "column 0";
        EXPECT_EQ(cfgoos(3960, 400, free), 0) << "column 100";
        EXPECT_EQ(cfgoos(3360, 1760, free), 0) << "row 100";
    }
    EXPECT_EQ(cfgoos(1640, 40, 1), 1);
    EXPECT_EQ(cfgoos(760, 400, 1), 1);
    EXPECT_EQ(cfgoos(2000, 800, 0), 0);   // on the map, but no party creature in view
}

TEST_F(Scene, WithoutAFreeCameraAPartyCreatureMustBeInView)
{
    crt_rec &hero = put_creature(2, 32, 45);   // anchor at view (210, 114) for camera (2000, 800)
    EXPECT_EQ(cfgoos(2000, 800, 0), 1);
    EXPECT_EQ(cfgoos(2600, 800, 0), 0);
    hero.side = 2;
    EXPECT_EQ(cfgoos(2000, 800, 0), 0);
    hero.side = 1;
    hero.flying = 1;
    EXPECT_EQ(cfgoos(2000, 800, 0), 0);
    hero.flying = 0;

    // In battle, once the party's turn has been handed over only cur_crt counts.
    put_creature(3, 33, 45);
    j[battle_stage] = 5;
    j[party_turn] = 1;
    j[crt_busy] = 0;
    j[cur_crt] = 7;
    EXPECT_EQ(cfgoos(2000, 800, 0), 0);
    EXPECT_EQ(j[party_turn], 2);
    j[cur_crt] = 3;
    EXPECT_EQ(cfgoos(2000, 800, 0), 1);
    EXPECT_EQ(j[party_turn], 0);
    EXPECT_EQ(cfgoos(2000, 800, 0), 1);   // and now any party creature again
}

TEST_F(Scene, TheCameraGlidesToTheLeaderAndRestsWhenItIsInView)
{
    put_creature(2, 32, 45);
    make_leader(2);
    set_camera(2000, 800);
    for (int i = 0; i < 10; i++) move_to_mcr();
    EXPECT_EQ(f[cam_fx], 2000.0f);
    EXPECT_EQ(f[cam_fy], 800.0f);

    set_camera(2700, 800);
    int frames = 0;
    while (!cfgoos((int)f[cam_fx], (int)f[cam_fy], 0) && frames++ < 500) {
        float before = f[cam_fx];
        move_to_mcr();
        EXPECT_LT(f[cam_fx], before);
        j[cam_x] = (int)f[cam_fx];
        j[cam_y] = (int)f[cam_fy];
    }
    EXPECT_LT(frames, 500);
    float x = f[cam_fx], y = f[cam_fy];
    move_to_mcr();
    EXPECT_EQ(f[cam_fx], x);
    EXPECT_EQ(f[cam_fy], y);

    // No creature to follow: the camera stays.
    CRT[2].in_use = 0;
    set_camera(2700, 800);
    move_to_mcr();
    EXPECT_EQ(f[cam_fx], 2700.0f);
}

TEST_F(Scene, TheGlideAddsItsDoubleStepToTheFloatPosition)
{
    // The leader straight below the view's centre, 150 pixels below its bottom:
    // the glide runs down at (8 * speed) per frame, the sum rounded once to float.
    put_creature(2, 30, 27);   // anchor at map (1770, 554)
    make_leader(2);
    set_camera(1570, 400);
    move_to_mcr();   // in view: the glide rests and its speeds start from 0
    set_camera(1570, 164);
    double sy = 0;
    float want = 164.0f;
    for (int frame = 1; frame <= 12; frame++) {
        move_to_mcr();
        sy = (sy + 0.09) * 0.95;
        want = (float)(want + 8 * sy);
        ASSERT_EQ(f[cam_fy], want) << "frame " << frame;
        EXPECT_EQ(f[cam_fx], 1570.0f);
        j[cam_y] = (int)f[cam_fy];
    }
}

TEST_F(Scene, RoofsInFrontHideACell)
{
    // The seven cells in front of (50, 50) and the one behind it.
    const int front[][2] = {{49, 51}, {50, 51}, {48, 52}, {49, 52}, {50, 52}, {48, 53}, {49, 53}};
    for (const auto &c : front) rf[c[0] + MAP_W * c[1]] = 61;
    rf[50 + MAP_W * 49] = 61;
    j[lev_roof_dy] = 0;
    EXPECT_EQ(rf_chk(50, 50), 0);
    for (int pic : {25, 19, 30, 1061, 0}) {
        rf[49 + MAP_W * 53] = (uint16_t)pic;   // a cave roof, a lifted one, none
        EXPECT_EQ(rf_chk(50, 50), 1) << "roof " << pic;
    }
    rf[49 + MAP_W * 53] = 1000;
    EXPECT_EQ(rf_chk(50, 50), 0);
    rf[49 + MAP_W * 53] = 61;

    // The cell behind counts only while roofs sit lower than 48 pixels.
    rf[50 + MAP_W * 49] = 0;
    j[lev_roof_dy] = 47;
    EXPECT_EQ(rf_chk(50, 50), 1);
    j[lev_roof_dy] = 48;
    EXPECT_EQ(rf_chk(50, 50), 0);

    // Past the map's edge there are no roofs.
    roof_rect(0, 90, 5, 99, 61);
    EXPECT_EQ(rf_chk(3, 94), 0);
    EXPECT_EQ(rf_chk(1, 94), 1);
    EXPECT_EQ(rf_chk(3, 97), 1);
}

TEST_F(Scene, AHouseLiftsItsWholeRoofAndStepsOutBringItBack)
{
    roof_rect(40, 40, 44, 44, 61);   // one house
    roof_rect(46, 40, 47, 41, 59);   // its neighbour
    crt_rec &hero = put_creature(2, 42, 42);
    make_leader(2);
    clear_roof();
    EXPECT_EQ(j[focus_moved], 1);
    EXPECT_EQ(j[focus_cell], 42 + MAP_W * 42);
    EXPECT_EQ(lifted(), 25);
    EXPECT_EQ(rf[44 + MAP_W * 44], 1061);
    EXPECT_EQ(rf[46 + MAP_W * 40], 59);

    clear_roof();   // standing still changes nothing
    EXPECT_EQ(j[focus_moved], 0);
    EXPECT_EQ(lifted(), 25);

    hero.x = 46;
    hero.y = 40;
    clear_roof();
    EXPECT_EQ(lifted(), 29);   // the first house stays lifted

    hero.x = 42;
    hero.y = 46;
    clear_roof();
    EXPECT_EQ(lifted(), 0);
    EXPECT_EQ(rf[42 + MAP_W * 42], 61);
    EXPECT_EQ(rf[47 + MAP_W * 41], 59);

    // In the editor the roof over the cell being edited lifts.
    j[editor_on] = 1;
    j[edit_cell] = 46 + MAP_W * 41;
    clear_roof();
    EXPECT_EQ(lifted(), 4);
    j[edit_cell] = -1;   // an editor cell off the map does nothing
    clear_roof();
    EXPECT_EQ(lifted(), 4);
}

TEST_F(Scene, TheRoofFillStopsAt2500Cells)
{
    roof_rect(0, 0, 59, 59, 61);
    put_creature(2, 30, 30);
    make_leader(2);
    clear_roof();
    EXPECT_EQ(lifted(), 2500);
}

TEST_F(Scene, ThePointersCell)
{
    set_camera(2400, 1440);
    j[mouse_x] = 220;
    j[mouse_y] = 140;
    clear_roof();
    EXPECT_EQ(j[mouse_cell], 26 + MAP_W * 78);
    EXPECT_EQ(j[mouse_cell_new], 1);
    clear_roof();
    EXPECT_EQ(j[mouse_cell_new], 0);
    j[mouse_x] = 420;
    clear_roof();
    EXPECT_EQ(j[mouse_cell_new], -1);
    EXPECT_EQ(j[mouse_cell], 26 + MAP_W * 78);
}

TEST_F(Scene, BlockingForWalkingAndForBattle)
{
    grsc[5] = BLOCKED;
    bat_grs[6] = BLOCKED;
    put_creature(2, 7, 0);
    put_creature(3, 8, 0).flying = 1;
    set_grs();
    EXPECT_EQ(grs[5], BLOCKED);
    EXPECT_EQ(grs[6], 0);
    EXPECT_EQ(grs[7], BLOCKED);
    EXPECT_EQ(grs[8], 0);
    j[battle_stage] = 3;
    set_grs();
    EXPECT_EQ(grs[5], 0);
    EXPECT_EQ(grs[6], BLOCKED);

    create_level_template(0);
    // Another armed spawner closes its ring 2 < d < trigger + 2; the spawner of
    // the battle does not. The walking layer is left as the static one.
    j[battle_spawner] = 1;
    for (int k : {1, 3}) {
        spawner_rec &s = crt_spawner[k];
        s.active = 1;
        s.x = (int8_t)(k == 1 ? 30 : 50);
        s.y = 50;
        s.trigger = 6;
    }
    set_bat_grs();
    EXPECT_EQ(bat_grs[10 + MAP_W * 50], BLOCKED);
    EXPECT_EQ(bat_grs[11 + MAP_W * 50], 0);
    EXPECT_EQ(bat_grs[50 + MAP_W * 90], BLOCKED);
    EXPECT_EQ(bat_grs[50 + MAP_W * 89], 0);
    EXPECT_EQ(bat_grs[51 + MAP_W * 50], 0);   // d = 2
    EXPECT_EQ(bat_grs[52 + MAP_W * 50], BLOCKED);
    EXPECT_EQ(bat_grs[53 + MAP_W * 50], BLOCKED);   // d = 6
    EXPECT_EQ(bat_grs[54 + MAP_W * 50], 0);   // d = 8
    EXPECT_EQ(bat_grs[32 + MAP_W * 50], 0);
    for (int i = 0; i < MAP_CELLS; i++) ASSERT_EQ(grs[i], grsc[i]) << "cell " << i;
}

// The scene over pictures made for it: solid colours, so each layer can be told apart.
class Layers : public Scene {
protected:
    static constexpr int GROUND = 3, BACK = 10, FRONT = 20, ROOF = 30, SPRITE = 50;
    void SetUp() override
    {
        Scene::SetUp();
        use_pictures({
            {0, 1, 40, 20, [](int, int) { return GROUND; }},
            {1, 10, 40, 60, [](int, int) { return BACK; }},
            {1, 11, 40, 60, [](int, int) { return FRONT; }},
            {2, 61, 40, 20, [](int, int) { return ROOF; }},
            {3, 0, 20, 30, [](int, int) { return SPRITE; }},
        });
        for (int a : {GROUND, BACK, FRONT, ROOF, SPRITE})
            for (int b : {GROUND, BACK, FRONT, ROOF, SPRITE})
                if (a != b) {
                    ASSERT_NE(colour(a), colour(b));
                }
        for (int i = 0; i < MAP_CELLS; i++) gr[i] = 1;
        set_camera(2000, 800);   // cell (30, 45) at view (100, 100)
        ls[30 + MAP_W * 45] = 10;
        ls[30 + MAP_W * 46] = 11;   // in front of it, at view (120, 120)
    }
    void draw()
    {
        std::memset(vs, 0, sizeof(uint16_t) * VIEW_W * VIEW_H);
        draw_all();
    }
};

TEST_F(Layers, ObjectsInFrontCoverThoseBehindAndRoofsCoverBoth)
{
    j[lev_roof_dy] = 20;
    draw();
    EXPECT_EQ(view_px(300, 200), colour(GROUND));
    EXPECT_EQ(view_px(105, 70), colour(BACK));
    EXPECT_EQ(view_px(130, 100), colour(FRONT));   // where both stand, the front one

    rf[30 + MAP_W * 46] = 61;   // a roof over the front cell, raised 20 pixels
    draw();
    EXPECT_EQ(view_px(130, 100), colour(ROOF));
    EXPECT_EQ(view_px(130, 85), colour(FRONT));
    rf[30 + MAP_W * 46] += ROOF_LIFTED;
    draw();
    EXPECT_EQ(view_px(130, 100), colour(BACK)) << "the lifted house's south wall is cut down";
    EXPECT_EQ(view_px(130, 135), colour(FRONT)) << "to its foot";
}

// Whoever stands inside a house whose roof is lifted is seen inside: the walls of
// its south row are cut down to their foot, the rest stand whole, and with the
// roof down, or outside the house, nothing is cut.
TEST_F(Layers, ALiftedHouseShowsItsInsideOverItsSouthWall)
{
    j[lev_roof_dy] = 40;
    put_creature(4, 31, 45);   // inside, behind the south wall: anchor at view (170, 114)
    ls[31 + MAP_W * 46] = 11;  // the south wall, view x 160..199, y 80..139
    roof_rect(30, 45, 31, 46, 61);
    draw();
    EXPECT_EQ(view_px(168, 110), colour(FRONT)) << "with the roof down the wall stands whole";
    for (int i = 0; i < MAP_CELLS; i++)
        if (rf[i]) rf[i] += ROOF_LIFTED;
    draw();
    EXPECT_EQ(view_px(168, 105), colour(SPRITE)) << "the hero over the wall's place";
    EXPECT_EQ(view_px(168, 135), colour(FRONT)) << "the wall's foot";
    EXPECT_EQ(view_px(105, 70), colour(BACK)) << "a wall further in stands whole";
    // A house one row deeper: the same wall is no longer its south row.
    roof_rect(30, 47, 31, 47, 61 + ROOF_LIFTED);
    draw();
    EXPECT_EQ(view_px(168, 105), colour(FRONT));
}

TEST_F(Layers, CellsBehindRoofsAreNotDrawnUnlessTheRoofIsACaveRoof)
{
    j[lev_roof_dy] = 0;
    roof_rect(20, 40, 40, 55, 5);   // a roof with no picture: only its hiding shows
    draw();
    EXPECT_EQ(view_px(105, 70), 0);
    EXPECT_EQ(view_px(300, 100), 0);
    roof_rect(20, 40, 40, 55, 25);
    draw();
    EXPECT_EQ(view_px(105, 70), colour(BACK));
}

TEST_F(Layers, CreaturesStandOnTheirCellsAndTheBoxCreatureShowsThroughEverything)
{
    crt_rec &walker = put_creature(4, 33, 45);   // anchor at view (250, 114)
    draw();
    EXPECT_EQ(view_px(245, 100), colour(SPRITE));
    EXPECT_EQ(view_px(245, 80), colour(GROUND));

    walker.flying = 1;
    us[33 + MAP_W * 45] = -1;
    us2[33 + MAP_W * 45] = 4;
    draw();
    EXPECT_EQ(view_px(245, 70), colour(SPRITE));   // 32 pixels higher
    EXPECT_EQ(view_px(245, 110), colour(GROUND));

    walker.flying = 0;
    us[33 + MAP_W * 45] = 4;
    us2[33 + MAP_W * 45] = -1;
    walker.tint_mode = 1;
    walker.tint_rate = 9;
    j[box_crt] = 4;
    draw();
    uint16_t s = colour(SPRITE);
    auto half = [](int v) { return (v * 128 + v * 127) >> 8; };
    EXPECT_EQ(view_px(245, 100), plat_makecol(half(plat_getr(s)), half(plat_getg(s)), half(plat_getb(s))));
    EXPECT_EQ(walker.tint_mode, 0);   // tints last one frame
    EXPECT_EQ(walker.tint_rate, 2);

    // A high missile over the box creature's cell is drawn after it, not under it.
    j[shot_on] = 2;
    j[shot_high] = 1;
    j[shot_fly_pic] = 0;
    j[shot_cell] = 33 + MAP_W * 45;
    f[sht_x] = 2245.0f;   // view (245, 100)
    f[sht_y] = 900.0f;
    f[sht_dx] = 1.0f;
    f[sht_dy] = 0.0f;
    draw();
    EXPECT_EQ(view_px(245, 100), colour(81));
}

TEST_F(Layers, ThePointerOutsideTheViewStaysOnTheScreen)
{
    use_pictures({
        {8, 0, 16, 16, [](int x, int y) { return x + y < 16 ? 60 : 0; }},
        {8, 23, 16, 16, [](int, int) { return 70; }},
        {7, 73, 16, 16, [](int, int) { return 80; }},
    });
    const uint16_t *screen = hl_screen();
    std::memset(scr_buf, 5, SCR_W * SCR_H);
    for (auto [x, y] : {std::make_pair(640, 400), std::make_pair(630, 395), std::make_pair(0, 399)}) {
        j[mouse_x] = x;
        j[mouse_y] = y;
        update_scr();
        EXPECT_EQ(scr_buf[399 * SCR_W + 639], 5);   // the pointer is not left behind
        draw_mouse(x, y, x, y);
    }
    EXPECT_EQ(scr_buf[80], 80);
    EXPECT_EQ(screen[80], colour(80));
    EXPECT_EQ(screen[399 * SCR_W + 0], colour(60));
    EXPECT_EQ(screen[399 * SCR_W + 16], colour(5));

    // Inside the view the main loop draws the pointer; draw_mouse leaves it alone.
    draw_mouse(0, 399, 100, 100);
    EXPECT_EQ(screen[100 * SCR_W + 100], 0);   // neither update_scr nor draw_mouse writes the view
    EXPECT_EQ(screen[399 * SCR_W + 0], colour(5));      // the old place is repaired

    draw_mouse(100, 100, 415, 255);
    EXPECT_EQ(screen[255 * SCR_W + 420], colour(60));
    EXPECT_NE(screen[255 * SCR_W + 419], colour(60));
}

TEST_F(Layers, HoldingTheRightButtonInACornerShowsItsArrow)
{
    use_pictures({{8, 23, 16, 16, [](int, int) { return 70; }}});
    std::memset(vs, 0, sizeof(uint16_t) * VIEW_W * VIEW_H);
    j[mouse_x] = 5;
    j[mouse_y] = 3;
    draw_scrolling_arrow();
    EXPECT_EQ(j[mouse_x], 5);   // only while the button is held
    j[rmb_held] = 1;
    draw_scrolling_arrow();
    EXPECT_EQ(j[mouse_x], 20);
    EXPECT_EQ(j[mouse_y], 20);
    EXPECT_EQ(view_px(0, 0), colour(70));
    EXPECT_EQ(view_px(15, 15), colour(70));
    EXPECT_EQ(view_px(16, 16), 0);
    j[mouse_x] = 300;
    j[mouse_y] = 300;
    draw_scrolling_arrow();
    EXPECT_EQ(j[mouse_y], 260);
    EXPECT_EQ(j[mouse_x], 300);
}

}  // namespace
}  // namespace hm
