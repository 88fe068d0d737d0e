// equipment_test.cpp -- wearing, wearing needs, equipment totals, natural weapons and item use
#include <cstddef>
#include <cstring>
#include <vector>

#include "battle/battle.h"
#include "core/core.h"
#include "items_fixture.h"
#include "party/party.h"

namespace hm {
namespace {

class Equipment : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        for (int c = 0; c < CRT_COUNT; c++) {
            CRT[c].party_index = CRT[c].npc_index = -1;
            CRT[c].en_item = -1;
            for (int32_t &e : CRT[c].equipment) e = -1;
        }
        for (int m = 0; m < P1CR_COUNT; m++) p1cr[m].crt = -1;
        j[leader] = 0;
        j[battle_on] = 0;
        equipment_type(100, "Blade", 0, 10, 10, {{1, {4, 4, 100}}, {11, {2, 2, 100}}});
        equipment_type(101, "Ring", 10, 1, 1, {{16, {3, 3, 100}}, {50, {1, 1, 100}}});
    }

    // Party member m with the five attributes all at `a`.
    static void member(int m, int a)
    {
        p1cr_rec &p = p1cr[m];
        std::memset(&p, 0, sizeof p);
        p.in_use = 1;
        p.crt = -1;
        p.pen_item = -1;
        for (int32_t &e : p.eqp) e = -1;
        for (int32_t &b : p.belt) b = -1;
        for (int k = 0; k < 5; k++) p.attr[2 * k] = p.attr[2 * k + 1] = a;
    }

    // A creature record standing for member m (-1 none), with its hit points and mana.
    static void creature(int c, int m, int hp, int max_hp, int mana, int max_mana)
    {
        crt_rec &k = CRT[c];
        k.in_use = 1;
        k.party_index = m;
        if (m >= 0) p1cr[m].crt = c;
        k.hp = hp;
        k.max_hp = max_hp;
        k.mana = mana;
        k.max_mana = max_mana;
        for (int32_t &s : k.status) s = 0;
    }
};

TEST_F(Equipment, WearingMovesAnItemAndEmptiesTheOccupiedSlotKeepingItsItem)
{
    member(0, 10);
    member(1, 10);
    int blade = new_item(100, STK_INVENTORY, 0, 1);
    int other = new_item(100, STK_INVENTORY, 0, 2);
    equip_item(0, 0, blade);
    EXPECT_EQ(p1cr[0].eqp[0], blade);
    EXPECT_EQ(ITEM[blade].equipped_by, 0);
    // Worn by another member: it moves, and the first member's slot is empty.
    equip_item(1, 0, blade);
    EXPECT_EQ(p1cr[0].eqp[0], -1);
    EXPECT_EQ(p1cr[1].eqp[0], blade);
    EXPECT_EQ(ITEM[blade].equipped_by, 1);
    // Into an occupied slot: the old item is taken off but stays in the inventory.
    equip_item(1, 0, other);
    EXPECT_EQ(p1cr[1].eqp[0], other);
    EXPECT_EQ(ITEM[blade].equipped_by, -1);
    EXPECT_EQ(stack_entries(STK_INVENTORY, blade), 1);
    // Outside battle only the leader's creature wears what its character wears.
    creature(3, 0, 10, 10, 0, 0);
    creature(4, 1, 10, 10, 0, 0);
    equip_item(0, 0, blade);
    EXPECT_EQ(CRT[3].equipment[0], blade);
    EXPECT_EQ(CRT[4].equipment[0], -1);
    EXPECT_EQ(p1cr[1].eqp[0], other);
}

TEST_F(Equipment, NeedsOfZeroAlwaysFitAndUnmetNeedsComeOff)
{
    member(0, 0);
    member(1, 9);
    int free_for_all = new_item(100, STK_INVENTORY, 0, 1);
    EXPECT_EQ(check_attributes(0, free_for_all), 1);
    int need[5] = {0, 0, 10, 0, 0};
    equipment_type(102, "Longbow", 0, 30, 30, {}, need);
    int bow = new_item(102, STK_INVENTORY, 0, 1);
    EXPECT_EQ(check_attributes(1, bow), 0);
    p1cr[1].attr[5] = 10;
    EXPECT_EQ(check_attributes(1, bow), 1);
    equip_item(1, 0, bow);
    equip_item(0, 0, free_for_all);
    // Aim falls below the need: the bow comes off, the other member keeps its blade.
    p1cr[1].attr[5] = 9;
    remove_failed_attribute_items();
    EXPECT_EQ(p1cr[1].eqp[0], -1);
    EXPECT_EQ(ITEM[bow].equipped_by, -1);
    EXPECT_EQ(stack_entries(STK_INVENTORY, bow), 1);
    EXPECT_EQ(p1cr[0].eqp[0], free_for_all);
}

