// attack.cpp -- chance tests, luck, the resolution of one blow, conditions and auras
#include <climits>

#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int COND_ROUNDS = 3;        // rounds a condition from a blow or an aura lasts
constexpr int HARMFUL_CHANCE = 21;    // EN 21..30: chance to inflict conditions 0, 2, .., 16, 20
constexpr int POISON_ADDED = 46;
constexpr int CRIT_CHANCE = 44;
constexpr int AURA_HEAL = 32, AURA_CURE = 33, AURA_GRANT = 34;


bool live(int c) { return c >= 0 && c < CRT_COUNT && CRT[c].in_use; }

// Hit points are held within 0..max_hp.
void hold_hp(crt_rec &k)
{
    if (k.hp > k.max_hp) k.hp = k.max_hp;
    if (k.hp < 0) k.hp = 0;
}

// Elementary damages and resistances by element 1..4.
int32_t crt_rec::*const RES[4] = {&crt_rec::res_e1, &crt_rec::res_e2, &crt_rec::res_e3, &crt_rec::res_e4};
const int DRDAM_PART[5] = {DRDAM_PHYS, DRDAM_E1, DRDAM_E2, DRDAM_E3, DRDAM_E4};

// The harmful condition a blow may inflict, and the beneficial one an aura may grant, by i = 0..9.
int harmful(int i) { return i == 9 ? 20 : 2 * i; }
int beneficial(int i) { return i == 9 ? 21 : 2 * i + 1; }

}  // namespace

int jchnc(int p)
{
    // The remainder of the top seven bits favours 0..27: kept, the chances count on it.
    return ((random() >> 8) % 100) < p ? 1 : 0;
}

void calc_luck(int c)
{
    for (int i = 0; i < CRT_COUNT; i++) {
        if ((c != -1 && i != c) || !CRT[i].in_use) continue;
        crt_rec &k = CRT[i];
        long long h = (long long)k.hp_per_level * k.level + k.hp_base + crt_en(i, 19);
        h += crt_en(i, 20) * h / 100;
        // No hit points to speak of: no luck from wounds either.
        int w = h > 0 ? tr((float)k.hp / (float)h * (float)k.level) : 0;
        int m = sat((long long)k.luck_per_level * w + k.luck_base + crt_en(i, 16));
        k.luck = m == 0 ? 0 : random() % m;
    }
}

void clr_luck()
{
    for (int c = 0; c < CRT_COUNT; c++) CRT[c].luck = 0;
}

int crt_power(int c)
{
    if (c < 0 || c >= CRT_COUNT) return 0;
    const crt_rec &k = CRT[c];
    return sat((long long)k.hp_per_level * k.eff_level * k.attack_kind);
}

void do_attack(int a, int t, float phys, float e1, float e2, float e3, float e4, int sure)
{
    if (!live(a) || !live(t)) {
        j[quiet_hit] = 0;
        return;
    }
    crt_rec &A = CRT[a], &T = CRT[t];
    if (!sure) {
        if (!jchnc(tr(e_value((float)A.hit, 95, 70)))) {
            T.miss_timer = 1;
            j[quiet_hit] = 0;
            return;
        }
        if (jchnc(tr(e_value((float)T.dodge, 90, 140)))) {
            T.miss_timer = 51;
            j[quiet_hit] = 0;
            return;
        }
    }

    float d[5] = {phys, e1, e2, e3, e4};
    for (int k = 1; k <= 4; k++) d[k] = d[k] * (float)(100 - T.*RES[k - 1]) / 100;
    float total = d[0] + d[1] + d[2] + d[3] + d[4];
    float m = (100 - e_value((float)T.armour, 90, 140)) / 100;
    total *= m;
    for (float &p : d) p *= m;

    if (A.attack_kind == 2 && !sure) {
        float P = (float)A.range_penalty;
        if (crt_member(a) >= 0) P = P * (1 - e_value((float)crt_attr(a, 2), 0.8f, 16));
        float keep = (100 - P) / 100;
        total *= keep;
        for (float &p : d) p *= keep;
    }

    if (T.effect[3]) {
        new_ani2(31, T.cell, 32 * T.flying, T.flying, 0, 0, 0, 0, 0);
        T.effect[3] = tr((float)T.effect[3] - total);
        if (T.effect[3] < 0) {
            float e = -(float)T.effect[3];
            float scale = total != 0 ? e / total : 0;
            for (float &p : d) p *= scale;
            T.effect[3] = 0;
            total = e;
        } else {
            total = 0;
            for (float &p : d) p = 0;
        }
    }

    if (!j[quiet_hit]) do_atk_spray(t, d[0], d[1], d[2], d[3], d[4]);

    if (!sure)
        for (int i = 0; i < 10; i++)
            if (jchnc(crt_en(a, HARMFUL_CHANCE + i))) cause_stts(t, harmful(i), COND_ROUNDS, crt_en(a, POISON_ADDED));

    // Backlash: a blow struck under an element's backlash hurts the striker too.
    bool lash = false;
    float back = 0;
    for (int k = 1; k <= 4; k++)
        if (A.status[6 + 2 * k]) {
            lash = true;
            back += (float)(100 - A.*RES[k - 1]) / 100 * total;
            crt_effect(a, 250 + 10 * k, 16);
        }
    if (lash) {
        A.hp = sat((long long)A.hp - tr(back));
        new_drdam(a, tr(back), DRDAM_PHYS);
        hold_hp(A);
    }

    if (!sure && jchnc(crt_en(a, CRIT_CHANCE))) {
        total *= 2;
        crt_effect(t, 310, 16);
    }

    T.hp = sat((long long)T.hp - tr(total));
    for (int k = 0; k < 5; k++)
        if (tr(d[k]) != 0) new_drdam(t, tr(d[k]), DRDAM_PART[k]);
    hold_hp(T);

    if (!j[quiet_hit]) update_scr();
    j[quiet_hit] = 0;
}

