// land_ground.cpp -- ground tiles: materials, variants, transitions, markers (group 0)
//
// Every material is a function of the map pixel, read through "world" coordinates
// (wx = mx - my, wy = 2 my) in which the ground lattice is a square grid of 40: all
// noise and scatter repeat every 40 there, so any tile meets any neighbour without a
// seam.  Variants add details (tufts, flowers, stones) only inside the tile.
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

// -- periodic noise and scatter in world coordinates ---------------------------------
int wrap40(int v, int p) { return ((v % p) + p) % p; }

float hash3(int x, int y, uint32_t seed)
{
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + seed * 2246822519u + 0x27d4eb2fu;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (float)(h & 0xffffff) / (float)0x1000000;
}

// Noise with cells cx by cy world pixels (each dividing 40).
float pnoise(float wx, float wy, float cx, float cy, uint32_t seed)
{
    int px = std::max(1, (int)std::lround(40.0f / cx)), py = std::max(1, (int)std::lround(40.0f / cy));
    return value_noise(wx / (40.0f / (float)px), wy / (40.0f / (float)py), 1.0f, seed, px, py);
}

float fbm(float wx, float wy, float cell, uint32_t seed, int octaves)
{
    float sum = 0, weight = 0, amp = 1;
    for (int o = 0; o < octaves; o++) {
        sum += amp * pnoise(wx, wy, cell, cell, seed + (uint32_t)o * 77u);
        weight += amp;
        amp *= 0.5f;
        cell *= 0.5f;
        if (cell < 1.25f) break;
    }
    return sum / weight;
}

// A hash of the whole map pixel, repeating on the lattice.
float pix(float mx, float my, uint32_t seed)
{
    int x = (int)std::floor(mx), y = (int)std::floor(my);
    return hash3(wrap40(x - y, 40), wrap40(y, 20), seed);
}

// Nearest and second-nearest feature points of a jittered grid (cell g, dividing 40).
struct vor {
    float d1, d2;     // distances
    float dx, dy;     // pixel minus nearest feature point
    float id;         // 0..1, which feature
};

vor voronoi(float wx, float wy, float g, float jitter, uint32_t seed, float ys = 1.0f)
{
    int n = std::max(1, (int)std::lround(40.0f / g));
    int gx = (int)std::floor(wx / g), gy = (int)std::floor(wy / g);
    vor r{1e9f, 1e9f, 0, 0, 0};
    for (int j = -1; j <= 1; j++)
        for (int i = -1; i <= 1; i++) {
            int cx = gx + i, cy = gy + j;
            int hx = wrap40(cx, n), hy = wrap40(cy, n);
            float fx = ((float)cx + 0.5f + jitter * (hash3(hx, hy, seed) - 0.5f)) * g;
            float fy = ((float)cy + 0.5f + jitter * (hash3(hx, hy, seed + 1) - 0.5f)) * g;
            float dx = wx - fx, dy = (wy - fy) * ys;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d < r.d1) {
                r.d2 = r.d1;
                r.d1 = d;
                r.dx = dx;
                r.dy = dy;
                r.id = hash3(hx, hy, seed + 2);
            } else if (d < r.d2) {
                r.d2 = d;
            }
        }
    return r;
}

uint8_t dith(const pal::ramp &r, float t, float mx, float my) { return ramp_dither(r, t, (int)std::floor(mx), (int)std::floor(my)); }

// Brightness of a dome (stone, clod) from its offset: lit on its north-west side.
float dome(float dx, float dy, float radius)
{
    float u = dx / radius, v = dy / radius;
    float z = std::sqrt(std::max(0.0f, 1 - u * u - v * v));
    return light3({u, v, z + 0.2f});
}

// -- the materials ----------------------------------------------------------------------
uint8_t grass(float mx, float my, float wx, float wy, float bias)
{
    float big = fbm(wx, wy, 20, 11, 2);
    float mid = pnoise(wx, wy, 5, 5, 12);
    float t = 0.28f + 0.34f * big + 0.22f * (mid - 0.5f) + bias;
    if (pix(mx, my, 3) > 0.86f) t += 0.24f;           // blade tips
    else if (pix(mx, my - 1, 3) > 0.86f) t += 0.12f;  // the blade below its tip
    if (pix(mx, my, 4) < 0.07f) t -= 0.22f;           // shade between the blades
    return dith(pal::GRASS, t, mx, my);
}

uint8_t forest(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 20, 21, 2);
    vor leaf = voronoi(wx, wy, 5, 0.9f, 22, 1.6f);
    float t = 0.22f + 0.3f * big;
    if (leaf.d1 < 1.9f && leaf.id > 0.55f) {
        float lt = 0.35f + 0.35f * leaf.id - 0.1f * (leaf.dy > 0);
        if (leaf.id > 0.88f) return dith(pal::LEATHER, lt + 0.1f, mx, my);   // a brown leaf
        return dith(pal::FOLIAGE, lt, mx, my);
    }
    if (pix(mx, my, 23) < 0.12f) return dith(pal::EARTH, 0.25f, mx, my);
    return dith(pal::FOLIAGE, t, mx, my);
}

