// award_screens_test.cpp -- a won battle's award through the play loop, with screenshots
#include <sys/stat.h>

#include <cstring>

#include "../data/data_fixture.h"
#include "battle/battle.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {
namespace {

class AwardScreens : public DataTest {
protected:
    int exit_code = EXIT_NONE;

    void SetUp() override
    {
        DataTest::SetUp();
        mx = my = omx = omy = 10;
        mb1 = mb2 = 0;
        j[istk_shown] = -1;
        for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
        for (int c = 0; c < CRT_COUNT; c++) CRT[c].party_index = CRT[c].npc_index = -1;
        // An empty level, whose bounds the party stands well inside.
        create_level_template(0);
    }

    void frames(int n)
    {
        for (int i = 0; i < n; i++) play_frame(exit_code);
    }

    void click(int x, int y)
    {
        hl_add_mickeys(x - mx, y - my);
        frames(1);
        hl_set_button(0, true);
        frames(1);
        hl_set_button(0, false);
        frames(1);
    }

    // The view as the frame would show it, written to build/.../shots.
    void shot(const char *name)
    {
        for (int y = 0; y < VIEW_H; y++) plat_write_line(y + VIEW_Y, VIEW_X, VIEW_W, vs + y * VIEW_W);
        mkdir("../shots", 0755);
        EXPECT_EQ(hl_write_bmp((std::string("../shots/") + name).c_str()), 0);
    }
};

TEST_F(AwardScreens, AWonBattleShowsTheLevelUpBoxThenTheLoot)
{
    ASSERT_EQ(load_p1cr(0), 0);
    ASSERT_EQ(load_p1cr(2), 1);
    ASSERT_EQ(load_p1cr(4), 2);
    p1cr[0].level = p1cr[0].prev_level = 9;
    p1cr[0].exp = 500;
    j[leader] = 0;
    CRT[0].in_use = 1;
    CRT[0].side = 1;
    CRT[0].party_index = 0;
    CRT[0].x = CRT[0].y = 40;
    p1cr[0].crt = 0;
    crt_spawner[0].loot_items[0] = 10;
    crt_spawner[0].loot_items[1] = 26;
    crt_spawner[0].loot_items[2] = 15;
    for (int k = 0; k < 3; k++) crt_spawner[0].loot_chances[k] = 100;
    for (int k = 3; k < SPAWNER_LOOT; k++) crt_spawner[0].loot_items[k] = -1;
    j[loot_spawner] = 0;
    j[battle_exp] = 420;
    j[battle_gold] = 57;
    j[loot_state] = 4;

    frames(3);
    EXPECT_EQ(j[lev_up_show], 1);
    EXPECT_EQ(p1cr[0].level, 10);
    EXPECT_EQ(p1cr[1].level, 5);
    EXPECT_EQ(p1cr[2].level, 5);
    EXPECT_EQ(j[gold], 57);
    EXPECT_EQ(istk_count(STK_LOOT), 3);
    shot("level_up.bmp");

    click(220, 100);   // three rows: the close spot lies at 90 < y < 110
    EXPECT_EQ(j[lev_up_show], 0);
    frames(1);
    EXPECT_EQ(j[loot_state], 1);
    EXPECT_EQ(j[istk_shown], STK_LOOT);
    shot("loot.bmp");

    click(200, 150);
    EXPECT_EQ(j[loot_state], 0);
    EXPECT_EQ(j[istk_shown], -1);
    EXPECT_EQ(istk_count(STK_LOOT), 0);
}

}  // namespace
}  // namespace hm
