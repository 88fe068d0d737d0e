// land_build.cpp -- house walls, doors, fences and the built props (group 1)
//
// A house is a ring of wall pieces on its outermost cells, each piece a slab along the
// cell's outer edge, 40 pixels high: its top is where the roof sits when the level's
// roof height is 40.  Walls come in timber frame (plaster between oak beams), stone
// and planks; from outside the south and west faces show, inside (roof lifted) the
// north and east walls show their inner faces.
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

const float WALL_H = 40, WALL_T = 8;

float hash2(int a, int b, uint32_t seed)
{
    uint32_t h = (uint32_t)a * 2654435761u ^ (uint32_t)b * 2246822519u ^ seed * 3266489917u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (float)(h & 0xffff) / 65535.0f;
}

// Coordinates across a vertical face: `a` runs along it (west to east on south and
// north faces, north to south on west and east faces), z up.
float along(const surf &s) { return std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x; }
bool vertical(const surf &s) { return std::fabs(s.n.z) < 0.5f; }

uint8_t lit_ramp(const pal::ramp &r, const surf &s, float bias)
{
    return ramp_dither(r, light3(s.n) + bias, s.px, s.py);
}

// -- wall materials --------------------------------------------------------------------
enum wall_style { TIMBER, STONE, PLANK };

// Stone courses: blocks staggered from course to course, each its own tone.
uint8_t stone_face(const surf &s, float a, float z, float bias, uint32_t seed)
{
    const float course = 8.0f;
    int k = (int)std::floor(z / course);
    float in_c = z - course * (float)k;
    float off = (k % 2) ? 7.0f : 0.0f;
    float len = 13.333f;
    float aa = a + off + 400.0f;
    int b = (int)std::floor(aa / len);
    float in_b = aa - len * (float)b;
    float t = light3(s.n) + bias + 0.16f * (hash2(b, k, seed) - 0.5f) +
              0.08f * (value_noise(a, z, 2.0f, seed + 5) - 0.5f);
    if (in_c < 1.0f || in_b < 1.0f) return ramp_dither(pal::STONE, t - 0.35f, s.px, s.py);   // mortar
    if (in_c > course - 2.0f) t += 0.1f;   // the block's upper edge catches the light
    if (in_b < 2.2f) t += 0.06f;
    if (in_c < 2.0f) t -= 0.08f;
    return ramp_dither(pal::STONE, t, s.px, s.py);
}

uint8_t plaster(const surf &s, float a, float z, float bias)
{
    float t = light3(s.n) + bias + 0.16f + 0.08f * (value_noise(a, z, 3.0f, 31) - 0.5f);
    if (hash2((int)(a * 2), (int)(z * 2), 33) > 0.97f) t -= 0.15f;
    return ramp_dither(pal::BONE, t, s.px, s.py);
}

uint8_t beam(const surf &s, float a, float z, float bias, bool along_grain_z)
{
    float g = along_grain_z ? value_noise(a * 3.0f, z * 0.4f, 1.0f, 41) : value_noise(a * 0.4f, z * 3.0f, 1.0f, 42);
    float t = light3(s.n) + bias - 0.08f + 0.14f * (g - 0.5f);
    return ramp_dither(pal::WOOD, t, s.px, s.py);
}

// Timber frame on a vertical face of a cell-long wall: plinth, sill, posts at both
// ends (half a post each, so that neighbours make one), a rail and braces.
uint8_t timber_face(const surf &s, float a, float z, float bias)
{
    if (z < 4.0f) return stone_face(s, a, z + 4.0f, bias - 0.05f, 7);
    if (z < 7.0f || z > 36.0f) return beam(s, a, z, bias, false);
    if (a < 2.5f || a > 37.5f) return beam(s, a, z, bias, true);
    if (z > 20.5f && z < 23.0f) return beam(s, a, z, bias, false);
    // Braces in the lower panel from the posts towards the middle.
    float d1 = std::fabs((a - 2.5f) - (z - 7.0f) * 0.9f), d2 = std::fabs((37.5f - a) - (z - 7.0f) * 0.9f);
    if (z < 20.5f && (d1 < 1.5f || d2 < 1.5f)) return beam(s, a, z, bias - 0.04f, true);
    // Plaster is set back a little: shadow under the beams and beside the posts.
    float sh = 0;
    if (z > 34.5f || (z > 19.0f && z < 20.5f) || a < 4.0f) sh = -0.14f;
    return plaster(s, a, z, bias + sh);
}

