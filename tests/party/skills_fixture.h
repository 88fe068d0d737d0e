// skills_fixture.h -- a battle in progress on an open field, the hero on his turn with skills to cast
#pragma once

#include "../battle/battle_fixture.h"
#include "party/party.h"

namespace hm {

class SkillTest : public BattleTest {
protected:
    int hero = -1;

    void SetUp() override
    {
        BattleTest::SetUp();
        hero = leader_at(20, 20);
        j[battle_on] = 1;
        j[battle_stage] = 5;
        j[cur_crt] = hero;
        j[shown_member] = 0;
        CRT[hero].mana = 1000;
        p1cr[0].sel_skill = p1cr[0].belt_sel = -1;
        j[bat_sk_on] = j[bat_it_on] = j[sk_frame] = 0;
    }

    static constexpr int RAT = 14;

    static int foe_at(int x, int y) { return at_side(RAT, x, y, 2); }
    static int at_side(int type, int x, int y, int side)
    {
        int c = new_creature(type, 1, side, -1, -1, -1, -1, x, y);
        set_us();
        set_grs();
        return c;
    }

    // Learns skill s (again, as a fresh entry) and chooses it in the panel.
    static int choose(int s)
    {
        new_bat_sk(0, s);
        int en = -1;
        for (int e = 0; e < SKILL_ENTRIES; e++)
            if (p1cr[0].skills[e].known && p1cr[0].skills[e].skill_id == s) en = e;
        p1cr[0].sel_skill = en;
        return en;
    }

    static void aim_at_creature(int t)
    {
        j[ptr_in_view] = 1;
        j[ptr_crt] = t;
        j[mouse_cell] = CRT[t].cell;
    }
    static void aim_at_cell(int x, int y)
    {
        j[ptr_in_view] = 1;
        j[ptr_crt] = -1;
        j[mouse_cell] = x + MAP_W * y;
    }

    // The skill aims for a frame, is clicked off, and plays out to its end as the
    // frame would run it; the frames it took.
    static int cast(int limit = 400)
    {
        j[bat_sk_on] = 1;
        use_bat_sk();
        j[lmb_up] = 1;
        int n = 0;
        while (j[bat_sk_on] && n < limit) {
            use_bat_sk();
            do_sht();
            set_us();
            j[lmb_up] = 0;
            n++;
        }
        return n;
    }
};

}  // namespace hm
