// land_nature.cpp -- trees, bushes, rocks and plants (group 1)
//
// Drawn on the screen's plane: canopies and rocks are clusters of shaded spheres
// broken up by leaf clumps or facets, lit from the upper left.  Every picture is at
// least 60 x 40 so that its cell's middle is at (w / 2, h - 10), where stems and
// trunks stand.
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

// A sphere of a cluster, on the screen: centre and radius in pixels.
struct blob {
    float x, y, r;
};

// Voronoi cells on the screen for leaf clumps and rock facets.
struct cellhit {
    float dx, dy, d1, d2, id;
};

float h01(int x, int y, uint32_t s)
{
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + s * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return (float)((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

cellhit cells(float x, float y, float g, uint32_t seed)
{
    int gx = (int)std::floor(x / g), gy = (int)std::floor(y / g);
    cellhit r{0, 0, 1e9f, 1e9f, 0};
    for (int j = -1; j <= 1; j++)
        for (int i = -1; i <= 1; i++) {
            float fx = ((float)(gx + i) + 0.15f + 0.7f * h01(gx + i, gy + j, seed)) * g;
            float fy = ((float)(gy + j) + 0.15f + 0.7f * h01(gx + i, gy + j, seed + 1)) * g;
            float d = std::hypot(x - fx, y - fy);
            if (d < r.d1) {
                r.d2 = r.d1;
                r.d1 = d;
                r.dx = x - fx;
                r.dy = y - fy;
                r.id = h01(gx + i, gy + j, seed + 2);
            } else if (d < r.d2) {
                r.d2 = d;
            }
        }
    return r;
}

// Foliage over a cluster of spheres: the nearest sphere gives the shape and light,
// clumps of leaves (small cells lit as little domes) give texture, and the lower
// parts sit in the canopy's own shade.
void foliage(canvas &c, const std::vector<blob> &blobs, const pal::ramp &r, float clump, uint32_t seed, float bias,
             float top, float bottom)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float fx = (float)x + 0.5f, fy = (float)y + 0.5f;
            float best = -1e9f;
            vec3 n{0, 0, 1};
            for (const blob &b : blobs) {
                float edge = 1.0f + 0.22f * (value_noise(fx, fy, 3.0f, seed + 3) - 0.5f);
                float u = (fx - b.x) / (b.r * edge), v = (fy - b.y) / (b.r * 0.92f * edge);
                float d2 = u * u + v * v;
                if (d2 >= 1.0f) continue;
                float z = std::sqrt(1.0f - d2) * b.r + b.y * 0.35f;
                if (z > best) {
                    best = z;
                    n = {u, v, std::sqrt(1.0f - d2)};
                }
            }
            if (best < -1e8f) continue;
            cellhit k = cells(fx, fy, clump, seed);
            float kr = clump * 0.75f;
            float ku = k.dx / kr, kv = k.dy / kr;
            float kz = std::sqrt(std::max(0.0f, 1.0f - ku * ku - kv * kv));
            vec3 nn = normalize({n.x + 0.6f * ku, n.y + 0.6f * kv, n.z + 0.5f * kz});
            float t = lit(nn, 0.2f) + bias;
            t -= 0.22f * clamp01((fy - top) / std::max(1.0f, bottom - top) - 0.3f);
            if (k.d2 - k.d1 < 0.8f) t -= 0.18f;   // gaps between the clumps
            c.set(x, y, ramp_dither(r, t, x, y));
        }
}

void trunk(canvas &c, float x, float base, float top, float radius, const pal::ramp &r, float bias = 0)
{
    capsule(c, x, base, x + radius * 0.3f, top, radius, r, bias);
    // Roots flaring into the ground.
    capsule(c, x - radius * 0.6f, base - 1.5f, x - radius * 1.6f, base + 0.5f, radius * 0.45f, r, bias - 0.05f);
    capsule(c, x + radius * 0.6f, base - 1.5f, x + radius * 1.7f, base + 0.8f, radius * 0.45f, r, bias - 0.12f);
}

// Bark: vertical furrows darken a drawn trunk.
void bark(canvas &c, const pal::ramp &r, int x0, int x1, int y0, int y1, uint32_t seed)
{
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            uint8_t v = c.get(x, y);
            const pal::ramp *of = v ? ramp_of(v) : nullptr;
            if (!of || of->idx[0] != r.idx[0]) continue;
            if (value_noise((float)x * 1.5f, (float)y * 0.3f, 1.0f, seed) < 0.3f) c.set(x, y, shift(v, -2));
        }
}