uint8_t drygrass(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 20, 31, 2);
    float t = 0.35f + 0.3f * big + 0.2f * (pnoise(wx, wy, 5, 5, 32) - 0.5f);
    if (pix(mx, my, 33) > 0.85f) t += 0.25f;
    else if (pix(mx, my - 1, 33) > 0.85f) t += 0.12f;
    if (pix(mx, my, 34) < 0.08f) t -= 0.25f;
    if (pix(mx, my, 35) < 0.06f) return dith(pal::GRASS, t, mx, my);   // a few green blades left
    return dith(pal::THATCH, t - 0.05f, mx, my);
}

uint8_t earth(float mx, float my, float wx, float wy, float bias)
{
    float big = fbm(wx, wy, 20, 41, 3);
    float t = 0.34f + 0.3f * big + bias;
    vor peb = voronoi(wx, wy, 8, 0.8f, 42);
    float r = 1.0f + 1.4f * peb.id;
    if (peb.id > 0.55f && peb.d1 < r) return dith(pal::STONE, 0.2f + 0.55f * dome(peb.dx, peb.dy, r), mx, my);
    if (peb.id > 0.55f && peb.d1 < r + 1.2f && peb.dy > 0) t -= 0.15f;   // the pebble's shadow
    if (pix(mx, my, 43) < 0.1f) t -= 0.12f;
    if (pix(mx, my, 44) > 0.93f) t += 0.12f;
    return dith(pal::EARTH, t, mx, my);
}

uint8_t road(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 20, 51, 3);
    float t = 0.55f + 0.22f * big;
    vor peb = voronoi(wx, wy, 10, 0.9f, 52);
    float r = 0.8f + 1.0f * peb.id;
    if (peb.id > 0.7f && peb.d1 < r) return dith(pal::SAND, 0.3f + 0.5f * dome(peb.dx, peb.dy, r), mx, my);
    if (pix(mx, my, 53) < 0.12f) t -= 0.12f;
    if (pix(mx, my, 54) > 0.9f) t += 0.08f;
    return dith(pal::EARTH, t, mx, my);
}

uint8_t sand(float mx, float my, float wx, float wy, bool wet)
{
    float big = fbm(wx, wy, 20, 61, 3);
    // Low ripples across the sand, broken by the noise.
    float ripple = std::sin((wy * 3.0f + wx * 1.0f) * 6.2831853f / 40.0f + big * 5.0f);
    float t = 0.5f + 0.2f * big + 0.06f * ripple;
    if (pix(mx, my, 62) > 0.9f) t += 0.15f;
    if (pix(mx, my, 63) < 0.08f) t -= 0.15f;
    if (wet) return dith(pal::SAND, t - 0.32f, mx, my);
    return dith(pal::SAND, t, mx, my);
}

uint8_t mud(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 20, 71, 3);
    float t = 0.14f + 0.22f * big;
    float wet = pnoise(wx, wy, 5, 5, 72);
    if (wet > 0.72f) t += 0.18f * (wet - 0.72f) / 0.28f + 0.06f;   // wet, glossy ridges
    if (wet > 0.8f && pix(mx, my, 73) > 0.6f) return dith(pal::SLATE, 0.55f, mx, my);
    if (pix(mx, my, 74) < 0.1f) t -= 0.1f;
    return dith(pal::EARTH, t, mx, my);
}

uint8_t gravel(float mx, float my, float wx, float wy)
{
    vor s = voronoi(wx, wy, 5, 0.9f, 81, 1.0f);
    if (s.d2 - s.d1 < 1.0f) return dith(pal::EARTH, 0.12f, mx, my);
    float t = 0.2f + 0.5f * dome(s.dx, s.dy, 3.2f) + 0.25f * (s.id - 0.5f);
    return dith(pal::STONE, t, mx, my);
}

uint8_t cobble(float mx, float my, float wx, float wy, float moss)
{
    vor s = voronoi(wx, wy, 8, 0.75f, 91);
    float edge = s.d2 - s.d1;
    if (edge < 1.3f) {
        if (moss > 0 && pnoise(wx, wy, 8, 8, 92) < moss) return dith(pal::FOLIAGE, 0.35f, mx, my);
        return dith(pal::EARTH, 0.12f + 0.1f * edge, mx, my);
    }
    float t = 0.18f + 0.55f * dome(s.dx, s.dy, 5.0f) + 0.18f * (s.id - 0.5f);
    if (edge < 2.0f) t -= 0.1f;
    return dith(pal::STONE, t, mx, my);
}

