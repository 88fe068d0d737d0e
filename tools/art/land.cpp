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

        // Objects (group 1): nature.
        {1, 1, 1, 88, 124, "oak tree", paint_nature},
        {1, 2, 1, 72, 100, "small oak tree", paint_nature},
        {1, 3, 1, 68, 132, "pine tree", paint_nature},
        {1, 4, 1, 60, 100, "young pine tree", paint_nature},
        {1, 5, 1, 60, 96, "birch tree", paint_nature},
        {1, 6, 1, 60, 88, "apple tree", paint_nature},
        {1, 7, 1, 64, 96, "dead tree", paint_nature},
        {1, 8, 1, 60, 60, "sapling", paint_nature},
        {1, 9, 3, 60, 48, "bushes: green, berries, blossoms", paint_nature},
        {1, 12, 1, 60, 48, "clipped hedge, west-east", paint_nature},
        {1, 13, 1, 60, 52, "boulder", paint_nature},
        {1, 14, 1, 60, 44, "rocks", paint_nature},
        {1, 15, 1, 60, 48, "mossy rock", paint_nature},
        {1, 16, 1, 60, 64, "standing stone", paint_nature},
        {1, 17, 2, 60, 52, "reeds in water: with bulrushes, plain", paint_nature},
        {1, 19, 1, 60, 40, "tall grass (passable)", paint_nature},
        {1, 20, 1, 60, 40, "wild flowers (passable)", paint_nature},
        {1, 21, 1, 60, 40, "mushrooms (passable)", paint_nature},
        {1, 22, 1, 60, 44, "tree stump", paint_nature},
        {1, 23, 1, 60, 44, "fallen log", paint_nature},
        {1, 24, 1, 60, 40, "water lilies", paint_nature},

        // Objects (group 1): buildings.
        {1, 25, 2, 60, 40, "wooden fence: west-east, north-south", paint_building},
        {1, 29, 2, 60, 40, "wooden fence: corner post, open gate", paint_building},
        {1, 34, 12, 60, 60, "timber-frame house walls: S, S window, W, W window, N, E, SW, SE, NW, NE, SW windows, NW window", paint_building},
        {1, 46, 10, 60, 60, "stone house walls: S, S window, W, W window, N, E, SW, SE, NW, NE", paint_building},
        {1, 56, 3, 60, 40, "low stone wall: west-east, north-south, corner", paint_building},
        {1, 59, 2, 60, 60, "timber house door: closed, open", paint_building},
        {1, 69, 2, 60, 60, "stone house door: open, closed", paint_building},
        {1, 82, 12, 60, 60, "cave walls: W, E, S, N, corners NW, NE, SW, SE, spurs NW, NE, SW, SE", paint_cave_wall},
        {1, 138, 10, 60, 60, "plank walls: S, W, N, E, SW, SE, NW, NE, S window, S doorway", paint_building},

        // Objects (group 1): things of the village, lights, chests, markers, the sea.
        {1, 27, 2, 60, 64, "standing torch (two frames)", paint_prop},
        {1, 31, 3, 60, 52, "camp fire (three frames)", paint_prop},
        {1, 61, 1, 60, 48, "barrel", paint_prop},
        {1, 62, 1, 60, 52, "barrels", paint_prop},
        {1, 63, 1, 60, 48, "crate", paint_prop},
        {1, 64, 1, 60, 60, "stacked crates", paint_prop},
        {1, 65, 1, 60, 44, "sacks", paint_prop},
        {1, 66, 1, 60, 56, "haystack", paint_prop},
        {1, 67, 2, 60, 84, "lamp post (two frames)", paint_prop},
        {1, 71, 1, 60, 80, "well", paint_prop},
        {1, 72, 1, 76, 56, "hay cart", paint_prop},
        {1, 73, 1, 60, 48, "woodpile", paint_prop},
        {1, 74, 1, 60, 48, "anvil", paint_prop},
        {1, 75, 1, 60, 68, "signpost", paint_prop},
        {1, 76, 2, 68, 76, "market stalls: red, blue", paint_prop},
        {1, 78, 1, 60, 48, "table", paint_prop},
        {1, 79, 1, 60, 44, "bench", paint_prop},
        {1, 80, 1, 76, 44, "rowing boat", paint_prop},
        {1, 81, 1, 60, 44, "water trough", paint_prop},
        {1, 94, 1, 60, 52, "gravestone", paint_prop},
        {1, 95, 1, 60, 76, "scarecrow", paint_prop},
        {1, 96, 1, 60, 48, "beehive", paint_prop},
        {1, 97, 1, 60, 48, "clay pot", paint_prop},
        {1, 98, 1, 60, 68, "bookshelf", paint_prop},
        {1, 99, 6, 60, 44, "chests: wooden, iron, gilded; each closed then emptied", paint_prop},
        {1, 105, 1, 60, 48, "bed", paint_prop},
        {1, 106, 1, 60, 48, "chair", paint_prop},
        {1, 107, 1, 60, 72, "hearth", paint_prop},
        {1, 108, 1, 60, 52, "cauldron on a fire", paint_prop},
        {1, 109, 1, 60, 60, "weapon rack", paint_prop},
        {1, 110, 1, 60, 92, "statue", paint_prop},
        {1, 111, 1, 60, 60, "wayside shrine", paint_prop},
        {1, 112, 1, 76, 64, "tent", paint_prop},
        {1, 113, 1, 80, 100, "sailing boat", paint_prop},
        {1, 114, 1, 60, 44, "jetty deck (passable)", paint_prop},
        {1, 115, 1, 60, 64, "net rack", paint_prop},
        {1, 116, 3, 72, 72, "fountain (three frames)", paint_prop},
        {1, 119, 1, 60, 40, "rubble (passable)", paint_prop},
        {1, 120, 4, 60, 40, "garden beds: flowers, cabbages, pumpkins, wheat (passable)", paint_prop},
        {1, 124, 1, 60, 64, "notice board", paint_prop},
        {1, 125, 1, 60, 56, "spawner marker (editor)", paint_prop},
        {1, 126, 1, 60, 52, "mooring post", paint_prop},
        {1, 127, 1, 60, 72, "lantern on a post", paint_prop},
        {1, 128, 10, 100, 60, "sea: glints and wave 128..132, foam 133..136, water 137", paint_sea},
        {1, 150, 1, 60, 52, "rubble barricade", paint_prop},

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