uint8_t plank_face(const surf &s, float a, float z, float bias)
{
    float w = 5.0f;
    int b = (int)std::floor(a / w);
    float in_b = a - w * (float)b;
    float t = light3(s.n) + bias - 0.1f + 0.12f * (hash2(b, 0, 51) - 0.5f) +
              0.12f * (value_noise(a * 3.0f, z * 0.3f, 1.0f, 52) - 0.5f);
    if (in_b < 0.9f) t -= 0.3f;
    if (in_b > w - 1.2f) t += 0.06f;
    if ((z > 8.0f && z < 10.5f) || (z > 30.0f && z < 32.5f)) t += 0.08f;   // battens
    if (z < 3.0f) return stone_face(s, a, z + 5.0f, bias - 0.05f, 9);
    return ramp_dither(pal::WOOD, t, s.px, s.py);
}

uint8_t wall_top(wall_style st, const surf &s)
{
    if (st == STONE) return ramp_dither(pal::STONE, light3(s.n) - 0.05f + 0.1f * (value_noise(s.p.x, s.p.y, 3.0f, 61) - 0.5f), s.px, s.py);
    return beam(s, s.p.x + s.p.y, 0, -0.02f, false);
}

uint8_t wall_face(wall_style st, const surf &s, float bias = 0)
{
    if (!vertical(s)) return wall_top(st, s);
    float a = along(s), z = s.p.z;
    switch (st) {
    case STONE: return stone_face(s, a, z, bias, 71);
    case PLANK: return plank_face(s, a, z, bias);
    default: return timber_face(s, a, z, bias);
    }
}

// -- windows and doors painted on a face --------------------------------------------------
struct opening {
    float a0, a1, z0, z1;   // the hole in face coordinates
    bool arch;              // round top (stone)
};

bool in_opening(const opening &o, float a, float z)
{
    if (a < o.a0 || a > o.a1 || z < o.z0) return false;
    if (!o.arch) return z <= o.z1;
    float r = (o.a1 - o.a0) / 2, cx = (o.a0 + o.a1) / 2, top = o.z1 - r;
    if (z <= top) return true;
    float dx = a - cx, dz = z - top;
    return dx * dx + dz * dz <= r * r;
}

// A window: frame, four panes of dark glass catching a sky glint, a sill, shutters.
uint8_t window_face(wall_style st, const surf &s, float a, float z, const opening &o)
{
    opening frame = {o.a0 - 1.5f, o.a1 + 1.5f, o.z0 - 1.5f, o.z1 + 1.5f, o.arch};
    bool in_frame = in_opening(frame, a, z);
    bool in_glass = in_opening(o, a, z);
    float mid_a = (o.a0 + o.a1) / 2, mid_z = (o.z0 + o.z1) / 2;
    if (in_glass) {
        if (std::fabs(a - mid_a) < 0.8f || std::fabs(z - mid_z) < 0.8f) return beam(s, a, z, 0.05f, true);
        float t = 0.28f + 0.25f * clamp01(((a - o.a0) - (z - o.z0) * 0.8f) / (o.a1 - o.a0));
        if (z > o.z1 - 1.5f || a < o.a0 + 1.2f) t -= 0.12f;   // the reveal's shadow
        if (std::fabs((a - o.a0) - (o.z1 - z) - 2.0f) < 0.8f) t += 0.3f;   // glint
        return ramp_dither(pal::SLATE, t, s.px, s.py);
    }
    if (in_frame) return beam(s, a, z, 0.1f, true);
    // Sill below the window.
    if (a > o.a0 - 2.5f && a < o.a1 + 2.5f && z > o.z0 - 3.5f && z <= o.z0 - 1.5f) return ramp_dither(pal::WOOD, light3(s.n) + 0.2f, s.px, s.py);
    // Shutters on timber and plank walls, painted green.
    if (st != STONE && !o.arch && z >= o.z0 - 1.5f && z <= o.z1 + 1.5f) {
        float w = (o.a1 - o.a0) / 2 + 1;
        if ((a > o.a0 - 1.5f - w && a < o.a0 - 1.5f) || (a > o.a1 + 1.5f && a < o.a1 + 1.5f + w)) {
            float t = light3(s.n) + 0.05f + ((int)std::floor(a) % 3 == 0 ? -0.15f : 0.0f);
            return ramp_dither(pal::FOLIAGE, t, s.px, s.py);
        }
    }
    // A stone lintel over windows in stone walls.
    if (st == STONE && a > o.a0 - 3 && a < o.a1 + 3 && z > o.z1 + 1.5f && z < o.z1 + 5.0f)
        return ramp_dither(pal::STONE, light3(s.n) + 0.12f, s.px, s.py);
    return 0;
}

