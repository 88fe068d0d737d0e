// picture_chooser.cpp -- the editor's picture chooser, its 40 x 40 tiles and the object properties
#include <cstring>
#include <vector>

#include "core/core.h"
#include "data/data.h"
#include "editor/editor.h"
#include "editor/editor_window.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int TILE = 40;
constexpr int COLS = 10;
constexpr int ROWS = 6;
constexpr int PAGE = COLS * ROWS;
constexpr int CHOOSER_FILL = 50;   // the byte the view is filled with behind the tiles
constexpr int FRAME_MS = 24;

int layer_group(int layer) { return layer == 3 ? 1 : layer == 4 ? 2 : 0; }

// Draws the top-left 40 x 40 of w x h palette indices at view (x, y), 0 see-through.
void blit_40(const uint8_t *px, int stride, int w, int h, int x, int y, const uint16_t *pal)
{
    if (w > TILE) w = TILE;
    if (h > TILE) h = TILE;
    for (int r = 0; r < h; r++) {
        int vy = y + r;
        if (vy < 0 || vy >= VIEW_H) continue;
        for (int c = 0; c < w; c++) {
            int vx = x + c;
            uint8_t i = px[r * stride + c];
            if (i && vx >= 0 && vx < VIEW_W) vs[vy * VIEW_W + vx] = pal[i];
        }
    }
}

// The picture under view pixel (vx, vy) on this page; -1 off the grid or past the group.
int pic_at(int page, int vx, int vy, int group)
{
    if (vx < 0 || vy < 0 || vx >= COLS * TILE || vy >= ROWS * TILE) return -1;
    int p = page * PAGE + vy / TILE * COLS + vx / TILE;
    return p < PICT_SIZE[group] ? p : -1;
}

void draw_page(int page, int group)
{
    std::memset(vs, CHOOSER_FILL, sizeof(uint16_t) * VIEW_W * VIEW_H);
    for (int row = 0; row < ROWS; row++)
        for (int col = 0; col < COLS; col++) {
            int x = col * TILE, y = row * TILE;
            draw_bmp_40mx(page * PAGE + row * COLS + col, group, x, y);
            for (int k = 0; k < TILE; k++) {
                vs[y * VIEW_W + x + k] = jpal_buf[15];
                vs[(y + k) * VIEW_W + x] = jpal_buf[15];
            }
        }
}

}  // namespace

int chooser_last_page(int layer) { return (PICT_SIZE[layer_group(layer)] - 1) / PAGE; }

int turn_page(int page, int layer)
{
    // The pages end with the group: past it there are no pictures to paint with.
    if (keyr[K_MINUS] == EDGE_RELEASED && page > 0) page--;
    if (keyr[K_EQUALS] == EDGE_RELEASED && page < chooser_last_page(layer)) page++;
    return page;
}

void draw_bmp_40mx(int pic, int group, int x, int y)
{
    if (!pic_ok(pic, group) || PIC_dat[group][pic] == 0) return;
    if (group != 0 && !(group == 2 && (pic / 60) % 4 == 1)) {
        draw_ls_40mx(pic, group, x, y, 0);
        return;
    }
    static std::vector<uint8_t> buf;
    pic_header h;
    int size = read_pic(pic, group, &h, nullptr, 0);
    if (size <= 0) return;
    if (buf.size() < (size_t)size) buf.resize((size_t)size);
    if (read_pic(pic, group, &h, buf.data(), size) != size || (size_t)h.width * h.height > (size_t)size) return;
    blit_40(buf.data(), (int)h.width, (int)h.width, (int)h.height, x, y, jpal_buf);
}

void draw_ls_40mx(int pic, int group, int x, int y, int shade)
{
    if (!pic_ok(pic, group) || !pic_is_rle(pic, group)) return;
    int slot = pic_slot(pic, group);
    if (slot < 0) return;
    static const uint8_t *rows[PIC_MAX_SIDE];
    static int lens[PIC_MAX_SIDE];
    int w = SWINF[slot].width, h = SWINF[slot].height;
    if (rle_rows(slot, rows, lens, PIC_MAX_SIDE) != h) return;
    int cw = w < TILE ? w : TILE, ch = h < TILE ? h : TILE;
    uint8_t px[TILE * TILE];
    std::memset(px, 0, sizeof px);
    for (int r = 0; r < ch; r++) {
        uint8_t line[PIC_MAX_SIDE];
        rle_decode_row(rows[r], lens[r], line, w, cw);
        std::memcpy(px + r * TILE, line, (size_t)cw);
    }
    blit_40(px, TILE, cw, ch, x, y, shade_slice(shade));
}

int choose_pic(int layer)
{
    int group = layer_group(layer), page = 0;
    int chosen = j[edit_pic];
    for (;;) {
        do_keyr();
        if (plat_close_requested() || keyr[K_ESC] == EDGE_RELEASED) break;
        draw_page(page, group);
        page = turn_page(page, layer);
        mouse_stuff();
        int p = pic_at(page, mx - VIEW_X, my - VIEW_Y, group);
        if (mb1 == EDGE_PRESSED && p >= 0) {
            chosen = p;
            break;
        }
        if (layer == 3 && mb2 == EDGE_PRESSED && p >= 0) {
            edit_ls_tile(p);
            continue;
        }
        draw_bmp(j[cursor_pic], 8, mx - VIEW_X, my - VIEW_Y, 1, 0);
        wait_frame(FRAME_MS);
        fscr();
    }
    clear_keyr();
    return chosen;
}

void edit_ls_tile(int p)
{
    if (!pic_ok(p, 1)) return;
    static const char *const labels[5] = {"1=passable, 0=not passable:", "Range Penalty:", "gr_light:", "light_str:",
                                          "ls_light:"};
    ls_tile_rec t = ls_tile[p];
    int values[5] = {t.passable, t.range_penalty, t.gr_light, t.light_str, t.ls_light};
    static const int lo[5] = {0, -128, 0, -32768, 0}, hi[5] = {1, 127, 65535, 32767, 255};
    draw_tbox(0, 0, 200, 100, 1);
    int widths[5];
    for (int i = 0; i < 5; i++) widths[i] = wrt2(30, 30 + 10 * i, 40, 17, 0, 1, labels[i]);
    fscr();
    for (int i = 0; i < 5; i++) {
        jscanf_num(VIEW_X + 30 + widths[i] + 4, VIEW_Y + 30 + 10 * i, &values[i], 73, 2, 2);
        after_typing();
        // Escape leaves the picture as it was.
        if (jscanf_escaped()) return;
        values[i] = values[i] < lo[i] ? lo[i] : values[i] > hi[i] ? hi[i] : values[i];
    }
    t.passable = (uint8_t)values[0];
    t.range_penalty = (int8_t)values[1];
    t.gr_light = (uint16_t)values[2];
    t.light_str = (int16_t)values[3];
    t.ls_light = (uint8_t)values[4];
    ls_tile[p] = t;
    if (save_ls_tile() != 0) editor_note("Could not save ls_tile.txt: the change holds until the game ends", 0);
}

}  // namespace hm
