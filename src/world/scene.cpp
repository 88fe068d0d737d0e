// scene.cpp -- the map drawn back to front in passes, hiding by roofs and lifting them
#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int ROOF_FILL_MAX = 2500;   // cells one roof lifting may list

// The creatures standing on the map this frame, gathered once so that each cell
// need not look through the whole table.
int shown_crts[CRT_COUNT];
int shown_count = 0;

void gather_creatures()
{
    shown_count = 0;
    for (int c = 0; c < CRT_COUNT; c++)
        if (CRT[c].in_use && CRT[c].shown) shown_crts[shown_count++] = c;
}

void draw_creature(int c, int x, int y, int lift, int shade)
{
    const crt_rec &k = CRT[c];
    draw_crt(k.pic_base + k.frame, 3, x + 30 + k.draw_dx, y + lift + k.draw_dy, c, shade);
}

void draw_walkers(int cell, int x, int y)
{
    for (int i = 0; i < shown_count; i++) {
        int c = shown_crts[i];
        const crt_rec &k = CRT[c];
        if (!k.flying && k.x + MAP_W * k.y == cell && cell_ok(k.x, k.y)) draw_creature(c, x, y, 14, light_lev[cell]);
    }
}

// Roofs are drawn by their page: flat tiles on pages 60..119, the rest run-length.
void draw_roof(int pic, int x, int y, int shade)
{
    if ((pic / 60) % 4 == 1) draw_rf(pic, 2, x, y, shade);
    else draw_ls(pic, 2, x, y, shade);
}

int roof_shade(int cell)
{
    int s = j[light_now] + rf_lt[cell];
    return s < 0 ? 0 : s > 250 ? 250 : s;
}

// Raised by roof_height from a level file: kept within what a pixel sum holds.
int roof_lift()
{
    int dy = j[lev_roof_dy];
    return dy < -10000 ? -10000 : dy > 10000 ? 10000 : dy;
}

bool hides(int c, int r)
{
    if (!cell_ok(c, r)) return false;
    int v = rf[c + MAP_W * r];
    return v >= 1 && v <= ROOF_LIFTED && !(v >= 19 && v <= 30);
}

}  // namespace

int view_x(int c, int r) { return 40 * c + 20 * r - j[cam_x]; }
int view_y(int r) { return 20 * r - j[cam_y]; }

int rf_chk(int c, int r)
{
    const int front[7][2] = {{-1, 1}, {0, 1}, {-2, 2}, {-1, 2}, {0, 2}, {-2, 3}, {-1, 3}};
    for (const auto &d : front)
        if (!hides(c + d[0], r + d[1])) return 1;
    // High roofs stand clear of the row behind them.
    if (j[lev_roof_dy] < 48 && !hides(c, r - 1)) return 1;
    return 0;
}

void draw_all()
{
    int m = get_square(j[mouse_x] - VIEW_X, j[mouse_y] - VIEW_Y);
    int cx = j[cam_x], cy = j[cam_y];
    gather_creatures();

    for_area(AREA_GROUND, cx, cy, [](int c, int r) {
        if (!cell_ok(c, r) || !rf_chk(c, r)) return;
        int cell = c + MAP_W * r, x = view_x(c, r), y = view_y(r);
        draw_grnd(gr[cell], 0, x, y);
        if (gr2[cell]) draw_grnd2(gr2[cell], 0, x, y);
        if (cell == j[ptr_mark_cell]) draw_grnd2(126, 0, x, y);
        else if (cell == j[hilite_cell]) draw_grnd(19, 0, x, y);
    });
    draw_sea();

    for_area(AREA_OBJECTS, cx, cy, [](int c, int r) {
        if (!cell_ok(c, r) || !rf_chk(c, r)) return;
        int cell = c + MAP_W * r, x = view_x(c, r), y = view_y(r);
        if (us[cell] != -1) draw_walkers(cell, x, y);
        if (j[shot_on] && !j[shot_high] && cell == j[shot_cell]) draw_sht();
        draw_cell_anis(cell, x, y, 0);
        if (ls[cell]) draw_ls(ls[cell], 1, x, y - 20, light_lev[cell]);
    });

    int lift = roof_lift();
    for_area(AREA_ROOFS, cx, cy, [m, lift](int c, int r) {
        if (!cell_ok(c, r)) return;
        int cell = c + MAP_W * r, x = view_x(c, r), y = view_y(r);
        if (rf[cell] > 0 && rf[cell] < ROOF_LIFTED) draw_roof(rf[cell], x, y - lift, roof_shade(cell));
        if (!j[editor_on]) return;
        if (cell == m && j[edit_layer] == 4) draw_roof(j[edit_pic], x, y - lift, j[light_now]);
        for (int k = 0; k < SPAWNER_COUNT; k++)
            if (crt_spawner[k].active && crt_spawner[k].x == c && crt_spawner[k].y == r)
                draw_ls(125, 1, x, y - 20, light_lev[cell]);
    });

    for_area(AREA_FLYERS, cx, cy, [](int c, int r) {
        if (!cell_ok(c, r)) return;
        int cell = c + MAP_W * r;
        if (us2[cell] == -1) return;
        for (int i = 0; i < shown_count; i++) {
            const crt_rec &k = CRT[shown_crts[i]];
            if (k.flying && k.x == c && k.y == r) draw_creature(shown_crts[i], view_x(c, r), view_y(r), -18, light_lev[cell]);
        }
    });

    // The creature of the detail box again, see-through over everything.
    int b = j[box_crt];
    for_area(AREA_OBJECTS, cx, cy, [b](int c, int r) {
        if (!cell_ok(c, r)) return;
        int cell = c + MAP_W * r;
        if (b >= 0 && b < CRT_COUNT && us[cell] == b) {
            crt_rec &k = CRT[b];
            if (k.in_use && k.shown && k.x == c && k.y == r) {
                k.tint_mode = 2;
                k.tint_extra = 128;
                draw_creature(b, view_x(c, r), view_y(r), 14, light_lev[cell]);
            }
        }
        if (j[shot_on] && j[shot_high] && cell == j[shot_cell]) draw_sht();
        draw_cell_anis(cell, view_x(c, r), view_y(r), 1);
    });

    // Tints last one frame: whoever wants one sets it again.
    for (int c = 0; c < CRT_COUNT; c++) {
        CRT[c].tint_mode = CRT[c].tint_r = CRT[c].tint_g = CRT[c].tint_b = 0;
        CRT[c].tint_rate = 2;
    }
}