uint8_t flags(float mx, float my, float wx, float wy, float moss)
{
    int row = (int)std::floor(wy / 20.0f);
    float in_row = wy - 20.0f * (float)row;
    int rw = wrap40(row, 2);
    float off = 40.0f * hash3(rw, 0, 101);
    float along = std::fmod(wx - off + 400.0f, 40.0f);
    const float joints[3] = {0, 14, 26};
    int slab = along < 14 ? 0 : along < 26 ? 1 : 2;
    float in_slab = along - joints[slab];
    float len = slab == 1 ? 12.0f : 14.0f;
    if (in_row < 1.2f || in_slab < 1.0f) {
        if (moss > 0 && pnoise(wx, wy, 8, 8, 102) < moss) return dith(pal::FOLIAGE, 0.3f, mx, my);
        return dith(pal::STONE, 0.1f, mx, my);
    }
    float tone = hash3(rw, slab, 103);
    float t = 0.42f + 0.2f * tone + 0.12f * (pnoise(wx, wy, 4, 4, 104) - 0.5f);
    if (in_row < 2.4f || in_slab < 2.0f) t += 0.12f;             // lit north-west edges
    if (in_row > 17.6f || in_slab > len - 1.0f) t -= 0.12f;      // shaded south-east edges
    return dith(pal::STONE, t, mx, my);
}

uint8_t planks(float mx, float my, float wx, float wy)
{
    int board = (int)std::floor(wy / 8.0f);
    float in_board = wy - 8.0f * (float)board;
    int bw = wrap40(board, 5);
    float joint = 40.0f * hash3(bw, 0, 111);
    float along = std::fmod(wx - joint + 400.0f, 40.0f);
    if (in_board < 1.0f || along < 0.8f) return dith(pal::WOOD, 0.08f, mx, my);
    float grain = pnoise(wx, wy, 10, 2, 112);
    float t = 0.42f + 0.16f * (hash3(bw, 1, 113) - 0.5f) + 0.22f * (grain - 0.5f);
    if (in_board < 2.2f) t += 0.1f;
    if (in_board > 6.8f) t -= 0.08f;
    if (std::fabs(along - 20.0f) < 0.6f && std::fabs(in_board - 4.0f) < 1.0f) t -= 0.3f;   // a nail
    return dith(pal::WOOD, t, mx, my);
}

uint8_t tiles(float mx, float my, float wx, float wy)
{
    float tx = std::fmod(wx + 400.0f, 10.0f), ty = std::fmod(wy + 400.0f, 10.0f);
    int ix = wrap40((int)std::floor(wx / 10.0f), 4), iy = wrap40((int)std::floor(wy / 10.0f), 4);
    if (tx < 0.9f || ty < 1.2f) return dith(pal::STONE, 0.15f, mx, my);
    bool dark = (ix + iy) % 2;
    float t = (dark ? 0.4f : 0.55f) + 0.1f * (pnoise(wx, wy, 5, 5, 121) - 0.5f) + 0.1f * (hash3(ix, iy, 122) - 0.5f);
    if (tx < 2.0f || ty < 2.4f) t += 0.1f;
    if (tx > 9.0f || ty > 8.8f) t -= 0.1f;
    return dith(pal::TERRACOTTA, t, mx, my);
}

uint8_t cave(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 20, 131, 3);
    vor crack = voronoi(wx, wy, 20, 0.9f, 132);
    float t = 0.22f + 0.3f * big;
    if (crack.d2 - crack.d1 < 0.8f && pnoise(wx, wy, 10, 10, 136) > 0.6f) t -= 0.08f;   // broken cracks
    vor peb = voronoi(wx, wy, 8, 0.8f, 133);
    if (peb.id > 0.7f && peb.d1 < 1.6f) t = 0.2f + 0.4f * dome(peb.dx, peb.dy, 1.6f);
    if (pix(mx, my, 134) > 0.93f) t += 0.1f;
    if (pix(mx, my, 135) < 0.12f) return dith(pal::EARTH, t, mx, my);
    return dith(pal::STONE, t, mx, my);
}

uint8_t bedrock(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 10, 141, 3);
    float t = 0.05f + 0.22f * big;
    if (pix(mx, my, 142) > 0.95f) t += 0.1f;
    return dith(pal::STONE, t, mx, my);
}

// Water: bands of ripples that repeat on the lattice, bent by noise.
float ripples(float wx, float wy, float phase, uint32_t seed)
{
    float bend = fbm(wx, wy, 20, seed, 2);
    return std::sin((wy * 2.0f + wx * 1.0f) * 6.2831853f / 40.0f * 2.0f + bend * 6.0f + phase);
}

uint8_t shallow(float mx, float my, float wx, float wy, float phase)
{
    float big = fbm(wx, wy, 20, 151, 2);
    float t = 0.5f + 0.16f * big;
    vor stone = voronoi(wx, wy, 10, 0.8f, 152);
    if (stone.id > 0.72f && stone.d1 < 2.0f) t -= 0.14f;   // stones on the bottom
    float r = ripples(wx, wy, phase, 153);
    if (r > 0.86f) t += 0.22f;
    else if (r < -0.8f) t -= 0.08f;
    if (pix(mx, my, 154 + (uint32_t)(phase * 10)) > 0.985f) t += 0.35f;   // glints
    return dith(pal::WATER, t, mx, my);
}

uint8_t deep(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 20, 161, 3);
    float t = 0.16f + 0.16f * big;
    float r = ripples(wx, wy, 0, 162);
    if (r > 0.93f && big > 0.45f) t += 0.22f;
    return dith(pal::WATER, t, mx, my);
}

