// content_test.cpp -- the game's creature types: complete, distinct, and fair to a new party
#include <fstream>
#include <set>

#include "battle_fixture.h"

namespace hm {
namespace {

constexpr int TYPES = 26;

class CreatureTypes : public BattleTest {
protected:
    // A creature of type t at level `level`, standing alone.
    const crt_rec &make(int t, int level)
    {
        int c = new_creature(t, level, 2, -1, -1, -1, -1, 10 + t, 10);
        EXPECT_GE(c, 0);
        return CRT[c < 0 ? 0 : c];
    }

    // Chance that a blow of a lands on t, and what it takes off after armour.
    static float lands(const crt_rec &a, const crt_rec &t)
    {
        return e_value((float)a.hit, 95, 70) / 100 * (1 - e_value((float)t.dodge, 90, 140) / 100);
    }
    static float blow(const crt_rec &a, const crt_rec &t)
    {
        float e = a.dmg_e1 * (100 - t.res_e1) / 100.0f + a.dmg_e2 * (100 - t.res_e2) / 100.0f +
                  a.dmg_e3 * (100 - t.res_e3) / 100.0f + a.dmg_e4 * (100 - t.res_e4) / 100.0f;
        return (a.dmg_phys + e) * (100 - e_value((float)t.armour, 90, 140)) / 100;
    }