void paint_broadleaf(canvas &c, uint32_t seed, float size, bool fruit, float bias)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    float crown_y = base - 44.0f * size;
    trunk(c, cx, base, crown_y + 8, 3.2f * size + 0.8f, pal::LEATHER, -0.05f);
    bark(c, pal::LEATHER, 0, c.w, (int)crown_y, c.h, seed);
    rng g(seed);
    std::vector<blob> blobs;
    float R = 24.0f * size;
    blobs.push_back({cx, crown_y, R * 0.8f});
    for (int i = 0; i < 7; i++) {
        float a = (float)i / 7.0f * 6.283f + g.uniform() * 0.5f;
        float d = R * (0.45f + 0.2f * g.uniform());
        blobs.push_back({cx + std::cos(a) * d, crown_y + std::sin(a) * d * 0.75f - 2, R * (0.42f + 0.15f * g.uniform())});
    }
    foliage(c, blobs, pal::FOLIAGE, 4.5f, seed + 10, bias, crown_y - R, crown_y + R);
    if (fruit)
        for (int i = 0; i < 14; i++) {
            float a = g.uniform() * 6.283f, d = R * 0.8f * std::sqrt(g.uniform());
            int x = (int)(cx + std::cos(a) * d), y = (int)(crown_y + std::sin(a) * d * 0.75f);
            if (!c.get(x, y)) continue;
            c.set(x, y, pal::CLOTH_RED[6]);
            c.set(x + 1, y, pal::CLOTH_RED[4]);
            c.set(x, y + 1, pal::CLOTH_RED[3]);
            c.set(x - 1, y - 1, pal::CLOTH_RED[7]);
        }
    outline_inner(c, 1);
}

void paint_pine(canvas &c, uint32_t seed, float size)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    float top = base - 88.0f * size;
    trunk(c, cx, base, base - 24, 2.6f, pal::LEATHER, -0.1f);
    rng g(seed);
    const int tiers = 6;
    for (int k = 0; k < tiers; k++) {
        float ty = top + (base - 14 - top) * (float)(k + 1) / (float)tiers;   // lower edge of the tier
        float th = (base - top) / (float)tiers * 1.55f;
        float half = (5.0f + 3.4f * (float)k) * size + 2;
        for (int y = (int)(ty - th); y <= (int)ty + 2; y++)
            for (int x = 0; x < c.w; x++) {
                float fy = (float)y + 0.5f, fx = (float)x + 0.5f;
                float f = (fy - (ty - th)) / th;   // 0 at the tier's tip, 1 at its lower edge
                float saw = 1.8f * std::fabs(std::sin((fx - cx) * 0.9f + (float)k));
                if (f < 0 || fy > ty + 1.5f - saw) continue;
                float w = half * std::pow(std::min(1.0f, f), 0.8f);
                if (std::fabs(fx - cx) > w) continue;
                float side = (fx - cx) / std::max(1.0f, w);
                vec3 n = normalize({side * 0.9f, -0.3f + 0.8f * f, 0.7f});
                float t = lit(n, 0.18f) - 0.08f + 0.1f * (value_noise(fx, fy, 2.0f, seed + (uint32_t)k) - 0.5f);
                if (f > 0.85f) t -= 0.12f;
                c.set(x, y, ramp_dither(pal::FOLIAGE, t, x, y));
            }
    }
    outline_inner(c, 1);
}

