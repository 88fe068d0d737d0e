// pathfinding.cpp -- distance fills and walking routes
#include <algorithm>
#include <cstring>
#include <vector>

#include "battle/battle.h"
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int8_t BLOCK = -1;
constexpr int ORTHO_COST = 2;
constexpr int DIAG_COST = 3;

// Neighbours: straight ones west, east, north, south; corners NW, NE, SW, SE.
const int ORTHO[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
const int DIAG[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// Cells that hold each distance.  The fill never changes a distance it has given
// (a later, larger d only ever offers more), so the cells of distance d are all
// known by the time d is spread from.
std::vector<int> bucket[FILL_LAST + 1];

void give(int cell, int v)
{
    pbuf[cell] = (int8_t)v;
    if (v <= FILL_LAST) bucket[v].push_back(cell);
}

bool open_between(int x, int y, int dx, int dy)
{
    return pbuf[x + dx + MAP_W * y] != BLOCK && pbuf[x + MAP_W * (y + dy)] != BLOCK;
}

// One cell of distance d spreads to its neighbours inside the map: straight ones
// that are still unmarked get d + 2, diagonal ones that are unmarked or dearer get
// d + 3 unless a blocked cell stands on either side of the corner.
void spread(int x, int y, int d)
{
    for (const auto &o : ORTHO) {
        int nx = x + o[0], ny = y + o[1];
        if (cell_ok(nx, ny) && pbuf[nx + MAP_W * ny] == 0) give(nx + MAP_W * ny, d + ORTHO_COST);
    }
    for (const auto &o : DIAG) {
        int nx = x + o[0], ny = y + o[1];
        if (!cell_ok(nx, ny)) continue;
        int v = pbuf[nx + MAP_W * ny];
        if ((v == 0 || v > d + DIAG_COST) && open_between(x, y, o[0], o[1])) give(nx + MAP_W * ny, d + DIAG_COST);
    }
}

// The destination a cut route still owes its walker that has just walked the
// whole of the route's first part, -1 none.  A walk cut shorter still (a battle
// halting the leader) owes nothing, nor does any walk while a battle is on.
int cut_route_goal(const crt_rec &k)
{
    int g = k.path[0];
    if (k.path_step != CRT_PATH_LEN - 1 || j[battle_stage] != 0) return -1;
    if (g < 0 || g >= MAP_CELLS || g == k.x + MAP_W * k.y) return -1;
    return g;
}

// Step directions 1..8 by column and row step, 0 for anything that is not a step.
int step_dir_of(int dx, int dy)
{
    static const int dirs[3][3] = {{5, 3, 6}, {1, 0, 2}, {7, 4, 8}};
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1) return 0;
    return dirs[dy + 1][dx + 1];
}

// Sprite offsets of a step in progress, relative to the cell stepped into.
void step_offsets(crt_rec &k)
{
    float t = k.step_time, f = t * 60 / 56;
    float dx = 0, dy = 0;
    int face = 1;
    switch (k.step_dir) {
    case 1: dx = 40 - t; face = -1; break;
    case 2: dx = t - 40; break;
    case 3: dx = 20 - t / 2; dy = 20 - t / 2; face = -1; break;
    case 4: dx = t / 2 - 20; dy = t / 2 - 20; break;
    case 5: dx = 60 - f; dy = 20 - f / 3; face = -1; break;
    case 6: dx = f / 3 - 20; dy = 20 - f / 3; break;
    case 7: dx = 20 - f / 3; dy = f / 3 - 20; face = -1; break;
    default: dx = f - 60; dy = f / 3 - 20; break;
    }
    k.draw_dx = (int8_t)(int)dx;
    k.draw_dy = (int8_t)(int)dy;
    k.facing = (int8_t)face;
}

// The walk ends: the creature stands in its cell.
void stop_walk(crt_rec &k)
{
    k.path_step = -1;
    k.step_dir = 0;
}

}  // namespace

