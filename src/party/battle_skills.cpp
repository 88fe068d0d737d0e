// battle_skills.cpp -- the eighteen battle skills: learning them, their values and costs, aiming and their effects
#include <cmath>
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

// How each skill finds its target, and how far it reaches.  Skill 17 is the
// passive "Fen Lore": it is known and raised like the others, costs nothing,
// takes no target and is never offered in battle; what it knows is told by its
// description and shown in its values (none).
struct skill_kind {
    int target_kind, range;
};
constexpr skill_kind KINDS[SKILL_COUNT] = {
    {1, 0}, {5, 10}, {5, 8},  {8, 4},  {12, 9}, {4, 12}, {4, 5}, {1, 0}, {12, 12},
    {4, 12}, {5, 10}, {13, 0}, {8, 5}, {8, 5},  {1, 0},  {9, 5}, {4, 6}, {0, 0},
};

// Which creature type each summoning skill calls (rows of crtinf.txt).
int summoned_type(int s) { return s == 3 ? 10 : s == 12 ? 11 : s == 13 ? 12 : s == 15 ? 13 : -1; }

// Missile looks of the missile skills.
int missile_look(int s) { return s == 1 ? 2 : s == 2 ? 3 : s == 10 ? 4 : -1; }

// Target kinds: a creature under the pointer (1..5), a cell (6..12), none (13).
enum { TK_FRIEND = 1, TK_FOE, TK_FRIEND_NEAR, TK_FOE_NEAR, TK_FOE_SHOT, TK_CELL, TK_CELL_OPEN,
       TK_CELL_SUMMON, TK_CELL_NEAR, TK_CELL_WALK, TK_CELL_WALK_FREE, TK_CELL_AREA, TK_NONE };

constexpr int HEAL_COLOUR = DRDAM_REGEN;

float e(float x, float a, float b) { return e_value(x, a, b); }

// A value from a formula: toward zero, and 0 when the formula gives no number
// (a divisor of zero at a strongly negative initiative).
int value_of(float v) { return std::isfinite(v) ? tr(v) : 0; }

// a / (1 + e(x, A, B)), 0 when the divisor is not above zero.
float over_curve(float a, float x, float A, float B)
{
    float d = 1 + e(x, A, B);
    return d > 0 ? a / d : NAN;
}

bool member_ok(int m) { return m >= 0 && m < PARTY_SIZE && p1cr[m].in_use; }
bool entry_ok(int m, int en) { return member_ok(m) && en >= 0 && en < SKILL_ENTRIES && p1cr[m].skills[en].known; }
bool crt_live(int c) { return c >= 0 && c < CRT_COUNT && CRT[c].in_use && CRT[c].hp >= 1; }

int distance(int x0, int y0, int x1, int y1)
{
    float dx = (float)(x1 - x0), dy = (float)(y1 - y0);
    return (int)std::sqrt(dx * dx + dy * dy);
}

// An effect's animation on the map, on the cell it belongs to.
void effect_ani(int kind, int cell, int lift, int high, float px, float py, float vx, float vy)
{
    new_ani2(kind, cell, lift, high, px, py, vx, vy, 0);
}

int cell_of(int c) { return CRT[c].x + MAP_W * CRT[c].y; }
int lift_of(int c) { return 32 * CRT[c].flying; }

// The creature summoned by the skill playing out, -1 none.
int summoned = -1;

}  // namespace

// -- learning, values and costs -----------------------------------------------------------

void new_bat_sk(int m, int s)
{
    if (!member_ok(m) || s < 0 || s >= SKILL_COUNT) return;
    for (skill_rec &r : p1cr[m].skills) {
        if (r.known) continue;
        r = skill_rec{};
        r.known = 1;
        r.skill_id = s;
        r.target_kind = KINDS[s].target_kind;
        r.sk_range = KINDS[s].range;
        r.sk_level = 1;
        r.max_casts = -1;
        r.passive = s == SKILL_PASSIVE ? 1 : 0;
        return;
    }
}

int check_for_bat_sk(int m, int s)
{
    if (!member_ok(m)) return 0;
    for (const skill_rec &r : p1cr[m].skills)
        if (r.known && r.skill_id == s) return 1;
    return 0;
}