    // Hit points a lone hero loses killing the foes one by one, each turn one blow each.
    static float lone_hero_loses(const crt_rec &hero, const std::vector<const crt_rec *> &foes)
    {
        float lost = 0, turns = 0;
        for (size_t i = 0; i < foes.size(); i++) {
            turns += foes[i]->max_hp / (lands(hero, *foes[i]) * blow(hero, *foes[i]));
            lost += turns * lands(*foes[i], hero) * blow(*foes[i], hero);
        }
        return lost;
    }
};

TEST_F(CreatureTypes, TheFileHoldsEveryTypeTheOtherTablesName)
{
    std::ifstream in("crtinf.txt");
    ASSERT_TRUE(in);
    long long n = 0;
    for (long long v; in >> v;) n++;
    EXPECT_EQ(n, TYPES * CRTINF_INTS);
    // Characters 0..6 walk in the bodies 0..6.
    for (int m = 0; m <= 6; m++) {
        for (int k = 0; k < PARTY_SIZE; k++) p1cr[k].in_use = 0;
        ASSERT_EQ(load_p1cr(m), 0) << m;
        EXPECT_EQ(p1cr[0].crt_type, m);
    }
}

TEST_F(CreatureTypes, EveryTypeStandsFightsAndLooksLikeItself)
{
    std::set<int> pics;
    std::set<std::vector<int>> blocks;
    for (int t = 0; t < TYPES; t++) {
        const crt_rec &k = make(t, 2);
        EXPECT_GT(k.max_hp, 0) << t;
        EXPECT_GT(k.speed, 2) << t;
        EXPECT_TRUE(k.attack_kind == 1 || k.attack_kind == 2) << t;
        if (k.attack_kind == 2) {
            EXPECT_GE(k.shot_range, 5) << t;
            EXPECT_TRUE(k.shot_pic >= 0 && k.shot_pic <= 6) << t;
        }
        EXPECT_GT(k.dmg_phys + k.dmg_e1 + k.dmg_e2 + k.dmg_e3 + k.dmg_e4, 0) << t;
        EXPECT_TRUE(pics.insert(k.pic_base).second) << "type " << t << " shares pic_base " << k.pic_base;
        EXPECT_TRUE(k.pic_base >= 0 && k.pic_base + 9 < 1250) << t;
        // The shape-changed forms are not a type's own look.
        EXPECT_TRUE(k.pic_base < 320 || k.pic_base >= 350) << t;
        std::vector<int> v = {k.hp_base, k.hp_per_level, k.dmg_phys_base, k.dmg_e1_base, k.dmg_e4_base,
                              k.armour_base, k.hit_base, k.dodge_base, k.speed_base, k.attack_kind, k.flying};
        if (t >= 14) {
            EXPECT_TRUE(blocks.insert(v).second) << "monster " << t << " repeats another's numbers";
        }
    }
}

TEST_F(CreatureTypes, EveryTypesTenSpritesAreInTheArchive)
{
    for (int t = 0; t < TYPES; t++) {
        const crt_rec &k = make(t, 1);
        for (int f = 0; f < 10; f++) EXPECT_GE(pic_slot(k.pic_base + f, 3), 0) << "type " << t << " frame " << f;
    }
}

TEST_F(CreatureTypes, TheMonstersAreTheKindsTheStoryNeeds)
{
    std::vector<const crt_rec *> m(TYPES);
    for (int t = 14; t < TYPES; t++) m[t] = &make(t, 3);
    int fastest_walker = 0, slowest = 1000, most_armour = 0;
    for (int t = 14; t < 25; t++) {
        if (!m[t]->flying && m[t]->speed > fastest_walker) fastest_walker = m[t]->speed;
        if (m[t]->speed < slowest) slowest = m[t]->speed;
        if (t != 22 && m[t]->armour > most_armour) most_armour = m[t]->armour;
    }
    // The rat: fast, weak, early.
    EXPECT_EQ(m[14]->speed, fastest_walker);
    for (int t = 15; t < TYPES; t++)
        if (!m[t]->flying) {
            EXPECT_LT(m[14]->max_hp, m[t]->max_hp) << t;
        }
    // The brute: slow, and the best armoured below the boss.
    EXPECT_LE(m[22]->speed, 10);
    EXPECT_GT(m[22]->armour, most_armour);
    EXPECT_LT(m[22]->initiative, m[14]->initiative);
    // Archers shoot; the bat and the wisp fly.
    EXPECT_EQ(m[17]->attack_kind, 2);
    EXPECT_EQ(m[20]->flying, 1);
    EXPECT_EQ(m[24]->flying, 1);
    EXPECT_EQ(m[24]->attack_kind, 2);
    // The witch: a caster whose fire outweighs her blows.
    EXPECT_EQ(m[21]->attack_kind, 2);
    EXPECT_GT(m[21]->dmg_e1 + m[21]->dmg_e4, 3 * m[21]->dmg_phys);
    // The boss outlasts and outhits them all.
    for (int t = 14; t < 25; t++) {
        EXPECT_GT(m[25]->max_hp, 2 * m[t]->max_hp) << t;
        EXPECT_GT(m[25]->dmg_phys, m[t]->dmg_phys) << t;
    }
    // The skeleton shrugs off wounds: it fights at its full level at any health.
    EXPECT_EQ(m[18]->wound_floor, 100);
}

TEST_F(CreatureTypes, AFreshHeroBeatsTheRatsAloneButNotTheBandits)
{
    ASSERT_EQ(load_p1cr(0), 0);
    j[leader] = 0;
    const p1cr_rec &p = p1cr[0];
    int h = new_creature(p.crt_type, p.level, 1, -1, -1, 0, -1, 40, 40);
    ASSERT_GE(h, 0);
    const crt_rec &hero = CRT[h];
    // The village's first spawner: two level-1 rats and a level-2 one.
    float rats = lone_hero_loses(hero, {&make(14, 1), &make(14, 1), &make(14, 2)});
    EXPECT_LT(rats, 0.9f * hero.max_hp);
    EXPECT_GT(rats, 0.2f * hero.max_hp);   // still a fight
    // The bandits' camp wants the whole party.
    float bandits = lone_hero_loses(hero, {&make(17, 2), &make(16, 1), &make(16, 2)});
    EXPECT_GT(bandits, 1.5f * hero.max_hp);
    // Two wolves are already more than a hero alone should take on.
    float wolves = lone_hero_loses(hero, {&make(15, 2), &make(15, 2)});
    EXPECT_GT(wolves, 0.6f * hero.max_hp);
}

class Stats : public BattleTest {};

TEST_F(Stats, WoundsLowerTheLevelDownToTheWoundFloor)
{
    std::vector<int> t = type_block(0, 100, 0, 10);
    t[5] = 60;
    t[16] = 2;   // 2 physical damage per effective level
    std::vector<int> u = t;
    u[5] = 40;
    write_types({t, u});
    int a = new_creature(0, 10, 2, 50, -1, -1, -1, 5, 5);
    int b = new_creature(1, 10, 2, 50, -1, -1, -1, 6, 5);
    EXPECT_EQ(CRT[a].eff_level, 6);
    EXPECT_EQ(CRT[b].eff_level, 5);
    EXPECT_EQ(CRT[a].dmg_phys, 12);
    EXPECT_EQ(CRT[b].dmg_phys, 10);
}

TEST_F(Stats, NoHitPointsAndLevelZeroGiveFiniteNumbers)
{
    write_types({type_block(0, 0, 0, 10), type_block(0, 20, 5, 10)});
    int a = new_creature(0, 3, 2, -1, -1, -1, -1, 5, 5);
    EXPECT_EQ(CRT[a].max_hp, 0);
    EXPECT_EQ(CRT[a].eff_level, 0);
    member(0);
    int b = new_creature(1, 0, 1, -1, -1, 0, -1, 6, 5);
    EXPECT_EQ(CRT[b].max_hp, 20 + 100);
    EXPECT_EQ(CRT[b].eff_level, 0);
    // Levels from a file that would overflow the sums are held at the limit.
    std::vector<int> big = type_block(0, 2000000000, 2000000000, 10);
    write_types({big});
    int c = new_creature(0, 2000000000, 2, -1, -1, -1, -1, 7, 5);
    EXPECT_EQ(CRT[c].max_hp, INT32_MAX);
}

TEST_F(Stats, ConditionsActOnTheDerivedValues)
{
    std::vector<int> t = type_block(0, 50, 0, 20);
    t[27] = 40;   // hit
    t[29] = 30;   // dodge
    t[17] = 10;   // armour
    write_types({t});
    int c = new_creature(0, 1, 2, -1, -1, -1, -1, 5, 5);
    CRT[c].status[0] = 2;   // slowed
    CRT[c].status[3] = 1;   // keen-eyed
    CRT[c].status[5] = 1;   // nimble
    CRT[c].status[7] = 3;   // guarded
    update_stats();
    EXPECT_EQ(CRT[c].speed, 10);
    EXPECT_EQ(CRT[c].hit, 100);
    EXPECT_EQ(CRT[c].dodge, 60);
    EXPECT_EQ(CRT[c].armour, 30);
    CRT[c].effect[6] = 2;   // changed shape, into the walking form
    update_stats();
    EXPECT_EQ(CRT[c].pic_base, 320);
}

}  // namespace
}  // namespace hm