uint8_t field(float mx, float my, float wx, float wy)
{
    float in = std::fmod(wy + 400.0f, 10.0f);
    float ridge = std::sin(in / 10.0f * 3.14159f);
    float slope = std::cos(in / 10.0f * 3.14159f);   // positive: faces north, towards the light
    float t = 0.22f + 0.25f * ridge + 0.12f * slope + 0.12f * (fbm(wx, wy, 10, 171, 2) - 0.5f);
    if (pix(mx, my, 172) > 0.9f) t += 0.1f;
    return dith(pal::EARTH, t, mx, my);
}

uint8_t soil(float mx, float my, float wx, float wy)
{
    vor clod = voronoi(wx, wy, 5, 0.9f, 181);
    float t = 0.1f + 0.35f * dome(clod.dx, clod.dy, 3.0f) * (clod.d2 - clod.d1 > 0.6f);
    return dith(pal::EARTH, t + 0.05f * (clod.id - 0.5f), mx, my);
}

uint8_t snow(float mx, float my, float wx, float wy)
{
    float big = fbm(wx, wy, 20, 191, 3);
    float t = 0.6f + 0.35f * big;
    if (pix(mx, my, 192) > 0.96f) return pal::ICE[4];
    if (t < 0.72f) return dith(pal::ICE, 0.4f + t * 0.5f, mx, my);
    return dith(pal::GREY, t, mx, my);
}

uint8_t lava(float mx, float my, float wx, float wy, int frame)
{
    vor crust = voronoi(wx, wy, 10, 0.8f, 201);
    float edge = crust.d2 - crust.d1;
    float glow = pnoise(wx, wy, 5, 5, 202 + (uint32_t)frame);
    if (edge < 1.6f + glow) return dith(pal::FIRE, 0.45f + 0.4f * glow - 0.15f * edge, mx, my);
    float t = 0.08f + 0.3f * dome(crust.dx, crust.dy, 6.0f);
    if (edge < 2.8f) return dith(pal::CLOTH_RED, 0.2f + 0.2f * glow, mx, my);
    return dith(pal::STONE, t, mx, my);
}

}  // namespace

uint8_t ground_at(ground_mat m, float mx, float my)
{
    float wx = mx - my, wy = 2.0f * my;
    switch (m) {
    case G_GRASS: return grass(mx, my, wx, wy, 0);
    case G_FOREST: return forest(mx, my, wx, wy);
    case G_DRYGRASS: return drygrass(mx, my, wx, wy);
    case G_EARTH: return earth(mx, my, wx, wy, 0);
    case G_ROAD: return road(mx, my, wx, wy);
    case G_SAND: return sand(mx, my, wx, wy, false);
    case G_WETSAND: return sand(mx, my, wx, wy, true);
    case G_MUD: return mud(mx, my, wx, wy);
    case G_GRAVEL: return gravel(mx, my, wx, wy);
    case G_COBBLE: return cobble(mx, my, wx, wy, 0);
    case G_FLAGS: return flags(mx, my, wx, wy, 0);
    case G_PLANKS: return planks(mx, my, wx, wy);
    case G_TILES: return tiles(mx, my, wx, wy);
    case G_CAVE: return cave(mx, my, wx, wy);
    case G_BEDROCK: return bedrock(mx, my, wx, wy);
    case G_SHALLOW: return shallow(mx, my, wx, wy, 0);
    case G_DEEP: return deep(mx, my, wx, wy);
    case G_FIELD: return field(mx, my, wx, wy);
    case G_SOIL: return soil(mx, my, wx, wy);
    case G_SNOW: return snow(mx, my, wx, wy);
    default: return grass(mx, my, wx, wy, 0);
    }
}

void paint_ground(canvas &c, ground_mat a, int) { ground_tile(c, [&](float mx, float my) { return ground_at(a, mx, my); }); }

