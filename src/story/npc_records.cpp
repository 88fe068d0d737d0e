// npc_records.cpp -- the NPC files, the level's NPCs, fading NPCs and the goods they sell
#include <algorithm>
#include <climits>
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "items/items.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int NPC_INTS = 30;   // numbers after the name: level .. y
constexpr int LAST_NPC_FILE = NPC_COUNT - 1;

bool npc_ok(int n) { return n >= 0 && n < NPC_COUNT; }

}  // namespace

int load_npc(int n)
{
    if (!npc_ok(n)) return -1;
    loadn2("npc~", n, EXT_TXT);
    txt_reader in;
    if (!in.open(xnam)) return -1;
    // Read whole before anything is kept: a short file leaves the record as it was.
    npc_rec r = npc[n];
    if (in.read_name(r.name, NPC_NAME_LEN) < NPC_NAME_LEN) return -1;
    int v[NPC_INTS];
    for (int &x : v)
        if (!in.read_int(&x)) return -1;
    r.level = v[0];
    r.hp = v[1];
    r.crt_type = v[2];
    // Any level a file may hold: past a million the experience is at its top anyway.
    long long lv = std::clamp<long long>(r.level, -1000000, 1000000);
    long long exp = (lv * lv + lv) * 5 + 50;
    r.exp = exp > INT_MAX ? INT_MAX : exp < INT_MIN ? INT_MIN : (int)exp;
    r.reserved = v[4];
    for (int s = 0; s < NPC_ITEM_SLOTS; s++) {
        int t = v[5 + s];
        r.item_type[s] = (int16_t)(t < -1 || t > INT16_MAX ? -1 : t);
    }
    r.attitude = v[25];
    r.face_pic = v[26];
    r.lev = v[27];
    r.x = v[28];
    r.y = v[29];
    r.in_use = 1;
    r.dead = 0;
    r.fade = 0;
    r.mana = -1;
    r.p1cr_slot = -1;
    r.p1cr_kind = 0xFF;
    std::memset(r.answer_state, 0, sizeof r.answer_state);
    npc[n] = r;
    return 0;
}

void load_all_npcs()
{
    for (int n = 2; n <= NPC_LAST_STORY; n++) load_npc(n);
    load_npc(NPC_FIRST_STORY);
    // The village's other people: every further file there is.
    for (int n = NPC_LAST_STORY + 1; n <= LAST_NPC_FILE; n++) load_npc(n);
}

void init_lev_npcs(int lev)
{
    for (int n = 0; n < NPC_COUNT; n++) {
        const npc_rec &p = npc[n];
        // A cell from a file that lies off the map places nobody.
        if (!p.in_use || p.dead || p.lev != lev || !cell_ok(p.x, p.y)) continue;
        new_creature(p.crt_type, p.level, 4, -1, -1, -1, n, p.x, p.y);
    }
}

void npc_stuff1()
{
    talk_to_npc();
    do_npc_disappear();
}

void do_npc_disappear()
{
    for (int c = 0; c < CRT_COUNT; c++) {
        const crt_rec &k = CRT[c];
        int n = k.npc_index;
        if (!k.in_use || !npc_ok(n) || !npc[n].in_use || npc[n].fade <= 0) continue;
        sdrst(c, 2, 0, 0, 0, 0, 255 - npc[n].fade);
        npc[n].fade--;
    }
}

int npc_item_price(int n, int item)
{
    long long p = calc_price(item);
    long long a = npc_ok(n) ? npc[n].attitude : 0;
    if (a > 100) a = 100;
    if (a > 0) a /= 2;
    long long price = p - p * a / 100;
    return price > INT_MAX ? INT_MAX : price < INT_MIN ? INT_MIN : (int)price;
}

void load_npc_items()
{
    clear_istk(STK_SHOP);
    int n = j[talk_npc];
    if (!npc_ok(n)) return;
    for (int s = 0; s < NPC_ITEM_SLOTS; s++) {
        if (npc[n].item_type[s] == -1) continue;
        // A full item table leaves the rest of the goods unmade.
        int k = new_item_num();
        if (k < 0) return;
        ITEM[k].shop_slot = (uint8_t)s;
        new_item(npc[n].item_type[s], STK_SHOP, ORIGIN_SHOP, npc[n].item_seed[s]);
    }
}

void delete_npc_items()
{
    for (int k = 0; k < ITEM_COUNT; k++)
        if (ITEM[k].in_use == ITEM_LIVE && ITEM[k].origin == ORIGIN_SHOP) ITEM[k].in_use = 0;
    clear_istk(STK_SHOP);
}

}  // namespace hm
