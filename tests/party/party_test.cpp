// party_test.cpp -- character files, the experience curve, awards to one member, carrying capacity
#include <cstring>
#include <sstream>

#include "../items/items_fixture.h"
#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"

namespace hm {
namespace {

class Party : public ItemTest {
protected:
    static void character_file(int n, const std::string &name, int level, int belt, int first_slot_value)
    {
        std::ostringstream o;
        o << padded(name) << "\n" << level << " -1 3 " << belt << " 0x0b\n" << first_slot_value;
        for (int s = 1; s < 25; s++) o << " " << (s % 2);
        o << "\n11 12 13 14 15\n";
        write_file("c" + std::to_string(n) + ".txt", o.str());
    }

    // A member of the given level with just that level's experience.
    static void member(int m, int level)
    {
        p1cr[m].in_use = 1;
        p1cr[m].level = p1cr[m].prev_level = level;
        p1cr[m].exp = 5 * (level * level + level) + 50;
        p1cr[m].pen_item = -1;
        p1cr[m].crt = -1;
    }
};

TEST_F(Party, TheCurveGivesEachLevelAtItsThreshold)
{
    const int exps[] = {0, 49, 59, 60, 79, 80, 600};
    const int levels[] = {0, 0, 0, 1, 1, 2, 10};
    for (int i = 0; i < 7; i++) EXPECT_EQ(find_lev(exps[i]), levels[i]) << exps[i];
    // Rounding through single precision keeps every exact threshold on its level
    // (far up, a point short of it already rounds up to it).
    for (int level = 1; level <= 2000; level++) {
        int at = 5 * (level * level + level) + 50;
        ASSERT_EQ(find_lev(at), level);
        if (level < 1000) {
            ASSERT_EQ(find_lev(at - 1), level - 1);
        }
        ASSERT_EQ(find_exp_needed(at), 10 * (level + 1));
    }
    // Single precision, as the game always had it: there a point short already counts.
    EXPECT_EQ(find_lev(5 * (1638 * 1638 + 1638) + 50 - 1), 1638);
    EXPECT_EQ(find_exp_needed(0), 60);
    EXPECT_EQ(find_exp_needed(79), 1);
    EXPECT_GT(find_exp_needed(2147483647), 0);
}

TEST_F(Party, ANewCharacterStartsFromItsFileAlone)
{
    // Leftovers of the record's last owner must not survive.
    std::memset(&p1cr[0], 0x5a, sizeof(p1cr_rec));
    p1cr[0].in_use = 0;
    character_file(7, "Tamsin", 3, 40, 257);
    ASSERT_EQ(load_p1cr(7), 0);
    const p1cr_rec &p = p1cr[0];
    EXPECT_STREQ(p.name, "Tamsin");
    EXPECT_EQ(p.exp, 110);
    EXPECT_EQ(p.attr_points, 5);
    EXPECT_EQ(p.skill_points, 0);
    for (int v : {p.hp, p.mana, p.crt, p.pen_item, p.sel_skill}) EXPECT_EQ(v, -1);
    EXPECT_EQ(p.crt_type, 3);
    EXPECT_EQ(p.face_pic, 11);
    EXPECT_EQ(p.belt_size, BELT_SLOTS);   // a file cannot unlock more
    EXPECT_EQ(p.skill_mode, 1);
    EXPECT_EQ(p.slot_ok[0], 1);   // 257 stored as a byte
    EXPECT_EQ(p.slot_ok[2], 0);
    for (int k = 0; k < ATTR_COUNT; k++) {
        EXPECT_EQ(p.attr[2 * k], 11 + k);
        EXPECT_EQ(p.attr[2 * k + 1], 11 + k);
    }
    for (int32_t e : p.eqp) EXPECT_EQ(e, -1);
    for (int32_t b : p.belt) EXPECT_EQ(b, -1);
    for (const skill_rec &s : p.skills) EXPECT_EQ(s.known, 0);
    for (int32_t s : p.spare) EXPECT_EQ(s, 0);
    EXPECT_EQ(p.prev_level, 0);   // part of the zeroed block
    EXPECT_EQ(load_p1cr(7), 1);
}

TEST_F(Party, ACharacterFileThatCannotBeReadChangesNothing)
{
    character_file(7, "Whole", 2, 4, 1);
    std::string whole = read_file("c7.txt");
    write_file("c8.txt", whole.substr(0, whole.size() - 6));
    character_file(9, "Ancient", MAX_LEVEL + 1, 4, 1);
    p1cr[0].in_use = 1;
    std::strcpy(p1cr[1].name, "Ghost");
    for (int n : {6, 8, 9}) {
        EXPECT_EQ(load_p1cr(n), -1) << n;
        EXPECT_EQ(p1cr[1].in_use, 0);
        EXPECT_STREQ(p1cr[1].name, "Ghost");
    }
    for (int m = 1; m < PARTY_SIZE; m++) p1cr[m].in_use = 1;
    std::vector<p1cr_rec> before(p1cr, p1cr + P1CR_COUNT);
    EXPECT_EQ(load_p1cr(7), -1);
    EXPECT_EQ(std::memcmp(before.data(), p1cr, sizeof(p1cr_rec) * P1CR_COUNT), 0);
}

TEST_F(Party, ExperienceBonusOfWhatTheMemberWears)
{
    member(0, 1);
    ITEM[20].in_use = 254;
    ITEM[20].atv[ATV_EXP_BONUS] = 50;
    p1cr[0].pen_item = 20;
    recieve_exp(0, 10);
    EXPECT_EQ(p1cr[0].exp, 60 + 15);
    recieve_exp(0, 1);
    EXPECT_EQ(p1cr[0].exp, 60 + 15 + 1);
    // An ordinary item is no equipment total, whatever it holds.
    ITEM[20].in_use = 1;
    recieve_exp(0, 10);
    EXPECT_EQ(p1cr[0].exp, 60 + 15 + 1 + 10);
}

TEST_F(Party, SeveralLevelsInOneAward)
{
    member(2, 9);
    j[leader] = 0;
    p1cr[2].skill_points = 1;
    p1cr[2].hp = 12;
    recieve_exp(2, 710 - 500);
    const p1cr_rec &p = p1cr[2];
    EXPECT_EQ(p.level, 11);
    EXPECT_EQ(p.prev_level, 9);
    EXPECT_EQ(p.gained_points, 6);
    EXPECT_EQ(p.skill_points, 7);
    EXPECT_EQ(p.attr_points, 2);
    EXPECT_EQ(j[lev_up_show], 1);
    // Levels 20 and on earn 6 a step.
    member(3, 19);
    recieve_exp(3, 5 * (21 * 21 + 21) + 50 - p1cr[3].exp);
    EXPECT_EQ(p1cr[3].gained_points, 4 + 6);
    // No level, no box; the points of the last award are forgotten.
    j[lev_up_show] = 0;
    recieve_exp(2, 1);
    EXPECT_EQ(p1cr[2].gained_points, 0);
    EXPECT_EQ(p1cr[2].prev_level, 11);
    EXPECT_EQ(j[lev_up_show], 0);
}

TEST_F(Party, ALevelAheadOfItsExperienceNeverFalls)
{
    member(0, 1);
    p1cr[0].level = 40;
    p1cr[0].exp = 300;
    recieve_exp(0, 5);
    EXPECT_EQ(p1cr[0].level, 40);
    EXPECT_EQ(p1cr[0].attr_points, 0);
    EXPECT_EQ(p1cr[0].exp, 305);
}

TEST_F(Party, ALevelUpHealsToTheNewLevelsMaximum)
{
    write_file("crtinf.txt", read_file(home + "/crtinf.txt"));
    // The leader: its creature takes the new level and both are whole at its new maximum.
    member(1, 1);
    p1cr[1].crt_type = 0;
    j[leader] = 1;
    int lc = new_creature(0, 1, 1, 5, 0, 1, -1, 3, 3);
    ASSERT_GE(lc, 0);
    int old_max = CRT[lc].max_hp;
    recieve_exp(1, 20);
    EXPECT_EQ(CRT[lc].level, 2);
    EXPECT_GT(CRT[lc].max_hp, old_max);
    EXPECT_EQ(CRT[lc].hp, CRT[lc].max_hp);
    EXPECT_EQ(p1cr[1].hp, CRT[lc].max_hp);
    EXPECT_EQ(p1cr[1].mana, CRT[lc].max_mana);

    // Anyone else is measured on a creature made for the moment, which is gone again.
    member(2, 1);
    p1cr[2].crt_type = 0;
    recieve_exp(2, 80 - 60 + 30);   // 1 to 3
    int in_use = 0;
    for (int c = 0; c < CRT_COUNT; c++) in_use += CRT[c].in_use;
    EXPECT_EQ(in_use, 1);
    EXPECT_EQ(p1cr[2].crt, -1);
    int probe = new_creature(0, 3, 1, -1, -1, 2, -1, 0, 0);
    ASSERT_GE(probe, 0);
    EXPECT_EQ(p1cr[2].hp, CRT[probe].max_hp);
    EXPECT_EQ(p1cr[2].mana, CRT[probe].max_mana);
    free_tmp_crt(probe);

    // A leader's link the creature does not return belongs to someone else: left alone.
    CRT[lc].party_index = 4;
    recieve_exp(1, 30);
    EXPECT_EQ(p1cr[1].level, 3);
    EXPECT_EQ(CRT[lc].level, 2);
    EXPECT_EQ(CRT[lc].in_use, 1);
    EXPECT_EQ(p1cr[1].crt, -1);
}

TEST_F(Party, WeightLeftCountsLiveInventoryItems)
{
    j[carry_cap] = 2000;
    EXPECT_EQ(weight_left(), 2000);
    ITEM[3] = {};
    ITEM[3].in_use = 1;
    ITEM[3].atv[ATV_WEIGHT] = 120;
    ITEM[3].equipped_by = 0;   // worn items weigh too
    ITEM[8].in_use = 1;
    ITEM[8].atv[ATV_WEIGHT] = 35;
    ITEM[9].atv[ATV_WEIGHT] = 500;   // freed, its index still listed
    ISTK[STK_INVENTORY].item[0] = 3;
    ISTK[STK_INVENTORY].item[5] = 8;
    ISTK[STK_INVENTORY].item[6] = 9;
    ISTK[STK_LOOT].item[0] = 8;
    EXPECT_EQ(weight_left(), 2000 - 155);
}

}  // namespace
}  // namespace hm
