// inventory_screen_test.cpp -- the list panel's clicks and what its buttons show
#include <cstring>
#include <vector>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "items_fixture.h"
#include "party/party.h"
#include "story/story.h"

namespace hm {
namespace {

class Inventory : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        for (int c = 0; c < CRT_COUNT; c++) {
            CRT[c].party_index = CRT[c].npc_index = -1;
            for (int32_t &e : CRT[c].equipment) e = -1;
        }
        for (int m = 0; m < P1CR_COUNT; m++) {
            p1cr[m].crt = -1;
            for (int32_t &e : p1cr[m].eqp) e = -1;
            for (int32_t &b : p1cr[m].belt) b = -1;
        }
        j[battle_on] = 0;
        j[istk_sel] = -1;
        j[istk_scroll] = 0;
        j[istats_open] = 0;
        j[carry_cap] = 2000;
        j[cur_chest] = -1;
        equipment_type(100, "Anvil", 0, 10, 10, {});
        equipment_type(101, "Feather", 0, 0, 0, {});
    }

    static void click(int x, int y)
    {
        j[mouse_x] = x;
        j[mouse_y] = y;
        j[lmb_up] = 1;
        istk_controls();
        j[lmb_up] = 0;
    }

    // Shows `stack` with `item` selected, as a click on its row would.
    static void choose(int stack, int item)
    {
        j[istk_shown] = stack;
        j[istk_sel] = item;
    }
};

TEST_F(Inventory, ScrollingStopsAtBothEndsAndRowsPastTheStackAreEmpty)
{
    int anvil = new_item(100, -1, 0, 1);
    for (int e = 198; e < ISTK_SIZE; e++) ISTK[STK_LOOT].item[e] = anvil;
    choose(STK_LOOT, anvil);
    click(210, 300);
    EXPECT_EQ(j[istk_scroll], 0);
    for (int k = 0; k < 80; k++) click(210, 360);
    EXPECT_EQ(j[istk_scroll], ISTK_SCROLL_MAX);
    EXPECT_EQ(j[istk_sel], -1);
    // Entries 295..299 lie past the stack: empty rows that select nothing.
    for (int r = 0; r < ISTK_ROWS; r++) EXPECT_EQ(istk_row_item(r), -1) << r;
    click(100, 282);
    EXPECT_EQ(j[istk_sel], -1);
    for (int k = 0; k < 20; k++) click(210, 300);
    EXPECT_EQ(j[istk_scroll], 195);
    EXPECT_EQ(istk_row_item(0), -1);
    EXPECT_EQ(istk_row_item(4), anvil);
    click(100, 270 + 24 * 4 + 10);
    EXPECT_EQ(j[istk_sel], anvil);
    // A freed item's row is drawn empty but is still an entry: a click selects it.
    int freed = new_item(101, STK_LOOT, 0, 2);
    ITEM[freed].in_use = 0;
    j[istk_scroll] = 0;
    click(100, 282);
    EXPECT_EQ(j[istk_sel], freed);
    EXPECT_EQ(istk_row_item(0), -1);
}

TEST_F(Inventory, AnItemExactlyAsHeavyAsTheRoomLeftCanBeTaken)
{
    // The capacity is derived again on every refresh: fill it to 20 short.
    update_stats();
    equipment_type(102, "Millstone", 0, j[carry_cap] - 20, j[carry_cap] - 20, {});
    new_item(102, STK_INVENTORY, 0, 1);
    int first = new_item(100, STK_LOOT, 0, 2), second = new_item(100, STK_LOOT, 0, 3);
    int third = new_item(100, STK_LOOT, 0, 4);
    choose(STK_LOOT, first);
    click(370, 300);
    EXPECT_EQ(stack_entries(STK_INVENTORY, first), 1);
    EXPECT_EQ(stack_entries(STK_LOOT, first), 0);
    EXPECT_EQ(j[istk_sel], -1);
    choose(STK_LOOT, second);
    click(370, 300);
    EXPECT_EQ(weight_left(), 0);
    choose(STK_LOOT, third);
    click(370, 300);
    EXPECT_EQ(stack_entries(STK_LOOT, third), 1) << "ten more than the room left";
    EXPECT_EQ(j[istk_sel], third);
}

