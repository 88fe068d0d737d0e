// monkey_test.cpp -- the whole game, title to play, under a player who presses and
// clicks anything at random: nothing may crash, write out of bounds or hang
#include <cstdint>

#include "flow_fixture.h"

namespace hm {
namespace {

// Keys a restless player might hit; Escape only in the players list, which it
// leaves (on the title's menu and in play it quits the game).
const int KEYS[] = {K_A, K_B, K_E, K_N, K_S, K_Y, K_Z, K_0, K_7, K_SPACE, K_ENTER, K_BACKSPACE, K_DEL,
                    K_LEFT, K_RIGHT, K_UP, K_DOWN, K_LSHIFT, K_TAB, K_P, K_MINUS, K_STOP};

struct monkey {
    uint32_t s = 1;
    int frames = 0, limit = 0;
    int held_key = -1;

    int next(int n)
    {
        s = s * 1103515245u + 12345u;
        return (int)((s >> 16) % (uint32_t)n);
    }

    int play_frames = 0, sheet_frames = 0, list_frames = 0;   // frames in the village, the sheet, a list

    void frame()
    {
        if (j[level_no] == 4) play_frames++;
        if (j[shown_member] >= 0) sheet_frames++;
        if (j[istk_shown] >= 0) list_frames++;
        if (++frames >= limit) {
            hl_request_close();
            return;
        }
        if (held_key >= 0 && next(3) == 0) {
            hl_set_key(held_key, false);
            held_key = -1;
        }
        int r = next(100);
        if (r < 20) {
            hl_add_mickeys(next(SCR_W) - mx, next(SCR_H) - my);
        } else if (r < 35) {
            hl_set_button(0, true);
        } else if (r < 60) {
            hl_set_button(0, false);
        } else if (r < 63) {
            hl_set_button(1, next(2) == 0);
        } else if (r < 70 && held_key < 0) {
            held_key = KEYS[next((int)(sizeof KEYS / sizeof KEYS[0]))];
            hl_set_key(held_key, true);
        } else if (r < 72 && held_key < 0 && j[level_no] == 0 && title_screen == TITLE_LIST) {
            held_key = K_ESC;
            hl_set_key(held_key, true);
        }
    }
};

monkey player;

void monkey_frame() { player.frame(); }

class Monkey : public FlowTest {};

TEST_F(Monkey, RandomPressesAndClicksFromTheTitleOnBreakNothing)
{
    for (uint32_t seed : {1u, 3u}) {
        // The game sets up and frees its own tables.
        delete_mem();
        hl_reset();
        player = monkey();
        player.s = seed;
        player.limit = 4000;
        hl_set_frame_hook(monkey_frame);
        int status = hollowmere_main();
        hl_set_frame_hook(nullptr);
        init_mem();
        EXPECT_EQ(status, 0) << "seed " << seed;
        // It got past the title and into the panels, so play itself was shaken.
        EXPECT_GT(player.play_frames, 1000) << "seed " << seed;
        EXPECT_GT(player.sheet_frames + player.list_frames, 100) << "seed " << seed;
        EXPECT_GE(player.frames, player.limit) << "seed " << seed << ": the game ended before its frames were up";
        // The next run starts as a first start of the game, in a fresh folder.
        TearDown();
        SetUp();
    }
}

}  // namespace
}  // namespace hm
