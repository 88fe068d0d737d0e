// land.cpp -- ground tiles, map objects, roofs and light circles (groups 0, 1, 2, 5)
#include <cmath>

#include "art/manifest.h"

namespace art {

namespace {

// Meadow grass: two layers of lattice noise and a scatter of bright blades.
void paint_grass(canvas &c, int n)
{
    uint32_t seed = 1000u + (uint32_t)n;
    ground_tile(c, [&](float mx, float my) {
        float t = 0.25f + 0.55f * tile_noise(mx, my, seed, 2, 3);
        float blade = tile_noise(mx * 1.0f, my * 1.0f, seed + 7, 8, 1);
        if (blade > 0.72f) t += 0.18f;
        if (blade < 0.22f) t -= 0.12f;
        return ramp_dither(pal::GRASS, t, (int)mx, (int)my);
    });
}

// A flat roof seen from above: courses of clay tiles along the map's rows, each
// course lit on its upper edge; joints staggered from course to course.
void paint_flat_roof(canvas &c, int n)
{
    uint32_t seed = 2000u + (uint32_t)n;
    ground_tile(c, [&](float mx, float my) {
        int course = (int)std::floor(my / 5.0f);
        float in_course = my - 5.0f * (float)course;
        float along = mx - my + (course % 2 ? 5.0f : 0.0f);
        float joint = std::fmod(along + 400.0f, 10.0f);
        float t = 0.55f + 0.2f * tile_noise(mx, my, seed, 4, 2);
        if (in_course < 1.0f) t += 0.2f;
        if (in_course > 4.0f) t -= 0.3f;
        if (joint < 1.0f) t -= 0.25f;
        return ramp_dither(pal::TERRACOTTA, t, (int)mx, (int)my);
    });
}

// A roof slab over one cell, 60 x 40: its top face is the cell's slanted
// footprint raised 10 pixels, with a thin front and left edge below it.
void roof_slab(canvas &c, const pal::ramp &r, float course_h, uint32_t seed)
{
    std::vector<pt> top = {{0, 10}, {40, 10}, {60, 30}, {20, 30}};
    std::vector<pt> front = {{20, 30}, {60, 30}, {60, 35}, {20, 35}};
    std::vector<pt> side = {{0, 10}, {20, 30}, {20, 35}, {0, 15}};
    polygon(c, side, r, {-0.9f, 0.1f, 0.4f}, -0.1f);
    polygon(c, front, r, {0, 0.8f, 0.6f}, -0.15f);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (!in_polygon(top, (float)x + 0.5f, (float)y + 0.5f)) continue;
            float in_course = std::fmod((float)y - 10.0f, course_h);
            float t = 0.45f + 0.3f * value_noise((float)x, (float)y, 3.0f, seed);
            if (in_course < 1.0f) t += 0.25f;
            if (in_course > course_h - 1.5f) t -= 0.25f;
            c.set(x, y, ramp_dither(r, t, x, y));
        }
    outline_inner(c, 2);
}

void paint_slate_roof(canvas &c, int n) { roof_slab(c, pal::SLATE, 4.0f, 3000u + (uint32_t)n); }
void paint_thatch_roof(canvas &c, int n) { roof_slab(c, pal::THATCH, 3.0f, 4000u + (uint32_t)n); }

}  // namespace

const std::vector<pic_spec> &land_pictures()
{
    static const std::vector<pic_spec> table = {
        {0, 1, 1, 40, 20, "default ground: meadow grass", paint_grass},
        {2, 59, 1, 60, 40, "slate roof over one cell", paint_slate_roof},
        {2, 61, 1, 40, 20, "flat clay-tile roof", paint_flat_roof},
        {2, 120, 1, 60, 40, "thatched roof over one cell", paint_thatch_roof},
    };
    return table;
}

const std::vector<tile_spec> &land_tiles()
{
    static const std::vector<tile_spec> table = {};
    return table;
}

}  // namespace art
