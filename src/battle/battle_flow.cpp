// battle_flow.cpp -- the battle's stages, rounds and turns, the player's turn, the strike, victory and a new leader
#include <ctime>
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int PLACE_NEAR_START = 10;   // set-up: cells closer than this to the battle's centre
constexpr int PLACE_NEAR_CRT = 20;     // set-up: and closer than this to the creature moved
constexpr int STAGGER_CHANCE = 35;     // stunned creatures lose, quickened ones repeat, a turn
constexpr int STRIKE_STEP = 5;         // strike_time per frame
constexpr int AROUND[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

turn_costs costs;

// Processor time of this thread: a turn is not charged for other programs that
// ran while it thought.
double thread_cpu_us()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return (double)ts.tv_sec * 1e6 + (double)ts.tv_nsec / 1e3;
}

// The computer's turn must stay a small part of a frame; its cost is kept for
// the runner's report and the benchmarks.
void timed_enemy_turn()
{
    double t0 = thread_cpu_us();
    enemy_turn();
    double us = thread_cpu_us() - t0;
    costs.turns++;
    costs.total_us += us;
    if (us > costs.worst_us) costs.worst_us = us;
}

bool live(int c) { return c >= 0 && c < CRT_COUNT && CRT[c].in_use; }
bool party_crt(int c) { return live(c) && CRT[c].side == 1; }

void play_tune(const char *name)
{
    plat_destroy_midi(the_music);
    the_music = plat_load_midi(name);
    plat_play_midi(the_music, true);
}

bool cell_in_map(int cell) { return cell >= 0 && cell < MAP_CELLS; }

// Distance in pbuf of cell (x + dx, y + dy), -1 off the map.
int dist_at(int x, int y, int dx, int dy) { return gpb(x + dx, y + dy); }

bool next_to(int c, int cell)
{
    if (!cell_in_map(cell)) return false;
    int dx = cell % MAP_W - CRT[c].x, dy = cell / MAP_W - CRT[c].y;
    return (dx || dy) && dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

// Set-up: may the creature picked up be put down on cell?
bool place_ok(int cell)
{
    if (!cell_in_map(cell)) return false;
    std::memcpy(grs, grsc, MAP_CELLS);
    set_pbuf(j[battle_x], j[battle_y]);
    int d = pbuf[cell];
    set_grs();
    if (!(d > 0 && d < PLACE_NEAR_START) || grs[cell] != 0) return false;
    const crt_rec &k = CRT[j[placing_crt]];
    set_pbuf(k.x, k.y);
    int e = pbuf[cell];
    return e > 0 && e < PLACE_NEAR_CRT;
}

void red_tint(int c) { sdrst(c, 1, 10, -20, -20, 2, 0); }

// The player's turn ends; with nobody left to act a new round is due at once.
void end_player_turn()
{
    end_crt_turn();
    if (j[cur_crt] == -1) j[battle_stage] = 4;
}

// One frame of the turn of a party creature.
void player_turn(int c)
{
    crt_rec &k = CRT[c];
    set_pbuf(k.x, k.y);
    const int s = k.speed, mc = j[mouse_cell];
    auto reachable = [&](int cell) {
        if (!cell_in_map(cell) || !j[ptr_in_view]) return false;
        int d = pbuf[cell];
        return d > 0 && d < s && grs[cell] == 0;
    };
    int D = -1;
    if (j[strike_crt] == -1) {
        if (reachable(mc)) D = mc;
    } else if (live(j[strike_crt]) && next_to(j[strike_crt], mc) &&
               (reachable(mc) || mc == k.cell)) {
        D = mc;
    }
    if (D != -1) j[hilite_cell] = D;
    sdrst(c, 1, 16, 16, -16, 2, 0);

    if (j[strike_crt] == -1) {
        j[aim_crt] = -1;
        int h = j[ptr_crt];
        if (live(h) && h != c && foe_check(c, h)) {
            if (k.attack_kind == 1) {
                bool near = next_to(h, k.cell);
                for (const auto &o : AROUND) {
                    int d = dist_at(CRT[h].x, CRT[h].y, o[0], o[1]);
                    if (d > 0 && d < s) near = true;
                }
                if (near) {
                    red_tint(h);
                    j[hilite_cell] = -1;
                    j[aim_crt] = h;
                }
            } else if (k.attack_kind == 2) {
                int p = sht_path(k.x, k.y, CRT[h].x, CRT[h].y, k.shot_range, c, h);
                if (p != -1) {
                    red_tint(h);
                    j[aim_crt] = h;
                    k.range_penalty = (int8_t)p;
                }
            }
        }
    } else {
        red_tint(j[strike_crt]);
    }

    if (j[lmb_down]) {
        if (j[strike_crt] == -1 && D != -1 && j[aim_crt] == -1) {
            find_crpath(c, D % MAP_W, D / MAP_W);
            end_player_turn();
            return;
        }
        if (j[strike_crt] != -1 && D != -1 && k.attack_kind == 1) {
            k.strike_target = j[strike_crt];
            k.strike_time = 0;
            // Struck from where it stands, there is no walk and the strike starts at once.
            if (D != k.cell) find_crpath(c, D % MAP_W, D / MAP_W);
            end_player_turn();
            return;
        }
        if (j[strike_crt] == -1 && j[aim_crt] != -1) {
            if (k.attack_kind == 1) {
                j[strike_crt] = j[aim_crt];
            } else {
                k.strike_time = 0;
                k.strike_target = j[aim_crt];
                end_player_turn();
                return;
            }
        }
    }
    if (keyr[K_S] == EDGE_RELEASED) {
        if (j[strike_crt] == -1) end_player_turn();
        else j[strike_crt] = -1;
    }
}

// Every creature of the battle but the leader's leaves the map; members take
// their hit points and mana with them.
void clear_battlefield()
{
    int lc = leader_crt();
    for (int c = 0; c < CRT_COUNT; c++) {
        crt_rec &k = CRT[c];
        if (!k.in_use || k.side == 4 || c == lc) continue;
        int m = crt_member(c);
        if (m >= 0) {
            p1cr[m].hp = k.hp;
            p1cr[m].mana = k.mana;
            p1cr[m].crt = -1;
        }
        k.in_use = 0;
        k.party_index = k.npc_index = -1;
    }
}

}  // namespace

