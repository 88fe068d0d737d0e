// land_props.cpp -- the village's things: barrels, crates, wells, stalls, boats, chests,
// lights, furniture, markers (group 1)
//
// Square things (crates, chests, tables, stalls) are solids on the cell's grid; round
// things (barrels, wells, pots) stand upright on the screen, their rims drawn as flat
// ellipses.  Every picture is at least 60 x 40: the cell's middle is at (w / 2, h - 10).
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

float hh(int a, int b, uint32_t seed)
{
    uint32_t h = (uint32_t)a * 2654435761u ^ (uint32_t)b * 2246822519u ^ seed * 3266489917u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (float)(h & 0xffff) / 65535.0f;
}

// -- materials on solids ---------------------------------------------------------------------
surf_shader wood(float bias = 0, float board = 5.0f, uint32_t seed = 501)
{
    return [=](const surf &s) {
        // Boards run along x on tops and south faces, along y on west faces.
        float a = std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x;
        float b = std::fabs(s.n.z) > 0.5f ? s.p.y : s.p.z;
        int k = (int)std::floor((b + 100.0f) / board);
        float in_b = b + 100.0f - board * (float)k;
        float g = value_noise(a * 0.35f, b * 2.5f, 1.0f, seed);
        float t = light3(s.n) + bias - 0.05f + 0.14f * (g - 0.5f) + 0.08f * (hh(k, 0, seed) - 0.5f);
        if (in_b < 0.8f) t -= 0.25f;
        return ramp_dither(pal::WOOD, t, s.px, s.py);
    };
}

surf_shader plain(const pal::ramp &r, float bias = 0, float noise = 0.06f, uint32_t seed = 511)
{
    return [=](const surf &s) {
        float t = light3(s.n) + bias + noise * (value_noise(s.p.x + s.p.y, s.p.z + s.p.y * 0.5f, 2.0f, seed) - 0.5f);
        return ramp_dither(r, t, s.px, s.py);
    };
}

surf_shader stone_blocks(float bias = 0)
{
    return [=](const surf &s) {
        float a = std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x;
        float z = std::fabs(s.n.z) > 0.5f ? s.p.y : s.p.z;
        int k = (int)std::floor((z + 100.0f) / 6.0f);
        float in_c = z + 100.0f - 6.0f * (float)k;
        float in_b = std::fmod(a + 100.0f + (k % 2) * 5.0f, 10.0f);
        float t = light3(s.n) + bias + 0.12f * (hh((int)((a + 100.0f + (k % 2) * 5.0f) / 10.0f), k, 521) - 0.5f);
        if (in_c < 0.8f || in_b < 0.8f) t -= 0.3f;
        return ramp_dither(pal::STONE, t, s.px, s.py);
    };
}

void finish(canvas &c, const solid &sd, bool outline = true)
{
    std::vector<int> ids;
    sd.render(c, object_view(c.w, c.h), &ids);
    crease(c, ids, 1);
    if (outline) outline_inner(c, 1);
}

// -- upright round things on the screen ----------------------------------------------------------
// The side of a cylinder standing at (cx, base) with a rim of rx by ry, `height` tall;
// side(u, v) gets u -1..1 across and v 0..1 up, and returns a brightness offset and
// ramp through the callback.
using side_fn = std::function<uint8_t(float u, float v, int x, int y, float light)>;

void cylinder(canvas &c, float cx, float base, float rx, float ry, float height, const side_fn &side,
              const side_fn &lid)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float fx = (float)x + 0.5f, fy = (float)y + 0.5f;
            float u = (fx - cx) / rx;
            if (std::fabs(u) > 1.0f) continue;
            float arc = ry * std::sqrt(1.0f - u * u);
            float bottom = base + arc, top_front = base - height + arc;
            // Lid: the ellipse at the top.
            float lv = (fy - (base - height)) / ry;
            if (lid && u * u + lv * lv <= 1.0f) {
                c.set(x, y, lid(u, lv, x, y, lit({-u * 0.2f, -0.6f, 0.8f}, 0.25f)));
                continue;
            }
            if (fy > bottom || fy < top_front) continue;
            float v = (bottom - fy) / height;
            c.set(x, y, side(u, v, x, y, lit({u, 0, std::sqrt(std::max(0.0f, 1 - u * u))}, 0.22f)));
        }
}

void barrel(canvas &c, float cx, float base, float s, uint32_t seed)
{
    side_fn side = [=](float u, float v, int x, int y, float l) -> uint8_t {
        float stave = std::fmod((std::asin(std::max(-1.0f, std::min(1.0f, u))) + 2.0f) * 4.0f, 1.0f);
        float t = l + 0.08f * std::sin(v * 3.14159f) - 0.05f;
        if (stave < 0.12f) t -= 0.15f;
        if (std::fabs(v - 0.18f) < 0.06f || std::fabs(v - 0.82f) < 0.06f)
            return ramp_dither(pal::STEEL, t - 0.15f + 0.2f * (std::fabs(v - 0.18f) < 0.03f || std::fabs(v - 0.82f) < 0.03f), x, y);
        return ramp_dither(pal::WOOD, t + 0.05f * (hh((int)(stave * 9), (int)seed, 5) - 0.5f), x, y);
    };
    side_fn lid = [=](float u, float w, int x, int y, float l) -> uint8_t {
        float d = std::sqrt(u * u + w * w);
        if (d > 0.82f) return ramp_dither(pal::STEEL, 0.4f, x, y);
        float t = l - 0.05f + (std::fmod((u + 2.0f) * 3.0f, 1.0f) < 0.15f ? -0.15f : 0.0f);
        return ramp_dither(pal::WOOD, t, x, y);
    };
    cylinder(c, cx, base, 7.0f * s, 3.0f * s, 16.0f * s, side, lid);
}

void paint_barrels(canvas &c, int count)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    if (count == 1) barrel(c, cx, base, 1.0f, 1);
    else {
        barrel(c, cx + 7, base - 5, 0.9f, 2);
        barrel(c, cx - 8, base - 2, 0.95f, 3);
        barrel(c, cx + 3, base + 3, 1.0f, 4);
    }
    outline_inner(c, 1);
}

// A clay pot: a bulging round body with a narrow neck.
void paint_urn(canvas &c)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float fx = (float)x + 0.5f - cx, fy = base + 2 - ((float)y + 0.5f);
            if (fy < 0 || fy > 22) continue;
            float prof = fy < 16 ? 3.0f + 7.0f * std::sin((fy + 1) / 17.0f * 3.14159f) : 3.5f + (fy > 20 ? 1.5f : 0.0f);
            if (std::fabs(fx) > prof) continue;
            float u = fx / prof;
            float t = lit({u, fy < 8 ? 0.3f : -0.2f, std::sqrt(std::max(0.0f, 1 - u * u))}, 0.22f);
            if (std::fabs(fy - 12) < 0.7f) t -= 0.2f;   // a painted band
            c.set(x, y, ramp_dither(pal::TERRACOTTA, t, x, y));
        }
    ellipse(c, cx, base - 20, 3.5f, 1.2f, pal::INK, 0);
    outline_inner(c, 1);
}

