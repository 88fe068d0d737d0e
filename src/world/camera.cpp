// camera.cpp -- cells under the pointer, where the camera may stand, following the party
#include <cmath>

#include "battle/battle.h"
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

// Whether cell (c, r) is one the area visits for a camera at (cx, cy).
bool in_area(const view_area &v, int cx, int cy, int c, int r)
{
    int c0 = (cx - cy) / 40, r0 = cy / 20;
    int k = r - (r0 + v.a);
    if (k < 0 || k >= v.b - v.a) return false;
    return c <= c0 + v.p - k / 2 && c >= c0 - v.q - k / 2 + 1;
}

// A party creature whose anchor lies in the view of a camera at (x, y).
bool party_in_view(int x, int y)
{
    bool in_battle = j[battle_stage] != 0;
    for (int i = 0; i < CRT_COUNT; i++) {
        const crt_rec &k = CRT[i];
        if (!k.in_use || k.side != 1 || k.flying || !in_area(AREA_GROUND, x, y, k.x, k.y)) continue;
        int ax = 40 * k.x + 20 * k.y + 30 + k.draw_dx - x, ay = 20 * k.y + 14 + k.draw_dy - y;
        if (ax < 0 || ax > VIEW_W || ay < 0 || ay > VIEW_H) continue;
        if (!in_battle) return true;
        if (j[party_turn] != 2) return true;
        if (i == j[cur_crt]) {
            j[party_turn] = 0;
            return true;
        }
    }
    return false;
}

// Speeds of the camera's glide and whether it rested last frame.
double glide_sx = 0, glide_sy = 0;
bool resting = true;

void speed_up()
{
    glide_sx = (glide_sx + 0.09) * 0.95;
    glide_sy = (glide_sy + 0.09) * 0.95;
}

}  // namespace

int get_square(int px, int py)
{
    // Floors, not truncation, for the map test: a pixel left of column 0 or above
    // row 0 lies off the map, and a column past 99 must not wrap into the next row.
    int row_px = py + j[cam_y], col_px = px + j[cam_x] - j[cam_y] - py;
    if (row_px < 0 || col_px < 0) return -1;
    int r = row_px / 20, c = col_px / 40;
    return cell_ok(c, r) ? r * MAP_W + c : -1;
}

int cfgoos(int x, int y, int free)
{
    if (j[party_turn] == 1 && j[crt_busy] == 0) j[party_turn] = 2;
    if (j[cur_crt] == -1 && j[party_turn] == 2) j[party_turn] = 0;
    bool on_map = true;
    // Column 0 never shows either.
    for_area(AREA_GROUND, x, y, [&on_map](int c, int r) {
        if (r < 0 || r > 99 || c < 1 || c > 99) on_map = false;
    });
    if (!on_map) return 0;
    if (free) return 1;
    return party_in_view(x, y) ? 1 : 0;
}

void unit_vector(double x1, double y1, double x2, double y2, double *ux, double *uy)
{
    double dx = x2 - x1, dy = y2 - y1, d = std::sqrt(dx * dx + dy * dy);
    if (d <= 0.000001) {
        *ux = *uy = 0;
        return;
    }
    *ux = dx / d;
    *uy = dy / d;
}

void move_to_mcr()
{
    int t = leader_crt();
    if (j[battle_stage] != 0) {
        int c = j[cur_crt];
        if (c >= 0 && c < CRT_COUNT && CRT[c].in_use && CRT[c].side == 1) t = c;
    }
    if (t < 0) return;   // no creature to follow
    const crt_rec &k = CRT[t];
    double tx = 40.0 * k.x + 20.0 * k.y + 30 + k.draw_dx, ty = 20.0 * k.y + 14 + k.draw_dy;
    double ux, uy;
    unit_vector(200, 120, tx - j[cam_x], ty - j[cam_y], &ux, &uy);
    ux *= 8;
    uy *= 8;
    if (cfgoos((int)f[cam_fx], (int)f[cam_fy], 0)) {
        resting = true;
        return;
    }
    if (resting) {
        resting = false;
        glide_sx = glide_sy = 0;
    }
    speed_up();
    bool blocked = false;
    if (cfgoos((int)(f[cam_fx] + ux * glide_sx), (int)f[cam_fy], 1)) f[cam_fx] = (float)(f[cam_fx] + ux * glide_sx);
    else blocked = true;
    if (cfgoos((int)f[cam_fx], (int)(f[cam_fy] + uy * glide_sy), 1)) f[cam_fy] = (float)(f[cam_fy] + uy * glide_sy);
    else blocked = true;
    if (!blocked) return;
    // Stuck against the map's edge: drift towards its middle.
    unit_vector(200, 120, 3000.0 - j[cam_x], 1000.0 - j[cam_y], &ux, &uy);
    ux *= 8;
    uy *= 8;
    speed_up();
    f[cam_fx] = (float)(f[cam_fx] + ux * glide_sx);
    f[cam_fy] = (float)(f[cam_fy] + uy * glide_sy);
}

void set_grs()
{
    const uint8_t *from = j[battle_stage] < 3 ? grsc : bat_grs;
    for (int i = 0; i < MAP_CELLS; i++) grs[i] = from[i];
    for (int c = 0; c < CRT_COUNT; c++) {
        const crt_rec &k = CRT[c];
        if (k.in_use && k.shown && !k.flying && cell_ok(k.x, k.y)) grs[k.x + MAP_W * k.y] = BLOCKED;
    }
}

void set_bat_grs()
{
    for (int i = 0; i < MAP_CELLS; i++) {
        int x = i % MAP_W, y = i / MAP_W;
        bool outside = x <= lsts[west_bound] || x >= lsts[east_bound] || y <= lsts[north_bound] ||
                       y >= lsts[south_bound];
        bat_grs[i] = outside ? BLOCKED : grsc[i];
    }
    // The ground round every other armed spawner is closed: the battle may not
    // wander into its trigger range.
    for (int k = 0; k < SPAWNER_COUNT; k++) {
        const spawner_rec &s = crt_spawner[k];
        if (!s.active || k == j[battle_spawner] || !cell_ok(s.x, s.y)) continue;
        for (int i = 0; i < MAP_CELLS; i++) grs[i] = grsc[i];
        set_pbuf(s.x, s.y);
        for (int i = 0; i < MAP_CELLS; i++)
            if (pbuf[i] > 2 && pbuf[i] < s.trigger + 2) bat_grs[i] = BLOCKED;
    }
}

}  // namespace hm