TEST_F(Inventory, AFullInventoryRefusesTakingAndBuying)
{
    int feather = new_item(101, -1, 0, 1);
    for (int32_t &e : ISTK[STK_INVENTORY].item) e = feather;
    int loot = new_item(101, STK_LOOT, 0, 2);
    choose(STK_LOOT, loot);
    click(370, 300);
    EXPECT_EQ(stack_entries(STK_LOOT, loot), 1);
    j[gold] = 500;
    j[talk_npc] = 2;
    npc[2].item_type[4] = 101;
    int good = new_item_num();
    ITEM[good].shop_slot = 4;
    ASSERT_EQ(new_item(101, STK_SHOP, ORIGIN_SHOP, 3), good);
    choose(STK_SHOP, good);
    click(370, 300);
    EXPECT_EQ(j[gold], 500);
    EXPECT_EQ(npc[2].item_type[4], 101);
    EXPECT_EQ(stack_entries(STK_SHOP, good), 1);
}

TEST_F(Inventory, BuyingChargesTheAskingPriceAndTakesTheGoodOffTheList)
{
    j[gold] = 100;
    j[talk_npc] = 3;
    npc[3].attitude = 40;   // a friend: 20% off
    npc[3].item_type[5] = 100;
    int good = new_item_num();
    ITEM[good].shop_slot = 5;
    ASSERT_EQ(new_item(100, STK_SHOP, ORIGIN_SHOP, 1), good);
    int price = calc_price(good);
    ASSERT_GT(price, 0);
    choose(STK_SHOP, good);
    j[gold] = price - price / 5 - 1;
    click(370, 300);
    EXPECT_EQ(stack_entries(STK_SHOP, good), 1) << "too dear";
    j[gold] = 100 + price;
    click(370, 300);
    EXPECT_EQ(j[gold], 100 + price - (price - price * 20 / 100));
    EXPECT_EQ(npc[3].item_type[5], -1);
    EXPECT_EQ(ITEM[good].origin, ORIGIN_PLAIN);
    EXPECT_EQ(stack_entries(STK_INVENTORY, good), 1);
    EXPECT_EQ(stack_entries(STK_SHOP, good), 0);
    EXPECT_EQ(j[istk_sel], -1);
}

TEST_F(Inventory, PuttingAnItemIntoTheChestTakesItOffItsWearer)
{
    p1cr[0].in_use = 1;
    int anvil = new_item(100, STK_INVENTORY, 0, 1);
    p1cr[0].eqp[0] = anvil;
    ITEM[anvil].equipped_by = 0;
    ISTK[STK_CHEST_PUT].item[0] = anvil;
    choose(STK_CHEST_PUT, anvil);
    click(370, 300);
    EXPECT_EQ(p1cr[0].eqp[0], -1);
    EXPECT_EQ(ITEM[anvil].equipped_by, -1);
    EXPECT_EQ(ITEM[anvil].origin, ORIGIN_CHEST);
    EXPECT_EQ(stack_entries(STK_CHEST, anvil), 1);
    EXPECT_EQ(stack_entries(STK_INVENTORY, anvil), 0);
    EXPECT_EQ(stack_entries(STK_CHEST_PUT, anvil), 0);
    // A chest holding twenty items takes no more.
    for (int k = 0; k < CHEST_SLOTS - 1; k++) new_item(101, STK_CHEST, ORIGIN_CHEST, k);
    int more = new_item(101, STK_INVENTORY, 0, 1);
    ISTK[STK_CHEST_PUT].item[0] = more;
    choose(STK_CHEST_PUT, more);
    click(370, 300);
    EXPECT_EQ(stack_entries(STK_INVENTORY, more), 1);
    EXPECT_EQ(ITEM[more].origin, ORIGIN_PLAIN);
}

TEST_F(Inventory, WearingIsRefusedInBattleAndForUnmetNeeds)
{
    p1cr[1].in_use = 1;
    for (int k = 0; k < 5; k++) p1cr[1].attr[2 * k + 1] = 9;
    int need[5] = {10, 0, 0, 0, 0};
    equipment_type(102, "Maul", 0, 50, 50, {}, need);
    int maul = new_item(102, STK_INVENTORY, 0, 1), anvil = new_item(100, STK_INVENTORY, 0, 1);
    j[eqp_member] = 1;
    j[eqp_slot_sel] = 0;
    make_eqp_istk(0);
    choose(STK_FIT_SLOT, maul);
    click(370, 300);
    EXPECT_EQ(p1cr[1].eqp[0], -1);
    EXPECT_EQ(istk_action_possible(STK_FIT_SLOT, maul), 0);
    choose(STK_FIT_SLOT, anvil);
    j[battle_on] = 1;
    EXPECT_EQ(istk_action_possible(STK_FIT_SLOT, anvil), 0);
    click(370, 300);
    EXPECT_EQ(p1cr[1].eqp[0], -1);
    j[battle_on] = 0;
    click(370, 300);
    EXPECT_EQ(p1cr[1].eqp[0], anvil);
    EXPECT_EQ(ITEM[anvil].equipped_by, 1);
    EXPECT_EQ(j[istk_sel], anvil) << "the worn item stays chosen";
}

