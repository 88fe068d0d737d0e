// spawners_test.cpp -- spawners starting battles and creatures put down around a cell
#include "battle_fixture.h"

namespace hm {
namespace {

class Spawners : public BattleTest {
protected:
    spawner_rec &spawner(int k, int x, int y, int trigger, std::initializer_list<int> types)
    {
        spawner_rec &s = crt_spawner[k];
        s.active = 1;
        s.x = (int8_t)x;
        s.y = (int8_t)y;
        s.trigger = (int8_t)trigger;
        s.id = j[level_no] * SPAWNER_COUNT + k;
        int i = 0;
        for (int t : types) {
            s.crt_types[i] = t;
            s.crt_levels[i] = 1 + i;
            i++;
        }
        return s;
    }

    // One test of the spawners, as the first of fifty calls makes it.
    static void test_spawners()
    {
        j[spawner_tick] = 0;
        do_crt_spawners();
    }

    static int count_side(int side)
    {
        int n = 0;
        for (int c = 0; c < CRT_COUNT; c++) n += CRT[c].in_use && CRT[c].side == side;
        return n;
    }
};

TEST_F(Spawners, ATriggerOfThreeNeverFiresAndDistanceTwoNeverDoes)
{
    leader_at(50, 50);
    spawner(0, 51, 51, 3, {14});   // distance 3
    spawner(1, 52, 50, 3, {14});   // distance 4
    spawner(2, 50, 49, 9, {14});   // distance 2
    test_spawners();
    EXPECT_EQ(j[battle_stage], 0);
    EXPECT_EQ(count_side(2), 0);
    crt_spawner[2].active = 0;
    crt_spawner[1].trigger = 5;
    test_spawners();
    EXPECT_EQ(j[battle_stage], 1);
    EXPECT_EQ(j[battle_spawner], 1);
    EXPECT_EQ(j[loot_spawner], 1);
    EXPECT_EQ(crt_spawner[1].active, 0);
    EXPECT_EQ(cspns[98 * SPAWNER_COUNT + 1], 0);
    EXPECT_EQ(cspns[98 * SPAWNER_COUNT + 0], 1);
    EXPECT_EQ(j[battle_on], 1);
}

TEST_F(Spawners, SpawnersAreTestedOnceInFiftyCalls)
{
    leader_at(50, 50);
    j[spawner_tick] = 1;
    spawner(0, 53, 50, 9, {14});
    for (int call = 1; call < 50; call++) {
        do_crt_spawners();
        ASSERT_EQ(j[battle_stage], 0) << call;
    }
    EXPECT_EQ(j[spawner_tick], 0);
    do_crt_spawners();
    EXPECT_EQ(j[battle_stage], 1);
    EXPECT_EQ(j[spawner_tick], 1);
}

TEST_F(Spawners, AnEmptySlotTakesNoCell)
{
    leader_at(57, 60);
    spawner(0, 60, 60, 9, {-1, 14, 15});
    test_spawners();
    ASSERT_EQ(j[battle_stage], 1);
    int rat = -1, wolf = -1;
    for (int c = 0; c < CRT_COUNT; c++) {
        if (!CRT[c].in_use || CRT[c].side != 2) continue;
        if (CRT[c].type == 14) rat = c;
        if (CRT[c].type == 15) wolf = c;
    }
    ASSERT_GE(rat, 0);
    ASSERT_GE(wolf, 0);
    // The nearest free cells by index: north of the spawner, then west of it.
    EXPECT_EQ(CRT[rat].cell, cell(60, 59));
    EXPECT_EQ(CRT[rat].level, 2);
    EXPECT_EQ(CRT[wolf].cell, cell(59, 60));
    EXPECT_EQ(CRT[wolf].level, 3);
    EXPECT_EQ(count_side(2), 2);
}

TEST_F(Spawners, TheLeadersCellIsNeverGivenAwayAndBlockedCellsAreSkipped)
{
    int l = leader_at(60, 58);
    spawner(0, 60, 60, 9, {14, 14, 14, 14});
    block(60, 59);
    test_spawners();
    ASSERT_EQ(j[battle_stage], 1);
    std::vector<int> cells;
    for (int c = 0; c < CRT_COUNT; c++)
        if (CRT[c].in_use && CRT[c].side == 2) cells.push_back(CRT[c].cell);
    // Distance 2 round (60, 60): (59, 60), (61, 60), (60, 61); (60, 59) is blocked.
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0], cell(59, 60));
    EXPECT_EQ(cells[1], cell(61, 60));
    EXPECT_EQ(cells[2], cell(60, 61));
    EXPECT_EQ(cells[3], cell(59, 61));   // distance 3: (59, 59) lies past the blocked corner
    for (int c : cells) EXPECT_NE(c, CRT[l].cell);
}

