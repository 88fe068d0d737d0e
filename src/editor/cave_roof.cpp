// cave_roof.cpp -- the roof laid over a cave: a roof piece on each wall, roof 63 over the floor inside
#include <initializer_list>

#include "editor/editor.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FIRST_WALL = 82;
constexpr int WALL_ROOFS[12] = {19, 20, 22, 21, 24, 28, 26, 30, 27, 23, 29, 25};   // for walls 82..93
constexpr int CAVE_ROOF = 63;
constexpr int FILL_PASSES = 20;

bool on_map(int cell) { return cell >= 0 && cell < MAP_CELLS; }

void spread(int to)
{
    if (on_map(to) && ls[to] == 0) rf[to] = CAVE_ROOF;
}

}  // namespace

void make_cave_roof()
{
    for (int i = 0; i < MAP_CELLS; i++) rf[i] = 0;
    for (int i = 0; i < MAP_CELLS; i++)
        if (ls[i] >= FIRST_WALL && ls[i] < FIRST_WALL + 12) rf[i] = (uint16_t)WALL_ROOFS[ls[i] - FIRST_WALL];
    // Each of the four straight walls faces the floor on one side.
    for (int i = 0; i < MAP_CELLS; i++) {
        if (ls[i] == 82) spread(i + 1);
        if (ls[i] == 83) spread(i - 1);
        if (ls[i] == 84) spread(i - MAP_W);
        if (ls[i] == 85) spread(i + MAP_W);
    }
    // The passes run by index, so the roof spreads far forwards in one pass and
    // one cell backwards: an area is covered as far as twenty passes reach.
    for (int pass = 0; pass < FILL_PASSES; pass++)
        for (int i = 0; i < MAP_CELLS; i++) {
            if (rf[i] != CAVE_ROOF) continue;
            for (int to : {i - 1, i + 1, i - MAP_W, i + MAP_W}) spread(to);
        }
}

}  // namespace hm
