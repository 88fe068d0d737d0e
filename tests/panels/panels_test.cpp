// panels_test.cpp -- the creature list and detail box, the sheet's clicks, the start button and the pointer
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "../data/data_fixture.h"
#include "battle/battle.h"
#include "battle/panels.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {
namespace {

class Panels : public DataTest {
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
        for (int c = 0; c < CRT_COUNT; c++) {
            CRT[c].party_index = CRT[c].npc_index = -1;
            CRT[c].en_item = -1;
            for (int32_t &e : CRT[c].equipment) e = -1;
        }
        for (int m = 0; m < P1CR_COUNT; m++) {
            p1cr[m].crt = -1;
            for (int32_t &e : p1cr[m].eqp) e = -1;
            for (int32_t &b : p1cr[m].belt) b = -1;
        }
        j[shown_member] = -1;
        j[istk_shown] = -1;
        j[istk_sel] = -1;
        j[box_crt] = -1;
        j[cur_crt] = -1;
        j[ptr_crt] = -1;
        j[bat_it_item] = -1;
        j[sel_chest] = j[sel_spawner] = -1;
        j[crtbox_page] = 1;
        j[carry_cap] = 2000;
        std::memset(scr_buf, 0, SCR_W * SCR_H);
    }

    // A listed creature: side 1 party, 2 hostile, 3 ally; 4 bystanders are not listed.
    static void creature(int c, int side, int type = 15)
    {
        crt_rec &k = CRT[c];
        k.in_use = 1;
        k.side = side;
        k.type = type;
        k.level = k.stat_level = k.eff_level = 3;
        k.hp = k.max_hp = 20;
        for (int32_t &s : k.status) s = 0;
        for (int32_t &e : k.effect) e = 0;
    }

    static void member(int m, const char *name)
    {
        p1cr[m].in_use = 1;
        std::strncpy(p1cr[m].name, name, P1CR_NAME_LEN - 1);
        for (int k = 0; k < 15; k++) p1cr[m].slot_ok[k] = k != 14;
    }

    static void release_at(int x, int y)
    {
        j[mouse_x] = x;
        j[mouse_y] = y;
        j[lmb_up] = 1;
    }

    static int pointer_at(int x, int y)
    {
        j[mouse_x] = x;
        j[mouse_y] = y;
        j[cursor_pic] = PTR_ARROW;
        mouse_ptr();
        return j[cursor_pic];
    }

    // Every opaque pixel of picture (n, group 7) stands at (x, y) of the screen
    // buffer, in its first `rows` rows (all when -1): text may cover the rest.
    static bool shows(int n, int x, int y, int rows = -1)
    {
        pic_header h;
        int size = read_pic(n, 7, &h, nullptr, 0);
        if (size <= 0) return false;
        std::vector<uint8_t> px((size_t)size);
        read_pic(n, 7, &h, px.data(), size);
        int last = rows < 0 || rows > (int)h.height ? (int)h.height : rows;
        for (int r = 0; r < last; r++)
            for (int c = 0; c < (int)h.width; c++) {
                uint8_t p = px[(size_t)r * h.width + c];
                if (p && scr_buf[(y + r) * SCR_W + x + c] != p) return false;
            }
        return true;
    }

    // The screen as the frame shows it, written to build/.../shots.
    static void shot(const char *name)
    {
        update_scr();
        mkdir("../shots", 0755);
        EXPECT_EQ(hl_write_bmp((std::string("../shots/") + name).c_str()), 0);
    }
};

TEST_F(Panels, TheListSkipsItsFirstCreaturesAndShowsFiveRows)
{
    // Seven listed creatures among bystanders and free records; the 4th..7th
    // are an ally, a hostile, an ally and a party member.
    int sides[] = {1, 2, 4, 1, 3, 2, 4, 3, 1};
    for (int c = 0; c < 9; c++) creature(2 * c, sides[c]);
    EXPECT_EQ(crtbox_listed(0), 0);
    EXPECT_EQ(crtbox_listed(3), 8);
    EXPECT_EQ(crtbox_listed(6), 16);
    EXPECT_EQ(crtbox_listed(7), -1);
    EXPECT_EQ(crtbox_listed(-1), -1);
    j[crtbox_first] = 3;
    draw_crtbox();
    EXPECT_TRUE(shows(65, 25, 275));
    EXPECT_TRUE(shows(57, 25, 299));
    EXPECT_TRUE(shows(65, 25, 323));
    EXPECT_TRUE(shows(56, 25, 347));
    for (int mark : {56, 57, 65}) EXPECT_FALSE(shows(mark, 25, 371)) << "the fifth row is empty";
    // Picking a row shows that creature's details.
    j[crtbox_on] = 1;
    release_at(100, 270 + 24 + 5);
    crtbox_controls();
    EXPECT_EQ(j[box_crt], 10);
    release_at(100, 270 + 24 * 4 + 5);
    crtbox_controls();
    EXPECT_EQ(j[box_crt], 10) << "an empty row picks nobody";
}