TEST_F(Equipment, AnItemForNoSlotIsNeverWorn)
{
    member(0, 10);
    creature(2, 0, 10, 10, 0, 0);
    j[battle_on] = 1;
    equipment_type(103, "Odd Thing", 20, 1, 1, {});
    int odd = new_item(103, STK_INVENTORY, 0, 1);
    crt_rec before = CRT[2];
    equip_item(0, 0, odd);
    equip_item(0, 15, new_item(100, STK_INVENTORY, 0, 1));
    EXPECT_EQ(p1cr[0].eqp[0], -1);
    EXPECT_EQ(ITEM[odd].equipped_by, -1);
    EXPECT_EQ(std::memcmp(&before, &CRT[2], sizeof before), 0);
    // Nor does the list of any slot offer it.
    for (int s = 0; s < EQP_SLOTS; s++) {
        make_eqp_istk(s);
        EXPECT_EQ(stack_entries(STK_FIT_SLOT, odd), 0) << s;
    }
}

TEST_F(Equipment, TotalsSumWhatIsWornAndAFullTableMakesNone)
{
    member(0, 10);
    creature(1, 0, 10, 10, 0, 0);
    int need[5] = {1, 2, 3, 4, 5};
    equipment_type(105, "Helm", 2, 20, 20, {{11, {5, 5, 100}}}, need);
    int worn[3] = {new_item(100, STK_INVENTORY, 0, 1), new_item(101, STK_INVENTORY, 0, 1),
                   new_item(105, STK_INVENTORY, 0, 1)};
    int slot[3] = {0, 10, 2};
    for (int i = 0; i < 3; i++) p1cr[0].eqp[slot[i]] = CRT[1].equipment[slot[i]] = worn[i];
    make_PEN(0);
    make_EN(1);
    for (int total : {p1cr[0].pen_item, CRT[1].en_item}) {
        ASSERT_GE(total, 0);
        const item_rec &t = ITEM[total];
        EXPECT_EQ(t.atv[ATV_WEIGHT], 31);
        EXPECT_EQ(t.atv[11], 7);
        EXPECT_EQ(t.atv[16], 3);
        for (int a = 80; a < ATV_COUNT; a++) EXPECT_EQ(t.atv[a], 0) << "needs are not summed";
    }
    EXPECT_EQ(ITEM[p1cr[0].pen_item].in_use, ITEM_PEN_TOTAL);
    EXPECT_EQ(ITEM[CRT[1].en_item].in_use, ITEM_EN_TOTAL);
    // Each kind is let go of by its own call, and nobody names a freed total.
    int pen = p1cr[0].pen_item;
    delete_EN();
    EXPECT_EQ(CRT[1].en_item, -1);
    EXPECT_EQ(ITEM[pen].in_use, ITEM_PEN_TOTAL);
    delete_PEN();
    EXPECT_EQ(ITEM[pen].in_use, ITEM_FREE);
    EXPECT_EQ(ITEM[worn[0]].in_use, ITEM_LIVE);

    // Sums are 16-bit and wrap; a total sets only its own fields of the record.
    equipment_type(106, "Tower Shield", 3, 0, 0, {{11, {30000, 30000, 100}}});
    int shield = new_item(106, STK_INVENTORY, 0, 1), other = new_item(106, STK_INVENTORY, 0, 2);
    p1cr[0].eqp[3] = shield;
    p1cr[0].eqp[4] = other;
    delete_PEN();
    int k = new_item_num();
    std::strcpy(ITEM[k].name, "Gone");
    ITEM[k].pic = 12;
    ITEM[k].atv[90] = 4;
    make_PEN(0);
    ASSERT_EQ(p1cr[0].pen_item, k);
    EXPECT_EQ(ITEM[k].atv[11], (int16_t)(60000 + 7));
    EXPECT_EQ(ITEM[k].atv[90], 0);
    EXPECT_STREQ(ITEM[k].name, "Gone");
    EXPECT_EQ(ITEM[k].pic, 12);
    EXPECT_EQ(ITEM[k].origin, ORIGIN_PEN);
    EXPECT_EQ(ITEM[k].eqp_slot, -1);

    // With every record taken no total is made and nothing is written.
    for (int k = 0; k < ITEM_COUNT; k++)
        if (ITEM[k].in_use == ITEM_FREE) ITEM[k].in_use = ITEM_LIVE;
    std::vector<item_rec> before(ITEM, ITEM + ITEM_COUNT);
    make_PEN(0);
    make_EN(1);
    EXPECT_EQ(p1cr[0].pen_item, -1);
    EXPECT_EQ(CRT[1].en_item, -1);
    EXPECT_EQ(std::memcmp(before.data(), ITEM, sizeof(item_rec) * ITEM_COUNT), 0);
}

