// land_roofs.cpp -- roofs (group 2) and the cave's walls (objects 82..93) and roofs
//
// Pitched roofs are built from pieces, one per cell of the house, that meet exactly:
// each draws the part of one gabled roof (ridge running west-east) over its cell, the
// eaves 40 pixels above the ground (the level's roof height).  A piece is named by its
// row -- N1 the north eave row, N2 the next row up the north slope, R1 the ridge row of
// a house three rows deep, R0 the only row of a house one row deep, S2 and S1 the south
// slope down to the south eave -- and by its column: W (west gable end), M, E (east end).
//   depth 1: R0          depth 2: N1 S1        depth 3: N1 R1 S1     depth 4: N1 N2 S2 S1
// The flat pages (60..119) hold flat-drawn roofs of the same materials, shaded as if
// sloped: they lie in the roof plane and may be mixed freely over any house.
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

const float SLOPE = 12.0f;      // rise of the roof per cell of depth, in pixels
const float EAVE = 5.0f;        // overhang at the eaves and the gables, world pixels

enum roof_mat { THATCH_R, SLATE_R, CLAY_R };
enum roof_row { N1, N2, R0, R1, S2, S1 };
enum roof_col { W, M, E };

// Height of the roof surface above the eaves at world y (0..40) of a row's cell.
float roof_z(roof_row row, float y)
{
    float v = y / 40.0f;
    switch (row) {
    case N1: return SLOPE * v;
    case N2: return SLOPE * (1 + v);
    case R1: return SLOPE * (1 + std::min(v, 1 - v));
    case R0: return 0.9f * SLOPE * (1 - std::fabs(2 * v - 1));
    case S2: return SLOPE * (2 - v);
    case S1: return SLOPE * (1 - v);
    }
    return 0;
}

float hashf(int a, int b, uint32_t seed)
{
    uint32_t h = (uint32_t)a * 2654435761u ^ (uint32_t)b * 2246822519u ^ seed * 3266489917u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (float)(h & 0xffff) / 65535.0f;
}

// Brightness of a roof slope: the north slope faces the light, the south slope the
// viewer; the pitch is exaggerated for the light so that the two read apart.
float slope_light(float ny)
{
    if (ny < -0.05f) return 0.78f;
    if (ny > 0.05f) return 0.56f;
    return 0.68f;
}