// A door leaf of vertical planks with iron straps and a ring.
uint8_t door_leaf(const surf &s, float a, float z, const opening &o, bool stone)
{
    float w = 4.4f;
    float in_b = std::fmod(a - o.a0 + 40.0f, w);
    float t = light3(s.n) - 0.12f + 0.1f * (value_noise(a * 3, z * 0.3f, 1.0f, 81) - 0.5f);
    if (in_b < 0.8f) t -= 0.25f;
    if (z > o.z1 - 1.5f || a < o.a0 + 1.0f) t -= 0.15f;   // set back in its frame
    bool strap = std::fabs(z - (o.z0 + 6)) < 1.2f || std::fabs(z - (o.z1 - (stone ? 12 : 6))) < 1.2f;
    if (strap && a < o.a1 - 3) return ramp_dither(pal::STEEL, light3(s.n) - 0.15f, s.px, s.py);
    float ring_a = o.a1 - 4.5f, ring_z = (o.z0 + o.z1) / 2 - 2;
    float d = std::hypot(a - ring_a, (z - ring_z) * 0.9f);
    if (d > 1.2f && d < 2.4f) return ramp_dither(pal::GOLD, 0.45f + (z > ring_z ? 0.2f : 0.0f), s.px, s.py);
    if (stone && std::fmod(a - o.a0 + 1.0f, 5.0f) < 1.0f && std::fmod(z + 2.0f, 6.0f) < 1.0f)
        return ramp_dither(pal::STEEL, 0.6f, s.px, s.py);   // studs
    return ramp_dither(stone ? pal::LEATHER : pal::WOOD, t + (stone ? 0.05f : 0.0f), s.px, s.py);
}

// -- the pieces --------------------------------------------------------------------------------
// Which edges of the cell carry a wall slab.
enum { EDGE_N = 1, EDGE_S = 2, EDGE_W = 4, EDGE_E = 8 };

struct wall_piece {
    wall_style style;
    int edges;
    int window;   // edge whose outer face has a window, 0 none
    int door;     // 0 none, 1 closed, 2 open (south edge)
};

void add_slabs(solid &sd, const wall_piece &w, const surf_shader &shade)
{
    if (w.edges & EDGE_S) sd.box({0, 40 - WALL_T, 0}, {40, 40, WALL_H}, shade);
    if (w.edges & EDGE_N) sd.box({0, 0, 0}, {40, WALL_T, WALL_H}, shade);
    if (w.edges & EDGE_W) sd.box({0, 0, 0}, {WALL_T, 40, WALL_H}, shade);
    if (w.edges & EDGE_E) sd.box({40 - WALL_T, 0, 0}, {40, 40, WALL_H}, shade);
}