namespace {

// -- details inside one tile -------------------------------------------------------------
// Room for a detail at tile pixel (col, row): away from the tile's edges.
bool inside_tile(int col, int row, int margin_c, int margin_r)
{
    return col >= margin_c && col < 40 - margin_c && row >= margin_r && row < 20 - margin_r;
}

// Positions of n details in a tile, kept clear of the edges and of each other.
std::vector<std::pair<int, int>> spots(int n, uint32_t seed, int margin_c = 5, int margin_r = 3)
{
    std::vector<std::pair<int, int>> out;
    rng g(seed);
    for (int tries = 0; tries < n * 20 && (int)out.size() < n; tries++) {
        int col = g.range(margin_c, 39 - margin_c), row = g.range(margin_r, 19 - margin_r);
        bool clear = true;
        for (auto &p : out)
            if (std::abs(p.first - col) < 5 && std::abs(p.second - row) < 3) clear = false;
        if (clear) out.push_back({col, row});
    }
    return out;
}

// Tile pixels: a detail at (col, row) in picture coordinates.
void dot(canvas &c, int col, int row, uint8_t v)
{
    if (inside_tile(col, row, 1, 0)) c.set(col, row, v);
}

// A tuft of grass blades rising from (col, row): lighter, taller blades.
void tuft(canvas &c, int col, int row, const pal::ramp &r, uint32_t seed)
{
    rng g(seed);
    int blades = g.range(3, 5);
    for (int b = 0; b < blades; b++) {
        int dx = b - blades / 2;
        int h = g.range(2, 4);
        for (int k = 0; k < h; k++) {
            int x = col + dx + (k == h - 1 ? (dx > 0) - (dx < 0) : 0);
            dot(c, x, row - k, r[std::min(r.len - 1, 4 + k + g.range(0, 1))]);
        }
        dot(c, col + dx, row + 1, r[1]);
    }
}

void flower(canvas &c, int col, int row, const pal::ramp &petal, uint8_t centre)
{
    dot(c, col, row - 1, petal[petal.len - 1]);
    dot(c, col - 1, row, petal[petal.len - 2]);
    dot(c, col + 1, row, petal[petal.len - 3]);
    dot(c, col, row + 1, petal[petal.len - 4]);
    dot(c, col, row, centre);
    dot(c, col + 1, row + 1, pal::GRASS[1]);   // its shadow on the grass
}

void pebble(canvas &c, int col, int row, const pal::ramp &r, int size)
{
    for (int dy = 0; dy < size; dy++)
        for (int dx = 0; dx < size + 1; dx++) {
            float t = 0.75f - 0.2f * (float)(dx + dy);
            dot(c, col + dx, row + dy, r[(int)(t * (float)(r.len - 1) + 0.5f)]);
        }
    for (int dx = 1; dx <= size + 1; dx++) dot(c, col + dx, row + size, shift(c.get(col + dx, row + size), -2));
}

// Darkens or lightens a soft blob inside the tile (patches that break repetition).
void patch(canvas &c, uint32_t seed, int steps)
{
    rng g(seed);
    float cx = (float)g.range(12, 27), cy = (float)g.range(6, 13), rx = (float)g.range(6, 10), ry = (float)g.range(3, 5);
    for (int r = 0; r < 20; r++)
        for (int col = 0; col < 40; col++) {
            float u = ((float)col - cx) / rx, v = ((float)r - cy) / ry;
            float d = u * u + v * v + 0.5f * (value_noise((float)col, (float)r, 3.0f, seed) - 0.5f);
            if (d < 1.0f && bayer(col + r, r) < 0.75f - 0.5f * d) c.set(col, r, shift(c.get(col, r), steps));
        }
}

void paint_variant(canvas &c, ground_mat m, int kind, uint32_t seed)
{
    paint_ground(c, m, 0);
    switch (kind) {
    case 1:   // tufts
        for (auto &p : spots(4, seed)) tuft(c, p.first, p.second, m == G_DRYGRASS ? pal::SAND : pal::GRASS, seed + (uint32_t)p.first);
        break;
    case 2:   // pebbles
        for (auto &p : spots(3, seed)) pebble(c, p.first, p.second, pal::STONE, 1 + (p.first % 2));
        break;
    case 3:   // clover: small bright leaves in clusters
        for (auto &p : spots(5, seed))
            for (int k = 0; k < 4; k++) dot(c, p.first + (k % 2) * 2 - 1, p.second + (k / 2) - (k % 2), pal::FOLIAGE[6 + k % 3]);
        break;
    case 4:   // a few daisies
        for (auto &p : spots(4, seed)) flower(c, p.first, p.second, pal::BONE, pal::GOLD[5]);
        break;
    case 5:   // a darker patch
        patch(c, seed, -1);
        for (auto &p : spots(2, seed + 3)) tuft(c, p.first, p.second, pal::GRASS, seed + (uint32_t)p.second);
        break;
    case 6:   // stones and tufts
        for (auto &p : spots(2, seed)) pebble(c, p.first, p.second, pal::STONE, 2);
        for (auto &p : spots(2, seed + 9, 8, 4)) tuft(c, p.first, p.second, pal::GRASS, seed + 1);
        break;
    case 7:   // a lighter patch
        patch(c, seed, 1);
        break;
    case 8:   // cracks
        {
            rng g(seed);
            int x = g.range(8, 14), y = g.range(5, 8);
            for (int k = 0; k < 18; k++) {
                dot(c, x, y, shift(c.get(x, y), -3));
                x += 1;
                if (g.range(0, 2) == 0) y += g.range(0, 1) ? 1 : -1;
                y = std::max(3, std::min(16, y));
            }
        }
        break;
    case 9:   // a puddle
        for (int r = 0; r < 20; r++)
            for (int col = 0; col < 40; col++) {
                float u = ((float)col - 20.0f) / 9.0f, v = ((float)r - 10.0f) / 4.0f;
                float d = u * u + v * v + 0.4f * (value_noise((float)col, (float)r, 3.0f, seed) - 0.5f);
                if (d < 1.0f) c.set(col, r, ramp_dither(pal::WATER, 0.35f + 0.3f * (1 - (float)r / 20.0f) + (d > 0.75f ? -0.1f : 0), col + r, r));
            }
        break;
    case 10:  // shells on the sand
        for (auto &p : spots(3, seed)) {
            dot(c, p.first, p.second, pal::BONE[8]);
            dot(c, p.first + 1, p.second, pal::BONE[6]);
            dot(c, p.first + 1, p.second + 1, pal::BONE[3]);
        }
        break;
    case 11:  // fallen needles and twigs
        {
            rng g(seed);
            for (int k = 0; k < 5; k++) {
                int x = g.range(7, 30), y = g.range(4, 15), len = g.range(3, 6);
                for (int i = 0; i < len; i++) dot(c, x + i, y + (i * (k % 3 - 1)) / 3, pal::WOOD[3 + (i % 2)]);
            }
        }
        break;
    case 12:  // ferns: a fan of dark fronds
        for (auto &p : spots(2, seed, 9, 5))
            for (int f = -2; f <= 2; f++)
                for (int k = 0; k < 4; k++) dot(c, p.first + f * k / 2, p.second - k + std::abs(f) / 2, pal::FOLIAGE[4 + (k + f) % 3]);
        break;
    case 13:  // straw scattered over the planks
        {
            rng g(seed);
            for (int k = 0; k < 9; k++) {
                int x = g.range(4, 34), y = g.range(2, 17), len = g.range(2, 4);
                for (int i = 0; i < len; i++) dot(c, x + i, y, pal::THATCH[5 + (i % 3)]);
            }
        }
        break;
    case 14:  // a red rug with a pale border
        for (int r = 3; r < 17; r++)
            for (int col = 6; col < 34; col++) {
                bool border = r == 3 || r == 16 || col == 6 || col == 33;
                bool band = r == 5 || r == 14 || col == 9 || col == 30;
                uint8_t v = border ? pal::BONE[4] : band ? pal::GOLD[4] : ramp_dither(pal::CLOTH_RED, 0.45f + 0.15f * ((col + r) % 4 == 0), col + r, r);
                c.set(col, r, v);
            }
        break;
    case 15:  // lily pads
        for (auto &p : spots(3, seed, 7, 4)) {
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -2; dx <= 2; dx++)
                    if (!(dx == 1 && dy == -1) && !(std::abs(dx) == 2 && dy != 0)) dot(c, p.first + dx, p.second + dy, pal::FOLIAGE[4 + (dx < 0) + (dy < 0)]);
            dot(c, p.first, p.second + 2, pal::WATER[2]);
        }
        break;
    case 16:  // bones on the cave floor
        for (auto &p : spots(2, seed, 8, 4)) {
            for (int k = 0; k < 5; k++) dot(c, p.first + k, p.second + k / 3, pal::BONE[6 + (k == 0 || k == 4)]);
            dot(c, p.first + 2, p.second + 3, pal::BONE[3]);
        }
        break;
    case 17:  // young crops along the furrows
        for (int r = 0; r < 20; r++)
            for (int col = 0; col < 40; col++) {
                float wy = 2.0f * ((float)r + 0.5f);
                float in = std::fmod(wy + 400.0f, 10.0f);
                if (in > 3.0f && in < 6.0f && (col * 7 + r * 3) % 5 < 3)
                    c.set(col, r, pal::GRASS[(col + r) % 3 == 0 ? 8 : in < 4.5f ? 6 : 4]);
            }
        break;
    default: break;
    }
}

