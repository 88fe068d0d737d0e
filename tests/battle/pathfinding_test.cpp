// pathfinding_test.cpp -- distance fills, routes, and creatures walking them
#include "battle_fixture.h"

namespace hm {
namespace {

class Paths : public BattleTest {
protected:
    // The fill as plainly described: every distance scans the whole window.
    static void reference_fill(int x, int y, int8_t *out)
    {
        std::memcpy(out, grs, MAP_CELLS);
        auto at = [out](int c, int r) -> int8_t & { return out[c + MAP_W * r]; };
        auto open = [&](int c, int r, int dx, int dy) { return at(c + dx, r) != -1 && at(c, r + dy) != -1; };
        auto spread = [&](int c, int r, int d) {
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    if ((!dx && !dy) || !cell_ok(c + dx, r + dy)) continue;
                    int8_t &v = at(c + dx, r + dy);
                    if (dx && dy) {
                        if ((v == 0 || v > d + 3) && open(c, r, dx, dy)) v = (int8_t)(d + 3);
                    } else if (v == 0) {
                        v = (int8_t)(d + 2);
                    }
                }
        };
        // Straight neighbours first, as the seeding does.
        for (int pass = 0; pass < 2; pass++)
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++)
                    if ((dx && dy) == (pass == 1) && (dx || dy) && cell_ok(x + dx, y + dy) && at(x + dx, y + dy) == 0 &&
                        (!(dx && dy) || open(x, y, dx, dy)))
                        at(x + dx, y + dy) = (int8_t)(dx && dy ? 3 : 2);
        int x0 = std::max(0, x - 20), x1 = std::min(99, x + 20), y0 = std::max(0, y - 20), y1 = std::min(99, y + 20);
        for (int d = 1; d <= 49; d++)
            for (int r = y0; r < y1; r++)
                for (int c = x0; c < x1; c++)
                    if (at(c, r) == d) spread(c, r, d);
    }

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
        grs[x + MAP_W * y] = BLOCKED;   // the mover's own cell
        reference_fill(x, y, want);
        set_pbuf(x, y);
        ASSERT_EQ(std::memcmp(pbuf, want, MAP_CELLS), 0) << "start " << x << "," << y << " density " << density;
    }
}

TEST_F(Paths, ACornerIsWalkedRoundNotCut)
{
    block(50, 50);
    block(51, 50);
    set_pbuf(50, 50);
    EXPECT_EQ(gpb(49, 49), 3);
    EXPECT_EQ(gpb(51, 49), 4);   // round the blocked cell, through (50, 49)
    EXPECT_EQ(gpb(51, 51), 4);
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
    EXPECT_EQ(find_crpath(c, 71, 50), 0);
    EXPECT_EQ(find_crpath(c, 50, 100), 0);
    block(59, 60);   // walled in
    block(61, 60);
    block(60, 59);
    block(60, 61);
    EXPECT_EQ(find_crpath(c, 60, 60), 0);
    EXPECT_EQ(std::memcmp(&before, &CRT[c], sizeof before), 0);
}

TEST_F(Paths, SpeedSixteenReachesDistanceFifteenButNotSixteen)
{
    int c = walker(50, 50, 16);   // a bandit
    ASSERT_EQ(CRT[c].speed, 16);
    set_pbuf(50, 50);
    EXPECT_EQ(gpb(55, 55), 15);
    EXPECT_EQ(crt_reaches(c, 55, 55), 1);
    EXPECT_EQ(gpb(58, 50), 16);
    EXPECT_EQ(crt_reaches(c, 58, 50), 0);
}

TEST_F(Paths, StepsTake23Or32FramesAndANewPathWaitsForTheStepInProgress)
{
    int c = walker(50, 50);
    ASSERT_EQ(find_crpath(c, 53, 52), 1);
    // Walking back from the target, corners come before straight steps.
    EXPECT_EQ(CRT[c].path[1], cell(51, 50));
    EXPECT_EQ(CRT[c].path[2], cell(52, 51));
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].cell, cell(51, 50));   // the cell is taken as the step begins
    EXPECT_EQ(CRT[c].draw_dx, -38);         // while the sprite slides in from the old one
    walk_frames(c, 2);
    EXPECT_EQ(CRT[c].step_time, 5.4f);      // 1.8 added as written, each frame
    walk_frames(c, 20);
    EXPECT_EQ(CRT[c].step_dir, 2);
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].step_dir, 8);          // the diagonal begins in frame 24
    walk_frames(c, 10);
    ASSERT_EQ(find_crpath(c, 50, 53), 1);   // from (52, 51), where the step ends
    EXPECT_EQ(CRT[c].path_step, 0);
    walk_frames(c, 21);
    EXPECT_EQ(CRT[c].step_dir, 8);          // 32 frames for the diagonal
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].step_dir, 7);
    EXPECT_EQ(CRT[c].cell, CRT[c].path[1]);
    walk_frames(c, 200);
    EXPECT_EQ(CRT[c].cell, cell(50, 53));
    EXPECT_EQ(CRT[c].draw_dx, 0);
}

