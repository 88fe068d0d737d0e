// walking.cpp -- the leader walking by mouse outside battle, and walking up to doors and chests to use them
#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

bool clicked_in_view() { return j[lmb_down] && j[ptr_in_view]; }

// The cell one step from (x, y) towards side 1 west, 2 east, 3 north, 4 south;
// any other side is the cell itself.
void approach_cell(int x, int y, int side, int &ax, int &ay)
{
    ax = x + (side == 1 ? -1 : side == 2 ? 1 : 0);
    ay = y + (side == 3 ? -1 : side == 4 ? 1 : 0);
}

}  // namespace

void main_p1cr_walk()
{
    int lc = leader_crt();
    if (lc < 0) return;
    int m = j[mouse_cell];
    if (clicked_in_view() && m >= 0 && m < MAP_CELLS) find_crpath(lc, m % MAP_W, m / MAP_W);

    // The two doors between the village and the lower town.
    ob_check(4, 89, 77, OB_DOOR_TO_6, 0, 4);
    ob_check(6, 36, 82, OB_DOOR_TO_4, 0, 3);
    for (int i = 0; i < CHEST_COUNT; i++) {
        const chest_rec &ch = chest[i];
        if (!ch.in_use || !chest_of_level(ch.chest_id, j[level_no]) || chest_state[ch.chest_id] == 0) continue;
        ob_check(j[level_no], ch.x, ch.y, OB_CHEST, i, ch.face_side);
    }
    use_obs();
}

void ob_check(int level, int ox, int oy, int kind, int index, int side)
{
    if (j[level_no] != level) return;
    int ax, ay;
    approach_cell(ox, oy, side, ax, ay);
    // An object on the map's edge whose approach lies off the map cannot be used.
    if (!cell_ok(ox, oy) || !cell_ok(ax, ay)) return;
    int lc = leader_crt();
    if (lc < 0) return;
    crt_rec &k = CRT[lc];

    if (clicked_in_view()) {
        // The object drawn under the pointer, or else the cell under it.
        int picked = select_ls();
        if (picked < 0) picked = j[mouse_cell];
        if (picked == ox + MAP_W * oy) {
            if (k.x == ax && k.y == ay) {
                j[ob_kind] = kind;
                j[ob_state] = 1;
            } else {
                set_pbuf(k.x, k.y);
                // Armed even when the approach cannot be reached now: the object is
                // used whenever the leader comes to stand there.
                if (gpb(ax, ay) < OB_REACH) {
                    find_crpath(lc, ax, ay);
                    j[ob_kind] = kind;
                    j[ob_state] = 1;
                }
            }
        }
    }
    if (j[ob_kind] == kind && j[ob_state] == 1 && k.path_step == -1 && k.x == ax && k.y == ay) {
        j[ob_state] = 2;
        j[ob_index] = index;
        crt_fdir(lc, ox, oy);
    }
}

void use_obs()
{
    if (j[ob_state] != 2) return;
    j[ob_state] = 0;
    switch (j[ob_kind]) {
    case OB_DOOR_TO_6: make_level(1, 6, 36, 81); break;
    case OB_DOOR_TO_4: make_level(1, 4, 89, 78); break;
    case OB_CHEST: use_chest(j[ob_index]); break;
    default: break;
    }
}

}  // namespace hm
