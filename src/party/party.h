// party.h -- party characters, experience, skills and the character screens
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "items/items.h"

namespace hm {

constexpr int P1CR_COUNT = 50;      // records 0..7 are the party
constexpr int PARTY_SIZE = 8;
constexpr int P1CR_NAME_LEN = 25;   // name characters, NUL-padded
constexpr int ATTR_COUNT = 5;       // attributes A0..A4, each a (base, current) pair
constexpr int P1CR_SPARE = 78;      // unused ints that close the zeroed block
constexpr int BELT_SLOTS = 16;      // battle-item belt places
constexpr int SKILL_ENTRIES = 50;   // skills a character can know
constexpr int P1CR_SLOTS = 25;      // eqp and slot_ok entries; only the first EQP_SLOTS are worn

// One skill a character knows.
struct skill_rec {
    uint8_t known;           // nonzero = entry used
    uint8_t pad0[3];         // alignment
    int32_t skill_id;        // skill number 0..17
    int32_t target_kind;     // how the target is chosen
    int32_t sk_range;        // range of the target test
    int32_t sk_level;        // skill level, 1 when learnt
    int32_t casts;           // uses in this battle
    int32_t max_casts;       // uses allowed per battle, -1 unlimited
    int32_t passive;         // 1 = never offered in battle
};
static_assert(sizeof(skill_rec) == 32);
static_assert(offsetof(skill_rec, known) == 0);
static_assert(offsetof(skill_rec, pad0) == 1);
static_assert(offsetof(skill_rec, skill_id) == 4);
static_assert(offsetof(skill_rec, target_kind) == 8);
static_assert(offsetof(skill_rec, sk_range) == 12);
static_assert(offsetof(skill_rec, sk_level) == 16);
static_assert(offsetof(skill_rec, casts) == 20);
static_assert(offsetof(skill_rec, max_casts) == 24);
static_assert(offsetof(skill_rec, passive) == 28);

// One character: a party member (0..7) or a temporary character made from an NPC.
// Saved byte for byte in the save file.
struct p1cr_rec {
    char name[P1CR_NAME_LEN];   // name, '~' turned into NUL
    uint8_t pad0[3];         // alignment
    int32_t in_use;          // nonzero = record used
    int32_t level;           // level
    int32_t hp;              // hit points kept while it has no creature; -1 full
    int32_t mana;            // mana kept while it has no creature; -1 full
    int32_t crt_type;        // creature type of its creature
    int32_t face_pic;        // portrait for messages and dialogue
    int32_t exp;             // experience points
    int32_t crt;             // its creature in CRT
    // sel_skill .. spare: 100 ints a new character starts with all zero.
    int32_t sel_skill;       // skill entry chosen in the battle panel, -1 none
    int32_t skill_mode;      // battle panel page: 1 skills, 2 belt items
    int32_t belt_size;       // usable belt places
    int32_t belt_sel;        // chosen belt place, -1 none
    int32_t belt_used;       // 1 = a belt item was used this round
    int32_t skscr_a;         // skill list: first entry shown
    int32_t skscr_b;         // skill list: lines still to scroll, + forward, - back
    int32_t skscr_c;         // skill list: pixel offset -10..10
    int32_t skill_points;    // unspent skill points
    int32_t prev_level;      // level before the last experience award
    int32_t gained_points;   // skill points gained by the last award
    int32_t attr_points;     // unspent attribute points
    int32_t attr[2 * ATTR_COUNT];   // Ak: base in entry 2k, current value in 2k + 1
    int32_t spare[P1CR_SPARE];      // zero
    int32_t pen_item;        // its equipment total in ITEM
    int32_t belt[BELT_SLOTS];       // battle-item belt: ITEM indices, -1 empty
    skill_rec skills[SKILL_ENTRIES];   // skills it knows
    uint8_t slot_ok[P1CR_SLOTS];    // nonzero = may wear that equipment slot
    uint8_t pad1[3];         // alignment
    int32_t eqp[P1CR_SLOTS]; // worn ITEM per slot, -1 empty
};
static_assert(sizeof(p1cr_rec) == 2256);
static_assert(std::is_trivially_copyable<p1cr_rec>::value);
static_assert(offsetof(p1cr_rec, name) == 0);
static_assert(offsetof(p1cr_rec, pad0) == 25);
static_assert(offsetof(p1cr_rec, in_use) == 28);
static_assert(offsetof(p1cr_rec, level) == 32);
static_assert(offsetof(p1cr_rec, hp) == 36);
static_assert(offsetof(p1cr_rec, mana) == 40);
static_assert(offsetof(p1cr_rec, crt_type) == 44);
static_assert(offsetof(p1cr_rec, face_pic) == 48);
static_assert(offsetof(p1cr_rec, exp) == 52);
static_assert(offsetof(p1cr_rec, crt) == 56);
static_assert(offsetof(p1cr_rec, sel_skill) == 60);
static_assert(offsetof(p1cr_rec, skill_mode) == 64);
static_assert(offsetof(p1cr_rec, belt_size) == 68);
static_assert(offsetof(p1cr_rec, belt_sel) == 72);
static_assert(offsetof(p1cr_rec, belt_used) == 76);
static_assert(offsetof(p1cr_rec, skscr_a) == 80);
static_assert(offsetof(p1cr_rec, skscr_b) == 84);
static_assert(offsetof(p1cr_rec, skscr_c) == 88);
static_assert(offsetof(p1cr_rec, skill_points) == 92);
static_assert(offsetof(p1cr_rec, prev_level) == 96);
static_assert(offsetof(p1cr_rec, gained_points) == 100);
static_assert(offsetof(p1cr_rec, attr_points) == 104);
static_assert(offsetof(p1cr_rec, attr) == 108);
static_assert(offsetof(p1cr_rec, spare) == 148);
static_assert(offsetof(p1cr_rec, pen_item) == 460);
static_assert(offsetof(p1cr_rec, belt) == 464);
static_assert(offsetof(p1cr_rec, skills) == 528);
static_assert(offsetof(p1cr_rec, slot_ok) == 2128);
static_assert(offsetof(p1cr_rec, pad1) == 2153);
static_assert(offsetof(p1cr_rec, eqp) == 2156);
// The zeroed block of a new character runs from sel_skill to the end of spare.
static_assert(offsetof(p1cr_rec, pen_item) - offsetof(p1cr_rec, sel_skill) == 100 * sizeof(int32_t));

extern p1cr_rec *p1cr;   // party and temporary characters

constexpr int MAX_LEVEL = 20000;      // highest level whose experience fits an int
constexpr int NEW_ATTR_POINTS = 5;    // attribute points a new character starts with
constexpr int LOOT_AWARD = 2;         // loot_state of the award; 1 shows the loot, 0 done

// The creature of character m when the link holds both ways (its record is in
// use and names m back), else -1.
int member_crt(int m);
// Party members (records 0..7) in use.
int party_count();

// Makes a new party member from character file c<n>.txt in the first free record
// 0..7 and returns that record.  -1, with nothing changed, when the party is full
// or the file is missing, ends early or gives a level outside 0..MAX_LEVEL.
int load_p1cr(int n);
int find_lev(int exp);          // the level that an amount of experience gives
int find_exp_needed(int exp);   // experience still missing to the next level
int weight_left();              // carrying capacity minus the inventory's weight
// Gives experience to one member and carries out its level-ups.  A level never falls.
void recieve_exp(int member, int amount);
void do_lev_ups();              // per frame while lev_up_show: the level-up box
void exp_and_items();           // per frame: the end-of-battle award and the loot screen
// Adds a dying hostile creature's drops, gold and experience to the battle's loot.
void take_crtstash(int creature);

// -- the party panel -------------------------------------------------------------------
// The creature that stands for member m while its figures are shown or an item is
// used on it: its own when it has one; outside battle otherwise a temporary one,
// *tmp set, which free_tmp_crt takes away again.  -1 when there is none.
int member_stand_in(int m, int *tmp);
void free_tmp_crt(int c);   // frees a temporary creature and the link to it
// Into the screen buffer: one row per party member, or the sheet of shown_member.
void draw_party_panel();
constexpr int PARTY_ROW_X = 440;   // the rows' frames
constexpr int PARTY_ROW_Y = 16;    // first row; row k of party slot k is 44 pixels lower per slot
constexpr int PARTY_ROW_H = 44;

// -- battle skills -----------------------------------------------------------------------
constexpr int SKILL_COUNT = 18;      // skills 0..16 are used in battle, 17 is passive
constexpr int SKILL_PASSIVE = 17;
constexpr int SKILL_GRID = 16;       // places of the battle panel's skill grid

// Learns skill s into member m's first free entry, at level 1 (nothing when all
// fifty are used or s is no skill).
void new_bat_sk(int m, int s);
int check_for_bat_sk(int m, int s);       // 1 when member m knows skill s
// Value `which` of member m's skill entry e at its level; for skills 6, 8, 11 and
// 14 `which` is the input (an initiative or a distance).  Non-finite values are 0.
int skv(int m, int e, int which);
// The same at a level of the caller's choice (the raise preview shows level + 1).
int skv_at(int s, int level, int which);
int rand_val(int a, int b);               // a + random() mod (b - a), a when b <= a
int find_mana_cost(int s, int level);
int get_sp_needed(int m, int e);          // skill points that raise entry e once
void set_casts();                         // each battle's start: uses counted afresh
// The k-th known skill that is offered in battle (k from 0), -1 none.
int battle_skill_entry(int m, int k);
void learn_start_skills(int m, int char_file);   // what a recruit knows when it joins
void bat_sk_controls();   // per frame in battle: the skill page's clicks
void draw_skills();       // the battle panel into the screen buffer
void use_bat_sk();        // per frame while a chosen skill aims or plays out

// -- the belt ---------------------------------------------------------------------------
void draw_bat_it();        // the belt page into the screen buffer
void bat_it_controls1();   // per frame outside battle: filling and emptying the belt
void bat_it_controls2();   // per frame in battle: choosing and using a belt item

// -- the skill list, the skill information box and the attribute window ---------------------
void skills_main();
void skill_stats();
void attributes_main();

}  // namespace hm