void set_pbuf(int x, int y)
{
    std::memcpy(pbuf, grs, MAP_CELLS);   // a blocked 255 reads as -1
    if (!cell_ok(x, y)) return;
    for (auto &b : bucket) b.clear();

    // The window scanned: the upper bounds themselves are left out.
    int x0 = std::max(0, x - FILL_WINDOW), x1 = std::min(MAP_W - 1, x + FILL_WINDOW);
    int y0 = std::max(0, y - FILL_WINDOW), y1 = std::min(MAP_W - 1, y + FILL_WINDOW);
    // Whatever distances the layer already holds spread as well.
    for (int r = y0; r < y1; r++)
        for (int c = x0; c < x1; c++) {
            int v = pbuf[c + MAP_W * r];
            if (v >= 1 && v <= FILL_LAST) bucket[v].push_back(c + MAP_W * r);
        }

    for (const auto &o : ORTHO) {
        int nx = x + o[0], ny = y + o[1];
        if (cell_ok(nx, ny) && pbuf[nx + MAP_W * ny] == 0) give(nx + MAP_W * ny, ORTHO_COST);
    }
    for (const auto &o : DIAG) {
        int nx = x + o[0], ny = y + o[1];
        if (cell_ok(nx, ny) && pbuf[nx + MAP_W * ny] == 0 && open_between(x, y, o[0], o[1]))
            give(nx + MAP_W * ny, DIAG_COST);
    }

    // Distance by distance, each one's cells in the window's row-by-row order,
    // which is their index order: for equal costs the first cell to reach a
    // neighbour decides whether it is reached straight or across a corner.
    for (int d = 1; d <= FILL_LAST; d++) {
        std::vector<int> &b = bucket[d];
        std::sort(b.begin(), b.end());
        for (size_t i = 0; i < b.size(); i++) {
            int cell = b[i], c = cell % MAP_W, r = cell / MAP_W;
            if (c < x0 || c >= x1 || r < y0 || r >= y1 || pbuf[cell] != d) continue;
            if (i > 0 && b[i - 1] == cell) continue;
            spread(c, r, d);
        }
    }
}

int gpb(int x, int y) { return cell_ok(x, y) ? pbuf[x + MAP_W * y] : -1; }

int gpbuf(int c, int d)
{
    if (c < 0 || c >= CRT_COUNT) return -1;
    // The offset as a column and row step, so that it cannot wrap across a row end.
    int dy = d / MAP_W, dx = d % MAP_W;
    if (dx > MAP_W / 2) {
        dx -= MAP_W;
        dy++;
    } else if (dx < -MAP_W / 2) {
        dx += MAP_W;
        dy--;
    }
    return gpb(CRT[c].x + dx, CRT[c].y + dy);
}