TEST_F(Panels, TheListScrollsToFiftyButTheHandStopsAtTwenty)
{
    creature(0, 2);
    j[crtbox_on] = 1;
    j[crtbox_first] = 19;
    EXPECT_EQ(pointer_at(210, 360), hand_pic());
    EXPECT_EQ(pointer_at(210, 300), hand_pic());
    j[crtbox_first] = 20;
    EXPECT_EQ(pointer_at(210, 360), PTR_ARROW);
    for (int k = 0; k < 40; k++) {
        release_at(210, 360);
        crtbox_controls();
    }
    EXPECT_EQ(j[crtbox_first], CRTBOX_SCROLL_MAX);
    for (int k = 0; k < 60; k++) {
        release_at(210, 300);
        crtbox_controls();
    }
    EXPECT_EQ(j[crtbox_first], 0);
    EXPECT_EQ(pointer_at(210, 300), hand_pic()) << "the upper button shows the hand however far up";
    // The page buttons: only the other page's shows the hand.
    EXPECT_EQ(pointer_at(410, 300), PTR_ARROW);
    EXPECT_EQ(pointer_at(410, 360), hand_pic());
    release_at(410, 360);
    crtbox_controls();
    EXPECT_EQ(j[crtbox_page], 2);
    EXPECT_EQ(pointer_at(410, 300), hand_pic());
    // Without the list nothing of it answers.
    j[crtbox_on] = 0;
    release_at(410, 300);
    crtbox_controls();
    EXPECT_EQ(j[crtbox_page], 2);
    EXPECT_EQ(pointer_at(410, 300), PTR_ARROW);
}

TEST_F(Panels, LaterPointerRulesOverrideEarlierOnes)
{
    member(0, "Aldric");
    EXPECT_EQ(pointer_at(500, 30), hand_pic());
    EXPECT_EQ(pointer_at(500, 70), PTR_ARROW) << "no member in the second row";
    j[bat_it_on] = 1;
    j[bat_it_item] = new_item(16, -1, 0, 1);   // eye salve: the yellow potion
    EXPECT_EQ(pointer_at(500, 30), 44);
    j[talk_hover] = 1;
    EXPECT_EQ(pointer_at(500, 30), PTR_TALK);
    j[talk_hover] = j[bat_it_on] = 0;
    j[rmb_held] = 1;
    EXPECT_EQ(pointer_at(419, 100), PTR_ARROW);
    EXPECT_EQ(pointer_at(420, 100), PTR_SCROLL);
    // The hand moves on every second frame through its seventeen pictures.
    j[frame_count] = 33;
    EXPECT_EQ(hand_pic(), 17);
    j[frame_count] = 34;
    EXPECT_EQ(hand_pic(), 1);
}

TEST_F(Panels, TheSheetOpensOnARowAndClosesOnAClickElsewhereOnIt)
{
    member(0, "Aldric");
    member(2, "Isolde");
    p1cr[2].sel_skill = 3;
    p1cr[2].belt_sel = 1;
    release_at(500, 16 + 44 + 10);
    stats_controls();
    EXPECT_EQ(j[shown_member], -1) << "party slot 1 is empty";
    release_at(500, 17 + 88);
    stats_controls();
    EXPECT_EQ(j[shown_member], 2);
    EXPECT_EQ(p1cr[2].sel_skill, -1);
    EXPECT_EQ(p1cr[2].belt_sel, -1);
    // Over the sheet and its usable slot buttons the pointer is the hand.
    EXPECT_EQ(pointer_at(600, 130), hand_pic());
    EXPECT_EQ(pointer_at(eqp_box_x(13) + 5, eqp_box_y(13) + 5), hand_pic());
    EXPECT_EQ(pointer_at(eqp_box_x(14) + 5, eqp_box_y(14) + 5), PTR_ARROW) << "a slot it may not wear";
    EXPECT_EQ(pointer_at(eqp_box_x(4) + EQP_BOX, eqp_box_y(4) + 5), PTR_ARROW) << "past the last box of a row";
    // The catalogue stays open when the sheet closes; the slot list does not.
    j[istk_shown] = STK_CATALOGUE;
    release_at(600, 130);
    stats_controls();
    EXPECT_EQ(j[shown_member], -1);
    EXPECT_EQ(j[istk_shown], STK_CATALOGUE);
    release_at(500, 17 + 88);
    stats_controls();
    j[istk_shown] = STK_FIT_SLOT;
    release_at(600, 130);
    stats_controls();
    EXPECT_EQ(j[istk_shown], -1);
}

