// camera.cpp -- where the camera may stand
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

// The ground pass's area for a camera at (x, y): rows r0-2 .. r0+12 and in the
// k-th row columns c0+12-k/2 down to c0-2-k/2+1.
bool ground_area_on_map(int x, int y)
{
    int c0 = (x - y) / 40, r0 = y / 20;
    for (int k = 0; k < 15; k++) {
        int r = r0 - 2 + k;
        int c_hi = c0 + 12 - k / 2, c_lo = c0 - 2 - k / 2 + 1;
        if (r < 0 || r > 99 || c_lo < 1 || c_hi > 99) return false;
    }
    return true;
}

}  // namespace

int cfgoos(int x, int y, int free)
{
    if (j[party_turn] == 1 && j[crt_busy] == 0) j[party_turn] = 2;
    if (j[cur_crt] == -1 && j[party_turn] == 2) j[party_turn] = 0;
    if (!ground_area_on_map(x, y)) return 0;
    if (free) return 1;
    return 0;   // no party creature stands in view
}

}  // namespace hm
