// input.cpp -- key and button edges, the pointer, the frame clock and the screen check
#include <cstring>

#include "core/core.h"
#include "world/world.h"

namespace hm {

uint8_t keyr[128];
int mx, my, omx, omy;
int mb1, mb2;
volatile int jtimer;
int the_music;

namespace {

// 0 up, 1 went down now, 3 still down, 2 went up now.
int next_edge(int state, bool down)
{
    if (state == EDGE_RELEASED) state = EDGE_UP;
    if (down) return state == EDGE_UP ? EDGE_PRESSED : EDGE_HELD;
    return state != EDGE_UP ? EDGE_RELEASED : EDGE_UP;
}

int video_checks = 0;

}  // namespace

void clear_keyr() { std::memset(keyr, 0, KEYR_LIVE); }

void do_keyr()
{
    plat_input_frame();
    for (int k = 0; k < KEYR_LIVE; k++) keyr[k] = (uint8_t)next_edge(keyr[k], plat_key_down(k));
}

void do_mb()
{
    int b = plat_mouse_buttons();
    mb1 = next_edge(mb1, b & 1);
    mb2 = next_edge(mb2, b & 2);
}

void mouse_stuff()
{
    do_mb();
    omx = mx;
    omy = my;
    int dx = 0, dy = 0;
    plat_mouse_where(mx, my);
    plat_mouse_mickeys(&dx, &dy);
    mx += dx;
    my += dy;
    // One beyond the last pixel on purpose: handlers compare against 640 and 400.
    if (mx < 0) mx = 0;
    if (my < 0) my = 0;
    if (mx > SCR_W - 1) mx = SCR_W;
    if (my > SCR_H - 1) my = SCR_H;
    j[mouse_x] = mx;
    j[mouse_y] = my;
    if (mb1 == EDGE_PRESSED) {
        j[lmb_down] = 1;
        j[lmb_held] = 1;
    } else {
        j[lmb_down] = 0;
    }
    if (mb2 == EDGE_PRESSED) {
        j[rmb_down] = 1;
        j[rmb_held] = 1;
    } else {
        j[rmb_down] = 0;
    }
    if (mb1 == EDGE_RELEASED) {
        j[lmb_up] = 1;
        j[lmb_held] = 0;
    } else {
        j[lmb_up] = 0;
    }
    if (mb2 == EDGE_RELEASED) {
        j[rmb_up] = 1;
        j[rmb_held] = 0;
    } else {
        j[rmb_up] = 0;
    }
}

void inc_jtimer() { jtimer = jtimer + 1; }

void wait_frame(int period_ms)
{
    while (jtimer < period_ms) plat_idle();
    jtimer = 0;
}

// Some systems wipe the window (a mode switch, another window on top); only the
// first thousand frames are watched, when that happens.
int check_for_video_clear()
{
    if (video_checks > 999) return 0;
    video_checks++;
    int black = 0;
    for (int y = 0; y < SCR_H; y += 20)
        for (int x = 0; x < SCR_W; x += 32) {
            if (x >= VIEW_X + 1 && x <= VIEW_X + VIEW_W - 1 && y >= VIEW_Y + 1 &&
                y <= VIEW_Y + VIEW_H - 1)
                continue;
            if (plat_getpixel(x, y) == 0) black++;
        }
    if (black <= 100) return 0;
    update_scr();
    fscr();
    return 1;
}

}  // namespace hm