void paint_wall(canvas &c, const wall_piece &w)
{
    const opening door_hole = w.style == STONE ? opening{7, 27, 3, 31, true} : opening{5, 25, 6, 31, false};
    opening win_s = w.style == STONE ? opening{14, 26, 20, 33, true} : opening{14, 26, 25, 33, false};
    solid sd;
    surf_shader shade = [&](const surf &s) -> uint8_t {
        bool outer = vertical(s) && ((s.n.y > 0.5f && s.p.y > 39.0f) || (s.n.x < -0.5f && s.p.x < 1.0f));
        float a = along(s), z = s.p.z;
        if (outer && w.door && s.n.y > 0.5f && s.p.y > 39.0f) {
            bool frame = in_opening({door_hole.a0 - 2, door_hole.a1 + 2, door_hole.z0, door_hole.z1 + 2.5f, door_hole.arch}, a, z);
            if (in_opening(door_hole, a, z)) {
                if (w.door == 2) return 0;   // open: the way in
                return door_leaf(s, a, z, door_hole, w.style == STONE);
            }
            if (frame) {
                if (w.style == STONE) return ramp_dither(pal::STONE, light3(s.n) + 0.1f + 0.1f * (hash2((int)(std::atan2(z - 21, a - 17) * 4), 0, 5) - 0.5f), s.px, s.py);
                return beam(s, a, z, 0.02f, true);
            }
        }
        if (outer && w.window) {
            bool on_s = s.n.y > 0.5f && (w.window & EDGE_S), on_w = s.n.x < -0.5f && (w.window & EDGE_W);
            if (on_s || on_w) {
                uint8_t v = window_face(w.style, s, a, z, win_s);
                if (v) return v;
            }
        }
        // The top of the wall sits in the eaves' shadow; its foot meets the ground.
        float bias = 0;
        if (vertical(s) && z > 35) bias -= 0.16f;
        uint8_t v = wall_face(w.style, s, bias);
        if (vertical(s) && z < 1.0f) v = shift(v, -2);
        return v;
    };
    add_slabs(sd, w, shade);
    if (w.door == 2) {
        // The door leaf swung in against the east side of the opening.
        float x = door_hole.a1 - 1.5f;
        float depth = door_hole.a1 - door_hole.a0 - 2;
        sd.box({x, 40 - WALL_T - depth, door_hole.z0}, {x + 1.5f, 40 - WALL_T, door_hole.z1 - 1},
               [=](const surf &s) { return door_leaf(s, along(s) - (40 - WALL_T - depth) + door_hole.a0, s.p.z, door_hole, w.style == STONE); });
        // A threshold stone.
        sd.box({door_hole.a0, 40 - WALL_T, 0}, {door_hole.a1, 40, 2}, [](const surf &s) { return lit_ramp(pal::STONE, s, 0.05f); });
    }
    // Creases only: the silhouette continues into the neighbouring pieces.
    std::vector<int> ids;
    sd.render(c, object_view(c.w, c.h), &ids);
    crease(c, ids, 1);
}

// -- fences and low walls ------------------------------------------------------------------
// A fence of posts and two rails along the cell's middle (dir 0 west-east, 1 north-south,
// 2 a corner post joining both, 3 a gate left open).
void paint_fence(canvas &c, int dir, bool stone)
{
    solid sd;
    auto wood = [](const surf &s) {
        float g = value_noise(s.p.x * 0.5f + s.p.y * 0.5f, s.p.z * 2.0f, 1.0f, 91);
        return ramp_dither(pal::WOOD, light3(s.n) - 0.02f + 0.12f * (g - 0.5f), s.px, s.py);
    };
    auto rock = [](const surf &s) {
        float a = std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x;
        return stone_face(s, a, s.p.z + (std::fabs(s.n.z) > 0.5f ? s.p.y : 0.0f), 0.02f, 93);
    };
    if (stone) {
        if (dir == 0 || dir == 2) sd.box({0, 16, 0}, {40, 24, 14}, rock);
        if (dir == 1 || dir == 2) sd.box({16, 0, 0}, {24, 40, 14}, rock);
        if (dir == 2) sd.box({15, 15, 0}, {25, 25, 16}, rock);
    } else {
        auto post = [&](float x, float y) { sd.box({x - 1.6f, y - 1.6f, 0}, {x + 1.6f, y + 1.6f, 20}, wood); };
        if (dir == 0 || dir == 3) {
            post(2, 20);
            post(38, 20);
            if (dir == 0) {
                sd.box({0, 19.3f, 7}, {40, 20.7f, 9.5f}, wood);
                sd.box({0, 19.3f, 14}, {40, 20.7f, 16.5f}, wood);
            } else {
                // The gate swung open towards the south.
                sd.box({3.5f, 20, 6}, {5, 38, 8.5f}, wood);
                sd.box({3.5f, 20, 13}, {5, 38, 15.5f}, wood);
                sd.box({3.5f, 35, 5}, {5, 37.5f, 17}, wood);
            }
        }
        if (dir == 1) {
            post(20, 2);
            post(20, 38);
            sd.box({19.3f, 0, 7}, {20.7f, 40, 9.5f}, wood);
            sd.box({19.3f, 0, 14}, {20.7f, 40, 16.5f}, wood);
        }
        if (dir == 2) {
            post(20, 20);
            sd.box({20, 19.3f, 7}, {40, 20.7f, 9.5f}, wood);
            sd.box({20, 19.3f, 14}, {40, 20.7f, 16.5f}, wood);
            sd.box({19.3f, 20, 7}, {20.7f, 40, 9.5f}, wood);
            sd.box({19.3f, 20, 14}, {20.7f, 40, 16.5f}, wood);
        }
    }
    std::vector<int> ids;
    sd.render(c, object_view(c.w, c.h), &ids);
    crease(c, ids, 1);
    outline_inner(c, 1);
}

}  // namespace