void paint_birch(canvas &c, uint32_t seed)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    capsule(c, cx, base, cx + 1, base - 60, 2.6f, pal::BONE, 0.05f);
    // Black marks across the white bark.
    rng g(seed);
    for (int i = 0; i < 12; i++) {
        int y = (int)base - 4 - g.range(0, 54), x = (int)cx - 2 + g.range(0, 2);
        c.set(x, y, pal::INK[1]);
        c.set(x + 1, y, pal::INK[2]);
    }
    std::vector<blob> blobs;
    float cy = base - 58;
    for (int i = 0; i < 6; i++)
        blobs.push_back({cx + (float)g.range(-10, 10), cy + (float)g.range(-12, 10), 9.0f + (float)g.range(0, 4)});
    foliage(c, blobs, pal::FOLIAGE, 3.5f, seed + 3, 0.12f, cy - 20, cy + 18);
    outline_inner(c, 1);
}

// Bare branches, forking as they rise.
void branch(canvas &c, float x, float y, float a, float len, float r, int depth, rng &g)
{
    float x1 = x + std::cos(a) * len, y1 = y + std::sin(a) * len;
    capsule(c, x, y, x1, y1, r, pal::GREY, -0.05f);
    if (depth == 0) return;
    branch(c, x1, y1, a - 0.35f - 0.3f * g.uniform(), len * 0.72f, r * 0.68f, depth - 1, g);
    branch(c, x1, y1, a + 0.35f + 0.3f * g.uniform(), len * 0.68f, r * 0.68f, depth - 1, g);
}

void paint_dead_tree(canvas &c, uint32_t seed)
{
    rng g(seed);
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    capsule(c, cx - 4, base + 0.5f, cx - 9, base + 1.5f, 1.6f, pal::GREY, -0.1f);
    capsule(c, cx + 4, base + 0.5f, cx + 9, base + 1.0f, 1.6f, pal::GREY, -0.15f);
    branch(c, cx, base, -1.57f, 26, 3.6f, 4, g);
    outline_inner(c, 1);
}

void paint_bush(canvas &c, uint32_t seed, int kind)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    rng g(seed);
    std::vector<blob> blobs;
    float R = kind == 3 ? 9.0f : 13.0f;
    blobs.push_back({cx, base - R * 0.9f, R});
    for (int i = 0; i < 5; i++)
        blobs.push_back({cx + (float)g.range(-12, 12) * R / 13.0f, base - R * 0.7f + (float)g.range(-6, 2), R * (0.55f + 0.2f * g.uniform())});
    foliage(c, blobs, pal::FOLIAGE, 3.0f, seed + 5, kind == 2 ? 0.02f : 0.0f, base - 2 * R, base);
    if (kind == 1 || kind == 2)
        for (int i = 0; i < 16; i++) {
            int x = (int)cx + g.range(-14, 14), y = (int)base - g.range(3, 24);
            if (!c.get(x, y) || !c.get(x + 1, y + 1)) continue;
            if (kind == 1) {   // berries
                c.set(x, y, pal::CLOTH_BLUE[5]);
                c.set(x + 1, y, pal::CLOTH_BLUE[3]);
                c.set(x, y - 1, pal::CLOTH_BLUE[7]);
            } else {           // blossoms
                c.set(x, y, pal::CLOTH_RED[7]);
                c.set(x + 1, y, pal::BONE[8]);
                c.set(x, y + 1, pal::CLOTH_RED[5]);
            }
        }
    outline_inner(c, 1);
}

// A clipped hedge running west-east along the cell: a leafy box.
void paint_hedge(canvas &c, uint32_t seed)
{
    solid sd;
    sd.box({0, 12, 0}, {40, 30, 22}, [seed](const surf &s) {
        float a = s.p.x + s.p.y * 0.7f, b = s.p.z + (s.n.z > 0.5f ? s.p.y : 0.0f);
        float k = value_noise(a, b, 2.0f, seed), k2 = value_noise(a * 2.0f, b * 2.0f, 1.0f, seed + 1);
        float t = light3(s.n) - 0.12f + 0.3f * (k - 0.5f) + 0.15f * (k2 - 0.5f);
        return ramp_dither(pal::FOLIAGE, t, s.px, s.py);
    });
    sd.render(c, object_view(c.w, c.h));
    // A ragged top and ends: knock out a few edge pixels.
    canvas src = c;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if (src.get(x, y) && !src.get(x, y - 1) && h01(x, y, seed) < 0.35f) c.set(x, y, 0);
    outline_inner(c, 1);
}

