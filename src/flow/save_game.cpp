// save_game.cpp -- save files: writing the state, reading it back checked, loading a player
#include <cstdio>
#include <cstring>
#include <string>

#include "flow/flow.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

// The whole file as the game reads it: no longer than this.
struct save_file {
    save_head head;                  // the state tables and C
    chest_rec chests[CHEST_COUNT];   // the C chest records
};
static_assert(offsetof(save_file, chests) == SAVE_BYTES);

// Files are read here whole and checked before any of the game's state is touched.
save_file staging;

constexpr int SKILL_IDS = 18;   // battle skills 0..17

template <typename T>
void cut(T &v, int lo, int hi)
{
    if (v < lo || v > hi) v = -1;
}

// Slots of j that name a record, a cell or an entry: -1 when out of range.
struct slot_range {
    int slot, lo, hi;
};
const slot_range j_links[] = {
    {placing_crt, -1, CRT_COUNT - 1},  {cur_crt, -1, CRT_COUNT - 1},
    {shown_member, -1, PARTY_SIZE - 1},
    {aim_crt, -1, CRT_COUNT - 1},      {strike_crt, -1, CRT_COUNT - 1},
    {istk_shown, -1, ISTK_COUNT - 1},  {istk_sel, -1, ITEM_COUNT - 1},
    {focus_cell, -1, MAP_CELLS - 1},   {eqp_member, -1, PARTY_SIZE - 1},
    {eqp_slot_sel, -1, P1CR_SLOTS - 1}, {box_crt, -1, CRT_COUNT - 1},
    {loot_spawner, -1, SPAWNER_COUNT - 1}, {ptr_crt, -1, CRT_COUNT - 1},
    {shot_cell, -1, MAP_CELLS - 1},    {acting_crt, -1, CRT_COUNT - 1},
    {talk_crt, -1, CRT_COUNT - 1},     {talk_npc, -1, NPC_COUNT - 1},
    {talk_answer, -1, SPCH_ENTRIES - 1}, {battle_spawner, -1, SPAWNER_COUNT - 1},
    {belt_slot, -1, BELT_SLOTS - 1},   {bat_it_item, -1, ITEM_COUNT - 1},
    {lock_disc, -1, LOCK_DISCS - 1},   {lock_last, -1, LOCK_DISCS - 1},
    {cur_chest, -1, CHEST_COUNT - 1},  {skills_member, -1, PARTY_SIZE - 1},
    {skills_entry, -1, SKILL_ENTRIES - 1}, {sel_chest, -1, CHEST_COUNT - 1},
    {edit_cell, -1, MAP_CELLS - 1},    {ob_index, -1, CHEST_COUNT - 1},
    {sel_spawner, -1, SPAWNER_COUNT - 1}, {ptr_mark_cell, -1, MAP_CELLS - 1},
};

bool leader_ok(const save_head &h)
{
    int m = h.j[leader];
    return m >= 0 && m < PARTY_SIZE && h.p1cr[m].in_use;
}

// Every stored link that would index a table is brought inside it or cut.
void cut_links(save_file &s, int chests)
{
    save_head &h = s.head;
    for (const slot_range &r : j_links) cut(h.j[r.slot], r.lo, r.hi);

    for (istk_rec &stk : h.istk)
        for (int32_t &e : stk.item) cut(e, -1, ITEM_COUNT - 1);

    for (p1cr_rec &p : h.p1cr) {
        p.name[P1CR_NAME_LEN - 1] = 0;
        cut(p.crt, -1, CRT_COUNT - 1);
        cut(p.pen_item, -1, ITEM_COUNT - 1);
        cut(p.sel_skill, -1, SKILL_ENTRIES - 1);
        cut(p.belt_sel, -1, BELT_SLOTS - 1);
        if (p.belt_size < 0 || p.belt_size > BELT_SLOTS) p.belt_size = p.belt_size < 0 ? 0 : BELT_SLOTS;
        for (int32_t &b : p.belt) cut(b, -1, ITEM_COUNT - 1);
        for (int32_t &e : p.eqp) cut(e, -1, ITEM_COUNT - 1);
        for (skill_rec &sk : p.skills)
            if (sk.known && (sk.skill_id < 0 || sk.skill_id >= SKILL_IDS)) std::memset(&sk, 0, sizeof sk);
    }

    for (item_rec &it : h.item) {
        it.name[ITEM_NAME_LEN - 1] = 0;
        cut(it.equipped_by, -1, PARTY_SIZE - 1);
        cut(it.eqp_slot, -1, EQP_SLOTS - 1);
        if (it.shop_slot >= NPC_ITEM_SLOTS) it.shop_slot = 0;
    }

    for (npc_rec &n : h.npc) {
        n.name[NPC_NAME_LEN - 1] = 0;
        cut(n.crt, -1, CRT_COUNT - 1);
        cut(n.p1cr_slot, -1, P1CR_COUNT - 1);
        cut(n.lev, -1, LEVEL_COUNT - 1);
        if (n.lev >= 0 && !cell_ok(n.x, n.y)) n.lev = -1;
    }

    for (int i = 0; i < chests; i++) {
        chest_rec &c = s.chests[i];
        if (c.in_use && (c.chest_id < 0 || c.chest_id >= CHEST_STATE_BYTES || !cell_ok(c.x, c.y)))
            std::memset(&c, 0, sizeof c);
    }
}

}  // namespace

