// battle_soak_test.cpp -- whole battles through the real frame, with a player who
// clicks about at random and computer-led allies and foes of every kind
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "../common/test_files.h"
#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "platform/headless.h"
#include "world/world.h"

namespace hm {
namespace {

constexpr int ALLY_TYPES[] = {1, 2, 3, 5, 8, 10, 11, 12, 13};   // party looks, a guard, summons
constexpr int FOE_FIRST = 14, FOE_LAST = 25;                     // the monsters and the boss
constexpr int FRAME_LIMIT = 20000;                               // the longest of forty such battles took 14,744

// The test's own generator, apart from the game's, so that the player's whims do
// not change with what the game draws.
struct whims {
    uint32_t s;
    int next(int n)
    {
        s = s * 1103515245u + 12345u;
        return (int)((s >> 16) % (uint32_t)n);
    }
};

class Soak : public ::testing::Test {
protected:
    int exit_code = EXIT_NONE;
    whims w{1};

    void SetUp() override { start_game_tables(); }
    void TearDown() override { delete_mem(); }

    // A free walking cell within `reach` of (x, y), -1 when ten tries find none.
    int free_cell_near(int x, int y, int reach)
    {
        for (int t = 0; t < 10; t++) {
            int cx = x + w.next(2 * reach + 1) - reach, cy = y + w.next(2 * reach + 1) - reach;
            if (!cell_ok(cx, cy) || grs[cx + MAP_W * cy] != 0 || us[cx + MAP_W * cy] != -1) continue;
            return cx + MAP_W * cy;
        }
        return -1;
    }

    void add(int type, int level, int side, int x, int y)
    {
        int cell = free_cell_near(x, y, 6);
        if (cell < 0) return;
        new_creature(type, level, side, -1, -1, -1, -1, cell % MAP_W, cell / MAP_W);
        set_us();
        set_grs();
    }

    // The hero, Nessa and Isolde on the walking ground with computer-led allies and
    // foes around them; the battle begins as a spawner would begin it.
    void begin(uint32_t seed)
    {
        w.s = seed;
        srandom(seed & 0x7fff);
        ASSERT_GE(load_p1cr(0), 0);
        ASSERT_GE(load_p1cr(5), 0);
        ASSERT_GE(load_p1cr(2), 0);
        j[leader] = 0;
        make_level(1, 98, 40, 50);
        std::memset(cspns, 0, CSPNS_BYTES);   // only this battle
        place_p1cr(40, 50);
        set_us();
        set_grs();
        for (int i = 0, n = 1 + w.next(3); i < n; i++)
            add(ALLY_TYPES[w.next((int)(sizeof ALLY_TYPES / sizeof ALLY_TYPES[0]))], 1 + w.next(4), 3, 40, 50);
        for (int i = 0, n = 2 + w.next(3); i < n; i++)
            add(FOE_FIRST + w.next(FOE_LAST - FOE_FIRST + 1), 1 + w.next(3), 2, 46, 50);
        j[battle_stage] = 1;
    }

    // The pointer onto the body of a hostile creature, where a player aims.
    void point_at_foe()
    {
        int c = w.next(CRT_COUNT);
        for (int i = 0; i < CRT_COUNT; i++, c = (c + 1) % CRT_COUNT)
            if (CRT[c].in_use && CRT[c].side == 2) break;
        const crt_rec &k = CRT[c];
        if (!k.in_use || k.side != 2) return;
        int x = view_x(k.x, k.y) + 50, y = view_y(k.y) + 34 - 12;
        if (x > VIEW_X && x < VIEW_X + VIEW_W && y > VIEW_Y && y < VIEW_Y + VIEW_H) hl_add_mickeys(x - mx, y - my);
    }