TEST_F(Panels, TheUsableItemsListAndTheCatalogueButton)
{
    member(0, "Aldric");
    j[shown_member] = 0;
    new_item(0, STK_INVENTORY, 0, 1);
    int draught = new_item(8, STK_INVENTORY, 0, 1);   // usable from the sheet
    new_item(19, STK_INVENTORY, 0, 1);                 // a smoke bomb: only in battle
    release_at(500, 250);
    other_controls();
    EXPECT_EQ(j[istk_shown], STK_USABLE);
    EXPECT_EQ(ISTK[STK_USABLE].item[0], draught);
    EXPECT_EQ(istk_count(STK_USABLE), 1);
    EXPECT_TRUE(shows(31, 470, 242)) << "the button is down while its list shows";
    EXPECT_EQ(pointer_at(500, 250), PTR_ARROW) << "no pointer rule names the usable-items button";
    // The catalogue opens only over no other list, and never in battle.
    EXPECT_EQ(pointer_at(90, 8), PTR_ARROW);
    j[istk_shown] = -1;
    j[cata_class] = ITEM_USABLE;
    release_at(90, 8);
    other_controls();
    EXPECT_EQ(j[istk_shown], STK_CATALOGUE);
    EXPECT_EQ(istk_count(STK_CATALOGUE), 2);
    release_at(90, 8);
    other_controls();
    EXPECT_EQ(j[istk_shown], -1);
    j[battle_on] = 1;
    release_at(90, 8);
    other_controls();
    EXPECT_EQ(j[istk_shown], -1);
    EXPECT_EQ(pointer_at(90, 8), PTR_ARROW);
}

TEST_F(Panels, ThePointerLeavingTheViewAndTheListComingUpInBattle)
{
    j[mouse_x] = j[mouse_y] = 100;
    scraps();
    EXPECT_EQ(j[left_view], -1);
    j[mouse_x] = 420;
    scraps();
    EXPECT_EQ(j[left_view], 1);
    scraps();
    EXPECT_EQ(j[left_view], 0);
    j[battle_stage] = 2;
    j[istk_shown] = STK_LOOT;
    scraps();
    EXPECT_EQ(j[crtbox_on], 0);
    j[istk_shown] = -1;
    scraps();
    EXPECT_EQ(j[crtbox_on], 1);
}

TEST_F(Panels, TheStartButtonBeginsTheFight)
{
    j[battle_stage] = 3;
    j[mouse_x] = 60;
    j[mouse_y] = 255;
    EXPECT_EQ(pointer_at(60, 255), PTR_ARROW) << "no pointer rule names the start button";
    draw_scraps();
    EXPECT_EQ(j[battle_stage], 3);
    j[lmb_down] = 1;
    draw_scraps();
    EXPECT_EQ(j[battle_stage], 4);
    EXPECT_EQ(j[lmb_down], 0);
    j[battle_stage] = 2;
    j[lmb_down] = 1;
    draw_scraps();
    EXPECT_EQ(j[battle_stage], 2);
}

TEST_F(Panels, TheBootShowsOverBorderCellsNearTheLeader)
{
    lsts[west_bound] = lsts[north_bound] = 3;
    lsts[east_bound] = lsts[south_bound] = 96;
    member(0, "Aldric");
    j[leader] = 0;
    creature(1, 1);
    CRT[1].party_index = 0;
    p1cr[0].crt = 1;
    CRT[1].x = 10;
    CRT[1].y = 50;
    j[ptr_in_view] = 1;
    // Seven steps west of the leader lies the border column: 14 of path cost.
    j[mouse_cell] = 50 * MAP_W + 3;
    EXPECT_EQ(pointer_at(200, 100), PTR_LEAVE);
    grsc[50 * MAP_W + 3] = BLOCKED;
    EXPECT_EQ(pointer_at(200, 100), PTR_ARROW);
    j[mouse_cell] = 50 * MAP_W + 4;
    EXPECT_EQ(pointer_at(200, 100), PTR_ARROW) << "inside the bounds";
    // Fourteen steps away, 28 of path cost, is too far; twelve, 24, is not.
    CRT[1].x = 16;
    j[mouse_cell] = 50 * MAP_W + 2;
    EXPECT_EQ(pointer_at(200, 100), PTR_ARROW);
    CRT[1].x = 14;
    EXPECT_EQ(pointer_at(200, 100), PTR_LEAVE);
}