TEST_F(Inventory, OnlyAnItemOfTheShownListIsActedOn)
{
    j[gold] = 1000;
    j[talk_npc] = 1;
    int mine = new_item(101, STK_INVENTORY, 0, 1);
    // Left over from the inventory list: the shop list does not hold it.
    choose(STK_SHOP, mine);
    click(370, 300);
    EXPECT_EQ(j[gold], 1000);
    EXPECT_EQ(stack_entries(STK_INVENTORY, mine), 1);
    click(370, 282);
    EXPECT_EQ(j[istats_open], 0);
}

TEST_F(Inventory, TheCatalogueTabsChangeTheClassButNotTheScroll)
{
    j[istk_shown] = STK_CATALOGUE;
    j[cata_class] = ITEM_EQUIPMENT;
    j[istk_scroll] = 10;
    j[istk_sel] = 5;
    click(10, 280);
    EXPECT_EQ(j[istk_sel], 5) << "the shown class's tab does nothing";
    click(10, 300);
    EXPECT_EQ(j[cata_class], ITEM_USABLE);
    EXPECT_EQ(j[istk_sel], -1);
    EXPECT_EQ(j[istk_scroll], 10);
}

TEST_F(Inventory, TheChestsSecondTabOffersWhatMayGoIn)
{
    int anvil = new_item(100, STK_INVENTORY, 0, 1), kept = new_item(101, STK_INVENTORY, 0, 1);
    ITEM[kept].keep_flag = 1;
    chest[0].in_use = 1;
    j[cur_chest] = 0;
    j[istk_scroll] = 10;
    choose(STK_CHEST, -1);
    click(10, 300);
    EXPECT_EQ(j[istk_shown], STK_CHEST_PUT);
    EXPECT_EQ(j[istk_scroll], 0);
    EXPECT_EQ(ISTK[STK_CHEST_PUT].item[0], anvil);
    EXPECT_EQ(stack_entries(STK_CHEST_PUT, kept), 0) << "kept items are not offered";
    click(10, 280);
    EXPECT_EQ(j[istk_shown], STK_CHEST);
    // A chest that goes when emptied takes nothing in.
    chest[0].trap_state = 3;
    click(10, 300);
    EXPECT_EQ(j[istk_shown], STK_CHEST);
    // Bounds are exclusive: the close button's edge is not the button.
    click(20, 360);
    EXPECT_EQ(j[istk_shown], STK_CHEST);
    click(10, 360);
    EXPECT_EQ(j[istk_shown], -1);
}

// What the panel shows, with the game's own pictures and item types.
class InventoryScreen : public DataTest {
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
        for (int m = 0; m < P1CR_COUNT; m++) {
            p1cr[m].crt = -1;
            for (int32_t &e : p1cr[m].eqp) e = -1;
        }
        for (int c = 0; c < CRT_COUNT; c++) CRT[c].party_index = -1;
        j[istk_sel] = -1;
        j[carry_cap] = 2000;
        std::memset(scr_buf, 0, SCR_W * SCR_H);
    }

    // Every opaque pixel of picture (n, g) stands at (x, y) of the screen buffer.
    static bool shows(int n, int x, int y, int g = 7)
    {
        pic_header h;
        int size = read_pic(n, g, &h, nullptr, 0);
        if (size <= 0) return false;
        std::vector<uint8_t> px((size_t)size);
        read_pic(n, g, &h, px.data(), size);
        for (int r = 0; r < (int)h.height; r++)
            for (int c = 0; c < (int)h.width; c++) {
                uint8_t p = px[(size_t)r * h.width + c];
                if (p && scr_buf[(y + r) * SCR_W + x + c] != p) return false;
            }
        return true;
    }
};

