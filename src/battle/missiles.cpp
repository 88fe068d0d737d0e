// missiles.cpp -- the ray of a shot with its range and penalty, the missile's flight and its looks
#include <cmath>
#include <cstdint>
#include <vector>

#include "battle/battle.h"
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr double RAY_STEP = 0.001;   // the ray advances this many cells per step
constexpr int SPAN = 2 * MAP_W - 1;  // column (and row) offsets -99..99

// The cells a ray crosses, as offsets from its start cell, in order, ending with
// the target's own.  They depend only on the offset between the two cells: the
// ray runs from the start cell's centre, and step k stands at 0.5 + k * s within
// the start cell's frame, so the start's place on the map never enters.
struct ray_cells {
    bool known = false;
    std::vector<int16_t> dx, dy;
};
std::vector<ray_cells> rays(SPAN * SPAN);

// First step after k0 whose floor along one axis leaves fl, or `none` when it never
// does within the ray.  floor(0.5 + k * s) moves one way with k, so the step found
// from the estimate is checked and moved until it is exactly the first.
long long next_leave(long long k0, int fl, double s, long long none)
{
    if (s == 0) return none;
    auto left = [fl, s](long long k) {
        double p = std::floor(0.5 + (double)k * s);
        return s > 0 ? p > fl : p < fl;
    };
    double edge = s > 0 ? fl + 1 : fl;   // the boundary crossed
    double est = (edge - 0.5) / s;
    if (!(est < (double)none)) return none;
    long long k = (long long)est - 1;
    if (k <= k0) k = k0 + 1;
    while (k > k0 + 1 && left(k - 1)) k--;
    while (k < none && !left(k)) k++;
    return k;
}

// Walks the ray to offset (tx, ty) exactly as stepping it 0.001 at a time would:
// at most ceil(L / 0.001) + 1 steps, and the target counted at the end if a step
// slipped past its corner.
void trace(int tx, int ty, ray_cells &r)
{
    r.known = true;
    double len = std::sqrt((double)tx * tx + (double)ty * ty);
    if (len <= RAY_STEP) return;
    double sx = RAY_STEP * (tx / len), sy = RAY_STEP * (ty / len);
    long long steps = (long long)std::ceil(len / RAY_STEP) + 1, none = steps + 1;
    long long k = 0;
    int fx = 0, fy = 0;
    for (;;) {
        long long kx = next_leave(k, fx, sx, none), ky = next_leave(k, fy, sy, none);
        k = kx < ky ? kx : ky;
        if (k > steps) break;
        fx = (int)std::floor(0.5 + (double)k * sx);
        fy = (int)std::floor(0.5 + (double)k * sy);
        r.dx.push_back((int16_t)fx);
        r.dy.push_back((int16_t)fy);
        if (fx == tx && fy == ty) return;
    }
    r.dx.push_back((int16_t)tx);
    r.dy.push_back((int16_t)ty);
}

const ray_cells &ray_to(int tx, int ty)
{
    ray_cells &r = rays[(ty + MAP_W - 1) * SPAN + tx + MAP_W - 1];
    if (!r.known) trace(tx, ty, r);
    return r;
}

int flying_of(int c) { return c >= 0 && c < CRT_COUNT ? CRT[c].flying : 0; }

}  // namespace

int sht_path(int x0, int y0, int x1, int y1, int range, int shooter, int target)
{
    if (!cell_ok(x0, y0) || !cell_ok(x1, y1)) return -1;
    const ray_cells &r = ray_to(x1 - x0, y1 - y0);
    int count = (int)r.dx.size(), pen = 0;
    for (int i = 0; i < count; i++) {
        int x = x0 + r.dx[i], y = y0 + r.dy[i];
        if (cell_ok(x, y)) pen += rng_pen[x + MAP_W * y];
    }

    // A missile in the air keeps its course.
    if (j[shot_on] == 0) {
        float fs = (float)flying_of(shooter), ft = (float)flying_of(target);
        float ay = 20.0f * y0 - (32 * fs + 10), by = 20.0f * y1 - (32 * ft + 10);
        float ax = 32 * fs + 40.0f * x0 + ay + 40, bx = 32 * ft + 40.0f * x1 + by + 40;
        float d = std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
        if (d < 0.001f) d = 0.001f;
        f[sht_x0] = f[sht_x] = ax;
        f[sht_y0] = f[sht_y] = ay;
        f[sht_x1] = bx;
        f[sht_y1] = by;
        f[sht_dx] = (bx - ax) / d;
        f[sht_dy] = (by - ay) / d;
    }
    if (count > range || pen > 99) return -1;
    return pen;
}

