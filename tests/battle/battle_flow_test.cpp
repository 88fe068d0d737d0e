// battle_flow_test.cpp -- turns and rounds, the player's turn, the strike, victory, a new leader, the computer's choices
#include "battle_fixture.h"

namespace hm {
namespace {

class Flow : public BattleTest {
protected:
    void SetUp() override
    {
        BattleTest::SetUp();
        std::memset(rf, 0, sizeof(uint16_t) * MAP_CELLS);
        std::memset(rng_pen, 0, MAP_CELLS);
        j[shot_on] = j[shot_launch] = 0;
        j[strike_crt] = j[aim_crt] = j[placing_crt] = -1;
    }
    // A creature of a type with this many hit points per level, full, level 1.
    int at(int x, int y, int side, int hp_per_level = 10, int kind = 1, int flying = 0)
    {
        types.push_back(type_block(410, 0, hp_per_level, 16, flying));
        types.back()[38] = kind;
        types.back()[39] = 20;   // shot range
        write_types(types);
        int c = new_creature((int)types.size() - 1, 1, side, -1, -1, -1, -1, x, y);
        set_us();
        set_grs();
        return c;
    }
    // The next roll passes a chance of p percent (pass) or fails it.
    static void next_roll(int p, bool pass)
    {
        for (uint32_t s = 1;; s++) {
            srandom(s);
            if ((((hm::random() >> 8) % 100) < p) == pass) {
                srandom(s);
                return;
            }
        }
    }
    void turn_of(int c)
    {
        j[cur_crt] = c;
        set_us();
        set_grs();
        enemy_turn();
    }
    std::vector<std::vector<int>> types;
};

TEST_F(Flow, TurnsGoByInitiativeLowerIndexFirstStunnedMayLoseAndQuickenedMayRepeat)
{
    int a = at(10, 10, 2), b = at(12, 10, 1), c = at(14, 10, 2);
    CRT[a].initiative = CRT[b].initiative = 7;
    CRT[c].initiative = 3;
    j[cur_crt] = -1;
    EXPECT_EQ(find_turn(), a);

    CRT[a].status[20] = 1;
    next_roll(35, true);
    j[party_turn] = 0;
    EXPECT_EQ(find_turn(), b);   // a lost its turn, b was found in the same call
    EXPECT_EQ(CRT[a].ready, 0);
    EXPECT_EQ(j[party_turn], 1);

    CRT[b].status[21] = 1;
    j[cur_crt] = b;
    CRT[b].ready = 0;
    next_roll(35, true);
    EXPECT_EQ(find_turn(), b);
    next_roll(35, false);
    CRT[b].ready = 0;
    EXPECT_EQ(find_turn(), c);
    CRT[c].ready = 0;
    j[cur_crt] = -1;
    EXPECT_EQ(find_turn(), -1);
}

TEST_F(Flow, ANewRoundReadiesEveryoneAndTicksConditions)
{
    int a = at(10, 10, 2), b = at(12, 10, 2), c = at(14, 10, 2);
    CRT[a].hp = 55;
    CRT[a].status[16] = 2;
    CRT[a].status[22] = 21;   // strength 20 once this round's tick is done
    CRT[b].hp = 5;
    CRT[b].status[17] = 3;
    CRT[b].max_hp = 100;
    CRT[b].hp = 50;
    CRT[c].effect[0] = 2;
    CRT[c].effect[1] = 4;
    CRT[c].effect[6] = 1;
    CRT[c].effect[10] = 1;
    CRT[c].effect[8] = 555;
    CRT[c].effect[9] = 2;
    CRT[a].ready = CRT[b].ready = CRT[c].ready = 0;
    p1cr[3].belt_used = 1;
    new_round();
    EXPECT_EQ(CRT[a].hp, 44);
    EXPECT_EQ(CRT[a].status[16], 1);
    EXPECT_EQ(CRT[b].hp, 55);
    EXPECT_EQ(CRT[c].hp, 6);
    EXPECT_EQ(CRT[c].effect[0], 1);
    EXPECT_EQ(CRT[c].pic_base, 555);   // the changed shape is over
    EXPECT_EQ(CRT[c].attack_kind, 2);
    EXPECT_TRUE(CRT[a].ready && CRT[b].ready && CRT[c].ready);
    EXPECT_EQ(p1cr[3].belt_used, 0);
    EXPECT_EQ(j[battle_stage], 5);
    EXPECT_EQ(j[cur_crt], -1);
}

TEST_F(Flow, SetUpMovesAMemberWithinTheStartAreaAndEnterBeginsTheRounds)
{
    leader_at(30, 30);
    member(1);
    int m = new_creature(0, 1, 1, -1, -1, 1, -1, 31, 30);
    set_us();
    set_grs();
    j[battle_x] = 30;
    j[battle_y] = 30;
    j[battle_stage] = 3;
    j[ptr_in_view] = 1;
    j[ptr_crt] = m;
    j[lmb_down] = 1;
    battle();
    EXPECT_EQ(j[placing_crt], m);

    // Too far from the battle's centre: not put down; then a cell near it.
    j[ptr_crt] = -1;
    j[mouse_cell] = cell(36, 30);
    battle();
    EXPECT_EQ(j[placing_crt], m);
    EXPECT_EQ(CRT[m].path_step, -1);
    j[mouse_cell] = cell(32, 31);
    battle();
    EXPECT_EQ(j[placing_crt], -1);
    EXPECT_NE(CRT[m].path_step, -1);

    j[lmb_down] = 0;
    keyr[K_ENTER] = EDGE_RELEASED;
    battle();
    keyr[K_ENTER] = EDGE_UP;
    EXPECT_EQ(j[battle_stage], 5);
    EXPECT_NE(j[cur_crt], -1);
}

TEST_F(Flow, FoesAndWhoLeads)
{
    int p = at(10, 10, 1), h = at(12, 10, 2), al = at(14, 10, 3), by = at(16, 10, 4);
    EXPECT_TRUE(foe_check(p, h) && foe_check(h, p) && foe_check(h, al) && foe_check(al, h));
    EXPECT_FALSE(foe_check(p, al) || foe_check(h, h) || foe_check(by, p) || foe_check(p, by));
    CRT[h].effect[2] = 1;   // charmed
    int h2 = at(18, 10, 2);
    EXPECT_TRUE(foe_check(h, h2));
    EXPECT_FALSE(foe_check(h, p));
    EXPECT_EQ(use_AI(p), 0);
    EXPECT_EQ(use_AI(h), 1);
    EXPECT_EQ(use_AI(al), 1);
    EXPECT_EQ(use_AI(by), 4);
    // Sides alone decide, whether or not the records stand in play.
    crt_dies(h2);
    EXPECT_TRUE(foe_check(h, h2));
}

TEST_F(Flow, APlayerStrikerPicksItsFoeAndStrikesFromWhereItStands)
{
    int me = at(10, 10, 1), foe = at(11, 10, 2);
    j[battle_on] = 1;
    j[battle_stage] = 5;
    j[cur_crt] = me;
    j[ptr_in_view] = 1;
    j[ptr_crt] = foe;
    j[mouse_cell] = cell(10, 12);   // a reachable empty cell: the foe under the pointer wins
    j[lmb_down] = 1;
    battle();
    EXPECT_EQ(j[strike_crt], foe);
    EXPECT_EQ(CRT[me].path_step, -1);
    EXPECT_EQ(j[cur_crt], me);

    j[ptr_crt] = -1;
    j[ptr_in_view] = 0;
    j[mouse_cell] = cell(10, 10);   // its own cell, next to the foe
    battle();
    EXPECT_EQ(CRT[me].strike_target, foe);
    EXPECT_EQ(CRT[me].path_step, -1);
    EXPECT_EQ(CRT[me].ready, 0);

    // The blow falls once, at strike time 45, and the strike ends after 150.
    CRT[me].hit = 1000000;
    CRT[me].dmg_phys = 3;
    int hp = CRT[foe].hp, blows = 0;
    for (int i = 0; i < 40 && CRT[me].strike_target != -1; i++) {
        next_roll(90, true);
        crt_strike(me);
        if (CRT[foe].hp != hp) blows++, hp = CRT[foe].hp;
        if (CRT[me].strike_time == 45) {
            EXPECT_EQ(blows, 1);
        }
    }
    EXPECT_EQ(blows, 1);
    EXPECT_EQ(CRT[me].strike_target, -1);
    EXPECT_EQ(CRT[me].draw_dx, 0);
}

TEST_F(Flow, SkippingWithSAndWalkingEndTheTurn)
{
    int me = at(10, 10, 1), other = at(30, 30, 1);
    j[battle_on] = 1;
    j[battle_stage] = 5;
    j[cur_crt] = me;
    j[ptr_in_view] = 1;
    j[ptr_crt] = -1;
    j[mouse_cell] = cell(12, 10);
    j[lmb_down] = 1;
    battle();
    EXPECT_NE(CRT[me].path_step, -1);
    EXPECT_EQ(j[cur_crt], other);
    j[lmb_down] = 0;
    keyr[K_S] = EDGE_RELEASED;
    battle();
    keyr[K_S] = EDGE_UP;
    EXPECT_EQ(j[cur_crt], -1);
    EXPECT_EQ(j[battle_stage], 4);
}

TEST_F(Flow, VictoryFreesTheBattlefieldButWaitsForASkill)
{
    int lead = leader_at(10, 10);
    member(1);
    int m = new_creature(0, 1, 1, -1, -1, 1, -1, 11, 10);
    int foe = at(12, 10, 2);
    int claws = new_item_num();
    ITEM[claws].in_use = ITEM_LIVE;
    ITEM[claws].origin = ORIGIN_TEMP;
    CRT[lead].equipment[0] = claws;
    j[battle_on] = 1;
    j[battle_stage] = 5;
    battle_end_chk();
    EXPECT_EQ(j[battle_on], 1);
    crt_dies(foe);
    CRT[m].hp = 3;
    j[bat_sk_on] = 1;
    battle_end_chk();
    EXPECT_EQ(j[battle_on], 1);
    j[bat_sk_on] = 0;
    battle_end_chk();
    EXPECT_EQ(j[battle_on], 0);
    EXPECT_EQ(j[battle_stage], 0);
    EXPECT_EQ(j[loot_state], 4);
    EXPECT_EQ(j[box_crt], lead);
    EXPECT_TRUE(CRT[lead].in_use);
    EXPECT_FALSE(CRT[m].in_use);
    EXPECT_EQ(p1cr[1].crt, -1);
    EXPECT_EQ(p1cr[1].hp, 3);
    // Natural weapons do not outlive the battle.
    EXPECT_EQ(ITEM[claws].in_use, ITEM_FREE);
    EXPECT_EQ(CRT[lead].equipment[0], -1);
}

TEST_F(Flow, AFallenLeaderHandsOverOnceAndAWipeLeavesItBe)
{
    leader_at(10, 10);
    member(1);
    member(2);
    int m1 = new_creature(0, 1, 1, -1, -1, 1, -1, 11, 10);
    int m2 = new_creature(0, 1, 1, -1, -1, 2, -1, 12, 10);
    CRT[member_crt(0)].init_base = 99;   // the best, and it falls
    CRT[m1].init_base = CRT[m2].init_base = 5;
    j[battle_on] = 1;
    CRT[member_crt(0)].hp = 0;
    find_new_mcr();
    EXPECT_EQ(j[leader], 2);   // the last among equals
    CRT[m2].hp = CRT[m1].hp = 0;
    find_new_mcr();
    EXPECT_EQ(j[leader], 2);
}

TEST_F(Flow, AfterTheComputersLastTurnTheRoundEndsOneStepLater)
{
    int c = at(20, 20, 2), foe = at(40, 40, 1);
    CRT[foe].ready = 0;
    j[battle_on] = 1;
    j[battle_stage] = 5;
    j[cur_crt] = c;
    battle();
    EXPECT_EQ(CRT[c].ready, 0);
    EXPECT_EQ(j[cur_crt], -1);
    EXPECT_EQ(j[battle_stage], 5);
    battle();
    EXPECT_EQ(j[battle_stage], 4);
    EXPECT_EQ(CRT[c].ready, 0);
    battle();
    EXPECT_EQ(j[battle_stage], 5);
    EXPECT_TRUE(CRT[foe].ready);
}

TEST_F(Flow, TheComputerStrikesTheStrongestReachableFoeLowerIndexAmongEquals)
{
    int c = at(20, 20, 2);
    int f1 = at(23, 20, 1);
    at(17, 20, 1);   // as strong, and later in the table
    turn_of(c);
    EXPECT_EQ(CRT[c].strike_target, f1);
    EXPECT_NE(CRT[c].path_step, -1);
    EXPECT_EQ(CRT[c].ready, 0);

    // Next to a weaker foe and in reach of a stronger one: the stronger.
    int d = at(40, 40, 2);
    at(41, 40, 1, 5);
    int strong = at(40, 43, 1, 50);
    turn_of(d);
    EXPECT_EQ(CRT[d].strike_target, strong);
}

TEST_F(Flow, AnAdjacentStrikerStrikesWhereItStandsAndACharmedOneTurnsOnItsOwn)
{
    int c = at(20, 20, 2), foe = at(21, 21, 1);
    turn_of(c);
    EXPECT_EQ(CRT[c].strike_target, foe);
    EXPECT_EQ(CRT[c].path_step, -1);

    int h = at(50, 50, 2), own = at(51, 50, 2, 5);
    at(49, 50, 1, 50);
    CRT[h].effect[2] = 1;
    turn_of(h);
    EXPECT_EQ(CRT[h].strike_target, own);
}

TEST_F(Flow, FliersLeaveFoesUnderRoofsAndWalkersApproachFarFoes)
{
    int c = at(20, 20, 2, 10, 1, 1);
    at(22, 20, 1, 90);
    int open = at(18, 20, 1, 5);
    rf[cell(22, 20)] = 7;
    turn_of(c);
    EXPECT_EQ(CRT[c].strike_target, open);

    // A foe 12 cells off: the walker goes 7 straight steps of its way and waits.
    int w = at(60, 60, 2);
    at(72, 60, 1);
    turn_of(w);
    EXPECT_EQ(CRT[w].strike_target, -1);
    ASSERT_NE(CRT[w].path_step, -1);
    int last = -1;
    for (int i = 1; i < CRT_PATH_LEN && CRT[w].path[i] != -1; i++) last = CRT[w].path[i];
    EXPECT_EQ(last, cell(67, 60));
}

TEST_F(Flow, AShooterWeighsPowerAgainstPenalty)
{
    int s = at(20, 20, 2, 10, 2);
    int weak = at(26, 20, 1, 300);
    at(20, 26, 1, 500);
    rng_pen[cell(20, 26)] = 9;
    turn_of(s);
    EXPECT_EQ(CRT[s].strike_target, weak);
    EXPECT_EQ(CRT[s].range_penalty, 0);

    // Nobody in a clear line: it walks to the nearest cell with a shot, and waits.
    int t = at(60, 60, 2, 10, 2);
    at(60, 66, 1);
    for (int x = 57; x <= 63; x++) rng_pen[cell(x, 63)] = 100;
    rng_pen[cell(60, 63)] = 100;
    rng_pen[cell(64, 63)] = 50;
    turn_of(t);
    EXPECT_EQ(CRT[t].strike_target, -1);
    EXPECT_NE(CRT[t].path_step, -1);
}

}  // namespace
}  // namespace hm
