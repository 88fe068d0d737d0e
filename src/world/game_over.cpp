// game_over.cpp -- a battle lost: the screen fades into the game-over picture and play returns to the title
#include <vector>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "party/party.h"
#include "platform/platform.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int GAME_OVER_PIC = 32;   // 640 x 400, group 7
constexpr int FADE_STEP_MS = 24;    // one frame per step, so that the fade is seen

// Lost when nobody of the party stands and the last of them is at the end of its fall.
bool party_lost()
{
    bool falling = false;
    for (int m = 0; m < PARTY_SIZE; m++) {
        if (!p1cr[m].in_use) continue;
        int c = member_crt(m);
        if (c < 0) continue;
        if (CRT[c].hp > 0) return false;
        if (CRT[c].dying == 2) falling = true;
    }
    return falling;
}

// The screen as it stands: the static screen with the view over it.
void screen_colours(std::vector<uint16_t> &buf)
{
    buf.resize(SCR_W * SCR_H);
    for (int i = 0; i < SCR_W * SCR_H; i++) buf[i] = jpal_buf[scr_buf[i]];
    for (int r = 0; r < VIEW_H; r++)
        for (int c = 0; c < VIEW_W; c++) buf[(r + VIEW_Y) * SCR_W + c + VIEW_X] = vs[r * VIEW_W + c];
}

uint16_t scale(uint16_t c, int num, int den)
{
    return plat_makecol(plat_getr(c) * num / den, plat_getg(c) * num / den, plat_getb(c) * num / den);
}

uint16_t mix(uint16_t back, uint16_t fore, int s)
{
    auto ch = [s](int b, int f) { return (b * (255 - s) + f * s) >> 8; };
    return plat_makecol(ch(plat_getr(back), plat_getr(fore)), ch(plat_getg(back), plat_getg(fore)),
                        ch(plat_getb(back), plat_getb(fore)));
}

}  // namespace

void w4s()
{
    clear_keyr();
    for (;;) {
        do_keyr();
        if (keyr[K_SPACE] == EDGE_RELEASED || plat_close_requested()) break;
        wait_frame(FADE_STEP_MS);
    }
    clear_keyr();
}

void game_over_fade(int *exit_code)
{
    if (j[battle_stage] == 0 || !party_lost()) return;
    plat_destroy_midi(the_music);
    the_music = 0;
    load_swad();
    int slot = add_pic(GAME_OVER_PIC, 7);
    // A picture of another size (or none) is not laid over the screen: it only darkens.
    const uint8_t *pic = nullptr;
    if (slot >= 0 && !pic_is_rle(GAME_OVER_PIC, 7) && SWINF[slot].width == SCR_W && SWINF[slot].height == SCR_H)
        pic = swad + SWINF[slot].start;

    std::vector<uint16_t> buf;
    screen_colours(buf);
    std::vector<uint16_t> line(SCR_W);
    for (int s = 0; s < 256; s += 4) {
        for (int y = 0; y < SCR_H; y++) {
            const uint16_t *from = buf.data() + y * SCR_W;
            for (int x = 0; x < SCR_W; x++) {
                uint8_t p = pic ? pic[y * SCR_W + x] : 0;
                line[x] = p == 0 ? scale(from[x], 255 - (2 * s) / 3, 256) : mix(from[x], jpal_buf[p], s);
            }
            plat_write_line(y, 0, SCR_W, line.data());
        }
        wait_frame(FADE_STEP_MS);
    }
    w4s();
    load_swad();
    if (exit_code) *exit_code = EXIT_TITLE;
}

}  // namespace hm