// -- square things -----------------------------------------------------------------------------
void paint_crates(canvas &c, bool stack)
{
    solid sd;
    auto crate = [&](float x, float y, float z, float s) {
        surf_shader w = wood(0.05f, 4.0f, 531 + (uint32_t)x);
        sd.box({x, y, z}, {x + s, y + s, z + s * 0.8f}, [=](const surf &sf) {
            // A frame of darker battens round each face.
            float a = std::fabs(sf.n.x) > 0.5f ? sf.p.y - y : sf.p.x - x;
            float b = std::fabs(sf.n.z) > 0.5f ? sf.p.y - y : sf.p.z - z;
            float bh = std::fabs(sf.n.z) > 0.5f ? s : s * 0.8f;
            if (a < 2 || a > s - 2 || b < 2 || b > bh - 2) return ramp_dither(pal::WOOD, light3(sf.n) - 0.2f, sf.px, sf.py);
            return w(sf);
        });
    };
    if (!stack) crate(10, 10, 0, 20);
    else {
        crate(4, 6, 0, 18);
        crate(20, 18, 0, 18);
        crate(8, 10, 14.4f, 16);
    }
    finish(c, sd);
}

void paint_chest(canvas &c, int kind, bool open)
{
    solid sd;
    const pal::ramp &band = kind == 2 ? pal::GOLD : pal::STEEL;
    surf_shader body = kind == 1 ? plain(pal::STEEL, -0.1f, 0.1f) : wood(0.02f, 3.5f, 541);
    float x0 = 9, y0 = 12, x1 = 31, y1 = 27, h = 10, lid_h = 5;
    auto banded = [=](const surf &s) -> uint8_t {
        float a = std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x;
        bool strap = std::fabs(a - (x0 + 5)) < 1.2f || std::fabs(a - (x1 - 5)) < 1.2f;
        if (std::fabs(s.n.x) > 0.5f) strap = std::fabs(a - (y0 + y1) / 2) < 1.2f;
        if (strap) return ramp_dither(band, light3(s.n) - 0.05f, s.px, s.py);
        return body(s);
    };
    sd.box({x0, y0, 0}, {x1, y1, h}, banded);
    if (!open) {
        // The lid, rounded by two slopes, and a lock plate on the front.
        float m = (y0 + y1) / 2;
        sd.add({{x0, y0, h}, {x1, y0, h}, {x1, m, h + lid_h}, {x0, m, h + lid_h}}, banded);
        sd.add({{x0, m, h + lid_h}, {x1, m, h + lid_h}, {x1, y1, h}, {x0, y1, h}}, banded);
        sd.add({{x0, y0, h}, {x0, m, h + lid_h}, {x0, y1, h}}, banded, false, {-1, 0, 0});
        sd.box({(x0 + x1) / 2 - 2, y1, h - 5}, {(x0 + x1) / 2 + 2, y1 + 0.8f, h}, plain(pal::GOLD, 0.1f));
    } else {
        // Opened and emptied: the lid thrown back, the dark inside showing.
        sd.add({{x0 + 1.5f, y0 + 1.5f, h - 0.2f}, {x1 - 1.5f, y0 + 1.5f, h - 0.2f}, {x1 - 1.5f, y1 - 1.5f, h - 0.2f}, {x0 + 1.5f, y1 - 1.5f, h - 0.2f}},
               [](const surf &s) { return ramp_dither(pal::WOOD, 0.06f + 0.02f * (s.p.y), s.px, s.py); }, false, {0, 0, 1});
        sd.add({{x0, y0, h}, {x1, y0, h}, {x1, y0 - 2, h + 12}, {x0, y0 - 2, h + 12}}, banded, true);
    }
    finish(c, sd);
}

void paint_table(canvas &c, bool bench)
{
    solid sd;
    float h = bench ? 8 : 13, y0 = bench ? 16 : 10, y1 = bench ? 24 : 30;
    sd.box({5, y0, h - 2}, {35, y1, h}, wood(0.08f, 4.0f));
    for (float x : {7.0f, 31.0f})
        for (float y : {y0 + 1.5f, y1 - 3.0f}) sd.box({x, y, 0}, {x + 2, y + 1.5f, h - 2}, wood(-0.05f));
    if (!bench) {
        // A jug and a bowl on the table.
        sd.box({12, 16, h}, {16, 20, h + 5}, plain(pal::TERRACOTTA, 0.05f));
        sd.box({22, 18, h}, {28, 23, h + 2}, plain(pal::BONE, 0.0f));
    }
    finish(c, sd);
}

void paint_bed(canvas &c)
{
    solid sd;
    sd.box({3, 10, 0}, {37, 30, 7}, wood(0));
    sd.box({4, 11, 7}, {36, 29, 10}, plain(pal::BONE, 0.05f, 0.1f));
    sd.box({4, 11, 10}, {24, 29, 11}, [](const surf &s) {
        float t = light3(s.n) + ((int)std::floor(s.p.x / 3.0f) % 2 ? 0.0f : -0.1f);
        return ramp_dither(pal::CLOTH_RED, t, s.px, s.py);
    });
    sd.box({27, 13, 10}, {35, 27, 13}, plain(pal::BONE, 0.15f, 0.05f));   // pillow
    sd.box({36, 10, 0}, {38, 30, 16}, wood(-0.05f));   // headboard
    finish(c, sd);
}

void paint_chair(canvas &c)
{
    solid sd;
    sd.box({14, 14, 8}, {26, 26, 10}, wood(0.05f));
    for (float x : {14.5f, 24.0f})
        for (float y : {14.5f, 24.0f}) sd.box({x, y, 0}, {x + 1.5f, y + 1.5f, 8}, wood(-0.05f));
    sd.box({14, 14, 10}, {26, 16, 22}, wood(0));
    finish(c, sd);
}

void paint_bookshelf(canvas &c)
{
    solid sd;
    sd.box({2, 2, 0}, {38, 12, 34}, [](const surf &s) -> uint8_t {
        if (s.n.y > 0.5f && s.p.x > 4 && s.p.x < 36 && s.p.z > 2 && s.p.z < 32) {
            float shelf = std::fmod(s.p.z - 2, 10.0f);
            if (shelf < 1.5f) return ramp_dither(pal::WOOD, light3(s.n) + 0.05f, s.px, s.py);
            // Book spines in several colours, leaning a little.
            int book = (int)std::floor((s.p.x + std::floor((s.p.z - 2) / 10.0f) * 1.7f) / 2.2f);
            float hgt = 6.0f + 2.5f * hh(book, (int)((s.p.z - 2) / 10.0f), 551);
            if (shelf > 1.5f + hgt) return ramp_dither(pal::WOOD, 0.08f, s.px, s.py);
            const pal::ramp *rs[4] = {&pal::CLOTH_RED, &pal::CLOTH_BLUE, &pal::LEATHER, &pal::FOLIAGE};
            const pal::ramp &r = *rs[(int)(hh(book, 7, 552) * 4) % 4];
            return ramp_dither(r, light3(s.n) - 0.05f + (std::fabs(shelf - 4) < 0.5f ? 0.2f : 0.0f), s.px, s.py);
        }
        return wood(0)(s);
    });
    finish(c, sd);
}

