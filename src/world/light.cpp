// light.cpp -- the game clock, the base light of the hour, and the light of cells and view pixels
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int LIGHT_PICS = 5;      // picture group of the light pictures
constexpr int GLOW_PIC = 0;        // the glow under effects and missiles
constexpr int SHADOW_PIC = 2;      // a creature's shadow
constexpr view_area AREA_LIGHT_GROUND = {-2, 14, 14, 4};
constexpr view_area AREA_LIGHT_SOURCES = {-4, 18, 14, 4};

int clamp_shade(long long v) { return v < 0 ? 0 : v > SHADE_MAX ? SHADE_MAX : (int)v; }

// The base light of the hour from light_times.txt: two numbers a line, for the
// first and the second half of each hour.  A missing or short file leaves it be.
void light_of_the_hour()
{
    int hour_of_day = j[hour] % 24;
    if (hour_of_day < 0) hour_of_day += 24;
    int half = (j[game_time] % 60 + 60) % 60 < 30 ? 0 : 1;
    txt_reader in;
    if (!in.open("light_times.txt")) return;
    int v = 0;
    for (int i = 0; i <= 2 * hour_of_day + half; i++)
        if (!in.read_int(&v)) return;
    j[light_now] = v;
}

int object_shade(int cell) { return clamp_shade((long long)j[light_now] + ls_lt[cell]); }

void cast_shadow(int c, bool flyer, int ax, int ay)
{
    if (c < 0 || c >= CRT_COUNT) return;
    const crt_rec &k = CRT[c];
    if (!k.in_use || !k.shown || (k.flying != 0) != flyer) return;
    // See-through creatures cast fainter shadows; flyers cast theirs on the ground below.
    int s = !k.flying && k.tint_mode == 2 ? 255 - k.tint_extra : 256;
    if (s < 0) s = 0;
    gr_light_circ(SHADOW_PIC, LIGHT_PICS, ax + k.draw_dx, ay + k.draw_dy, s);
}

void light_sources(int c, int r)
{
    if (!cell_ok(c, r)) return;
    int cell = c + MAP_W * r, ax = view_x(c, r) + 30, ay = view_y(r) + 10;
    if (ls[cell] < LS_TILE_COUNT) {
        const ls_tile_rec &t = ls_tile[ls[cell]];
        if (t.gr_light != 0) gr_light_circ(t.gr_light, LIGHT_PICS, ax, ay, t.light_str);
        if (t.ls_light == 1) light_circ(cell, 4, -15, -12, -9, -6, -3);
        else if (t.ls_light == 2) light_circ(cell, 4, -8, -7, -6, -5, -3);
    }
    if (ani_us[cell])
        for (int i = 0; i < ANI_COUNT; i++)
            if (ANI[i].active && ANI[i].cell == cell && ANI[i].kind == 8)
                gr_light_circ(GLOW_PIC, LIGHT_PICS, ax, ay, -256);
    cast_shadow(us[cell], false, ax, ay);
    cast_shadow(us2[cell], true, ax, ay);
}

}  // namespace

void do_light_time(int force)
{
    // A count from a damaged save still makes the next minute come round.
    if (j[minute_tick] < 0 || j[minute_tick] > 59) j[minute_tick] = 59;
    if (++j[minute_tick] < 60 && !force) return;
    j[minute_tick] = 0;
    j[game_time]++;
    if (j[game_time] % 60 == 0) {
        j[hour]++;
        if (j[hour] % 24 == 0) j[day]++;
    }
    if (j[lev_light] != -1) {
        j[light_now] = j[lev_light];
        return;
    }
    int minute = j[game_time] % 60;
    if (minute == 1 || minute == 31 || force) light_of_the_hour();
}

void set_gr_lt(int cx, int cy, int level)
{
    uint8_t v = (uint8_t)clamp_shade(level);
    for (int r = 0; r < 20; r++) {
        int y = cy - 10 + r;
        if (y < 0 || y >= VIEW_H) continue;
        int x0 = cx - 30 + r, x1 = x0 + 40;
        if (x0 < 0) x0 = 0;
        if (x1 > VIEW_W) x1 = VIEW_W;
        if (x0 < x1) std::memset(gr_light + y * VIEW_W + x0, v, (size_t)(x1 - x0));
    }
}

