// world_map.cpp -- the world map: the land's picture, its terrain, the party's marker and the screen
#include <cmath>
#include <cstdio>
#include <cstring>

#include "battle/battle.h"
#include "battle/panels.h"
#include "core/core.h"
#include "data/data.h"
#include "flow/flow.h"
#include "items/items.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FRAME_MS = 24;
constexpr int BMP_HEADER = 1078;       // file and information headers, then 256 colours
constexpr float TURN = 0.04f;          // radians per frame an arrow key turns the marker
constexpr float STEP = 0.5f;           // pixels per frame the marker moves
constexpr int MARKER_PIC = 33;         // group 7
constexpr int VIEW_FILL = 50;          // byte that fills the view before the map is drawn
constexpr long TERRAIN_BYTES = 2L * WMAP_W * WMAP_H;

bool blocks(int cls) { return cls == 1 || cls == 2; }

// A terrain file must hold exactly two characters per pixel; any other length
// means its offsets no longer point at the pixels they name.
bool terrain_size_ok(FILE *in)
{
    if (std::fseek(in, 0, SEEK_END) != 0) return false;
    return std::ftell(in) == TERRAIN_BYTES;
}

}  // namespace

void load_wmap(int n)
{
    loadn2("wmap~", n, EXT_BMP);
    FILE *in = std::fopen(xnam, "rb");
    if (!in) return;
    // Rows are staged first: a short file leaves the picture as it was.
    static uint8_t rows[WMAP_W * WMAP_H];
    bool ok = std::fseek(in, BMP_HEADER, SEEK_SET) == 0 && std::fread(rows, 1, sizeof rows, in) == sizeof rows;
    std::fclose(in);
    if (!ok) return;
    for (int y = 0; y < WMAP_H; y++)
        std::memcpy(swad + (size_t)y * WMAP_W, rows + (size_t)(WMAP_H - 1 - y) * WMAP_W, WMAP_W);
}

int get_wmp(int n, int x, int y)
{
    if (x < 0 || x > WMAP_W - 1 || y < 0 || y > WMAP_H - 1) return 1;
    loadn2("wmap~", n, EXT_TXT);
    FILE *in = std::fopen(xnam, "rb");
    if (!in) return 0;
    // Only the pixel's own two characters are read: a run of digits in a broken
    // file must not carry the read into the next pixels or past the end.
    char v[2] = {0, 0};
    int cls = 0;
    if (terrain_size_ok(in) && std::fseek(in, 2L * (WMAP_W * (long)y + x), SEEK_SET) == 0 &&
        std::fread(v, 1, 2, in) == 2 && v[0] >= '0' && v[0] <= '9' && !(v[1] >= '0' && v[1] <= '9'))
        cls = v[0] - '0';
    std::fclose(in);
    return cls;
}

void draw_wmap(int cx, int cy)
{
    if (cx > WMAP_W - VIEW_W - 1) cx = WMAP_W - VIEW_W - 1;
    if (cy > WMAP_H - VIEW_H - 1) cy = WMAP_H - VIEW_H - 1;
    if (cx < 0) cx = 0;
    if (cy < 0) cy = 0;
    for (int y = 0; y < VIEW_H; y++) {
        const uint8_t *row = swad + (size_t)(cy + y) * WMAP_W + cx;
        uint16_t *out = vs + (size_t)y * VIEW_W;
        for (int x = 0; x < VIEW_W; x++) out[x] = jpal_buf[row[x]];
    }
}

void draw_pmarker(int x, int y)
{
    draw_bmp(MARKER_PIC, 7, x - 3, y - 3, 1, 0);
    if (keyr[K_I] == EDGE_HELD) return;
    const float h = f[wmap_dir], pi6 = (float)M_PI / 6.0f;
    int tx = (int)((float)x + 12.0f * std::cos(h)), ty = (int)((float)y + 12.0f * std::sin(h));
    int ax = (int)((float)x + 7.0f * std::cos(h - pi6)), ay = (int)((float)y + 7.0f * std::sin(h - pi6));
    int bx = (int)((float)x + 7.0f * std::cos(h + pi6)), by = (int)((float)y + 7.0f * std::sin(h + pi6));
    j_line(tx, ty, ax, ay, WMAP_ARROW);
    j_line(tx, ty, bx, by, WMAP_ARROW);
    j_line(ax, ay, bx, by, WMAP_ARROW);
    j_line(x, y, tx, ty, WMAP_ARROW);
}