void paint_rack(canvas &c)
{
    solid sd;
    sd.box({6, 18, 0}, {8, 20, 24}, wood(0));
    sd.box({32, 18, 0}, {34, 20, 24}, wood(0));
    sd.box({6, 18, 20}, {34, 20, 22}, wood(0.05f));
    sd.box({6, 18, 6}, {34, 20, 8}, wood(0.05f));
    for (int i = 0; i < 4; i++) {
        float x = 11.0f + 6.0f * (float)i;
        sd.box({x, 20, 4}, {x + 1, 21, 30}, plain(pal::STEEL, 0.1f, 0.02f));   // shafts and blades
        if (i % 2) sd.box({x - 1.5f, 20, 26}, {x + 2.5f, 21, 31}, plain(pal::STEEL, 0.2f, 0.0f));
    }
    finish(c, sd);
}

void paint_trough(canvas &c)
{
    solid sd;
    surf_shader w = wood(0.02f);
    sd.box({4, 14, 0}, {36, 16, 8}, w);
    sd.box({4, 24, 0}, {36, 26, 8}, w);
    sd.box({4, 16, 0}, {6, 24, 8}, w);
    sd.box({34, 16, 0}, {36, 24, 8}, w);
    sd.add({{6, 16, 6}, {34, 16, 6}, {34, 24, 6}, {6, 24, 6}},
           [](const surf &s) { return ramp_dither(pal::WATER, 0.45f + 0.25f * (std::fmod(s.p.x + s.p.y * 0.5f, 9.0f) < 1.2f), s.px, s.py); },
           false, {0, 0, 1});
    finish(c, sd);
}

void paint_cart(canvas &c)
{
    solid sd;
    sd.box({4, 10, 8}, {36, 30, 18}, wood(0.02f, 3.0f));
    sd.box({36, 18, 9}, {52, 20, 11}, wood(-0.05f));   // shafts
    sd.box({36, 24, 9}, {52, 26, 11}, wood(-0.05f));
    sd.box({10, 14, 18}, {30, 26, 22}, plain(pal::THATCH, 0.05f, 0.2f));   // a load of hay
    finish(c, sd, false);
    // Two spoked wheels on the west side, upright on the screen.
    float cy = (float)c.h - 10 - 6;
    for (float wx : {(float)c.w / 2 - 12.0f, (float)c.w / 2 + 4.0f}) {
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++) {
                float dx = (float)x + 0.5f - wx, dy = (float)y + 0.5f - (cy + (wx > (float)c.w / 2 - 5 ? 4.0f : 0.0f));
                float d = std::hypot(dx, dy * 1.05f);
                float a = std::atan2(dy, dx);
                bool rim = d > 6.5f && d < 8.5f, hub = d < 2.0f;
                bool spoke = d < 7.0f && std::fabs(std::fmod(a + 6.2832f, 1.0472f) - 0.52f) < 0.12f;
                if (rim || hub || spoke) c.set(x, y, ramp_dither(pal::WOOD, 0.3f + 0.3f * (dy < 0) + (hub ? 0.2f : 0.0f), x, y));
            }
    }
    outline_inner(c, 1);
}

void paint_woodpile(canvas &c)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int row = 0; row < 3; row++)
        for (int k = 0; k < 5 - row; k++) {
            float x = cx - 14 + (float)k * 7 + (float)row * 3.5f, y = base - 2 - (float)row * 6;
            capsule(c, x - 6, y - 4, x, y, 3.2f, pal::LEATHER, 0.0f);
            for (int yy = (int)(y - 3); yy <= (int)(y + 3); yy++)
                for (int xx = (int)(x - 3); xx <= (int)(x + 3); xx++) {
                    float d = std::hypot((float)xx + 0.5f - x, ((float)yy + 0.5f - y) * 1.1f);
                    if (d < 3.0f) c.set(xx, yy, ramp_dither(pal::SAND, d > 2.2f ? 0.3f : 0.65f - 0.1f * (d > 1.2f), xx, yy));
                }
        }
    outline_inner(c, 1);
}

void paint_anvil(canvas &c)
{
    solid sd;
    sd.box({14, 14, 0}, {26, 26, 8}, wood(-0.05f));
    sd.box({16, 17, 8}, {24, 23, 11}, plain(pal::STEEL, -0.1f, 0.04f));
    sd.box({11, 16, 11}, {30, 24, 15}, plain(pal::STEEL, 0.0f, 0.04f));
    sd.add({{30, 17, 15}, {36, 20, 14}, {30, 23, 15}}, plain(pal::STEEL, 0.05f, 0.0f), true);
    sd.box({5, 26, 0}, {9, 30, 14}, plain(pal::STEEL, -0.1f, 0.0f));   // a hammer leaning
    finish(c, sd);
}

void paint_signpost(canvas &c, bool board)
{
    solid sd;
    sd.box({19, 19, 0}, {21.5f, 21.5f, board ? 26.0f : 36.0f}, wood(0));
    if (board) {
        sd.box({6, 19.5f, 12}, {34, 21, 28}, wood(0.05f, 4.0f));
        // Notes pinned on the board.
        sd.box({9, 21, 16}, {15, 21.3f, 23}, plain(pal::BONE, 0.2f, 0.0f));
        sd.box({18, 21, 19}, {24, 21.3f, 26}, plain(pal::BONE, 0.15f, 0.0f));
        sd.box({26, 21, 14}, {31, 21.3f, 20}, plain(pal::SAND, 0.15f, 0.0f));
        sd.box({5, 18, 28}, {35, 23, 30}, wood(0.1f));
    } else {
        sd.box({21.5f, 19.8f, 28}, {36, 21, 33}, wood(0.08f));
        sd.add({{36, 19.8f, 28}, {39, 19.8f, 30.5f}, {36, 19.8f, 33}}, wood(0.08f), true);
        sd.box({4, 19.8f, 20}, {19, 21, 25}, wood(0.02f));
        sd.add({{4, 21, 20}, {1, 21, 22.5f}, {4, 21, 25}}, wood(0.02f), true);
    }
    finish(c, sd);
}

// A market stall: a counter with goods under a striped awning.
void paint_stall(canvas &c, const pal::ramp &cloth)
{
    solid sd;
    sd.box({4, 14, 0}, {36, 24, 12}, wood(0.02f, 4.0f));
    for (float x : {4.0f, 34.0f})
        for (float y : {8.0f, 24.0f}) sd.box({x, y, 0}, {x + 2, y + 2, y < 10 ? 34.0f : 28.0f}, wood(-0.02f));
    auto stripes = [&cloth](const surf &s) {
        bool band = (int)std::floor((s.p.x + 100.0f) / 5.0f) % 2;
        if (band) return ramp_dither(pal::BONE, light3(s.n) + 0.05f, s.px, s.py);
        return ramp_dither(cloth, light3(s.n) + 0.05f, s.px, s.py);
    };
    sd.add({{2, 6, 34}, {38, 6, 34}, {38, 28, 27}, {2, 28, 27}}, stripes, true);
    sd.add({{2, 28, 27}, {38, 28, 27}, {38, 28.5f, 23}, {2, 28.5f, 23}}, [&](const surf &s) {
        float scallop = std::fabs(std::sin(s.p.x * 0.6283f)) * 3.0f;
        if (s.p.z < 23 + scallop) return (uint8_t)0;
        return stripes(s);
    }, true);
    // Goods on the counter: apples, cabbages, a loaf.
    for (int i = 0; i < 6; i++) {
        float x = 7.0f + (float)i * 4.8f;
        const pal::ramp &r = i % 3 == 0 ? pal::CLOTH_RED : i % 3 == 1 ? pal::FOLIAGE : pal::SAND;
        sd.box({x, 16, 12}, {x + 3.5f, 20, 15}, plain(r, 0.1f, 0.1f));
    }
    finish(c, sd);
}

