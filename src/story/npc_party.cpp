// npc_party.cpp -- NPCs who take a side in a battle, their battle characters, and joining the party
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int JOIN_REACH = 20;    // path cost from the battle's centre within which NPCs take part
constexpr int SAY_COLOUR = 77;

bool npc_ok(int n) { return n >= 0 && n < NPC_COUNT; }

// The cell the battle is measured from: its spawner's, or where the leader stood
// when it began (a battle begun by a conversation has no spawner).
void battle_centre(int &x, int &y)
{
    int s = j[battle_spawner];
    if (s >= 0 && s < SPAWNER_COUNT && cell_ok(crt_spawner[s].x, crt_spawner[s].y)) {
        x = crt_spawner[s].x;
        y = crt_spawner[s].y;
    } else {
        x = j[battle_x];
        y = j[battle_y];
    }
}

// Makes the items of NPC n's slots for character m and lets m wear the first
// that fits each slot it may wear.  `kept` is called with each item that is not
// worn, and `worn` with the slot of each item that is.
template <typename Kept, typename Worn>
void hand_over_items(int n, int m, int stack, int origin, Kept kept, Worn worn)
{
    for (int s = 0; s < NPC_ITEM_SLOTS; s++) {
        if (npc[n].item_type[s] == -1) continue;
        int it = new_item(npc[n].item_type[s], stack, origin, npc[n].item_seed[s]);
        if (it < 0) continue;
        int slot = ITEM[it].eqp_slot;
        // A slot number outside the worn slots is never worn.
        bool fits = ITEM[it].item_class == ITEM_EQUIPMENT && slot >= 0 && slot < EQP_SLOTS &&
                    check_attributes(m, it) && p1cr[m].slot_ok[slot] && p1cr[m].eqp[slot] == -1;
        if (fits) {
            equip_item(m, slot, it);
            worn(s);
        } else {
            kept(it);
        }
    }
}

}  // namespace

void npc_join_in_battle()
{
    int cx = 0, cy = 0;
    battle_centre(cx, cy);
    std::memcpy(grs, grsc, MAP_CELLS);
    set_pbuf(cx, cy);
    int lc = leader_crt();
    for (int c = 0; c < CRT_COUNT; c++) {
        crt_rec &k = CRT[c];
        int n = k.npc_index;
        if (!k.in_use || k.side != 4 || !k.shown || !npc_ok(n) || npc_crt(n) != c || !cell_ok(k.x, k.y)) continue;
        int cell = k.x + MAP_W * k.y;
        int d = pbuf[cell];
        if (d <= 0 || d >= JOIN_REACH || grs[cell] == BLOCKED) continue;
        load_npc_spch(n);
        int type = 5;
        if (npc[n].attitude < -49) {
            type = 3;
            k.side = 2;
        } else if (npc[n].attitude > 29) {
            type = 4;
            k.side = 3;
        }
        const spch_entry &e = npc_spch.entry[npc_spch_type(type)];
        new_message(1, npc[n].face_pic, e.reply_num, e.reply_group, SAY_COLOUR, 0, 0, 0, 0, npc[n].name);
        if (lc >= 0) crt_fdir(c, CRT[lc].x, CRT[lc].y);
    }
}

void create_tmp_npc_p1crs()
{
    for (int c = 0; c < CRT_COUNT; c++) {
        const crt_rec &k = CRT[c];
        int n = k.npc_index;
        if (!k.in_use || k.side == 4 || !npc_ok(n) || npc[n].p1cr_slot != -1) continue;
        int s = -1;
        for (int m = PARTY_SIZE; m < P1CR_COUNT && s < 0; m++)
            if (!p1cr[m].in_use) s = m;
        if (s < 0) continue;
        // The character file is read into the party's range and moved out of it.
        int u = load_p1cr(n);
        if (u < 0) continue;
        if (u != s) {
            p1cr[s] = p1cr[u];
            p1cr[u].in_use = 0;
        }
        npc[n].p1cr_slot = s;
        npc[n].p1cr_kind = 2;
        int nc = npc_crt(n);
        if (nc >= 0) {
            CRT[nc].party_index = s;
            p1cr[s].crt = nc;
        }
        hand_over_items(n, s, -1, ORIGIN_TEMP, [](int it) { ITEM[it].in_use = 0; }, [](int) {});
    }
}

void delete_tmp_npc_p1cr(int n)
{
    if (!npc_ok(n) || npc[n].p1cr_kind != 2) return;
    int s = npc[n].p1cr_slot;
    if (s < 0 || s >= P1CR_COUNT) return;
    p1cr[s].in_use = 0;
    npc[n].p1cr_slot = -1;
    npc[n].p1cr_kind = 0;
}

int npc_to_p1cr(int n)
{
    if (!npc_ok(n) || !npc[n].in_use) return -1;
    // A full party leaves the NPC where it is.
    int u = load_p1cr(n);
    if (u < 0) return -1;
    npc_rec &p = npc[n];
    p1cr_rec &m = p1cr[u];
    m.crt_type = p.crt_type;
    m.level = p.level;
    m.hp = p.hp;
    m.mana = p.mana;
    m.face_pic = p.face_pic;
    m.exp = p.exp;
    if (p.lev == j[level_no]) {
        int c = npc_crt(n);
        if (c >= 0) {
            // Its creature had only its type's hit points and mana; a member has its
            // attributes' on top.  One that stood unhurt joins whole ("full", -1,
            // which its first creature turns into the member's maximum).
            if (CRT[c].hp >= CRT[c].max_hp) m.hp = -1;
            if (CRT[c].mana >= CRT[c].max_mana) m.mana = -1;
            CRT[c].in_use = 0;
            CRT[c].npc_index = -1;
        }
    }
    p.crt = -1;
    p.lev = -1;
    p.p1cr_slot = u;
    p.p1cr_kind = 2;
    hand_over_items(n, u, STK_INVENTORY, ORIGIN_PLAIN, [](int it) { delete_item(it); },
                    [&p](int s) { p.item_type[s] = -1; });
    update_scr();
    return u;
}

}  // namespace hm
