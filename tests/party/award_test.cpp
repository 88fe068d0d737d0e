// award_test.cpp -- a won battle's award, the loot screen, creature stashes and the level-up box
#include <algorithm>
#include <cstring>

#include "../items/items_fixture.h"
#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {
namespace {

constexpr int LOOT_PIC_COLOUR = 30, EMPTY_PIC_COLOUR = 31, ROW_PIC_COLOUR = 32, BOX_PIC_COLOUR = 33;

// An 8-bit BMP of one colour, as the art generator writes its sources.
void write_plain_bmp(const std::string &name, int w, int h, uint8_t colour)
{
    std::string f(1078, '\0');
    f[0] = 'B';
    f[1] = 'M';
    f[10] = 0x36;
    f[11] = 0x04;
    f[14] = 40;
    f[18] = (char)w;
    f[19] = (char)(w >> 8);
    f[22] = (char)h;
    f[26] = 1;
    f[28] = 8;
    f += std::string((size_t)w * h, (char)colour);
    DataTest::write_file(name, f);
}

class Award : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        write_file("txt_dat.dat", read_file(home + "/txt_dat.dat"));
        write_plain_bmp("j53.bmp", 200, 60, LOOT_PIC_COLOUR);
        write_plain_bmp("j54.bmp", 200, 60, EMPTY_PIC_COLOUR);
        write_plain_bmp("j115.bmp", 280, 20, ROW_PIC_COLOUR);
        write_plain_bmp("j116.bmp", 80, 20, BOX_PIC_COLOUR);
        ASSERT_EQ(create_bmp_data_file(".", "bmp_data.dat"), 4);
        load_pic_dat();
        equipment_type(100, "Spoils", 0, 10, 10, {});
        equipment_type(101, "Never", 0, 10, 10, {});
        j[istk_shown] = -1;
        j[leader] = 0;
        j[loot_spawner] = -1;
        for (int c = 0; c < CRT_COUNT; c++) CRT[c].party_index = CRT[c].npc_index = -1;
    }

    static void member(int m, int level, const char *name)
    {
        p1cr[m].in_use = 1;
        p1cr[m].level = p1cr[m].prev_level = level;
        p1cr[m].exp = 5 * (level * level + level) + 50;
        p1cr[m].pen_item = -1;
        p1cr[m].crt = -1;
        std::strcpy(p1cr[m].name, name);
    }

    static void creature(int c, int side, int member, int npc_no)
    {
        CRT[c].in_use = 1;
        CRT[c].side = side;
        CRT[c].party_index = member;
        CRT[c].npc_index = npc_no;
        if (member >= 0) p1cr[member].crt = c;
        if (npc_no >= 0) npc[npc_no].crt = c;
    }

    // One frame of the play loop's part that is ours, with the pointer at (x, y).
    static void frame(int x, int y, bool release)
    {
        std::fill(vs, vs + VIEW_W * VIEW_H, 0);
        j[mouse_x] = x;
        j[mouse_y] = y;
        j[lmb_up] = release;
        j[frame_count]++;
        if (j[lev_up_show] == 0) exp_and_items();
        do_lev_ups();
    }

    // Whether exactly n draws were taken since srandom(seed).
    static bool drew(unsigned seed, int n)
    {
        int next = hm::random();
        hm::srandom(seed);
        for (int k = 0; k < n; k++) hm::random();
        return hm::random() == next;
    }

    static uint16_t view(int x, int y) { return vs[y * VIEW_W + x]; }
    static uint16_t colour(int c) { return jpal_buf[c]; }

    // Pixels of one palette colour in a view rectangle.
    static int count(int x0, int y0, int x1, int y1, int c)
    {
        int n = 0;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++) n += view(x, y) == colour(c);
        return n;
    }
};

