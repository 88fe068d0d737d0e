// pathfinding_test.cpp -- distance fills, routes, and creatures walking them
#include "battle_fixture.h"

namespace hm {
namespace {

class Paths : public BattleTest {
protected:
    // The fill as plainly described: every distance scans the whole window.
    static void reference_fill(int x, int y, int8_t *out)
    {
        for (int i = 0; i < MAP_CELLS; i++) out[i] = (int8_t)grs[i];
        auto at = [out](int c, int r) -> int8_t & { return out[c + MAP_W * r]; };
        auto open = [&](int c, int r, int dx, int dy) { return at(c + dx, r) != -1 && at(c, r + dy) != -1; };
        const int o[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        const int dg[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
        for (const auto &d : o)
            if (cell_ok(x + d[0], y + d[1]) && at(x + d[0], y + d[1]) == 0) at(x + d[0], y + d[1]) = 2;
        for (const auto &d : dg)
            if (cell_ok(x + d[0], y + d[1]) && at(x + d[0], y + d[1]) == 0 && open(x, y, d[0], d[1]))
                at(x + d[0], y + d[1]) = 3;
        int x0 = std::max(0, x - 20), x1 = std::min(99, x + 20), y0 = std::max(0, y - 20), y1 = std::min(99, y + 20);
        for (int d = 1; d <= 49; d++)
            for (int r = y0; r < y1; r++)
                for (int c = x0; c < x1; c++) {
                    if (at(c, r) != d) continue;
                    for (const auto &n : o)
                        if (cell_ok(c + n[0], r + n[1]) && at(c + n[0], r + n[1]) == 0) at(c + n[0], r + n[1]) = (int8_t)(d + 2);
                    for (const auto &n : dg) {
                        if (!cell_ok(c + n[0], r + n[1])) continue;
                        int8_t &v = at(c + n[0], r + n[1]);
                        if ((v == 0 || v > d + 3) && open(c, r, n[0], n[1])) v = (int8_t)(d + 3);
                    }
                }
    }

    // A walker at (x, y) on the open field, standing still.
    int walker(int x, int y, int type = 14)
    {
        int c = new_creature(type, 1, 2, -1, -1, -1, -1, x, y);
        set_grs();
        return c;
    }
};

TEST_F(Paths, TheFillMatchesThePlainScanOnRandomGroundsAndAtTheMapsEdges)
{
    static int8_t want[MAP_CELLS];
    srandom(7);
    const int starts[][2] = {{0, 0}, {99, 99}, {0, 99}, {99, 0}, {50, 50}, {19, 80}, {81, 3}, {1, 98}};
    for (int round = 0; round < 24; round++) {
        int density = 5 + round % 4 * 10;   // percent of blocked cells
        for (int i = 0; i < MAP_CELLS; i++) grs[i] = random() % 100 < density ? BLOCKED : 0;
        int x = round < 8 ? starts[round][0] : random() % 100;
        int y = round < 8 ? starts[round][1] : random() % 100;
        grs[x + MAP_W * y] = BLOCKED;   // the mover's own cell, as set_grs leaves it
        reference_fill(x, y, want);
        set_pbuf(x, y);
        ASSERT_EQ(std::memcmp(pbuf, want, MAP_CELLS), 0) << "start " << x << "," << y << " density " << density;
    }
}

TEST_F(Paths, ACornerIsWalkedRoundNotCut)
{
    block(50, 50);   // the mover's own cell
    block(51, 50);
    set_pbuf(50, 50);
    EXPECT_EQ(gpb(51, 49), 4);   // round the blocked cell through (50, 49)
    EXPECT_EQ(gpb(51, 51), 4);
    EXPECT_EQ(gpb(49, 49), 3);   // an open corner
    EXPECT_EQ(gpb(51, 50), -1);
    EXPECT_EQ(gpb(50, 50), -1);
    // Past the blocked cell no corner may be cut either: (52, 50) is two straight
    // steps beyond (52, 49).
    EXPECT_EQ(gpb(52, 49), 6);
    EXPECT_EQ(gpb(52, 50), 8);
}

TEST_F(Paths, TargetsOutsideTheWindowAreUnreachableAndLeaveTheWalkAlone)
{
    int c = walker(50, 50);
    ASSERT_EQ(find_crpath(c, 53, 50), 1);
    crt_rec before = CRT[c];
    set_pbuf(50, 50);
    EXPECT_EQ(gpb(70, 50), 40);
    EXPECT_EQ(gpb(71, 50), 0);
    EXPECT_EQ(gpb(50, 71), 0);
    EXPECT_EQ(gpb(28, 50), 0);
    EXPECT_EQ(find_crpath(c, 71, 50), 0);
    EXPECT_EQ(find_crpath(c, 50, 71), 0);
    EXPECT_EQ(find_crpath(c, 50, 100), 0);
    // Walled in: as unreachable as far away.
    block(60, 59);
    block(60, 61);
    block(59, 60);
    block(61, 60);
    EXPECT_EQ(find_crpath(c, 60, 60), 0);
    EXPECT_EQ(std::memcmp(&before, &CRT[c], sizeof before), 0);
}

TEST_F(Paths, SpeedSixteenReachesDistanceFifteenButNotSixteen)
{
    int c = walker(50, 50, 16);   // a bandit: speed 16
    ASSERT_EQ(CRT[c].speed, 16);
    set_pbuf(50, 50);
    EXPECT_EQ(gpb(55, 55), 15);
    EXPECT_EQ(crt_reaches(c, 55, 55), 1);
    EXPECT_EQ(gpb(58, 50), 16);
    EXPECT_EQ(crt_reaches(c, 58, 50), 0);
    EXPECT_EQ(crt_reaches(c, 50, 50), 0);
    block(57, 50);
    set_pbuf(50, 50);
    EXPECT_EQ(crt_reaches(c, 57, 50), 0);
}

TEST_F(Paths, ARouteTakesCornersBeforeStraightStepsWalkingBack)
{
    int c = walker(50, 50);
    ASSERT_EQ(find_crpath(c, 53, 52), 1);
    const int32_t *p = CRT[c].path;
    // Back from (53, 52): the corner NW first, twice, then a straight step.
    EXPECT_EQ(p[0], -1);
    EXPECT_EQ(p[1], cell(51, 50));
    EXPECT_EQ(p[2], cell(52, 51));
    EXPECT_EQ(p[3], cell(53, 52));
    EXPECT_EQ(p[4], -1);
    EXPECT_EQ(CRT[c].path_step, 1);
}

TEST_F(Paths, StraightStepsTake23FramesAndDiagonalOnes32)
{
    int c = walker(50, 50);
    ASSERT_EQ(find_crpath(c, 51, 50), 1);
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].x, 51);   // the cell is taken as the step begins
    EXPECT_EQ(CRT[c].step_dir, 2);
    EXPECT_EQ(CRT[c].draw_dx, -38);   // and the sprite slides in from the old cell
    EXPECT_EQ(CRT[c].facing, 1);
    walk_frames(c, 21);
    EXPECT_NE(CRT[c].path_step, -1);
    walk_frames(c, 1);
    EXPECT_NE(CRT[c].path_step, -1);
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].path_step, -1);
    EXPECT_EQ(CRT[c].draw_dx, 0);
    EXPECT_EQ(CRT[c].walk_count, 0);