const turn_costs &enemy_turn_costs() { return costs; }

int use_AI(int c)
{
    if (c < 0 || c >= CRT_COUNT) return 0;
    int s = CRT[c].side;
    if (s == 1) return 0;
    if (s == 2 || s == 3) return 1;
    return s;
}

int foe_check(int a, int b)
{
    // Sides alone decide; callers see to it that both stand in play.
    if (a == b || a < 0 || a >= CRT_COUNT || b < 0 || b >= CRT_COUNT) return 0;
    int sa = CRT[a].side, sb = CRT[b].side;
    switch (sa) {
    case 1: return sb == 2;
    case 2: return CRT[a].effect[2] ? sb == 2 : sb == 1 || sb == 3;
    case 3: return sb == 2;
    default: return 0;
    }
}

void end_crt_turn()
{
    int c = j[cur_crt];
    if (c >= 0 && c < CRT_COUNT) CRT[c].ready = 0;
    j[cur_crt] = find_turn();
    j[strike_crt] = j[aim_crt] = -1;
}

void battle()
{
    if (j[battle_stage] == 0) do_crt_spawners();
    if (j[battle_stage] == 1) {
        play_tune(random() % 2 ? "m4.mid" : "m3.mid");
        j[battle_exp] = j[battle_gold] = 0;
        clear_istk(1);
        int lc = leader_crt();
        if (lc >= 0) {
            j[battle_x] = CRT[lc].x;
            j[battle_y] = CRT[lc].y;
        }
        j[battle_stage] = 2;
        calc_luck(-1);
        update_stats();
        // The leader stops once the step in progress is done.
        if (lc >= 0) {
            crt_rec &k = CRT[lc];
            if (k.path_step >= -1 && k.path_step < CRT_PATH_LEN - 1) k.path[k.path_step + 1] = -1;
        }
        set_casts();
        update_scr();
    }
    if (j[battle_stage] == 2) {
        j[battle_stage] = 3;
        j[crtbox_on] = 1;
        j[istk_shown] = -1;
        new_flash(32, 64, 64, 64);
        npc_join_in_battle();
        create_tmp_npc_p1crs();
        set_bat_grs();
        update_scr();
    }
    if (j[battle_stage] == 3) {
        place_crt_main();
        if (keyr[K_ENTER] == EDGE_RELEASED) j[battle_stage] = 4;
    }
    if (j[battle_stage] == 4) new_round();
    if (j[battle_stage] == 5) {
        int c = j[cur_crt];
        if (!live(c) || CRT[c].hp < 1) j[cur_crt] = c = find_turn();
        if (c == -1) {
            j[battle_stage] = 4;
        } else if (use_AI(c) == 0) {
            player_turn(c);
        } else {
            timed_enemy_turn();
        }
    }
}

