// equipment.cpp -- wearing and taking off, wearing needs, equipment totals, natural weapons, item use
#include <climits>
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int NEEDS = 5;   // requirements on attributes A0..A4

bool item_ok(int item) { return item >= 0 && item < ITEM_COUNT; }
bool live(int item) { return item_ok(item) && ITEM[item].in_use == ITEM_LIVE; }
bool slot_ok(int slot) { return slot >= 0 && slot < EQP_SLOTS; }
bool condition_ok(int c) { return c >= 0 && c < CONDITIONS; }

// Outside battle only the leader's creature mirrors what its character wears.
bool mirrored(int member) { return member == j[leader] || j[battle_on] == 1; }

int saturate(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v; }

// A fresh total: attributes 0..79 of the live items in list[0..14] summed.
// -1 when the item table has no free record.
int make_total(const int32_t *list, uint8_t kind, int origin)
{
    int k = new_item_num();
    if (k < 0) return -1;
    int sum[TOTAL_ATVS] = {};
    for (int s = 0; s < EQP_SLOTS; s++) {
        if (!live(list[s])) continue;
        for (int a = 0; a < TOTAL_ATVS; a++) sum[a] += ITEM[list[s]].atv[a];
    }
    // Only these fields are set; the record's others stay as they were.
    item_rec &t = ITEM[k];
    t.in_use = kind;
    t.origin = origin;
    t.equipped_by = -1;
    t.eqp_slot = -1;
    std::memset(t.atv, 0, sizeof t.atv);
    // The sums are 16-bit: past 32767 they wrap round.
    for (int a = 0; a < TOTAL_ATVS; a++) t.atv[a] = (int16_t)(uint16_t)sum[a];
    return k;
}

// Fills `stack` with the live inventory items that pass `fits`, in inventory order.
template <typename Fits>
void fill_from_inventory(int stack, Fits fits)
{
    clear_istk(stack);
    int n = 0;
    for (int32_t e : ISTK[STK_INVENTORY].item)
        if (live(e) && fits(ITEM[e])) ISTK[stack].item[n++] = e;
}

}  // namespace

void equip_item(int member, int slot, int item)
{
    if (member < 0 || member >= P1CR_COUNT || !slot_ok(slot) || !live(item)) return;
    // A slot number from a type file indexes the creature's 15 equipment entries.
    if (!slot_ok(ITEM[item].eqp_slot)) return;
    remove_equipped_item(item);
    p1cr_rec &p = p1cr[member];
    int old = p.eqp[slot];
    if (item_ok(old)) ITEM[old].equipped_by = -1;
    p.eqp[slot] = item;
    int c = mirrored(member) ? member_crt(member) : -1;
    if (c >= 0) CRT[c].equipment[slot] = item;
    ITEM[item].equipped_by = member;
}

void remove_equipped_item(int item)
{
    if (!item_ok(item)) return;
    ITEM[item].equipped_by = -1;
    for (int m = 0; m < PARTY_SIZE; m++) {
        p1cr_rec &p = p1cr[m];
        if (!p.in_use) continue;
        for (int32_t &b : p.belt)
            if (b == item) b = -1;
        int c = mirrored(m) ? member_crt(m) : -1;
        for (int s = 0; s < EQP_SLOTS; s++) {
            if (p.eqp[s] != item) continue;
            p.eqp[s] = -1;
            if (c >= 0) CRT[c].equipment[s] = -1;
        }
    }
    for (int c = 0; c < CRT_COUNT; c++)
        for (int32_t &e : CRT[c].equipment)
            if (e == item) e = -1;
}

int check_attributes(int member, int item)
{
    if (member < 0 || member >= P1CR_COUNT || !item_ok(item)) return 0;
    for (int k = 0; k < NEEDS; k++)
        if (p1cr[member].attr[2 * k + 1] < ITEM[item].atv[ATV_NEED + k]) return 0;
    return 1;
}

void remove_failed_attribute_items()
{
    for (int m = 0; m < PARTY_SIZE; m++) {
        if (!p1cr[m].in_use) continue;
        for (int s = 0; s < EQP_SLOTS; s++) {
            int item = p1cr[m].eqp[s];
            if (!item_ok(item) || check_attributes(m, item)) continue;
            char name[ITEM_NAME_LEN + 1] = {};
            std::memcpy(name, ITEM[item].name, ITEM_NAME_LEN);
            new_message(1, p1cr[m].face_pic, 14, 13, 15, 0, 0, 0, 0, name);
            remove_equipped_item(item);
        }
    }
}

