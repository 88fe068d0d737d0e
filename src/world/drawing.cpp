// drawing.cpp -- ground, roofs, objects, raw pictures and creatures into the view; lines; the flushes

#include <cstdlib>
#include <utility>
#include <vector>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

// A raw picture: w x h palette indices, top row first.
struct raw_pic {
    const uint8_t *px;
    int w, h;
};

const uint16_t *slice(int shade)
{
    // Shades come from light layers and level files; the table has 256 slices.
    if (shade < 0) shade = 0;
    if (shade > 255) shade = 255;
    return jpal_buf + shade * 256;
}

int clamp_byte(long long v) { return v < 0 ? 0 : v > 255 ? 255 : (int)v; }

// Whether the screen's colours are 5-6-5 bits, so that blending may take the
// channels apart here (the same sums as through the platform's calls, faster).
bool rgb565()
{
    static const bool yes =
        plat_makecol(255, 0, 0) == 0xF800 && plat_makecol(0, 255, 0) == 0x07E0 && plat_makecol(0, 0, 255) == 0x001F &&
        plat_getr(0x0800) == 8 && plat_getg(0x0020) == 4 && plat_getb(0x0001) == 8;
    return yes;
}

uint16_t blend(uint16_t back, uint16_t fore, int a)
{
    if (a < 0) a = 0;
    if (a > 255) a = 255;
    auto ch = [a](int b, int f) { return (b * a + f * (255 - a)) >> 8; };
    if (rgb565()) {
        auto five = [](int v) { return (v << 3) | (v >> 2); };
        auto six = [](int v) { return (v << 2) | (v >> 4); };
        int r = ch(five(back >> 11), five(fore >> 11)), g = ch(six((back >> 5) & 63), six((fore >> 5) & 63)),
            b = ch(five(back & 31), five(fore & 31));
        return (uint16_t)(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    }
    return plat_makecol(ch(plat_getr(back), plat_getr(fore)), ch(plat_getg(back), plat_getg(fore)),
                        ch(plat_getb(back), plat_getb(fore)));
}

bool stored_raw(int n, int g, raw_pic &p)
{
    if (pic_is_rle(n, g)) return false;
    int slot = pic_slot(n, g);
    if (slot < 0) return false;
    const swinf_rec &s = SWINF[slot];
    p = {swad + s.start, s.width, s.height};
    return true;
}

void blit_view(const raw_pic &p, int x, int y, int dir, int alpha, const uint16_t *pal)
{
    int r0 = y < 0 ? -y : 0, r1 = y + p.h > VIEW_H ? VIEW_H - y : p.h;
    int c0 = x < 0 ? -x : 0, c1 = x + p.w > VIEW_W ? VIEW_W - x : p.w;
    for (int r = r0; r < r1; r++) {
        const uint8_t *src = p.px + (size_t)r * p.w;
        uint16_t *dst = vs + (y + r) * VIEW_W + x;
        for (int c = c0; c < c1; c++) {
            uint8_t i = src[dir != 1 ? p.w - 1 - c : c];
            if (!i) continue;
            dst[c] = alpha ? blend(dst[c], pal[i], alpha) : pal[i];
        }
    }
}

// A 40 x 20 tile as a parallelogram: picture row r lies at view row y + r from
// column x + r.  Colour from the view's light map, or from one slice when given.
void draw_tile(int n, int g, int x, int y, bool transparent, const uint16_t *pal)
{
    // The picture is taken into the store before the view test, as every stored picture is.
    raw_pic p;
    if (!stored_raw(n, g, p)) return;
    if (!(x > -61 && x < VIEW_W && y > -21 && y < VIEW_H)) return;
    for (int r = 0; r < p.h; r++) {
        int vy = y + r;
        if (vy < 0 || vy >= VIEW_H) continue;
        int s = x + r;
        int c0 = s < 0 ? -s : 0, c1 = s + p.w > VIEW_W ? VIEW_W - s : p.w;
        const uint8_t *src = p.px + (size_t)r * p.w + c0, *end = src + (c1 - c0);
        int at = vy * VIEW_W + s + c0;
        uint16_t *dst = vs + at;
        if (pal) {
            for (; src < end; src++, dst++)
                if (!transparent || *src) *dst = pal[*src];
            continue;
        }
        const uint8_t *light = gr_light + at;
        const uint16_t *table = jpal_buf;
        for (; src < end; src++, dst++, light++)
            if (!transparent || *src) *dst = table[*light * 256 + *src];
    }
    if (pal || j[grid_on] != 1) return;
    // The cell grid: a dotted top edge and left edge from the first visible row.
    int y0 = y < 0 ? 0 : y;
    auto dot = [](int px, int py) {
        if (px < 0 || px >= VIEW_W || py < 0 || py >= VIEW_H) return;
        int at = py * VIEW_W + px;
        vs[at] = jpal_buf[gr_light[at] * 256 + 16];
    };
    if (y0 >= y + p.h) return;
    for (int k = 0; k < 10; k++) dot(x + 4 * k, y0);
    for (int k = 0; y0 + 2 * k < y + p.h; k++) dot(x + 2 * k, y0 + 2 * k);
}

// Interface pictures come from the archive file.  Opening it for every draw cost
// more than the drawing (the pointer alone is drawn each frame), so what was read
// is kept until the archive's index is read again, known by its place in it.
struct archived_pic {
    int n = -1, g = -1;
    uint32_t at = 0;
    int w = 0, h = 0;
    std::vector<uint8_t> px;
};
constexpr int ARCHIVED_KEPT = 128;
archived_pic archived[ARCHIVED_KEPT];
int archived_next = 0;
int archived_index = -1;   // the reading of the archive's index the pictures kept belong to

bool archived_raw(int n, int g, raw_pic &p)
{
    if (!pic_ok(n, g) || pic_is_rle(n, g)) return false;
    p.px = archived_pixels(n, g, &p.w, &p.h);
    return p.px != nullptr;
}

}  // namespace