// -- flowers over the whole tile ---------------------------------------------------------
void paint_meadow(canvas &c, int kind, uint32_t seed)
{
    paint_ground(c, G_GRASS, 0);
    const pal::ramp *petals[4] = {&pal::GOLD, &pal::BONE, &pal::CLOTH_RED, &pal::MAGIC};
    rng g(seed);
    for (auto &p : spots(9, seed, 3, 2)) {
        int k = kind < 4 ? kind : g.range(0, 3);
        if (kind == 3) k = g.range(0, 1) ? 3 : 1;
        flower(c, p.first, p.second, *petals[k], k == 0 ? pal::EARTH[3] : pal::GOLD[6]);
    }
    for (auto &p : spots(2, seed + 5, 8, 4)) tuft(c, p.first, p.second, pal::GRASS, seed + 2);
}

// -- transitions ------------------------------------------------------------------------------
// Corner bits: 1 north-west, 2 north-east, 4 south-west, 8 south-east show material a.
struct blend_style {
    ground_mat a, b;
    float lip;         // darkening of b next to a (a raised edge's shadow)
    bool foam;         // water b: a line of foam along the edge
    bool wet;          // sand a next to water: a wet band
};

uint8_t blend_at(const blend_style &s, int corners, float col, float row, float mx, float my)
{
    float u = col / 40.0f, v = row / 20.0f;
    float nw = corners & 1 ? 1.f : 0.f, ne = corners & 2 ? 1.f : 0.f, sw = corners & 4 ? 1.f : 0.f,
          se = corners & 8 ? 1.f : 0.f;
    float m = nw * (1 - u) * (1 - v) + ne * u * (1 - v) + sw * (1 - u) * v + se * u * v;
    float wx = mx - my, wy = 2.0f * my;
    float n = fbm(wx, wy, 10, 211 + (uint32_t)s.a * 7u + (uint32_t)s.b, 3) - 0.5f;
    float e = m + 0.45f * n - 0.5f;   // > 0: material a
    if (e > 0) {
        if (s.wet && e < 0.1f) return ground_at(G_WETSAND, mx, my);
        if (s.a == G_GRASS && e < 0.05f && pix(mx, my, 215) > 0.5f) return dith(pal::GRASS, 0.62f, mx, my);   // blades over the edge
        return ground_at(s.a, mx, my);
    }
    if (s.foam && e > -0.07f) return (pix(mx, my, 216) > 0.35f) ? pal::WATER[9] : pal::WATER[7];
    if (s.foam && e > -0.12f && pix(mx, my, 217) > 0.6f) return pal::WATER[7];
    uint8_t b = ground_at(s.b, mx, my);
    if (s.lip > 0 && e > -0.08f) return shift(b, -(int)(s.lip + 0.5f));
    return b;
}

}  // namespace