int find_crpath(int c, int tx, int ty)
{
    if (c < 0 || c >= CRT_COUNT) return 0;
    crt_rec &k = CRT[c];
    set_pbuf(k.x, k.y);
    int v = gpb(tx, ty);
    if (v < 1) return 0;

    // Back from the target to a neighbour of the start, taking at each cell the
    // first neighbour one step cheaper: corners NW, NE, SW, SE, then W, E, N, S.
    int back[2 * FILL_LAST];
    int n = 0, x = tx, y = ty;
    back[n++] = x + MAP_W * y;
    while (v != ORTHO_COST && v != DIAG_COST) {
        bool found = false;
        for (const auto &o : DIAG) {
            int nx = x + o[0], ny = y + o[1];
            if (gpb(nx, ny) == v - DIAG_COST && v - DIAG_COST >= ORTHO_COST && gpb(nx, y) != BLOCK &&
                gpb(x, ny) != BLOCK) {
                x = nx;
                y = ny;
                v -= DIAG_COST;
                found = true;
                break;
            }
        }
        for (int i = 0; i < 4 && !found; i++) {
            int nx = x + ORTHO[i][0], ny = y + ORTHO[i][1];
            if (gpb(nx, ny) == v - ORTHO_COST && v - ORTHO_COST >= ORTHO_COST) {
                x = nx;
                y = ny;
                v -= ORTHO_COST;
                found = true;
            }
        }
        // A layer that does not lead back to the start plans nothing.
        if (!found || n == (int)(sizeof back / sizeof back[0])) return 0;
        back[n++] = x + MAP_W * y;
    }

    // A route longer than a path holds keeps its first steps; the placeholder then
    // remembers the destination, and the walker plans the rest when it gets there.
    int steps = n, goal = -1;
    if (steps > PATH_STEPS) {
        steps = PATH_STEPS;
        goal = tx + MAP_W * ty;
    }
    k.path[0] = goal;
    for (int i = 0; i < steps; i++) k.path[1 + i] = back[n - 1 - i];
    for (int i = steps + 1; i < CRT_PATH_LEN; i++) k.path[i] = -1;
    // In the middle of a step the step is finished first: the new path takes over
    // at its entry 1 when the step ends.
    k.path_step = k.step_time == 0 ? 1 : 0;
    return 1;
}

int crt_reaches(int c, int x, int y)
{
    if (c < 0 || c >= CRT_COUNT) return 0;
    int d = gpb(x, y);
    return d > 0 && d < CRT[c].speed ? 1 : 0;
}

void crt_fdir(int c, int x, int y)
{
    if (c < 0 || c >= CRT_COUNT) return;
    crt_rec &k = CRT[c];
    k.facing = 2 * k.x + k.y < 2 * x + y ? 1 : -1;
}

void set_fly_grs()
{
    std::memset(grs, 0, MAP_CELLS);
    for (int c = 0; c < CRT_COUNT; c++) {
        const crt_rec &k = CRT[c];
        if (k.in_use && k.flying && cell_ok(k.x, k.y)) grs[k.x + MAP_W * k.y] = BLOCKED;
    }
}

void crt_walk(int c)
{
    crt_rec &k = CRT[c];
    const float length = k.step_dir <= 4 ? 40.0f : 56.0f;
    if (k.flying) k.walk_count++;
    k.frame = (int8_t)(k.pic_base == 340 ? k.walk_count % 6 : (k.walk_count / 3) % 6);

    if (k.path_step != -1) {
        if (k.step_time >= length) {
            k.path_step++;
            k.step_time = 0;
            if (k.path_step < 0 || k.path_step >= CRT_PATH_LEN || k.path[k.path_step] == -1) {
                int goal = cut_route_goal(k);
                stop_walk(k);
                // A cut route goes on from where its first part ended.
                if (goal >= 0) find_crpath(c, goal % MAP_W, goal / MAP_W);
            }
        }
        if (k.path_step != -1 && k.step_time == 0) {
            // The next cell is taken at the start of the step; a walker finding it
            // occupied stops where it stands.
            int n = k.path_step >= 0 && k.path_step < CRT_PATH_LEN ? k.path[k.path_step] : -1;
            int dir = n >= 0 && n < MAP_CELLS ? step_dir_of(n % MAP_W - k.x, n / MAP_W - k.y) : 0;
            if (dir != 0 && (grs[n] == 0 || k.flying)) {
                k.step_dir = (int8_t)dir;
                k.x = n % MAP_W;
                k.y = n / MAP_W;
                k.step_time += 1.8;
            } else {
                stop_walk(k);
            }
        } else if (k.path_step != -1) {
            k.step_time += 1.8;
        }
    }

    k.cell = k.x + MAP_W * k.y;
    if (k.step_dir == 0) {
        k.draw_dx = k.draw_dy = 0;
    } else {
        step_offsets(k);
    }
    if (!k.flying) {
        if (k.step_dir == 0) k.walk_count = 0;
        else k.walk_count++;
    }
}

}  // namespace hm