TEST_F(InventoryScreen, TheWearButtonIsDisabledInBattleAndShowsUnmetNeeds)
{
    p1cr[0].in_use = 1;
    for (int k = 0; k < 5; k++) p1cr[0].attr[2 * k + 1] = 12;
    int sword = new_item(1, STK_INVENTORY, 0, 1);   // needs strength 8
    ASSERT_GE(sword, 0);
    j[eqp_member] = 0;
    make_eqp_istk(0);
    j[istk_shown] = STK_FIT_SLOT;
    j[istk_sel] = sword;
    j[battle_on] = 0;
    draw_istk();
    EXPECT_TRUE(shows(25, 322, 292));
    EXPECT_TRUE(shows(7, 322, 274));
    j[battle_on] = 1;
    draw_istk();
    EXPECT_TRUE(shows(26, 322, 292));
    EXPECT_FALSE(shows(128, 374, 317)) << "in battle the needs are met, only the battle refuses";
    j[battle_on] = 0;
    p1cr[0].attr[1] = 7;
    draw_istk();
    EXPECT_TRUE(shows(26, 322, 292));
    EXPECT_TRUE(shows(128, 374, 317));
    EXPECT_FALSE(shows(128, 374, 326)) << "one need unmet, one bullet";
    // With the statistics box open its close button replaces the action button.
    j[istats_open] = 1;
    std::memset(scr_buf, 0, SCR_W * SCR_H);
    draw_istk();
    EXPECT_TRUE(shows(8, 386, 356));
    EXPECT_FALSE(shows(26, 322, 292));
}

// The sheet's equipment places: an empty one shows the outline of what it takes
// (its slot picture), a filled one the thing worn there, and a place the member
// cannot use nothing at all.
TEST_F(InventoryScreen, WornThingsShowInTheirPlacesAndEmptyPlacesTheirOutline)
{
    p1cr[0].in_use = 1;
    for (int s = 0; s < EQP_SLOTS; s++) p1cr[0].slot_ok[s] = s != 14;
    for (int k = 0; k < 5; k++) p1cr[0].attr[2 * k + 1] = 20;
    int sword = new_item(1, STK_INVENTORY, 0, 1);
    int cap = new_item(6, STK_INVENTORY, 0, 1);
    ASSERT_GE(sword, 0);
    ASSERT_GE(cap, 0);
    ASSERT_NE(ITEM[sword].pic, ITEM[cap].pic);
    equip_item(0, 0, sword);
    equip_item(0, ITEM[cap].eqp_slot, cap);
    ASSERT_EQ(p1cr[0].eqp[0], sword);
    int head = ITEM[cap].eqp_slot;
    draw_eqp_com(0);
    EXPECT_TRUE(shows(ITEM[sword].pic + 100, eqp_box_x(0) + 2, eqp_box_y(0) + 2, 10)) << "the sword in its place";
    EXPECT_TRUE(shows(ITEM[cap].pic + 100, eqp_box_x(head) + 2, eqp_box_y(head) + 2, 10)) << "the cap in its";
    EXPECT_FALSE(shows(9, eqp_box_x(0), eqp_box_y(0))) << "a filled place does not look empty";
    for (int s = 1; s < 14; s++) {
        if (s == head) continue;
        EXPECT_TRUE(shows(9 + s, eqp_box_x(s), eqp_box_y(s))) << "empty place " << s;
    }
    for (int y = 0; y < EQP_BOX; y++)
        for (int x = 0; x < EQP_BOX; x++)
            ASSERT_EQ(scr_buf[(eqp_box_y(14) + y) * SCR_W + eqp_box_x(14) + x], 0) << "no quiver place";

    // Worn by nobody any more (a record freed under it): the place is empty again.
    ITEM[sword].in_use = 0;
    std::memset(scr_buf, 0, SCR_W * SCR_H);
    draw_eqp_com(0);
    EXPECT_TRUE(shows(9, eqp_box_x(0), eqp_box_y(0)));
    // An item whose icon number lies outside the pictures shows its box, and no more.
    ITEM[cap].pic = 2147483600;
    std::memset(scr_buf, 0, SCR_W * SCR_H);
    draw_eqp_com(0);
    EXPECT_TRUE(shows(200, eqp_box_x(head), eqp_box_y(head)));
}

TEST_F(InventoryScreen, AnItemOfNeitherClassShowsOnlyItsPrice)
{
    int item = new_item(8, STK_INVENTORY, 0, 1);   // a draught
    ASSERT_GE(item, 0);
    ITEM[item].item_class = 0;
    ITEM[item].atv[ATV_WEIGHT] = 5;
    draw_istats(item);
    auto ink = [](int y0, int y1) {
        for (int y = y0; y < y1; y++)
            for (int x = 224; x < 350; x++)
                if (scr_buf[y * SCR_W + x]) return true;
        return false;
    };
    EXPECT_TRUE(ink(276, 285)) << "the price on the first line";
    EXPECT_FALSE(ink(285, 300)) << "no weight line before it";
}

}  // namespace
}  // namespace hm