// A boat lying west-east: the inside between its two gunwales, the near side of the
// hull below, planked; bow and stern taper to points.
void paint_boat(canvas &c, bool sail)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    float L = sail ? 34.0f : 28.0f, W = sail ? 7.0f : 6.0f, cy = base - 5;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float u = ((float)x + 0.5f - cx) / L, fy = (float)y + 0.5f;
            if (std::fabs(u) >= 1.0f) continue;
            float k = 1.0f - u * u;
            float half = W * std::pow(k, 0.7f);
            float depth = 7.0f * k + 1.0f;
            float north = cy - half + 3.0f * u * u, south = cy + half - 2.0f * u * u;   // the ends rise
            if (fy < north - 1.0f || fy > south + depth) continue;
            uint8_t v;
            if (fy < north + 0.5f || std::fabs(fy - south) < 0.8f) {
                v = ramp_dither(pal::WOOD, 0.75f - 0.2f * (fy > cy), x, y);   // gunwales
            } else if (fy < south) {
                // The inside: bottom boards and thwarts across.
                float thwart = std::fmod((float)x - cx + 400.0f, sail ? 17.0f : 14.0f);
                float t = 0.18f + 0.25f * (fy - north) / std::max(1.0f, south - north);
                if (thwart < 2.5f) t = 0.55f;
                v = ramp_dither(pal::WOOD, t, x, y);
            } else {
                int plank = (int)((fy - south) / 2.4f);
                float t = 0.5f - 0.07f * (float)plank + 0.15f * (1 - std::fabs(u)) - 0.25f * (u > 0.6f);
                if (std::fmod(fy - south, 2.4f) < 0.7f) t -= 0.14f;
                v = ramp_dither(plank == 0 ? pal::CLOTH_BLUE : pal::WOOD, t, x, y);   // a painted strake
            }
            c.set(x, y, v);
        }
    // Ripples where the hull meets the water.
    for (int x = (int)(cx - L * 0.9f); x < (int)(cx + L * 0.9f); x++) {
        float u = ((float)x + 0.5f - cx) / L;
        int y = (int)(cy + W * std::pow(1 - u * u, 0.7f) - 2.0f * u * u + 7.0f * (1 - u * u) + 1.5f);
        if ((x / 3) % 2) c.set(x, y, pal::WATER[8]);
    }
    if (sail) {
        capsule(c, cx, cy, cx, cy - 78, 1.2f, pal::WOOD, 0.0f);
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++) {
                float fy = (float)y + 0.5f, fx = (float)x + 0.5f;
                float f = (fy - (cy - 74)) / 62.0f;   // 0 at the top of the sail
                if (f < 0 || f > 1 || fx <= cx + 1 || fx > cx + 2 + 26.0f * f + 3.0f * std::sin(f * 3.14f)) continue;
                float t = 0.55f + 0.25f * (1 - (fx - cx) / 30.0f) - 0.1f * f;
                if (std::fmod(fy, 12.0f) < 0.8f) t -= 0.12f;   // seams
                c.set(x, y, ramp_dither(pal::BONE, t, x, y));
            }
    } else {
        capsule(c, cx - 18, cy - 1, cx + 14, cy + 3, 0.9f, pal::WOOD, 0.15f);   // oars shipped
        capsule(c, cx - 14, cy + 1, cx + 18, cy - 2, 0.9f, pal::WOOD, 0.1f);
    }
    outline_inner(c, 1);
}

void paint_jetty(canvas &c)
{
    solid sd;
    sd.box({0, 4, 2}, {40, 36, 4}, [](const surf &s) {
        float a = s.p.x;
        int k = (int)std::floor(a / 5.0f);
        float t = light3(s.n) - 0.05f + 0.1f * (hh(k, 0, 561) - 0.5f) + 0.1f * (value_noise(s.p.x * 2, s.p.y * 0.3f, 1.0f, 562) - 0.5f);
        if (std::fmod(a, 5.0f) < 0.8f) t -= 0.3f;
        return ramp_dither(pal::WOOD, t, s.px, s.py);
    });
    for (float x : {1.0f, 36.0f}) sd.box({x, 33, -8}, {x + 3, 36, 6}, wood(-0.1f));
    finish(c, sd, false);
}

void paint_post(canvas &c)
{
    solid sd;
    sd.box({17, 17, 0}, {22, 22, 22}, wood(-0.05f));
    sd.box({16, 16, 15}, {23, 23, 17}, plain(pal::THATCH, -0.1f, 0.2f));   // a coil of rope
    finish(c, sd);
}

void paint_gravestone(canvas &c, uint32_t seed)
{
    solid sd;
    sd.box({11, 18, 0}, {29, 23, 20}, [seed](const surf &s) -> uint8_t {
        // A rounded top, a cross cut in the face, lichen.
        if (s.p.z > 16) {
            float dx = s.p.x - 20, dz = s.p.z - 16;
            if (dx * dx + dz * dz * 4 > 81 + 0.01f && s.n.z < 0.5f) return 0;
        }
        float t = light3(s.n) - 0.05f + 0.1f * (value_noise(s.p.x, s.p.z, 2.0f, seed) - 0.5f);
        if (s.n.y > 0.5f && ((std::fabs(s.p.x - 20) < 0.8f && s.p.z > 6 && s.p.z < 17) || (std::fabs(s.p.z - 13) < 0.8f && std::fabs(s.p.x - 20) < 4)))
            t -= 0.3f;
        if (value_noise(s.p.x * 2, s.p.z * 2, 1.0f, seed + 1) > 0.78f) return ramp_dither(pal::FOLIAGE, 0.4f, s.px, s.py);
        return ramp_dither(pal::STONE, t, s.px, s.py);
    });
    finish(c, sd);
}

void paint_scarecrow(canvas &c)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    capsule(c, cx, base, cx, base - 44, 1.3f, pal::WOOD, 0);
    capsule(c, cx - 14, base - 34, cx + 14, base - 35, 1.1f, pal::WOOD, 0.05f);
    // A ragged coat, a sack head and a straw hat.
    for (int y = (int)base - 37; y < (int)base - 16; y++)
        for (int x = (int)cx - 8; x <= (int)cx + 8; x++) {
            float fy = (float)y - (base - 37);
            float half = 4.5f + fy * 0.25f;
            if (std::fabs((float)x + 0.5f - cx) > half || (y == (int)base - 17 && x % 3 == 0)) continue;
            c.set(x, y, ramp_dither(pal::CLOTH_BLUE, 0.5f - 0.3f * ((float)x - cx) / 9.0f - 0.01f * fy, x, y));
        }
    for (int k = -12; k <= 12; k++)
        if (std::abs(k) > 6) c.set((int)cx + k, (int)base - 35 + (std::abs(k) > 10), pal::CLOTH_BLUE[3]);
    ellipse(c, cx, base - 42, 4.0f, 4.0f, pal::SAND, 0.05f);
    c.set((int)cx - 1, (int)base - 43, pal::INK[0]);
    c.set((int)cx + 2, (int)base - 43, pal::INK[0]);
    ellipse(c, cx, base - 46, 8.0f, 2.0f, pal::THATCH, 0.1f);
    ellipse(c, cx, base - 48, 4.5f, 2.5f, pal::THATCH, 0.15f);
    for (int k = 0; k < 4; k++) c.set((int)cx - 9 - k % 2, (int)base - 34 + k, pal::THATCH[6]);
    outline_inner(c, 1);
}