TEST_F(Panels, TheDetailBoxPages)
{
    member(0, "Aldric");
    creature(4, 1, 0);
    CRT[4].party_index = 0;
    p1cr[0].crt = 4;
    creature(9, 2, 15);
    CRT[9].status[16] = 2;
    CRT[9].status[22] = 30;
    CRT[9].status[0] = 1;
    CRT[9].effect[0] = 2;
    CRT[9].effect[1] = 4;
    CRT[9].hp = 13;
    CRT[9].armour = 140;
    CRT[9].hit = 70;
    j[box_crt] = 9;
    j[crtbox_on] = 1;
    j[battle_stage] = 5;
    j[battle_on] = 1;
    shot("creature_stats.bmp");
    EXPECT_TRUE(shows(49, 220, 270, 16));
    EXPECT_FALSE(shows(50, 220, 270, 16));
    j[crtbox_page] = 2;
    shot("creature_conditions.bmp");
    EXPECT_TRUE(shows(50, 220, 270, 16));
    j[crtbox_page] = 0;
    std::memset(scr_buf, 0, SCR_W * SCR_H);
    draw_crtbox();
    EXPECT_FALSE(shows(49, 220, 270, 16)) << "a page other than 1 or 2 draws no box";
    EXPECT_FALSE(shows(50, 220, 270, 16));
    j[crtbox_page] = 2;
    // Every condition at once: the lines stop at the box's bottom.
    for (int s = 0; s < CONDITION_LINES; s++) CRT[9].status[s] = 1;
    for (int e = 0; e < 8; e++) CRT[9].effect[e] = 1;
    std::vector<uint8_t> below(scr_buf + 391 * SCR_W, scr_buf + SCR_H * SCR_W);
    draw_crtbox();
    EXPECT_TRUE(std::equal(below.begin(), below.end(), scr_buf + 391 * SCR_W));
}

TEST_F(Panels, ARowsNameIsWrittenOnTheRowAndShadowedToTheRight)
{
    creature(0, 2);
    creature(1, 2);
    j[box_crt] = 1;
    j[crtbox_first] = 5;   // nobody listed: the bare list
    draw_crtbox();
    std::vector<uint8_t> bare(scr_buf, scr_buf + SCR_W * SCR_H);
    j[crtbox_first] = 0;
    draw_crtbox();
    // Row 1 holds the shown creature: its text in 65 from x 42, the shadow in
    // 71 one pixel right, both on the row's own line 299..307.
    int left_x = SCR_W, left_colour = -1, top = SCR_H, bottom = -1;
    bool shadow = false;
    for (int y = 299; y < 323; y++)
        for (int x = 42; x < 200; x++) {
            uint8_t p = scr_buf[y * SCR_W + x];
            if (p == bare[y * SCR_W + x]) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            if (x < left_x) left_x = x, left_colour = p;
            shadow |= p == 71;
        }
    EXPECT_EQ(left_colour, 65);
    EXPECT_TRUE(shadow);
    EXPECT_GE(top, 299);
    EXPECT_LE(bottom, 307);
}

TEST_F(Panels, ThePointerOverTheInventoryList)
{
    new_item(0, STK_CATALOGUE, 0, 1);
    int freed = new_item(0, STK_CATALOGUE, 0, 2);
    ITEM[freed].in_use = 0;
    j[istk_shown] = STK_CATALOGUE;
    j[cata_class] = ITEM_EQUIPMENT;
    j[istk_scroll] = 0;
    EXPECT_EQ(pointer_at(100, 280), hand_pic());
    EXPECT_EQ(pointer_at(100, 304), hand_pic()) << "a freed item's row answers a click";
    EXPECT_EQ(pointer_at(100, 328), PTR_ARROW);
    // Both tabs of the catalogue, the shown one too; the close button is no rule's.
    EXPECT_EQ(pointer_at(10, 280), hand_pic());
    EXPECT_EQ(pointer_at(10, 300), hand_pic());
    EXPECT_EQ(pointer_at(10, 370), PTR_ARROW);
    j[istk_sel] = ISTK[STK_CATALOGUE].item[0];
    EXPECT_EQ(pointer_at(370, 282), PTR_ARROW) << "the statistics button is no action";
}

TEST_F(Panels, APanelRefreshWithThePointerInTheCornerStaysOnTheScreen)
{
    // The pointer's blocks at the screen's last pixels: nothing past scr_buf
    // is read or written (the sanitizer watches).
    creature(0, 2);
    j[crtbox_on] = 1;
    j[box_crt] = 0;
    j[cursor_pic] = hand_pic();
    j[mouse_x] = mx = 200;
    j[mouse_y] = my = 100;
    update_scr();
    std::vector<uint8_t> clean(scr_buf, scr_buf + SCR_W * SCR_H);
    const int corners[][2] = {{640, 400}, {639, 399}, {630, 390}, {640, 0}, {0, 400}};
    for (const auto &p : corners) {
        j[mouse_x] = mx = p[0];
        j[mouse_y] = my = p[1];
        update_scr();
        draw_mouse(p[0], p[1], p[0], p[1]);
        // The pointer went onto the screen only: the buffer is as it was.
        EXPECT_TRUE(std::equal(clean.begin(), clean.end(), scr_buf)) << p[0] << ", " << p[1];
    }
}

}  // namespace
}  // namespace hm
