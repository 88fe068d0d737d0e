// save_game.cpp -- save files and their extension block: writing the state, reading it back checked, loading a player
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/replace_file.h"
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

// Values of the state slots: a damaged or edited file may hold anything, and
// counters and positions near the ends of their range overflow within frames.
// Every named slot is brought inside a range far wider than play reaches; a
// float that is not a number becomes 0.
constexpr int32_t SLOT_LIMIT = 1000000000;
constexpr float FLOAT_LIMIT = 1e6f;

#define HM_SLOT_NUMBER(name, n) n,
const int j_named[] = {J_SLOTS(HM_SLOT_NUMBER)};
const int f_named[] = {F_SLOTS(HM_SLOT_NUMBER)};
#undef HM_SLOT_NUMBER

void clamp_values(save_head &h)
{
    for (int s : j_named) h.j[s] = std::clamp(h.j[s], -SLOT_LIMIT, SLOT_LIMIT);
    for (int s : f_named) h.f[s] = std::isfinite(h.f[s]) ? std::clamp(h.f[s], -FLOAT_LIMIT, FLOAT_LIMIT) : 0.0f;
}

// The extension block: tag, version, length and checksum of the sections.
const char TAG_BLOCK[] = "HMXB";
const char TAG_PLACE[] = "PLCE";
const char TAG_WALKS[] = "WALK";   // the scripted walks in progress, the table whole
static_assert(sizeof(npc_walk_rec) == 24, "walks are stored as they lie in memory");

npc_walk_rec read_walks[WALK_SLOTS];   // the walks of the block read last

const char TAG_EVENTS[] = "EVNT";  // the story: every event's stamp and level, then the conditions
struct story_section {
    event_rec events[EVENT_COUNT];
    uint8_t cons[CON_COUNT];
};
story_section read_story;   // the story of the block read last; nothing fired when it had none

bool story_ok(const story_section &s)
{
    for (const event_rec &e : s.events)
        if (e.fired < 0 || e.start_level < 0 || e.start_level >= LEVEL_COUNT) return false;
    for (uint8_t c : s.cons)
        if (c > 1) return false;
    return true;
}

bool walks_ok(const npc_walk_rec *w)
{
    for (int i = 0; i < WALK_SLOTS; i++)
        if (w[i].in_use && (w[i].walk_npc < 0 || w[i].walk_npc >= NPC_COUNT || !cell_ok(w[i].walk_x, w[i].walk_y)))
            return false;
    return true;
}
constexpr size_t BLOCK_HEAD = 16, SECTION_HEAD = 8;

void put_u32(std::string &out, uint32_t v) { out.append((const char *)&v, 4); }

uint32_t get_u32(const char *p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void add_section(std::string &out, const char *tag, const void *data, size_t len)
{
    out.append(tag, 4);
    put_u32(out, (uint32_t)len);
    out.append((const char *)data, len);
}

// FNV-1a: enough to tell a cut or scribbled block from a whole one.
uint32_t checksum(const char *p, size_t n)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < n; i++) h = (h ^ (uint8_t)p[i]) * 16777619u;
    return h;
}

bool place_ok(const save_place_rec &p)
{
    auto finite = [](float v) { return std::isfinite(v) && v > -1e6f && v < 1e6f; };
    return p.level >= 0 && p.level < LEVEL_COUNT && cell_ok(p.x, p.y) && finite(p.cam_fx) && finite(p.cam_fy);
}

}  // namespace

int save_block = BLOCK_NONE;
save_place_rec save_place = {-1, 0, 0, 0.0f, 0.0f};

std::string make_block()
{
    std::string sections;
    int c = leader_crt();
    if (j[level_no] >= 0 && j[level_no] < LEVEL_COUNT && c >= 0) {
        save_place_rec p = {j[level_no], CRT[c].x, CRT[c].y, f[cam_fx], f[cam_fy]};
        add_section(sections, TAG_PLACE, &p, sizeof p);
    }
    bool walking = false;
    for (const npc_walk_rec &w : npc_walk) walking = walking || w.in_use;
    if (walking) add_section(sections, TAG_WALKS, npc_walk, sizeof npc_walk);
    bool begun = false;
    for (int k = 0; event && k < EVENT_COUNT; k++) begun = begun || event[k].fired != 0;
    if (begun) {
        static story_section story;
        std::memcpy(story.events, event, sizeof story.events);
        std::memcpy(story.cons, con, sizeof story.cons);
        add_section(sections, TAG_EVENTS, &story, sizeof story);
    }
    if (sections.empty()) return sections;
    std::string block(TAG_BLOCK, 4);
    put_u32(block, BLOCK_VERSION);
    put_u32(block, (uint32_t)sections.size());
    put_u32(block, checksum(sections.data(), sections.size()));
    return block + sections;
}