void paint_beehive(canvas &c)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    solid sd;
    sd.box({12, 14, 0}, {28, 26, 6}, wood(0));
    sd.render(c, object_view(c.w, c.h));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float fx = (float)x + 0.5f - cx, fy = base - 8 - ((float)y + 0.5f);
            if (fy < 0 || fy > 16) continue;
            float half = 9.0f * std::sqrt(std::max(0.0f, 1 - (fy / 16.5f) * (fy / 16.5f)));
            if (std::fabs(fx) > half) continue;
            float u = fx / std::max(1.0f, half);
            float t = lit({u, -fy / 20.0f, std::sqrt(std::max(0.0f, 1 - u * u))}, 0.2f);
            if (std::fmod(fy, 3.2f) < 0.9f) t -= 0.2f;   // coils of straw
            c.set(x, y, ramp_dither(pal::THATCH, t, x, y));
        }
    ellipse(c, cx, base - 10, 1.8f, 1.2f, pal::INK, 0);
    outline_inner(c, 1);
}

void paint_haystack(canvas &c)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float fx = (float)x + 0.5f - cx, fy = base + 3 - ((float)y + 0.5f);
            if (fy < 0 || fy > 34) continue;
            float half = 17.0f * std::pow(std::max(0.0f, 1 - fy / 35.0f), 0.55f) + 2.0f * (value_noise((float)x, (float)y, 2.0f, 571) - 0.5f);
            if (std::fabs(fx) > half) continue;
            float u = fx / std::max(1.0f, half);
            float t = lit({u, -0.4f, std::sqrt(std::max(0.0f, 1 - u * u))}, 0.2f) + 0.2f * (value_noise((float)x * 1.5f, (float)y * 0.5f, 1.0f, 572) - 0.5f);
            c.set(x, y, ramp_dither(pal::THATCH, t, x, y));
        }
    outline_inner(c, 1);
}

void paint_sacks(canvas &c)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    const float xs[3] = {-8, 6, -1}, ys[3] = {-2, -1, 3};
    for (int i = 0; i < 3; i++) {
        ellipse(c, cx + xs[i], base + ys[i] - 6, 6.5f, 7.5f, pal::BONE, -0.05f);
        ellipse(c, cx + xs[i], base + ys[i] - 14, 3.0f, 2.0f, pal::BONE, -0.1f);
        c.set((int)(cx + xs[i]), (int)(base + ys[i] - 12), pal::LEATHER[3]);
    }
    outline_inner(c, 1);
}

// A pile of broken stones and planks.
void paint_rubble(canvas &c, bool wall, uint32_t seed)
{
    solid sd;
    rng g(seed);
    int n = wall ? 40 : 9;
    for (int i = 0; i < n; i++) {
        float s = wall ? (float)g.range(6, 11) : (float)g.range(3, 6);
        float x = (float)g.range(0, 40 - (int)s), y = wall ? (float)g.range(8, 32 - (int)s) : (float)g.range(8, 32 - (int)s);
        // Stones heap up towards the middle of the cell.
        float zmax = wall ? 26.0f * (1 - std::fabs(y + s / 2 - 20) / 16.0f) * (0.6f + 0.4f * (float)i / (float)n) : 2.0f;
        float z = wall ? (float)g.range(0, std::max(0, (int)zmax)) * (float)i / (float)n : 0;
        if (i % 5 == 4) sd.box({x, y, z}, {x + s * 1.8f, y + 1.5f, z + 1.5f}, wood(-0.1f));
        else sd.box({x, y, z}, {x + s, y + s * 0.8f, z + s * 0.7f}, plain(pal::STONE, -0.05f + 0.1f * g.uniform(), 0.12f, 581 + (uint32_t)i));
    }
    finish(c, sd);
}

// Garden beds: a wooden border round dark soil and what grows in it.
void paint_bed_plants(canvas &c, int kind)
{
    solid sd;
    sd.box({3, 6, 0}, {37, 34, 2}, [](const surf &s) {
        bool border = s.p.x < 5 || s.p.x > 35 || s.p.y < 8 || s.p.y > 32;
        if (border) return ramp_dither(pal::WOOD, light3(s.n) + 0.05f, s.px, s.py);
        float t = 0.18f + 0.15f * value_noise(s.p.x, s.p.y, 2.0f, 591);
        return ramp_dither(pal::EARTH, t, s.px, s.py);
    });
    sd.render(c, object_view(c.w, c.h));
    solid_view v = object_view(c.w, c.h);
    rng g(600 + (uint32_t)kind);
    for (int row = 0; row < 3; row++)
        for (int k = 0; k < 5; k++) {
            float x = 8.0f + (float)k * 6.5f, y = 12.0f + (float)row * 8.0f;
            pt p = project(v, {x, y, 2});
            if (kind == 0) {   // flowers
                const pal::ramp &r = row == 0 ? pal::CLOTH_RED : row == 1 ? pal::GOLD : pal::MAGIC;
                for (int j = 0; j < 3; j++) {
                    int px = (int)p.x + g.range(-1, 1), py = (int)p.y - g.range(1, 4);
                    c.set(px, py + 1, pal::FOLIAGE[4]);
                    c.set(px, py, r[r.len - 1 - j]);
                    c.set(px + 1, py, r[r.len - 2]);
                }
            } else if (kind == 1) {   // cabbages
                ellipse(c, p.x, p.y - 2, 3.0f, 2.2f, pal::FOLIAGE, 0.15f);
            } else if (kind == 2) {   // pumpkins among leaves
                if ((k + row) % 2) ellipse(c, p.x, p.y - 2, 3.5f, 2.5f, pal::GOLD, -0.1f);
                else ellipse(c, p.x, p.y - 1, 2.5f, 1.5f, pal::FOLIAGE, 0.0f);
            } else {   // wheat
                for (int j = -2; j <= 2; j++)
                    for (int h = 0; h < 9; h++) c.set((int)p.x + j, (int)p.y - h, h > 6 ? pal::GOLD[5 + (j & 1)] : pal::THATCH[3 + h / 3]);
            }
        }
    outline_inner(c, 1);
}