const uint8_t *archived_pixels(int n, int g, int *w, int *h)
{
    // The archive is read anew (its index first) whenever it may have changed.
    if (pic_dat_reads() != archived_index) {
        for (archived_pic &a : archived) a = archived_pic{};
        archived_index = pic_dat_reads();
    }
    uint32_t at = pic_ok(n, g) ? PIC_dat[g][n] : 0;
    for (const archived_pic &a : archived)
        if (a.n == n && a.g == g && a.at == at) {
            *w = a.w;
            *h = a.h;
            return a.px.data();
        }
    pic_header head;
    int size = read_pic(n, g, &head, nullptr, 0);
    if (size <= 0) return nullptr;
    std::vector<uint8_t> buf((size_t)size);
    if (read_pic(n, g, &head, buf.data(), size) != size) return nullptr;
    archived_pic &a = archived[archived_next];
    archived_next = (archived_next + 1) % ARCHIVED_KEPT;
    a = archived_pic{n, g, at, (int)head.width, (int)head.height, std::move(buf)};
    *w = a.w;
    *h = a.h;
    return a.px.data();
}

const uint16_t *shade_slice(int shade) { return slice(shade); }
uint16_t blend_px(uint16_t back, uint16_t fore, int a) { return blend(back, fore, a); }

void draw_grnd(int n, int g, int x, int y) { draw_tile(n, g, x, y, false, nullptr); }
void draw_grnd2(int n, int g, int x, int y) { draw_tile(n, g, x, y, true, nullptr); }
void draw_rf(int n, int g, int x, int y, int shade) { draw_tile(n, g, x, y, false, slice(shade)); }

