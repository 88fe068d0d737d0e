// chest_contents_test.cpp -- opening chests, their items while open, emptied chests across levels, the table's ids
#include "chests_fixture.h"

namespace hm {
namespace {

constexpr int SWORD = 1;      // rolled from its seed
constexpr int DRAUGHT = 8;

class ChestContents : public ChestTest {};

TEST_F(ChestContents, UnlikelyItemsGoOnlyAtTheFirstOpening)
{
    int c = add_chest(0, 20, 20, LOCK_NONE);
    for (int k = 0; k < 6; k++) new_chest_item(c, DRAUGHT, k);
    chest[c].item_chance[5] = 0;   // never there
    srandom(5);
    use_chest(c);
    EXPECT_EQ(chest_state[chest[c].chest_id], CHEST_OPENED);
    EXPECT_EQ(j[chest_items_req], 1);
    EXPECT_EQ(j[chest_screen], LOCK_CLOSED);
    for (int k = 0; k < 5; k++) EXPECT_EQ(chest[c].item_types[k], DRAUGHT) << "slot " << k;
    EXPECT_EQ(chest[c].item_types[5], -1);

    // Opened before: even items of no chance stay.
    for (int k = 0; k < 5; k++) chest[c].item_chance[k] = 0;
    j[chest_items_req] = 0;
    use_chest(c);
    for (int k = 0; k < 5; k++) EXPECT_EQ(chest[c].item_types[k], DRAUGHT) << "slot " << k;
}

TEST_F(ChestContents, AnEmptiedDeleteWhenEmptyChestLeavesAtOnce)
{
    int c = add_chest(3, 30, 40, LOCK_DELETE_WHEN_EMPTY);
    new_chest_item(c, DRAUGHT, 11);
    new_chest_item(c, SWORD, 12);
    int id = chest[c].chest_id;
    ls[30 + MAP_W * 40] = 99;
    use_chest(c);
    frame();
    ASSERT_EQ(j[istk_shown], STK_CHEST);
    EXPECT_EQ(j[chest_busy], 1);
    std::vector<int> inside = stack_items(STK_CHEST);
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_EQ(chest_space(), CHEST_SLOTS - 2);

    // One item out and the chest closed: it stays, with the other.
    take_out(inside[0]);
    close_inventory();
    EXPECT_EQ(j[chest_busy], 0);
    ASSERT_TRUE(chest[c].in_use);
    EXPECT_EQ(ls[30 + MAP_W * 40], 99);
    EXPECT_EQ(chest_space(), CHEST_SLOTS - 1);   // the copies are gone, the one left is back in it

    use_chest(c);
    frame();
    inside = stack_items(STK_CHEST);
    ASSERT_EQ(inside.size(), 1u);
    take_out(inside[0]);
    close_inventory();
    EXPECT_FALSE(chest[c].in_use);
    EXPECT_EQ(ls[30 + MAP_W * 40], 100);
    EXPECT_EQ(chest_state[id], CHEST_DELETED);
    EXPECT_EQ(stack_items(STK_INVENTORY).size(), 2u);
}

TEST_F(ChestContents, AnItemPutBackKeepsItsValues)
{
    int c = add_chest(1, 10, 10, LOCK_NONE);
    new_chest_item(c, SWORD, 4321);
    use_chest(c);
    frame();
    std::vector<int> inside = stack_items(STK_CHEST);
    ASSERT_EQ(inside.size(), 1u);
    item_rec before = ITEM[inside[0]];
    take_out(inside[0]);
    close_inventory();
    for (int k = 0; k < CHEST_SLOTS; k++) EXPECT_EQ(chest[c].item_types[k], -1);

    use_chest(c);
    frame();
    put_in(inside[0]);
    close_inventory();
    EXPECT_EQ(chest[c].item_types[0], SWORD);
    EXPECT_EQ(ITEM[inside[0]].in_use, ITEM_FREE);

    use_chest(c);
    frame();
    std::vector<int> again = stack_items(STK_CHEST);
    ASSERT_EQ(again.size(), 1u);
    const item_rec &after = ITEM[again[0]];
    EXPECT_EQ(after.item_type, SWORD);
    EXPECT_EQ(after.seed, before.seed);
    EXPECT_STREQ(after.name, before.name);
    for (int a = 0; a < ATV_COUNT; a++) EXPECT_EQ(after.atv[a], before.atv[a]) << "attribute " << a;
}

TEST_F(ChestContents, AFullChestTakesNoMore)
{
    int c = add_chest(2, 10, 12, LOCK_NONE);
    for (int k = 0; k < CHEST_SLOTS; k++) new_chest_item(c, DRAUGHT, k);
    new_chest_item(c, SWORD, 99);
    for (int k = 0; k < CHEST_SLOTS; k++) EXPECT_EQ(chest[c].item_seeds[k], k);
    use_chest(c);
    frame();
    EXPECT_EQ(chest_space(), 0);
    EXPECT_EQ(istk_action_possible(STK_CHEST_PUT, stack_items(STK_CHEST)[0]), 0);
}

TEST_F(ChestContents, ItemsAFullItemTableCannotShowStayInTheChest)
{
    int c = add_chest(4, 10, 14, LOCK_NONE);
    for (int k = 0; k < 5; k++) new_chest_item(c, DRAUGHT, 20 + k);
    // Room for two copies only.
    for (int k = 2; k < ITEM_COUNT; k++) ITEM[k].in_use = ITEM_LIVE;
    use_chest(c);
    frame();
    std::vector<int> inside = stack_items(STK_CHEST);
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_EQ(chest_space(), CHEST_SLOTS - 5);
    take_out(inside[0]);
    EXPECT_EQ(chest_space(), CHEST_SLOTS - 4);
    close_inventory();
    int left = 0;
    for (int k = 0; k < CHEST_SLOTS; k++) left += chest[c].item_types[k] == DRAUGHT;
    EXPECT_EQ(left, 4);
}

TEST_F(ChestContents, AnEmptiedChestComesBackEmptyAndUnlockedWithItsLevel)
{
    enter_scratch();
    create_level_template(5);
    j[level_no] = 5;
    int c = add_chest(7, 30, 40, LOCK_LOCKED);
    new_chest_item(c, DRAUGHT, 3);
    int id = chest[c].chest_id;
    ASSERT_EQ(save_level(5), 0);
    clear_chests();

    make_level(1, 5, 0, 0);
    c = get_chest_from_id(id);
    ASSERT_GE(c, 0);
    chest[c].trap_state = LOCK_NONE;   // as a lock picked open leaves it
    use_chest(c);
    frame();
    take_out(stack_items(STK_CHEST).at(0));
    close_inventory();
    EXPECT_TRUE(chest[c].in_use);   // an ordinary chest stays until the level is built again

    make_level(1, 5, 0, 0);
    EXPECT_EQ(chest_state[id], CHEST_EMPTIED);
    c = get_chest_from_id(id);
    ASSERT_GE(c, 0);
    EXPECT_EQ(chest[c].trap_state, LOCK_NONE);
    for (int k = 0; k < CHEST_SLOTS; k++) EXPECT_EQ(chest[c].item_types[k], -1);
    EXPECT_EQ(ls[30 + MAP_W * 40], 99);

    // Filled again, it lives on in the table when the level is built once more.
    new_chest_item(c, SWORD, 5);
    make_level(1, 5, 0, 0);
    EXPECT_EQ(chest_state[id], CHEST_OPENED);
    c = get_chest_from_id(id);
    ASSERT_GE(c, 0);
    EXPECT_EQ(chest[c].item_types[0], SWORD);
}

TEST_F(ChestContents, IdsOfALevelAndCounts)
{
    j[level_no] = 3;
    EXPECT_EQ(new_chest_id(), 150);
    add_chest(0, 1, 1);
    add_chest(2, 2, 1);
    int twin = add_chest(2, 3, 1);
    EXPECT_EQ(new_chest_id(), 151);
    EXPECT_EQ(get_chest_from_id(152), twin);
    EXPECT_EQ(get_chest_from_id(151), -1);
    EXPECT_EQ(get_num_lev_chests(), 3);
    j[level_no] = 4;
    EXPECT_EQ(get_num_lev_chests(), 0);

    j[level_no] = 0;
    for (int n = 0; n < CHESTS_PER_LEVEL; n++) add_chest(n, n % MAP_W, 5);
    EXPECT_EQ(new_chest_id(), -1);   // never 0, level 0's own first chest
    j[level_no] = 399;
    EXPECT_EQ(new_chest_id(), 399 * CHESTS_PER_LEVEL);
}

}  // namespace
}  // namespace hm