// -- lights and things that move ---------------------------------------------------------------
// A flame: a teardrop from hot white at its heart to red at its tips.
void flame(canvas &c, float cx, float base, float h, float w, int frame)
{
    for (int y = (int)(base - h) - 2; y <= (int)base + 1; y++)
        for (int x = (int)(cx - w) - 2; x <= (int)(cx + w) + 2; x++) {
            float fy = (base - ((float)y + 0.5f)) / h;   // 0 at the base, 1 at the tip
            if (fy < -0.1f || fy > 1.0f) continue;
            float sway = 0.25f * w * std::sin(fy * 5.0f + (float)frame * 2.1f) * fy;
            float half = w * std::sqrt(std::max(0.0f, 1 - fy)) * (0.7f + 0.3f * std::sin(fy * 3.14159f + 0.3f));
            float fx = ((float)x + 0.5f - cx - sway) / std::max(0.5f, half);
            if (std::fabs(fx) > 1.0f) continue;
            float heat = (1 - std::fabs(fx)) * (1 - fy * 0.8f);
            c.set(x, y, ramp_dither(pal::FIRE, 0.25f + 0.8f * heat, x, y));
        }
}

void paint_torch(canvas &c, int frame)
{
    solid sd;
    sd.box({18.5f, 18.5f, 0}, {21.5f, 21.5f, 30}, wood(-0.05f));
    sd.box({17, 17, 28}, {23, 23, 33}, plain(pal::STEEL, -0.1f, 0.0f));   // the iron basket
    finish(c, sd);
    solid_view v = object_view(c.w, c.h);
    pt p = project(v, {20, 20, 33});
    flame(c, p.x, p.y, frame ? 14.0f : 12.0f, 4.0f, frame);
}

void paint_campfire(canvas &c, int frame)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    // A ring of stones and crossed logs.
    for (int i = 0; i < 9; i++) {
        float a = (float)i / 9.0f * 6.283f;
        ellipse(c, cx + std::cos(a) * 11, base + std::sin(a) * 5, 2.8f, 2.0f, pal::STONE, 0.0f);
    }
    capsule(c, cx - 8, base + 2, cx + 7, base - 3, 2.0f, pal::LEATHER, -0.1f);
    capsule(c, cx - 7, base - 3, cx + 8, base + 2, 2.0f, pal::LEATHER, -0.05f);
    outline_inner(c, 1);
    flame(c, cx - 2, base, 15.0f + (float)((frame + 1) % 3), 5.5f, frame);
    flame(c, cx + 3, base + 1, 10.0f + (float)(frame % 2) * 2, 4.0f, frame + 1);
    // Sparks rising.
    rng g(620 + (uint32_t)frame);
    for (int i = 0; i < 4; i++) c.set((int)cx + g.range(-6, 6), (int)base - 18 - g.range(0, 14), pal::FIRE[6 + g.range(0, 1)]);
}

void paint_lamp_post(canvas &c, int frame)
{
    solid sd;
    sd.box({18, 18, 0}, {22, 22, 3}, plain(pal::STONE, 0.0f));
    sd.box({19, 19, 3}, {21, 21, 46}, plain(pal::STEEL, -0.15f, 0.02f));
    sd.box({20, 19.3f, 44}, {30, 20.7f, 45.5f}, plain(pal::STEEL, -0.1f, 0.0f));   // the arm
    // The lantern hanging from the arm: glass lit from inside.
    sd.box({25, 17, 33}, {31, 23, 42}, [frame](const surf &s) -> uint8_t {
        float a = std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x;
        bool frame_bar = std::fmod(a + 100.0f, 6.0f) < 0.9f || s.p.z < 34 || s.p.z > 41;
        if (frame_bar || s.n.z > 0.5f) return ramp_dither(pal::STEEL, light3(s.n) - 0.2f, s.px, s.py);
        return ramp_dither(pal::FIRE, 0.7f + 0.1f * (float)frame + 0.1f * (s.p.z > 37), s.px, s.py);
    });
    sd.add({{24, 16, 42}, {32, 16, 42}, {28, 20, 46}}, plain(pal::STEEL, -0.05f, 0.0f), true);
    sd.add({{32, 16, 42}, {32, 24, 42}, {28, 20, 46}}, plain(pal::STEEL, -0.1f, 0.0f), true);
    sd.add({{24, 24, 42}, {32, 24, 42}, {28, 20, 46}}, plain(pal::STEEL, -0.15f, 0.0f), true);
    finish(c, sd);
}

void paint_lantern_post(canvas &c)
{
    solid sd;
    sd.box({18.5f, 18.5f, 0}, {21.5f, 21.5f, 22}, wood(-0.05f));
    sd.box({17, 17, 22}, {23, 23, 30}, [](const surf &s) -> uint8_t {
        float a = std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x;
        if (s.n.z > 0.5f || std::fmod(a + 100.0f, 6.0f) < 1.0f || s.p.z > 29) return ramp_dither(pal::STEEL, light3(s.n) - 0.2f, s.px, s.py);
        return ramp_dither(pal::FIRE, 0.72f + 0.08f * (s.p.z > 25), s.px, s.py);
    });
    sd.add({{16, 16, 30}, {24, 16, 30}, {20, 20, 33}}, plain(pal::STEEL, -0.05f, 0.0f), true);
    sd.add({{16, 24, 30}, {24, 24, 30}, {20, 20, 33}}, plain(pal::STEEL, -0.15f, 0.0f), true);
    sd.add({{16, 16, 30}, {16, 24, 30}, {20, 20, 33}}, plain(pal::STEEL, 0.0f, 0.0f), true);
    finish(c, sd);
}

void paint_hearth(canvas &c, int frame)
{
    solid sd;
    sd.box({2, 6, 0}, {38, 16, 30}, stone_blocks(0.0f));
    sd.box({0, 4, 30}, {40, 17, 33}, stone_blocks(0.1f));   // mantel
    sd.box({10, 6, 33}, {30, 14, 46}, stone_blocks(-0.02f));   // chimney breast
    finish(c, sd, false);
    // The fire's mouth in the front face, and the flames in it.
    solid_view v = object_view(c.w, c.h);
    pt a = project(v, {10, 16, 2}), b = project(v, {30, 16, 20});
    for (int y = (int)b.y; y < (int)a.y; y++)
        for (int x = (int)a.x; x < (int)b.x; x++) {
            float arch = (float)y - b.y;
            if (arch < 3 && (std::fabs((float)x - (a.x + b.x) / 2) > (b.x - a.x) / 2 - 3 + arch)) continue;
            c.set(x, y, ramp_dither(pal::INK, 0.3f + 0.3f * ((float)y - b.y) / (a.y - b.y), x, y));
        }
    flame(c, (a.x + b.x) / 2 - 2, a.y - 1, 10.0f + (float)frame, 4.5f, frame);
    flame(c, (a.x + b.x) / 2 + 4, a.y - 1, 7.0f + (float)((frame + 1) % 3), 3.0f, frame + 1);
    outline_inner(c, 1);
}

void paint_cauldron(canvas &c, int frame)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    capsule(c, cx - 7, base + 2, cx + 6, base - 2, 1.6f, pal::LEATHER, -0.1f);
    capsule(c, cx - 6, base - 2, cx + 7, base + 2, 1.6f, pal::LEATHER, -0.05f);
    flame(c, cx, base, 8.0f, 5.0f, frame);
    side_fn side = [](float u, float v, int x, int y, float l) -> uint8_t {
        (void)v;
        return ramp_dither(pal::STEEL, l * 0.6f - 0.05f + 0.1f * (u < -0.5f), x, y);
    };
    side_fn lid = [frame](float u, float w, int x, int y, float) -> uint8_t {
        if (u * u + w * w > 0.7f) return ramp_dither(pal::STEEL, 0.45f, x, y);
        return ramp_dither(pal::EMERALD, 0.4f + 0.25f * (std::sin((u + w) * 6 + (float)frame) > 0.6f), x, y);
    };
    cylinder(c, cx, base - 6, 9.0f, 3.5f, 10.0f, side, lid);
    // Steam.
    for (int i = 0; i < 5; i++) c.set((int)cx - 3 + i * 2 + (frame + i) % 2, (int)base - 21 - i % 3 - frame, pal::GREY[9]);
    outline_inner(c, 1);
}

