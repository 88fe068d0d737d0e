// chest_contents.cpp -- opening a chest, its items while it is open, and writing them back
#include <cstring>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "items/items.h"
#include "world/world.h"

namespace hm {

namespace {

bool chest_ok(int c) { return c >= 0 && c < CHEST_COUNT && chest[c].in_use; }

bool all_slots_empty(const chest_rec &c)
{
    for (int16_t t : c.item_types)
        if (t != -1) return false;
    return true;
}

// The per-frame part of the contents: open them on request, and write them back
// once the inventory screen has left the chest's two lists.
void do_chest_contents()
{
    if (j[chest_items_req] == 1) {
        load_chest_items();
        j[istk_shown] = STK_CHEST;
        j[istk_sel] = -1;
        j[istk_scroll] = 0;
        j[chest_items_req] = 2;
        update_scr();
    }
    if (j[istk_shown] == STK_CHEST || j[istk_shown] == STK_CHEST_PUT) {
        j[chest_busy] = 1;
    } else if (j[chest_busy]) {
        j[chest_busy] = 0;
        delete_chest_items();
        update_empty_chest_ls();
    }
}

}  // namespace

void remove_unlikely_items(int c)
{
    if (!chest_ok(c)) return;
    chest_rec &ch = chest[c];
    for (int k = 0; k < CHEST_SLOTS; k++)
        if (ch.item_types[k] != -1 && jchnc(100 - ch.item_chance[k])) ch.item_types[k] = -1;
}

void new_chest_item(int c, int type, int seed)
{
    if (!chest_ok(c)) return;
    chest_rec &ch = chest[c];
    for (int k = 0; k < CHEST_SLOTS; k++)
        if (ch.item_types[k] == -1) {
            ch.item_types[k] = (int16_t)type;
            ch.item_seeds[k] = (int16_t)seed;
            return;
        }
}

void load_chest_items()
{
    clear_istk(STK_CHEST);
    int c = j[cur_chest];
    if (!chest_ok(c)) return;
    chest_rec &ch = chest[c];
    // A slot whose copy was made is held by the copy until the chest closes; one
    // that a full item table could not copy stays in the record, so that closing
    // the chest does not lose it.
    for (int k = 0; k < CHEST_SLOTS; k++)
        if (ch.item_types[k] != -1 && new_item(ch.item_types[k], STK_CHEST, ORIGIN_CHEST, ch.item_seeds[k]) >= 0)
            ch.item_types[k] = -1;
}

int chest_space()
{
    int n = CHEST_SLOTS;
    for (int k = 0; k < ITEM_COUNT; k++)
        if (ITEM[k].in_use == ITEM_LIVE && ITEM[k].origin == ORIGIN_CHEST) n--;
    // Items a full item table could not show still take their slots.
    int c = j[cur_chest];
    if (chest_ok(c))
        for (int16_t t : chest[c].item_types) n -= t != -1;
    return n < 0 ? 0 : n;
}

void delete_chest_items()
{
    int c = j[cur_chest];
    if (!chest_ok(c)) return;
    // The record's slots were emptied as their copies were made; only what
    // could not be copied is left in them.  Each item goes back with its own
    // seed, so it keeps its rolled values.
    for (int k = 0; k < ITEM_COUNT; k++) {
        if (ITEM[k].in_use != ITEM_LIVE || ITEM[k].origin != ORIGIN_CHEST) continue;
        int type = ITEM[k].item_type, seed = ITEM[k].seed;
        delete_item(k);
        new_chest_item(c, type, seed);
    }
}

void update_empty_chest_ls()
{
    int c = j[cur_chest];
    if (!chest_ok(c) || chest[c].trap_state != LOCK_DELETE_WHEN_EMPTY || !all_slots_empty(chest[c])) return;
    const chest_rec &ch = chest[c];
    if (cell_ok(ch.x, ch.y)) ls[ch.x + MAP_W * ch.y] = (uint16_t)(ch.chest_pic + 1);
    if (ch.chest_id >= 0 && ch.chest_id < CHEST_STATE_BYTES) chest_state[ch.chest_id] = CHEST_DELETED;
    std::memset(&chest[c], 0, sizeof(chest_rec));
}

void use_chest(int c)
{
    if (!chest_ok(c)) return;
    int id = chest[c].chest_id;
    if (id < 0 || id >= CHEST_STATE_BYTES) return;
    j[cur_chest] = c;
    if (chest_state[id] == CHEST_UNOPENED) remove_unlikely_items(c);
    chest_state[id] = CHEST_OPENED;
    int lock = chest[c].trap_state;
    if (lock == LOCK_LOCKED || lock == LOCK_JAMMED) j[chest_screen] = LOCK_SET_UP;
    else if (lock == LOCK_NONE || lock == LOCK_DELETE_WHEN_EMPTY) j[chest_items_req] = 1;
}

void chest_main()
{
    do_chest_contents();
    if (j[chest_screen] != LOCK_CLOSED) do_lock();
}

}  // namespace hm