int skv_at(int s, int level, int which)
{
    const float L = (float)level, x = (float)which;
    auto pick = [which](float v0, float v1, float v2) { return value_of(which == 0 ? v0 : which == 1 ? v1 : which == 2 ? v2 : 0); };
    switch (s) {
    case 0: return pick(8 * L + 10, e(L, 80, 50), 0);
    case 1: return pick(4 * L + 12, 6 * L + 12, 0);
    case 2: return pick(4 * L + 10, 20 + e(L, 80, 50), 0);
    case 3: return pick(L, 1.4f * L + 1, 1 + e(L, 10, 40));
    case 4: return pick(3 * L + 5, 3.2f * L + 10, 0);
    case 5: return pick(2 + e(L, 12, 40), L + 2, 0);
    case 6: return value_of(e(over_curve(50 + 30 * L, x, 8, 1500), 100, 150));
    case 7: return pick(12 * L + 10, 0, 0);
    case 8: return value_of(over_curve(16 + 6 * L, x, 8, 30));
    case 9: return pick(2 * L + 2, 4 * L + 20, 5 + e(L, 80, 50));
    case 10: return pick(2 * L + 12, 3 * L + 12, 4 + e(L, 25, 50));
    case 11: return value_of(e(over_curve(30 + 25 * L, x, 6, 1500), 100, 150));
    case 12: case 13: case 15: return pick(L, 1 + e(L, 10, 40), 0);
    case 14: return value_of(5 + e(over_curve(30 + 25 * L, x, 8, 1000), 60, 150));
    case 16: return pick(3 + e(L, 12, 40), 25 + e(L, 60, 40), 0);
    default: return 0;
    }
}

int skv(int m, int en, int which)
{
    if (!entry_ok(m, en)) return 0;
    const skill_rec &r = p1cr[m].skills[en];
    return skv_at(r.skill_id, r.sk_level, which);
}

int rand_val(int a, int b) { return a < b ? a + random() % (b - a) : a; }

int find_mana_cost(int s, int level)
{
    const int L = level;
    switch (s) {
    case 0: case 1: case 2: case 3: return 2 * L + 10;
    case 4: case 13: return 3 * L + 15;
    case 5: case 7: return 2 * L + 8;
    case 6: return L + 12;
    case 8: return 4 * L + 16;
    case 9: return 2 * L + 20;
    case 10: return 2 * L + 16;
    case 11: return 5 * L + 20;
    case 12: return 4 * L + 25;
    case 14: return L + 4;
    case 15: return 4 * L + 6;
    case 16: return 2 * L + 12;
    default: return 0;
    }
}

int get_sp_needed(int m, int en) { return entry_ok(m, en) ? p1cr[m].skills[en].sk_level / 5 + 2 : 0; }

void set_casts()
{
    for (int m = 0; m < PARTY_SIZE; m++)
        for (int en = 0; en < SKILL_ENTRIES; en++) {
            skill_rec &r = p1cr[m].skills[en];
            if (!p1cr[m].in_use || !r.known) continue;
            r.casts = 0;
            r.max_casts = -1;
            if (r.skill_id == 3) r.max_casts = skv(m, en, 2);
            if (r.skill_id == 12 || r.skill_id == 13 || r.skill_id == 15) r.max_casts = skv(m, en, 1);
        }
}

int battle_skill_entry(int m, int k)
{
    if (!member_ok(m) || k < 0 || k >= SKILL_GRID) return -1;
    for (int en = 0; en < SKILL_ENTRIES; en++) {
        const skill_rec &r = p1cr[m].skills[en];
        if (r.known && !r.passive && k-- == 0) return en;
    }
    return -1;
}

// Recruits come with the craft of their trade; the hero's own skills are taught
// by the new game.
void learn_start_skills(int m, int char_file)
{
    static const int none = -1;
    static const int known[7][4] = {
        {none, none, none, none},   // the hero: taught by the new game
        {7, 14, none, none},        // Warden Hale: shield, rally
        {0, 10, 5, none},           // Isolde, herbalist: mending, venom, burn
        {0, 7, 9, 12},              // Brother Oswin: mending, shield, doom, the bog spirit
        {16, none, none, none},     // Garrick: the bear's shape
        {1, 3, none, none},         // Nessa, huntress: fire bolt, the fen hound
        {6, 11, none, none},        // Bram, boatman: charm, blinding mist
    };
    if (char_file < 0 || char_file >= 7) return;
    for (int s : known[char_file])
        if (s != none && !check_for_bat_sk(m, s)) new_bat_sk(m, s);
}

