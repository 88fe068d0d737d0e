// tile_animations.cpp -- water, embers, torches, fires and fountains cycling; doors opening under walkers
#include "battle/battle.h"
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int SWEEP_FRAMES = 5;   // the map's tiles move on every fifth frame

// Doors open the moment someone steps in: 59 and 70 closed, 60 and 69 open.
void open_door(int cell)
{
    if (cell < 0 || cell >= MAP_CELLS) return;
    if (ls[cell] == 59) ls[cell] = 60;
    else if (ls[cell] == 70) ls[cell] = 69;
}

int crt_cell(int c)
{
    if (c < 0 || c >= CRT_COUNT || !CRT[c].in_use || !cell_ok(CRT[c].x, CRT[c].y)) return -1;
    return CRT[c].x + MAP_W * CRT[c].y;
}

// One step of the ground's cycles; every value moves once per sweep.
uint16_t next_ground(uint16_t g)
{
    switch (g) {
    case 0: return 1;
    case 96: return 97;
    case 97: return 96;
    case 17: return 18;
    case 18: return 17;
    default: return g;
    }
}

uint16_t next_object(uint16_t o, bool walker)
{
    switch (o) {
    case 27: return 28;
    case 28: return 27;
    case 67: return 68;
    case 68: return 67;
    case 116: return 117;
    case 117: return 118;
    case 118: return 116;
    case 31: return 32;
    case 32: return 33;
    case 33: return 31;
    case 59: return walker ? 60 : 59;
    case 70: return walker ? 69 : 70;
    case 60: return walker ? 60 : 59;
    case 69: return walker ? 69 : 70;
    default: return o;
    }
}

}  // namespace

void do_grndanis(int force)
{
    if (++j[grndani_tick] >= SWEEP_FRAMES || j[grndani_tick] < 0) j[grndani_tick] = 0;
    open_door(crt_cell(leader_crt()));
    if (j[cur_crt] != -1) open_door(crt_cell(j[cur_crt]));
    if (j[grndani_tick] != 0 && !force) return;
    for (int i = 0; i < MAP_CELLS; i++) {
        gr[i] = next_ground(gr[i]);
        ls[i] = next_object(ls[i], us[i] != -1);
    }
}

}  // namespace hm