// A round stone well with a little roof, a crank and a bucket.
void paint_well(canvas &c)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    side_fn side = [](float u, float v, int x, int y, float l) -> uint8_t {
        float a = std::asin(std::max(-1.0f, std::min(1.0f, u))) * 6.0f;
        int course = (int)(v * 4.0f);
        float in_c = v * 4.0f - (float)course;
        float in_b = std::fmod(a + 10.0f + (course % 2) * 0.5f, 1.0f);
        float t = l - 0.02f + 0.1f * (std::fmod((float)course * 3.7f + std::floor(a + (course % 2) * 0.5f) * 1.3f, 1.0f) - 0.5f);
        if (in_c < 0.12f || in_b < 0.08f) t -= 0.28f;
        return ramp_dither(pal::STONE, t, x, y);
    };
    side_fn lid = [](float u, float w, int x, int y, float) -> uint8_t {
        float d = std::sqrt(u * u + w * w);
        if (d > 0.74f) return ramp_dither(pal::STONE, 0.62f - 0.2f * (w > 0), x, y);
        return ramp_dither(pal::WATER, 0.1f + 0.2f * (w > 0.2f) + 0.3f * (std::fabs(u + w * 0.5f) < 0.08f), x, y);
    };
    cylinder(c, cx, base - 1, 15.0f, 6.5f, 12.0f, side, lid);
    // Posts, a crank beam and the roof.
    capsule(c, cx - 13, base - 10, cx - 13, base - 42, 1.4f, pal::WOOD, 0.0f);
    capsule(c, cx + 13, base - 10, cx + 13, base - 42, 1.4f, pal::WOOD, -0.1f);
    capsule(c, cx - 14, base - 33, cx + 16, base - 33, 1.2f, pal::WOOD, 0.05f);
    capsule(c, cx + 16, base - 33, cx + 18, base - 29, 0.8f, pal::STEEL, 0.0f);
    line(c, (int)cx + 2, (int)base - 32, (int)cx + 2, (int)base - 22, pal::THATCH[3]);
    solid sd;
    sd.add({{6, 10, 40}, {34, 10, 40}, {36, 20, 48}, {4, 20, 48}}, plain(pal::THATCH, 0.1f, 0.2f), true);
    sd.add({{4, 20, 48}, {36, 20, 48}, {34, 30, 40}, {6, 30, 40}}, plain(pal::THATCH, -0.05f, 0.2f), true);
    canvas roof(c.w, c.h);
    sd.render(roof, object_view(c.w, c.h));
    blit(c, roof, 0, -4);
    // The bucket on the rim.
    ellipse(c, cx + 2, base - 20, 2.6f, 3.0f, pal::WOOD, 0.0f);
    outline_inner(c, 1);
}

// A fountain: a stone basin, a pillar and water falling from its bowl (three frames).
void paint_fountain(canvas &c, int frame)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    side_fn rim = [](float u, float v, int x, int y, float l) -> uint8_t {
        (void)u;
        return ramp_dither(pal::STONE, l + (v > 0.8f ? 0.12f : 0.0f), x, y);
    };
    side_fn pool = [frame](float u, float w, int x, int y, float) -> uint8_t {
        float d = std::sqrt(u * u + w * w);
        if (d > 0.86f) return ramp_dither(pal::STONE, 0.65f - 0.25f * (w > 0), x, y);
        float ring = std::sin(d * 14.0f - (float)frame * 2.1f);
        return ramp_dither(pal::WATER, 0.45f + 0.12f * w + (ring > 0.75f ? 0.25f : 0.0f), x, y);
    };
    cylinder(c, cx, base - 1, 24.0f, 10.0f, 7.0f, rim, pool);
    side_fn pillar = [](float u, float v, int x, int y, float l) -> uint8_t {
        (void)u;
        return ramp_dither(pal::STONE, l + (std::fmod(v * 5, 1.0f) < 0.15f ? -0.2f : 0.0f), x, y);
    };
    cylinder(c, cx, base - 8, 3.0f, 1.3f, 16.0f, pillar, pillar);
    side_fn bowl_lid = [](float u, float w, int x, int y, float) -> uint8_t {
        return ramp_dither(u * u + w * w > 0.6f ? pal::STONE : pal::WATER, 0.6f, x, y);
    };
    cylinder(c, cx, base - 24, 9.0f, 3.5f, 3.0f, rim, bowl_lid);
    // Water arcing down from the bowl into the pool, with spray at the foot.
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; k++) {
            float phase = (float)((frame + k) % 3) / 3.0f;
            for (int i = 0; i < 14; i++) {
                float t = (float)i / 13.0f;
                float x = cx + (float)side * (8.5f + 7.0f * t), y = base - 27 + 22.0f * t * t;
                if (std::fmod(t + phase, 0.34f) < 0.2f) c.set((int)x, (int)y, pal::WATER[8 + (i % 2)]);
                else c.set((int)x, (int)y, pal::WATER[6]);
            }
            c.set((int)(cx + (float)side * (16 + frame)), (int)base - 5 - (k + frame) % 3, pal::WATER[9]);
        }
    for (int i = 0; i < 5; i++) c.set((int)cx - 2 + i, (int)base - 29 - ((i + frame) % 3), pal::WATER[9]);
    outline_inner(c, 1);
}

// The editor's mark on a spawner's cell: a banner on a pole over a red ring.
void paint_spawner_mark(canvas &c)
{
    solid_view v = object_view(c.w, c.h);
    for (int i = 0; i < 64; i++) {
        float a = (float)i / 64.0f * 6.2832f;
        pt p = project(v, {20 + 15 * std::cos(a), 20 + 15 * std::sin(a), 0});
        c.set((int)p.x, (int)p.y, i % 4 == 0 ? pal::DANGER : pal::CLOTH_RED[5]);
        c.set((int)p.x + 1, (int)p.y, pal::CLOTH_RED[2]);
    }
    pt foot = project(v, {20, 20, 0});
    capsule(c, foot.x, foot.y, foot.x, foot.y - 40, 1.0f, pal::STEEL, 0.1f);
    for (int y = 0; y < 12; y++)
        for (int x = 0; x < 14 - y / 3; x++) c.set((int)foot.x + 2 + x, (int)foot.y - 40 + y, ramp_dither(pal::CLOTH_RED, 0.7f - 0.04f * (float)x, x, y));
    // Crossed swords on the banner.
    for (int k = 0; k < 8; k++) {
        c.set((int)foot.x + 4 + k, (int)foot.y - 38 + k, pal::WHITE);
        c.set((int)foot.x + 11 - k, (int)foot.y - 38 + k, pal::SILVER);
    }
    outline_inner(c, 1);
}

