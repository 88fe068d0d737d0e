// npc_walks.cpp -- NPCs sent across the level by the story, and who stands near a point
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

npc_walk_rec npc_walk[WALK_SLOTS];

namespace {

constexpr int SHUFFLE_NEAR = 2;    // a stuck walker steps aside to a cell this far ..
constexpr int SHUFFLE_FAR = 8;     // .. to this far away
constexpr int SHUFFLE_CELLS = 50;  // cells it chooses among

bool npc_ok(int n) { return n >= 0 && n < NPC_COUNT; }

// The creature of NPC n when it stands, alive, on the level being played.
int walker_crt(int n)
{
    if (!npc_ok(n) || !npc[n].in_use || npc[n].dead || npc[n].lev != j[level_no]) return -1;
    return npc_crt(n);
}

bool within(int x0, int y0, int x1, int y1, int r)
{
    long long dx = x0 - x1, dy = y0 - y1;
    return r >= 0 && dx * dx + dy * dy <= (long long)r * r;
}

// Walker c cannot reach its target now.  It walks as far as the creatures let it
// along a shortest route over the bare ground; when it cannot take a step of that
// route it shuffles aside to a near cell so that the way may open later.
void walk_round(int c, int tx, int ty)
{
    crt_rec &k = CRT[c];
    int here = k.x + MAP_W * k.y;
    std::memcpy(grs, grsc, MAP_CELLS);
    grs[here] = 0;
    set_pbuf(tx, ty);
    std::memcpy(pbuf2, pbuf, MAP_CELLS);
    set_grs();
    grs[here] = BLOCKED;
    set_pbuf(k.x, k.y);
    int whole = pbuf2[here];
    int best = 0, best_d = 0;
    for (int i = 0; i < MAP_CELLS; i++) {
        if (pbuf2[i] == 0 || pbuf2[i] + pbuf[i] != whole) continue;
        if (pbuf[i] > best_d) {
            best_d = pbuf[i];
            best = i;
        }
    }
    if (best != 0 && best != here) {
        find_crpath(c, best % MAP_W, best / MAP_W);
        return;
    }
    set_pbuf(k.x, k.y);
    int cells[SHUFFLE_CELLS], n = 0;
    for (int i = 0; i < MAP_CELLS && n < SHUFFLE_CELLS; i++)
        if (pbuf[i] >= SHUFFLE_NEAR && pbuf[i] <= SHUFFLE_FAR) cells[n++] = i;
    if (n > 0) {
        int pick = cells[random() % n];
        find_crpath(c, pick % MAP_W, pick / MAP_W);
    }
}

}  // namespace

void init_npc_walks()
{
    std::memset(npc_walk, 0, sizeof npc_walk);
    clear_flash();
}

void npc_walk_to(int n, int x, int y, int chance, int mode)
{
    for (npc_walk_rec &w : npc_walk)
        if (w.in_use && w.walk_npc == n) w.in_use = 0;
    if (walker_crt(n) < 0 || !cell_ok(x, y)) return;
    // Every free slot takes the walk: each copy makes its own attempt per frame.
    for (npc_walk_rec &w : npc_walk) {
        if (w.in_use) continue;
        w.in_use = 1;
        w.walk_x = x;
        w.walk_y = y;
        w.walk_npc = n;
        w.chance = chance;
        w.mode = mode;
    }
}

void do_npc_walk()
{
    for (npc_walk_rec &w : npc_walk) {
        if (!w.in_use) continue;
        int c = walker_crt(w.walk_npc);
        if (c < 0 || (CRT[c].x == w.walk_x && CRT[c].y == w.walk_y)) {
            // One slot a frame: the others wait for the next one.
            w.in_use = 0;
            return;
        }
        if (j[talk_state] != 0 && j[talk_crt] == c) return;
        if (w.chance > 0 && random() % w.chance != 0) continue;
        if (CRT[c].path_step != -1) continue;
        if (find_crpath(c, w.walk_x, w.walk_y) == 1) continue;
        walk_round(c, w.walk_x, w.walk_y);
    }
}

int npc_dist_from_pnt(int n, int x, int y, int r)
{
    int c = walker_crt(n);
    return c >= 0 && within(CRT[c].x, CRT[c].y, x, y, r) ? 1 : 0;
}

int p1cr_dist_from_pnt(int x, int y, int r)
{
    int c = leader_crt();
    return c >= 0 && within(CRT[c].x, CRT[c].y, x, y, r) ? 1 : 0;
}

}  // namespace hm