void gr_light_circ(int n, int g, int cx, int cy, int s)
{
    int slot = pic_slot(n, g);
    if (slot < 0 || pic_is_rle(n, g)) return;
    const swinf_rec &p = SWINF[slot];
    int w = p.width, h = p.height;
    int left = cx - (w + h) / 2, top = cy - h / 2;
    if (top >= VIEW_H || top + h <= 0 || left >= VIEW_W || left + w + h <= 0) return;
    const uint8_t *px = swad + p.start;
    for (int r = 0; r < h; r++) {
        int y = top + r;
        if (y < 0 || y >= VIEW_H) continue;
        int x0 = left + r;
        int c0 = x0 < 0 ? -x0 : 0, c1 = x0 + w > VIEW_W ? VIEW_W - x0 : w;
        const uint8_t *src = px + (size_t)r * w;
        uint8_t *dst = gr_light + y * VIEW_W + x0;
        // Without branches, so that the compiler may take many pixels at once.
        for (int c = c0; c < c1; c++) {
            int v = dst[c] + ((src[c] * s) >> 8);
            v = v < 0 ? 0 : v > SHADE_MAX ? SHADE_MAX : v;
            dst[c] = src[c] ? (uint8_t)v : dst[c];
        }
    }
}

void cllev(int cell, int d)
{
    if (cell < 0 || cell >= MAP_CELLS) return;
    light_lev[cell] = (int8_t)clamp_shade(light_lev[cell] + d);
}

void light_circ(int cell, int r, int d0, int d1, int d2, int d3, int d4)
{
    // Rings by index distance: an offset past a row's end goes on in the next row.
    static const int ring1[] = {1, 100};
    static const int ring2[] = {2, 200, 99, 101};
    static const int ring3[] = {3, 300, 98, 102, 199, 201};
    static const int ring4[] = {4, 400, 97, 103, 198, 202, 299, 301};
    struct ring {
        const int *off;
        int n, d;
    };
    const ring rings[] = {{ring1, 2, d1}, {ring2, 4, d2}, {ring3, 6, d3}, {ring4, 8, d4}};
    cllev(cell, d0);
    for (int k = 0; k < 4 && k < r; k++)
        for (int i = 0; i < rings[k].n; i++) {
            cllev(cell + rings[k].off[i], rings[k].d);
            cllev(cell - rings[k].off[i], rings[k].d);
        }
}

void do_gr_light()
{
    int cx = j[cam_x], cy = j[cam_y];
    int base = clamp_shade(j[light_now]);
    std::memset(gr_light, base, VIEW_W * VIEW_H);
    for_area(AREA_LIGHT_GROUND, cx, cy, [](int c, int r) {
        if (!cell_ok(c, r)) return;
        int cell = c + MAP_W * r;
        light_lev[cell] = (int8_t)object_shade(cell);
        set_gr_lt(view_x(c, r) + 30, view_y(r) + 10, clamp_shade((long long)gr_lt[cell] + j[light_now]));
    });
    for_area(AREA_LIGHT_SOURCES, cx, cy, [](int c, int r) {
        if (cell_ok(c, r)) light_lev[c + MAP_W * r] = (int8_t)object_shade(c + MAP_W * r);
    });
    for_area(AREA_LIGHT_SOURCES, cx, cy, light_sources);

    // A glowing missile lights the cells round it, and the ground under it: the glow
    // is put at the missile's own place in the view.
    int look = j[shot_fly_pic];
    if (j[shot_on] == 2 && (look == 1 || look == 2 || look == 6)) {
        light_circ(j[shot_cell], 2, -6, -4, -2, 0, 0);
        gr_light_circ(GLOW_PIC, LIGHT_PICS, (int)(f[sht_x] - (float)cx), (int)(f[sht_y] - (float)cy), -256);
    }
}

}  // namespace hm