void place_crt_main()
{
    int p = j[placing_crt];
    if (p != -1 && !party_crt(p)) j[placing_crt] = p = -1;
    if (p == -1 && party_crt(j[ptr_crt])) sdrst(j[ptr_crt], 1, 16, 16, 16, 2, 0);
    if (p != -1) sdrst(p, 1, 16, 16, 16, 2, 0);

    j[hilite_cell] = -1;
    int mc = j[mouse_cell];
    if (p != -1 && place_ok(mc)) j[hilite_cell] = mc;

    if (j[lmb_down]) {
        if (p == -1) {
            if (party_crt(j[ptr_crt])) j[placing_crt] = j[ptr_crt];
        } else if (j[ptr_in_view] && place_ok(mc)) {
            find_crpath(p, mc % MAP_W, mc / MAP_W);
            j[placing_crt] = -1;
            j[hilite_cell] = -1;
        }
    }
    if (keyr[K_S] == EDGE_RELEASED) j[placing_crt] = -1;
}

void new_round()
{
    for (int m = 0; m < PARTY_SIZE; m++) p1cr[m].belt_used = 0;
    for (int c = 0; c < CRT_COUNT; c++) {
        crt_rec &k = CRT[c];
        if (!k.in_use) continue;
        k.ready = 1;
        for (int32_t &s : k.status)
            if (s) s--;
        if (k.status[16]) {
            crt_effect(c, 160, 16);
            int loss = (int)((long long)k.hp * k.status[22] / 100);
            new_drdam(c, loss, DRDAM_POISON);
            k.hp -= loss;
            if (k.hp < 0) k.hp = 0;
        }
        if (k.status[17]) {
            crt_effect(c, 250, 16);
            new_drdam(c, k.hp / 10, DRDAM_REGEN);
            k.hp += k.hp / 10;
            if (k.hp > k.max_hp) k.hp = k.max_hp;
        }
        if (k.effect[0]) {
            k.hp = k.hp - k.effect[1] < 0 ? 0 : k.hp - k.effect[1];
            new_drdam(c, k.effect[1], DRDAM_BURN);
            k.effect[0]--;
        }
        if (k.effect[6]) k.effect[6]--;
        if (k.effect[6] == 0 && k.effect[10]) {
            k.effect[10] = 0;
            k.pic_base = k.effect[8];
            k.attack_kind = k.effect[9];
        }
        for (int e = 2; e <= 4; e++)
            if (k.effect[e]) k.effect[e]--;
    }
    j[cur_crt] = -1;
    j[battle_stage] = 5;
    update_scr();
}

int find_turn()
{
    int c = j[cur_crt], res = -1;
    if (c != -1) adj_stuff(c);
    // Quickened: it may go again, if it still stands.
    if (live(c) && CRT[c].hp >= 1 && CRT[c].status[21] && jchnc(STAGGER_CHANCE)) {
        CRT[c].ready = 1;
        crt_effect(c, 230, 16);
        res = c;
    } else {
        for (;;) {
            int best = -1, bi = -1001;
            for (int i = 0; i < CRT_COUNT; i++) {
                const crt_rec &k = CRT[i];
                // A creature already fallen takes no turn.
                if (!k.in_use || !k.ready || k.side == 4 || k.hp < 1) continue;
                if (k.initiative > bi) {
                    bi = k.initiative;
                    best = i;
                }
            }
            if (best == -1) break;
            if (CRT[best].status[20] && jchnc(STAGGER_CHANCE)) {
                CRT[best].ready = 0;
                crt_effect(best, 220, 16);
                continue;
            }
            res = best;
            break;
        }
    }
    if (party_crt(res)) j[party_turn] = 1;
    return res;
}