    ASSERT_EQ(find_crpath(c, 50, 49), 1);
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].step_dir, 5);
    EXPECT_EQ(CRT[c].draw_dx, 58);
    EXPECT_EQ(CRT[c].draw_dy, 19);
    EXPECT_EQ(CRT[c].facing, -1);
    walk_frames(c, 31);
    EXPECT_NE(CRT[c].path_step, -1);
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].path_step, -1);
    EXPECT_EQ(CRT[c].cell, cell(50, 49));
}

TEST_F(Paths, WalkingFramesCycleEveryThreeFramesAndFasterForTheButterfly)
{
    int c = walker(50, 50);
    ASSERT_EQ(find_crpath(c, 55, 50), 1);
    walk_frames(c, 7);
    EXPECT_EQ(CRT[c].walk_count, 7);
    EXPECT_EQ(CRT[c].frame, 2);   // set from the count before this frame's step
    CRT[c].pic_base = 340;
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].frame, 1);
}

TEST_F(Paths, ANewPathInTheMiddleOfAStepStartsWhenTheStepEnds)
{
    int c = walker(50, 50);
    ASSERT_EQ(find_crpath(c, 53, 50), 1);
    walk_frames(c, 10);
    ASSERT_EQ(CRT[c].x, 51);
    ASSERT_GT(CRT[c].step_time, 0);
    ASSERT_EQ(find_crpath(c, 51, 53), 1);
    EXPECT_EQ(CRT[c].path_step, 0);
    EXPECT_EQ(CRT[c].path[1], cell(51, 51));
    walk_frames(c, 13);
    EXPECT_EQ(CRT[c].x, 51);
    EXPECT_EQ(CRT[c].y, 50);
    EXPECT_EQ(CRT[c].step_dir, 2);   // still finishing the step east
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].y, 51);
    EXPECT_EQ(CRT[c].step_dir, 4);
    walk_frames(c, 100);
    EXPECT_EQ(CRT[c].cell, cell(51, 53));
    EXPECT_EQ(CRT[c].path_step, -1);
}

