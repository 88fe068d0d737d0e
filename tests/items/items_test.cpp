// items_test.cpp -- making items from type files and seeds, stacks, deleting, prices
#include <cstring>
#include <set>

#include "battle/battle.h"
#include "core/core.h"
#include "items_fixture.h"
#include "party/party.h"

namespace hm {
namespace {

TEST_F(ItemTest, WeightRangesNeverRollTheirMaximum)
{
    equipment_type(100, "Flat", 0, 10, 10, {});
    equipment_type(101, "Narrow", 0, 10, 11, {});
    equipment_type(102, "Wide", 0, 10, 13, {});
    std::set<int> wide;
    for (int seed = 0; seed < 300; seed++) {
        for (int type : {100, 101, 102}) {
            int k = new_item(type, -1, 0, seed);
            ASSERT_GE(k, 0);
            if (type == 102) wide.insert(ITEM[k].atv[ATV_WEIGHT]);
            else EXPECT_EQ(ITEM[k].atv[ATV_WEIGHT], 10) << "type " << type << " seed " << seed;
            delete_item(k);
        }
    }
    EXPECT_EQ(wide, (std::set<int>{10, 11, 12}));
}

TEST_F(ItemTest, ChanceZeroNeverSetsAnAttributeAndHundredAlways)
{
    equipment_type(100, "Tested", 0, 1, 1, {{3, {5, 9, 0}}, {4, {7, 7, 100}}, {5, {2, 4, 100}}, {6, {1, 1, 50}}});
    std::set<int> rolled;
    int sometimes = 0;
    for (int seed = 0; seed < 300; seed++) {
        int k = new_item(100, -1, 0, seed);
        ASSERT_GE(k, 0);
        EXPECT_EQ(ITEM[k].atv[3], 0);
        EXPECT_EQ(ITEM[k].atv[4], 7);
        rolled.insert(ITEM[k].atv[5]);
        sometimes += ITEM[k].atv[6];
        delete_item(k);
    }
    EXPECT_EQ(rolled, (std::set<int>{2, 3}));
    EXPECT_GT(sometimes, 0);
    EXPECT_LT(sometimes, 300);
}

TEST_F(ItemTest, ATypeAndASeedAlwaysMakeTheSameItem)
{
    std::map<int, roll3> many;
    for (int i = 1; i <= 40; i++) many[i] = {i, i + 30, 50};
    int need[5] = {1, 2, 3, 4, 5};
    equipment_type(100, "Chancy Blade", 3, 20, 90, many, need);
    hl_set_time(5000);
    int a = new_item(100, STK_INVENTORY, 0, 1234);
    for (int i = 0; i < 77; i++) hm::random();
    int other = new_item(100, -1, 0, -1);
    hl_set_time(9999);
    int b = new_item(100, STK_LOOT, 0, 1234);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    ASSERT_NE(a, b);
    EXPECT_EQ(std::memcmp(&ITEM[a], &ITEM[b], sizeof(item_rec)), 0);
    EXPECT_EQ(ITEM[a].seed, 1234);
    EXPECT_EQ(ITEM[a].item_type, 100);
    EXPECT_EQ(ITEM[a].atv[ATV_NEED + 4], 5);
    EXPECT_STREQ(ITEM[a].name, "Chancy Blade");
    // A drawn seed is stored and makes the same item again.
    EXPECT_GE(ITEM[other].seed, 0);
    EXPECT_LT(ITEM[other].seed, ITEM_SEEDS);
    int again = new_item(100, -1, 0, ITEM[other].seed);
    EXPECT_EQ(std::memcmp(ITEM[other].atv, ITEM[again].atv, sizeof ITEM[again].atv), 0);
    EXPECT_NE(std::memcmp(ITEM[a].atv, ITEM[other].atv, sizeof ITEM[a].atv), 0);
}

TEST_F(ItemTest, UsableAndOtherClassesReadTheirValuesAsWritten)
{
    std::map<int, int> values;
    for (int i = 1; i <= 79; i++) values[i] = i * 3 - 100;
    usable_type(100, "Draught", 12, values);
    // Numbers are C literals; a quest item reads nothing after its weight.
    write_file("i101.txt", padded("Key") + "\n3 -1 0x10 010 2 2\n5 5 5 5\n");
    int k = new_item(100, -1, 0, 3);
    int q = new_item(101, -1, 0, 3);
    ASSERT_GE(k, 0);
    ASSERT_GE(q, 0);
    for (int i = 1; i <= 79; i++) EXPECT_EQ(ITEM[k].atv[i], i * 3 - 100) << i;
    for (int i = 80; i < ATV_COUNT; i++) EXPECT_EQ(ITEM[k].atv[i], 0);
    EXPECT_EQ(ITEM[q].item_class, 3);
    EXPECT_EQ(ITEM[q].pic, 16);
    EXPECT_EQ(ITEM[q].base_price, 8);
    for (int i = 1; i < ATV_COUNT; i++) EXPECT_EQ(ITEM[q].atv[i], 0);
}

TEST_F(ItemTest, WhatAMissingOrShortTypeFileLacksIsZero)
{
    // The record a new item takes holds an old item that must not leak into it.
    auto old_item = [] {
        ITEM[0].item_class = 2;
        ITEM[0].eqp_slot = 4;
        ITEM[0].pic = 77;
        ITEM[0].base_price = 50;
        std::strcpy(ITEM[0].name, "Old Boot");
        for (int16_t &a : ITEM[0].atv) a = 9;
    };
    old_item();
    ASSERT_EQ(new_item(99, STK_INVENTORY, 0, 5), 0);
    EXPECT_EQ(ITEM[0].in_use, 1);
    EXPECT_EQ(ITEM[0].item_class, 0);
    EXPECT_EQ(ITEM[0].eqp_slot, 0);
    EXPECT_EQ(ITEM[0].pic, 0);
    EXPECT_EQ(ITEM[0].base_price, 0);
    EXPECT_EQ(ITEM[0].item_type, 99);
    EXPECT_EQ(ITEM[0].name[0], 0);
    for (int i = 0; i < ATV_COUNT; i++) EXPECT_EQ(ITEM[0].atv[i], 0) << i;
    EXPECT_EQ(ISTK[STK_INVENTORY].item[0], 0);

    // Cut off within attribute 40: what was read stays, the rest is 0.
    std::map<int, roll3> some;
    for (int i = 1; i <= 79; i++) some[i] = {i, i, 100};
    int need[5] = {3, 3, 3, 3, 3};
    equipment_type(100, "Whole", 6, 2, 2, some, need);
    std::string whole = read_file("i100.txt");
    write_file("i101.txt", whole.substr(0, whole.find("\n40 40 100")));
    delete_item(0);
    old_item();
    ASSERT_EQ(new_item(101, -1, 0, 5), 0);
    EXPECT_STREQ(ITEM[0].name, "Whole");
    EXPECT_EQ(ITEM[0].item_class, 1);
    EXPECT_EQ(ITEM[0].eqp_slot, 6);
    EXPECT_EQ(ITEM[0].atv[ATV_WEIGHT], 2);
    for (int i = 1; i < 40; i++) EXPECT_EQ(ITEM[0].atv[i], i) << i;
    for (int i = 40; i < ATV_COUNT; i++) EXPECT_EQ(ITEM[0].atv[i], 0) << i;
}

TEST_F(ItemTest, AShopSlotSetBeforeMakingTheItemStays)
{
    equipment_type(100, "Ware", 0, 1, 1, {});
    int k = new_item_num();
    ITEM[k].shop_slot = 7;
    ASSERT_EQ(new_item(100, STK_SHOP, 2, 40), k);
    EXPECT_EQ(ITEM[k].shop_slot, 7);
    EXPECT_EQ(ITEM[k].origin, 2);
    EXPECT_EQ(ITEM[k].equipped_by, -1);
    EXPECT_EQ(ITEM[k].keep_flag, 0);
}

TEST_F(ItemTest, AFullTableMakesNothingAndKeepsTheStack)
{
    equipment_type(100, "Spare", 0, 1, 1, {});
    for (int k = 0; k < ITEM_COUNT; k++) ITEM[k].in_use = 1;
    std::vector<item_rec> before(ITEM, ITEM + ITEM_COUNT);
    EXPECT_EQ(new_item_num(), -1);
    EXPECT_EQ(new_item(100, STK_INVENTORY, 0, -1), -1);
    EXPECT_EQ(new_item(100, -1, 0, -1), -1);
    EXPECT_EQ(std::memcmp(before.data(), ITEM, sizeof(item_rec) * ITEM_COUNT), 0);
    EXPECT_EQ(istk_free_entry(STK_INVENTORY), 0);
    ITEM[ITEM_COUNT - 1].in_use = 0;
    EXPECT_EQ(new_item(100, STK_INVENTORY, 0, -1), ITEM_COUNT - 1);
}

TEST_F(ItemTest, AFullStackTakesNoNewItem)
{
    equipment_type(100, "Pebble", 0, 0, 0, {});
    for (int e = 0; e < ISTK_SIZE; e++) ASSERT_EQ(new_item(100, STK_INVENTORY, 0, e), e);
    EXPECT_EQ(new_item(100, STK_INVENTORY, 0, -1), -1);
    EXPECT_EQ(new_item_num(), ISTK_SIZE);
    EXPECT_EQ(new_item(100, -1, 0, -1), ISTK_SIZE);
    EXPECT_EQ(new_item(100, ISTK_COUNT, 0, -1), -1);
}

TEST_F(ItemTest, MovingBetweenStacks)
{
    ISTK[STK_INVENTORY].item[0] = 5;
    ISTK[STK_INVENTORY].item[3] = 9;
    ISTK[STK_LOOT].item[1] = 9;
    ISTK[STK_LOOT].item[4] = 9;
    // Only the first entry that holds it leaves; the item takes the first gap.
    EXPECT_EQ(swap_item_istk(9, STK_LOOT, STK_INVENTORY), 1);
    EXPECT_EQ(ISTK[STK_LOOT].item[1], -1);
    EXPECT_EQ(ISTK[STK_LOOT].item[4], 9);
    EXPECT_EQ(ISTK[STK_INVENTORY].item[1], 9);
    // Removing from a stack that lacks it still lists it in the target.
    EXPECT_EQ(swap_item_istk(12, STK_CHEST, STK_INVENTORY), 1);
    EXPECT_EQ(ISTK[STK_INVENTORY].item[2], 12);
    // A full target refuses: the item stays where it was.
    for (int e = 0; e < ISTK_SIZE; e++) ISTK[STK_SHOP].item[e] = 400;
    EXPECT_EQ(swap_item_istk(5, STK_INVENTORY, STK_SHOP), 0);
    EXPECT_EQ(ISTK[STK_INVENTORY].item[0], 5);
    clear_istk(STK_SHOP);
    EXPECT_EQ(istk_free_entry(STK_SHOP), 0);
    EXPECT_EQ(ISTK[STK_SHOP].item[ISTK_SIZE - 1], -1);
}

TEST_F(ItemTest, DeletingAnItemLeavesNoListNamingIt)
{
    equipment_type(100, "Ring", 10, 1, 1, {});
    int k = new_item(100, STK_INVENTORY, 0, 1);
    ISTK[STK_FIT_SLOT].item[7] = k;
    ISTK[STK_USABLE].item[0] = k;
    ISTK[STK_USABLE].item[9] = k;
    p1cr[1].in_use = 1;
    p1cr[1].eqp[10] = k;
    p1cr[1].belt[3] = k;
    CRT[4].equipment[10] = k;
    ITEM[k].equipped_by = 1;
    delete_item(k);
    EXPECT_EQ(ITEM[k].in_use, 0);
    EXPECT_EQ(ITEM[k].equipped_by, -1);
    for (int s = 0; s < ISTK_COUNT; s++) EXPECT_EQ(stack_entries(s, k), 0) << s;
    EXPECT_EQ(p1cr[1].eqp[10], -1);
    EXPECT_EQ(p1cr[1].belt[3], -1);
    EXPECT_EQ(CRT[4].equipment[10], -1);
}

TEST_F(ItemTest, PricesWeighEquipmentAttributesOnly)
{
    equipment_type(100, "Sword", 0, 30, 30, {{1, {4, 4, 100}}, {44, {2, 2, 100}}, {50, {3, 3, 100}}});
    std::map<int, int> potion = {{1, 1}, {7, 40}};
    usable_type(101, "Potion", 12, potion);
    int sword = new_item(100, -1, 0, 1), drink = new_item(101, -1, 0, 1);
    EXPECT_EQ(calc_price(sword), 20);   // no weights: the base price
    std::string weights = "2 5";
    for (int i = 2; i < 44; i++) weights += " 1";
    weights += " 7";   // attribute 44; 45..49 are missing and count 0
    write_file("atv1.txt", weights);
    EXPECT_EQ(calc_price(sword), 20 + 30 * 2 + 4 * 5 + 2 * 7);   // attribute 50 is not weighed
    EXPECT_EQ(calc_price(drink), 12);
    ITEM[drink].item_class = 3;
    EXPECT_EQ(calc_price(drink), 12);
}

}  // namespace
}  // namespace hm