// A rock: spheres on the screen, cut into facets that each lean their own way.
// The spheres are given from the cell's middle (w / 2, h - 10).
void paint_rock(canvas &c, std::vector<blob> blobs, uint32_t seed, bool moss, float facet)
{
    for (blob &b : blobs) {
        b.x += (float)c.w / 2;
        b.y += (float)c.h - 10;
    }
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float fx = (float)x + 0.5f, fy = (float)y + 0.5f;
            float best = -1e9f;
            vec3 n{0, 0, 1};
            for (const blob &b : blobs) {
                float u = (fx - b.x) / b.r, v = (fy - b.y) / (b.r * 0.8f);
                float d2 = u * u + v * v;
                if (d2 >= 1.0f) continue;
                float z = std::sqrt(1.0f - d2) * b.r + b.y * 0.3f;
                if (z > best) {
                    best = z;
                    n = {u, v, std::sqrt(1.0f - d2)};
                }
            }
            if (best < -1e8f) continue;
            cellhit k = cells(fx, fy, facet, seed);
            vec3 tilt = {(k.id - 0.5f) * 0.9f, (h01((int)(k.id * 1000), 3, seed) - 0.5f) * 0.9f, 0};
            vec3 nn = normalize({n.x * 1.3f + tilt.x, n.y * 1.3f + tilt.y, n.z});
            float t = lit(nn, 0.18f) - 0.05f;
            if (k.d2 - k.d1 < 0.7f) t -= 0.12f;   // the facet's edge
            const pal::ramp *r = &pal::STONE;
            if (moss && nn.y < -0.25f && value_noise(fx, fy, 3.0f, seed + 9) > 0.45f) r = &pal::FOLIAGE, t += 0.05f;
            c.set(x, y, ramp_dither(*r, t, x, y));
        }
    outline_inner(c, 1);
}

// A standing stone: a tall rough slab, leaning a little, lichen on its lit side.
void paint_standing_stone(canvas &c, uint32_t seed)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float fy = base + 2 - ((float)y + 0.5f);   // height above the foot
            if (fy < 0 || fy > 44) continue;
            float lean = fy * 0.08f;
            float top_round = fy > 36 ? std::sqrt(std::max(0.0f, 1 - (fy - 36) * (fy - 36) / 64.0f)) : 1.0f;
            float half = (8.0f - fy * 0.05f) * top_round + 1.2f * (value_noise((float)x, (float)y, 3.0f, seed) - 0.5f);
            float fx = (float)x + 0.5f - cx - lean;
            if (std::fabs(fx) > half) continue;
            float u = fx / std::max(1.0f, half);
            cellhit k = cells((float)x, (float)y, 5.0f, seed + 1);
            vec3 n = normalize({u * 1.2f + (k.id - 0.5f) * 0.5f, -0.15f + (fy > 36 ? -0.6f : 0.0f), 1.0f});
            float t = lit(n, 0.18f) - 0.05f;
            if (k.d2 - k.d1 < 0.6f) t -= 0.1f;
            const pal::ramp *r = &pal::STONE;
            if (u < -0.2f && value_noise((float)x * 2, (float)y, 2.0f, seed + 2) > 0.62f) r = &pal::FOLIAGE;
            c.set(x, y, ramp_dither(*r, t, x, y));
        }
    outline_inner(c, 1);
}

