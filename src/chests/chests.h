// chests.h -- chest records, their life across levels, and the lock puzzle
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace hm {

constexpr int CHEST_COUNT = 500;
constexpr int CHEST_STATE_BYTES = 20000;   // one state per chest id
constexpr int CHEST_SLOTS = 20;            // items of a chest, as type and seed
constexpr int LOCK_DISCS = 8;              // most discs a lock can have

// One chest. Stored byte for byte in level files and in the save file.
struct chest_rec {
    uint8_t in_use;          // nonzero = record used
    uint8_t pad0[3];         // alignment
    int32_t chest_id;        // level number * 50 + n, n 0..49
    int32_t x;               // cell column
    int32_t y;               // cell row
    int32_t chest_pic;       // object picture (group 1) at its cell; + 1 when emptied
    int16_t item_types[CHEST_SLOTS];   // item type per slot, -1 empty
    int16_t item_seeds[CHEST_SLOTS];   // item seed per slot
    uint8_t item_chance[CHEST_SLOTS];  // percent chance the item is there at first opening
    uint8_t trap_state;      // 0 no trap, 1 locked, 2 jammed, 3 delete when empty
    uint8_t pad1[3];         // alignment
    int32_t n_discs;         // lock discs, 1..8
    int32_t difficulty;      // lock difficulty, shortens the trap timer
    int32_t lock_seed;       // seed of the discs' starting angles
    int32_t face_side;       // side the party must face to use it: 1 left, 2 right, 3 up, 4 down
    int8_t disc_r[LOCK_DISCS];   // resistance of each disc, percent
};
static_assert(sizeof(chest_rec) == 148);
static_assert(std::is_trivially_copyable<chest_rec>::value);
static_assert(offsetof(chest_rec, in_use) == 0);
static_assert(offsetof(chest_rec, pad0) == 1);
static_assert(offsetof(chest_rec, chest_id) == 4);
static_assert(offsetof(chest_rec, x) == 8);
static_assert(offsetof(chest_rec, y) == 12);
static_assert(offsetof(chest_rec, chest_pic) == 16);
static_assert(offsetof(chest_rec, item_types) == 20);
static_assert(offsetof(chest_rec, item_seeds) == 60);
static_assert(offsetof(chest_rec, item_chance) == 100);
static_assert(offsetof(chest_rec, trap_state) == 120);
static_assert(offsetof(chest_rec, pad1) == 121);
static_assert(offsetof(chest_rec, n_discs) == 124);
static_assert(offsetof(chest_rec, difficulty) == 128);
static_assert(offsetof(chest_rec, lock_seed) == 132);
static_assert(offsetof(chest_rec, face_side) == 136);
static_assert(offsetof(chest_rec, disc_r) == 140);

extern chest_rec *chest;        // chests alive now
extern uint8_t *chest_state;    // state per chest id

constexpr int CHESTS_PER_LEVEL = 50;   // chest ids level * 50 .. level * 50 + 49

// Chest states by id.
enum {
    CHEST_UNOPENED = 1,   // read from the level file whenever the level is built (0 too)
    CHEST_OPENED = 2,     // its record lives in the table across levels
    CHEST_DELETED = 3,    // emptied and gone: the map shows the emptied picture
    CHEST_EMPTIED = 4,    // comes back from the level file empty and unlocked
};

// -- the chest table --------------------------------------------------------------
void clear_chests();            // frees every record
void clear_lev_chests(int level);   // frees the records of one level's chest ids
int new_chest_n();              // the lowest free record, -1 when the table is full
void delete_empty_chests();     // the clean-up when a level is built; idle in the editor
void load_lev_chests();         // puts the current level's chests on the map
int chest_of_level(int id, int level);   // 1 when id is one of level's 50 chest ids
int new_chest_id();             // lowest free id of the current level, -1 when all 50 are taken
int get_chest_from_id(int id);  // the live record with that id (the last of several), -1 none
int get_num_lev_chests();       // live chests of the current level
// The editor's five counts of the chest table, one line every 10 view pixels.
void display_chest_information(int x, int y);

// Lock kinds (trap_state).
enum {
    LOCK_NONE = 0,
    LOCK_LOCKED = 1,
    LOCK_JAMMED = 2,
    LOCK_DELETE_WHEN_EMPTY = 3,   // unlocked, and gone from the map once emptied
};

// -- the open chest's contents ----------------------------------------------------------
void remove_unlikely_items(int c);   // each item stays with its own chance
void new_chest_item(int c, int type, int seed);   // into the first empty slot; none free: nothing
void load_chest_items();        // the open chest's items into stack 7
int chest_space();              // slots left for items put into the open chest
void delete_chest_items();      // writes what is left in stack 7 back into the open chest
void update_empty_chest_ls();   // an emptied "(Delete when empty)" chest leaves the map
// The party uses chest record c: the lock puzzle for a locked or jammed chest,
// straight to the contents otherwise.
void use_chest(int c);
void chest_main();              // per frame: the contents, then the lock puzzle

// -- the lock puzzle ---------------------------------------------------------------------
// chest_screen states.
enum {
    LOCK_CLOSED = 0,
    LOCK_SET_UP = 1,
    LOCK_COVER = 2,          // cover on the dial: click it, or close
    LOCK_COVER_OPENING = 3,
    LOCK_SET_PICK = 4,       // set the pick's angle, then start
    LOCK_TURNING = 5,        // a disc turns towards the pick
    LOCK_CAUGHT = 6,         // a caught disc swings out
    LOCK_CLOSING_UP = 7,     // the remaining discs close up
    LOCK_DECIDE = 8,         // force the lock, or close
    LOCK_RESULT = 9,         // the outcome is shown: close
};
// Lock outcomes (lock_outcome).
enum { LOCK_NO_OUTCOME = 0, LOCK_OPENED = 1, LOCK_FAILED = 2, LOCK_HAS_JAMMED = 3 };
// lock_trap values.
enum { TRAP_RUNNING = 0, TRAP_STOPPED = 1, TRAP_FIRED = 2, TRAP_ALL_CAUGHT = 3 };

void do_lock();                 // one frame of the lock puzzle while chest_screen is not 0
float lock_chance();            // percent chance that forcing opens the lock now

}  // namespace hm