// The covering of a roof at world (x, y) with slope facing ny (negative: north).
// `ridge` is the distance in world pixels to the ridge line, -1 where there is none.
uint8_t covering(roof_mat m, float x, float y, float ny, float ridge, int px, int py)
{
    float t = slope_light(ny);
    // Courses run along the eaves; count them from the nearest eave so that the
    // pattern lines up across pieces (every piece spans whole courses).
    float yy = y + 400.0f;
    switch (m) {
    case THATCH_R: {
        if (ridge >= 0 && ridge < 5.0f) {
            // A rolled ridge of bound straw.
            float band = std::fmod(x + 400.0f, 8.0f);
            float tt = 0.62f - 0.06f * ridge + (band < 1.2f ? -0.25f : 0.0f);
            return ramp_dither(pal::THATCH, tt, px, py);
        }
        float wave = 2.0f * (value_noise(x * 0.25f, 0.5f, 1.0f, 303) - 0.5f);
        float course = std::fmod(yy + wave, 10.0f);
        float straw = value_noise(x * 1.3f, y * 0.2f, 1.0f, 301);
        float fine = value_noise(x * 3.0f, y * 0.6f, 1.0f, 302);
        t += 0.3f * (straw - 0.5f) + 0.14f * (fine - 0.5f) - 0.1f;
        if (course < 1.2f) t -= 0.16f;   // the edge of the layer above
        else if (course < 3.0f) t += 0.05f;
        return ramp_dither(pal::THATCH, t, px, py);
    }
    case SLATE_R: {
        if (ridge >= 0 && ridge < 2.5f) return ramp_dither(pal::SLATE, 0.5f + 0.15f * (ny < 0), px, py);
        int k = (int)std::floor(yy / 5.0f);
        float in_c = yy - 5.0f * (float)k;
        float off = (k % 2) ? 4.0f : 0.0f;
        int s = (int)std::floor((x + off + 400.0f) / 8.0f);
        float in_s = std::fmod(x + off + 400.0f, 8.0f);
        t += 0.14f * (hashf(s, k, 311) - 0.5f) - 0.1f;
        if (in_c > 3.8f) t -= 0.2f;      // the lower edge's shadow on the course below
        if (in_c < 1.0f) t += 0.08f;
        if (in_s < 0.8f) t -= 0.15f;
        return ramp_dither(pal::SLATE, t, px, py);
    }
    case CLAY_R: {
        if (ridge >= 0 && ridge < 3.0f) {
            float seg = std::fmod(x + 400.0f, 10.0f);
            return ramp_dither(pal::TERRACOTTA, 0.55f + 0.2f * std::cos(seg / 10.0f * 6.283f) - 0.1f * ridge / 3.0f, px, py);
        }
        int k = (int)std::floor(yy / 6.667f);
        float in_c = yy - 6.667f * (float)k;
        float across = std::fmod(x + 400.0f, 8.0f) / 8.0f;   // one curved tile across
        t += 0.22f * std::cos(across * 6.283f) * 0.5f + 0.08f * (hashf((int)std::floor((x + 400.0f) / 8.0f), k, 321) - 0.5f) - 0.12f;
        if (in_c > 5.6f) t -= 0.22f;
        return ramp_dither(pal::TERRACOTTA, t, px, py);
    }
    }
    return 0;
}

// Gable boards under the west verge.
uint8_t gable_boards(const surf &s)
{
    float b = std::fmod(s.p.y + 400.0f, 5.0f);
    float t = light3(s.n) - 0.15f + 0.1f * (value_noise(s.p.y * 2.0f, s.p.z * 0.3f, 1.0f, 331) - 0.5f);
    if (b < 0.8f) t -= 0.2f;
    return ramp_dither(pal::WOOD, t, s.px, s.py);
}

uint8_t trim(const surf &s, roof_mat m)
{
    if (m == THATCH_R) return ramp_dither(pal::THATCH, light3(s.n) - 0.25f + 0.15f * (value_noise(s.p.x * 2, s.p.z * 2, 1.0f, 341) - 0.5f), s.px, s.py);
    return ramp_dither(pal::WOOD, light3(s.n) - 0.1f, s.px, s.py);
}