namespace {

// Run-length pictures decoded whole, kept for the frames after: the sea alone
// draws the same few big pictures a hundred times a frame.  A picture is known
// by its number and where the store holds it, so a store emptied and filled
// again finds nothing stale.
struct decoded_pic {
    int n = -1, g = -1, slot = -1, w = 0, h = 0;
    int32_t start = 0;
    std::vector<uint8_t> px;
    // The unbroken runs of drawn pixels, so that see-through stretches cost
    // nothing: first and end column of each, row by row; row r's runs stand at
    // row_runs[r] .. row_runs[r + 1] - 1 of runs.
    std::vector<uint16_t> runs;
    std::vector<int> row_runs;
};
constexpr int DECODED_KEPT = 64;
decoded_pic decoded[DECODED_KEPT];
int decoded_next = 0;

void find_runs(decoded_pic &d)
{
    d.row_runs.assign(1, 0);
    for (int r = 0; r < d.h; r++) {
        const uint8_t *line = d.px.data() + (size_t)r * d.w;
        for (int c = 0; c < d.w;) {
            if (!line[c]) {
                c++;
                continue;
            }
            int first = c;
            while (c < d.w && line[c]) c++;
            d.runs.push_back((uint16_t)first);
            d.runs.push_back((uint16_t)c);
        }
        d.row_runs.push_back((int)d.runs.size());
    }
}

const decoded_pic *decoded_rows(int n, int g, int slot, int w, int h)
{
    const swinf_rec &s = SWINF[slot];
    for (const decoded_pic &d : decoded)
        if (d.n == n && d.g == g && d.slot == slot && d.start == s.start && d.w == w && d.h == h) return &d;
    static const uint8_t *rows[PIC_MAX_SIDE];
    static int lens[PIC_MAX_SIDE];
    if (rle_rows(slot, rows, lens, PIC_MAX_SIDE) != h) return nullptr;
    decoded_pic &d = decoded[decoded_next];
    decoded_next = (decoded_next + 1) % DECODED_KEPT;
    d = decoded_pic{n, g, slot, w, h, s.start, std::vector<uint8_t>((size_t)w * h), {}, {}};
    for (int r = 0; r < h; r++) rle_decode_row(rows[r], lens[r], d.px.data() + (size_t)r * w, w, w);
    find_runs(d);
    return &d;
}

// A run-length picture placed on its cell, from view row top down; sea_k >= 0 makes
// it see-through, most at its top: a row r of the picture lets ((60 - r) * sea_k) / 256
// of the ground show.
void draw_rle(int n, int g, int x, int y, int shade, int sea_k, int top)
{
    if (top < 0) top = 0;
    if (!pic_is_rle(n, g)) return;
    int slot = pic_slot(n, g);
    if (slot < 0) return;
    int w = SWINF[slot].width, h = SWINF[slot].height;
    // Anchored to the cell: tall pictures rise above it, wide ones centre on it.
    if (h > 40) y -= h - 40;
    if (w > 60) x -= (w - 60) / 2;
    if (x >= VIEW_W || y >= VIEW_H || x + w <= 0 || y + h <= top) return;
    const decoded_pic *d = decoded_rows(n, g, slot, w, h);
    if (!d) return;
    const uint8_t *px = d->px.data();
    const uint16_t *pal = slice(shade);
    int r0 = y < top ? top - y : 0, r1 = y + h > VIEW_H ? VIEW_H - y : h;
    int c0 = x < 0 ? -x : 0, c1 = x + w > VIEW_W ? VIEW_W - x : w;
    for (int r = r0; r < r1; r++) {
        const uint8_t *line = px + (size_t)r * w;
        uint16_t *dst = vs + (y + r) * VIEW_W + x;
        if (sea_k < 0) {
            for (int k = d->row_runs[r]; k < d->row_runs[r + 1]; k += 2) {
                int from = d->runs[k] < c0 ? c0 : d->runs[k], to = d->runs[k + 1] > c1 ? c1 : d->runs[k + 1];
                for (int c = from; c < to; c++) dst[c] = pal[line[c]];
            }
            continue;
        }
        int a = (int)(((long long)(60 - r) * sea_k) / 256);
        if (a >= 255) continue;
        for (int c = c0; c < c1; c++)
            if (line[c]) dst[c] = a <= 0 ? pal[line[c]] : blend(dst[c], pal[line[c]], a);
    }
}

}  // namespace

void draw_ls(int n, int g, int x, int y, int shade) { draw_rle(n, g, x, y, shade, -1, 0); }
void draw_ls_below(int n, int g, int x, int y, int shade, int top) { draw_rle(n, g, x, y, shade, -1, top); }
void draw_ls_sea(int n, int g, int x, int y, int shade, int k) { draw_rle(n, g, x, y, shade, k < 0 ? 0 : k, 0); }

void draw_pic(int n, int g, int x, int y, int dir, int alpha)
{
    raw_pic p;
    if (stored_raw(n, g, p)) blit_view(p, x, y, dir, alpha, jpal_buf);
}

void draw_bmp(int n, int g, int x, int y, int dir, int alpha)
{
    raw_pic p;
    if (archived_raw(n, g, p)) blit_view(p, x, y, dir, alpha, jpal_buf);
}

void draw_bmp_scr(int n, int g, int x, int y, int dir)
{
    raw_pic p;
    if (!archived_raw(n, g, p)) return;
    int r0 = y < 0 ? -y : 0, r1 = y + p.h > SCR_H ? SCR_H - y : p.h;
    int c0 = x < 0 ? -x : 0, c1 = x + p.w > SCR_W ? SCR_W - x : p.w;
    for (int r = r0; r < r1; r++) {
        const uint8_t *src = p.px + (size_t)r * p.w;
        uint8_t *dst = scr_buf + (y + r) * SCR_W + x;
        for (int c = c0; c < c1; c++) {
            uint8_t i = src[dir != 1 ? p.w - 1 - c : c];
            if (i) dst[c] = i;
        }
    }
}