void clear_roof()
{
    if (j[mouse_x] < VIEW_X || j[mouse_x] > VIEW_X + VIEW_W - 1 || j[mouse_y] < VIEW_Y ||
        j[mouse_y] > VIEW_Y + VIEW_H - 1) {
        j[mouse_cell_new] = -1;
    } else {
        int c = get_square(j[mouse_x] - VIEW_X, j[mouse_y] - VIEW_Y);
        j[mouse_cell_new] = c == j[mouse_cell] ? 0 : 1;
        j[mouse_cell] = c;
    }

    j[acting_crt] = -1;
    for (int c = CRT_COUNT - 1; c >= 0; c--) {
        const crt_rec &k = CRT[c];
        if (k.in_use && k.side != 4 && (k.path_step != -1 || k.strike_target != -1 || k.dying != 0)) {
            j[acting_crt] = c;
            break;
        }
    }

    int f = -1;
    int stage = j[battle_stage];
    if (stage == 3) f = j[placing_crt];
    else if (stage == 4 || stage == 5) f = j[acting_crt] != -1 ? j[acting_crt] : j[cur_crt];
    else if (stage == 0) f = leader_crt();
    bool walker = f >= 0 && f < CRT_COUNT && CRT[f].in_use && !CRT[f].flying;
    if (walker || j[editor_on]) {
        int cell = j[editor_on] ? j[edit_cell] : cell_ok(CRT[f].x, CRT[f].y) ? CRT[f].x + MAP_W * CRT[f].y : -1;
        j[focus_moved] = cell != j[focus_cell] ? 1 : 0;
        j[focus_cell] = cell;
    }
    if (!j[focus_moved] && !j[editor_on]) return;

    int cell = j[focus_cell];
    if (cell < 0 || cell >= MAP_CELLS) return;
    if (rf[cell] == 0) {
        for (int i = 0; i < MAP_CELLS; i++)
            if (rf[i] > ROOF_LIFTED) rf[i] -= ROOF_LIFTED;
        return;
    }
    // Breadth first over the connected roof: below, left, right, above.
    static int list[ROOF_FILL_MAX];
    int count = 0;
    if (rf[cell] < ROOF_LIFTED) rf[cell] += ROOF_LIFTED;
    list[count++] = cell;
    const int steps[4][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
    for (int i = 0; i < count; i++) {
        int x = list[i] % MAP_W, y = list[i] / MAP_W;
        for (const auto &s : steps) {
            int nx = x + s[0], ny = y + s[1];
            if (!cell_ok(nx, ny)) continue;
            int n = nx + MAP_W * ny;
            if (rf[n] == 0 || rf[n] >= ROOF_LIFTED) continue;
            if (count == ROOF_FILL_MAX) return;
            rf[n] += ROOF_LIFTED;
            list[count++] = n;
        }
    }
}

}  // namespace hm
