// items.h -- item records, item stacks, equipment and the inventory screen
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace hm {

constexpr int ITEM_COUNT = 500;
constexpr int ISTK_COUNT = 10;
constexpr int ISTK_SIZE = 200;      // item indices per stack
constexpr int ITEM_NAME_LEN = 25;   // name characters, NUL-padded
constexpr int ATV_COUNT = 100;      // attribute values per item
constexpr int EQP_SLOTS = 15;       // equipment slots 0..14 an item can be worn in

// One item. Saved byte for byte in the save file.
struct item_rec {
    uint8_t in_use;          // 0 free, 1 item, 255 creature's equipment total, 254 member's (ITEM_*)
    char name[ITEM_NAME_LEN];   // name from the type file, '~' turned into NUL
    uint8_t pad0[2];         // alignment
    int32_t equipped_by;     // party member 0..7 who wears it, -1 nobody
    int32_t item_class;      // 1 equipment (rolled, worn), 2 usable (fixed, used up)
    int32_t eqp_slot;        // slot 0..14 it is worn in; -1 in equipment totals
    int32_t origin;          // 0 plain, 1 creature total, 2 shop goods, 3 chest copy, 4 member total, 5 creature's temporary item
    uint8_t shop_slot;       // NPC item slot 0..19 it was made from (shop goods)
    uint8_t pad1[3];         // alignment
    int32_t pic;             // icon picture (group 10)
    int32_t base_price;      // price before attributes
    int32_t seed;            // seed the rolls were made from
    int32_t item_type;       // type number n of i<n>.txt
    int32_t keep_flag;       // 0 = may be offered for putting into a chest
    int16_t atv[ATV_COUNT];  // attribute values; 0 is the weight
};
static_assert(sizeof(item_rec) == 268);
static_assert(std::is_trivially_copyable<item_rec>::value);
static_assert(offsetof(item_rec, in_use) == 0);
static_assert(offsetof(item_rec, name) == 1);
static_assert(offsetof(item_rec, pad0) == 26);
static_assert(offsetof(item_rec, equipped_by) == 28);
static_assert(offsetof(item_rec, item_class) == 32);
static_assert(offsetof(item_rec, eqp_slot) == 36);
static_assert(offsetof(item_rec, origin) == 40);
static_assert(offsetof(item_rec, shop_slot) == 44);
static_assert(offsetof(item_rec, pad1) == 45);
static_assert(offsetof(item_rec, pic) == 48);
static_assert(offsetof(item_rec, base_price) == 52);
static_assert(offsetof(item_rec, seed) == 56);
static_assert(offsetof(item_rec, item_type) == 60);
static_assert(offsetof(item_rec, keep_flag) == 64);
static_assert(offsetof(item_rec, atv) == 68);

// An item stack: item indices, -1 empty, unordered with gaps. Saved byte for byte.
struct istk_rec {
    int32_t item[ISTK_SIZE];   // ITEM index per entry, -1 empty
};
static_assert(sizeof(istk_rec) == 800);
static_assert(std::is_trivially_copyable<istk_rec>::value);
static_assert(offsetof(istk_rec, item) == 0);

extern item_rec *ITEM;   // every item in the game
extern istk_rec *ISTK;   // the ten item stacks

// What each stack holds.
enum {
    STK_INVENTORY = 0,   // the party's inventory, worn items included
    STK_LOOT = 1,        // loot lying after a battle
    STK_FIT_SLOT = 2,    // inventory items that fit one equipment slot
    STK_SHOP = 3,        // goods of the NPC shop being visited
    STK_CATALOGUE = 4,   // inventory items of one class
    STK_BELT_PICK = 5,   // usable items offered for the battle belt
    STK_USABLE = 6,      // usable items listed on the character sheet
    STK_CHEST = 7,       // contents of the open chest
    STK_CHEST_PUT = 8,   // inventory items that may go into the open chest
};

// Item classes.
enum { ITEM_EQUIPMENT = 1, ITEM_USABLE = 2 };

// What a record's in_use byte says it is.
enum { ITEM_FREE = 0, ITEM_LIVE = 1, ITEM_PEN_TOTAL = 254, ITEM_EN_TOTAL = 255 };

// Where an item came from (its origin).
enum {
    ORIGIN_PLAIN = 0,     // the party's own, or lying loose
    ORIGIN_EN = 1,        // a creature's equipment total
    ORIGIN_SHOP = 2,      // goods of an NPC shop
    ORIGIN_CHEST = 3,     // temporary copy of a chest's content
    ORIGIN_PEN = 4,       // a party member's equipment total
    ORIGIN_TEMP = 5,      // a creature's natural weapon or a temporary character's gear
};

// Attribute values (atv) the code reads by index.
enum {
    ATV_WEIGHT = 0,       // weight, counted against the carrying capacity
    ATV_SHEET_USE = 1,    // class 2: usable from the character sheet
    ATV_BELT_TARGET = 2,  // class 2: 1 used on party and allies in battle, 2 on bystanders
    ATV_BELT_PIC = 5,     // class 2: belt picture and aiming pointer (group 8)
    ATV_HEAL = 7,         // class 2: hit points restored
    ATV_HEAL_PCT = 8,     // class 2: hit points restored, percent of the maximum
    ATV_CURE = 9,         // class 2: condition cured, -1 none
    ATV_CAUSE = 10,       // class 2: condition caused, -1 none
    ATV_CAUSE_ROUNDS = 11,   // class 2: rounds of the condition caused
    ATV_MANA = 12,        // class 2: mana restored
    ATV_MANA_PCT = 13,    // class 2: mana restored, percent of the maximum
    ATV_EXP_BONUS = 47,   // percent more experience for the wearer
    ATV_ATTR_BONUS = 50,  // 50..54: added to the wearer's attributes A0..A4
    ATV_NEED = 80,        // 80..84: least current A0..A4 needed to wear it
};
constexpr int PRICE_WEIGHTS = 50;   // atv1.txt: worth of one point of attributes 0..49
constexpr int ATTR_COLOURS = 80;    // tcol1.txt: text colour of attributes 0..79
constexpr int ITEM_SEEDS = 16000;   // a drawn seed is below this
constexpr int TOTAL_ATVS = 80;      // attributes 0..79 are summed into equipment totals
constexpr int CONDITIONS = 22;      // conditions 0..21 an item may cure or cause

// Lowest free item record, -1 when all are live.
int new_item_num();
// Makes an item of type `type` (file i<type>.txt) rolled from `seed` (-1 draws one)
// and lists it in `stack` (-1 none).  Returns its index, or -1 with nothing made
// when the table is full or the stack has no empty entry.  What a missing or
// short type file does not hold is 0.
int new_item(int type, int stack, int origin, int seed);
void name_item(int item, const char *text);   // up to 24 characters of text become the name
void clear_istk(int stack);
// First empty entry of the stack, -1 when it is full (or no such stack).
int istk_free_entry(int stack);
// Live items listed in the stack.
int istk_count(int stack);
// Moves the item from stack `from` (its first entry there, if any) into the first
// empty entry of `to`.  A full `to` refuses the move: nothing changes and 0 is
// returned; 1 when the item is now listed in `to`.
int swap_item_istk(int item, int from, int to);
// Takes the item off whoever wears it or carries it on a belt, out of every
// stack, and frees its record.
void delete_item(int item);
// Class 1: base price plus the attributes 0..49 weighed by atv1.txt; others: base price.
int calc_price(int item);

// -- equipment and item use ----------------------------------------------------------
// Puts the item on party member `member` in `slot`, taking it off whoever wore it
// and taking the slot's old item off (it stays in the inventory).  An item made
// for no slot 0..14 is never worn.
void equip_item(int member, int slot, int item);
// Takes the item off every party member and creature, and off every belt.
void remove_equipped_item(int item);
int check_attributes(int member, int item);   // 1 when the member meets its needs
void remove_failed_attribute_items();         // takes off what a member no longer meets
void make_eqp_istk(int slot);                 // stack 2: inventory items for the slot
void make_cata_istk(int cls, int stack);      // a stack of the inventory's items of one class
// Equipment totals: a record summing attributes 0..79 of everything worn.  With
// the item table full none is made and en_item / pen_item is -1 (no bonuses).
void make_EN(int creature);
void delete_EN();
void make_PEN(int member);
void delete_PEN();
void make_special_attack_item(int creature);  // its natural weapon into equipment slot 0
void delete_special_attack_items();           // frees every natural weapon and temporary gear
// Uses a class-2 item up: on party member `target` outside battle, on creature
// `target` in battle.  1 when used; 0 when there was no creature to use it on,
// and the item is then kept.
int use_item(int item, int target);

// -- the inventory screen ------------------------------------------------------------
void draw_istk();            // the list panel of stack istk_shown
void draw_istats(int item);  // the statistics box of an item
void istk_controls();        // per frame: clicks on the list panel
void draw_eqp_com(int member);   // the equipment-slot buttons of a member's sheet
void eqp_controls();         // per frame: clicks on the slot buttons
// Screen pixel of equipment slot s's button: five to a row, 34 pixels apart.
constexpr int eqp_box_x(int s) { return 446 + 34 * (s % 5); }
constexpr int eqp_box_y(int s) { return 140 + 34 * (s / 5); }
constexpr int EQP_BOX = 32;  // a slot button is 32 x 32
constexpr int ISTK_ROWS = 5;         // list rows shown at a time
constexpr int ISTK_SCROLL_MAX = 295; // the list scrolls 0..295 in steps of 5
// The item in list row r of the shown stack when it is live, else -1 (rows past
// the stack's 200 entries are empty).
int istk_row_item(int r);
// The entry in list row r that a click selects: an item index, live or freed; -1
// for an empty entry and rows past the stack.
int istk_row_entry(int r);
int istk_sel_listed();   // 1 when istk_sel is a live item of the shown stack
// 1 when the action button would act on `item` of `stack` now.
int istk_action_possible(int stack, int item);
int istk_may_put_in();   // 1 when the open chest takes items from the inventory

}  // namespace hm
