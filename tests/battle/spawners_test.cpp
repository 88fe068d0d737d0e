// spawners_test.cpp -- spawners starting battles and creatures put down around a cell
#include "battle_fixture.h"

namespace hm {
namespace {

class Spawners : public BattleTest {
protected:
    static spawner_rec &spawner(int k, int x, int y, int trigger, std::initializer_list<int> types)
    {
        spawner_rec &s = crt_spawner[k];
        s.active = 1;
        s.x = (int8_t)x;
        s.y = (int8_t)y;
        s.trigger = (int8_t)trigger;
        int i = 0;
        for (int t : types) {
            s.crt_types[i] = t;
            s.crt_levels[i] = 1 + i;
            i++;
        }
        return s;
    }

    // The test made in the first of every fifty calls.
    static void test_spawners()
    {
        j[spawner_tick] = 0;
        do_crt_spawners();
    }

    static std::vector<int> cells_of_side(int side)
    {
        std::vector<int> v;
        for (int c = 0; c < CRT_COUNT; c++)
            if (CRT[c].in_use && CRT[c].side == side) v.push_back(CRT[c].cell);
        return v;
    }
};

TEST_F(Spawners, ATriggerOfThreeNeverFiresNorDoesDistanceTwo)
{
    leader_at(50, 50);
    spawner(0, 51, 51, 3, {14});   // distance 3
    spawner(1, 52, 50, 3, {14});   // distance 4
    spawner(2, 50, 49, 9, {14});   // distance 2
    spawner(3, 52, 50, 9, {14}).x = (int8_t)120;   // off the map
    test_spawners();
    EXPECT_EQ(j[battle_stage], 0);
    EXPECT_TRUE(cells_of_side(2).empty());
    crt_spawner[2].active = 0;
    crt_spawner[1].trigger = 5;
    test_spawners();
    EXPECT_EQ(j[battle_stage], 1);
    EXPECT_EQ(j[battle_spawner], 1);
    EXPECT_EQ(j[loot_spawner], 1);
    EXPECT_EQ(crt_spawner[1].active, 0);
    EXPECT_EQ(cspns[98 * SPAWNER_COUNT + 1], 0);
    EXPECT_EQ(j[battle_on], 1);
}

TEST_F(Spawners, AnEmptySlotTakesNoCellAndBlockedCellsAreSkipped)
{
    leader_at(57, 60);
    spawner(0, 60, 60, 12, {-1, 14, 15, 14});
    block(59, 60);
    test_spawners();
    ASSERT_EQ(j[battle_stage], 1);
    // Nearest first, and at one distance by index: north, then east past the
    // blocked west cell, then south.
    std::vector<int> want = {cell(60, 59), cell(61, 60), cell(60, 61)};
    EXPECT_EQ(cells_of_side(2), want);
    set_us();
    EXPECT_EQ(CRT[us[cell(60, 59)]].level, 2);   // slot 1's creature and level
}

TEST_F(Spawners, ThePartyStepsOutOnceEvenWhenTwoSpawnersFire)
{
    leader_at(50, 50);
    member(1, 4, 3);
    member(2, 5, 3);
    member(4, 6, 2);
    spawner(0, 53, 50, 9, {14, 14});
    spawner(1, 55, 50, 9, {15});   // within reach of the first: fires in the same pass
    spawner(2, 80, 80, 9, {16});
    test_spawners();
    EXPECT_EQ(crt_spawner[1].active, 0);
    EXPECT_EQ(crt_spawner[2].active, 1);
    EXPECT_EQ(j[battle_spawner], 1);
    EXPECT_EQ(cells_of_side(2).size(), 3u);
    std::vector<int> want = {cell(50, 50), cell(50, 49), cell(49, 50), cell(51, 50)};
    EXPECT_EQ(cells_of_side(1), want);   // the leader, then members in party order
    for (int m : {1, 2, 4}) EXPECT_EQ(CRT[member_crt(m)].hp, CRT[member_crt(m)].max_hp);
}

TEST_F(Spawners, AMemberWithNoFreeCellWithinReachIsNotPlaced)
{
    for (int i = 0; i < MAP_CELLS; i++) grsc[i] = BLOCKED;
    grsc[cell(30, 30)] = grsc[cell(31, 30)] = 0;
    leader_at(30, 30);
    member(1);
    member(2);
    p1cr[2].crt = 0;   // a stale link to the leader's record
    place_p1cr(30, 30);
    EXPECT_EQ(CRT[member_crt(1)].cell, cell(31, 30));
    EXPECT_EQ(p1cr[2].crt, -1);
}

TEST_F(Spawners, SpawnersAreTestedOnceInFiftyCallsAndNeedALeader)
{
    spawner(0, 53, 50, 9, {14});
    j[leader] = 0;
    member(0);
    test_spawners();
    EXPECT_EQ(j[battle_stage], 0);
    leader_at(50, 50);
    for (int call = 1; call < 50; call++) do_crt_spawners();
    EXPECT_EQ(j[battle_stage], 0);
    do_crt_spawners();
    EXPECT_EQ(j[battle_stage], 1);
}

}  // namespace
}  // namespace hm
