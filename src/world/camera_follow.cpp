// camera_follow.cpp -- the camera that follows the leader as he walks, for players who ask for it
#include "battle/battle.h"
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr float EASE = 0.12f;   // the share of the way to the leader covered each frame

}  // namespace

void follow_leader()
{
    // Battles keep their own camera; a leader standing still leaves the view where the player put it.
    if (j[battle_stage] != 0 || j[editor_on]) return;
    int c = leader_crt();
    if (c < 0 || CRT[c].path_step < 0) return;
    const crt_rec &k = CRT[c];
    float tx = 40.0f * k.x + 20.0f * k.y + 30 + k.draw_dx - VIEW_W / 2;
    float ty = 20.0f * k.y + 14 + k.draw_dy - VIEW_H / 2;
    float nx = f[cam_fx] + (tx - f[cam_fx]) * EASE, ny = f[cam_fy] + (ty - f[cam_fy]) * EASE;
    // The view never slides off the map: each axis moves only where it stays on it.
    if (cfgoos((int)nx, (int)f[cam_fy], 1)) f[cam_fx] = nx;
    if (cfgoos((int)f[cam_fx], (int)ny, 1)) f[cam_fy] = ny;
}

}  // namespace hm
