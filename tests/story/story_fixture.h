// story_fixture.h -- an open field with the leader, and clicks on the view for speech boxes
#pragma once

#include "../battle/battle_fixture.h"
#include "story/story.h"

namespace hm {

class StoryTest : public BattleTest {
protected:
    void SetUp() override
    {
        BattleTest::SetUp();
        init_messages();
        init_npc_walks();
        std::memset(con, 0, sizeof con);
        j[talk_state] = 0;
        j[mes_showing] = 0;
        for (int k = 0; k < ISTK_COUNT; k++) clear_istk(k);
    }

    // The pointer over view pixel (px, py), the left button going down in this frame.
    static void click_view(int px, int py)
    {
        j[mouse_x] = px + VIEW_X;
        j[mouse_y] = py + VIEW_Y;
        j[lmb_down] = 1;
    }

    static void pointer_at_view(int px, int py)
    {
        j[mouse_x] = px + VIEW_X;
        j[mouse_y] = py + VIEW_Y;
        j[lmb_down] = 0;
    }

    // NPC n standing at (x, y) on the level being played, as a level makes it.
    static int npc_at(int n, int x, int y, int attitude = 0)
    {
        npc_rec &p = npc[n];
        std::memset(&p, 0, sizeof p);
        std::snprintf(p.name, sizeof p.name, "Villager %d", n);
        p.in_use = 1;
        p.level = 1;
        p.crt_type = 7;
        p.attitude = attitude;
        p.face_pic = 12;
        p.lev = j[level_no];
        p.x = x;
        p.y = y;
        p.crt = p.p1cr_slot = -1;
        for (int16_t &t : p.item_type) t = -1;
        return new_creature(7, 1, 4, -1, -1, -1, n, x, y);
    }

    // A speech entry written straight into the table.
    static spch_entry &entry(int k, int type, int reply = 1)
    {
        spch_entry &e = npc_spch.entry[k];
        std::memset(&e, 0, sizeof e);
        e.active = 1;
        e.type = type;
        e.ans_group = e.reply_group = 47;
        e.ans_num = 6;
        e.reply_num = reply;
        for (int i = 0; i < SPCH_LIST; i++) e.need_all[i] = e.need_any[i] = e.closes[i] = -1;
        if (npc_spch.count < k + 1) npc_spch.count = k + 1;
        return e;
    }

    // One frame of the talk, then a click on the button of the box it drew.
    static void click_talk_button()
    {
        pointer_at_view(390, 230);
        talk_to_npc();
        int x = 0, y = 0;
        ASSERT_TRUE(speech_button_at(j[frame_count], &x, &y)) << "no box in talk state " << j[talk_state];
        click_view(x, y);
        talk_to_npc();
    }

    static void fill_view(uint16_t c)
    {
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = c;
    }
    static uint16_t view_at(int x, int y) { return vs[y * VIEW_W + x]; }
};

}  // namespace hm