void move_pmarker(int d)
{
    float dx = (float)d * STEP * std::cos(f[wmap_dir]);
    float dy = (float)d * STEP * std::sin(f[wmap_dir]);
    // One axis at a time, so that a blocked axis still lets the other slide.
    if (!blocks(get_wmp(WMAP_NO, (int)(f[wmap_x] + dx), (int)f[wmap_y]))) f[wmap_x] += dx;
    if (!blocks(get_wmp(WMAP_NO, (int)f[wmap_x], (int)(f[wmap_y] + dy)))) f[wmap_y] += dy;
}

void wmap_view_offset()
{
    int cx = (int)(f[wmap_x] - VIEW_W / 2), cy = (int)(f[wmap_y] - VIEW_H / 2);
    j[wmap_cx] = cx < 0 ? 0 : cx > WMAP_W - VIEW_W - 1 ? WMAP_W - VIEW_W - 1 : cx;
    j[wmap_cy] = cy < 0 ? 0 : cy > WMAP_H - VIEW_H - 1 ? WMAP_H - VIEW_H - 1 : cy;
}

void wmap_main()
{
    // The map's pixels borrow the picture store: it is emptied first and the
    // pictures loaded meanwhile go after the map.
    load_swad();
    load_wmap(WMAP_NO);
    j[swad_used] = WMAP_W * WMAP_H;
    j[shown_member] = -1;
    j[istk_shown] = -1;
    // Hit points and mana go back to the records before the creatures are freed.
    for (int m = 0; m < P1CR_COUNT; m++) {
        int c = member_crt(m);
        if (c < 0) continue;
        p1cr[m].hp = CRT[c].hp;
        p1cr[m].mana = CRT[c].mana;
    }
    clear_creatures();
    int m = j[leader];
    if (m >= 0 && m < P1CR_COUNT && p1cr[m].in_use) {
        const p1cr_rec &p = p1cr[m];
        new_creature(p.crt_type, p.level, 1, p.hp, p.mana, m, -1, 0, 0);
    }
    j[mouse_x] = j[mouse_y] = 10;
    // The pointer update_scr leaves at (10, 10) is wiped by the first frame's
    // pointer redraw only if that is where the pointer was last.
    mx = my = omx = omy = 10;
    update_scr();
    // A fade of the level's view would darken the map.
    clear_flash();

    for (;;) {
        do_keyr();
        if (keyr[K_ESC] == EDGE_RELEASED || plat_close_requested()) break;
        eqp_controls();
        stats_controls();
        istk_controls();
        std::memset(vs, VIEW_FILL, sizeof(uint16_t) * VIEW_W * VIEW_H);
        mouse_stuff();
        if (keyr[K_P] == EDGE_RELEASED) p_scr();
        if (keyr[K_LEFT] == EDGE_HELD) f[wmap_dir] -= TURN;
        if (keyr[K_RIGHT] == EDGE_HELD) f[wmap_dir] += TURN;
        if (keyr[K_UP] == EDGE_HELD) move_pmarker(1);
        if (keyr[K_DOWN] == EDGE_HELD) move_pmarker(-1);
        wmap_view_offset();
        draw_wmap(j[wmap_cx], j[wmap_cy]);
        draw_pmarker((int)(f[wmap_x] - (float)j[wmap_cx]), (int)(f[wmap_y] - (float)j[wmap_cy]));
        // The pointer follows the mouse so that the party screens can be used.
        draw_bmp(j[cursor_pic], 8, mx - VIEW_X, my - VIEW_Y, 1, 0);
        draw_mouse(omx, omy, mx, my);
        wait_frame(FRAME_MS);
        fscr();
        j[cursor_pic] = 0;
        mouse_ptr();
    }
    load_swad();
}

bool wmap_allowed()
{
    // A speech box or a level-up box waits for its click: re-entering the
    // level under it would lose its place in the story.
    return !j[battle_on] && !j[loot_state] && !j[talk_state] && !j[chest_screen] && !j[chest_busy] &&
           !j[editor_on] && !j[mes_showing] && !j[lev_up_show] && leader_crt() >= 0;
}

void wmap_from_play()
{
    if (!wmap_allowed()) return;
    const crt_rec &c = CRT[leader_crt()];
    int level = j[level_no], x = c.x, y = c.y;
    wmap_main();
    // The map freed every creature: the level is entered again where the leader stood.
    make_level(1, level, x, y);
    update_scr();
    clear_keyr();
}

}  // namespace hm
