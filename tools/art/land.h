// land.h -- helpers shared by the land family's files (ground, objects, roofs, sea, light)
//
// Only land_*.cpp include this.  The map's projection: a cell (c, r) lies at map pixel
// (40c + 20r, 20r).  Inside one cell, u runs east and v south, both 0..1, and a point
// of the ground at (u, v) is drawn at (40u + 20v, 20v) from the cell's corner; height z
// lifts it z pixels up the screen.  The solids below work in "world pixels": x = 40u,
// y = 40v and z, so that a cell is a 40 x 40 square and heights are screen pixels.
#pragma once

#include <functional>
#include <vector>

#include "art/draw.h"
#include "art/manifest.h"

namespace art {

// -- solids in the map's projection -----------------------------------------------
// A point of the world: x east and y south (40 per cell), z up, all in pixels.
struct wp {
    float x, y, z;
};

// Where a picture shows the world: world (0, 0, 0) -- the cell's north-west corner
// on the ground -- lands on picture pixel (ox, oy).
struct solid_view {
    float ox, oy;
};

// The picture origin of an object of size w x h: drawn at the cell + (0, -20),
// moved up by h - 40 and left by (w - 60) / 2.
solid_view object_view(int w, int h);
// The same for a run-length roof: (0, 0, 0) is then the cell's corner on the roof
// plane, lev_roof_dy above the ground.
solid_view roof_view(int w, int h);

// Picture position of a world point.
pt project(const solid_view &v, wp p);

// What a face shows at one pixel.
struct surf {
    wp p;        // world point hit
    vec3 n;      // outward normal (world: x east, y south, z up)
    int face;    // index of the face in its list
    int px, py;  // picture pixel, for dithering
};
using surf_shader = std::function<uint8_t(const surf &)>;

// A flat polygon of a solid.
struct face {
    std::vector<wp> pts;   // corners in order (either winding)
    surf_shader shade;     // its colour at a pixel
    bool two_sided;        // thin sheets seen from behind too; closed solids cull
    vec3 normal;           // outward normal; zero: taken from the corners (facing the viewer)
};

// A list of faces drawn with a depth test, nearest wins.  ids (optional) gets the
// face index of every pixel, -1 where nothing was drawn.
struct solid {
    std::vector<face> faces;

    void add(std::vector<wp> pts, surf_shader shade, bool two_sided = false, vec3 normal = {0, 0, 0});
    // An axis-aligned box, all six faces (hidden ones are culled).
    void box(wp lo, wp hi, const surf_shader &shade);
    void render(canvas &c, const solid_view &v, std::vector<int> *ids = nullptr) const;
};

// Darkens pixels where one face meets another face lower or to the right of it,
// so that the edges of walls, beams and lids read as lines.
void crease(canvas &c, const std::vector<int> &ids, int steps = 1);

// Brightness 0..1 of a world normal under the one light (upper left on the screen:
// from the north-west and above); top faces brightest, west faces next, south faces
// darker, east and north faces darkest.
float light3(vec3 n);

// -- ground --------------------------------------------------------------------------
// Materials of the ground as functions of map pixels, the same on every tile, so
// that any two tiles made from them meet without a seam.
enum ground_mat {
    G_GRASS, G_FOREST, G_DRYGRASS, G_EARTH, G_ROAD, G_SAND, G_WETSAND, G_MUD, G_GRAVEL,
    G_COBBLE, G_FLAGS, G_PLANKS, G_TILES, G_CAVE, G_BEDROCK, G_SHALLOW, G_DEEP,
    G_FIELD, G_SOIL, G_SNOW, G_COUNT
};
uint8_t ground_at(ground_mat m, float mx, float my);

// A tile of material `a` (variant `variant`: 0 plain, others add small details
// inside the tile so that variants mix without seams).
void paint_ground(canvas &c, ground_mat a, int variant);
// A transition tile: corners (north-west, north-east, south-west, south-east) that are
// set show material `a`, the others `b`; the boundary is a noisy curve that meets the
// neighbouring transition tiles.
void paint_blend(canvas &c, ground_mat a, ground_mat b, int corners);

// The plain tile of a material, -1 when it has none; the transition tile between a
// and b for a corner mask (1 north-west, 2 north-east, 4 south-west, 8 south-east
// show a), -1 for the two diagonal masks and for pairs without transitions.
int plain_tile(ground_mat m);
int blend_tile(ground_mat a, ground_mat b, int corners);

// The cell's footprint in picture pixels of a 40 x 20 tile is every (col, row); in a
// larger picture it is the parallelogram from (ox, oy) to (ox + 60, oy + 20).
bool in_footprint(float px, float py, float ox, float oy);

// -- the land's painters, by file ------------------------------------------------------
// land_ground.cpp
void paint_ground_pic(canvas &c, int n);
// land_nature.cpp
void paint_nature(canvas &c, int n);
// land_build.cpp
void paint_building(canvas &c, int n);
// land_props.cpp
void paint_prop(canvas &c, int n);
// land_roofs.cpp
void paint_roof(canvas &c, int n);
void paint_cave_wall(canvas &c, int n);
// The roof piece of a material (0 thatch, 1 slate, 2 clay) for a row (0 N1, 1 N2,
// 2 R0, 3 R1, 4 S2, 5 S1) and column (0 west, 1 middle, 2 east); -1 when not drawn.
int roof_piece(int material, int row, int col);
// The cave wall keeping rock in the given corners (1 north-west, 2 north-east,
// 4 south-west, 8 south-east), -1 for none; the cave roof the editor puts over a wall.
int cave_wall_for(int rock_corners);
int cave_roof_for(int wall);
// land_water.cpp
void paint_sea(canvas &c, int n);
// land.cpp
void paint_light(canvas &c, int n);

// -- small shared helpers ------------------------------------------------------------
float clamp01(float v);
float smoothstep(float a, float b, float v);
// Noise in world pixels of a cell, repeating every cell in x (40) and y (40), so
// that textures of neighbouring pieces meet.
float cell_noise(float x, float y, float cell, uint32_t seed);

}  // namespace art