// Builds the faces of one roof piece over the cell (world x, y 0..40, z from the eaves).
void roof_faces(solid &sd, roof_mat m, roof_row row, roof_col col, bool chimney)
{
    float x0 = col == W ? -EAVE : 0.0f, x1 = col == E ? 40.0f + EAVE : 40.0f;
    float y0 = (row == N1 || row == R0) ? -EAVE : 0.0f, y1 = (row == S1 || row == R0) ? 40.0f + EAVE : 40.0f;
    float thick = m == THATCH_R ? 4.0f : 1.5f;
    // The surface as flat strips between the breaks of the slope.
    std::vector<float> ys = {y0};
    if (row == R1 || row == R0) ys.push_back(20.0f);
    ys.push_back(y1);
    auto z_at = [&](float y) { return roof_z(row, y); };
    bool has_ridge = row == R1 || row == R0;
    for (size_t i = 0; i + 1 < ys.size(); i++) {
        float ya = ys[i], yb = ys[i + 1];
        float za = z_at(ya), zb = z_at(yb);
        float ny = zb > za ? -1.0f : zb < za ? 1.0f : 0.0f;
        sd.add({{x0, ya, za}, {x1, ya, za}, {x1, yb, zb}, {x0, yb, zb}},
               [=](const surf &s) {
                   float ridge = has_ridge ? std::fabs(s.p.y - 20.0f) : -1.0f;
                   uint8_t v = covering(m, s.p.x, s.p.y, ny, ridge, s.px, s.py);
                   if (col == E && s.p.x > 40.0f + EAVE - 1.2f) v = shift(v, -3);
                   if (col == W && s.p.x < -EAVE + 1.2f) v = shift(v, 1);
                   return v;
               });
        // The thickness of the covering along the west verge.
        if (col == W)
            sd.add({{x0, ya, za}, {x0, yb, zb}, {x0, yb, zb - thick}, {x0, ya, za - thick}},
                   [=](const surf &s) { return trim(s, m); }, false, {-1, 0, 0});
    }
    // A ridge cap standing on the ridge: a low ridge of its own, lit on the north.
    if (has_ridge) {
        float cap = m == THATCH_R ? 3.0f : 2.0f, half = m == THATCH_R ? 6.0f : 4.0f;
        float zr = z_at(20.0f) + cap, zn = z_at(20.0f - half) + 0.3f, zs = z_at(20.0f + half) + 0.3f;
        auto ridge_shade = [=](const surf &s) {
            float t = s.n.y < 0 ? 0.8f : 0.5f;
            float ridge_t = t + 0.1f * (value_noise(s.p.x * 0.7f, 0.5f, 1.0f, 351) - 0.5f);
            switch (m) {
            case THATCH_R: {
                float band = std::fmod(s.p.x + 400.0f, 9.0f);
                if (band < 1.5f) ridge_t -= 0.3f;   // the binding
                return ramp_dither(pal::THATCH, ridge_t - 0.05f, s.px, s.py);
            }
            case SLATE_R: return ramp_dither(pal::STONE, ridge_t - 0.12f, s.px, s.py);
            default: {
                float seg = std::fmod(s.p.x + 400.0f, 10.0f);
                return ramp_dither(pal::TERRACOTTA, ridge_t - 0.05f + (seg < 1.0f ? -0.3f : 0.0f), s.px, s.py);
            }
            }
        };
        sd.add({{x0, 20.0f - half, zn}, {x1, 20.0f - half, zn}, {x1, 20.0f, zr}, {x0, 20.0f, zr}}, ridge_shade);
        sd.add({{x0, 20.0f, zr}, {x1, 20.0f, zr}, {x1, 20.0f + half, zs}, {x0, 20.0f + half, zs}}, ridge_shade);
        if (col == W)
            sd.add({{x0, 20.0f - half, zn}, {x0, 20.0f, zr}, {x0, 20.0f + half, zs}}, [=](const surf &s) { return trim(s, m); }, false, {-1, 0, 0});
    }
    // The thickness along the south eave.
    if (row == S1 || row == R0) {
        float zb = z_at(y1);
        sd.add({{x0, y1, zb}, {x1, y1, zb}, {x1, y1, zb - thick}, {x0, y1, zb - thick}},
               [=](const surf &s) { return trim(s, m); }, false, {0, 1, 0});
    }
    // The gable wall under the west verge.
    if (col == W) {
        // Along the wall top, then up under the roof line (never below the eaves).
        std::vector<wp> g = {{0, 40, 0}, {0, 0, 0}};
        for (float y = 0; y <= 40.0f; y += 2.5f) g.push_back({0, y, std::max(0.0f, z_at(y) - 0.5f)});
        sd.add(g, gable_boards, false, {-1, 0, 0});
    }
    if (chimney) {
        float top = z_at(20.0f) + 12.0f;
        auto brick = [](const surf &s) {
            float a = std::fabs(s.n.x) > 0.5f ? s.p.y : s.p.x;
            int k = (int)std::floor((s.p.z + 40.0f) / 3.0f);
            float in_b = std::fmod(a + (k % 2) * 3.0f + 40.0f, 6.0f);
            float t = light3(s.n) - 0.05f;
            if (std::fmod(s.p.z + 40.0f, 3.0f) < 0.8f || in_b < 0.8f) t -= 0.25f;
            return ramp_dither(pal::TERRACOTTA, t, s.px, s.py);
        };
        sd.box({24, 12, z_at(12.0f) - 1.0f}, {32, 20, top}, brick);   // rising out of the thatch or slates
        sd.box({23, 11, top - 2}, {33, 21, top}, [](const surf &s) { return ramp_dither(pal::STONE, light3(s.n), s.px, s.py); });
        sd.box({25.5f, 13.5f, top - 0.5f}, {30.5f, 18.5f, top + 0.01f}, [](const surf &s) { return s.n.z > 0.5f ? pal::INK[0] : (uint8_t)0; });
    }
}