TEST_F(Paths, AWalkerStopsBeforeAnOccupiedCellAndAFlierFliesOn)
{
    int w = walker(50, 50);
    ASSERT_EQ(find_crpath(w, 54, 50), 1);
    walk_frames(w, 5);
    new_creature(16, 1, 2, -1, -1, -1, -1, 52, 50);
    walk_frames(w, 30);
    EXPECT_EQ(CRT[w].path_step, -1);
    EXPECT_EQ(CRT[w].cell, cell(51, 50));
    EXPECT_EQ(CRT[w].draw_dx, 0);

    int f = new_creature(20, 1, 2, -1, -1, -1, -1, 50, 60);   // a bat
    ASSERT_EQ(CRT[f].flying, 1);
    set_grs();
    ASSERT_EQ(find_crpath(f, 54, 60), 1);
    walk_frames(f, 5);
    new_creature(16, 1, 2, -1, -1, -1, -1, 52, 60);
    walk_frames(f, 200);
    EXPECT_EQ(CRT[f].cell, cell(54, 60));
}

TEST_F(Paths, ARouteLongerThanAPathHoldsIsWalkedInTwoParts)
{
    // A one-cell corridor: 12 steps east, then 12 south.
    for (int i = 0; i < MAP_CELLS; i++) grsc[i] = BLOCKED;
    for (int x = 40; x <= 52; x++) grsc[cell(x, 50)] = 0;
    for (int y = 50; y <= 62; y++) grsc[cell(52, y)] = 0;
    int c = walker(40, 50);
    set_pbuf(40, 50);
    ASSERT_EQ(gpb(52, 62), 48);
    ASSERT_EQ(find_crpath(c, 52, 62), 1);
    const int32_t *p = CRT[c].path;
    EXPECT_EQ(p[0], cell(52, 62));   // the destination the first part owes
    EXPECT_EQ(p[1], cell(41, 50));
    EXPECT_EQ(p[PATH_STEPS], cell(52, 61));
    EXPECT_EQ(p[CRT_PATH_LEN - 1], -1);
    int frames = 0;
    while ((CRT[c].path_step != -1 || CRT[c].step_dir != 0) && frames < 1000) {
        walk_frames(c, 1);
        frames++;
        ASSERT_EQ(grsc[CRT[c].cell], 0);
    }
    EXPECT_EQ(CRT[c].cell, cell(52, 62));
    EXPECT_EQ(frames, 24 * 23 + 1);

    // Halted on the way as a beginning battle halts the leader, it owes nothing.
    CRT[c].x = 40;
    CRT[c].y = 50;
    walk_frames(c, 1);
    ASSERT_EQ(find_crpath(c, 52, 62), 1);
    walk_frames(c, 5 * 23);
    j[battle_stage] = 1;
    CRT[c].path[CRT[c].path_step + 1] = -1;
    walk_frames(c, 100);
    EXPECT_EQ(CRT[c].path_step, -1);
    EXPECT_EQ(CRT[c].cell, cell(45, 50));
}

