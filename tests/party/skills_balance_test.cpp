// skills_balance_test.cpp -- a new hero alone against the village's three rats, with and without his mending
#include "skills_fixture.h"

namespace hm {
namespace {

class Balance : public SkillTest {
protected:
    // One battle of the hero, led by the computer, against `rats` level-1 rats on
    // an open field.  With `mend` he mends himself on his turn once below half
    // health, while his mana lasts.  True when he wins.
    bool fight(uint32_t seed, int rats, bool mend)
    {
        clear_creatures();
        std::memset(p1cr, 0, sizeof(p1cr_rec) * PARTY_SIZE);
        for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
        for (int i = 0; i < ITEM_COUNT; i++) ITEM[i].in_use = 0;
        srandom(seed);
        EXPECT_EQ(load_p1cr(0), 0);
        equip_item(0, 0, new_item(0, STK_INVENTORY, 0, -1));
        new_bat_sk(0, 0);
        j[leader] = 0;
        j[battle_stage] = 0;
        int h = new_creature(p1cr[0].crt_type, 1, 3, -1, -1, 0, -1, 30, 30);
        for (int r = 0; r < rats; r++) new_creature(RAT, 1, 2, -1, -1, -1, -1, 22 + 2 * r, 25);
        j[battle_on] = 1;
        j[battle_stage] = 4;
        j[cur_crt] = -1;
        calc_luck(-1);
        update_stats();
        for (int frame = 0; frame < 20000; frame++) {
            if (!CRT[h].in_use || CRT[h].hp < 1) return false;
            if (j[battle_stage] == 0) return true;
            crt_rec &k = CRT[h];
            if (mend && !j[bat_sk_on] && !j[crt_busy] && j[battle_stage] == 5 && j[cur_crt] == h && k.ready &&
                2 * k.hp < k.max_hp && k.mana >= find_mana_cost(0, 1)) {
                j[shown_member] = 0;
                p1cr[0].sel_skill = 0;
                j[bat_sk_on] = 1;
                aim_at_creature(h);
                j[lmb_up] = 1;
            }
            if (!j[crt_busy] && !j[bat_sk_on]) battle();
            if (j[bat_sk_on] && j[cur_crt] == p1cr[0].crt) use_bat_sk();
            j[lmb_up] = 0;
            battle_end_chk();
            set_grs();
            crtr_main();
            set_us();
            do_sht();
        }
        return false;
    }
};

TEST_F(Balance, TheVillagesThreeRatsFallToTheHeroAloneAndTwiceAsManyWantHisMending)
{
    const int runs = 6;
    int three = 0, six = 0, six_mending = 0;
    for (int s = 1; s <= runs; s++) {
        three += fight((uint32_t)s, 3, false);
        six += fight((uint32_t)s, 6, false);
        six_mending += fight((uint32_t)s, 6, true);
    }
    std::printf("the hero alone beats three rats %d of %d times, six rats %d times, six with mending %d times\n", three,
                runs, six, six_mending);
    EXPECT_EQ(three, runs);
    EXPECT_GT(six_mending, six);
}

}  // namespace
}  // namespace hm