void lpix(int x, int y, int c)
{
    if (x >= 0 && x < VIEW_W && y >= 0 && y < VIEW_H) vs[y * VIEW_W + x] = jpal_buf[c & 0xff];
}

void j_line(int x1, int y1, int x2, int y2, int c)
{
    lpix(x1, y1, c);
    lpix(x2, y2, c);
    int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int x = x1, y = y1;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int k = 0; k < dx; k++) {
            x += sx;
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            lpix(x, y, c);
        }
    } else {
        int err = 2 * dx - dy;
        for (int k = 0; k < dy; k++) {
            y += sy;
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            lpix(x, y, c);
        }
    }
}

namespace {

// The tint pulse: 0, 1, .., 8, 7, .., 1 as frame_count advances by tint_rate.
int tint_pulse(int rate)
{
    if (rate <= 0) rate = 1;
    int m = (j[frame_count] / rate) % 16;
    if (m < 0) m += 16;
    return m <= 8 ? m : 16 - m;
}

uint16_t add_tint(uint16_t c, long long r, long long g, long long b)
{
    return plat_makecol(clamp_byte(plat_getr(c) + r), clamp_byte(plat_getg(c) + g), clamp_byte(plat_getb(c) + b));
}

// The level and health bar over a creature, mixed over the view by a / 50.
void health_bar(const crt_rec &c, int cx, int y, int a)
{
    wnum(cx - mid_num(c.eff_level) / 2, y - 12, c.eff_level, 74, 0, (50 - a) * 5 + 3);
    for (int row = y - 4; row <= y + 1; row++) {
        if (row < 0 || row >= VIEW_H) continue;
        for (int col = cx - 16; col <= cx + 15; col++) {
            if (col < 0 || col >= VIEW_W) continue;
            int u = col - (cx - 16);
            int colour = 41;
            if (row == y - 4 || u == 0) colour = 12;
            else if (row == y + 1 || u == 31) colour = 8;
            else if ((row == y - 2 || row == y - 1) && (long long)(u + 2) * 100 <= (long long)c.wound_floor * 30)
                colour = 39;
            // No maximum to measure against: the bar shows empty.
            else if (c.max_hp <= 0 || u > (long long)c.hp * 30 / c.max_hp) colour = 22;
            uint16_t &dst = vs[row * VIEW_W + col];
            uint16_t fg = jpal_buf[colour];
            auto mix = [a](int f, int b) { return (f * a + b * (50 - a)) / 50; };
            dst = plat_makecol(mix(plat_getr(fg), plat_getr(dst)), mix(plat_getg(fg), plat_getg(dst)),
                               mix(plat_getb(fg), plat_getb(dst)));
        }
    }
}

int rising_fade(int t, int from) { return t <= from ? 1 : (t - from) * 12 + 3; }

void creature_overlays(const crt_rec &c, int x, int y, int w)
{
    if (c.type == 12) {
        // A flickering ring of runes turning over the sprite.
        int r = random() % 8 + 18;
        int alpha = random() % 200 + 20;
        draw_rottex(18, 4, (float)(x + 10), (float)(y + 10), (float)r, (float)(j[frame_count] % 64) / 10.0f, 2, 0,
                    alpha);
    }
    if (c.type == 13) draw_bmp(j[frame_count] % 10 + 400, 6, x, y - 10, c.facing, 0);
    int cx = x + w / 2;
    if (c.info_fade >= 1 && c.info_fade <= 50) health_bar(c, cx, y, c.info_fade);
    int t = c.miss_timer;
    if (t >= 1 && t <= 49) wrt2(cx - 8, y - (t / 2 + 8), 4, 16, 0, rising_fade(t, 30), "Miss ");
    if (t >= 51 && t <= 99) wrt2(cx - 8, y - (t / 2 - 17), 5, 16, 0, rising_fade(t, 80), "Dodge ");
    for (int k = 0; k < CRT_HIT_NUMS; k++) {
        int nt = c.hit_num_timer[k];
        if (nt <= 1) continue;
        int v = c.hit_num_value[k];
        wnum(cx - mid_num(v) / 2, y - (nt / 2 + 8), v, c.hit_num_colour[k], 0, rising_fade(nt, 30));
    }
}

}  // namespace