    // One frame of a player who points anywhere in the view, clicks, skips with S
    // and presses Enter in the set-up, at random.
    void player_frame()
    {
        hl_set_button(0, false);
        hl_set_key(K_S, false);
        hl_set_key(K_ENTER, false);
        int r = w.next(100);
        if (r < 15) point_at_foe();
        else if (r < 30) hl_add_mickeys(VIEW_X + 4 + w.next(VIEW_W - 8) - mx, VIEW_Y + 4 + w.next(VIEW_H - 8) - my);
        else if (r < 55) hl_set_button(0, true);
        else if (r < 58) hl_set_key(K_S, true);
        else if (r < 62) hl_set_key(K_ENTER, true);
        play_frame(exit_code);
    }

    // What must hold after every frame, whatever was clicked.
    static std::string broken()
    {
        if (j[cur_crt] < -1 || j[cur_crt] >= CRT_COUNT) return "cur_crt out of range";
        static int seen[2][MAP_CELLS];
        std::memset(seen, 0, sizeof seen);
        for (int c = 0; c < CRT_COUNT; c++) {
            const crt_rec &k = CRT[c];
            if (!k.in_use) continue;
            std::string who = "creature " + std::to_string(c) + ": ";
            if (!cell_ok(k.x, k.y)) return who + "off the map";
            if (k.hp > k.max_hp) return who + "more hit points than its most";
            if (k.strike_target < -1 || k.strike_target >= CRT_COUNT) return who + "strikes nobody that exists";
            for (int i = 0; i < CRT_PATH_LEN; i++)
                if (k.path[i] < -1 || k.path[i] >= MAP_CELLS) return who + "a path off the map";
            // Two standing creatures of one layer never share a cell.
            if (!k.shown || k.hp < 1 || k.dying) continue;
            int &other = seen[k.flying ? 1 : 0][k.x + MAP_W * k.y];
            if (other) return who + "shares its cell with creature " + std::to_string(other - 1);
            other = c + 1;
        }
        return "";
    }

    // Runs the battle to its end; the frames it took, or -1 when it did not end.
    int fight(uint32_t seed)
    {
        begin(seed);
        for (int frame = 0; frame < FRAME_LIMIT; frame++) {
            player_frame();
            std::string why = broken();
            if (!why.empty()) {
                ADD_FAILURE() << "seed " << seed << ", frame " << frame << ": " << why;
                return -1;
            }
            if (exit_code != EXIT_NONE) return frame;
            if (j[battle_stage] == 0 && frame > 0) return frame;   // won
            bool standing = false;
            for (int c = 0; c < CRT_COUNT; c++)
                if (CRT[c].in_use && CRT[c].hp >= 1 && (CRT[c].side == 1 || CRT[c].side == 3)) standing = true;
            if (!standing && j[crt_busy] == 0) return frame;   // lost: the defeat state
        }
        return -1;
    }

    // Who stands where, for a battle that went wrong.
    static std::string field()
    {
        std::string s = "stage " + std::to_string(j[battle_stage]) + ", turn of " + std::to_string(j[cur_crt]) + "\n";
        for (int c = 0; c < CRT_COUNT; c++) {
            const crt_rec &k = CRT[c];
            if (!k.in_use) continue;
            s += "  " + std::to_string(c) + ": type " + std::to_string(k.type) + " side " + std::to_string(k.side) +
                 " at " + std::to_string(k.x) + "," + std::to_string(k.y) + " hp " + std::to_string(k.hp) + "/" +
                 std::to_string(k.max_hp) + " ready " + std::to_string(k.ready) + " flies " +
                 std::to_string(k.flying) + " kind " + std::to_string(k.attack_kind) + "\n";
        }
        return s;
    }
};

TEST_F(Soak, BattlesOfEveryKindEndWithEveryCreatureInItsPlace)
{
    for (uint32_t seed : {3u, 19u, 26u}) {
        int frames = fight(seed);
        EXPECT_GE(frames, 0) << "seed " << seed << ": the battle neither was won nor lost in " << FRAME_LIMIT
                             << " frames\n"
                             << field();
        TearDown();
        SetUp();
    }
}

}  // namespace
}  // namespace hm
