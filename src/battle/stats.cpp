// stats.cpp -- a creature's fighting values derived from its type, level, wounds, gear, attributes and conditions
#include <climits>
#include <cmath>

#include "battle/battle.h"
#include "core/core.h"
#include "party/party.h"
#include "story/story.h"

namespace hm {

namespace {

constexpr uint8_t EN_RECORD = 255;    // ITEM in_use of a creature's equipment total
constexpr uint8_t PEN_RECORD = 254;   // ITEM in_use of a member's equipment total

int lin(int per_level, int level, int base, int bonus) { return sat((long long)per_level * level + base + bonus); }
void add_pct(int32_t &v, int pct) { v = sat(v + (long long)pct * v / 100); }

// Attribute value k of a total record, 0 when the record is not one.
int total_atv(int item, uint8_t kind, int k)
{
    if (item < 0 || item >= ITEM_COUNT || ITEM[item].in_use != kind) return 0;
    return ITEM[item].atv[k];
}

int en(const crt_rec &c, int k) { return total_atv(c.en_item, EN_RECORD, k); }


// Characters and their creatures share hit points, mana and gear while a battle is on.
void sync_characters()
{
    for (int m = 0; m < P1CR_COUNT; m++) {
        int c = member_crt(m);
        if (!p1cr[m].in_use || c < 0) continue;
        p1cr[m].hp = CRT[c].hp;
        p1cr[m].mana = CRT[c].mana;
        for (int s = 0; s < EQP_SLOTS; s++) CRT[c].equipment[s] = p1cr[m].eqp[s];
    }
}

void character_totals()
{
    delete_PEN();
    long long cap = 1000;
    for (int m = 0; m < P1CR_COUNT; m++) {
        p1cr_rec &p = p1cr[m];
        if (!p.in_use) continue;
        if (m < PARTY_SIZE) cap += 50LL * p.attr[1];
        make_PEN(m);
        for (int a = 0; a < ATTR_COUNT; a++) p.attr[2 * a + 1] = p.attr[2 * a] + total_atv(p.pen_item, PEN_RECORD, ATV_ATTR_BONUS + a);
    }
    j[carry_cap] = cap > INT_MAX ? INT_MAX : (int)cap;
}

void derive(int ci)
{
    crt_rec &c = CRT[ci];
    make_EN(ci);
    if (c.npc_index >= 0 && c.npc_index < NPC_COUNT && npc[c.npc_index].crt == ci) npc[c.npc_index].hp = c.hp;
    c.stat_level = c.level;
    c.max_hp = lin(c.hp_per_level, c.stat_level, c.hp_base, en(c, 19));
    add_pct(c.max_hp, en(c, 20));
    c.max_mana = lin(c.mana_per_level, c.stat_level, c.mana_base, en(c, 48));
    add_pct(c.max_mana, en(c, 49));
    c.wound_floor = sat((long long)c.wound_floor_base + en(c, 45));
    bool party = crt_member(ci) >= 0;
    if (party) {
        c.max_hp = sat(c.max_hp + 10LL * crt_attr(ci, 3));
        c.wound_floor = sat((long long)c.wound_floor + crt_attr(ci, 3));
        c.max_mana = sat(c.max_mana + 10LL * crt_attr(ci, 4));
    }

    // Wounds lower the level a creature fights at, down to its wound floor.  A
    // creature without hit points to lose has no wounds to count.
    if (c.max_hp > 0) {
        float share = (float)c.hp / (float)c.max_hp;
        c.eff_level_calc = tr(share * (float)c.stat_level);
        if (share * 100 < (float)c.wound_floor) c.eff_level_calc = tr((float)c.wound_floor / 100 * (float)c.stat_level);
    } else {
        c.eff_level_calc = c.stat_level;
    }
    c.eff_level = c.eff_level_calc;
    int L = c.eff_level;
    float K = e_value((float)c.luck, 90, 140);
    float W = c.stat_level > 0 ? ((float)L / (float)c.stat_level) * 0.75f + 0.25f : 1.0f;

    int32_t crt_rec::*dmg[4] = {&crt_rec::dmg_e1, &crt_rec::dmg_e2, &crt_rec::dmg_e3, &crt_rec::dmg_e4};
    int32_t crt_rec::*dmg_b[4] = {&crt_rec::dmg_e1_base, &crt_rec::dmg_e2_base, &crt_rec::dmg_e3_base, &crt_rec::dmg_e4_base};
    int32_t crt_rec::*dmg_l[4] = {&crt_rec::dmg_e1_per_level, &crt_rec::dmg_e2_per_level, &crt_rec::dmg_e3_per_level,
                                  &crt_rec::dmg_e4_per_level};
    int32_t crt_rec::*res[4] = {&crt_rec::res_e1, &crt_rec::res_e2, &crt_rec::res_e3, &crt_rec::res_e4};
    int32_t crt_rec::*res_b[4] = {&crt_rec::res_e1_base, &crt_rec::res_e2_base, &crt_rec::res_e3_base, &crt_rec::res_e4_base};
    int32_t crt_rec::*res_l[4] = {&crt_rec::res_e1_per_level, &crt_rec::res_e2_per_level, &crt_rec::res_e3_per_level,
                                  &crt_rec::res_e4_per_level};
    for (int e = 0; e < 4; e++) c.*dmg[e] = lin(c.*dmg_l[e], L, c.*dmg_b[e], en(c, 2 * e + 3));
    for (int e = 0; e < 4; e++) add_pct(c.*dmg[e], en(c, 2 * e + 4));
    for (int e = 0; e < 4; e++) c.*res[e] = lin(c.*res_l[e], L, c.*res_b[e], en(c, 12 + e));
    c.dmg_phys = lin(c.dmg_phys_per_level, L, c.dmg_phys_base, en(c, 1));
    add_pct(c.dmg_phys, en(c, 2));
    c.armour = lin(c.armour_per_level, L, en(c, 11), c.armour_base);
    c.hit = lin(c.hit_per_level, L, en(c, 31), c.hit_base);
    c.dodge = lin(c.dodge_per_level, L, en(c, 17), c.dodge_base);
    c.initiative = lin(c.init_per_level, L, c.init_base, 0);
    c.speed = lin(c.speed_per_level, L, c.speed_base, en(c, 18));

    if (party) {
        float F = (float)crt_attr(ci, 0) * W;
        c.dmg_phys = tr((2 * F + 100) * (float)c.dmg_phys) / 100;
        c.dmg_phys = tr((float)c.dmg_phys + F);
        float G = (float)crt_attr(ci, 1) * W;
        c.speed = tr(G / 3 + (float)c.speed);
        c.dodge = tr(2 * G + (float)c.dodge);
        c.hit = tr((float)crt_attr(ci, 2) * W * 3 + (float)c.hit);
        float R = (float)(crt_attr(ci, 4) / 2) * W;
        for (int e = 0; e < 4; e++) c.*res[e] = tr((float)(c.*res[e]) + R);
    }

    auto lucky = [K](int32_t &v) { v = tr(K / 100 * (float)v + (float)v); };
    for (int e = 0; e < 4; e++) lucky(c.*dmg[e]);
    for (int e = 0; e < 4; e++) lucky(c.*res[e]);
    lucky(c.dmg_phys);
    lucky(c.armour);
    lucky(c.hit);
    lucky(c.dodge);
    lucky(c.speed);

    const int32_t *s = c.status;
    if (s[0]) c.speed /= 2;
    if (s[1]) c.speed = sat(c.speed + (long long)c.speed / 2);
    if (s[2]) c.hit /= 2;
    if (s[3]) c.hit = 100;
    if (s[4]) c.dodge = 0;
    if (s[5]) c.dodge = sat(2LL * c.dodge);
    if (s[6]) c.armour = 0;
    if (s[7]) c.armour = sat(c.armour + 20LL);
    for (int e = 0; e < 4; e++)
        if (s[9 + 2 * e]) {
            c.*res[e] = sat(c.*res[e] + 30LL);
            float all = (float)c.dmg_phys + (float)c.dmg_e1 + (float)c.dmg_e2 + (float)c.dmg_e3 + (float)c.dmg_e4;
            c.*dmg[e] = tr(all * 0.15f + (float)(c.*dmg[e]));
        }
    if (s[18]) {
        c.armour /= 2;
        c.dodge /= 2;
        c.hit /= 2;
        c.dmg_phys = sat(3LL * c.dmg_phys);
    }
    if (s[19]) {
        c.armour = sat(c.armour + 20LL);
        c.dodge = sat(2LL * c.dodge);
        c.hit = 100;
        c.dmg_phys /= 2;
    }
    if (c.effect[0]) c.speed = 0;
    if (c.effect[4])
        for (int e = 0; e < 4; e++) add_pct(c.*dmg[e], c.effect[5]);
    if (c.effect[6]) {
        c.pic_base = c.flying ? 340 : 320;
        c.attack_kind = 1;
        add_pct(c.dmg_phys, -c.effect[7]);
    }
}

}  // namespace

int crt_en(int c, int k)
{
    if (c < 0 || c >= CRT_COUNT || k < 0 || k >= ATV_COUNT) return 0;
    return en(CRT[c], k);
}

int crt_member(int c)
{
    if (c < 0 || c >= CRT_COUNT || !CRT[c].in_use) return -1;
    int m = CRT[c].party_index;
    return m >= 0 && m < P1CR_COUNT && member_crt(m) == c ? m : -1;
}

int crt_attr(int c, int k)
{
    int m = crt_member(c);
    return m < 0 || k < 0 || k >= ATTR_COUNT ? 0 : p1cr[m].attr[2 * k + 1];
}

float e_value(float x, float a, float b)
{
    if (a <= 0 || b == 0) return 0;
    // The base is kept as a float; the rest runs in double so that x = 0 gives 0
    // and not a hair below it, which would cost a rating its last point.
    double base = (float)std::pow(4.0, 1.0 / b);
    return (float)(a - std::pow(base, std::log((double)a) / std::log(base) - x));
}

void update_stats()
{
    remove_failed_attribute_items();
    if (j[battle_on]) sync_characters();
    character_totals();
    delete_EN();
    for (int c = 0; c < CRT_COUNT; c++)
        if (CRT[c].in_use) derive(c);
}

}  // namespace hm
