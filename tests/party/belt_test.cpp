// belt_test.cpp -- filling the belt outside battle, locked places, and using a belt item on a creature's turn
#include "skills_fixture.h"

namespace hm {
namespace {

class Belt : public SkillTest {
protected:
    void SetUp() override
    {
        SkillTest::SetUp();
        for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
        j[istk_shown] = j[istk_sel] = -1;
    }

    // A usable item made on the spot: atv[2] says on whom it may be used in battle.
    static int potion(int whom, int heal = 30)
    {
        int it = new_item_num();
        item_rec &r = ITEM[it];
        std::memset(&r, 0, sizeof r);
        r.in_use = ITEM_LIVE;
        r.item_class = ITEM_USABLE;
        r.equipped_by = -1;
        r.atv[ATV_BELT_TARGET] = (int16_t)whom;
        r.atv[ATV_BELT_PIC] = 41;
        r.atv[ATV_HEAL] = (int16_t)heal;
        r.atv[ATV_CURE] = r.atv[ATV_CAUSE] = -1;
        int e = istk_free_entry(STK_INVENTORY);
        if (e >= 0) ISTK[STK_INVENTORY].item[e] = it;
        return it;
    }

    static void click(int x, int y)
    {
        j[mouse_x] = x;
        j[mouse_y] = y;
        j[lmb_up] = 1;
    }
    static int place_x(int k) { return 450 + 28 * (k % 4); }
    static int place_y(int k) { return 280 + 28 * (k / 4); }
};

TEST_F(Belt, LockedPlacesCannotBeFilledOrChosen)
{
    j[battle_on] = 0;
    j[istk_shown] = -1;
    j[belt_slot] = -1;
    p1cr[0].belt_size = 4;
    for (int k = 4; k < BELT_SLOTS; k++) {
        click(place_x(k), place_y(k));
        bat_it_controls1();
        ASSERT_EQ(j[belt_slot], -1) << k;
        ASSERT_EQ(j[istk_shown], -1) << k;
    }
    click(place_x(3), place_y(3));
    bat_it_controls1();
    EXPECT_EQ(j[belt_slot], 3);
    EXPECT_EQ(p1cr[0].belt_sel, 3);
    EXPECT_EQ(j[istk_shown], STK_BELT_PICK);
}

TEST_F(Belt, AnItemMovedToAnotherBeltLeavesTheFirstAndRemoveEmptiesAPlace)
{
    j[battle_on] = 0;
    member(1);
    p1cr[0].belt_size = p1cr[1].belt_size = 4;
    for (int m : {0, 1})
        for (int32_t &b : p1cr[m].belt) b = -1;
    int it = potion(1);
    p1cr[1].belt[2] = it;
    ITEM[it].equipped_by = 1;
    // Member 0 takes it into place 0 through the list's action button.
    click(place_x(0), place_y(0));
    bat_it_controls1();
    ASSERT_EQ(j[istk_shown], STK_BELT_PICK);
    j[istk_sel] = it;
    j[istk_scroll] = 0;
    click(330, 300);
    istk_controls();
    EXPECT_EQ(p1cr[0].belt[0], it);
    EXPECT_EQ(p1cr[1].belt[2], -1);
    EXPECT_EQ(ITEM[it].equipped_by, 0);
    // The remove button takes it off again; it stays in the inventory.
    click(580, 380);
    bat_it_controls1();
    EXPECT_EQ(p1cr[0].belt[0], -1);
    EXPECT_EQ(ITEM[it].equipped_by, -1);
    EXPECT_TRUE(ITEM[it].in_use);
}

TEST_F(Belt, ABeltItemIsUsedOnAFittingCreatureOncePerRound)
{
    p1cr[0].belt_size = 4;
    p1cr[0].skill_mode = 2;
    int heal = potion(1), dud = potion(0), spare = potion(1);
    p1cr[0].belt[0] = heal;
    p1cr[0].belt[1] = dud;
    p1cr[0].belt[2] = spare;
    int foe = foe_at(22, 20);
    CRT[hero].hp = 10;

    // An item for nobody: chosen, aimed, but never used.
    click(place_x(1), place_y(1));
    bat_it_controls2();
    EXPECT_EQ(p1cr[0].belt_sel, 1);
    click(580, 285);
    bat_it_controls2();
    ASSERT_EQ(j[bat_it_on], 1);
    EXPECT_EQ(j[bat_it_item], dud);
    j[ptr_crt] = hero;
    click(300, 150);
    bat_it_controls2();
    EXPECT_EQ(j[bat_it_on], 0);
    EXPECT_EQ(p1cr[0].belt[1], dud);
    EXPECT_EQ(p1cr[0].belt_used, 0);

    // A healing draught: not on a foe, but on the hero himself.
    click(place_x(0), place_y(0));
    bat_it_controls2();
    click(580, 285);
    bat_it_controls2();
    j[ptr_crt] = foe;
    click(300, 150);
    bat_it_controls2();
    EXPECT_EQ(p1cr[0].belt[0], heal);
    click(580, 285);
    bat_it_controls2();
    j[ptr_crt] = hero;
    click(300, 150);
    bat_it_controls2();
    EXPECT_EQ(CRT[hero].hp, 40);
    EXPECT_EQ(p1cr[0].belt[0], -1);
    EXPECT_EQ(p1cr[0].belt_used, 1);

    // A second one in the same round is refused.
    click(place_x(2), place_y(2));
    bat_it_controls2();
    click(580, 285);
    bat_it_controls2();
    EXPECT_EQ(j[bat_it_on], 0);
    new_round();
    EXPECT_EQ(p1cr[0].belt_used, 0);
}

}  // namespace
}  // namespace hm
