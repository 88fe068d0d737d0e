// chest_table.cpp -- the chest records and how they come and go with the levels
#include <cstring>

#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "world/world.h"

namespace hm {

namespace {

bool chest_empty(const chest_rec &c)
{
    for (int k = 0; k < CHEST_SLOTS; k++)
        if (c.item_types[k] != -1) return false;
    return true;
}

bool id_ok(int id) { return id >= 0 && id < CHEST_STATE_BYTES; }

}  // namespace

int chest_of_level(int id, int level)
{
    return level >= 0 && id >= level * CHESTS_PER_LEVEL && id < (level + 1) * CHESTS_PER_LEVEL;
}

void clear_chests() { std::memset(chest, 0, sizeof(chest_rec) * CHEST_COUNT); }

void clear_lev_chests(int level)
{
    for (int i = 0; i < CHEST_COUNT; i++)
        if (chest[i].in_use && chest_of_level(chest[i].chest_id, level))
            std::memset(&chest[i], 0, sizeof(chest_rec));
}

int new_chest_n()
{
    for (int i = 0; i < CHEST_COUNT; i++)
        if (!chest[i].in_use) return i;
    return -1;
}

void delete_empty_chests()
{
    if (j[editor_on]) return;
    for (int i = 0; i < CHEST_COUNT; i++) {
        chest_rec &c = chest[i];
        if (!c.in_use) continue;
        // A record with an id past the state table has nothing to keep it alive.
        if (!id_ok(c.chest_id)) {
            c.in_use = 0;
            continue;
        }
        uint8_t &state = chest_state[c.chest_id];
        if (chest_empty(c)) {
            state = c.trap_state == 3 ? CHEST_DELETED : CHEST_EMPTIED;
            c.in_use = 0;
        } else if (state == CHEST_EMPTIED) {
            state = CHEST_OPENED;
        }
    }
    for (int i = 0; i < CHEST_COUNT; i++) {
        chest_rec &c = chest[i];
        if (c.in_use && (chest_state[c.chest_id] == 0 || chest_state[c.chest_id] == CHEST_UNOPENED)) c.in_use = 0;
    }
}

void load_lev_chests()
{
    for (int i = 0; i < CHEST_COUNT; i++) {
        const chest_rec &c = chest[i];
        if (!c.in_use || !chest_of_level(c.chest_id, j[level_no]) || !cell_ok(c.x, c.y)) continue;
        int cell = c.x + MAP_W * c.y;
        ls[cell] = (uint16_t)c.chest_pic;
        grsc[cell] = BLOCKED;
    }
}

int new_chest_id()
{
    int level = j[level_no];
    if (level < 0 || level >= LEVEL_COUNT) return -1;
    for (int id = level * CHESTS_PER_LEVEL; id < (level + 1) * CHESTS_PER_LEVEL; id++)
        if (get_chest_from_id(id) < 0) return id;
    // Not 0: that is level 0's first chest.
    return -1;
}

int get_chest_from_id(int id)
{
    for (int i = CHEST_COUNT - 1; i >= 0; i--)
        if (chest[i].in_use && chest[i].chest_id == id) return i;
    return -1;
}

int get_num_lev_chests()
{
    int n = 0;
    for (int i = 0; i < CHEST_COUNT; i++) n += chest[i].in_use && chest_of_level(chest[i].chest_id, j[level_no]);
    return n;
}

void display_chest_information(int x, int y)
{
    int live = 0, states[5] = {0, 0, 0, 0, 0};
    for (int i = 0; i < CHEST_COUNT; i++) live += chest[i].in_use != 0;
    for (int id = 0; id < CHEST_STATE_BYTES; id++)
        if (chest_state[id] < 5) states[chest_state[id]]++;
    const struct {
        const char *label;
        int count;
    } lines[] = {
        {"Active chests:", live},
        {"Active chests (on level):", get_num_lev_chests()},
        {"Chests loaded:", states[CHEST_OPENED]},
        {"Empty chests (on other levels):", states[CHEST_EMPTIED]},
        {"Deleted chests:", states[CHEST_DELETED]},
    };
    for (const auto &l : lines) {
        int w = wrt2(x, y, 40, 17, 0, 1, l.label);
        wnum(x + w + 4, y, l.count, 17, 0, 1);
        y += 10;
    }
}

}  // namespace hm
