// enemy_turn.cpp -- the computer's turn: whom to strike or shoot, where to stand, where to advance
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FAR = 1000;   // a distance worse than any the fill gives
constexpr int AROUND[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

bool is_foe(int c, int t) { return t >= 0 && t < CRT_COUNT && CRT[t].in_use && foe_check(c, t); }

bool adjacent(int a, int b)
{
    int dx = CRT[a].x - CRT[b].x, dy = CRT[a].y - CRT[b].y;
    return (dx || dy) && dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

// The most valuable candidate so far: a later one must be strictly stronger.
struct best_by_power {
    int crt = -1, power = 0;
    void offer(int t)
    {
        int p = crt_power(t);
        if (crt == -1 || p > power) {
            crt = t;
            power = p;
        }
    }
};

void set_grs_at(int cell, uint8_t v) { grs[cell] = v; }

// Walks c as far as this turn allows along a shortest route towards t, and ends
// its turn.  `from_here` starts the choice at c's own cell, else at cell 0.
void approach(int c, int t, bool from_here)
{
    const crt_rec &k = CRT[c];
    const int cc = k.cell, tc = CRT[t].cell, s = k.speed;
    set_grs_at(cc, 0);
    set_pbuf(CRT[t].x, CRT[t].y);
    std::memcpy(pbuf2, pbuf, MAP_CELLS);
    set_grs_at(tc, 0);
    set_grs_at(cc, BLOCKED);
    set_pbuf(k.x, k.y);
    // What remains are the cells on a shortest route between the two.
    const int whole = pbuf2[cc];
    for (int i = 0; i < MAP_CELLS; i++)
        if (pbuf2[i] == 0 || pbuf2[i] + pbuf[i] != whole) pbuf[i] = 0;
    int choice = from_here ? cc : 0, best = 0;
    for (int i = 0; i < MAP_CELLS; i++)
        if (pbuf[i] > best && pbuf[i] < s) {
            best = pbuf[i];
            choice = i;
        }
    find_crpath(c, choice % MAP_W, choice / MAP_W);
    end_crt_turn();
}

// Phase C: a foe reachable once creatures no longer block; grs stays as grsc.
bool advance_past_creatures(int c)
{
    best_by_power b;
    const int cc = CRT[c].cell;
    for (int t = 0; t < CRT_COUNT; t++) {
        if (!is_foe(c, t)) continue;
        std::memcpy(grs, grsc, MAP_CELLS);
        set_pbuf(CRT[t].x, CRT[t].y);
        if (pbuf[cc] > 0) b.offer(t);
    }
    if (b.crt == -1) return false;
    approach(c, b.crt, false);
    return true;
}

void striker_turn(int c)
{
    crt_rec &k = CRT[c];
    const int cc = k.cell, s = k.speed;
    if (k.flying) set_fly_grs();
    set_pbuf(k.x, k.y);

    best_by_power a;
    for (int t = 0; t < CRT_COUNT; t++) {
        if (!is_foe(c, t)) continue;
        // Fliers cannot reach under a roof.
        if (k.flying && rf[CRT[t].cell] != 0) continue;
        bool near = adjacent(c, t);
        for (const auto &o : AROUND) {
            int d = gpb(CRT[t].x + o[0], CRT[t].y + o[1]);
            if (d > 0 && d < s) near = true;
        }
        if (near) a.offer(t);
    }
    if (a.crt != -1) {
        const crt_rec &T = CRT[a.crt];
        int choice = -1, best = FAR;
        for (const auto &o : AROUND) {
            int x = T.x + o[0], y = T.y + o[1];
            if (!cell_ok(x, y)) continue;
            int cell = x + MAP_W * y;
            // Where it stands wins once met: no other cell is nearer than -1.
            if (cell == cc) {
                choice = cc;
                best = -1;
                continue;
            }
            int d = pbuf[cell];
            if (d > 0 && d < s && d < best) {
                best = d;
                choice = cell;
            }
        }
        k.strike_target = a.crt;
        k.strike_time = 0;
        if (choice != -1 && choice != cc) find_crpath(c, choice % MAP_W, choice / MAP_W);
        end_crt_turn();
        return;
    }

    best_by_power b;
    for (int t = 0; t < CRT_COUNT; t++) {
        if (!is_foe(c, t)) continue;
        set_grs_at(cc, 0);
        set_pbuf(CRT[t].x, CRT[t].y);
        if (pbuf[cc] > 0) b.offer(t);
    }
    if (b.crt != -1) {
        approach(c, b.crt, true);
        return;
    }
    if (!k.flying && advance_past_creatures(c)) return;
    end_crt_turn();
}

void shooter_turn(int c)
{
    crt_rec &k = CRT[c];
    int best = -1, value = 0;
    for (int t = 0; t < CRT_COUNT; t++) {
        if (!is_foe(c, t)) continue;
        int p = sht_path(k.x, k.y, CRT[t].x, CRT[t].y, k.shot_range, c, t);
        if (p == -1) continue;
        int v = crt_power(t) / (p + 1);
        if (best == -1 || v > value) {
            best = t;
            value = v;
        }
    }
    if (best != -1) {
        int p = sht_path(k.x, k.y, CRT[best].x, CRT[best].y, k.shot_range, c, best);
        k.strike_time = 0;
        k.strike_target = best;
        k.range_penalty = (int8_t)p;
        end_crt_turn();
        return;
    }

    // A cell to shoot from next turn: the nearest with a clear shot at any foe.
    set_pbuf(k.x, k.y);
    int choice = -1, near = FAR;
    for (int i = 0; i < MAP_CELLS; i++) {
        int d = pbuf[i];
        if (!(d > 0 && d < k.speed) || d >= near) continue;
        for (int t = 0; t < CRT_COUNT; t++) {
            if (!is_foe(c, t)) continue;
            if (sht_path(i % MAP_W, i / MAP_W, CRT[t].x, CRT[t].y, k.shot_range, c, t) != -1) {
                choice = i;
                near = d;
                break;
            }
        }
    }
    if (choice != -1) {
        find_crpath(c, choice % MAP_W, choice / MAP_W);
        end_crt_turn();
        return;
    }
    if (advance_past_creatures(c)) return;
    end_crt_turn();
}

}  // namespace

void enemy_turn()
{
    int c = j[cur_crt];
    if (c < 0 || c >= CRT_COUNT || !CRT[c].in_use) {
        end_crt_turn();
        return;
    }
    if (CRT[c].attack_kind == 2) shooter_turn(c);
    else if (CRT[c].attack_kind == 1) striker_turn(c);
    else end_crt_turn();
}

}  // namespace hm
