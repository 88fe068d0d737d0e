// battle_fixture.h -- an open field, party members and creature types made for a test
#pragma once

#include <sstream>

#include "../world/world_fixture.h"
#include "story/story.h"

namespace hm {

class BattleTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        j[level_no] = 98;
        j[ptr_crt] = j[cur_crt] = j[battle_spawner] = -1;
        for (int n = 0; n < NPC_COUNT; n++) npc[n].crt = -1;
        // An open field: nothing blocks, nobody stands anywhere, no spawner.
        clear_creatures();
        std::memset(grsc, 0, MAP_CELLS);
        std::memset(grs, 0, MAP_CELLS);
        for (int k = 0; k < SPAWNER_COUNT; k++) {
            std::memset(&crt_spawner[k], 0, sizeof(spawner_rec));
            for (int32_t &t : crt_spawner[k].crt_types) t = -1;
        }
        set_us();
    }

    static void block(int x, int y) { grsc[x + MAP_W * y] = grs[x + MAP_W * y] = BLOCKED; }
    static int cell(int x, int y) { return x + MAP_W * y; }

    // A party member of creature type `type`, as a character file would make it.
    static void member(int m, int type = 0, int level = 1)
    {
        p1cr_rec &p = p1cr[m];
        std::memset(&p, 0, sizeof p);
        p.in_use = 1;
        p.level = level;
        p.hp = p.mana = -1;
        p.crt_type = type;
        p.crt = p.pen_item = -1;
        for (int32_t &e : p.eqp) e = -1;
        for (int a = 0; a < 2 * ATTR_COUNT; a++) p.attr[a] = 10;
    }

    // The leader (party slot 0) standing at (x, y).
    static int leader_at(int x, int y)
    {
        j[leader] = 0;
        member(0);
        int c = new_creature(0, 1, 1, -1, -1, 0, -1, x, y);
        set_grs();
        return c;
    }

    // n frames of creature c's walk, with grs rebuilt as every frame does.
    static void walk_frames(int c, int n)
    {
        for (int i = 0; i < n; i++) {
            set_grs();
            crt_walk(c);
        }
    }

    // crtinf.txt of a scratch folder, one block of 42 numbers per type.
    void write_types(const std::vector<std::vector<int>> &types)
    {
        if (scratch.empty()) enter_scratch();
        std::ostringstream o;
        for (const auto &t : types) {
            for (int v : t) o << v << ' ';
            o << '\n';
        }
        write_file("crtinf.txt", o.str());
    }

    // A type block with the sprite, hit points and speed given, striking, the rest 0.
    static std::vector<int> type_block(int pic, int hp_base, int hp_per_level, int speed, int flying = 0)
    {
        std::vector<int> v(CRTINF_INTS, 0);
        v[0] = pic;
        v[3] = hp_base;
        v[4] = hp_per_level;
        v[33] = speed;
        v[38] = 1;
        v[41] = flying;
        return v;
    }
};

}  // namespace hm