void draw_crt(int n, int g, int x, int y, int crt, int shade)
{
    raw_pic p;
    if (!stored_raw(n, g, p)) return;
    const crt_rec *c = crt >= 0 && crt < CRT_COUNT ? &CRT[crt] : nullptr;
    int mode = c ? c->tint_mode : 0;
    int dir = c ? c->facing : 1;
    x -= p.w / 2;
    y -= p.h;
    if (mode != 1 && mode != 2) {
        blit_view(p, x, y, dir, 0, slice(shade));
    } else {
        int pulse = tint_pulse(c->tint_rate);
        if (mode == 1 && c->tint_extra != 0) pulse = 1;
        long long tr = (long long)pulse * c->tint_r, tg = (long long)pulse * c->tint_g,
                  tb = (long long)pulse * c->tint_b;
        if (mode == 2) {
            tr /= 2;
            tg /= 2;
            tb /= 2;
        }
        const uint16_t *pal = mode == 1 ? jpal_buf : slice(shade);
        int r0 = y < 0 ? -y : 0, r1 = y + p.h > VIEW_H ? VIEW_H - y : p.h;
        int c0 = x < 0 ? -x : 0, c1 = x + p.w > VIEW_W ? VIEW_W - x : p.w;
        for (int r = r0; r < r1; r++) {
            const uint8_t *src = p.px + (size_t)r * p.w;
            uint16_t *dst = vs + (y + r) * VIEW_W + x;
            for (int col = c0; col < c1; col++) {
                uint8_t i = src[dir != 1 ? p.w - 1 - col : col];
                if (!i) continue;
                uint16_t px = mode == 1 ? pal[i] : blend(dst[col], pal[i], c->tint_extra);
                dst[col] = add_tint(px, tr, tg, tb);
            }
        }
    }
    if (c) creature_overlays(*c, x, y, p.w);
}

void fscr()
{
    do_flash();
    if (j[flash_on]) {
        auto amount = [](int v) { return (long long)v * 4; };
        long long dr = amount(j[flash_r]), dg = amount(j[flash_g]), db = amount(j[flash_b]);
        auto ch = [](long long v) { return v < 0 ? 0 : v > 254 ? 254 : (int)v; };
        if (rgb565()) {
            // Each channel of a 5-6-5 colour is tinted alone: three small tables
            // give the tinted bits of every value a channel can hold.
            uint16_t red[32], green[64], blue[32];
            for (int v = 0; v < 64; v++) {
                if (v < 32) {
                    red[v] = plat_makecol(ch(plat_getr((uint16_t)(v << 11)) + dr), 0, 0);
                    blue[v] = plat_makecol(0, 0, ch(plat_getb((uint16_t)v) + db));
                }
                green[v] = plat_makecol(0, ch(plat_getg((uint16_t)(v << 5)) + dg), 0);
            }
            for (int i = 0; i < VIEW_W * VIEW_H; i++) {
                uint16_t c = vs[i];
                vs[i] = (uint16_t)(red[c >> 11] | green[(c >> 5) & 63] | blue[c & 31]);
            }
        } else {
            for (int i = 0; i < VIEW_W * VIEW_H; i++) {
                uint16_t c = vs[i];
                vs[i] = plat_makecol(ch(plat_getr(c) + dr), ch(plat_getg(c) + dg), ch(plat_getb(c) + db));
            }
        }
        j[flash_on] = 0;
    }
    for (int r = 0; r < VIEW_H; r++) plat_write_line(r + VIEW_Y, VIEW_X, VIEW_W, vs + r * VIEW_W);
}

void fscr2()
{
    uint16_t line[SCR_W];
    for (int y = 0; y < SCR_H; y++) {
        const uint8_t *src = scr_buf + y * SCR_W;
        // Four columns share a shade: darkest at the edges, full light between 96 and 543.
        for (int x = 0; x < 96; x += 4) {
            const uint16_t *pal = jpal_buf + (24 - x / 4) * 256;
            for (int k = x; k < x + 4; k++) line[k] = pal[src[k]];
        }
        for (int x = 96; x < 544; x++) line[x] = jpal_buf[src[x]];
        for (int x = 544; x < SCR_W; x += 4) {
            const uint16_t *pal = jpal_buf + (x / 4 - 136) * 256;
            for (int k = x; k < x + 4; k++) line[k] = pal[src[k]];
        }
        plat_write_line(y, 0, SCR_W, line);
    }
}

}  // namespace hm
