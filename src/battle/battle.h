// battle.h -- creatures, spawners, movement and the battle
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "items/items.h"

namespace hm {

constexpr int CRT_COUNT = 100;
constexpr int SPAWNER_COUNT = 25;    // spawners of one level
constexpr int CSPNS_BYTES = 10000;   // spawner states, 25 per level number

constexpr int CRT_HIT_NUMS = 10;     // floating damage numbers per creature
constexpr int CRT_PATH_LEN = 25;     // cells of a planned walk, -1 ended
constexpr int CRT_STATUS = 25;       // condition entries
constexpr int CRT_EFFECTS = 50;      // skill effect entries

constexpr int SPAWNER_SLOTS = 20;    // creature slots of a spawner
constexpr int SPAWNER_LOOT = 5;      // loot entries of a spawner

// One creature on the level.
struct crt_rec {
    int8_t draw_dx;          // sprite x offset from the cell while stepping or striking
    int8_t draw_dy;          // sprite y offset, same use
    int8_t step_dir;         // direction of the step in progress: 0 none, 1..8
    int8_t facing;           // 1 faces right (as stored), -1 faces left (mirrored)
    int8_t frame;            // added to pic_base: 0..5 walk, 6 aim, 7 strike, 8 dead, 9 cast
    uint8_t in_use;          // 1 = record holds a creature
    uint8_t shown;           // 1 = stands on the map: occupies, drawn, pickable
    uint8_t pad0;            // alignment
    int32_t npc_index;       // npc record this creature embodies, -1 none
    int32_t party_index;     // p1cr record this creature embodies, -1 none
    int32_t tint_mode;       // 0 plain, 1 pulsing tint, 2 see-through with pulsing tint
    int32_t tint_r;          // red added per pulse step (may be negative)
    int32_t tint_g;          // green added per pulse step
    int32_t tint_b;          // blue added per pulse step
    int32_t tint_rate;       // divisor of frame_count for the pulse phase
    int32_t tint_extra;      // mode 1: nonzero holds the phase at 1; mode 2: background weight
    uint8_t ready;           // 1 = has not acted yet this round
    uint8_t pad1[3];         // alignment
    int32_t x;               // cell column 0..99
    int32_t y;               // cell row 0..99
    int32_t strike_target;   // creature being struck or shot, -1 none
    float strike_time;       // progress of the strike animation
    int8_t miss_timer;       // 1..49 "Miss ", 51..99 "Dodge ", 0 none
    uint8_t hit_num_timer[CRT_HIT_NUMS];    // 0 free, 1 waiting, 2..49 rising
    uint8_t pad2;            // alignment
    int32_t hit_num_value[CRT_HIT_NUMS];    // amount each floating number shows
    int32_t hit_num_colour[CRT_HIT_NUMS];   // palette colour of its digits
    int32_t dying;           // death countdown from 50, 0 = not dying
    int32_t info_fade;       // 0..50, opacity of the level figure and health bar
    int32_t path[CRT_PATH_LEN];   // planned walk, cells in order, ended by -1
    int32_t path_step;       // index in path of the step in progress, -1 not walking
    float step_time;         // progress of the step in progress
    int32_t cell;            // x + 100*y, refreshed every frame
    int32_t walk_count;      // frame counter of the walking cycle
    int8_t range_penalty;    // percent off the damage of the current missile
    uint8_t pad3[3];         // alignment
    int32_t en_item;         // ITEM record with the summed bonuses of all it wears
    int32_t equipment[EQP_SLOTS];   // ITEM record per equipment slot, -1 empty
    int32_t type;            // creature type: row of crtinf.txt
    int32_t pic_base;        // first sprite picture (group 3)
    int32_t side;            // 1 party, 2 hostile, 3 ally led by the computer, 4 bystander
    int32_t level;           // level
    int32_t stat_level;      // copy of level that the formulas use
    int32_t eff_level_calc;  // wound-adjusted level being computed
    int32_t eff_level;       // wound-adjusted level; scales the per-level values, shown over it
    int32_t init_base;       // initiative: fixed part
    int32_t init_per_level;  // initiative: per effective level
    int32_t initiative;      // initiative: value, highest acts first
    int32_t hp;              // current hit points
    int32_t mana;            // current mana

