// level_test.cpp -- the leader on the walking ground: round the pond, and into a spawner's range
#include "battle_fixture.h"

namespace hm {
namespace {

class WalkingGround : public BattleTest {
protected:
    int lc = -1;

    void SetUp() override
    {
        BattleTest::SetUp();
        for (int m = 0; m < PARTY_SIZE; m++) p1cr[m].in_use = 0;
        ASSERT_EQ(load_p1cr(0), 0);
        ASSERT_EQ(load_p1cr(2), 1);
        j[leader] = 0;
    }

    void enter(int x, int y)
    {
        make_level(1, 98, x, y);
        lc = leader_crt();
        ASSERT_GE(lc, 0);
    }

    // The frame's creature work: the spawners' test, blocking, walking, occupancy.
    static void frames(int n)
    {
        for (int i = 0; i < n; i++) {
            if (j[battle_stage] == 0 && !j[crt_busy]) do_crt_spawners();
            set_grs();
            crtr_main();
            set_us();
        }
    }

    static bool water(int cell) { return gr[cell] == 32; }
};

TEST_F(WalkingGround, TheLeaderGoesRoundThePondNotThroughIt)
{
    enter(28, 54);
    EXPECT_EQ(CRT[lc].cell, cell(28, 54));
    EXPECT_EQ(j[box_crt], lc);
    ASSERT_TRUE(water(cell(28, 50)));
    frames(1);
    ASSERT_EQ(find_crpath(lc, 28, 48), 1);
    int west = 100, east = -1, steps = 0;
    for (int i = 1; i < CRT_PATH_LEN && CRT[lc].path[i] != -1; i++) {
        int p = CRT[lc].path[i];
        EXPECT_FALSE(water(p)) << "step " << i;
        west = std::min(west, p % MAP_W);
        east = std::max(east, p % MAP_W);
        steps++;
    }
    EXPECT_EQ(west, 24);   // round the pond's west end, the shorter way
    EXPECT_LE(east, 28);
    EXPECT_EQ(steps, 11);   // cost 25: the straight line would cost 12
    frames(400);
    EXPECT_EQ(CRT[lc].cell, cell(28, 48));
    EXPECT_EQ(CRT[lc].path_step, -1);
}

TEST_F(WalkingGround, WalkingIntoTheRatsRangeStartsABattleAndPutsThemDown)
{
    enter(36, 55);
    frames(60);
    EXPECT_EQ(j[battle_stage], 0);   // 20 steps of path cost away
    ASSERT_EQ(find_crpath(lc, 42, 55), 1);
    int guard = 0;
    while (j[battle_stage] == 0 && guard++ < 300) frames(1);
    ASSERT_EQ(j[battle_stage], 1);
    EXPECT_EQ(j[battle_spawner], 0);
    EXPECT_EQ(j[loot_spawner], 0);
    EXPECT_EQ(j[battle_on], 1);
    EXPECT_EQ(cspns[98 * SPAWNER_COUNT], 0);
    // The leader's cell lies within the trigger distance of 10 when it fires.
    for (int i = 0; i < MAP_CELLS; i++) grs[i] = grsc[i];
    set_pbuf(CRT[lc].x, CRT[lc].y);
    int d = gpb(46, 55);
    EXPECT_GT(d, 2);
    EXPECT_LT(d, 10);
    // Three rats round the spawner, Isolde beside the leader, nobody on top of anyone.
    int rats = 0;
    set_us();
    for (int c = 0; c < CRT_COUNT; c++) {
        const crt_rec &k = CRT[c];
        if (!k.in_use) continue;
        EXPECT_EQ(grsc[k.cell], 0) << c;
        EXPECT_EQ(us[k.cell], c);
        if (k.side == 2) {
            rats++;
            EXPECT_EQ(k.type, 14);
            EXPECT_LE(std::abs(k.x - 46) + std::abs(k.y - 55), 3);
        }
    }
    EXPECT_EQ(rats, 3);
    int isolde = member_crt(1);
    ASSERT_GE(isolde, 0);
    EXPECT_LE(std::abs(CRT[isolde].x - CRT[lc].x) + std::abs(CRT[isolde].y - CRT[lc].y), 2);
    // Entering the level again, the spawner stays spent.
    make_level(1, 98, 36, 55);
    EXPECT_EQ(crt_spawner[0].active, 0);
    EXPECT_EQ(crt_spawner[1].active, 1);
}

}  // namespace
}  // namespace hm