void make_eqp_istk(int slot)
{
    if (slot == 11) slot = 10;
    fill_from_inventory(STK_FIT_SLOT,
                        [slot](const item_rec &it) { return it.item_class == ITEM_EQUIPMENT && it.eqp_slot == slot; });
}

void make_cata_istk(int cls, int stack)
{
    // The inventory itself is the source: it is never refilled from itself.
    if (stack <= STK_INVENTORY || stack >= ISTK_COUNT) return;
    fill_from_inventory(stack, [cls](const item_rec &it) { return it.item_class == cls; });
}

void make_EN(int creature)
{
    if (creature < 0 || creature >= CRT_COUNT) return;
    CRT[creature].en_item = make_total(CRT[creature].equipment, ITEM_EN_TOTAL, ORIGIN_EN);
}

void delete_EN()
{
    for (int k = 0; k < ITEM_COUNT; k++)
        if (ITEM[k].in_use == ITEM_EN_TOTAL) ITEM[k].in_use = ITEM_FREE;
    // No creature names a freed total, which a new total could take over.
    for (int c = 0; c < CRT_COUNT; c++) CRT[c].en_item = -1;
}

void make_PEN(int member)
{
    if (member < 0 || member >= P1CR_COUNT) return;
    p1cr[member].pen_item = make_total(p1cr[member].eqp, ITEM_PEN_TOTAL, ORIGIN_PEN);
}

void delete_PEN()
{
    for (int k = 0; k < ITEM_COUNT; k++)
        if (ITEM[k].in_use == ITEM_PEN_TOTAL) ITEM[k].in_use = ITEM_FREE;
    for (int m = 0; m < P1CR_COUNT; m++) p1cr[m].pen_item = -1;
}

void make_special_attack_item(int creature)
{
    if (creature < 0 || creature >= CRT_COUNT || !CRT[creature].in_use || CRT[creature].natural_item == 0) return;
    int k = new_item(CRT[creature].natural_item, -1, ORIGIN_TEMP, -1);
    if (k >= 0) CRT[creature].equipment[0] = k;
}

void delete_special_attack_items()
{
    for (int k = 0; k < ITEM_COUNT; k++) {
        if (ITEM[k].in_use == ITEM_FREE || ITEM[k].origin != ORIGIN_TEMP) continue;
        for (int c = 0; c < CRT_COUNT; c++)
            for (int32_t &e : CRT[c].equipment)
                if (e == k) e = -1;
        ITEM[k].in_use = ITEM_FREE;
    }
}

int use_item(int item, int target)
{
    if (!live(item)) return 0;
    int c = -1, member = -1, tmp = 0;
    if (j[battle_on]) {
        if (target >= 0 && target < CRT_COUNT && CRT[target].in_use) c = target;
    } else if (target >= 0 && target < PARTY_SIZE && p1cr[target].in_use) {
        member = target;
        c = member_stand_in(target, &tmp);
    }
    // With nobody to use it on, the item is kept rather than spent for nothing.
    if (c < 0) return 0;

    for (int s = 0; s < ISTK_COUNT; s++)
        for (int32_t &e : ISTK[s].item)
            if (e == item) e = -1;
    remove_equipped_item(item);

    const item_rec &it = ITEM[item];
    crt_rec &k = CRT[c];
    long long h = it.atv[ATV_HEAL] + (long long)it.atv[ATV_HEAL_PCT] * k.max_hp / 100;
    if (h != 0) {
        k.hp = saturate(k.hp + h);
        new_drdam(c, saturate(h), DRDAM_REGEN);
    }
    if (k.hp > k.max_hp) k.hp = k.max_hp;
    long long m = it.atv[ATV_MANA] + (long long)it.atv[ATV_MANA_PCT] * k.max_mana / 100;
    if (m != 0) {
        k.mana = saturate(k.mana + m);
        new_drdam(c, saturate(m), DRDAM_E4);
    }
    if (k.mana > k.max_mana) k.mana = k.max_mana;
    // Condition numbers from a type file index the creature's 25 status entries.
    if (condition_ok(it.atv[ATV_CURE])) k.status[it.atv[ATV_CURE]] = 0;
    if (condition_ok(it.atv[ATV_CAUSE])) cause_stts(c, it.atv[ATV_CAUSE], it.atv[ATV_CAUSE_ROUNDS], 0);
    ITEM[item].in_use = ITEM_FREE;

    if (tmp) {
        p1cr[member].hp = k.hp;
        p1cr[member].mana = k.mana;
        free_tmp_crt(c);
    }
    update_scr();
    return 1;
}

}  // namespace hm
