// static_screen.cpp -- the screen around the view, the pointer outside it, the scrolling arrows
#include <cstring>
#include <vector>

#include "battle/battle.h"
#include "battle/panels.h"
#include "core/core.h"
#include "data/data.h"
#include "editor/editor.h"
#include "items/items.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int PTR = 16;   // pointer pictures are 16 x 16

bool in_view(int x, int y) { return x >= VIEW_X && x < VIEW_X + VIEW_W && y >= VIEW_Y && y < VIEW_Y + VIEW_H; }

// A 16 x 16 block of the static screen; the parts past the screen's edges are
// never read or written (the pointer may stand at 640, 400).
struct block {
    int x, y;
    uint8_t px[PTR * PTR];

    void grab(int bx, int by)
    {
        x = bx;
        y = by;
        for (int r = 0; r < PTR; r++)
            for (int c = 0; c < PTR; c++) px[r * PTR + c] = on_screen(c, r) ? scr_buf[(y + r) * SCR_W + x + c] : 0;
    }
    bool on_screen(int c, int r) const
    {
        return x + c >= 0 && x + c < SCR_W && y + r >= 0 && y + r < SCR_H;
    }
    void put_back() const
    {
        for (int r = 0; r < PTR; r++)
            for (int c = 0; c < PTR; c++)
                if (on_screen(c, r)) scr_buf[(y + r) * SCR_W + x + c] = px[r * PTR + c];
    }
    // The pointer's pixels over the block where the pointer at (px0, py0) covers it.
    void paint(const uint8_t *ptr, int px0, int py0)
    {
        for (int r = 0; r < PTR; r++)
            for (int c = 0; c < PTR; c++) {
                int pr = y + r - py0, pc = x + c - px0;
                if (pr < 0 || pr >= PTR || pc < 0 || pc >= PTR || !ptr[pr * PTR + pc]) continue;
                px[r * PTR + c] = ptr[pr * PTR + pc];
            }
    }
    // To the screen through slice 0, outside the view only.
    void show() const
    {
        for (int r = 0; r < PTR; r++)
            for (int c = 0; c < PTR; c++)
                if (on_screen(c, r) && !in_view(x + c, y + r)) plat_putpixel(x + c, y + r, jpal_buf[px[r * PTR + c]]);
    }
};

// The pointer picture as 16 x 16 indices; all 0 when it is missing.
void pointer_pixels(uint8_t *out)
{
    std::memset(out, 0, PTR * PTR);
    int w = 0, h = 0;
    const uint8_t *data = archived_pixels(j[cursor_pic], 8, &w, &h);
    if (!data) return;
    for (int r = 0; r < PTR && r < h; r++)
        for (int c = 0; c < PTR && c < w; c++) out[r * PTR + c] = data[(size_t)r * w + c];
}

void write_rows(int y0, int y1, int x0, int x1)
{
    uint16_t line[SCR_W];
    const uint16_t *pal = jpal_buf;
    for (int y = y0; y < y1; y++) {
        const uint8_t *src = scr_buf + y * SCR_W + x0;
        for (int n = 0; n < x1 - x0; n++) line[n] = pal[src[n]];
        plat_write_line(y, x0, x1 - x0, line);
    }
}

}  // namespace

void draw_mouse(int ox, int oy, int nx, int ny)
{
    uint8_t ptr[PTR * PTR];
    pointer_pixels(ptr);
    block old_b, new_b;
    old_b.grab(ox, oy);
    old_b.paint(ptr, nx, ny);
    new_b.grab(nx, ny);
    new_b.paint(ptr, nx, ny);
    old_b.show();
    new_b.show();
}

void draw_scrolling_arrow()
{
    if (!j[rmb_held]) return;
    int &x = j[mouse_x], &y = j[mouse_y];
    int pic = -1, vx = 0, vy = 0;
    if (x <= 20 && y <= 20) {
        x = y = 20;
        pic = 23;
    } else if (x >= 420 && y <= 20) {
        x = 420;
        y = 20;
        pic = 24;
        vx = 384;
    } else if (x >= 420 && y >= 260) {
        x = 420;
        y = 260;
        pic = 25;
        vx = 384;
        vy = 224;
    } else if (x <= 20 && y >= 260) {
        x = 20;
        y = 260;
        pic = 26;
        vy = 224;
    } else if (y >= 260) {
        y = 260;
        pic = 19;
        vx = x - 28;
        vy = 224;
    } else if (y <= 20) {
        y = 20;
        pic = 20;
        vx = x - 28;
    } else if (x >= 420) {
        x = 420;
        pic = 21;
        vx = 384;
        vy = y - 28;
    } else if (x <= 20) {
        x = 20;
        pic = 22;
        vy = y - 28;
    }
    if (pic >= 0) draw_bmp(pic, 8, vx, vy, 1, 0);
}

void update_scr()
{
    jpal = jpal_buf;
    draw_bmp_scr(0, 7, 0, 0, 1);
    draw_bmp_scr(68, 7, 0, 0, 1);
    wrt(18, 5, 640, 4, 3, 15, 0, 2, 1, j[gold]);
    draw_bmp_scr(j[istk_shown] == 4 ? 72 : 73, 7, 80, 0, 1);
    // Outside battle the luck rolled for the last one no longer counts.
    if (j[battle_stage] == 0) clr_luck();
    update_stats();
    draw_party_panel();
    if (j[istk_shown] != -1) draw_istk();
    if (j[crtbox_on]) draw_crtbox();
    if (j[editor_on]) draw_editor();

    // The pointer goes on only while the screen is written.
    block saved;
    saved.grab(j[mouse_x], j[mouse_y]);
    draw_bmp_scr(j[cursor_pic], 8, j[mouse_x], j[mouse_y], 1);
    write_rows(0, VIEW_Y, 0, SCR_W);
    write_rows(VIEW_Y + VIEW_H, SCR_H, 0, SCR_W);
    write_rows(VIEW_Y, VIEW_Y + VIEW_H, 0, VIEW_X);
    write_rows(VIEW_Y, VIEW_Y + VIEW_H, VIEW_X + VIEW_W, SCR_W);
    saved.put_back();
}

}  // namespace hm
