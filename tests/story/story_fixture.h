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

    static void fill_view(uint16_t c)
    {
        for (int i = 0; i < VIEW_W * VIEW_H; i++) vs[i] = c;
    }
    static uint16_t view_at(int x, int y) { return vs[y * VIEW_W + x]; }
};

}  // namespace hm