void do_sht()
{
    if (j[shot_on] == 0) return;
    j[shot_on] = 2;
    f[sht_x] += 8 * f[sht_dx];
    f[sht_y] += 8 * f[sht_dy];
    // The slow looks step forward and back again, a float sum that is not quite 4 * d.
    if (j[shot_fly_pic] == 4 || j[shot_fly_pic] == 6) {
        f[sht_x] -= 4 * f[sht_dx];
        f[sht_y] -= 4 * f[sht_dy];
    }
    // The screen position is truncated as a whole, as draw_sht does.
    j[shot_cell] = get_square((int)(f[sht_x] - (float)j[cam_x]), (int)(f[sht_y] - (float)j[cam_y]));
    // Looks 2 and 3 leave a trail, one particle a frame where the missile is in the view.
    if (j[shot_fly_pic] == 2 || j[shot_fly_pic] == 3)
        new_ani2(j[shot_fly_pic], j[shot_cell], 0, j[shot_high], f[sht_x] - (float)j[cam_x], f[sht_y] - (float)j[cam_y],
                 0, 0, 1);
    float gx = f[sht_x] - f[sht_x0], gy = f[sht_y] - f[sht_y0];
    float wx = f[sht_x1] - f[sht_x0], wy = f[sht_y1] - f[sht_y0];
    if (gx * gx + gy * gy >= wx * wx + wy * wy) {
        j[shot_on] = 0;
        j[shot_launch] = 0;
        j[shot_high] = 0;
    }
}

// The rotated missiles are 32 x 32 pictures centred on the missile: a square of
// that side has this half-diagonal.
constexpr float SHOT_TEX_R = 22.6f;

void draw_sht()
{
    int x = (int)(f[sht_x] - (float)j[cam_x]), y = (int)(f[sht_y] - (float)j[cam_y]);
    float dx = f[sht_dx], dy = f[sht_dy];
    int fc = j[frame_count];
    switch (j[shot_fly_pic]) {
    case 0: j_line((int)(x - 8 * dx), (int)(y - 8 * dy), (int)(x + 8 * dx), (int)(y + 8 * dy), 81); break;
    case 1: draw_bmp((fc / 4) % 4, 4, x - 10, y - 10, 1, 0); break;
    case 2: draw_bmp((fc / 4) % 4 + 4, 4, x - 10, y - 10, 1, 0); break;
    case 3: draw_rottex(16, 4, (float)x, (float)y, SHOT_TEX_R, get_A(dx, dy), 0, 0, 0); break;
    case 4:
        draw_bmp(fc % 3 + 397, 6, x - 16, y - 16, 1, 128);
        draw_bmp(fc % 7 + 390, 6, x - 12, y - 12, 1, 0);
        break;
    case 5: draw_bmp(366, 6, x - 4, y - 4, 1, 0); break;
    case 6: draw_rottex(19, 4, (float)x, (float)y, SHOT_TEX_R, (float)((fc % 20) * 2 + 50), 0, 0, 0); break;
    default: break;
    }
}

float get_A(float dx, float dy)
{
    if (dx > -0.001f && dx < 0.001f) return dy > 0 ? 1.5708f : 4.7124f;
    if (dy > -0.001f && dy < 0.001f) return dx > 0 ? 0.0f : 3.1416f;
    if (dx > 0 && dy > 0) return std::atan(dy / dx);
    if (dx <= 0 && dy > 0) return 1.5708f + std::atan(-dx / dy);
    if (dx <= 0 && dy <= 0) return 3.1416f + std::atan(dy / dx);
    return 4.7124f + std::atan(dx / -dy);
}

}  // namespace hm