// Reeds standing in water: blades and a few bulrush heads, a ripple at their feet.
void paint_reeds(canvas &c, uint32_t seed, bool heads)
{
    rng g(seed);
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int k = 0; k < 5; k++) {
        float rx = 10.0f - (float)k, ry = 3.0f - (float)k * 0.4f;
        for (int i = 0; i < 24; i++) {
            float a = (float)i / 24.0f * 6.283f;
            int x = (int)(cx + std::cos(a) * (rx + 4)), y = (int)(base + 2 + std::sin(a) * (ry + 1.5f));
            if (k == 0 && std::sin(a) > -0.2f) c.set(x, y, pal::WATER[7]);
        }
    }
    for (int i = 0; i < 22; i++) {
        float x0 = cx + (float)g.range(-11, 11), y0 = base + (float)g.range(-2, 3);
        float h = 14.0f + (float)g.range(0, 14);
        float lean = (float)g.range(-4, 4);
        const pal::ramp &r = i % 4 == 0 ? pal::THATCH : pal::GRASS;
        for (int k = 0; k < (int)h; k++) {
            float f = (float)k / h;
            int x = (int)(x0 + lean * f * f), y = (int)(y0 - (float)k);
            c.set(x, y, r[std::min(r.len - 1, 2 + (int)(f * 5.0f) + (x < cx ? 1 : 0))]);
        }
        if (heads && i % 5 == 1) {
            int x = (int)(x0 + lean * 0.7f), y = (int)(y0 - h * 0.8f);
            for (int k = 0; k < 5; k++) {
                c.set(x, y + k, pal::LEATHER[3 + (k < 2)]);
                c.set(x + 1, y + k, pal::LEATHER[2]);
            }
        }
    }
}

void paint_tall_grass(canvas &c, uint32_t seed)
{
    rng g(seed);
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int i = 0; i < 30; i++) {
        float x0 = cx + (float)g.range(-13, 13), y0 = base + (float)g.range(-4, 5);
        float h = 6.0f + (float)g.range(0, 9), lean = (float)g.range(-3, 3);
        for (int k = 0; k < (int)h; k++) {
            float f = (float)k / h;
            c.set((int)(x0 + lean * f * f), (int)(y0 - (float)k), pal::GRASS[std::min(9, 3 + (int)(f * 6.0f))]);
        }
    }
}

void paint_flowers(canvas &c, uint32_t seed)
{
    paint_tall_grass(c, seed);
    rng g(seed + 1);
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    const pal::ramp *petals[3] = {&pal::CLOTH_RED, &pal::GOLD, &pal::MAGIC};
    for (int i = 0; i < 9; i++) {
        int x = (int)cx + g.range(-12, 12), y = (int)base - g.range(2, 11) + g.range(-2, 2);
        const pal::ramp &p = *petals[i % 3];
        c.set(x, y, p[p.len - 1]);
        c.set(x - 1, y, p[p.len - 2]);
        c.set(x + 1, y, p[p.len - 3]);
        c.set(x, y - 1, p[p.len - 2]);
        c.set(x, y + 1, p[2]);
    }
}

void paint_mushrooms(canvas &c, uint32_t seed)
{
    rng g(seed);
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int i = 0; i < 4; i++) {
        float x = cx + (float)g.range(-9, 9), y = base + (float)g.range(-3, 3);
        float s = 1.5f + g.uniform() * 1.8f;
        capsule(c, x, y, x, y - 3 * s, 0.9f * s * 0.6f + 0.3f, pal::BONE, 0.1f);
        ellipse(c, x, y - 3 * s, 2.6f * s, 1.5f * s, pal::CLOTH_RED, 0.05f);
        c.set((int)(x - s), (int)(y - 3.6f * s), pal::BONE[8]);
        c.set((int)(x + s * 0.5f), (int)(y - 3.9f * s), pal::BONE[8]);
    }
    outline_inner(c, 1);
}

// Wood seen end-on: rings on a pale cut face.
void rings(canvas &c, float cx, float cy, float rx, float ry)
{
    for (int y = (int)(cy - ry) - 1; y <= (int)(cy + ry) + 1; y++)
        for (int x = (int)(cx - rx) - 1; x <= (int)(cx + rx) + 1; x++) {
            float u = ((float)x + 0.5f - cx) / rx, v = ((float)y + 0.5f - cy) / ry;
            float d = std::sqrt(u * u + v * v);
            if (d > 1.0f) continue;
            float t = d > 0.82f ? 0.25f : 0.72f - 0.12f * (std::fmod(d * 4.0f, 1.0f) < 0.3f);
            c.set(x, y, d > 0.82f ? ramp_dither(pal::LEATHER, t, x, y) : ramp_dither(pal::SAND, t, x, y));
        }
}