// Objects not listed block their cell and cost missiles nothing.  Light: gr_light
// is a light circle above (negative strength brightens the ground, positive casts a
// shadow), ls_light 1 or 2 lights the cells round the object.
const std::vector<tile_spec> &land_tiles()
{
    static const std::vector<tile_spec> table = {
        // first, count, passable, range penalty, gr_light, light_str, ls_light
        {1, 7, 0, 3, 7, 256, 0},      // trees, with their shadows
        {8, 1, 0, 1, 0, 0, 0},        // sapling
        {9, 3, 0, 1, 0, 0, 0},        // bushes
        {12, 1, 0, 2, 0, 0, 0},       // hedge
        {13, 1, 0, 2, 8, 256, 0},     // boulder
        {14, 1, 0, 1, 0, 0, 0},       // rocks
        {15, 2, 0, 2, 8, 256, 0},     // mossy rock, standing stone
        {17, 2, 0, 0, 0, 0, 0},       // reeds
        {19, 3, 1, 0, 0, 0, 0},       // tall grass, wild flowers, mushrooms
        {22, 2, 0, 1, 0, 0, 0},       // stump, log
        {25, 2, 0, 1, 0, 0, 0},       // fences
        {27, 2, 0, 0, 1, -256, 1},    // standing torch
        {29, 1, 0, 1, 0, 0, 0},       // fence corner
        {30, 1, 1, 0, 0, 0, 0},       // open gate
        {31, 3, 0, 0, 4, -256, 1},    // camp fire
        {34, 22, 0, 4, 0, 0, 0},      // house walls
        {56, 3, 0, 1, 0, 0, 0},       // low stone walls
        {59, 2, 1, 0, 0, 0, 0},       // timber door, closed and open
        {61, 6, 0, 1, 0, 0, 0},       // barrels, crates, sacks, haystack
        {67, 2, 0, 0, 3, -256, 1},    // lamp post
        {69, 2, 1, 0, 0, 0, 0},       // stone door, open and closed
        {71, 11, 0, 1, 0, 0, 0},      // well, cart, woodpile, anvil, signpost, stalls, table, bench, boat, trough
        {82, 12, 0, 4, 0, 0, 0},      // cave walls
        {94, 5, 0, 1, 0, 0, 0},       // gravestone, scarecrow, beehive, pot, bookshelf
        {99, 6, 0, 1, 0, 0, 0},       // chests
        {105, 2, 0, 1, 0, 0, 0},      // bed, chair
        {107, 1, 0, 1, 5, -256, 2},   // hearth
        {108, 1, 0, 1, 6, -200, 2},   // cauldron on its fire
        {109, 2, 0, 1, 0, 0, 0},      // weapon rack, statue
        {111, 1, 0, 1, 6, -160, 2},   // shrine with candles
        {112, 2, 0, 1, 0, 0, 0},      // tent, sailing boat
        {114, 1, 1, 0, 0, 0, 0},      // jetty deck
        {115, 1, 0, 1, 0, 0, 0},      // net rack
        {116, 3, 0, 1, 0, 0, 0},      // fountain
        {119, 5, 1, 0, 0, 0, 0},      // rubble, garden beds
        {124, 1, 0, 1, 0, 0, 0},      // notice board
        {125, 1, 1, 0, 0, 0, 0},      // spawner marker (drawn, never placed)
        {126, 1, 0, 0, 0, 0, 0},      // mooring post
        {127, 1, 0, 0, 6, -256, 2},   // lantern on a post
        {128, 10, 0, 0, 0, 0, 0},     // the sea
        {138, 9, 0, 4, 0, 0, 0},      // plank walls
        {147, 1, 1, 0, 0, 0, 0},      // plank wall with an open doorway
        {150, 1, 0, 2, 0, 0, 0},      // rubble barricade
    };
    return table;
}

}  // namespace art
