// world_map.cpp -- the world map: the land around Hollowmere laid out as terrain, then painted
#include "art/world_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "art/bmp.h"
#include "art/ui_kit.h"

namespace art {

namespace {

struct place {
    float x, y;
};

// The land's features, in map pixels.
constexpr place VILLAGE = {500, 298};
constexpr place MERE = {486, 340};
constexpr place RUINS = {182, 206};
constexpr place MINE = {452, 92};
constexpr place NORTH_WOOD = {470, 252};

const std::vector<place> ROAD_WEST = {{492, 300}, {440, 300}, {384, 288}, {326, 268}, {262, 236}, {196, 210}};
const std::vector<place> ROAD_NORTH = {{503, 290}, {498, 250}, {486, 196}, {468, 146}, {456, 100}};
const std::vector<place> ROAD_EAST = {{512, 301}, {548, 304}, {596, 304}};
const std::vector<place> ROAD_SOUTH = {{438, 300}, {424, 336}, {396, 372}, {384, 399}};
const std::vector<place> RIVER = {{300, 40}, {322, 90}, {310, 140}, {342, 190}, {366, 240},
                                  {404, 290}, {446, 338}};

float noise(float x, float y, float cell, uint32_t seed) { return value_noise(x, y, cell, seed); }

float smooth(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// The sea begins east of this column; the coast bends west towards the south.
float coast_x(float y)
{
    return 592 - 48 * smooth((y - 220) / 180) + (noise(0, y, 40, 11) - 0.5f) * 30 +
           (noise(0, y, 11, 12) - 0.5f) * 8;
}

float mountain_line(float x) { return 30 + 44 * noise(x, 0, 56, 13) + (noise(x, 0, 13, 14) - 0.5f) * 10; }
float west_range(float y) { return 26 + 30 * noise(0, y, 48, 15) - std::max(0.0f, (y - 120) * 0.25f); }

// Distance from p to the polyline.
float to_line(const std::vector<place> &l, float x, float y)
{
    float best = 1e9f;
    for (size_t i = 0; i + 1 < l.size(); i++) {
        float ax = l[i].x, ay = l[i].y, bx = l[i + 1].x, by = l[i + 1].y;
        float vx = bx - ax, vy = by - ay, t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy);
        t = std::clamp(t, 0.0f, 1.0f);
        best = std::min(best, std::hypot(x - ax - t * vx, y - ay - t * vy));
    }
    return best;
}

// Elliptic distance from a centre with a noisy rim: below 1 is inside.
float blob(place c, float rx, float ry, float x, float y, uint32_t seed)
{
    float d = std::hypot((x - c.x) / rx, (y - c.y) / ry);
    return d + (noise(x, y, 18, seed) - 0.5f) * 0.45f;
}

// Height of the mountains and hills, for their light and shade.
float height(float x, float y)
{
    return noise(x, y, 22, 21) * 0.6f + noise(x, y, 9, 22) * 0.3f + noise(x, y, 4, 23) * 0.1f;
}

uint8_t terrain_at(float x, float y)
{
    float road = std::min({to_line(ROAD_WEST, x, y), to_line(ROAD_NORTH, x, y), to_line(ROAD_EAST, x, y),
                           to_line(ROAD_SOUTH, x, y)});
    float coast = coast_x(y);
    if (x > coast) return WM_WATER;
    if (road < 1.6f) return WM_ROAD;
    if (y < mountain_line(x) || x < west_range(y)) return WM_MOUNTAIN;
    if (blob(MINE, 9, 6, x, y, 31) < 1) return WM_SITE;
    if (blob(RUINS, 16, 11, x, y, 32) < 1) return WM_SITE;
    if (blob(VILLAGE, 24, 13, x, y, 33) < 1) return WM_VILLAGE;
    if (blob(MERE, 46, 20, x, y, 34) < 1) return WM_WATER;
    float river = to_line(RIVER, x, y) + (noise(x, y, 9, 35) - 0.5f) * 1.2f;
    if (river < 2.2f) return WM_WATER;
    if (x > coast - 7 - 3 * noise(x, y, 7, 36)) return WM_SAND;
    if (blob({542, 306}, 22, 17, x, y, 37) < 1) return WM_MARSH;
    if (blob(MERE, 58, 29, x, y, 38) < 1 && y > MERE.y - 6) return WM_MARSH;
    if (y < mountain_line(x) + 30 + 30 * noise(x, y, 30, 39) || blob(MINE, 95, 52, x, y, 40) < 1) return WM_HILLS;
    if (blob({190, 236}, 122, 96, x, y, 41) < 1 || blob(NORTH_WOOD, 30, 18, x, y, 42) < 1) return WM_FOREST;
    return WM_GRASS;
}

uint8_t cls(const std::vector<uint8_t> &t, int x, int y)
{
    x = std::clamp(x, 0, WM_W - 1);
    y = std::clamp(y, 0, WM_H - 1);
    return t[(size_t)y * WM_W + x];
}

// Light on a height field from the upper left.
float relief(float x, float y, float scale)
{
    return (height(x - 1, y - 1) - height(x + 1, y + 1)) * scale;
}

uint8_t ground_colour(const std::vector<uint8_t> &t, int x, int y)
{
    float fx = (float)x, fy = (float)y, grain = noise(fx, fy, 3, 51) - 0.5f;
    switch (cls(t, x, y)) {
    case WM_WATER: {
        // Deep water darkens away from the shore; short light strokes are waves.
        int d = 0;
        while (d < 24 && cls(t, x - d, y) == WM_WATER && cls(t, x, y - d) == WM_WATER && cls(t, x, y + d) == WM_WATER)
            d++;
        float b = 0.62f - (float)d * 0.018f + grain * 0.1f;
        if (noise(fx * 0.35f, fy * 2.2f, 6, 52) > 0.74f) b += 0.22f;
        return ramp_dither(pal::WATER, b, x, y);
    }
    case WM_MOUNTAIN: {
        float h = height(fx, fy), lit_b = 0.36f + relief(fx, fy, 11) + grain * 0.1f;
        // The range darkens towards its foot, where the hills begin.
        if (cls(t, x, y + 3) != WM_MOUNTAIN || cls(t, x + 3, y) != WM_MOUNTAIN) lit_b -= 0.15f;
        if (h > 0.62f && fy < 45) return ramp_dither(pal::BONE, 0.7f + relief(fx, fy, 6), x, y);
        return ramp_dither(pal::STONE, lit_b, x, y);
    }
    case WM_HILLS:
        return ramp_dither(pal::GRASS, 0.42f + relief(fx, fy, 7) + grain * 0.08f, x, y);
    case WM_SAND: return ramp_dither(pal::SAND, 0.68f + grain * 0.2f, x, y);
    case WM_ROAD: return ramp_dither(pal::EARTH, 0.6f + grain * 0.15f, x, y);
    case WM_MARSH: {
        if (noise(fx, fy, 4, 53) > 0.66f) return ramp_dither(pal::WATER, 0.5f, x, y);
        return ramp_dither(pal::FOLIAGE, 0.35f + grain * 0.2f, x, y);
    }
    case WM_VILLAGE: return ramp_dither(pal::EARTH, 0.45f + grain * 0.2f, x, y);
    case WM_SITE: return ramp_dither(pal::EARTH, 0.35f + grain * 0.2f, x, y);
    case WM_FOREST: return ramp_dither(pal::FOLIAGE, 0.18f + grain * 0.1f, x, y);
    default: return ramp_dither(pal::GRASS, 0.5f + (noise(fx, fy, 30, 54) - 0.5f) * 0.3f + grain * 0.12f, x, y);
    }
}

bool near_road(const std::vector<uint8_t> &t, int x, int y)
{
    for (int dy = -4; dy <= 4; dy += 2)
        for (int dx = -4; dx <= 4; dx += 2)
            if (cls(t, x + dx, y + dy) == WM_ROAD) return true;
    return false;
}

// Every forest pixel under a crown; crowns further down overlap those above.
void paint_trees(canvas &c, const std::vector<uint8_t> &t)
{
    rng r(61);
    std::vector<place> trees;
    for (int y = 2; y < WM_H; y += 4)
        for (int x = 2 + (y / 4 % 2) * 2; x < WM_W; x += 4) {
            float jx = (float)x + (r.uniform() - 0.5f) * 3, jy = (float)y + (r.uniform() - 0.5f) * 3;
            uint8_t k = cls(t, (int)jx, (int)jy);
            bool lone = k == WM_GRASS && noise(jx, jy, 5, 62) > 0.86f && r.uniform() < 0.5f;
            if ((k == WM_FOREST || lone) && !near_road(t, (int)jx, (int)jy)) trees.push_back({jx, jy});
        }
    for (const place &p : trees) {
        float rad = 2.6f + noise(p.x, p.y, 3, 63) * 1.4f;
        ellipse(c, p.x + 1, p.y + 1.5f, rad, rad * 0.8f, pal::INK, -0.3f);
        ellipse(c, p.x, p.y, rad, rad * 0.9f, pal::FOLIAGE, -0.2f);
    }
}

// Ploughed strips and meadows in a patchwork round the village.
void paint_fields(canvas &c, const std::vector<uint8_t> &t)
{
    for (int y = 0; y < WM_H; y++)
        for (int x = 0; x < WM_W; x++) {
            if (cls(t, x, y) != WM_GRASS) continue;
            float d = blob(VILLAGE, 95, 60, (float)x, (float)y, 91);
            if (d > 1 || d < 0.3f) continue;
            int fx = (x + (y / 14) * 9) / 16, fy = y / 14;
            uint32_t kind = ((uint32_t)fx * 73856093u ^ (uint32_t)fy * 19349663u) % 5;
            if ((x + (y / 14) * 9) % 16 == 0 || y % 14 == 0) {
                c.set(x, y, pal::FOLIAGE[2]);   // hedges
                continue;
            }
            if (kind == 0) c.set(x, y, y % 2 ? pal::EARTH[5] : pal::EARTH[3]);
            else if (kind == 1) c.set(x, y, ramp_dither(pal::THATCH, 0.6f, x, y));
            else if (kind == 2) c.set(x, y, ramp_dither(pal::GRASS, 0.7f, x, y));
        }
}

// Little cottages with red, straw and slate roofs around the square.
void paint_village(canvas &c, const std::vector<uint8_t> &t)
{
    rng r(71);
    const pal::ramp *roofs[] = {&pal::TERRACOTTA, &pal::THATCH, &pal::SLATE};
    for (int i = 0; i < 70; i++) {
        int x = (int)VILLAGE.x + r.range(-26, 24), y = (int)VILLAGE.y + r.range(-13, 12);
        if (cls(t, x, y) != WM_VILLAGE || cls(t, x + 5, y + 4) != WM_VILLAGE) continue;
        if (std::abs(x - (int)VILLAGE.x) < 4 && std::abs(y - (int)VILLAGE.y) < 3) continue;   // the square
        const pal::ramp &roof = *roofs[r.range(0, 2)];
        fill_rect(c, x, y + 2, 5, 3, pal::SAND[6]);
        fill_rect(c, x, y, 5, 2, roof[6]);
        fill_rect(c, x, y + 1, 5, 1, roof[3]);
        c.set(x + 1, y + 4, pal::WOOD[1]);
    }
    // The chapel's tower.
    fill_rect(c, (int)VILLAGE.x - 16, (int)VILLAGE.y - 9, 3, 7, pal::STONE[7]);
    fill_rect(c, (int)VILLAGE.x - 16, (int)VILLAGE.y - 11, 3, 2, pal::SLATE[3]);
}

// Broken walls of an old keep in a clearing of the wood.
void paint_ruins(canvas &c)
{
    int x0 = (int)RUINS.x - 9, y0 = (int)RUINS.y - 6;
    rng r(81);
    for (int i = 0; i <= 18; i++)
        for (int side = 0; side < 2; side++) {
            if (r.uniform() < 0.3f) continue;
            c.set(x0 + i, y0 + side * 12, pal::STONE[8]);
            c.set(x0 + i, y0 + side * 12 + 1, pal::STONE[3]);
        }
    for (int i = 0; i <= 12; i++)
        for (int side = 0; side < 2; side++) {
            if (r.uniform() < 0.3f) continue;
            c.set(x0 + side * 18, y0 + i, pal::STONE[7]);
            c.set(x0 + side * 18 + 1, y0 + i, pal::STONE[3]);
        }
    fill_rect(c, x0 + 7, y0 + 3, 4, 6, pal::STONE[6]);
    fill_rect(c, x0 + 8, y0 + 3, 2, 2, pal::STONE[9]);
    fill_rect(c, x0 + 7, y0 + 8, 4, 1, pal::STONE[2]);
}

// The mine's mouth in the hillside, with its props and spoil heap.
void paint_mine(canvas &c)
{
    int x = (int)MINE.x, y = (int)MINE.y;
    ellipse(c, (float)x + 8, (float)y + 3, 6, 3, pal::STONE, -0.1f);
    for (int dy = -4; dy <= 2; dy++)
        for (int dx = -4; dx <= 4; dx++)
            if (dx * dx + (dy + 1) * (dy + 1) * 2 <= 20) c.set(x + dx, y + dy, pal::INK[0]);
    line(c, x - 5, y + 2, x - 5, y - 4, pal::WOOD[6]);
    line(c, x + 5, y + 2, x + 5, y - 4, pal::WOOD[4]);
    line(c, x - 6, y - 5, x + 6, y - 5, pal::WOOD[7]);
}

// The causeway ends in a wooden jetty out over the sea.
void paint_jetty(canvas &c)
{
    const place &end = ROAD_EAST.back();
    int x0 = (int)coast_x(end.y) - 2;
    fill_rect(c, x0, (int)end.y - 1, 14, 3, pal::WOOD[6]);
    for (int x = x0; x < x0 + 14; x += 3) c.set(x, (int)end.y + 2, pal::WOOD[1]);
}

void label(canvas &c, int x, int y, const char *s)
{
    int w = ui::text_width(s);
    ui::text_shadow(c, x - w / 2, y, s, pal::TEXT);
}

}  // namespace

std::vector<uint8_t> world_terrain()
{
    std::vector<uint8_t> t((size_t)WM_W * WM_H);
    for (int y = 0; y < WM_H; y++)
        for (int x = 0; x < WM_W; x++) t[(size_t)y * WM_W + x] = terrain_at((float)x + 0.5f, (float)y + 0.5f);
    return t;
}

canvas world_picture(const std::vector<uint8_t> &t)
{
    canvas c(WM_W, WM_H);
    for (int y = 0; y < WM_H; y++)
        for (int x = 0; x < WM_W; x++) {
            uint8_t k = cls(t, x, y), colour = ground_colour(t, x, y);
            // Shores and the mountains' feet get a dark rim where the land meets them.
            if (k != WM_WATER && (cls(t, x + 1, y) == WM_WATER || cls(t, x, y + 1) == WM_WATER))
                colour = pal::SAND[2];
            else if (k == WM_WATER && cls(t, x, y - 1) != WM_WATER)
                colour = pal::WATER[8];
            c.set(x, y, colour);
        }
    paint_fields(c, t);
    paint_trees(c, t);
    paint_jetty(c);
    paint_village(c, t);
    paint_ruins(c);
    paint_mine(c);
    label(c, (int)VILLAGE.x, (int)VILLAGE.y - 28, "Hollowmere");
    label(c, (int)RUINS.x, (int)RUINS.y + 12, "Ruins");
    label(c, (int)MINE.x + 2, (int)MINE.y + 7, "Mine");
    label(c, 612, 180, "Sea");
    label(c, (int)NORTH_WOOD.x - 4, (int)NORTH_WOOD.y - 26, "North Wood");
    return c;
}

int write_world_map(const std::string &dir)
{
    std::vector<uint8_t> t = world_terrain();
    if (write_bmp8((dir + "/wmap10.bmp").c_str(), world_picture(t)) != 0) return -1;
    // Two characters a pixel, the class and a separator, so a pixel is one seek away.
    std::string text((size_t)WM_W * WM_H * 2, ' ');
    for (size_t i = 0; i < t.size(); i++) {
        text[2 * i] = (char)('0' + t[i]);
        if (i % WM_W == WM_W - 1) text[2 * i + 1] = '\n';
    }
    FILE *out = std::fopen((dir + "/wmap10.txt").c_str(), "wb");
    if (!out) return -1;
    size_t wrote = std::fwrite(text.data(), 1, text.size(), out);
    return std::fclose(out) == 0 && wrote == text.size() ? 0 : -1;
}

}  // namespace art
