// attack_test.cpp -- the curve and the chance test, wounds, a blow's resolution, conditions, luck and auras
#include <cmath>

#include "battle_fixture.h"

namespace hm {
namespace {

class Attack : public BattleTest {
protected:
    // Two plain creatures: 100 hit points, no armour, no resistances, no dodge.
    int a = -1, t = -1;
    void two(int side_a = 1, int side_t = 2)
    {
        write_types({type_block(410, 100, 0, 16)});
        a = new_creature(0, 1, side_a, -1, -1, -1, -1, 10, 10);
        t = new_creature(0, 1, side_t, -1, -1, -1, -1, 11, 10);
        ASSERT_EQ(CRT[t].hp, 100);
    }
    // An equipment total for creature c with value k set to v.
    static void wear(int c, int k, int v)
    {
        int i = CRT[c].en_item;
        if (i < 0) {
            for (i = ITEM_COUNT - 1; ITEM[i].in_use; i--) {}
            std::memset(&ITEM[i], 0, sizeof ITEM[i]);
            ITEM[i].in_use = 255;
            CRT[c].en_item = i;
        }
        ITEM[i].atv[k] = (int16_t)v;
    }
    // Seeds the generator so that the next roll is below p percent (a hit at p).
    static void seed_passing(int p)
    {
        for (uint32_t s = 1;; s++) {
            srandom(s);
            if (((hm::random() >> 8) % 100) < p) {
                srandom(s);
                return;
            }
        }
    }
    int lost() const { return 100 - CRT[t].hp; }
    std::vector<int> numbers(int c) const
    {
        std::vector<int> v;
        for (int n = 0; n < CRT_HIT_NUMS; n++)
            if (CRT[c].hit_num_timer[n]) v.push_back(CRT[c].hit_num_value[n]);
        return v;
    }
};

TEST_F(Attack, CurvesGiveTheChancesOfTheRatings)
{
    EXPECT_NEAR(e_value(70, 95, 70), 71.25f, 1e-3);
    EXPECT_EQ((int)e_value(70, 95, 70), 71);
    EXPECT_EQ((int)e_value(140, 90, 140), 67);     // dodge 140
    EXPECT_EQ((int)e_value(100, 95, 70), 81);      // keen-eyed
    EXPECT_NEAR(e_value(16, 0.8f, 16), 0.6f, 1e-6);
    EXPECT_EQ((int)e_value(0, 95, 70), 0);         // a hit rating of 0 never hits
}

TEST_F(Attack, TheChanceTestKeepsTheSkewOfItsSevenBitRemainder)
{
    srandom(7);
    const int n = 256000;
    int hits = 0;
    for (int i = 0; i < n; i++) hits += jchnc(71);
    // Remainders 0..27 come twice in 0..127: 71 + 28 of 128 pass.
    EXPECT_NEAR((double)hits / n, 99.0 / 128, 0.005);
    int always = 0, never = 0;
    for (int i = 0; i < 2000; i++) {
        always += jchnc(100);
        never += jchnc(0) + jchnc(-5);
    }
    EXPECT_EQ(always, 2000);
    EXPECT_EQ(never, 0);
}

TEST_F(Attack, CreaturesWithoutHitPointsOrLevelTakeBlowsWithoutATrap)
{
    write_types({type_block(410, 0, 0, 16)});
    int z = new_creature(0, 4, 2, -1, -1, -1, -1, 9, 5);
    EXPECT_EQ(CRT[z].max_hp, 0);
    member(1, 0, 0);
    int m = new_creature(0, 0, 1, -1, -1, 1, -1, 11, 5);
    calc_luck(-1);
    EXPECT_EQ(CRT[z].luck, 0);
    do_atk_spray(z, 10, 0, 0, 0, 0);
    do_attack(m, z, 10, 0, 0, 0, 0, 1);
    EXPECT_EQ(CRT[z].hp, 0);
    EXPECT_EQ(numbers(z), (std::vector<int>{10}));
}

TEST_F(Attack, ArmourResistancesAndRangeTakeTheirShare)
{
    two();
    CRT[t].armour = 140;
    do_attack(a, t, 100, 0, 0, 0, 0, 1);
    EXPECT_EQ(lost(), 32);   // 67.5 % stopped

    CRT[t].hp = 100;
    CRT[t].armour = 0;
    CRT[t].res_e2 = 50;
    CRT[t].res_e4 = -50;
    do_attack(a, t, 0, 0, 40, 0, 20, 1);
    EXPECT_EQ(lost(), 50);   // 20 of element 2, 30 of element 4

    // A shooter's range penalty counts only when the shot is rolled.
    CRT[t].hp = 100;
    CRT[a].attack_kind = 2;
    CRT[a].range_penalty = 40;
    CRT[a].hit = 1000000;
    CRT[t].dodge = 0;
    seed_passing(90);
    do_attack(a, t, 100, 0, 0, 0, 0, 0);
    EXPECT_EQ(lost(), 60);
    CRT[t].hp = 100;
    do_attack(a, t, 100, 0, 0, 0, 0, 1);
    EXPECT_EQ(lost(), 100);
}

TEST_F(Attack, APartyShooterWithA2SixteenLosesSixteenPercent)
{
    write_types({type_block(410, 100, 0, 16)});
    member(0);
    p1cr[0].attr[4] = p1cr[0].attr[5] = 16;   // A2
    int s = new_creature(0, 1, 1, -1, -1, 0, -1, 10, 10);
    t = new_creature(0, 1, 2, -1, -1, -1, -1, 12, 10);
    CRT[s].attack_kind = 2;
    CRT[s].range_penalty = 40;
    CRT[s].hit = 1000000;
    CRT[t].dodge = 0;
    CRT[t].hp = CRT[t].max_hp = 1000;
    seed_passing(90);
    do_attack(s, t, 1000, 0, 0, 0, 0, 0);
    EXPECT_NEAR(1000 - CRT[t].hp, 840, 1);
}

TEST_F(Attack, AbsorptionLetsTheExcessThroughWithScaledNumbers)
{
    two();
    CRT[t].effect[3] = 30;
    do_attack(a, t, 25, 25, 0, 0, 0, 1);
    EXPECT_EQ(lost(), 20);
    EXPECT_EQ(CRT[t].effect[3], 0);
    EXPECT_EQ(numbers(t), (std::vector<int>{10, 10}));

    // A shield that holds: nothing is lost, nothing shows, no spray of 0/0.
    CRT[t].hp = 100;
    CRT[t].effect[3] = 80;
    do_attack(a, t, 25, 25, 0, 0, 0, 1);
    EXPECT_EQ(lost(), 0);
    EXPECT_EQ(CRT[t].effect[3], 30);
    EXPECT_EQ(numbers(t).size(), 2u);
}

TEST_F(Attack, ACriticalDoublesTheLossButNotTheNumbersAndBacklashHurtsTheStriker)
{
    two();
    CRT[a].hit = 1000000;
    wear(a, 44, 100);
    seed_passing(90);
    do_attack(a, t, 30, 10, 0, 0, 0, 0);
    EXPECT_EQ(lost(), 80);
    EXPECT_EQ(numbers(t), (std::vector<int>{30, 10}));

    // Backlash of element 1 with 50 % resistance: half the blow comes back.
    CRT[t].hp = 100;
    wear(a, 44, 0);
    CRT[a].status[8] = 2;
    CRT[a].res_e1 = 50;
    do_attack(a, t, 40, 0, 0, 0, 0, 1);
    EXPECT_EQ(CRT[a].hp, 80);
    EXPECT_EQ(lost(), 40);

    // A miss and a dodge mark the target and clear quiet_hit.
    CRT[a].hit = 0;
    j[quiet_hit] = 1;
    do_attack(a, t, 40, 0, 0, 0, 0, 0);
    EXPECT_EQ(CRT[t].miss_timer, 1);
    EXPECT_EQ(j[quiet_hit], 0);
}

TEST_F(Attack, ConditionsRestartAndPoisonAddsUp)
{
    two();
    CRT[t].status[2] = 1;
    cause_stts(t, 2, 3, 5);
    cause_stts(t, 2, 3, 5);
    EXPECT_EQ(CRT[t].status[2], 3);
    EXPECT_EQ(CRT[t].status[22], 10);
    cause_stts(t, -1, 3, 4);
    EXPECT_EQ(CRT[t].status[22], 14);
    // Past the last condition nothing is caused: entry 22 is the poison strength.
    cause_stts(t, 22, 3, 1);
    cause_stts(t, 24, 3, 0);
    EXPECT_EQ(CRT[t].status[22], 15);
    EXPECT_EQ(CRT[t].status[24], 0);

    // Keen-eyed sets the hit rating to 100 whatever it was.
    CRT[t].status[3] = 2;
    update_stats();
    EXPECT_EQ(CRT[t].hit, 100);

    // A blow that always inflicts stun and poison 7.
    CRT[a].hit = 1000000;
    wear(a, 30, 100);
    wear(a, 46, 7);
    seed_passing(90);
    do_attack(a, t, 1, 0, 0, 0, 0, 0);
    EXPECT_EQ(CRT[t].status[20], 3);
    EXPECT_EQ(CRT[t].status[22], 22);
}

TEST_F(Attack, LuckAndPowerFromTheRecord)
{
    std::vector<int> tp = type_block(410, 100, 10, 16);
    tp[31] = 50;   // luck range 50
    write_types({tp, type_block(410, 0, 0, 16)});
    int c = new_creature(0, 5, 2, -1, -1, -1, -1, 5, 5);
    int z = new_creature(1, 5, 2, -1, -1, -1, -1, 7, 5);
    srandom(3);
    bool varied = false;
    for (int i = 0; i < 50; i++) {
        calc_luck(-1);
        EXPECT_GE(CRT[c].luck, 0);
        EXPECT_LT(CRT[c].luck, 50);
        varied |= CRT[c].luck != CRT[c].luck % 10;
        EXPECT_EQ(CRT[z].luck, 0);
    }
    EXPECT_TRUE(varied);
    clr_luck();
    EXPECT_EQ(CRT[c].luck, 0);
    // The side panel's refresh keeps a battle's roll and clears it after the battle.
    CRT[c].luck = 7;
    j[battle_stage] = 5;
    update_scr();
    EXPECT_EQ(CRT[c].luck, 7);
    j[battle_stage] = 0;
    update_scr();
    EXPECT_EQ(CRT[c].luck, 0);
    // A creature that comes in while the turns run (a summons) rolls its own.
    j[battle_stage] = 5;
    bool lucky = false;
    for (int i = 0; i < 20; i++) {
        int s = new_creature(0, 5, 1, -1, -1, -1, -1, 9, 5);
        EXPECT_LT(CRT[s].luck, 50);
        lucky |= CRT[s].luck > 0;
        CRT[s].in_use = 0;
    }
    EXPECT_TRUE(lucky);
    j[battle_stage] = 0;
    EXPECT_EQ(crt_power(c), 10 * 5 * 1);
    CRT[c].attack_kind = 2;
    EXPECT_EQ(crt_power(c), 100);
}

TEST_F(Attack, AurasReachOnlyTheSameSide)
{
    write_types({type_block(410, 100, 0, 16)});
    int c = new_creature(0, 1, 2, -1, -1, -1, -1, 10, 10);
    int friendv = new_creature(0, 1, 2, 50, -1, -1, -1, 11, 11);
    int foe = new_creature(0, 1, 1, 50, -1, -1, -1, 9, 10);
    int far = new_creature(0, 1, 2, 50, -1, -1, -1, 12, 10);
    set_us();
    wear(c, 32, 50);
    wear(c, 33, 100);
    wear(c, 43, 100);   // quickened for adjacent allies
    CRT[friendv].status[20] = 2;
    adj_stuff(c);
    EXPECT_EQ(CRT[friendv].hp, 75);
    EXPECT_EQ(CRT[friendv].status[20], 0);
    EXPECT_EQ(CRT[friendv].status[21], 3);
    EXPECT_EQ(CRT[foe].hp, 50);
    EXPECT_EQ(CRT[foe].status[21], 0);
    EXPECT_EQ(CRT[far].hp, 50);
}

}  // namespace
}  // namespace hm
