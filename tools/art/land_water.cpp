// land_water.cpp -- the sea's surf (objects 128..137)
//
// Sea cells carry object 128; the game draws their surf over the ground from these
// pictures in a cycle of 70 steps: the water sheet 137 seen through, a wave rising
// (128..132, solid) and running up the beach, its foam thinning out (133..137, seen
// through, the top of each picture the most).  Each picture covers its own cell and
// the cell to its north, where the water washes up; the beach is to the north of the
// sea.  128 is also drawn, solid, over every sea cell after the surf, so it holds only
// a few glints in its own cell.
#include <algorithm>
#include <cmath>

#include "art/land.h"

namespace art {

namespace {

// World y of a picture pixel on the water (z = 0), and whether it lies in the strip.
bool sea_point(const solid_view &v, int px, int py, float &x, float &y)
{
    y = 2.0f * ((float)py + 0.5f - v.oy);
    x = (float)px + 0.5f - v.ox - y * 0.5f;
    return x >= 0 && x < 40 && y >= -40 && y < 40;
}

float wrap40f(float y) { return std::fmod(y + 400.0f, 40.0f); }

// The water's own texture: swells along the shore, a scatter of light.
uint8_t sea_water(float x, float y, int px, int py, float bias)
{
    float yy = wrap40f(y);
    float swell = std::sin(yy / 40.0f * 6.2832f * 2.0f + 2.0f * cell_noise(x, yy, 20, 701));
    float t = 0.42f + bias + 0.12f * swell + 0.1f * (cell_noise(x, yy, 10, 702) - 0.5f);
    if (swell > 0.85f && cell_noise(x, yy, 5, 703) > 0.5f) t += 0.2f;
    return ramp_dither(pal::WATER, t, px, py);
}

// Foam: bright where the noise crosses its threshold, lacy at the edges.
bool foam_at(float x, float y, float density, uint32_t seed)
{
    float n = 0.65f * cell_noise(x, wrap40f(y), 5, seed) + 0.35f * cell_noise(x, wrap40f(y), 2.5f, seed + 1);
    return n > 1.0f - density;
}

// The edge of the wash up the beach: world y (negative: in the cell to the north).
float wash_edge(float x, float reach) { return -reach + 8.0f * (cell_noise(x, 3.0f, 10, 711) - 0.5f) + 3.0f * (cell_noise(x, 9.0f, 5, 712) - 0.5f); }

void paint_base(canvas &c)
{
    solid_view v = object_view(c.w, c.h);
    for (int py = 0; py < c.h; py++)
        for (int px = 0; px < c.w; px++) {
            float x, y;
            if (!sea_point(v, px, py, x, y)) continue;
            float edge = wash_edge(x, 22.0f);
            if (y < edge) continue;
            if (y < edge + 2.5f) c.set(px, py, foam_at(x, y, 0.7f, 721) ? pal::WATER[9] : pal::WATER[7]);
            else c.set(px, py, sea_water(x, y, px, py, y < 0 ? 0.08f : 0.0f));
        }
}

void paint_glints(canvas &c)
{
    solid_view v = object_view(c.w, c.h);
    for (int py = 0; py < c.h; py++)
        for (int px = 0; px < c.w; px++) {
            float x, y;
            if (!sea_point(v, px, py, x, y) || y < 1 || y > 39) continue;
            float n = cell_noise(x, y, 2.5f, 731);
            if (n > 0.8f) c.set(px, py, n > 0.86f ? pal::WATER[9] : pal::WATER[8]);
        }
}

// A wave's crest at world y `crest`: foam on top, the lit back of the wave behind it
// (south), a shadowed trough in front (north).  `breaking` widens the foam.
void paint_wave(canvas &c, float crest, float breaking)
{
    solid_view v = object_view(c.w, c.h);
    for (int py = 0; py < c.h; py++)
        for (int px = 0; px < c.w; px++) {
            float x, y;
            if (!sea_point(v, px, py, x, y)) continue;
            float wob = 8.0f * (cell_noise(x, 5.0f, 10, 741) - 0.5f) + 3.0f * (cell_noise(x, 9.0f, 5, 742) - 0.5f);
            float d = y - (crest + wob);   // positive: behind the crest
            float foam_w = 2.5f + 8.0f * breaking;
            // The crest breaks first where the wave runs highest.
            bool white = cell_noise(x, 20.0f, 5, 743) > 0.55f - 0.5f * breaking;
            if (d > -foam_w * 0.4f && d < foam_w * 0.6f) {
                if (white && foam_at(x, y, 0.8f - 0.25f * std::fabs(d) / foam_w, 751)) c.set(px, py, pal::WATER[9]);
                else c.set(px, py, white ? pal::WATER[8] : pal::WATER[7]);
            } else if (d >= foam_w * 0.6f && d < foam_w * 0.6f + 7.0f) {
                c.set(px, py, ramp_dither(pal::WATER, 0.68f - 0.05f * (d - foam_w * 0.6f), px, py));
            } else if (d <= -foam_w * 0.4f && d > -foam_w * 0.4f - 3.0f && breaking < 0.5f) {
                c.set(px, py, pal::WATER[3]);
            }
        }
}

// Foam left on the beach after a wave, thinning from frame to frame.
void paint_foam(canvas &c, float density, float reach)
{
    solid_view v = object_view(c.w, c.h);
    for (int py = 0; py < c.h; py++)
        for (int px = 0; px < c.w; px++) {
            float x, y;
            if (!sea_point(v, px, py, x, y)) continue;
            float edge = wash_edge(x, reach);
            if (y < edge || y > edge + 26.0f) continue;
            float dens = density * (1.0f - (y - edge) / 30.0f);
            if (y < edge + 1.5f) c.set(px, py, pal::WATER[8]);
            else if (foam_at(x, y, dens, 761)) c.set(px, py, (y - edge) < 6 ? pal::WATER[9] : pal::WATER[8]);
        }
}

}  // namespace

void paint_sea(canvas &c, int n)
{
    switch (n) {
    case 128: paint_glints(c); return;
    case 129: paint_wave(c, 24.0f, 0.0f); return;
    case 130: paint_wave(c, 8.0f, 0.2f); return;
    case 131: paint_wave(c, -8.0f, 0.6f); return;
    case 132: paint_wave(c, -20.0f, 1.0f); return;
    case 133: paint_foam(c, 0.85f, 30.0f); return;
    case 134: paint_foam(c, 0.65f, 30.0f); return;
    case 135: paint_foam(c, 0.45f, 28.0f); return;
    case 136: paint_foam(c, 0.28f, 26.0f); return;
    case 137: paint_base(c); return;
    default: return;
    }
}

}  // namespace art