TEST_F(Equipment, APotionHealsToTheMaximumAndIsUsedUp)
{
    j[battle_on] = 1;
    member(0, 10);
    creature(5, 0, 60, 100, 7, 20);
    usable_type(106, "Draught", 10, {{1, 1}, {7, 10}, {8, 50}, {9, -1}, {10, -1}, {12, 5}, {13, 50}});
    int potion = new_item(106, STK_INVENTORY, 0, 1);
    ISTK[STK_USABLE].item[4] = potion;
    p1cr[0].belt[2] = potion;
    ITEM[potion].equipped_by = 0;
    EXPECT_EQ(use_item(potion, 5), 1);
    // 10 + 50% of 100 is 60 on 60: cut to 100.  Mana: 5 + 10 on 7, cut to 20.
    EXPECT_EQ(CRT[5].hp, 100);
    EXPECT_EQ(CRT[5].mana, 20);
    EXPECT_NE(ITEM[potion].in_use, ITEM_LIVE) << "its record is free for a total to take";
    for (int s = 0; s < ISTK_COUNT; s++) EXPECT_EQ(stack_entries(s, potion), 0) << s;
    EXPECT_EQ(p1cr[0].belt[2], -1);
}

TEST_F(Equipment, CuresAndCausesTouchOnlyConditionsAndBadNumbersTouchNothing)
{
    j[battle_on] = 1;
    creature(5, -1, 50, 100, 0, 0);
    CRT[5].status[16] = 3;
    CRT[5].status[22] = 40;
    usable_type(107, "Antidote", 10, {{9, 16}, {10, -1}});
    EXPECT_EQ(use_item(new_item(107, STK_INVENTORY, 0, 1), 5), 1);
    EXPECT_EQ(CRT[5].status[16], 0);
    EXPECT_EQ(CRT[5].hp, 50);
    // A tonic gives its condition for its rounds, a second one starts them again.
    usable_type(110, "Tonic", 10, {{9, -1}, {10, 17}, {11, 4}});
    CRT[5].status[17] = 1;
    EXPECT_EQ(use_item(new_item(110, STK_INVENTORY, 0, 1), 5), 1);
    EXPECT_EQ(CRT[5].status[17], 4);
    EXPECT_EQ(CRT[5].status[22], 40);
    // Numbers past the conditions would index the status table and beyond.
    CRT[5].status[24] = 9;
    crt_rec before = CRT[5];
    usable_type(108, "Bad Brew", 10, {{9, 24}, {10, 40}, {11, 3}});
    usable_type(109, "Worse Brew", 10, {{9, 300}, {10, -7}});
    EXPECT_EQ(use_item(new_item(108, STK_INVENTORY, 0, 1), 5), 1);
    EXPECT_EQ(use_item(new_item(109, STK_INVENTORY, 0, 1), 5), 1);
    EXPECT_EQ(std::memcmp(before.status, CRT[5].status, sizeof before.status), 0);
    EXPECT_EQ(std::memcmp(before.effect, CRT[5].effect, sizeof before.effect), 0);
    EXPECT_EQ(std::memcmp(&before, &CRT[5], offsetof(crt_rec, en_item)), 0);
}

TEST_F(Equipment, AnItemWithNobodyToUseItOnIsKept)
{
    member(0, 10);
    member(1, 10);
    usable_type(106, "Draught", 10, {{1, 1}, {7, 10}});
    int potion = new_item(106, STK_INVENTORY, 0, 1);
    // In battle on a free creature record; outside it on an empty party slot.
    j[battle_on] = 1;
    EXPECT_EQ(use_item(potion, 12), 0);
    EXPECT_EQ(use_item(potion, -1), 0);
    j[battle_on] = 0;
    EXPECT_EQ(use_item(potion, 5), 0);
    EXPECT_EQ(ITEM[potion].in_use, ITEM_LIVE);
    EXPECT_EQ(stack_entries(STK_INVENTORY, potion), 1);
    // Outside battle the leader's own creature takes it.
    creature(3, 0, 20, 100, 0, 0);
    EXPECT_EQ(use_item(potion, 0), 1);
    EXPECT_EQ(CRT[3].hp, 30);
}

// With the game's creature types: a member without a creature gets one for the
// moment the item is used.
TEST_F(DataTest, APotionOutsideBattleOnAnotherMemberChangesItsKeptFigures)
{
    for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
    for (int c = 0; c < CRT_COUNT; c++) CRT[c].party_index = CRT[c].npc_index = -1;
    ASSERT_EQ(load_p1cr(0), 0);
    ASSERT_EQ(load_p1cr(2), 1);
    j[leader] = 0;
    j[battle_on] = 0;
    p1cr[1].hp = 5;
    p1cr[1].mana = 0;
    int draught = new_item(14, STK_INVENTORY, 0, 1);   // half the hit points and half the mana
    ASSERT_GE(draught, 0);
    int tmp = 0, c = member_stand_in(1, &tmp);
    ASSERT_GE(c, 0);
    int max_hp = CRT[c].max_hp, max_mana = CRT[c].max_mana;
    free_tmp_crt(c);
    EXPECT_EQ(use_item(draught, 1), 1);
    EXPECT_EQ(p1cr[1].hp, 5 + max_hp / 2);
    EXPECT_EQ(p1cr[1].mana, max_mana / 2);
    EXPECT_EQ(p1cr[1].crt, -1) << "the creature was only lent";
    for (int k = 0; k < CRT_COUNT; k++) EXPECT_EQ(CRT[k].in_use, 0) << k;
}

}  // namespace
}  // namespace hm
