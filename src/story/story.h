// story.h -- NPCs, dialogue, events, scripted walks and messages
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace hm {

constexpr int NPC_COUNT = 400;
constexpr int NPC_NAME_LEN = 25;     // name characters, NUL-terminated
constexpr int NPC_ITEM_SLOTS = 20;   // goods and gear of an NPC, as type and seed
constexpr int SPCH_ENTRIES = 100;    // speech entries of an NPC's section

// One NPC of the world. Saved byte for byte in the save file.
struct npc_rec {
    char name[NPC_NAME_LEN];  // at most 24 characters, NUL-terminated
    uint8_t pad0[3];         // alignment
    int32_t in_use;          // 1 = record holds an NPC
    int32_t level;           // level of its creature
    int32_t hp;              // current hit points, copied from its creature
    int32_t mana;            // current mana, -1 full
    int32_t crt_type;        // creature type
    int32_t exp;             // experience points
    int32_t reserved;        // read from the file and kept
    int32_t dead;            // 1 after its creature died
    int32_t fade;            // 0 not disappearing, 1..255 fading out
    int16_t item_type[NPC_ITEM_SLOTS];   // item type per slot, -1 empty
    int16_t item_seed[NPC_ITEM_SLOTS];   // item seed per slot, 0..15999
    int32_t attitude;        // towards the party, positive friendly
    int32_t face_pic;        // portrait (group 11)
    int32_t lev;             // level it stands on, -1 none (joined or dead)
    int32_t x;               // cell column on that level
    int32_t y;               // cell row on that level
    int32_t crt;             // its creature on the current level, -1 none
    int32_t p1cr_slot;       // character record holding it, -1 none
    uint8_t p1cr_kind;       // 0 or 0xFF nothing, 2 p1cr_slot is a live character
    uint8_t answer_state[SPCH_ENTRIES];   // per speech entry: 0 never chosen, 1 chosen, 2 closed
    uint8_t pad1[3];         // alignment
};
static_assert(sizeof(npc_rec) == 276);
static_assert(std::is_trivially_copyable<npc_rec>::value);
static_assert(offsetof(npc_rec, name) == 0);
static_assert(offsetof(npc_rec, pad0) == 25);
static_assert(offsetof(npc_rec, in_use) == 28);
static_assert(offsetof(npc_rec, level) == 32);
static_assert(offsetof(npc_rec, hp) == 36);
static_assert(offsetof(npc_rec, mana) == 40);
static_assert(offsetof(npc_rec, crt_type) == 44);
static_assert(offsetof(npc_rec, exp) == 48);
static_assert(offsetof(npc_rec, reserved) == 52);
static_assert(offsetof(npc_rec, dead) == 56);
static_assert(offsetof(npc_rec, fade) == 60);
static_assert(offsetof(npc_rec, item_type) == 64);
static_assert(offsetof(npc_rec, item_seed) == 104);
static_assert(offsetof(npc_rec, attitude) == 144);
static_assert(offsetof(npc_rec, face_pic) == 148);
static_assert(offsetof(npc_rec, lev) == 152);
static_assert(offsetof(npc_rec, x) == 156);
static_assert(offsetof(npc_rec, y) == 160);
static_assert(offsetof(npc_rec, crt) == 164);
static_assert(offsetof(npc_rec, p1cr_slot) == 168);
static_assert(offsetof(npc_rec, p1cr_kind) == 172);
static_assert(offsetof(npc_rec, answer_state) == 173);
static_assert(offsetof(npc_rec, pad1) == 273);

extern npc_rec *npc;   // NPCs of the world

}  // namespace hm