void crt_strike(int c)
{
    crt_rec &k = CRT[c];
    if (k.path_step != -1 || k.strike_target == -1) return;
    k.strike_time += STRIKE_STEP;
    const int st = (int)k.strike_time, s = st < 40 ? st : 40;
    const bool shooter = k.attack_kind == 2;
    const int t = k.strike_target;
    if (st <= 40) {
        k.frame = 6;
        if (shooter) k.facing = f[sht_dx] > 0 ? 1 : -1;
    }
    if (!shooter && live(t)) {
        const crt_rec &T = CRT[t];
        int dx = T.x - k.x, dy = T.y - k.y;
        int ddx = 0, ddy = 0, face = k.facing;
        if (dy == -1 && dx == -1) ddx = -s, ddy = -s / 3, face = -1;
        else if (dy == -1 && dx == 0) ddx = -s / 3, ddy = -s / 3, face = -1;
        else if (dy == -1 && dx == 1) ddx = s / 3, ddy = -s / 3, face = 1;
        else if (dy == 0 && dx == -1) ddx = -2 * s / 3, face = -1;
        else if (dy == 0 && dx == 1) ddx = 2 * s / 3, face = 1;
        else if (dy == 1 && dx == -1) ddx = -s / 3, ddy = s / 3, face = -1;
        else if (dy == 1 && dx == 0) ddx = s / 3, ddy = s / 3, face = 1;
        else if (dy == 1 && dx == 1) ddx = s, ddy = s / 3, face = 1;
        // Fliers dip to short walkers, walkers rise to fliers.
        auto height = [](int pic) {
            int slot = pic_slot(pic, 3);
            return slot < 0 ? 40 : (int)SWINF[slot].height;
        };
        if (k.flying && !T.flying) {
            int h = height(T.pic_base);
            if (h < 40) ddy += (40 - h) * s / 40;
        } else if (!k.flying && T.flying) {
            int h = height(k.pic_base);
            if (h < 40) ddy -= (40 - h) * s / 40;
        }
        k.draw_dx = (int8_t)ddx;
        k.draw_dy = (int8_t)ddy;
        k.facing = (int8_t)face;
    }
    if (st > 40) {
        k.frame = 7;
        if (shooter && st < 50) {
            j[shot_on] = 1;
            j[shot_fly_pic] = k.shot_pic;
            j[shot_launch] = 1;
        }
    }
    if ((!shooter && st == 45) || (shooter && j[shot_launch] == 0 && st > 60))
        do_attack(c, t, (float)k.dmg_phys, (float)k.dmg_e1, (float)k.dmg_e2, (float)k.dmg_e3, (float)k.dmg_e4, 0);
    if ((!shooter && st > 150) || (shooter && j[shot_launch] == 0 && st > 60) || st > 500) {
        j[shot_launch] = 0;
        k.frame = 0;
        k.strike_time = 0;
        k.strike_target = -1;
        k.draw_dx = k.draw_dy = 0;
    }
}

void find_new_mcr()
{
    if (!j[battle_on]) return;
    int lc = leader_crt();
    if (live(lc) && CRT[lc].hp >= 1) return;
    // One choice per call, among the members still standing; with none, the
    // leader stays and the game-over fade ends the battle.
    int best = -1, bi = 0;
    for (int m = 0; m < PARTY_SIZE; m++) {
        int c = member_crt(m);
        if (!p1cr[m].in_use || c < 0 || CRT[c].hp < 1) continue;
        if (best == -1 || CRT[c].init_base >= bi) {
            best = m;
            bi = CRT[c].init_base;
        }
    }
    if (best != -1) j[leader] = best;
}

void battle_end_chk()
{
    if (!j[battle_on] || j[battle_stage] != 5 || j[bat_sk_on]) return;
    for (int c = 0; c < CRT_COUNT; c++)
        if (CRT[c].in_use && CRT[c].side == 2) return;
    for (int n = 0; n < NPC_COUNT; n++) {
        int c = npc_crt(n);
        if (c < 0) continue;
        delete_tmp_npc_p1cr(n);
        CRT[c].party_index = -1;
        CRT[c].side = 4;
    }
    clear_battlefield();
    j[battle_spawner] = -1;
    j[crtbox_on] = 0;
    j[battle_on] = 0;
    j[battle_stage] = 0;
    j[cur_crt] = -1;
    j[placing_crt] = -1;
    j[loot_state] = 4;
    j[box_crt] = leader_crt();
    delete_special_attack_items();
    new_flash(32, 64, 64, 64);
    play_tune("m2.mid");
    update_scr();
}

}  // namespace hm