void paint_gable_piece(canvas &c, roof_mat m, roof_row row, roof_col col, bool chimney)
{
    solid sd;
    roof_faces(sd, m, row, col, chimney);
    // No outline: pieces continue into their neighbours; the trims draw the edges.
    sd.render(c, roof_view(c.w, c.h));
}

// A flat-drawn roof tile: the covering in the roof plane, shaded as its slope, with
// the verge and eave edges drawn inside the tile.
void paint_flat_roof(canvas &c, roof_mat m, roof_row row, roof_col col)
{
    for (int r = 0; r < 20; r++)
        for (int cc = 0; cc < 40; cc++) {
            float x = (float)cc + 0.5f, y = 2.0f * (float)r + 1.0f;
            float ny = row == N1 || row == N2 ? -1.0f : row == S1 || row == S2 ? 1.0f : (y < 20 ? -1.0f : 1.0f);
            float ridge = (row == R1 || row == R0) ? std::fabs(y - 20.0f) : -1.0f;
            uint8_t v = covering(m, x, y, ny, ridge, cc + r, r);
            bool edge_w = col == W && x < 2.5f, edge_e = col == E && x > 37.5f;
            bool edge_s = (row == S1 || row == R0) && y > 37.0f, edge_n = (row == N1 || row == R0) && y < 3.0f;
            if (edge_w || edge_n) v = shift(v, 1);
            if (edge_e || edge_s) v = shift(v, -2);
            if ((col == W && x < 1.0f) || (col == E && x > 39.0f) || ((row == S1 || row == R0) && y > 39.0f)) {
                const pal::ramp *rr = ramp_of(v);
                if (rr) v = rr->darkest();
            }
            c.set(cc, r, v);
        }
}

// Flat roofs of stone slabs with a raised parapet, and of tarred planks.
void paint_flat_other(canvas &c, bool stone, int pos)
{
    int row = pos / 3, col = pos % 3;   // 0 north, 1 middle, 2 south; 0 west, 1 middle, 2 east
    for (int r = 0; r < 20; r++)
        for (int cc = 0; cc < 40; cc++) {
            float x = (float)cc + 0.5f, y = 2.0f * (float)r + 1.0f;
            uint8_t v;
            bool rim = (col == 0 && x < 5) || (col == 2 && x > 35) || (row == 0 && y < 6) || (row == 2 && y > 34);
            if (stone) {
                float t = 0.5f + 0.08f * (value_noise(x, y, 3.0f, 351) - 0.5f);
                if (std::fmod(x + 400, 20.0f) < 1 || std::fmod(y + 400, 20.0f) < 1.5f) t -= 0.2f;
                if (rim) t += 0.15f;
                v = ramp_dither(pal::STONE, t, cc + r, r);
                bool inner = (col == 0 && x >= 5 && x < 7) || (row == 0 && y >= 6 && y < 9);
                if (inner) v = shift(v, -3);   // the parapet's shadow
            } else {
                float t = 0.32f + 0.1f * (value_noise(x * 0.3f, y * 2, 1.0f, 361) - 0.5f);
                if (std::fmod(y + 400, 8.0f) < 1) t -= 0.15f;
                if (rim) t += 0.12f;
                v = ramp_dither(pal::WOOD, t, cc + r, r);
            }
            c.set(cc, r, v);
        }
}