void paint_blend(canvas &c, ground_mat a, ground_mat b, int corners)
{
    blend_style s{a, b, 1.0f, false, false};
    if (b == G_SHALLOW || b == G_DEEP) s.foam = b == G_SHALLOW, s.lip = b == G_DEEP ? 2.0f : 0.0f;
    if (a == G_SAND && b == G_SHALLOW) s.wet = true;
    if (a == G_SHALLOW && b == G_DEEP) s.foam = false;
    if (b == G_FOREST) s.lip = 0;
    for (int r = 0; r < c.h; r++)
        for (int col = 0; col < c.w; col++)
            c.set(col, r, blend_at(s, corners, (float)col + 0.5f, (float)r + 0.5f, (float)(col + r) + 0.5f, (float)r + 0.5f));
}

namespace {

// The order of the twelve transition tiles of a pair: edges N, S, W, E, corners of a
// alone at NW, NE, SW, SE, then b alone at NW, NE, SW, SE.
const int BLEND_ORDER[12] = {3, 12, 5, 10, 1, 2, 4, 8, 14, 13, 11, 7};

struct blend_block {
    int first;
    ground_mat a, b;
};

const blend_block BLENDS[] = {
    {60, G_GRASS, G_EARTH},   {72, G_GRASS, G_SAND},     {84, G_SAND, G_SHALLOW},
    {98, G_GRASS, G_COBBLE},  {110, G_GRASS, G_SHALLOW}, {127, G_SHALLOW, G_DEEP},
    {139, G_GRASS, G_FOREST}, {151, G_CAVE, G_BEDROCK},  {163, G_GRASS, G_ROAD},
};

}  // namespace

int plain_tile(ground_mat m)
{
    switch (m) {
    case G_GRASS: return 1;
    case G_FOREST: return 12;
    case G_EARTH: return 20;
    case G_ROAD: return 24;
    case G_SAND: return 28;
    case G_DEEP: return 32;
    case G_SHALLOW: return 35;
    case G_COBBLE: return 36;
    case G_CAVE: return 52;
    case G_BEDROCK: return 56;
    default: return -1;
    }
}

int blend_tile(ground_mat a, ground_mat b, int corners)
{
    if (corners == 15) return plain_tile(a);
    if (corners == 0) return plain_tile(b);
    for (const blend_block &bl : BLENDS)
        if (bl.a == a && bl.b == b)
            for (int i = 0; i < 12; i++)
                if (BLEND_ORDER[i] == corners) return bl.first + i;
    return -1;
}

namespace {

// The battle highlight: a glowing golden cell.
void paint_highlight(canvas &c)
{
    for (int r = 0; r < 20; r++)
        for (int col = 0; col < 40; col++) {
            int d = std::min(std::min(col, 39 - col), std::min(r * 2, (19 - r) * 2));
            uint8_t v;
            if (d == 0) v = pal::GOLD[1];
            else if (d <= 2) v = pal::GOLD[6];
            else if (d <= 4) v = pal::GOLD[5];
            else v = ramp_dither(pal::GOLD, 0.42f + 0.1f * std::sin((float)(col + r * 2) * 0.6f), col + r, r);
            c.set(col, r, v);
        }
}

// The pointer mark: a red hatched frame, see-through between the strokes.
void paint_pointer_mark(canvas &c)
{
    for (int r = 0; r < 20; r++)
        for (int col = 0; col < 40; col++) {
            int d = std::min(std::min(col, 39 - col), std::min(r * 2, (19 - r) * 2));
            if (d <= 1) c.set(col, r, (col + r) % 4 < 3 ? pal::DANGER : pal::CLOTH_RED[1]);
            else if (d >= 5 && (col + 2 * r) % 8 == 0) c.set(col, r, pal::CLOTH_RED[5]);
        }
}

}  // namespace

