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
    uint8_t in_use;          // 0 free, 1 item, 255 creature's equipment total, 254 member's
    char name[ITEM_NAME_LEN];   // name from the type file, '~' turned into NUL
    uint8_t pad0[2];         // alignment
    int32_t equipped_by;     // party member 0..7 who wears it, -1 nobody
    int32_t item_class;      // 1 equipment (rolled, worn), 2 usable (fixed, used up)
    int32_t eqp_slot;        // slot 0..14 it is worn in; -1 in equipment totals
    int32_t origin;          // 0 plain, 1 creature total, 2 shop goods, 3 chest copy, 4 member total, 5 creature's temporary item
    uint8_t shop_slot;       // NPC item slot 0..19 it was made from (shop goods)
    uint8_t pad1[3];         // alignment
    int32_t pic;             // icon picture (group 7)
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

}  // namespace hm