// -- the cave ---------------------------------------------------------------------------------
// Rock occupies the corners of a wall cell that the piece names (1 north-west,
// 2 north-east, 4 south-west, 8 south-east); between them the boundary is a rough
// curve that meets the neighbouring pieces, as the ground transitions do.
float rock_field(int corners, float x, float y)
{
    float u = x / 40.0f, v = y / 40.0f;
    float nw = corners & 1 ? 1.f : 0.f, ne = corners & 2 ? 1.f : 0.f, sw = corners & 4 ? 1.f : 0.f,
          se = corners & 8 ? 1.f : 0.f;
    float m = nw * (1 - u) * (1 - v) + ne * u * (1 - v) + sw * (1 - u) * v + se * u * v;
    return m + 0.35f * (cell_noise(x, y, 10, 401) - 0.5f) + 0.12f * (cell_noise(x, y, 5, 402) - 0.5f);
}

uint8_t rock_shade(const surf &s, float bias)
{
    // Textured where it shows on the screen, so that the faces of the rock's many
    // small columns read as one rough face.
    float X = s.p.x + s.p.y * 0.5f, Y = s.p.y * 0.5f - s.p.z;
    float n1 = value_noise(X, Y * 1.3f, 4.0f, 411);
    float n2 = value_noise(X * 1.7f, Y * 2.1f, 2.0f, 412);
    float t = light3(s.n) + bias - 0.12f + 0.22f * (n1 - 0.5f) + 0.12f * (n2 - 0.5f);
    if (n2 > 0.78f) t += 0.12f;   // ledges catching the light
    if (n1 < 0.25f) t -= 0.12f;   // cracks
    return ramp_dither(pal::STONE, t, s.px, s.py);
}

// A cave wall: a column of rock over the rock part of the cell, its height rough.
void paint_cave_piece(canvas &c, int corners)
{
    const int step = 2;   // world pixels per column of rock
    solid sd;
    // The sides of the columns are lit as the rough face they make together: the
    // normal points down the slope of the rock field, not along the column's side.
    auto shade = [corners](const surf &s) {
        if (std::fabs(s.n.z) > 0.5f) return rock_shade(s, 0);
        float gx = rock_field(corners, s.p.x + 1.5f, s.p.y) - rock_field(corners, s.p.x - 1.5f, s.p.y);
        float gy = rock_field(corners, s.p.x, s.p.y + 1.5f) - rock_field(corners, s.p.x, s.p.y - 1.5f);
        surf t = s;
        vec3 n = normalize({-gx, -gy, 0.0f});
        if (std::fabs(gx) + std::fabs(gy) < 1e-4f || dot(n, s.n) < 0) n = s.n;
        t.n = normalize({n.x + 0.3f * s.n.x, n.y + 0.3f * s.n.y, 0.0f});
        return rock_shade(t, 0);
    };
    for (int y = 0; y < 40; y += step)
        for (int x = 0; x < 40; x += step) {
            float fx = (float)x + step * 0.5f, fy = (float)y + step * 0.5f;
            if (rock_field(corners, fx, fy) < 0.5f) continue;
            float h = 36.0f + 6.0f * (cell_noise(fx, fy, 8, 421) - 0.5f);
            sd.box({(float)x, (float)y, 0}, {(float)(x + step), (float)(y + step), h}, shade);
        }
    // No outline: the rock runs on into the neighbouring pieces.
    sd.render(c, object_view(c.w, c.h));
}

