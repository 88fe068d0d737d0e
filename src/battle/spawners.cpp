// spawners.cpp -- putting the party and a spawner's creatures down around a cell, and spawners starting battles
#include <cstring>
#include <vector>

#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int TICKS = 50;   // spawners are tested once in this many calls

// The free cells around the last distance fill in the order creatures take them:
// nearest first, and at one distance by cell index.  Taking a cell marks it in
// pbuf, as the fill's layer is what later tests read.
struct places {
    std::vector<int> order;
    size_t next = 0;

    places()
    {
        std::vector<int> by_distance[PLACE_FAR + 1];
        for (int i = 0; i < MAP_CELLS; i++)
            if (pbuf[i] >= 2 && pbuf[i] <= PLACE_FAR) by_distance[pbuf[i]].push_back(i);
        for (int d = 2; d <= PLACE_FAR; d++) order.insert(order.end(), by_distance[d].begin(), by_distance[d].end());
    }
    // The next free cell, -1 when none is left within reach.
    int peek() const { return next < order.size() ? order[next] : -1; }
    void take()
    {
        pbuf[order[next]] = -1;
        next++;
    }
};

void take_cell(int x, int y)
{
    if (cell_ok(x, y)) pbuf[x + MAP_W * y] = -1;
}

// Fires spawner k: the party steps out, the spawner's creatures appear round its cell.
void fire(int k, int lx, int ly)
{
    spawner_rec &s = crt_spawner[k];
    place_p1cr(lx, ly);
    for (int i = 0; i < MAP_CELLS; i++) grs[i] = grsc[i];
    for (int c = 0; c < CRT_COUNT; c++)
        if (CRT[c].in_use && cell_ok(CRT[c].x, CRT[c].y)) grs[CRT[c].x + MAP_W * CRT[c].y] = BLOCKED;

    s.active = 0;
    j[loot_spawner] = k;
    int lev = j[level_no];
    if (lev >= 0 && lev * SPAWNER_COUNT + k < CSPNS_BYTES) cspns[lev * SPAWNER_COUNT + k] = 0;
    j[battle_stage] = 1;
    j[battle_spawner] = k;

    set_pbuf(s.x, s.y);
    take_cell(s.x, s.y);
    places p;
    for (int slot = 0; slot < SPAWNER_SLOTS; slot++) {
        int cell = p.peek();
        if (cell < 0) break;
        // An empty slot takes no cell: the next creature gets the same one.
        if (s.crt_types[slot] == -1) continue;
        p.take();
        new_creature(s.crt_types[slot], s.crt_levels[slot], 2, -1, -1, -1, -1, cell % MAP_W, cell / MAP_W);
    }
}

}  // namespace

void place_p1cr(int x, int y)
{
    set_pbuf(x, y);
    take_cell(x, y);
    places p;
    for (int m = 0; m < PARTY_SIZE; m++) {
        const p1cr_rec &ch = p1cr[m];
        // A member already standing on the map (an earlier spawner of the same
        // pass, or a scripted scene) keeps the creature it has.
        if (!ch.in_use || m == j[leader] || member_crt(m) != -1) continue;
        int cell = p.peek();
        if (cell < 0) {
            p1cr[m].crt = -1;
            continue;
        }
        p.take();
        new_creature(ch.crt_type, ch.level, 1, ch.hp, ch.mana, m, -1, cell % MAP_W, cell / MAP_W);
    }
    j[battle_on] = 1;
}

void do_crt_spawners()
{
    bool test = j[spawner_tick] == 0;
    j[spawner_tick]++;
    if (j[spawner_tick] >= TICKS) j[spawner_tick] = 0;
    if (!test) return;

    int lc = leader_crt();
    if (lc < 0) return;
    int lx = CRT[lc].x, ly = CRT[lc].y;
    for (int i = 0; i < MAP_CELLS; i++) grs[i] = grsc[i];
    set_pbuf(lx, ly);
    set_grs();
    for (int k = 0; k < SPAWNER_COUNT; k++) {
        const spawner_rec &s = crt_spawner[k];
        if (!s.active || !cell_ok(s.x, s.y)) continue;
        // After a spawner fires the layer is its own: spawners within reach of it
        // join the same battle.
        int d = pbuf[s.x + MAP_W * s.y];
        if (d > 2 && d < s.trigger) fire(k, lx, ly);
    }
}

}  // namespace hm