void paint_stump(canvas &c, uint32_t seed)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    trunk(c, cx, base, base - 9, 6.5f, pal::LEATHER, 0);
    bark(c, pal::LEATHER, 0, c.w, 0, c.h, seed);
    rings(c, cx + 0.5f, base - 10, 6.5f, 3.0f);
    outline_inner(c, 1);
}

void paint_log(canvas &c, uint32_t seed)
{
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    capsule(c, cx - 20, base - 4, cx + 18, base - 4, 5.0f, pal::LEATHER, -0.02f);
    bark(c, pal::LEATHER, 0, c.w, 0, c.h, seed);
    rings(c, cx + 20, base - 4, 2.8f, 5.0f);
    // A broken stub of a branch.
    capsule(c, cx - 4, base - 8, cx - 1, base - 14, 1.3f, pal::LEATHER, 0.05f);
    outline_inner(c, 1);
}

void paint_lilies(canvas &c, uint32_t seed)
{
    rng g(seed);
    float cx = (float)c.w / 2, base = (float)c.h - 10;
    for (int i = 0; i < 5; i++) {
        float x = cx + (float)g.range(-14, 14), y = base + (float)g.range(-6, 5);
        ellipse(c, x, y, 4.5f, 2.2f, pal::FOLIAGE, 0.05f);
        c.set((int)x + 2, (int)y - 1, 0);
        c.set((int)x + 3, (int)y - 1, 0);
        if (i == 2) {
            ellipse(c, x - 1, y - 2, 1.8f, 1.4f, pal::CLOTH_RED, 0.4f);
            c.set((int)x - 1, (int)y - 3, pal::BONE[9]);
        }
    }
    outline_inner(c, 1);
}

}  // namespace

void paint_nature(canvas &c, int n)
{
    uint32_t seed = 7000u + (uint32_t)n * 13u;
    switch (n) {
    case 1: paint_broadleaf(c, seed, 1.3f, false, 0.0f); return;
    case 2: paint_broadleaf(c, seed, 1.0f, false, 0.04f); return;
    case 3: paint_pine(c, seed, 1.25f); return;
    case 4: paint_pine(c, seed, 0.9f); return;
    case 5: paint_birch(c, seed); return;
    case 6: paint_broadleaf(c, seed, 0.8f, true, 0.06f); return;
    case 7: paint_dead_tree(c, seed); return;
    case 8: paint_broadleaf(c, seed, 0.45f, false, 0.1f); return;
    case 9: paint_bush(c, seed, 0); return;
    case 10: paint_bush(c, seed, 1); return;
    case 11: paint_bush(c, seed, 2); return;
    case 12: paint_hedge(c, seed); return;
    case 13: paint_rock(c, {{0, -12, 16}, {-9, -6, 10}, {10, -6, 11}}, seed, false, 6.0f); return;
    case 14: paint_rock(c, {{-8, -4, 8}, {6, -6, 7}, {1, -10, 6}, {13, -2, 4}}, seed, false, 4.0f); return;
    case 15: paint_rock(c, {{0, -9, 13}, {9, -5, 8}}, seed, true, 5.0f); return;
    case 16: paint_standing_stone(c, seed); return;
    case 17: paint_reeds(c, seed, true); return;
    case 18: paint_reeds(c, seed, false); return;
    case 19: paint_tall_grass(c, seed); return;
    case 20: paint_flowers(c, seed); return;
    case 21: paint_mushrooms(c, seed); return;
    case 22: paint_stump(c, seed); return;
    case 23: paint_log(c, seed); return;
    case 24: paint_lilies(c, seed); return;
    default: return;
    }
}

}  // namespace art