    // Stat triples: fixed part, per-level part, derived value (update_stats).
    int32_t hp_base, hp_per_level, max_hp;                      // maximum hit points
    int32_t wound_floor_base, wound_floor_per_level, wound_floor;   // percent of max_hp where wounds stop counting
    int32_t dmg_e1_base, dmg_e1_per_level, dmg_e1;              // element-1 damage
    int32_t dmg_e2_base, dmg_e2_per_level, dmg_e2;              // element-2 damage
    int32_t dmg_e3_base, dmg_e3_per_level, dmg_e3;              // element-3 damage
    int32_t dmg_e4_base, dmg_e4_per_level, dmg_e4;              // element-4 damage
    int32_t dmg_phys_base, dmg_phys_per_level, dmg_phys;        // physical damage
    int32_t armour_base, armour_per_level, armour;              // armour rating
    int32_t res_e1_base, res_e1_per_level, res_e1;              // element-1 resistance, percent
    int32_t res_e2_base, res_e2_per_level, res_e2;              // element-2 resistance, percent
    int32_t res_e3_base, res_e3_per_level, res_e3;              // element-3 resistance, percent
    int32_t res_e4_base, res_e4_per_level, res_e4;              // element-4 resistance, percent
    int32_t hit_base, hit_per_level, hit;                       // hit rating
    int32_t dodge_base, dodge_per_level, dodge;                 // dodge rating
    int32_t luck_base, luck_per_level, luck;                    // luck range; value: this battle's roll
    int32_t speed_base, speed_per_level, speed;                 // path-cost units per battle turn
    int32_t mana_base, mana_per_level, max_mana;                // maximum mana

