// sea.cpp -- the mere's waves: a cycle of 70 steps drawn over every cell marked as sea
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int SEA_MARKER = 128;   // the object that marks a sea cell
constexpr int SEA_WATER = 137;    // the water itself, drawn see-through
constexpr view_area AREA_SEA = {-2, 17, 14, 4};

int sea_k(int t) { return 40 * t + 100; }

// One cell at phase t (0..69): the water, a wave rising and breaking, the foam thinning.
void draw_sea_cell(int t, int x, int y, int shade)
{
    if (t < 3) draw_ls_sea(SEA_WATER, 1, x, y, shade, sea_k(t + 35));
    if (t < 5) draw_ls_sea(133 + t, 1, x, y, shade, sea_k(t));
    if (t > 4 && t < 38) draw_ls_sea(SEA_WATER, 1, x, y, shade, sea_k(t));
    if (t > 29 && t < 35) draw_ls(98 + t, 1, x, y, shade);
    if (t > 34 && t < 40) draw_ls_sea(98 + t, 1, x, y, shade, sea_k(t - 35));
    if (t > 39) draw_ls_sea(SEA_WATER, 1, x, y, shade, sea_k(t - 35));
    if (t > 64) draw_ls(63 + t, 1, x, y, shade);
}

}  // namespace

void draw_sea()
{
    // A tick from a save file may be anything: it starts over at a whole cycle.
    if (j[sea_tick] < 0 || j[sea_tick] >= 350000000) j[sea_tick] = 0;
    j[sea_tick]++;
    int t = (j[sea_tick] / 5) % 70;
    for_area(AREA_SEA, j[cam_x], j[cam_y], [t](int c, int r) {
        if (!cell_ok(c, r)) return;
        int cell = c + MAP_W * r;
        if (ls[cell] != SEA_MARKER || !rf_chk(c, r)) return;
        draw_sea_cell(t, view_x(c, r), view_y(r) - 20, light_lev[cell]);
    });
}

}  // namespace hm
