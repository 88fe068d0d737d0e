// land.cpp -- the land family's tables: ground, objects, roofs and light circles (groups 0,
// 1, 2, 5), the object properties for ls_tile.txt, and the light circles themselves
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

// -- light circles (group 5) ------------------------------------------------------------
// Pixel values are shade levels taken off (or, with a positive strength, added to)
// the ground.  The game shears a light picture like a ground tile, so a picture
// column is 40 per cell east and a row 20 per cell south: an ellipse twice as wide
// as high is a circle on the ground.
struct glow_spec {
    int n;
    float radius;   // cells
    float peak;     // shade levels at the centre
    float sx, sy;   // centre offset in cells (shadows fall to the south-east)
};

const glow_spec GLOWS[] = {
    {0, 1.5f, 22, 0, 0},     // animation and missile glow
    {1, 2.5f, 26, 0, 0},     // torch
    {3, 3.0f, 30, 0, 0},     // lamp post
    {4, 3.5f, 34, 0, 0},     // camp fire
    {5, 2.0f, 22, 0, 0},     // hearth
    {6, 1.2f, 14, 0, 0},     // lantern, lit window
    {7, 1.1f, 6, 0.35f, 0.3f},   // shadow of a tree
    {8, 0.6f, 5, 0.2f, 0.15f},   // shadow of a rock, barrel or crate
};

void paint_glow(canvas &c, const glow_spec &g)
{
    float cx = (float)c.w / 2.0f + g.sx * 40.0f, cy = (float)c.h / 2.0f + g.sy * 20.0f;
    for (int r = 0; r < c.h; r++)
        for (int i = 0; i < c.w; i++) {
            float u = ((float)i + 0.5f - cx) / (40.0f * g.radius), v = ((float)r + 0.5f - cy) / (20.0f * g.radius);
            float d2 = u * u + v * v;
            if (d2 >= 1.0f) continue;
            float f = (1.0f - d2) * (1.0f - d2);
            int val = (int)std::floor(g.peak * f + bayer(i + r, r));
            if (val > 0) c.set(i, r, (uint8_t)val);
        }
}

// The creature shadow: an ellipse flat on the screen, darkest in the middle.
void paint_shadow(canvas &c)
{
    for (int r = 0; r < c.h; r++)
        for (int i = 0; i < c.w; i++) {
            float dx = (float)(i + r) + 0.5f - (float)(c.w + c.h) / 2.0f, dy = (float)r + 0.5f - (float)c.h / 2.0f;
            float d2 = (dx / 13.0f) * (dx / 13.0f) + (dy / 4.6f) * (dy / 4.6f);
            if (d2 >= 1.0f) continue;
            int val = (int)std::floor(3.0f + 5.0f * (1.0f - d2) + bayer(i, r));
            c.set(i, r, (uint8_t)val);
        }
}

}  // namespace

void paint_light(canvas &c, int n)
{
    if (n == 2) {
        paint_shadow(c);
        return;
    }
    for (const glow_spec &g : GLOWS)
        if (g.n == n) paint_glow(c, g);
}

const std::vector<pic_spec> &land_pictures()
{
    static const std::vector<pic_spec> table = {
        // Ground (group 0): 40 x 20 tiles.
        {0, 0, 60, 40, 20, "ground: grass, meadow, forest floor, water, earth, road, sand, floors, cave", paint_ground_pic},
        {0, 60, 36, 40, 20, "ground transitions: grass-earth, grass-sand, sand-shallow water", paint_ground_pic},
        {0, 96, 2, 40, 20, "ground animated pair: glowing embers", paint_ground_pic},
        {0, 98, 29, 40, 20, "ground transitions grass-cobbles, grass-water; lilies, stones, soil, snow, pointer mark", paint_ground_pic},
        {0, 127, 48, 40, 20, "ground transitions: shallow-deep water, grass-forest, cave-bedrock, grass-road", paint_ground_pic},

        // Objects (group 1): buildings.
        {1, 25, 2, 60, 40, "wooden fence: west-east, north-south", paint_building},
        {1, 29, 2, 60, 40, "wooden fence: corner post, open gate", paint_building},
        {1, 34, 12, 60, 60, "timber-frame house walls: S, S window, W, W window, N, E, SW, SE, NW, NE, SW windows, NW window", paint_building},
        {1, 46, 10, 60, 60, "stone house walls: S, S window, W, W window, N, E, SW, SE, NW, NE", paint_building},
        {1, 56, 3, 60, 40, "low stone wall: west-east, north-south, corner", paint_building},
        {1, 59, 2, 60, 60, "timber house door: closed, open", paint_building},
        {1, 69, 2, 60, 60, "stone house door: open, closed", paint_building},
        {1, 82, 12, 60, 60, "cave walls: W, E, S, N, corners NW, NE, SW, SE, spurs NW, NE, SW, SE", paint_cave_wall},
        {1, 138, 9, 60, 60, "plank walls: S, W, N, E, SW, SE, NW, NE, S window", paint_building},

        // Roofs (group 2).
        {2, 1, 18, 72, 68, "gable roof pieces: thatch N1, R1, S1 (W, M, E); slate N1, R1, S1", paint_roof},
        {2, 19, 12, 60, 24, "cave roofs over the cave walls", paint_roof},
        {2, 31, 29, 72, 68, "gable roof pieces: clay N1, R1, S1; thatch and slate N2, S2, R0; chimneys", paint_roof},
        {2, 60, 50, 40, 20, "flat roofs: thatch, slate, clay, stone terrace, planks; cave rock 63, 106..109", paint_roof},
        {2, 120, 4, 72, 68, "gable roof pieces: clay R0 (W, M, E), clay chimney", paint_roof},

        // Light circles (group 5).
        {5, 0, 1, 120, 60, "glow of animations and missiles", paint_light},
        {5, 1, 1, 200, 100, "torch glow", paint_light},
        {5, 2, 1, 32, 10, "creature shadow", paint_light},
        {5, 3, 1, 240, 120, "lamp post glow", paint_light},
        {5, 4, 1, 280, 140, "camp fire glow", paint_light},
        {5, 5, 1, 160, 80, "hearth glow", paint_light},
        {5, 6, 1, 96, 48, "lantern glow", paint_light},
        {5, 7, 1, 120, 56, "tree shadow", paint_light},
        {5, 8, 1, 64, 32, "small object shadow", paint_light},
    };
    return table;
}

const std::vector<tile_spec> &land_tiles()
{
    static const std::vector<tile_spec> table = {};
    return table;
}

}  // namespace art
