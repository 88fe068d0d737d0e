// items.cpp -- item records made from type files and seeds, item stacks, prices
#include <climits>
#include <cstring>

#include "core/core.h"
#include "data/data.h"
#include "items/items.h"

namespace hm {

namespace {

constexpr int TYPE_ATTRS = 79;   // attributes 1..79 in a type file
constexpr int NEEDS = 5;         // requirements, attributes 80..84

bool stack_ok(int stack) { return stack >= 0 && stack < ISTK_COUNT; }
bool item_ok(int item) { return item >= 0 && item < ITEM_COUNT; }

// The game's one chance test: values 0..27 of the remainder come up twice as
// often as the rest, and seeded items depend on exactly this draw.
bool chance_passes(int percent) { return (random() >> 8) % 100 < percent; }

// a + (random mod (b - a)) when a < b, else a.  The maximum itself is never rolled.
int16_t roll_range(int a, int b)
{
    if (a >= b) return (int16_t)a;
    long long span = (long long)b - a;
    return (int16_t)(a + random() % span);
}

// Reads type file `type` and rolls its values into `it` (name, class, slot,
// picture, price, attributes).  What the file does not hold (it is missing or
// ends early) reads as 0, never as a value of the record's last item; the
// chance tests of a short file still draw, as for a chance of 0.
void roll_item(int type, item_rec &it)
{
    std::memset(it.name, 0, sizeof it.name);
    std::memset(it.atv, 0, sizeof it.atv);
    int head[6] = {0, 0, 0, 0, 0, 0};
    loadn('i', type, EXT_TXT);
    txt_reader in;
    bool open = in.open(xnam);
    if (open) {
        in.read_name(it.name, ITEM_NAME_LEN);
        for (int &v : head) in.read_int(&v);
    }
    it.item_class = head[0];
    it.eqp_slot = head[1];
    it.pic = head[2];
    it.base_price = head[3];
    it.atv[ATV_WEIGHT] = roll_range(head[4], head[5]);
    if (!open) return;
    if (it.item_class == ITEM_EQUIPMENT) {
        for (int i = 1; i <= TYPE_ATTRS; i++) {
            int a = 0, b = 0, chance = 0;
            in.read_int(&a);
            in.read_int(&b);
            in.read_int(&chance);
            if (chance_passes(chance)) it.atv[i] = roll_range(a, b);
        }
        for (int k = 0; k < NEEDS; k++) {
            int need = 0;
            in.read_int(&need);
            it.atv[ATV_NEED + k] = (int16_t)need;
        }
    } else if (it.item_class == ITEM_USABLE) {
        for (int i = 1; i <= TYPE_ATTRS; i++) {
            int v = 0;
            in.read_int(&v);
            it.atv[i] = (int16_t)v;
        }
    }
}

}  // namespace

int new_item_num()
{
    for (int k = 0; k < ITEM_COUNT; k++)
        if (ITEM[k].in_use == 0) return k;
    return -1;
}

int new_item(int type, int stack, int origin, int seed)
{
    if (stack != -1 && !stack_ok(stack)) return -1;
    int k = new_item_num();
    if (k < 0) return -1;
    // A full stack would leave the item listed nowhere, live for good.
    int entry = stack == -1 ? -1 : istk_free_entry(stack);
    if (stack != -1 && entry < 0) return -1;

    if (seed == -1) seed = random() % ITEM_SEEDS;
    srandom((uint32_t)seed);
    // The shop slot stays, since shops set it on the record before making the item.
    item_rec it = ITEM[k];
    roll_item(type, it);
    // Whatever follows must not repeat from the item's seed.
    int r = random();
    srandom((uint32_t)((plat_time() % 8000) * (r % 200) * 13));

    it.in_use = 1;
    it.equipped_by = -1;
    it.origin = origin;
    it.seed = seed;
    it.item_type = type;
    it.keep_flag = 0;
    ITEM[k] = it;
    if (entry >= 0) ISTK[stack].item[entry] = k;
    return k;
}

void name_item(int item, const char *text)
{
    if (!item_ok(item)) return;
    char *name = ITEM[item].name;
    int i = 0;
    for (; i < ITEM_NAME_LEN - 1 && text[i]; i++) name[i] = text[i];
    for (; i < ITEM_NAME_LEN; i++) name[i] = 0;
}

void clear_istk(int stack)
{
    if (!stack_ok(stack)) return;
    for (int32_t &e : ISTK[stack].item) e = -1;
}

int istk_free_entry(int stack)
{
    if (!stack_ok(stack)) return -1;
    for (int e = 0; e < ISTK_SIZE; e++)
        if (ISTK[stack].item[e] == -1) return e;
    return -1;
}

int istk_count(int stack)
{
    if (!stack_ok(stack)) return 0;
    int n = 0;
    for (int32_t e : ISTK[stack].item)
        if (item_ok(e) && ITEM[e].in_use) n++;
    return n;
}

int swap_item_istk(int item, int from, int to)
{
    if (!stack_ok(from) || !stack_ok(to)) return 0;
    int entry = istk_free_entry(to);
    if (entry < 0) return 0;
    for (int32_t &e : ISTK[from].item)
        if (e == item) {
            e = -1;
            break;
        }
    // The entry freed above may be the first empty one when from == to.
    entry = istk_free_entry(to);
    ISTK[to].item[entry] = item;
    return 1;
}

void delete_item(int item)
{
    if (!item_ok(item)) return;
    remove_equipped_item(item);
    for (int s = 0; s < ISTK_COUNT; s++)
        for (int32_t &e : ISTK[s].item)
            if (e == item) e = -1;
    ITEM[item].in_use = 0;
}

int calc_price(int item)
{
    if (!item_ok(item)) return 0;
    const item_rec &it = ITEM[item];
    if (it.item_class != ITEM_EQUIPMENT) return it.base_price;
    // Read on every call so that prices follow the file; missing weights count 0.
    int w[PRICE_WEIGHTS] = {};
    txt_reader in;
    if (in.open("atv1.txt"))
        for (int &v : w)
            if (!in.read_int(&v)) break;
    long long price = it.base_price;
    for (int i = 0; i < PRICE_WEIGHTS; i++) price += (long long)it.atv[i] * w[i];
    if (price > INT_MAX) return INT_MAX;
    if (price < INT_MIN) return INT_MIN;
    return (int)price;
}

}  // namespace hm