TEST_F(Paths, NeighbourOffsetsNeverWrapAcrossARowEnd)
{
    int c = walker(0, 50);
    set_pbuf(0, 50);
    EXPECT_EQ(gpb(99, 49), 0);   // the cell before it in index order
    EXPECT_EQ(gpbuf(c, -1), -1);
    EXPECT_EQ(gpbuf(c, 1), 2);
    EXPECT_EQ(gpbuf(c, -99), 3);
    EXPECT_EQ(gpbuf(c, -101), -1);
    EXPECT_EQ(gpbuf(c, 100), 2);
    // A path entry that is no step from where the creature stands ends the walk.
    CRT[c].path[1] = cell(99, 49);
    CRT[c].path[2] = -1;
    CRT[c].path_step = 1;
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].path_step, -1);
    EXPECT_EQ(CRT[c].cell, cell(0, 50));
}

TEST_F(Paths, FliersPlanOverEverythingButOtherFliers)
{
    block(30, 30);
    new_creature(14, 1, 2, -1, -1, -1, -1, 31, 30);
    new_creature(20, 1, 2, -1, -1, -1, -1, 32, 30);
    set_fly_grs();
    EXPECT_EQ(grs[cell(30, 30)], 0);
    EXPECT_EQ(grs[cell(31, 30)], 0);
    EXPECT_EQ(grs[cell(32, 30)], BLOCKED);
}

TEST_F(Paths, TurningTowardsACellFollowsTheScreensSlant)
{
    int c = walker(50, 50);
    crt_fdir(c, 49, 52);   // 2*49 + 52 = 150 = 2*50 + 50: not to the right
    EXPECT_EQ(CRT[c].facing, -1);
    crt_fdir(c, 49, 53);
    EXPECT_EQ(CRT[c].facing, 1);
}

TEST_F(Paths, TheBattleKeepsOutOfOtherSpawnersTriggerRanges)
{
    lsts[west_bound] = 10;
    lsts[east_bound] = 90;
    lsts[north_bound] = 10;
    lsts[south_bound] = 90;
    spawner_rec &s = crt_spawner[3];
    s.active = 1;
    s.x = 60;
    s.y = 60;
    s.trigger = 6;
    crt_spawner[4] = s;
    crt_spawner[4].x = 30;
    j[battle_spawner] = 4;
    set_bat_grs();
    EXPECT_EQ(bat_grs[cell(10, 50)], BLOCKED);
    EXPECT_EQ(bat_grs[cell(11, 50)], 0);
    EXPECT_EQ(bat_grs[cell(61, 60)], 0);        // distance 2 stays open
    EXPECT_EQ(bat_grs[cell(62, 60)], BLOCKED);  // 4
    EXPECT_EQ(bat_grs[cell(63, 60)], BLOCKED);  // 6 < trigger + 2
    EXPECT_EQ(bat_grs[cell(64, 60)], 0);        // 8
    EXPECT_EQ(bat_grs[cell(32, 60)], 0);        // the battle's own spawner
}

}  // namespace
}  // namespace hm