TEST_F(Award, AWonBattlePaysOutAndShowsItsLoot)
{
    for (int m = 0; m < 3; m++) member(m, 1, "Member");
    creature(0, 1, 0, -1);   // the leader
    CRT[0].status[16] = 3;
    CRT[0].path[0] = 5050;
    CRT[0].path_step = 0;
    creature(1, 2, -1, -1);  // a foe still standing
    creature(2, 4, -1, 9);   // a bystander
    creature(3, 1, 1, -1);   // a member on the field
    creature(4, 3, -1, 5);   // an NPC that fought beside the party
    spawner_rec &sp = crt_spawner[2];
    const int items[5] = {100, 101, -1, 100, 77};
    const int chances[5] = {100, 0, 100, 100, 100};
    std::memcpy(sp.loot_items, items, sizeof items);
    std::memcpy(sp.loot_chances, chances, sizeof chances);
    j[loot_spawner] = 2;
    j[battle_exp] = 100;
    j[battle_gold] = 37;
    j[gold] = 5;
    j[istk_scroll] = 15;
    j[istk_sel] = 4;
    j[loot_state] = 4;

    frame(0, 0, false);
    EXPECT_EQ(j[loot_state], 3);
    EXPECT_EQ(j[gold], 5);

    frame(0, 0, false);
    EXPECT_EQ(j[loot_state], 1);
    EXPECT_EQ(j[gold], 42);
    for (int m = 0; m < 3; m++) EXPECT_EQ(p1cr[m].exp, 60 + 33) << "100 shared by three";
    EXPECT_EQ(istk_count(STK_LOOT), 3);   // type 77 has no file: an item with nothing but its type
    for (int32_t e : ISTK[STK_LOOT].item) {
        if (e < 0) continue;
        EXPECT_TRUE(ITEM[e].item_type == 100 || (ITEM[e].item_type == 77 && ITEM[e].item_class == 0)) << e;
    }
    EXPECT_EQ(j[istk_scroll], 0);
    EXPECT_EQ(j[istk_sel], -1);
    // Everyone but bystanders leaves the field; the leader stays, fresh.
    EXPECT_EQ(CRT[1].in_use, 0);
    EXPECT_EQ(CRT[3].in_use, 0);
    EXPECT_EQ(CRT[4].in_use, 0);
    EXPECT_EQ(CRT[2].in_use, 1);
    EXPECT_EQ(p1cr[1].crt, -1);
    EXPECT_EQ(npc[5].crt, -1);
    EXPECT_EQ(npc[9].crt, 2);
    EXPECT_EQ(member_crt(0), 0);
    EXPECT_EQ(CRT[0].level, 2);
    EXPECT_EQ(CRT[0].status[16], 0);
    EXPECT_EQ(CRT[0].path[0], -1);
    EXPECT_EQ(CRT[0].path_step, -1);
    // All three went up a level: the box waits before the loot screen goes on.
    EXPECT_EQ(j[lev_up_show], 1);
    EXPECT_EQ(count(160, 70, 240, 90, BOX_PIC_COLOUR), 80 * 20);
    EXPECT_GT(count(60, 90, 340, 150, ROW_PIC_COLOUR), 0);

    frame(220, 100, true);   // the box's close spot, three rows: 90 < y < 110
    EXPECT_EQ(j[lev_up_show], 0);
    EXPECT_EQ(j[lmb_up], 0);

    frame(0, 0, false);
    EXPECT_EQ(j[istk_shown], STK_LOOT);   // the inventory screen opens on the loot
    EXPECT_EQ(view(250, 150), colour(LOOT_PIC_COLOUR));
    EXPECT_GT(count(108, 107, 200, 127, 17), 10);   // the battle's experience and gold

    int taken = -1;
    for (int32_t e : ISTK[STK_LOOT].item)
        if (e >= 0) taken = e;
    ASSERT_EQ(swap_item_istk(taken, STK_LOOT, STK_INVENTORY), 1);
    frame(200, 150, true);
    EXPECT_EQ(j[loot_state], 0);
    EXPECT_EQ(j[istk_shown], -1);
    EXPECT_EQ(istk_count(STK_LOOT), 0);
    EXPECT_EQ(ITEM[taken].in_use, 1);
    // Equipment totals aside, only the item taken is left.
    int left = 0;
    for (int k = 0; k < ITEM_COUNT; k++) left += ITEM[k].in_use == ITEM_LIVE;
    EXPECT_EQ(left, 1);
}

TEST_F(Award, TheAwardRollsEveryLootEntryAndMakesTheLeaderAnew)
{
    write_file("crtinf.txt", read_file(home + "/crtinf.txt"));
    member(0, 1, "Solo");
    p1cr[0].crt_type = 0;
    int lc = new_creature(0, 1, 1, 4, -1, 0, -1, 12, 7);
    ASSERT_EQ(lc, 0);
    CRT[lc].facing = 0;
    creature(1, 2, -1, -1);
    spawner_rec &sp = crt_spawner[0];
    const int items[5] = {-1, -1, 100, -1, -1};
    const int chances[5] = {0, 100, 0, 50, 0};
    std::memcpy(sp.loot_items, items, sizeof items);
    std::memcpy(sp.loot_chances, chances, sizeof chances);
    j[loot_spawner] = 0;
    j[battle_exp] = 20;   // one level
    j[box_crt] = lc;
    j[loot_state] = LOOT_AWARD + 1;
    hm::srandom(5);
    frame(0, 0, false);
    ASSERT_EQ(j[loot_state], 1);
    EXPECT_EQ(istk_count(STK_LOOT), 0);
    // Five loot rolls, then the leader's new creature rolls which way it faces.
    int c = member_crt(0);
    ASSERT_GE(c, 0);
    EXPECT_TRUE(drew(5, 6));
    hm::srandom(5);
    for (int k = 0; k < 5; k++) hm::random();
    EXPECT_EQ(CRT[c].facing, hm::random() % 2 == 0 ? -1 : 1);
    EXPECT_EQ(j[box_crt], c);
    EXPECT_EQ(CRT[c].x, 12);
    EXPECT_EQ(CRT[c].y, 7);
    EXPECT_EQ(CRT[c].cell, 712);
    // It walks on at the new level, healed to that level's maximum.
    EXPECT_EQ(CRT[c].level, 2);
    EXPECT_EQ(CRT[c].hp, CRT[c].max_hp);
    EXPECT_EQ(p1cr[0].hp, CRT[c].max_hp);
    EXPECT_EQ(CRT[1].in_use, 0);
}