// -- aiming and playing out ----------------------------------------------------------------

namespace {

// The target under the pointer for skill entry r of member m cast by creature c:
// a creature (kinds 1..5) or a cell (6..12), -1 none.  Marks what it finds.
int find_target(int m, int en, int c)
{
    const skill_rec &r = p1cr[m].skills[en];
    crt_rec &k = CRT[c];
    const int kind = r.target_kind, range = r.sk_range;
    if (!j[ptr_in_view]) return -1;
    if (kind >= TK_FRIEND && kind <= TK_FOE_SHOT) {
        int t = j[ptr_crt];
        if (!crt_live(t)) return -1;
        crt_rec &v = CRT[t];
        bool hostile = v.side == 2;
        int d = distance(k.x, k.y, v.x, v.y);
        bool ok = false;
        switch (kind) {
        case TK_FRIEND: ok = !hostile; break;
        case TK_FOE: ok = hostile; break;
        case TK_FRIEND_NEAR: ok = !hostile && d < range; break;
        case TK_FOE_NEAR: ok = hostile && d < range; break;
        default:
            if (hostile) {
                int p = sht_path(k.x, k.y, v.x, v.y, range, c, t);
                if (p != -1) {
                    k.range_penalty = (int8_t)p;
                    j[shot_high] = v.flying;
                    ok = true;
                }
            }
        }
        if (!ok) return -1;
        sdrst(t, 1, -16, -16, 16, 1, 0);
        if (r.skill_id == 6) {
            j[ptr_note_on] = 1;
            j[ptr_note_val] = skv(m, en, v.initiative);
        }
        return t;
    }
    if (kind < TK_CELL || kind > TK_CELL_AREA) return -1;
    int cell = j[mouse_cell];
    if (cell < 0 || cell >= MAP_CELLS || j[ptr_crt] != -1) return -1;
    int x = cell % MAP_W, y = cell / MAP_W;
    bool near = distance(k.x, k.y, x, y) < range;
    bool ok = true;
    switch (kind) {
    case TK_CELL_OPEN: ok = grs[cell] != BLOCKED; break;
    // A summoned creature is not put into a wall or onto another creature.
    case TK_CELL_SUMMON: ok = near && us2[cell] == -1 && grs[cell] != BLOCKED; break;
    case TK_CELL_NEAR: ok = near && grs[cell] != BLOCKED; break;
    case TK_CELL_WALK:
    case TK_CELL_WALK_FREE: {
        std::memcpy(grs, grsc, MAP_CELLS);
        set_pbuf(k.x, k.y);
        int d = pbuf[cell];
        set_grs();
        ok = d > 0 && d < range && (kind == TK_CELL_WALK || grs[cell] != BLOCKED);
        break;
    }
    case TK_CELL_AREA: ok = near && grsc[cell] != BLOCKED; break;
    default: break;
    }
    if (!ok) return -1;
    j[hilite_cell] = cell;
    return cell;
}

// The cell the skill aims at: a creature's or the cell itself.
void target_xy(int kind, int target, int caster, int *x, int *y)
{
    if (kind >= TK_FRIEND && kind <= TK_FOE_SHOT && target >= 0 && target < CRT_COUNT) {
        *x = CRT[target].x;
        *y = CRT[target].y;
    } else if (target >= 0 && target < MAP_CELLS) {
        *x = target % MAP_W;
        *y = target / MAP_W;
    } else {
        *x = CRT[caster].x;
        *y = CRT[caster].y;
    }
}

void skill_hit(int c, int t, float e1, float e2, float e3, float e4, bool quiet)
{
    if (!crt_live(t)) return;
    if (quiet) j[quiet_hit] = 1;
    do_attack(c, t, 0, e1, e2, e3, e4, 1);
}

// The five by five cells round the target without the four corners.
template <typename Fn>
void for_area_cells(int cx, int cy, Fn fn)
{
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            if ((dx == -2 || dx == 2) && (dy == -2 || dy == 2)) continue;
            if (cell_ok(cx + dx, cy + dy)) fn(cx + dx, cy + dy);
        }
}

bool in_area(int cx, int cy, int x, int y)
{
    int dx = x - cx, dy = y - cy;
    if (dx < -2 || dx > 2 || dy < -2 || dy > 2) return false;
    return !((dx == -2 || dx == 2) && (dy == -2 || dy == 2));
}