int write_save(const char *file, int keep_chests)
{
    save_head &h = staging.head;
    std::memcpy(h.j, j, sizeof h.j);
    std::memcpy(h.f, f, sizeof h.f);
    std::memcpy(h.p1cr, p1cr, sizeof h.p1cr);
    std::memcpy(h.istk, ISTK, sizeof h.istk);
    std::memcpy(h.item, ITEM, sizeof h.item);
    std::memcpy(h.cspns, cspns, sizeof h.cspns);
    std::memcpy(h.chest_state, chest_state, sizeof h.chest_state);
    std::memcpy(h.npc, npc, sizeof h.npc);
    int c = 0;
    if (keep_chests)
        for (int i = 0; i < CHEST_COUNT; i++)
            if (chest[i].in_use) c = i + 1;
    h.chest_count = c;
    std::memcpy(staging.chests, chest, sizeof(chest_rec) * (size_t)c);

    // A failed write leaves the old file whole, or no file at all.
    std::string temp = std::string(file) + ".tmp";
    FILE *out = std::fopen(temp.c_str(), "wb");
    if (!out) return -1;
    size_t n = (size_t)SAVE_BYTES + sizeof(chest_rec) * (size_t)c;
    bool ok = std::fwrite(&staging, 1, n, out) == n;
    ok = std::fclose(out) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), file) != 0) {
        std::remove(temp.c_str());
        return -1;
    }
    return 0;
}

int read_save(const char *file)
{
    FILE *in = std::fopen(file, "rb");
    if (!in) return 0;
    size_t got = std::fread(&staging, 1, sizeof staging, in);
    bool longer = std::fgetc(in) != EOF;
    std::fclose(in);
    if (longer || got < (size_t)SAVE_BYTES) return 0;
    int c = staging.head.chest_count;
    if (c < 0 || c > CHEST_COUNT || got != (size_t)SAVE_BYTES + sizeof(chest_rec) * (size_t)c) return 0;
    if (!leader_ok(staging.head)) return 0;
    int lev = staging.head.j[level_no];
    if (lev < 0 || lev >= LEVEL_COUNT) return 0;
    cut_links(staging, c);

    const save_head &h = staging.head;
    std::memcpy(j, h.j, sizeof h.j);
    std::memcpy(f, h.f, sizeof h.f);
    std::memcpy(p1cr, h.p1cr, sizeof h.p1cr);
    std::memcpy(ISTK, h.istk, sizeof h.istk);
    std::memcpy(ITEM, h.item, sizeof h.item);
    std::memcpy(cspns, h.cspns, sizeof h.cspns);
    std::memcpy(chest_state, h.chest_state, sizeof h.chest_state);
    std::memcpy(npc, h.npc, sizeof h.npc);
    clear_chests();
    std::memcpy(chest, staging.chests, sizeof(chest_rec) * (size_t)c);
    // The messages, walks and flash of a game played before end here; its
    // events are cleared here too (init_events).
    init_messages();
    init_npc_walks();
    return 1;
}

int load_game(int k)
{
    int at = pname_at(k);
    if (at < 0) return 0;
    char name[PNAME_MAX + 1];
    int len = pname_copy(k, name);
    if (!pname_safe(pnames + at, len)) {
        title_note(NOTE_BAD_NAME);
        return 0;
    }
    std::memset(cnam, 0, 50);
    std::strcpy(cnam, name);
    std::strcat(cnam, ".cha");
    if (!read_save(cnam)) {
        title_note(NOTE_NOT_LOADED);
        return 0;
    }
    return 1;
}

}  // namespace hm