int read_block(const char *data, size_t len)
{
    if (len < BLOCK_HEAD || len > (size_t)BLOCK_MAX || std::memcmp(data, TAG_BLOCK, 4) != 0) return BLOCK_DAMAGED;
    uint32_t version = get_u32(data + 4), body = get_u32(data + 8), check = get_u32(data + 12);
    if (version == 0 || body != len - BLOCK_HEAD || checksum(data + BLOCK_HEAD, body) != check) return BLOCK_DAMAGED;
    save_place_rec place = {-1, 0, 0, 0.0f, 0.0f};
    npc_walk_rec walks[WALK_SLOTS] = {};
    static story_section story;
    std::memset(&story, 0, sizeof story);
    for (size_t at = BLOCK_HEAD; at < len;) {
        if (len - at < SECTION_HEAD) return BLOCK_DAMAGED;
        const char *tag = data + at;
        uint32_t size = get_u32(data + at + 4);
        at += SECTION_HEAD;
        if (size > len - at) return BLOCK_DAMAGED;
        if (std::memcmp(tag, TAG_PLACE, 4) == 0) {
            if (size != sizeof place) return BLOCK_DAMAGED;
            std::memcpy(&place, data + at, sizeof place);
            if (!place_ok(place)) return BLOCK_DAMAGED;
        } else if (std::memcmp(tag, TAG_WALKS, 4) == 0) {
            if (size != sizeof walks) return BLOCK_DAMAGED;
            std::memcpy(walks, data + at, sizeof walks);
            if (!walks_ok(walks)) return BLOCK_DAMAGED;
        } else if (std::memcmp(tag, TAG_EVENTS, 4) == 0) {
            if (size != sizeof story) return BLOCK_DAMAGED;
            std::memcpy(&story, data + at, sizeof story);
            if (!story_ok(story)) return BLOCK_DAMAGED;
        }
        at += size;
    }
    save_place = place;
    std::memcpy(read_walks, walks, sizeof walks);
    read_story = story;
    return BLOCK_READ;
}

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
    std::string block = make_block();

    // A failed write leaves the old file whole.
    size_t n = (size_t)SAVE_BYTES + sizeof(chest_rec) * (size_t)c;
    std::string bytes((const char *)&staging, n);
    bytes += block;
    return replace_file(file, bytes.data(), bytes.size());
}

int read_save(const char *file)
{
    FILE *in = std::fopen(file, "rb");
    if (!in) return 0;
    bool whole = std::fread(&staging.head, 1, (size_t)SAVE_BYTES, in) == (size_t)SAVE_BYTES;
    int c = whole ? staging.head.chest_count : -1;
    size_t chests = sizeof(chest_rec) * (size_t)(c < 0 || c > CHEST_COUNT ? 0 : c);
    whole = whole && c >= 0 && c <= CHEST_COUNT && std::fread(staging.chests, 1, chests, in) == chests;
    std::string rest;
    char buf[4096];
    for (size_t got; whole && rest.size() <= (size_t)BLOCK_MAX && (got = std::fread(buf, 1, sizeof buf, in)) > 0;)
        rest.append(buf, got);
    std::fclose(in);
    if (!whole || !leader_ok(staging.head)) return 0;
    int lev = staging.head.j[level_no];
    if (lev < 0 || lev >= LEVEL_COUNT) return 0;
    cut_links(staging, c);
    clamp_values(staging.head);
    // A block that cannot be read costs the place, never the game.
    int found = rest.empty() ? BLOCK_NONE : read_block(rest.data(), rest.size());
    if (found != BLOCK_READ) save_place.level = -1;
    save_block = found;

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
    std::memcpy(chest, staging.chests, chests);
    // The messages, walks, flash and events of a game played before end here;
    // a save with its events brings them back (a save without any has none fired).
    init_messages();
    init_npc_walks();
    clear_events();
    if (found == BLOCK_READ && event) {
        std::memcpy(event, read_story.events, sizeof read_story.events);
        std::memcpy(con, read_story.cons, sizeof read_story.cons);
    }
    if (found == BLOCK_READ) std::memcpy(npc_walk, read_walks, sizeof npc_walk);
    return 1;
}

int load_game(int k)
{
    int n = 0, kind = list_row(k, &n);
    if (kind < 0) return 0;
    char name[PNAME_MAX + 1];
    int len = pname_copy(n, name);
    if (!pname_safe(pnames + pname_at(n), len)) {
        title_note(NOTE_BAD_NAME);
        return 0;
    }
    // The player's own file stays the one F5 writes, whichever row was loaded.
    std::memset(cnam, 0, 50);
    std::strcpy(cnam, name);
    std::strcat(cnam, ".cha");
    std::string file = kind == ROW_AUTOSAVE ? autosave_file(cnam) : std::string(cnam);
    if (!read_save(file.c_str())) {
        title_note(NOTE_NOT_LOADED);
        return 0;
    }
    return 1;
}

}  // namespace hm