void paint_ground_pic(canvas &c, int n)
{
    uint32_t seed = 5000u + (uint32_t)n * 31u;
    for (const blend_block &b : BLENDS)
        if (n >= b.first && n < b.first + 12) {
            paint_blend(c, b.a, b.b, BLEND_ORDER[n - b.first]);
            return;
        }
    switch (n) {
    case 0: case 1: paint_ground(c, G_GRASS, 0); return;
    case 2: paint_variant(c, G_GRASS, 1, seed); return;
    case 3: paint_variant(c, G_GRASS, 2, seed); return;
    case 4: paint_variant(c, G_GRASS, 3, seed); return;
    case 5: paint_variant(c, G_GRASS, 4, seed); return;
    case 6: paint_variant(c, G_GRASS, 5, seed); return;
    case 7: paint_variant(c, G_GRASS, 6, seed); return;
    case 8: case 9: case 10: case 11: paint_meadow(c, n - 8, seed); return;
    case 12: paint_ground(c, G_FOREST, 0); return;
    case 13: paint_variant(c, G_FOREST, 11, seed); return;
    case 14: paint_variant(c, G_FOREST, 12, seed); return;
    case 15: paint_variant(c, G_FOREST, 2, seed); return;
    case 16: paint_variant(c, G_DRYGRASS, 1, seed); return;
    case 17: case 18:
        ground_tile(c, [&](float mx, float my) { return shallow(mx, my, mx - my, 2 * my, n == 17 ? 0.0f : 3.14159f); });
        return;
    case 19: paint_highlight(c); return;
    case 20: paint_ground(c, G_EARTH, 0); return;
    case 21: paint_variant(c, G_EARTH, 2, seed); return;
    case 22: paint_variant(c, G_EARTH, 8, seed); return;
    case 23: paint_variant(c, G_EARTH, 1, seed); return;
    case 24: paint_ground(c, G_ROAD, 0); return;
    case 25: paint_variant(c, G_ROAD, 2, seed); return;
    case 26: paint_variant(c, G_ROAD, 7, seed); return;
    case 27: paint_variant(c, G_ROAD, 9, seed); return;
    case 28: paint_ground(c, G_SAND, 0); return;
    case 29: paint_variant(c, G_SAND, 10, seed); return;
    case 30: paint_variant(c, G_SAND, 7, seed); return;
    case 31: paint_variant(c, G_SAND, 2, seed); return;
    case 32: paint_ground(c, G_DEEP, 0); return;
    case 33: paint_ground(c, G_MUD, 0); return;
    case 34: paint_ground(c, G_GRAVEL, 0); return;
    case 35: paint_ground(c, G_SHALLOW, 0); return;
    case 36: paint_ground(c, G_COBBLE, 0); return;
    case 37: ground_tile(c, [&](float mx, float my) { return cobble(mx, my, mx - my, 2 * my, 0.45f); }); return;
    case 38: paint_variant(c, G_COBBLE, 5, seed); return;
    case 39: paint_variant(c, G_COBBLE, 9, seed); return;
    case 40: paint_ground(c, G_FLAGS, 0); return;
    case 41: paint_variant(c, G_FLAGS, 8, seed); return;
    case 42: ground_tile(c, [&](float mx, float my) { return flags(mx, my, mx - my, 2 * my, 0.5f); }); return;
    case 43: paint_variant(c, G_FLAGS, 5, seed); return;
    case 44: paint_ground(c, G_PLANKS, 0); return;
    case 45: paint_variant(c, G_PLANKS, 8, seed); return;
    case 46: paint_variant(c, G_PLANKS, 7, seed); return;
    case 47: paint_variant(c, G_PLANKS, 13, seed); return;
    case 48: paint_ground(c, G_TILES, 0); return;
    case 49: paint_variant(c, G_TILES, 7, seed); return;
    case 50: paint_variant(c, G_TILES, 8, seed); return;
    case 51: paint_variant(c, G_PLANKS, 14, seed); return;
    case 52: paint_ground(c, G_CAVE, 0); return;
    case 53: paint_variant(c, G_CAVE, 2, seed); return;
    case 54: paint_variant(c, G_CAVE, 8, seed); return;
    case 55: paint_variant(c, G_CAVE, 9, seed); return;
    case 56: paint_ground(c, G_BEDROCK, 0); return;
    case 57: paint_variant(c, G_CAVE, 16, seed); return;
    case 58: paint_ground(c, G_FIELD, 0); return;
    case 59: paint_variant(c, G_FIELD, 17, seed); return;
    case 96: case 97:
        ground_tile(c, [&](float mx, float my) { return lava(mx, my, mx - my, 2 * my, n - 96); });
        return;
    case 122: paint_variant(c, G_SHALLOW, 15, seed); return;
    case 123: paint_variant(c, G_SHALLOW, 2, seed); return;
    case 124: paint_ground(c, G_SOIL, 0); return;
    case 125: paint_ground(c, G_SNOW, 0); return;
    case 126: paint_pointer_mark(c); return;
    default: paint_ground(c, G_GRASS, 0); return;
    }
}

}  // namespace art