void do_atk_spray(int t, float p0, float p1, float p2, float p3, float p4)
{
    if (!live(t)) return;
    float s = p0 + p1 + p2 + p3 + p4;
    // Nothing got through, or a creature without hit points: no spray.
    if (s == 0 || CRT[t].max_hp <= 0) return;
    int n_all = tr(s * 40 / (float)CRT[t].max_hp);
    if (n_all > 35) n_all = 35;
    const float part[5] = {p0, p1, p2, p3, p4};
    for (int k = 0; k < 5; k++) {
        int n = tr((float)n_all * part[k] / s);
        for (int i = 0; i < n; i++) {
            float vx = (float)(random() % 24 - 12) / 10, vy = (float)(random() % 20 + 10) / -10;
            int kind = 11 + 4 * k + random() % 4;
            new_ani2(kind, CRT[t].cell, 32 * CRT[t].flying, CRT[t].flying, 0, 0, vx, vy, 0);
        }
    }
}

void crt_effect(int c, int pic, int lift)
{
    if (c < 0 || c >= CRT_COUNT) return;
    const crt_rec &k = CRT[c];
    new_ani(k.cell, pic, 35, 2, 32 * k.flying + lift, 9, k.flying);
}

void cause_stts(int c, int index, int rounds, int poison)
{
    if (c < 0 || c >= CRT_COUNT) return;
    crt_rec &k = CRT[c];
    // Only conditions 0..21 exist: entry 22 is the poison strength, 23 and 24 are spare.
    if (index >= 0 && index < CONDITIONS) {
        // A condition running already starts again at the new number of rounds.
        k.status[index] = rounds;
        bool backlash = index == 8 || index == 10 || index == 12 || index == 14;
        crt_effect(c, index * 10, backlash ? 2 : 16);
    }
    k.status[22] = sat((long long)k.status[22] + poison);
}

void adj_stuff(int c)
{
    if (!live(c)) return;
    static const int AROUND[8] = {-101, -100, -99, -1, 1, 99, 100, 101};
    bool acted = false;
    const int side = CRT[c].side;
    for (int d : AROUND) {
        // Skipped by index: at a row's end the aura reaches the far side of the map, harmlessly.
        int cell = CRT[c].cell + d;
        if (cell < 0 || cell >= MAP_CELLS) continue;
        int n = us[cell];
        if (!live(n) || CRT[n].side != side) continue;
        crt_rec &k = CRT[n];
        int heal = crt_en(c, AURA_HEAL);
        if (heal) {
            k.hp = sat(k.hp + (long long)k.hp * heal / 100);
            if (k.hp > k.max_hp) k.hp = k.max_hp;
            acted = true;
            crt_effect(n, 250, 16);
        }
        if (jchnc(crt_en(c, AURA_CURE))) {
            for (int s = 0; s <= 16; s += 2) k.status[s] = 0;
            k.status[20] = 0;
            acted = true;
            crt_effect(n, 300, 16);
        }
        for (int i = 0; i < 10; i++)
            if (jchnc(crt_en(c, AURA_GRANT + i))) {
                cause_stts(n, beneficial(i), COND_ROUNDS, 0);
                acted = true;
            }
    }
    if (acted) update_scr();
}

}  // namespace hm