// The rock over a cave: the top of the hill the cave lies in, a flat roof.
uint8_t rock_top(float x, float y, int px, int py)
{
    float n1 = cell_noise(x, y, 20, 431), n2 = cell_noise(x, y, 10, 432), n3 = cell_noise(x, y, 5, 433);
    float n4 = cell_noise(x, y, 2.5f, 434);
    float t = 0.26f + 0.14f * (n1 - 0.5f) + 0.14f * (n2 - 0.5f) + 0.1f * (n3 - 0.5f) + 0.06f * (n4 - 0.5f);
    if (n3 > 0.68f && n4 > 0.55f) t += 0.1f;    // knobs catching the light
    if (n2 < 0.22f && n4 < 0.4f) t -= 0.1f;     // hollows
    if (n1 > 0.74f && n3 < 0.3f) return ramp_dither(pal::FOLIAGE, 0.22f + 0.1f * n4, px, py);   // a little moss
    return ramp_dither(pal::STONE, t, px, py);
}

void paint_rock_roof(canvas &c, int variant)
{
    for (int r = 0; r < 20; r++)
        for (int cc = 0; cc < 40; cc++) {
            float x = (float)cc + 0.5f, y = 2.0f * (float)r + 1.0f;
            uint8_t v = rock_top(x, y, cc + r, r);
            if (variant == 1 && std::fabs(x - 20) + std::fabs(y - 20) * 0.8f < 7) v = ramp_dither(pal::STONE, 0.2f + 0.03f * (x - 20), cc + r, r);   // a boulder
            if (variant == 2 && cell_noise(x, y, 5, 441) > 0.62f) v = ramp_dither(pal::FOLIAGE, 0.35f + 0.2f * cell_noise(x, y, 2.5f, 442), cc + r, r);
            if (variant == 3 && std::fabs(x - y * 0.6f - 8) < 1.0f) v = pal::INK[1];   // a crack
            c.set(cc, r, v);
        }
}

// Roof over a cave wall: the rock top over the whole cell, its rim darkened on the
// sides that face the open (the wall's rock corners tell which), a lip on the south.
void paint_cave_roof(canvas &c, int corners)
{
    solid_view v = roof_view(c.w, c.h);
    bool open_w = (corners & 5) == 5, open_e = (corners & 10) == 10;
    bool open_n = (corners & 3) == 3, open_s = (corners & 12) == 12;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            // Picture pixel to the roof plane.
            float wy = 2.0f * ((float)y + 0.5f - v.oy);
            float wx = (float)x + 0.5f - v.ox - wy * 0.5f;
            if (wx < 0 || wx >= 40 || wy < 0 || wy >= 40) continue;
            uint8_t col = rock_top(wx, wy, x, y);
            float rough = 3.0f * cell_noise(wx, wy, 5, 451);
            if ((open_w && wx < 1.5f + rough * 0.5f) || (open_n && wy < 2.0f + rough)) col = shift(col, 2);
            if ((open_e && wx > 38.0f - rough * 0.5f) || (open_s && wy > 37.0f - rough)) col = shift(col, -3);
            c.set(x, y, col);
        }
    // A ragged lip of rock under the south rim.
    if (open_s)
        for (int x = (int)v.ox + 20; x < (int)v.ox + 60; x++) {
            int depth = 1 + (int)(3.0f * cell_noise((float)x * 1.0f, 3.0f, 5, 452));
            for (int k = 0; k < depth; k++) {
                int y = (int)v.oy + 20 + k;
                c.set(x, y, ramp_dither(pal::STONE, 0.12f - 0.03f * (float)k, x, y));
            }
        }
}

// -- the piece tables --------------------------------------------------------------------------
struct roof_set {
    int first;     // numbers of W, M, E for each listed row, in order
    roof_mat m;
    std::vector<roof_row> rows;
};

const roof_set ROOF_SETS[] = {
    {1, THATCH_R, {N1, R1, S1}},
    {10, SLATE_R, {N1, R1, S1}},
    {31, CLAY_R, {N1, R1, S1}},
    {40, THATCH_R, {N2, S2}},
    {46, SLATE_R, {N2, S2}},
    {52, THATCH_R, {R0}},
    {55, SLATE_R, {R0}},
    {120, CLAY_R, {R0}},
};