TEST_F(Award, AnEmptyLootScreenStaysUntilClosed)
{
    member(0, 1, "Solo");
    j[loot_state] = 1;
    j[istk_shown] = STK_LOOT;
    for (int f = 0; f < 30; f++) {
        frame(330, 150, f % 2 == 1);   // clicks beside the box do nothing
        ASSERT_EQ(j[loot_state], 1);
        EXPECT_EQ(view(250, 150), colour(EMPTY_PIC_COLOUR));
        EXPECT_EQ(j[istk_shown], -1);
    }
    frame(121, 121, true);
    EXPECT_EQ(j[loot_state], 0);
    frame(0, 0, false);
    EXPECT_EQ(view(250, 150), 0);
}

TEST_F(Award, NobodyToShareWithAndNoLevelLost)
{
    j[battle_exp] = 90;
    j[battle_gold] = 3;
    j[loot_state] = LOOT_AWARD + 1;
    frame(0, 0, false);
    EXPECT_EQ(j[gold], 3);
    EXPECT_EQ(j[loot_state], 1);

    member(0, 12, "Veteran");
    p1cr[0].exp = 100;
    creature(0, 1, 0, -1);
    CRT[0].level = 12;
    j[loot_state] = LOOT_AWARD + 1;
    frame(0, 0, false);
    EXPECT_EQ(p1cr[0].level, 12);
    EXPECT_EQ(p1cr[0].exp, 190);
    EXPECT_EQ(CRT[0].level, 12);
    EXPECT_EQ(j[lev_up_show], 0);
}

TEST_F(Award, ADyingFoeLeavesItsStash)
{
    std::string row0 = "100 1 100  100 5 100  -1 0 100  101 0 0";
    for (int d = 4; d < 10; d++) row0 += "  -1 0 0";
    write_file("crtstash.txt", row0 + "  3 2  10 4\n100 1 100  7 7\n");
    creature(8, 2, -1, -1);
    CRT[8].type = 0;
    // Every drop the creature's level allows rolls its chance, empty ones (-1) too:
    // eight of the ten at level 0, and the sure empty one makes nothing.
    CRT[8].level = 0;
    hm::srandom(11);
    take_crtstash(8);
    EXPECT_TRUE(drew(11, 8));
    EXPECT_EQ(istk_count(STK_LOOT), 0);
    CRT[8].level = 3;
    j[battle_gold] = 1;
    j[battle_exp] = 2;
    take_crtstash(8);
    EXPECT_EQ(istk_count(STK_LOOT), 1);   // the level-5 drop stays with stronger kin
    EXPECT_EQ(j[battle_gold], 1 + 3 + 2 * 3);
    EXPECT_EQ(j[battle_exp], 2 + 10 + 4 * 3);
    // A row the file holds only in part, or not at all, gives nothing.
    for (int type : {1, 2, 500, -1}) {
        CRT[8].type = type;
        take_crtstash(8);
    }
    CRT[8].type = 0;
    CRT[8].in_use = 0;
    take_crtstash(8);
    take_crtstash(CRT_COUNT);
    EXPECT_EQ(istk_count(STK_LOOT), 1);
    EXPECT_EQ(j[battle_gold], 10);
    EXPECT_EQ(j[battle_exp], 24);
}

TEST_F(Award, TheLevelUpBoxNamesWhatWasGained)
{
    member(0, 9, "Aldric");
    member(1, 4, "Isolde");
    member(2, 4, "Bystander");
    recieve_exp(0, 710 - 500);   // 9 to 11
    recieve_exp(1, 200 - 150);   // 4 to 5
    ASSERT_EQ(j[lev_up_show], 1);
    // Drawn off the view, the two texts the box may show: their widths tell them apart.
    int one = wrt(1000, 1000, 100000, 1, 11, 76, 0, 1, 1, p1cr[1].gained_points);
    int several = wrt(1000, 1000, 100000, 2, 11, 76, 0, 1, 1, 2);
    ASSERT_GT(several, 0);
    ASSERT_NE(one, several);

    frame(0, 0, false);
    EXPECT_EQ(j[text_w], one);   // the last row is Isolde's single level
    EXPECT_EQ(count(160, 80, 240, 100, BOX_PIC_COLOUR), 80 * 20);   // two rows: the box at y 80
    EXPECT_EQ(count(60, 100, 340, 140, ROW_PIC_COLOUR) > 0, true);
    p1cr[1].prev_level = p1cr[1].level;
    frame(0, 0, false);
    EXPECT_EQ(j[text_w], several);   // "levels gained" for Aldric's two

    frame(230, 100, true);   // the spot's bounds are exclusive
    frame(220, 90, true);
    EXPECT_EQ(j[lev_up_show], 1);
    p1cr[0].prev_level = p1cr[0].level;
    frame(0, 0, false);   // nobody left to show: the box closes by itself
    EXPECT_EQ(j[lev_up_show], 0);
}

}  // namespace
}  // namespace hm