void summon(int s, int level, int x, int y)
{
    int n = new_creature(summoned_type(s), level, 3, -1, -1, -1, -1, x, y);
    summoned = n;   // -1 when every record is in use: nothing to fade in
}

void fade_in(int c, int n)
{
    if (c >= 0 && c < CRT_COUNT && CRT[c].in_use) {
        int v = 240 - 8 * n;
        sdrst(c, 1, v, v, v, 1, 1);
    }
}

// One frame n of skill entry en of member m cast by c at target; true when it ends.
bool play_frame(int m, int en, int c, int target, int n)
{
    const skill_rec &r = p1cr[m].skills[en];
    const int s = r.skill_id;
    int tx = 0, ty = 0;
    target_xy(r.target_kind, target, c, &tx, &ty);
    const int t = r.target_kind >= TK_FRIEND && r.target_kind <= TK_FOE_SHOT ? target : -1;
    const int tcell = tx + MAP_W * ty;
    const bool tlive = crt_live(t);

    if (missile_look(s) >= 0) {
        if (n == 2) {
            j[shot_on] = 1;
            j[shot_fly_pic] = missile_look(s);
            j[shot_launch] = 1;
            return false;
        }
        if (j[shot_launch] != 0 || (s == 1 && n <= 10)) return false;
        if (s == 1) {
            skill_hit(c, t, (float)rand_val(skv(m, en, 0), skv(m, en, 1)), 0, 0, 0, false);
        } else if (s == 2) {
            if (tlive && jchnc(skv(m, en, 1))) cause_stts(t, 0, 3, 0);
            skill_hit(c, t, 0, (float)skv(m, en, 0), 0, 0, false);
        } else {
            if (tlive) cause_stts(t, 16, 3, skv(m, en, 2));
            skill_hit(c, t, 0, 0, (float)skv(m, en, 0), (float)skv(m, en, 1), false);
        }
        return true;
    }
    if (summoned_type(s) >= 0) {
        if (n == 2) summon(s, s == 3 ? rand_val(skv(m, en, 0), skv(m, en, 1)) : skv(m, en, 0), tx, ty);
        fade_in(summoned, n);
        return n >= 30;
    }

    switch (s) {
    case 0:
        if (!tlive) return n >= 61;
        sdrst(t, 1, -2 * n, 4 * n, -2 * n, 1, 1);
        if (n <= 19)
            effect_ani(1, tcell, lift_of(t) + 30, CRT[t].flying, (float)(random() % 25 - 12), (float)-(random() % 16), 0, 0);
        if (n == 61) {
            crt_rec &v = CRT[t];
            long long gain = (long long)skv(m, en, 1) * v.max_hp / 100 + skv(m, en, 0);
            long long room = (long long)v.max_hp - v.hp;
            if (gain > room) gain = room < 0 ? 0 : room;
            v.hp += (int)gain;
            new_drdam(t, (int)gain, HEAL_COLOUR);
        }
        return n >= 61;
    case 4:
        if (n == 2)
            for_area_cells(tx, ty, [](int x, int y) {
                if (grsc[x + MAP_W * y] == 0) effect_ani(4, x + MAP_W * y, 0, 0, 0, 0, 0, 0);
            });
        if (n < 40) j[shake] = 1;
        if (n == 40) {
            int lo = skv(m, en, 0), hi = skv(m, en, 1);
            for (int v = 0; v < CRT_COUNT; v++)
                if (crt_live(v) && foe_check(c, v) && in_area(tx, ty, CRT[v].x, CRT[v].y))
                    skill_hit(c, v, 0, 0, (float)rand_val(lo, hi), 0, true);
        }
        return n >= 65;
    case 5:
        if (n == 2 && tlive) {
            effect_ani(5, tcell, lift_of(t), CRT[t].flying, 0, 0, 0, 0);
            CRT[t].effect[0] = skv(m, en, 0);
            CRT[t].effect[1] = skv(m, en, 1);
        }
        return n >= 65;
    case 6:
        if (n == 2 && tlive) effect_ani(6, tcell, lift_of(t), CRT[t].flying, 0, 0, 0, 0);
        if (n == 50 && tlive) {
            bool won = jchnc(skv(m, en, CRT[t].initiative)) != 0;
            if (won) CRT[t].effect[2] = 5;
            effect_ani(won ? 32 : 33, tcell, lift_of(t), CRT[t].flying, 0, 0, 0, 0);
        }
        return n >= 65;
    case 7:
        if (n == 2 && tlive) {
            effect_ani(7, tcell, lift_of(t), CRT[t].flying, 0, 0, 0, 0);
            CRT[t].effect[3] = skv(m, en, 0);
        }
        return n >= 65;
    case 8:
        if (n == 2)
            for (int v = 0; v < CRT_COUNT; v++) {
                if (!crt_live(v) || CRT[v].side != 2) continue;
                float dx = (float)(CRT[v].x - tx), dy = (float)(CRT[v].y - ty);
                int d = (int)std::sqrt(10 * (dx * dx + dy * dy));
                if (d >= 50) continue;
                effect_ani(8, cell_of(v), lift_of(v), CRT[v].flying, 0, 0, 0, 0);
                skill_hit(c, v, (float)skv(m, en, d), 0, 0, 0, true);
            }
        return n >= 65;
    case 9:
        if (n == 2 && tlive) effect_ani(9, tcell, lift_of(t), CRT[t].flying, 0, 0, 0, 0);
        if (n == 60 && tlive) {
            skill_hit(c, t, 0, 0, 0, (float)rand_val(skv(m, en, 0), skv(m, en, 1)), false);
            if (crt_live(t) && jchnc(skv(m, en, 2))) cause_stts(t, 14, 4, 0);
        }
        return n >= 100;
    case 11:
        if (n == 2) new_flash(48, 40, 40, 64);
        if (n == 30)
            for (int v = 0; v < CRT_COUNT; v++)
                if (crt_live(v) && CRT[v].side == 2 && jchnc(skv(m, en, CRT[v].initiative))) cause_stts(v, 2, 3, 0);
        if (n >= 50) clear_flash();
        return n >= 50;
    case 14:
        if (n == 2 && tlive) effect_ani(10, tcell, lift_of(t), CRT[t].flying, 0, 0, 0, 0);
        if (n == 66 && tlive) {
            CRT[t].effect[4] = 6;
            CRT[t].effect[5] = skv(m, en, CRT[t].initiative);
        }
        return n >= 66;
    case 16:
        if (n == 2 && tlive) {
            crt_rec &v = CRT[t];
            // A second change keeps the form saved by the first.
            if (v.effect[10] == 0) {
                v.effect[8] = v.pic_base;
                v.effect[9] = v.attack_kind;
            }
            v.effect[6] = skv(m, en, 0);
            v.effect[7] = skv(m, en, 1);
            v.effect[10] = 1;
        }
        if (tlive) fade_in(t, n);
        return n >= 30;
    default:
        return true;
    }
}