// Flat roofs: thatch, slate and clay shaded as N1, R1, S1 (W, M, E each).
const int FLAT_THATCH[9] = {60, 61, 62, 64, 65, 66, 67, 68, 69};

}  // namespace

// Cave walls 82..93 by the rock corners each keeps; roofs 19..30 follow the walls
// (82 -> 19, 83 -> 20, 84 -> 22, 85 -> 21, 86 -> 24, 87 -> 28, 88 -> 26, 89 -> 30,
// 90 -> 27, 91 -> 23, 92 -> 29, 93 -> 25).
const int CAVE_ROCK[12] = {
    1 | 4,       // 82 west wall: rock on the west, the cave to the east
    2 | 8,       // 83 east wall
    4 | 8,       // 84 south wall
    1 | 2,       // 85 north wall
    1 | 2 | 4,   // 86 the cave's north-west corner
    1 | 2 | 8,   // 87 north-east corner
    1 | 4 | 8,   // 88 south-west corner
    2 | 4 | 8,   // 89 south-east corner
    1,           // 90 a spur of rock in the north-west corner
    2,           // 91 spur north-east
    4,           // 92 spur south-west
    8,           // 93 spur south-east
};
const int CAVE_ROOF_OF_WALL[12] = {19, 20, 22, 21, 24, 28, 26, 30, 27, 23, 29, 25};

int roof_piece(int material, int row, int col)
{
    for (const roof_set &s : ROOF_SETS)
        if ((int)s.m == material)
            for (size_t r = 0; r < s.rows.size(); r++)
                if ((int)s.rows[r] == row) return s.first + (int)r * 3 + col;
    return -1;
}

int cave_wall_for(int rock_corners)
{
    for (int i = 0; i < 12; i++)
        if (CAVE_ROCK[i] == rock_corners) return 82 + i;
    return -1;
}

int cave_roof_for(int wall)
{
    return wall >= 82 && wall <= 93 ? CAVE_ROOF_OF_WALL[wall - 82] : -1;
}

void paint_cave_wall(canvas &c, int n)
{
    if (n >= 82 && n <= 93) paint_cave_piece(c, CAVE_ROCK[n - 82]);
}

void paint_roof(canvas &c, int n)
{
    for (int i = 0; i < 12; i++)
        if (CAVE_ROOF_OF_WALL[i] == n) {
            paint_cave_roof(c, CAVE_ROCK[i]);
            return;
        }
    if (n == 63) {
        paint_rock_roof(c, 0);
        return;
    }
    if (n >= 106 && n <= 109) {
        paint_rock_roof(c, n - 106);
        return;
    }
    for (const roof_set &s : ROOF_SETS)
        for (size_t r = 0; r < s.rows.size(); r++)
            for (int col = 0; col < 3; col++)
                if (n == s.first + (int)r * 3 + col) {
                    paint_gable_piece(c, s.m, s.rows[r], (roof_col)col, false);
                    return;
                }
    if (n == 58) paint_gable_piece(c, THATCH_R, R1, M, true);
    if (n == 59) paint_gable_piece(c, SLATE_R, R1, M, true);
    if (n == 123) paint_gable_piece(c, CLAY_R, R1, M, true);
    const roof_row rows3[3] = {N1, R1, S1};
    for (int i = 0; i < 9; i++) {
        if (n == FLAT_THATCH[i]) paint_flat_roof(c, THATCH_R, rows3[i / 3], (roof_col)(i % 3));
        if (n == 70 + i) paint_flat_roof(c, SLATE_R, rows3[i / 3], (roof_col)(i % 3));
        if (n == 79 + i) paint_flat_roof(c, CLAY_R, rows3[i / 3], (roof_col)(i % 3));
        if (n == 88 + i) paint_flat_other(c, true, i);
        if (n == 97 + i) paint_flat_other(c, false, i);
    }
}

}  // namespace art