TEST_F(Paths, AWalkerStopsBeforeAnOccupiedCellAndAFlierFliesOn)
{
    int w = walker(50, 50);
    int f = new_creature(20, 1, 2, -1, -1, -1, -1, 50, 60);   // a bat
    set_grs();
    ASSERT_EQ(find_crpath(w, 54, 50), 1);
    ASSERT_EQ(find_crpath(f, 54, 60), 1);
    walk_frames(w, 5);
    walk_frames(f, 5);
    new_creature(16, 1, 2, -1, -1, -1, -1, 52, 50);
    new_creature(16, 1, 2, -1, -1, -1, -1, 52, 60);
    walk_frames(w, 200);
    walk_frames(f, 200);
    EXPECT_EQ(CRT[w].path_step, -1);
    EXPECT_EQ(CRT[w].cell, cell(51, 50));
    EXPECT_EQ(CRT[f].cell, cell(54, 60));
}

TEST_F(Paths, ARouteLongerThanAPathHoldsIsWalkedInTwoParts)
{
    // A corridor of 24 straight steps: 12 east, then 12 south.
    for (int i = 0; i < MAP_CELLS; i++) grsc[i] = BLOCKED;
    for (int k = 0; k <= 12; k++) grsc[cell(40 + k, 50)] = grsc[cell(52, 50 + k)] = 0;
    int c = walker(40, 50);
    ASSERT_EQ(find_crpath(c, 52, 62), 1);
    EXPECT_EQ(CRT[c].path[0], cell(52, 62));   // the destination the first part owes
    EXPECT_EQ(CRT[c].path[PATH_STEPS], cell(52, 61));
    EXPECT_EQ(CRT[c].path[CRT_PATH_LEN - 1], -1);
    int frames = 0;
    while ((CRT[c].path_step != -1 || CRT[c].step_dir != 0) && frames < 1000) {
        walk_frames(c, 1);
        frames++;
    }
    EXPECT_EQ(CRT[c].cell, cell(52, 62));
    EXPECT_EQ(frames, 24 * 23 + 1);

    // Halted on the way, as a beginning battle halts the leader, it owes nothing.
    CRT[c].x = 40;
    CRT[c].y = 50;
    walk_frames(c, 1);
    ASSERT_EQ(find_crpath(c, 52, 62), 1);
    walk_frames(c, 5 * 23);
    j[battle_stage] = 1;
    CRT[c].path[CRT[c].path_step + 1] = -1;
    walk_frames(c, 100);
    EXPECT_EQ(CRT[c].cell, cell(45, 50));
}

TEST_F(Paths, NeighbourOffsetsNeverWrapAcrossARowEnd)
{
    int c = walker(0, 50);
    set_pbuf(0, 50);
    EXPECT_EQ(gpb(99, 49), 0);
    EXPECT_EQ(gpbuf(c, -1), -1);
    EXPECT_EQ(gpbuf(c, -99), 3);
    EXPECT_EQ(gpbuf(c, 100), 2);
    // A path entry that is no step from where the creature stands ends the walk.
    CRT[c].path[1] = cell(99, 49);
    CRT[c].path_step = 1;
    walk_frames(c, 1);
    EXPECT_EQ(CRT[c].path_step, -1);
    EXPECT_EQ(CRT[c].cell, cell(0, 50));
}

TEST_F(Paths, TheBattleKeepsOutOfOtherSpawnersTriggerRanges)
{
    lsts[west_bound] = lsts[north_bound] = 10;
    lsts[east_bound] = lsts[south_bound] = 90;
    crt_spawner[3] = {};
    crt_spawner[3].active = 1;
    crt_spawner[3].x = crt_spawner[3].y = 60;
    crt_spawner[3].trigger = 6;
    set_bat_grs();
    EXPECT_EQ(bat_grs[cell(10, 50)], BLOCKED);
    EXPECT_EQ(bat_grs[cell(61, 60)], 0);        // distance 2
    EXPECT_EQ(bat_grs[cell(63, 60)], BLOCKED);  // 6 < trigger + 2
    EXPECT_EQ(bat_grs[cell(64, 60)], 0);        // 8
}

}  // namespace
}  // namespace hm