void end_skill_turn()
{
    j[sk_frame] = 0;
    j[bat_sk_on] = 0;
    j[shown_member] = -1;
    end_crt_turn();
    update_scr();
}

}  // namespace

void use_bat_sk()
{
    int m = j[shown_member];
    int en = member_ok(m) ? p1cr[m].sel_skill : -1;
    int c = member_crt(m);
    if (!entry_ok(m, en) || c < 0 || p1cr[m].skills[en].passive) {
        j[bat_sk_on] = 0;
        j[sk_frame] = 0;
        return;
    }
    skill_rec &r = p1cr[m].skills[en];
    if (j[sk_frame] == 0) {
        if (r.target_kind == TK_NONE) {
            j[sk_frame] = 1;
            j[sk_target] = -1;
        } else {
            int target = find_target(m, en, c);
            if (!j[lmb_up]) return;
            j[lmb_up] = 0;
            if (target == -1) {
                j[bat_sk_on] = 0;
                return;
            }
            j[sk_frame] = 1;
            j[sk_target] = target;
        }
    }
    if (j[sk_frame] == 1) {
        int tx = 0, ty = 0;
        target_xy(r.target_kind, j[sk_target], c, &tx, &ty);
        crt_fdir(c, tx, ty);
        if (r.max_casts != -1) r.casts++;
        CRT[c].mana -= find_mana_cost(r.skill_id, r.sk_level);
        summoned = -1;
    }
    j[sk_frame]++;
    if (play_frame(m, en, c, j[sk_target], j[sk_frame])) end_skill_turn();
}

}  // namespace hm