TEST_F(Spawners, ThePartyStepsOutRoundTheLeaderOnceEvenWhenTwoSpawnersFire)
{
    leader_at(50, 50);
    member(1, 4, 3);
    member(2, 5, 3);
    member(4, 6, 2);
    spawner(0, 53, 50, 9, {14, 14});
    spawner(1, 55, 50, 9, {15});   // within reach of the first: fires in the same pass
    spawner(2, 80, 80, 9, {16});
    test_spawners();
    EXPECT_EQ(crt_spawner[0].active, 0);
    EXPECT_EQ(crt_spawner[1].active, 0);
    EXPECT_EQ(crt_spawner[2].active, 1);
    EXPECT_EQ(j[battle_spawner], 1);
    EXPECT_EQ(count_side(2), 3);
    EXPECT_EQ(count_side(1), 4);
    for (int m : {1, 2, 4}) {
        int c = member_crt(m);
        ASSERT_GE(c, 0) << m;
        EXPECT_EQ(CRT[c].type, p1cr[m].crt_type);
        EXPECT_EQ(CRT[c].level, p1cr[m].level);
        EXPECT_EQ(CRT[c].hp, CRT[c].max_hp);
    }
    // Members in party order, nearest cells first.
    EXPECT_EQ(CRT[member_crt(1)].cell, cell(50, 49));
    EXPECT_EQ(CRT[member_crt(2)].cell, cell(49, 50));
    EXPECT_EQ(CRT[member_crt(4)].cell, cell(51, 50));
}

TEST_F(Spawners, AMemberWithNoFreeCellWithinReachIsNotPlaced)
{
    // The leader in a pocket of two cells.
    for (int i = 0; i < MAP_CELLS; i++) grsc[i] = BLOCKED;
    grsc[cell(30, 30)] = grsc[cell(31, 30)] = 0;
    leader_at(30, 30);
    member(1);
    member(2);
    p1cr[2].crt = 0;   // a stale link, left over from an old creature
    place_p1cr(30, 30);
    EXPECT_GE(member_crt(1), 0);
    EXPECT_EQ(CRT[member_crt(1)].cell, cell(31, 30));
    EXPECT_EQ(p1cr[2].crt, -1);
    EXPECT_EQ(j[battle_on], 1);
}

TEST_F(Spawners, SpawnersOffTheMapOrDisarmedNeverFire)
{
    leader_at(50, 50);
    spawner(0, 52, 50, 9, {14}).active = 0;
    spawner(1, -3, 50, 9, {14});
    spawner(2, 52, 50, 9, {14}).x = (int8_t)120;
    j[level_no] = 399;
    test_spawners();
    EXPECT_EQ(j[battle_stage], 0);
    EXPECT_EQ(count_side(2), 0);
}

TEST_F(Spawners, WithoutALeaderOnTheMapNothingFires)
{
    spawner(0, 52, 50, 9, {14});
    j[leader] = 0;
    member(0);
    test_spawners();
    EXPECT_EQ(j[battle_stage], 0);
    EXPECT_EQ(crt_spawner[0].active, 1);
}

}  // namespace
}  // namespace hm