void paint_statue(canvas &c)
{
    solid sd;
    sd.box({10, 10, 0}, {30, 30, 10}, stone_blocks(0.05f));
    sd.box({12, 12, 10}, {28, 28, 13}, plain(pal::STONE, 0.1f));
    finish(c, sd, false);
    // A robed figure holding up a lamp, in grey stone.
    float cx = (float)c.w / 2, base = (float)c.h - 10 - 16;
    for (int y = (int)base - 36; y < (int)base; y++)
        for (int x = (int)cx - 9; x <= (int)cx + 9; x++) {
            float fy = base - ((float)y + 0.5f);
            float half = 3.5f + fy * 0.03f + (fy < 22 ? (22 - fy) * 0.2f : 0.0f);
            if (fy > 30) half = 3.0f;
            float fx = (float)x + 0.5f - cx;
            if (std::fabs(fx) > half) continue;
            float u = fx / half;
            float t = lit({u, -0.1f, std::sqrt(std::max(0.0f, 1 - u * u))}, 0.2f) + (std::fmod(fx + 20, 3.0f) < 0.8f && fy < 20 ? -0.1f : 0.0f);
            c.set(x, y, ramp_dither(pal::GREY, t, x, y));
        }
    ellipse(c, cx, base - 38, 3.5f, 3.8f, pal::GREY, 0.05f);
    capsule(c, cx + 3, base - 28, cx + 9, base - 42, 1.6f, pal::GREY, 0.0f);
    ellipse(c, cx + 9, base - 44, 2.5f, 2.0f, pal::GOLD, 0.1f);
    outline_inner(c, 1);
}

void paint_shrine(canvas &c)
{
    solid sd;
    sd.box({8, 12, 0}, {32, 26, 16}, stone_blocks(0.0f));
    sd.add({{6, 10, 16}, {34, 10, 16}, {34, 19, 24}, {6, 19, 24}}, plain(pal::SLATE, 0.05f, 0.1f), true);
    sd.add({{6, 19, 24}, {34, 19, 24}, {34, 28, 16}, {6, 28, 16}}, plain(pal::SLATE, -0.05f, 0.1f), true);
    finish(c, sd);
    // Candles in the niche.
    solid_view v = object_view(c.w, c.h);
    for (int i = 0; i < 3; i++) {
        pt p = project(v, {14.0f + 6.0f * (float)i, 26, 3});
        capsule(c, p.x, p.y, p.x, p.y - 4, 0.8f, pal::BONE, 0.2f);
        c.set((int)p.x, (int)p.y - 6, pal::FIRE[7]);
        c.set((int)p.x, (int)p.y - 7, pal::FIRE[5]);
    }
}

void paint_tent(canvas &c)
{
    solid sd;
    auto canvas_sh = [](const surf &s) {
        float t = light3(s.n) + 0.05f + ((int)std::floor((s.p.x + 100.0f) / 7.0f) % 2 ? -0.06f : 0.0f);
        return ramp_dither(pal::SAND, t, s.px, s.py);
    };
    sd.add({{-4, 4, 0}, {44, 4, 0}, {44, 20, 28}, {-4, 20, 28}}, canvas_sh, true);
    sd.add({{-4, 20, 28}, {44, 20, 28}, {44, 36, 0}, {-4, 36, 0}}, canvas_sh, true);
    sd.add({{-4, 4, 0}, {-4, 20, 28}, {-4, 36, 0}}, [](const surf &s) -> uint8_t {
        if (std::fabs(s.p.y - 20) < 6 - s.p.z * 0.2f && s.p.z < 18) return ramp_dither(pal::INK, 0.5f, s.px, s.py);   // the way in
        return ramp_dither(pal::SAND, light3(s.n) - 0.05f, s.px, s.py);
    }, false, {-1, 0, 0});
    finish(c, sd);
}

void paint_net_rack(canvas &c)
{
    solid sd;
    sd.box({4, 19, 0}, {6, 21, 30}, wood(0));
    sd.box({34, 19, 0}, {36, 21, 30}, wood(0));
    sd.box({3, 19, 28}, {37, 21, 30}, wood(0.05f));
    sd.add({{6, 20, 27}, {34, 20, 27}, {33, 20, 6}, {7, 20, 10}}, [](const surf &s) -> uint8_t {
        float a = s.p.x + s.p.z, b = s.p.x - s.p.z;
        if (std::fmod(a + 100.0f, 3.0f) < 0.7f || std::fmod(b + 100.0f, 3.0f) < 0.7f) return ramp_dither(pal::BONE, 0.45f, s.px, s.py);
        return (uint8_t)0;
    }, true);
    finish(c, sd, false);
}

}  // namespace

void paint_prop(canvas &c, int n)
{
    switch (n) {
    case 27: case 28: paint_torch(c, n - 27); return;
    case 31: case 32: case 33: paint_campfire(c, n - 31); return;
    case 61: paint_barrels(c, 1); return;
    case 62: paint_barrels(c, 3); return;
    case 63: paint_crates(c, false); return;
    case 64: paint_crates(c, true); return;
    case 65: paint_sacks(c); return;
    case 66: paint_haystack(c); return;
    case 67: case 68: paint_lamp_post(c, n - 67); return;
    case 71: paint_well(c); return;
    case 72: paint_cart(c); return;
    case 73: paint_woodpile(c); return;
    case 74: paint_anvil(c); return;
    case 75: paint_signpost(c, false); return;
    case 76: paint_stall(c, pal::CLOTH_RED); return;
    case 77: paint_stall(c, pal::CLOTH_BLUE); return;
    case 78: paint_table(c, false); return;
    case 79: paint_table(c, true); return;
    case 80: paint_boat(c, false); return;
    case 81: paint_trough(c); return;
    case 94: paint_gravestone(c, 94); return;
    case 95: paint_scarecrow(c); return;
    case 96: paint_beehive(c); return;
    case 97: paint_urn(c); return;
    case 98: paint_bookshelf(c); return;
    case 99: paint_chest(c, 0, false); return;
    case 100: paint_chest(c, 0, true); return;
    case 101: paint_chest(c, 1, false); return;
    case 102: paint_chest(c, 1, true); return;
    case 103: paint_chest(c, 2, false); return;
    case 104: paint_chest(c, 2, true); return;
    case 105: paint_bed(c); return;
    case 106: paint_chair(c); return;
    case 107: paint_hearth(c, 0); return;
    case 108: paint_cauldron(c, 0); return;
    case 109: paint_rack(c); return;
    case 110: paint_statue(c); return;
    case 111: paint_shrine(c); return;
    case 112: paint_tent(c); return;
    case 113: paint_boat(c, true); return;
    case 114: paint_jetty(c); return;
    case 115: paint_net_rack(c); return;
    case 116: case 117: case 118: paint_fountain(c, n - 116); return;
    case 119: paint_rubble(c, false, 119); return;
    case 120: paint_bed_plants(c, 0); return;
    case 121: paint_bed_plants(c, 1); return;
    case 122: paint_bed_plants(c, 2); return;
    case 123: paint_bed_plants(c, 3); return;
    case 124: paint_signpost(c, true); return;
    case 125: paint_spawner_mark(c); return;
    case 126: paint_post(c); return;
    case 127: paint_lantern_post(c); return;
    case 150: paint_rubble(c, true, 150); return;
    default: return;
    }
}

}  // namespace art