    int32_t natural_item;    // item type made into its natural weapon, 0 none
    int32_t attack_kind;     // 1 strikes adjacent creatures, 2 shoots missiles
    int32_t shot_range;      // missile range in cells
    int32_t shot_pic;        // picture of its missile
    int32_t flying;          // 1 flies, 0 walks
    int32_t status[CRT_STATUS];    // rounds left per condition; entry 22 the poison strength
    int32_t effect[CRT_EFFECTS];   // timed effects of battle skills
};
static_assert(sizeof(crt_rec) == 916);
static_assert(std::is_trivially_copyable<crt_rec>::value);
static_assert(offsetof(crt_rec, draw_dx) == 0);
static_assert(offsetof(crt_rec, draw_dy) == 1);
static_assert(offsetof(crt_rec, step_dir) == 2);
static_assert(offsetof(crt_rec, facing) == 3);
static_assert(offsetof(crt_rec, frame) == 4);
static_assert(offsetof(crt_rec, in_use) == 5);
static_assert(offsetof(crt_rec, shown) == 6);
static_assert(offsetof(crt_rec, pad0) == 7);
static_assert(offsetof(crt_rec, npc_index) == 8);
static_assert(offsetof(crt_rec, party_index) == 12);
static_assert(offsetof(crt_rec, tint_mode) == 16);
static_assert(offsetof(crt_rec, tint_r) == 20);
static_assert(offsetof(crt_rec, tint_g) == 24);
static_assert(offsetof(crt_rec, tint_b) == 28);
static_assert(offsetof(crt_rec, tint_rate) == 32);
static_assert(offsetof(crt_rec, tint_extra) == 36);
static_assert(offsetof(crt_rec, ready) == 40);
static_assert(offsetof(crt_rec, pad1) == 41);
static_assert(offsetof(crt_rec, x) == 44);
static_assert(offsetof(crt_rec, y) == 48);
static_assert(offsetof(crt_rec, strike_target) == 52);
static_assert(offsetof(crt_rec, strike_time) == 56);
static_assert(offsetof(crt_rec, miss_timer) == 60);
static_assert(offsetof(crt_rec, hit_num_timer) == 61);
static_assert(offsetof(crt_rec, pad2) == 71);
static_assert(offsetof(crt_rec, hit_num_value) == 72);
static_assert(offsetof(crt_rec, hit_num_colour) == 112);
static_assert(offsetof(crt_rec, dying) == 152);
static_assert(offsetof(crt_rec, info_fade) == 156);
static_assert(offsetof(crt_rec, path) == 160);
static_assert(offsetof(crt_rec, path_step) == 260);
static_assert(offsetof(crt_rec, step_time) == 264);
static_assert(offsetof(crt_rec, cell) == 268);
static_assert(offsetof(crt_rec, walk_count) == 272);
static_assert(offsetof(crt_rec, range_penalty) == 276);
static_assert(offsetof(crt_rec, pad3) == 277);
static_assert(offsetof(crt_rec, en_item) == 280);
static_assert(offsetof(crt_rec, equipment) == 284);
static_assert(offsetof(crt_rec, type) == 344);
static_assert(offsetof(crt_rec, pic_base) == 348);
static_assert(offsetof(crt_rec, side) == 352);
static_assert(offsetof(crt_rec, level) == 356);
static_assert(offsetof(crt_rec, stat_level) == 360);
static_assert(offsetof(crt_rec, eff_level_calc) == 364);
static_assert(offsetof(crt_rec, eff_level) == 368);
static_assert(offsetof(crt_rec, init_base) == 372);
static_assert(offsetof(crt_rec, init_per_level) == 376);
static_assert(offsetof(crt_rec, initiative) == 380);
static_assert(offsetof(crt_rec, hp) == 384);
static_assert(offsetof(crt_rec, mana) == 388);
static_assert(offsetof(crt_rec, hp_base) == 392);
static_assert(offsetof(crt_rec, hp_per_level) == 396);
static_assert(offsetof(crt_rec, max_hp) == 400);
static_assert(offsetof(crt_rec, wound_floor_base) == 404);
static_assert(offsetof(crt_rec, wound_floor_per_level) == 408);
static_assert(offsetof(crt_rec, wound_floor) == 412);
static_assert(offsetof(crt_rec, dmg_e1_base) == 416);
static_assert(offsetof(crt_rec, dmg_e1_per_level) == 420);
static_assert(offsetof(crt_rec, dmg_e1) == 424);
static_assert(offsetof(crt_rec, dmg_e2_base) == 428);
static_assert(offsetof(crt_rec, dmg_e2_per_level) == 432);
static_assert(offsetof(crt_rec, dmg_e2) == 436);
static_assert(offsetof(crt_rec, dmg_e3_base) == 440);
static_assert(offsetof(crt_rec, dmg_e3_per_level) == 444);
static_assert(offsetof(crt_rec, dmg_e3) == 448);
static_assert(offsetof(crt_rec, dmg_e4_base) == 452);
static_assert(offsetof(crt_rec, dmg_e4_per_level) == 456);
static_assert(offsetof(crt_rec, dmg_e4) == 460);
static_assert(offsetof(crt_rec, dmg_phys_base) == 464);
static_assert(offsetof(crt_rec, dmg_phys_per_level) == 468);
static_assert(offsetof(crt_rec, dmg_phys) == 472);
static_assert(offsetof(crt_rec, armour_base) == 476);
static_assert(offsetof(crt_rec, armour_per_level) == 480);
static_assert(offsetof(crt_rec, armour) == 484);
static_assert(offsetof(crt_rec, res_e1_base) == 488);
static_assert(offsetof(crt_rec, res_e1_per_level) == 492);
static_assert(offsetof(crt_rec, res_e1) == 496);
static_assert(offsetof(crt_rec, res_e2_base) == 500);
static_assert(offsetof(crt_rec, res_e2_per_level) == 504);
static_assert(offsetof(crt_rec, res_e2) == 508);
static_assert(offsetof(crt_rec, res_e3_base) == 512);
static_assert(offsetof(crt_rec, res_e3_per_level) == 516);
static_assert(offsetof(crt_rec, res_e3) == 520);
static_assert(offsetof(crt_rec, res_e4_base) == 524);
static_assert(offsetof(crt_rec, res_e4_per_level) == 528);
static_assert(offsetof(crt_rec, res_e4) == 532);
static_assert(offsetof(crt_rec, hit_base) == 536);
static_assert(offsetof(crt_rec, hit_per_level) == 540);
static_assert(offsetof(crt_rec, hit) == 544);
static_assert(offsetof(crt_rec, dodge_base) == 548);
static_assert(offsetof(crt_rec, dodge_per_level) == 552);
static_assert(offsetof(crt_rec, dodge) == 556);
static_assert(offsetof(crt_rec, luck_base) == 560);
static_assert(offsetof(crt_rec, luck_per_level) == 564);
static_assert(offsetof(crt_rec, luck) == 568);
static_assert(offsetof(crt_rec, speed_base) == 572);
static_assert(offsetof(crt_rec, speed_per_level) == 576);
static_assert(offsetof(crt_rec, speed) == 580);
static_assert(offsetof(crt_rec, mana_base) == 584);
static_assert(offsetof(crt_rec, mana_per_level) == 588);
static_assert(offsetof(crt_rec, max_mana) == 592);
static_assert(offsetof(crt_rec, natural_item) == 596);
static_assert(offsetof(crt_rec, attack_kind) == 600);
static_assert(offsetof(crt_rec, shot_range) == 604);
static_assert(offsetof(crt_rec, shot_pic) == 608);
static_assert(offsetof(crt_rec, flying) == 612);
static_assert(offsetof(crt_rec, status) == 616);
static_assert(offsetof(crt_rec, effect) == 716);

// One creature spawner of the level, stored byte for byte in the level file.
struct spawner_rec {
    uint8_t active;          // 1 = present and armed
    int8_t x;                // cell column
    int8_t y;                // cell row
    int8_t trigger;          // trigger distance in path-cost units
    int32_t crt_types[SPAWNER_SLOTS];    // creature type per slot, -1 empty
    int32_t crt_levels[SPAWNER_SLOTS];   // level per slot
    int32_t loot_items[SPAWNER_LOOT];    // item types that may drop after a won battle, -1 none
    int32_t loot_chances[SPAWNER_LOOT];  // percent chance of each loot item
    int32_t id;              // level_no*25 .. level_no*25+24, named by events
    uint8_t reserved[96];    // unused, kept as read
};
static_assert(sizeof(spawner_rec) == 304);
static_assert(std::is_trivially_copyable<spawner_rec>::value);
static_assert(offsetof(spawner_rec, active) == 0);
static_assert(offsetof(spawner_rec, x) == 1);
static_assert(offsetof(spawner_rec, y) == 2);
static_assert(offsetof(spawner_rec, trigger) == 3);
static_assert(offsetof(spawner_rec, crt_types) == 4);
static_assert(offsetof(spawner_rec, crt_levels) == 84);
static_assert(offsetof(spawner_rec, loot_items) == 164);
static_assert(offsetof(spawner_rec, loot_chances) == 184);
static_assert(offsetof(spawner_rec, id) == 204);
static_assert(offsetof(spawner_rec, reserved) == 208);

extern crt_rec *CRT;              // creatures on the level
extern uint8_t *cspns;            // spawner states by level
extern spawner_rec *crt_spawner;  // spawners of the level

constexpr int CRTINF_INTS = 42;   // integers of one creature type in crtinf.txt
constexpr int PATH_STEPS = CRT_PATH_LEN - 2;   // steps a path holds: placeholder and end mark aside
constexpr int FILL_WINDOW = 20;   // the distance fill scans this far left of and above its start
constexpr int FILL_LAST = 49;     // the last distance the fill spreads from
constexpr int PLACE_FAR = 19;     // farthest distance at which creatures are put down
constexpr int DYING_FRAMES = 50;  // start of the death countdown
constexpr int OB_REACH = 45;      // an object's approach cell is walked to below this distance

// Colours of floating numbers.
enum {
    DRDAM_PHYS = 17, DRDAM_E1 = 72, DRDAM_E2 = 56, DRDAM_E3 = 91, DRDAM_E4 = 61,
    DRDAM_POISON = 100, DRDAM_REGEN = 45, DRDAM_BURN = 16,
};

// Kinds of map object the leader walks to and uses.
enum { OB_CHEST = 1, OB_DOOR_TO_6 = 2, OB_DOOR_TO_4 = 3 };

// -- creatures ------------------------------------------------------------------------
// Makes a creature in the first free record from type `type` of crtinf.txt and
// links it both ways to party character party_index and NPC npc_index (-1 none).
// hp and mana -1 mean full.  Returns the record, or -1 with nothing made (and the
// links set to none) when every record is in use.
int new_creature(int type, int level, int side, int hp, int mana, int party_index, int npc_index, int x, int y);
int new_crt_num();                 // first free record, -1 when all are in use
void crt_dies(int c);              // takes creature c out of play and clears its links
void clear_creatures();            // frees every record and every link to one
void sdrst(int c, int mode, int r, int g, int b, int rate, int extra);
void set_us();                     // rebuilds the occupancy layers us and us2
void new_drdam(int c, int amount, int colour);   // a floating number over c; dropped when ten rise
int drdam_clear(int c, int k);     // 1 when no other number of c is in its first 16 frames
void crtr_main();                  // per frame: timers, walking, dying, casting
void place_p1cr(int x, int y);     // the party's other members around (x, y) for a battle
void do_crt_spawners();            // every 50th call: spawners near the leader start a battle
int npc_crt(int n);                // NPC n's creature when the link holds both ways, else -1

// -- pointer picking -------------------------------------------------------------------
int get_crt_pix(int pic, int group, int px, int py, int facing, int c);
int sellect_crt();                 // the creature under the pointer, -1 none

// -- derived statistics ------------------------------------------------------------------
float e_value(float x, float a, float b);   // a * (1 - 4^(-x / b)): the saturating curve
void update_stats();               // every creature's fighting values from type, level, wounds, gear
int crt_en(int c, int k);          // value k of creature c's equipment total, 0 without one
int crt_member(int c);             // party character c embodies when the link holds both ways, else -1
int crt_attr(int c, int k);        // current attribute Ak of the member c embodies, 0 for others

// -- attack resolution -------------------------------------------------------------------
int jchnc(int p);                  // 1 with a chance of p percent
void calc_luck(int c);             // rolls the battle's luck of creature c, of all when c is -1
void clr_luck();                   // every creature's luck back to 0
int crt_power(int c);              // a foe's worth to the computer: hp per level * eff_level * attack kind
// Creature a hits t with these damages; sure skips every roll (hit, dodge, range,
// conditions, critical).  quiet_hit suppresses the spray and refresh of this one call.
void do_attack(int a, int t, float phys, float e1, float e2, float e3, float e4, int sure);
void do_atk_spray(int t, float p0, float p1, float p2, float p3, float p4);
void cause_stts(int c, int index, int rounds, int poison);   // index -1 adds only poison
// A ten-picture effect from picture pic over creature c, raised by lift above a walker's height.
void crt_effect(int c, int pic, int lift);
void adj_stuff(int c);             // creature c's auras on its neighbours, as its turn ends

// -- the battle: stages, rounds, turns -------------------------------------------------
void battle();                     // one step of the battle's stages; runs while nothing holds the game
void place_crt_main();             // set-up: the player moves party creatures about the start area
void new_round();                  // every creature ready again, conditions tick
int find_turn();                   // the creature to act next, -1 when the round is over
void end_crt_turn();               // the current creature's turn ends and the next is found
void crt_strike(int c);            // one frame of c's strike or shot; the blow falls in it (part of crtr_main)
void battle_end_chk();             // per frame: no hostile creature left is a victory
void find_new_mcr();               // per frame: a fallen leader hands over to the best member standing
int use_AI(int c);                 // 0 led by the player, 1 by the computer, the side for others
int foe_check(int a, int b);       // 1 when creature a fights creature b
void enemy_turn();                 // the computer decides and starts the whole turn of cur_crt

// What the computer's turns have cost since the program started, in processor
// time of the game's thread: the whole of each enemy_turn as the battle calls it.
struct turn_costs {
    int turns = 0;
    double worst_us = 0, total_us = 0;
};
const turn_costs &enemy_turn_costs();

// -- missiles ----------------------------------------------------------------------------
// The range penalty of a shot from (x0, y0) at (x1, y1): -1 when the ray crosses more
// than `range` cells or penalties of 100 or more.  With no missile flying it also
// lays out the missile's flight from shooter to target.
int sht_path(int x0, int y0, int x1, int y1, int range, int shooter, int target);
void do_sht();                     // per frame: the flying missile moves on and may land
void draw_sht();                   // the missile, drawn with the cell shot_cell
float get_A(float dx, float dy);   // the angle of a direction, radians

// -- movement and path finding ---------------------------------------------------------------
void set_pbuf(int x, int y);       // path costs from (x, y) over grs into pbuf
int gpb(int x, int y);             // pbuf at (x, y); -1 off the map
int gpbuf(int c, int d);           // pbuf at offset d from creature c's cell; -1 off the map
int find_crpath(int c, int x, int y);   // 1 when a walk to (x, y) was planned
int crt_reaches(int c, int x, int y);   // 1 when pbuf, filled from c, puts (x, y) within c's move for a turn
void crt_fdir(int c, int x, int y);      // turns c towards (x, y)
void set_fly_grs();                // grs for a flier: only other fliers block
void crt_walk(int c);              // one frame of creature c's walk (part of crtr_main)
void main_p1cr_walk();             // per frame: the leader walks by mouse and uses objects
void ob_check(int level, int ox, int oy, int kind, int index, int side);
void use_obs();

}  // namespace hm

namespace hm {

// Fight numbers: float to int toward zero, held inside int's range (not-a-number
// counts as 0); sums and products of numbers from files held inside int's range.
inline int tr(float v)
{
    if (!(v == v)) return 0;
    if (v >= 2147483520.0f) return INT32_MAX;
    if (v <= -2147483520.0f) return INT32_MIN;
    return (int)v;
}
inline int sat(long long v) { return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : (int)v; }

}  // namespace hm