// Building pieces by object number (the table in land.cpp lists them).
void paint_building(canvas &c, int n)
{
    switch (n) {
    // Timber-frame house.
    case 34: paint_wall(c, {TIMBER, EDGE_S, 0, 0}); return;
    case 35: paint_wall(c, {TIMBER, EDGE_S, EDGE_S, 0}); return;
    case 36: paint_wall(c, {TIMBER, EDGE_W, 0, 0}); return;
    case 37: paint_wall(c, {TIMBER, EDGE_W, EDGE_W, 0}); return;
    case 38: paint_wall(c, {TIMBER, EDGE_N, 0, 0}); return;
    case 39: paint_wall(c, {TIMBER, EDGE_E, 0, 0}); return;
    case 40: paint_wall(c, {TIMBER, EDGE_S | EDGE_W, 0, 0}); return;
    case 41: paint_wall(c, {TIMBER, EDGE_S | EDGE_E, 0, 0}); return;
    case 42: paint_wall(c, {TIMBER, EDGE_N | EDGE_W, 0, 0}); return;
    case 43: paint_wall(c, {TIMBER, EDGE_N | EDGE_E, 0, 0}); return;
    case 44: paint_wall(c, {TIMBER, EDGE_S | EDGE_W, EDGE_S | EDGE_W, 0}); return;
    case 45: paint_wall(c, {TIMBER, EDGE_N | EDGE_W, EDGE_W, 0}); return;
    case 59: paint_wall(c, {TIMBER, EDGE_S, 0, 1}); return;
    case 60: paint_wall(c, {TIMBER, EDGE_S, 0, 2}); return;
    // Stone house.
    case 46: paint_wall(c, {STONE, EDGE_S, 0, 0}); return;
    case 47: paint_wall(c, {STONE, EDGE_S, EDGE_S, 0}); return;
    case 48: paint_wall(c, {STONE, EDGE_W, 0, 0}); return;
    case 49: paint_wall(c, {STONE, EDGE_W, EDGE_W, 0}); return;
    case 50: paint_wall(c, {STONE, EDGE_N, 0, 0}); return;
    case 51: paint_wall(c, {STONE, EDGE_E, 0, 0}); return;
    case 52: paint_wall(c, {STONE, EDGE_S | EDGE_W, 0, 0}); return;
    case 53: paint_wall(c, {STONE, EDGE_S | EDGE_E, 0, 0}); return;
    case 54: paint_wall(c, {STONE, EDGE_N | EDGE_W, 0, 0}); return;
    case 55: paint_wall(c, {STONE, EDGE_N | EDGE_E, 0, 0}); return;
    case 70: paint_wall(c, {STONE, EDGE_S, 0, 1}); return;
    case 69: paint_wall(c, {STONE, EDGE_S, 0, 2}); return;
    // Plank walls of barns and sheds.
    case 138: paint_wall(c, {PLANK, EDGE_S, 0, 0}); return;
    case 139: paint_wall(c, {PLANK, EDGE_W, 0, 0}); return;
    case 140: paint_wall(c, {PLANK, EDGE_N, 0, 0}); return;
    case 141: paint_wall(c, {PLANK, EDGE_E, 0, 0}); return;
    case 142: paint_wall(c, {PLANK, EDGE_S | EDGE_W, 0, 0}); return;
    case 143: paint_wall(c, {PLANK, EDGE_S | EDGE_E, 0, 0}); return;
    case 144: paint_wall(c, {PLANK, EDGE_N | EDGE_W, 0, 0}); return;
    case 145: paint_wall(c, {PLANK, EDGE_N | EDGE_E, 0, 0}); return;
    case 146: paint_wall(c, {PLANK, EDGE_S, EDGE_S, 0}); return;
    case 147: paint_wall(c, {PLANK, EDGE_S, 0, 2}); return;
    // Fences and low walls.
    case 25: paint_fence(c, 0, false); return;
    case 26: paint_fence(c, 1, false); return;
    case 29: paint_fence(c, 2, false); return;
    case 30: paint_fence(c, 3, false); return;
    case 56: paint_fence(c, 0, true); return;
    case 57: paint_fence(c, 1, true); return;
    case 58: paint_fence(c, 2, true); return;
    default: return;
    }
}

}  // namespace art
