// content_test.cpp -- the game's creature types: complete, drawn, distinct, and fair to a new party
#include <fstream>

#include "battle_fixture.h"
#include "items/items.h"

namespace hm {
namespace {

constexpr int TYPES = 39;

class CreatureTypes : public BattleTest {
protected:
    const crt_rec &make(int t, int level)
    {
        int c = new_creature(t, level, 2, -1, -1, -1, -1, 10 + t, 10);
        EXPECT_GE(c, 0);
        return CRT[c < 0 ? 0 : c];
    }

    // Chance that a blow of a lands on t, and what it takes off after resistance and armour.
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

    // Hit points a lone hero loses killing the foes one by one, one blow each a turn,
    // while every foe still standing bites back.  Its wounds weaken it as in battle,
    // so the count runs on past its death: more than its hit points is a lost fight.
    float lone_hero_loses(int h, const std::vector<const crt_rec *> &foes)
    {
        crt_rec &hero = CRT[h];
        const float full = (float)hero.max_hp;
        float hp = full;
        size_t next = 0;
        float foe_hp = foes.empty() ? 0 : (float)foes[0]->max_hp;
        for (int turn = 0; next < foes.size() && turn < 1000; turn++) {
            for (size_t f = next; f < foes.size(); f++) hp -= lands(*foes[f], hero) * blow(*foes[f], hero);
            hero.hp = hp > 0 ? (int)hp : 0;
            update_stats();
            foe_hp -= lands(hero, *foes[next]) * blow(hero, *foes[next]);
            if (foe_hp <= 0 && ++next < foes.size()) foe_hp = (float)foes[next]->max_hp;
        }
        hero.hp = hero.max_hp;
        update_stats();
        return full - hp;
    }
};

TEST_F(CreatureTypes, EveryTypeTheOtherTablesNameIsThereAndDrawn)
{
    std::ifstream in("crtinf.txt");
    long long n = 0;
    for (long long v; in >> v;) n++;
    EXPECT_EQ(n, TYPES * CRTINF_INTS);
    for (int t = 0; t < TYPES; t++) {
        const crt_rec &k = make(t, 2);
        EXPECT_GT(k.max_hp, 0) << t;
        EXPECT_TRUE(k.attack_kind == 1 || (k.attack_kind == 2 && k.shot_range >= 5)) << t;
        for (int f = 0; f < 10; f++) EXPECT_GE(pic_slot(k.pic_base + f, 3), 0) << "type " << t << " frame " << f;
    }
    // Characters 0..6 walk in the bodies 0..6.
    for (int m = 0; m <= 6; m++) {
        p1cr[0].in_use = 0;
        ASSERT_EQ(load_p1cr(m), 0);
        EXPECT_EQ(p1cr[0].crt_type, m);
    }
}

TEST_F(CreatureTypes, TheMonstersAreTheKindsTheStoryNeeds)
{
    std::vector<const crt_rec *> m(TYPES);
    for (int t = 14; t < TYPES; t++) m[t] = &make(t, 3);
    for (int t = 15; t < 25; t++) {
        // The rat is fast and weak, the brute armoured, among the walkers.
        EXPECT_TRUE(m[t]->flying || (m[t]->speed <= m[14]->speed && m[t]->max_hp > m[14]->max_hp)) << t;
        EXPECT_TRUE(t == 22 || m[22]->armour > m[t]->armour) << t;
        EXPECT_GT(m[25]->max_hp, 2 * m[t]->max_hp) << t;                  // the boss outlasts all
        for (int u = 14; u < t; u++)
            EXPECT_FALSE(m[u]->max_hp == m[t]->max_hp && m[u]->dmg_phys == m[t]->dmg_phys) << u << " " << t;
    }
    EXPECT_LE(m[22]->speed, 10);   // and slow
    EXPECT_EQ(m[17]->attack_kind, 2);
    EXPECT_EQ(m[20]->flying, 1);
    EXPECT_EQ(m[21]->attack_kind, 2);   // the witch: her fire outweighs her blows
    EXPECT_GT(m[21]->dmg_e1 + m[21]->dmg_e4, 3 * m[21]->dmg_phys);
}

TEST_F(CreatureTypes, AFreshHeroBeatsTheRatsAloneButNotTheBandits)
{
    ASSERT_EQ(load_p1cr(0), 0);
    const p1cr_rec &p = p1cr[0];
    clear_istk(STK_INVENTORY);
    equip_item(0, 0, new_item(0, STK_INVENTORY, 0, -1));   // the weapon a new game hands it
    ASSERT_GE(p.eqp[0], 0);
    const int h = new_creature(p.crt_type, p.level, 1, -1, -1, 0, -1, 40, 40);
    ASSERT_GE(h, 0);
    const float full = (float)CRT[h].max_hp;
    // The village's spawners (the end of l4.plan): 0 rats, 1 wolves, 2 bandits.
    // The first scratch drops a level-1 hero to the wound floor, so these count
    // the weakened hero for most of each fight.
    float rats = lone_hero_loses(h, {&make(14, 1), &make(14, 1), &make(14, 2)});
    EXPECT_LT(rats, 0.9f * full);
    EXPECT_GT(rats, 0.3f * full);   // still a fight
    EXPECT_GT(lone_hero_loses(h, {&make(15, 2), &make(15, 2)}), 0.6f * full);
    EXPECT_GT(lone_hero_loses(h, {&make(17, 2), &make(16, 1), &make(16, 2)}), 1.5f * full);
}

TEST_F(CreatureTypes, WoundsAndOverflowingNumbersGiveSoundLevels)
{
    std::vector<int> t = type_block(0, 100, 0, 10), u = t;
    t[5] = 60;   // wound floors 60 and 40
    u[5] = 40;
    write_types({t, u, type_block(0, 0, 0, 10), type_block(0, 2000000000, 2000000000, 10)});
    EXPECT_EQ(CRT[new_creature(0, 10, 2, 50, -1, -1, -1, 5, 5)].eff_level, 6);
    EXPECT_EQ(CRT[new_creature(1, 10, 2, 50, -1, -1, -1, 6, 5)].eff_level, 5);
    EXPECT_EQ(CRT[new_creature(2, 3, 2, -1, -1, -1, -1, 7, 5)].eff_level, 3);   // no hit points at all: no wounds to count
    EXPECT_EQ(CRT[new_creature(3, 2000000000, 2, -1, -1, -1, -1, 8, 5)].max_hp, INT32_MAX);
    member(0);
    EXPECT_EQ(CRT[new_creature(1, 0, 1, -1, -1, 0, -1, 9, 5)].eff_level, 0);   // level 0
}

}  // namespace
}  // namespace hm
